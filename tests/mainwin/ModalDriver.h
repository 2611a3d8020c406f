#pragma once
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>

// Acts on the next modal dialog of type Dialog once it shows and has become
// the active window, so a test can drive a dialog that the code under test
// runs with exec(); act must close it. Acting only on the active dialog gives
// act the same dialog every time: whether a dialog has its activation behind
// it when the test acts depends on the machine's load, and some dialogs take
// input differently before and after (a file dialog ignores a file chosen
// while its name box has the focus).
//
// A test never waits for ever on a dialog: one that has not shown within
// giveUp, or that is still open giveUp after act began (act failed or waits
// on a box over it), fails the test, and every modal window is closed so that
// the code under test returns.
namespace ModalDriver {

inline constexpr std::chrono::milliseconds GiveUp{10000};
inline constexpr int PollIntervalMs = 5;

// Closes the modal windows, the topmost first; each exec() then returns.
inline void CloseModalWindows() {
    while (QWidget* modal = QApplication::activeModalWidget()) {
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
        else modal->hide();
    }
}

template <class Dialog>
struct Drive {
    std::function<void(Dialog*)> act;
    std::chrono::milliseconds giveUp;
    QDeadlineTimer deadline;
    bool acted = false;
    QPointer<Dialog> dialog;
};

template <class Dialog>
void Poll(const std::shared_ptr<Drive<Dialog>>& drive) {
    const auto again = [drive] { QTimer::singleShot(PollIntervalMs, [drive] { Poll(drive); }); };
    const char* name = Dialog::staticMetaObject.className();
    if (!drive->acted) {
        auto* dialog = dynamic_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog && dialog->isActiveWindow()) {
            drive->acted = true;
            drive->dialog = dialog;
            drive->deadline = QDeadlineTimer(drive->giveUp);
            // Watching goes on while act runs, also when act is caught in a
            // modal box of its own.
            again();
            drive->act(dialog);
            return;
        }
        if (drive->deadline.hasExpired()) {
            ADD_FAILURE() << "no active " << name << " showed within " << drive->giveUp.count() << " ms";
            CloseModalWindows();
            return;
        }
        again();
        return;
    }
    if (!drive->dialog || !drive->dialog->isVisible()) return;
    if (drive->deadline.hasExpired()) {
        ADD_FAILURE() << name << " was still open " << drive->giveUp.count() << " ms after the test acted on it";
        CloseModalWindows();
        return;
    }
    again();
}

}  // namespace ModalDriver

template <class Dialog>
void WhenShown(std::function<void(Dialog*)> act, std::chrono::milliseconds giveUp = ModalDriver::GiveUp) {
    auto drive = std::make_shared<ModalDriver::Drive<Dialog>>();
    drive->act = std::move(act);
    drive->giveUp = giveUp;
    drive->deadline = QDeadlineTimer(giveUp);
    QTimer::singleShot(ModalDriver::PollIntervalMs, [drive] { ModalDriver::Poll(drive); });
}
