#pragma once
#include <QString>

#include <optional>

// The text form of a window's place as the settings file and the default
// geometry file keep it: "640x480+-8+20" (outer width x height + left + top,
// whole screen pixels) for a normal window, "-1" for a maximised or minimised
// one. And the section of the default geometry file that fits the screen.
namespace WindowGeometry {

struct Placement {
    bool maximised = false;   // the other fields are unused when set
    int width = 0;
    int height = 0;
    int left = 0;
    int top = 0;
};

// The stored value for a window in the normal state, or "-1".
QString Format(const Placement& placement);

// Reads a stored value leniently, so that a hand-edited one still loads: the
// leading number is the width (negative: maximised); the height follows the
// first "x", the left the first "+" and the top the next "+"; a missing
// separator leaves its number 0. No value when a number does not fit into
// 16 bits.
std::optional<Placement> Parse(const QString& value);

// "640*480" below 800 pixels of screen width, else "800*600" or "1024*768"
// followed by "*LargeFonts" when the font probe label is more than 20 pixels
// high and "*SmallFonts" otherwise.
QString ScreenClassSection(int screenWidth, double referenceLabelHeight);

}  // namespace WindowGeometry
