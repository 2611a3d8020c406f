#pragma once
#include <QPixmap>
#include <QString>

// The small diagrams of the operating modes that the editors show next to
// their lists, drawn by the program itself: the output over the distance.
// Names are the resource names the editors load: "OPM0" switch point,
// "OPM1" window, "OPM2" reflex barrier, "OPM3" hysteresis, "OPM4" range
// monitoring; "OPMANALOG0" rising ramp, "OPMANALOG1" range monitoring,
// "OPMANALOG2" line through zero, "OPMANALOG3" falling ramp. An unknown name
// gives an empty picture.
namespace OperatingModePictures {

constexpr int Width = 62;
constexpr int Height = 40;

QPixmap Picture(const QString& resourceName);

}  // namespace OperatingModePictures
