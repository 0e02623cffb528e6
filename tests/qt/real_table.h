#pragma once
// The table built on the real window as the program builds it, over a folder of optional files
// chosen by the test, and a guard that closes any message box the game opens meanwhile.
#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "platform/qt/qt_services.h"
#include "platform/qt/table_view.h"
#include "table/game_state.h"

namespace qtt {

// The first hand is dealt; an empty folder stands for one without any optional file.
struct RealTable {
    explicit RealTable(const QString& folder = {})
        : services(folder.isEmpty() ? empty.path() : folder), form(services), view(form.window) {
        services.setWindow(&view);
        view.setPointerPictures(&services.pointers());
        view.bindForm();
        form.Form_Load();
    }
    QTemporaryDir empty;
    plat::qt::QtServices services;
    brackwell::Form1 form;
    plat::qt::TableView view;
};

// Runs `look` on each message box as soon as it is the active modal widget, then closes it.
// A box opened where none was expected would otherwise hang the suite.
class BoxCloser {
  public:
    explicit BoxCloser(std::function<void(QMessageBox&)> look = {}) : look_(std::move(look)) {
        poll_.setInterval(10);
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || (until_ && !until_())) return;
            ++seen;
            if (look_) look_(*box);
            box->accept();
        });
        poll_.start();
    }
    // The box stays open until the condition holds.
    void holdUntil(std::function<bool()> until) { until_ = std::move(until); }
    int seen = 0;

  private:
    QTimer poll_;
    std::function<void(QMessageBox&)> look_;
    std::function<bool()> until_;
};

}  // namespace qtt
