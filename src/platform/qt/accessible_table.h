#pragma once
// The table as a screen reader sees it: the accessible interfaces of the table's widgets take
// their role, name and description from the form's accessible reader and leave out what it does
// not name (second halves, values, outlines that decorate). Nothing of it runs while no screen
// reader listens.
#include <QAccessibleWidget>
#include <QHash>
#include <QObject>
#include <functional>

#include "platform/accessible.h"

class QTimer;

namespace plat::qt {

class TableView;

// Makes the interfaces of the table and its widgets; buttons keep Qt's own.
void installTableAccessibility();

class TableAccessible : public QAccessibleWidget {
  public:
    explicit TableAccessible(TableView* view);
    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

  private:
    QList<QWidget*> shown() const;  // the child widgets that are in the tree, in their order
    TableView* view_;
};

class ControlAccessible : public QAccessibleWidget {
  public:
    ControlAccessible(QWidget* w, TableView& view, const Control& control);
    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QRect rect() const override;                   // a tile's outline covers both its halves
    int childCount() const override { return 0; }  // a moving tile's halves are that one tile
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

  private:
    AccessibleText described() const;
    TableView& view_;
    const Control& control_;
};

// Tells a listening screen reader of the names and descriptions that really changed: a few
// times a second at most, and only while one listens.
class AccessibleChanges : public QObject {
  public:
    explicit AccessibleChanges(TableView& view);
    void controlChanged();  // something on the table changed; look again soon
    void lookNow();
    void firstLook();       // the first time a screen reader asks: learns what each control says
    void look(QWidget* w);  // one widget
    // Where the events go: to the screen reader, unless a test listens instead.
    std::function<void(QWidget*, QAccessible::Event)> raise;

  private:
    void compare(QWidget* w, const AccessibleText& now);
    TableView& view_;
    QTimer* timer_ = nullptr;
    QHash<const QWidget*, AccessibleText> said_;
    bool looked_ = false;
};

}  // namespace plat::qt
