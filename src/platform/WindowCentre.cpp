#include "platform/WindowCentre.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace WindowCentre {
namespace {

// The size window covers on the screen, its frame included. Until the
// window system has framed it (before it first shows) it has no frame of
// its own: frameModel's stands in for it.
QSize outerSize(const QWidget* window, const QWidget* frameModel) {
    const QSize size = window->frameGeometry().size();
    const bool framed = size != window->size();
    if (framed || !frameModel || !frameModel->isVisible()) return size;
    return size + frameModel->frameGeometry().size() - frameModel->size();
}

void centreIn(QWidget* window, const QRect& area, const QWidget* frameModel) {
    // A window that has not been sized yet stands at Qt's default of 100x30
    // until showing fits it to its layout: it is centred at that fitted size.
    if (!window->testAttribute(Qt::WA_Resized)) window->adjustSize();
    const QSize size = outerSize(window, frameModel);
    window->move(area.left() + (area.width() - size.width()) / 2, area.top() + (area.height() - size.height()) / 2);
}

}  // namespace

void Over(QWidget* window, const QWidget* over) {
    if (window && over) centreIn(window, over->frameGeometry(), over);
}

void OnScreen(QWidget* window) {
    if (!window) return;
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen) centreIn(window, screen->geometry(), nullptr);
}

}  // namespace WindowCentre
