#include "editors/common/PrintCanvas.h"

#include "frame/Utils.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

constexpr double MmPerInch = 25.4;

// The sheet's body font: Arial, or the sans-serif font that stands in for it.
QFont bodyFont() {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(10);
    return font;
}

}  // namespace

void PrintCanvas::Print(const QString& text, bool endLine) {
    if (!text.isEmpty()) DrawText(text, CurrentX, CurrentY);
    if (endLine) {
        CurrentX = 0;
        CurrentY += TextHeight(QStringLiteral("T"));
    } else {
        CurrentX += TextWidth(text);
    }
}

PainterCanvas::PainterCanvas(QPainter& painter, QPagedPaintDevice& device)
    : painter_(painter), device_(device), font_(bodyFont()), dotsPerMm_(device.logicalDpiX() / MmPerInch) {
    painter_.setFont(QFont(font_, &device_));
}

double PainterCanvas::ScaleWidth() const { return device_.width() / dotsPerMm_; }

double PainterCanvas::ScaleHeight() const { return device_.height() / dotsPerMm_; }

double PainterCanvas::TextWidth(const QString& text) const {
    return QFontMetricsF(font_, &device_).horizontalAdvance(text) / dotsPerMm_;
}

double PainterCanvas::TextHeight(const QString&) const {
    return QFontMetricsF(font_, &device_).height() / dotsPerMm_;
}

double PainterCanvas::AverageCharWidth() const {
    return QFontMetricsF(font_, &device_).averageCharWidth() / dotsPerMm_;
}

void PainterCanvas::DrawMarker(bool upper, double x, double y, double w, double h, double inset) {
    painter_.save();
    painter_.scale(dotsPerMm_, dotsPerMm_);
    Utils::DrawMarker(painter_, upper, x, y, w, h, inset);
    painter_.restore();
}

void PainterCanvas::NewPage() {
    device_.newPage();
    CurrentX = 0;
    CurrentY = 0;
}

void PainterCanvas::SetFont(const QFont& font) {
    font_ = font;
    painter_.setFont(QFont(font_, &device_));
}

void PainterCanvas::DrawText(const QString& text, double x, double y) {
    const QFontMetricsF metrics(font_, &device_);
    painter_.drawText(QPointF(x * dotsPerMm_, y * dotsPerMm_ + metrics.ascent()), text);
}
