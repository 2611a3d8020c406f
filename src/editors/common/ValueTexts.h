#pragma once
#include <QString>
#include <optional>

// Value texts that the plain-command lines (the sensor's key is the command
// word) encode alike. "Show" functions turn a record's value into what a
// control shows; "Compose" functions turn what the user typed or chose into
// the value to write, or nothing when it cannot be written (empty, no
// number, an extra argument, a list without a selection).
namespace ValueTexts {

// The sound velocity, kept by the sensor in 0.01 m/s and shown in m/s.
QString ShowSoundVelocity(const QString& value);
std::optional<QString> ComposeSoundVelocity(const QString& typed);

// A reference distance in mm, written as the number typed (the sensor cannot
// report it back).
std::optional<QString> ComposeReference(const QString& typed);

// A whole number as the value starts with it (00500 shows as 500).
QString ShowWholeNumber(const QString& value);

// The typed number written in a fixed display pattern ("00000" pads a switch
// point to five digits; halves round away from zero).
std::optional<QString> ComposeFormatted(const QString& typed, const QString& pattern);

// The fault current after the first "," of a fail-safe value (FSF), in
// 0.1 mA (0 when there is no ","), shown in mA; a negative current (-1: none)
// is shown as it is. Nothing beyond 16 bits.
struct FaultCurrent {
    std::optional<int> tenths;
    QString shown;
};
FaultCurrent ShowFaultCurrent(const QString& failSafeValue);

// A list whose entry index is the value; nothing for a value beyond 16 bits.
std::optional<int> ShowListIndex(const QString& value);
std::optional<QString> ComposeListIndex(int index);

}  // namespace ValueTexts
