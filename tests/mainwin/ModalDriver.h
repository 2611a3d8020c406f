#pragma once
#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>

// Acts on the next modal dialog of type Dialog as soon as it shows, so a
// test can drive a dialog that the code under test runs with exec().
template <class Dialog>
void WhenShown(std::function<void(Dialog*)> act, int triesLeft = 200) {
    QTimer::singleShot(5, [act = std::move(act), triesLeft] {
        if (auto* dialog = dynamic_cast<Dialog*>(QApplication::activeModalWidget())) {
            act(dialog);
        } else if (triesLeft > 0) {
            WhenShown<Dialog>(act, triesLeft - 1);
        }
    });
}
