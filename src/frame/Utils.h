#pragma once
#include <QByteArray>
#include <QRgb>
#include <QString>
#include <optional>
#include <type_traits>

class QImage;
class QLineEdit;
class QPainter;
class QPixmap;
class QWidget;

// Range checks, optional arguments, hit tests and small control helpers shared
// by every window.
namespace Utils {

// The value when minimum <= value <= maximum; otherwise the fallback when one
// is given, else the bound that was crossed.
template <class T>
T CheckRange(T value, std::type_identity_t<T> minimum, std::type_identity_t<T> maximum,
             std::optional<std::type_identity_t<T>> fallback = std::nullopt) {
    if (minimum <= value && value <= maximum) return value;
    if (fallback) return *fallback;
    return value < minimum ? minimum : maximum;
}

template <class T>
T IfMissing(const std::optional<T>& argument, std::type_identity_t<T> defaultValue) {
    return argument ? *argument : defaultValue;
}

// The status bytes a sensor answers instead of a value: 80h (done) to 84h.
constexpr quint8 FirstStatus = 0x80;
constexpr quint8 LastStatus = 0x84;

// False when the parameter has no value or the sensor answered its read with
// a status byte instead of a value (the first byte of its raw answer is 80h
// to 84h; 82h: the sensor does not know the command).
bool IsParDefValid(const QString& value, const QByteArray& rawAnswer);

// True when the control is not hidden and (x, y), in its parent's coordinates,
// lies inside its rectangle, all four edges included.
bool IsInControl(const QWidget* control, int x, int y);

// A two-state value drawn as a black box of width w and height h at (x, y)
// with the upper or the lower half filled, inset by m on every side. Works on
// any paint device (screen or printer) in the painter's current units.
void DrawMarker(QPainter& painter, bool upper, double x, double y, double w, double h, double m = 2);

// Selects the whole text, so that typing replaces the value.
void SelectAllText(QLineEdit* textBox);

// Pixels of this colour are transparent in backgrounds, icons and pictures.
inline constexpr QRgb KeyColour = 0xFFC0C0C0;  // RGB(192, 192, 192)
// Draws bitmap onto target at (x, y); pixels of keyColour leave target unchanged.
void DrawTransparent(QImage& target, const QImage& bitmap, int x, int y, QRgb keyColour);
// A copy of picture whose key-colour pixels are transparent.
void MakePictureTransparent(QPixmap& picture);

}  // namespace Utils

using Utils::CheckRange;
using Utils::DrawMarker;
using Utils::IfMissing;
using Utils::IsInControl;
using Utils::IsParDefValid;
using Utils::MakePictureTransparent;
using Utils::SelectAllText;
