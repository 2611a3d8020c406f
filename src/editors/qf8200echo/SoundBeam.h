#pragma once
#include <QRectF>

// The sound beam as the measurement page draws it: a sensitivity (3 to 28)
// or an axial and a lateral beam width (0 to 25) set with a list and with a
// slider of positions 0 to 100. The smallest value is the slider's right end
// ("100 %"), the largest beam.
namespace SoundBeam {

constexpr int MaxPosition = 100;
constexpr int MaxWidth = 25;
constexpr int MinSensitivity = 3;
constexpr int MaxSensitivity = 28;

int WidthPosition(int width);
int SensitivityPosition(int sensitivity);
// Back from a slider position, rounded halves to even: position 50 is width
// 12 (12.5) and sensitivity 15.
int WidthAt(int position);
int SensitivityAt(int position);

// The picture's coordinates, in twips: the sensor sits at the left edge on
// the middle line and the beam runs to the right.
constexpr double PictureWidth = 3200;
constexpr double PictureHeight = 1600;
constexpr double Axis = 800;
inline const QRectF SensorShape(0, 700, 200, 200);
inline const QRectF LargestInnerLobe(180, 400, 1800, 800);
inline const QRectF LargestOuterLobe(600, 50, 2600, 1500);

// The two lobes for a length fraction f (the axial or sensitivity slider's
// position / 100) and a spread fraction g: from their design sizes at 0 to
// the largest lobes at 1, centred on the axis.
struct Lobes {
    QRectF inner;
    QRectF outer;
};
Lobes BeamLobes(double lengthFraction, double spreadFraction);

}  // namespace SoundBeam
