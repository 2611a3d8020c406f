#pragma once

class QWidget;

// Lists and sliders change their value on mouse-wheel turns even while
// another control has the focus, and a turn gives a list the focus first. In
// an editor that writes each change to the sensor, a turn of the wheel while
// the mouse passes over a list would be a write the user did not mean.
namespace WheelNeedsFocus {

// Every list and slider inside window takes wheel turns only while it has
// the focus; a turn no longer gives it the focus. Once per window is enough;
// later calls change nothing.
void Install(QWidget* window);

}  // namespace WheelNeedsFocus
