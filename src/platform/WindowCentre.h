#pragma once

class QWidget;

// Centring a top-level window, by its frame, on another window or on the
// screen. A window not yet sized is centred at the size its layout gives it,
// the size it will show with.
namespace WindowCentre {

// Centres window on over's outer rectangle. A window the window system has
// not framed yet is counted with a frame like over's, which it will get.
void Over(QWidget* window, const QWidget* over);
// Centres window on the screen it is on.
void OnScreen(QWidget* window);

}  // namespace WindowCentre
