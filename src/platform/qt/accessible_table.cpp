#include "platform/qt/accessible_table.h"

#include <QTimer>
#include <algorithm>

#include "platform/qt/control_widgets.h"
#include "platform/qt/table_view.h"

namespace plat::qt {

namespace {

// A screen reader hears of changes this long after they happen, at most.
constexpr int kLookAgainMs = 100;

QAccessible::Role qtRole(AccessibleRole role) {
    switch (role) {
        case AccessibleRole::Window:
            return QAccessible::Window;
        case AccessibleRole::HandTile:
            return QAccessible::Button;  // a tile the player lays, as a button acts
        case AccessibleRole::Tile:
            return QAccessible::Graphic;
        case AccessibleRole::OpenEnd:
        case AccessibleRole::Text:
            return QAccessible::StaticText;
        case AccessibleRole::Status:
            return QAccessible::StatusBar;
        case AccessibleRole::Button:
            return QAccessible::Button;
        case AccessibleRole::None:
            break;
    }
    return QAccessible::NoRole;
}

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

AccessibleText describe(const TableView& view, const Control& c) {
    const AccessibleReader* reader = view.form().accessibleReader();
    return reader ? reader->describe(c) : AccessibleText{};
}

TableView* tableOf(QWidget* w) {
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget()) {
        if (auto* view = qobject_cast<TableView*>(p)) return view;
    }
    return nullptr;
}

// The table's widgets have their own interfaces; the buttons keep Qt's, which can be pressed.
QAccessibleInterface* tableFactory(const QString&, QObject* object) {
    if (auto* view = qobject_cast<TableView*>(object)) {
        view->accessibleChanges().firstLook();
        return new TableAccessible(view);
    }
    auto* w = qobject_cast<QWidget*>(object);
    TableView* view = w && !w->isWindow() ? tableOf(w) : nullptr;
    if (view) view->accessibleChanges().firstLook();
    const Control* c = view ? view->controlOf(w) : nullptr;
    // A label is asked for as it takes its first caption, before the view knows it.
    if (auto* label = qobject_cast<LabelWidget*>(w); label && view) c = &label->label();
    if (!c || c->kind() == Kind::PushButton) return nullptr;
    return new ControlAccessible(w, *view, *c);
}

}  // namespace

void installTableAccessibility() {
    QAccessible::installFactory(tableFactory);
}

// --- the table

TableAccessible::TableAccessible(TableView* view) : QAccessibleWidget(view), view_(view) {}

QAccessible::Role TableAccessible::role() const {
    return view_->isWindow() ? QAccessible::Window : QAccessible::Pane;
}

QString TableAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) return view_->windowTitle();
    if (t == QAccessible::Description) return {};
    return QAccessibleWidget::text(t);
}

// In reading order: from the top of the table down, each row from the left.
QList<QWidget*> TableAccessible::shown() const {
    QList<QWidget*> out;
    for (QObject* o : view_->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isWindow() || w->isHidden()) continue;
        const Control* c = view_->controlOf(w);
        if (c && describe(*view_, *c).inTree()) out.append(w);
    }
    std::stable_sort(out.begin(), out.end(), [](QWidget* a, QWidget* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    return out;
}

int TableAccessible::childCount() const {
    return static_cast<int>(shown().size());
}

QAccessibleInterface* TableAccessible::child(int index) const {
    const QList<QWidget*> widgets = shown();
    if (index < 0 || index >= widgets.size()) return nullptr;
    return QAccessible::queryAccessibleInterface(widgets.at(index));
}

int TableAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (!child) return -1;
    return static_cast<int>(shown().indexOf(qobject_cast<QWidget*>(child->object())));
}

// --- one control

ControlAccessible::ControlAccessible(QWidget* w, TableView& view, const Control& control)
    : QAccessibleWidget(w), view_(view), control_(control) {}

AccessibleText ControlAccessible::described() const {
    return describe(view_, control_);
}

QAccessible::Role ControlAccessible::role() const {
    return qtRole(described().role);
}

QString ControlAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) return qs(described().name);
    if (t == QAccessible::Description) return qs(described().description);
    return {};
}

QAccessible::State ControlAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.focusable = widget()->focusPolicy() != Qt::NoFocus;
    s.focused = widget()->hasFocus();
    if (!described().inTree()) s.invisible = true;
    return s;
}

QRect ControlAccessible::rect() const {
    QRect r = QAccessibleWidget::rect();
    const AccessibleReader* reader = view_.form().accessibleReader();
    const Control* other = reader ? reader->drawnWith(control_) : nullptr;
    QWidget* w = other ? view_.widgetOf(*other) : nullptr;
    if (w && w->isVisible()) r |= QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
    return r;
}

// --- the changes

AccessibleChanges::AccessibleChanges(TableView& view)
    : raise([](QWidget* w, QAccessible::Event type) {
          QAccessibleEvent e(w, type);
          QAccessible::updateAccessibility(&e);
      }),
      view_(view) {}

void AccessibleChanges::controlChanged() {
    if (!timer_) {
        timer_ = new QTimer(this);
        timer_->setSingleShot(true);
        timer_->setInterval(kLookAgainMs);
        connect(timer_, &QTimer::timeout, this, &AccessibleChanges::lookNow);
    }
    if (!timer_->isActive()) timer_->start();
}

// Widgets may be asked for as they are made, long before anyone listens: what they say is
// learnt once a screen reader does.
void AccessibleChanges::firstLook() {
    if (!looked_ && QAccessible::isActive()) lookNow();
}

void AccessibleChanges::lookNow() {
    looked_ = true;
    for (QObject* o : view_.children()) {
        if (auto* w = qobject_cast<QWidget*>(o)) look(w);
    }
}

void AccessibleChanges::look(QWidget* w) {
    if (const Control* c = view_.controlOf(w)) compare(w, describe(view_, *c));
}

// Buttons keep Qt's own interface, which raises the events itself; the first look at a widget
// only learns what it says.
void AccessibleChanges::compare(QWidget* w, const AccessibleText& now) {
    if (dynamic_cast<ButtonWidget*>(w)) {
        if (w->accessibleName() != qs(now.name)) w->setAccessibleName(qs(now.name));
        if (w->accessibleDescription() != qs(now.description))
            w->setAccessibleDescription(qs(now.description));
        return;
    }
    auto it = said_.find(w);
    if (it == said_.end()) {
        said_.insert(w, now);
        return;
    }
    if (!now.inTree()) {
        *it = now;
        return;
    }
    if (it->name != now.name) raise(w, QAccessible::NameChanged);
    if (it->description != now.description) raise(w, QAccessible::DescriptionChanged);
    *it = now;
}

}  // namespace plat::qt
