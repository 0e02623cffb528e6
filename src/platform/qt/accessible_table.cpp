#include "platform/qt/accessible_table.h"

#include <QApplication>
#include <QTimer>
#include <algorithm>

#include "platform/qt/control_widgets.h"
#include "platform/qt/table_view.h"

namespace plat::qt {

namespace {

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

TableView* tableOf(QWidget* w) {
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget()) {
        if (auto* view = qobject_cast<TableView*>(p)) return view;
    }
    return nullptr;
}

// The table's widgets have their own interfaces; the buttons keep Qt's, which can be pressed.
QAccessibleInterface* tableFactory(const QString&, QObject* object) {
    if (auto* view = qobject_cast<TableView*>(object)) {
        view->news().refresh();  // the table as a screen reader first finds it
        return new TableAccessible(view);
    }
    auto* w = qobject_cast<QWidget*>(object);
    TableView* view = w && !w->isWindow() ? tableOf(w) : nullptr;
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
    const AccessibleText d = view_->names().describe(view_->form());
    if (t == QAccessible::Name) return view_->windowTitle();
    if (t == QAccessible::Description) return qs(d.description);
    return QAccessibleWidget::text(t);
}

// In reading order: from the top of the table down, each row from the left.
QList<QWidget*> TableAccessible::shown() const {
    QList<QWidget*> out;
    for (QObject* o : view_->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isWindow() || w->isHidden()) continue;
        const Control* c = view_->controlOf(w);
        if (!c || view_->names().describe(*c).inTree()) out.append(w);
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
    return view_.names().describe(control_);
}

QAccessible::Role ControlAccessible::role() const {
    return qtRole(described().role);
}

// The focused control also carries the news of the turn, so that it is heard where the
// player is.
QString ControlAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) return qs(described().name);
    if (t != QAccessible::Description) return {};
    QString d = qs(described().description);
    const std::string& news = view_.names().news();
    if (widget()->hasFocus() && !news.empty())
        d += (d.isEmpty() ? QString() : QStringLiteral(". ")) + qs(news);
    return d;
}

QAccessible::State ControlAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.focusable = widget()->focusPolicy() != Qt::NoFocus;
    s.focused = widget()->hasFocus();
    if (!described().inTree()) s.invisible = true;
    return s;
}

// --- the news

void NewsWatch::controlChanged(const Control& c) {
    static const std::array<std::string, 6> kWatched = {"lStatus", "first",     "pno",
                                                        "cno",     "compscore", "playerscore"};
    if (pending_ || std::find(kWatched.begin(), kWatched.end(), c.name()) == kWatched.end()) return;
    pending_ = true;
    QTimer::singleShot(0, this, [this] { refresh(); });
}

void NewsWatch::refresh() {
    pending_ = false;
    if (!names_.updateNews()) return;
    QAccessibleEvent table(&view_, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&table);
    QWidget* focus = QApplication::focusWidget();
    if (focus && view_.isAncestorOf(focus)) {
        QAccessibleEvent focused(focus, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&focused);
    }
}

}  // namespace plat::qt
