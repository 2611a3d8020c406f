#include "mainwin/ShowItSettings.h"

#include <cstddef>

using std::size_t;

bool ShowItSettings::EnableSwitch(int index, int value) {
    if (index == 0) {
        for (size_t i = 1; i < SwitchEnable.size(); ++i) SwitchEnable[i] = value;
        return true;
    }
    if (index < 1 || index >= int(SwitchEnable.size())) return false;
    const bool changed = SwitchEnable[size_t(index)] != value;
    SwitchEnable[size_t(index)] = value;
    return changed;
}

void ShowItSettings::SetErrorMode(int index, int value) {
    if (index == 0) {
        for (size_t i = 1; i < ErrorMode.size(); ++i) ErrorMode[i] = value;
        return;
    }
    if (index >= 1 && index < int(ErrorMode.size())) ErrorMode[size_t(index)] = value;
}
