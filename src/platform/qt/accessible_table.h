#pragma once
// The table as a screen reader sees it: the accessible interfaces of the table's widgets take
// their role, name and description from the accessible-name service, leave out what is
// unnamed (second halves, values, outlines that decorate), and the news of a turn is told
// through the table's description. Nothing of it runs while no screen reader listens.
#include <QAccessibleWidget>
#include <QObject>

#include "platform/accessible_names.h"

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
    int childCount() const override { return 0; }  // a moving tile's halves are that one tile
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

  private:
    AccessibleText described() const;
    TableView& view_;
    const Control& control_;
};

// Brings the news up to date once the events of a procedure have run, and tells a listening
// screen reader when it changed.
class NewsWatch : public QObject {
  public:
    explicit NewsWatch(TableView& view, AccessibleNames& names) : view_(view), names_(names) {}
    void controlChanged(const Control& c);
    void refresh();

    TableView& view_;
    AccessibleNames& names_;
    bool pending_ = false;
};

}  // namespace plat::qt
