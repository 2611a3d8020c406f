#pragma once
#include <QString>

#include <array>

// What the sensor streams in master mode, per sensor line that has a
// master-mode window: the mode word of each option (index 0 pauses the
// stream), the option captions and where the lines' windows differ.
struct MasterLine {
    static constexpr int ModeCount = 5;

    QString windowName;                           // "frmMasterQF8200", ...
    std::array<QString, ModeCount> modes;         // sent as "MD,<mode>"
    std::array<QString, ModeCount> captions;
    // The relative distance only exists while output 2 is not a switch
    // output (its switch point, sensor item 12, is 0).
    bool relativeNeedsNoSwitch2 = false;
    // Pending input is thrown away before the stream is ended on closing.
    bool flushBeforeModeOff = false;
    // Reads in a row without a line after which the shown value is emptied.
    int emptyReadsToClear = 1;
};

namespace MasterModes {

const MasterLine& QF8200();
const MasterLine& QF8200RDX();
const MasterLine& QT8200();

// The option of an (upper-case) mode word; a word that is not in the table
// pauses (index 0).
int ModeIndex(const MasterLine& line, const QString& mode);

}  // namespace MasterModes
