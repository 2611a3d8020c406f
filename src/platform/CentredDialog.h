#pragma once
#include "platform/WindowCentre.h"

#include <QShowEvent>

// A dialog of the platform's (a message box, a file dialog) that shows
// centred on its parent, or on the screen without one. It is placed as it
// first shows, once it has its size: a message box fits itself to its text
// only then. Shown again (after its help button), it stays where it was.
template <class Dialog>
class CentredDialog : public Dialog {
public:
    using Dialog::Dialog;

protected:
    void showEvent(QShowEvent* event) override {
        Dialog::showEvent(event);
        if (placed_) return;
        placed_ = true;
        if (this->parentWidget()) WindowCentre::Over(this, this->parentWidget()->window());
        else WindowCentre::OnScreen(this);
    }

private:
    bool placed_ = false;
};
