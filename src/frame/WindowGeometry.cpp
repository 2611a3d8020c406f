#include "frame/WindowGeometry.h"

#include "frame/NumberFormat.h"
#include "frame/RuntimeError.h"

namespace WindowGeometry {
namespace {

// The leading number of the text after the first occurrence of separator;
// 0 when there is no separator.
double numberAfter(const QString& text, QChar separator, QString* rest = nullptr) {
    const qsizetype at = text.indexOf(separator);
    const QString tail = at < 0 ? QString() : text.mid(at + 1);
    if (rest) *rest = tail;
    return NumberFormat::LeadingNumber(tail);
}


}  // namespace

QString Format(const Placement& placement) {
    if (placement.maximised) return QStringLiteral("-1");
    return QStringLiteral("%1x%2+%3+%4")
        .arg(placement.width)
        .arg(placement.height)
        .arg(placement.left)
        .arg(placement.top);
}

std::optional<Placement> Parse(const QString& value) {
    const double width = NumberFormat::LeadingNumber(value);
    if (width < 0) return Placement{true};

    QString afterPlus;
    const double height = numberAfter(value, 'x');
    const double left = numberAfter(value, '+', &afterPlus);
    const double top = numberAfter(afterPlus, '+');

    // Stored numbers are 16-bit; anything beyond marks a broken value.
    try {
        using NumberFormat::CInt;
        return Placement{false, CInt(width), CInt(height), CInt(left), CInt(top)};
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

QString ScreenClassSection(int screenWidth, double referenceLabelHeight) {
    if (screenWidth <= 799) return QStringLiteral("640*480");
    const QString fonts = referenceLabelHeight > 20.0 ? QStringLiteral("*LargeFonts") : QStringLiteral("*SmallFonts");
    return (screenWidth <= 1023 ? QStringLiteral("800*600") : QStringLiteral("1024*768")) + fonts;
}

}  // namespace WindowGeometry
