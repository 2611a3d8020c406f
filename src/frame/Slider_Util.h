#pragma once

class QSlider;

namespace Slider_Util {

// The native slider shows its value in a tip while it is dragged, which the
// windows switch off at load. A QSlider has no such tip, so there is nothing
// to do; the call stays so that the windows read the same on every platform.
inline void HideSliderTip(QSlider*) {}

}  // namespace Slider_Util

using Slider_Util::HideSliderTip;
