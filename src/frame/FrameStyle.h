#pragma once

class QGroupBox;

// How the program's frames look. The windows were laid out for frames whose
// caption stands in the border line, with the first row of controls just
// below that line; Qt's own style puts the caption above the line instead,
// so the line would run through that first row.
namespace FrameStyle {

// Draws frame as designed: an etched border line half the caption's height
// below the frame's top, the caption standing in it, in the frame's own
// font. A frame without a caption is the border alone (a separator line
// when it is thin). A frame laid out by a layout keeps its contents below
// the caption.
void Use(QGroupBox* frame);

}  // namespace FrameStyle
