#pragma once

// The members of the distance-and-switch display window (frmShowIt) that the
// editors call, whether or not that window is open. The program's wiring
// installs its implementation; until then (and in tests that install none) a
// stand-in ignores every call.
// Values follow the display's convention: True is -1, False 0, index 0 means
// every entry.
class DisplayWindowLink {
public:
    virtual ~DisplayWindowLink() = default;

    virtual bool Loaded() const = 0;
    // Switch-enable table, indexes 1..6 (0: all).
    virtual void EnableSwitch(int index, int value) = 0;
    // Error-mode table, indexes 1..3 (0: all).
    virtual void SetErrorMode(int index, int value) = 0;
    // Fault current in 0.1 mA; -1 = the line has none.
    virtual void SetFehlerStrom(int value) = 0;
    // Redraws the scale with the editor's current switch points.
    virtual void Update() = 0;
};

namespace Editors {

// nullptr restores the stand-in.
void SetDisplayWindow(DisplayWindowLink* display);
DisplayWindowLink& ShowIt();
// Redraws the display window's scale when the window is open.
void RedrawShowIt();

}  // namespace Editors
