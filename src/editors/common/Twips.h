#pragma once
#include <QRect>
#include <cmath>

// The editors' layouts come in twips (1/1440 inch); the screen shows 15 twips
// per pixel at the usual 96 dots per inch, and Qt scales logical pixels on
// denser screens itself.
namespace Twips {

constexpr double PerPixel = 15.0;

inline int ToPixels(int twips) { return int(std::lround(twips / PerPixel)); }

inline QRect Rect(int left, int top, int width, int height) {
    return QRect(ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height));
}

}  // namespace Twips
