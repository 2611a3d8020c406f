#pragma once
#include <array>

// What the editors tell the distance-and-switch display about their line:
// which switch-point markers are enabled, how each output shows its error
// state and the fault current of the analogue output. The editors set it
// whether or not the window is open, so it lives as long as the program and
// the window only reads it. Values follow the editors' convention: True is
// -1, False 0.
struct ShowItSettings {
    // Entries 1..6 enable the scale's markers 1..6 (entry 0 is unused).
    std::array<int, 7> SwitchEnable{};
    // Entries 1..3: how output n's LED shows the error state (entry 0 is unused).
    std::array<int, 4> ErrorMode{};
    // Fault current in 0.1 mA; -1 = the line has none (also until an editor says).
    int FaultCurrent = -1;

    // Index 1..6 stores one entry, 0 all of them; any other index is a
    // caller's error and changes nothing. Returns whether the scale must be
    // redrawn: always for index 0, for one entry only when it changed.
    bool EnableSwitch(int index, int value);
    // Index 1..3 stores one entry, 0 all of them; any other index changes nothing.
    void SetErrorMode(int index, int value);
};
