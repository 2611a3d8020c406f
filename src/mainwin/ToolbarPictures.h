#pragma once
#include <QImage>
#include <QString>

// The toolbar's own artwork, drawn in code: the three 24 x 24 button
// backgrounds and the eleven button icons. Pixels of the key colour
// (192, 192, 192) are transparent when a button picture is composed.
namespace ToolbarPictures {

inline constexpr int ButtonSize = 24;

// "BUTTON" (flat), "UBUTTON" (raised) or "PBUTTON" (pressed); a null image
// for any other name.
QImage ButtonBackground(const QString& resourceName);

// The icon of toolbar button 0..10 (open, save, print, read, info, defaults,
// master mode, store, recall, start and stop recording); null otherwise.
QImage ToolbarIcon(int index);

}  // namespace ToolbarPictures
