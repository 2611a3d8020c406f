#pragma once
#include <QImage>
#include <QString>

// Our own pictures of the sensor families and the maker's logo, drawn in code
// on the key colour (192, 192, 192), which MakePictureTransparent of the
// toolbar module turns transparent.
namespace SensorPictures {

// The picture that belongs to a sensor type: "SENSSTDECHO" when the type
// contains "62HN", else "SENSSTD" for "KR", else "SENSRDX" for "K58", else
// "SENSVARI" (case-sensitive, first match wins).
QString PictureName(const QString& sensorType);

// "SENSSTD", "SENSSTDECHO", "SENSRDX" or "SENSVARI"; null for other names.
QImage Picture(const QString& resourceName);

// The logo at the right end of the status bar (imgQB).
QImage MakerLogo();

// The program's window icon (transparent around the badge).
QImage ProgramIcon();

}  // namespace SensorPictures
