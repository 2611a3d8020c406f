#pragma once
#include <QWidget>
#include <initializer_list>

// Controls that belong together (a field, its label and its unit) are
// enabled and shown together.
inline void EnableControls(std::initializer_list<QWidget*> controls, bool enabled) {
    for (QWidget* control : controls) control->setEnabled(enabled);
}

inline void ShowControls(std::initializer_list<QWidget*> controls, bool visible) {
    for (QWidget* control : controls) control->setVisible(visible);
}
