#pragma once
#include <span>

class QRadioButton;

// Option-button arrays. A button's array index is its "index" property when
// it has one (arrays may have gaps), else its position in the array.
namespace Radio_Utils {

// i < 0 clears every button; i at or past the array's count selects button 0;
// otherwise button i is selected, which clears the others.
void SetRadioIndex(std::span<QRadioButton* const> buttons, int i);

// The index of the first checked button in array order; 0 when none is.
int GetRadioIndex(std::span<QRadioButton* const> buttons);

}  // namespace Radio_Utils

using Radio_Utils::GetRadioIndex;
using Radio_Utils::SetRadioIndex;
