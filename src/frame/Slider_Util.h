#pragma once

class QSlider;

namespace Slider_Util {

// Switches off the tip with the value that a slider shows while it is
// dragged; the windows call it at load. A QSlider shows no such tip, so there
// is nothing to switch off.
inline void HideSliderTip(QSlider*) {}

}  // namespace Slider_Util

using Slider_Util::HideSliderTip;
