#include "platform/DialogOwner.h"

#include <QApplication>

namespace DialogOwner {
namespace {

QPointer<QWidget>& mainWindow() {
    static QPointer<QWidget> window;
    return window;
}

QPointer<QWidget>& askingWindow() {
    static QPointer<QWidget> window;
    return window;
}

}  // namespace

void SetMainWindow(QWidget* window) { mainWindow() = window; }

QWidget* MainWindow() { return mainWindow(); }

QWidget* Current() {
    if (QWidget* asking = askingWindow()) return asking;
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    QWidget* main = mainWindow();
    return main && main->isVisible() ? main : nullptr;
}

AskedFrom::AskedFrom(QWidget* window) : previous_(askingWindow()) { askingWindow() = window; }

AskedFrom::~AskedFrom() { askingWindow() = previous_; }

}  // namespace DialogOwner
