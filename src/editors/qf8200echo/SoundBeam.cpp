#include "editors/qf8200echo/SoundBeam.h"

#include <cmath>

namespace SoundBeam {
namespace {

constexpr float InnerLeft = 195;
constexpr float OuterLeft = 600;

// A lobe of that length and spread, centred on the axis.
QRectF lobe(float left, float width, float height) {
    const float top = float(Axis) - height / 2;
    return QRectF(left, top, width, height);
}

}  // namespace

int WidthPosition(int width) { return 4 * (MaxWidth - width); }

int SensitivityPosition(int sensitivity) { return 4 * (MaxSensitivity - sensitivity); }

int WidthAt(int position) { return int(std::nearbyint(MaxWidth - position / 4.0)); }

int SensitivityAt(int position) { return WidthAt(position) + MinSensitivity; }

Lobes BeamLobes(double lengthFraction, double spreadFraction) {
    // Computed in single precision, as the design's shapes are.
    const float f = float(lengthFraction);
    const float g = float(spreadFraction);
    return {lobe(InnerLeft, 900 + 900 * f, 200 + 600 * g), lobe(OuterLeft, 900 + 1700 * f, 300 + 1200 * g)};
}

}  // namespace SoundBeam
