#include "mainwin/ScaleView.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {

// An arrow under the band points up at the switch point.
const QString ArrowGlyph = QStringLiteral("\u25B2");
constexpr int TickStub = 4;        // ticks reach this far above the band
constexpr int BandPadding = 4;     // the band is this much higher than a text line
constexpr int TextPadding = 2;     // between the bar's end and a text inside it

using DisplayScale::WholePixels;

}  // namespace

ScaleView::ScaleView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picDis"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    relayout();
}

void ScaleView::SetScale(long displayRange, const DisplayScale::MarkerChoice& markers,
                         const std::array<bool, DisplayScale::MarkerCount>& enabled) {
    displayRange_ = displayRange;
    markers_ = markers;
    enabled_ = enabled;
    relayout();
}

void ScaleView::SetDistance(std::optional<long> distance) {
    distance_ = distance;
    distanceText_ = distance ? DisplayReadouts::DistanceTextFor(distance) : DisplayReadouts::DistanceText{};
    bar_ = {};
    placeDistance();
    update();
}

ScaleView::Rows ScaleView::rows() const {
    const int line = fontMetrics().height();
    Rows r{};
    r.rowHeight = line;
    r.numbersTop = 0;
    r.bandTop = line + TickStub;
    r.bandBottom = r.bandTop + line + BandPadding;
    r.arrowsTop = r.bandBottom;
    r.textsTop = r.arrowsTop + line;
    r.legendTop = r.textsTop + line;
    return r;
}

int ScaleView::DesignHeight() const {
    const Rows r = rows();
    return r.legendTop + r.rowHeight + 1;
}

int ScaleView::LegendRight() const { return fontMetrics().horizontalAdvance(DisplayScale::Legend(1000)); }

QString ScaleView::LegendText() const { return DisplayScale::Legend(DisplayScale::ScaleFactor(displayRange_)); }

QString ScaleView::MarkerText(int marker) const { return markers_.markers[size_t(marker)].text; }

QString ScaleView::MarkerToolTip(int marker) const {
    if (!boxes_[size_t(marker)].shown) return {};
    return QString::number(markers_.markers[size_t(marker)].value, 'g', 15) + QStringLiteral(" mm");
}

QString ScaleView::BarText() const { return bar_.textInBar ? distanceText_.text : QString(); }

QString ScaleView::RightText() const { return bar_.textInBar ? QString() : distanceText_.text; }

// Every marker text gets the width of the widest one shown, and a space
// more: texts pushed apart until their boxes touch must not run together.
double ScaleView::markerTextWidth() const {
    double widest = 0;
    for (const DisplayScale::Marker& marker : markers_.markers)
        if (marker.value > 0) widest = std::max(widest, double(fontMetrics().horizontalAdvance(marker.text)));
    return widest + fontMetrics().horizontalAdvance(QLatin1Char(' '));
}

// The scale ends short of the widget's right edge by half a tick number (and
// the pixel its rounding may take), so that a number at the very end of the
// scale is shown whole.
int ScaleView::ScaleLength() const {
    int widestDigit = 0;
    for (int digit = 0; digit <= 9; ++digit)
        widestDigit = std::max(widestDigit, fontMetrics().horizontalAdvance(QString::number(digit)));
    return std::max(0, width() - (widestDigit + 1) / 2 - 1);
}

void ScaleView::relayout() {
    const QFontMetrics metrics = fontMetrics();
    const int length = ScaleLength();
    ticks_ = DisplayScale::Ticks(displayRange_, length, [&metrics](int digit) {
        return double(metrics.horizontalAdvance(QString::number(digit)));
    });
    // The tick that ends the row lies beyond the scale's end: not drawn.
    for (DisplayScale::Tick& tick : ticks_)
        if (tick.x > length) tick.visible = false;
    boxes_ = DisplayScale::LayoutMarkers(markers_.markers, displayRange_, length, markerTextWidth(),
                                         metrics.horizontalAdvance(ArrowGlyph));
    placeDistance();
    update();
}

void ScaleView::placeDistance() {
    if (!distance_) return;
    const int textWidth = fontMetrics().horizontalAdvance(distanceText_.text);
    bar_ = DisplayScale::BarFor(*distance_, displayRange_, ScaleLength(), textWidth);
}

bool ScaleView::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const Rows r = rows();
    QString tip;
    if (help->pos().y() >= r.arrowsTop && help->pos().y() < r.legendTop) {
        for (int k = 0; k < DisplayScale::MarkerCount; ++k) {
            const DisplayScale::MarkerBox& box = boxes_[size_t(k)];
            if (box.shown && help->pos().x() >= box.left && help->pos().x() < box.right) tip = MarkerToolTip(k);
        }
    }
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), tip, this);
    return true;
}

void ScaleView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const Rows r = rows();
    paintTicks(painter, r);
    paintDistance(painter, r);
    paintMarkers(painter, r);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QRect(0, r.legendTop, width(), r.rowHeight), Qt::AlignLeft | Qt::AlignVCenter, LegendText());
}

void ScaleView::paintTicks(QPainter& painter, const Rows& r) const {
    const QFontMetrics metrics = fontMetrics();
    painter.setPen(palette().color(QPalette::Text));
    for (int i = 0; i < int(ticks_.size()); ++i) {
        const DisplayScale::Tick& tick = ticks_[size_t(i)];
        if (!tick.visible) continue;
        const QString digit = QString::number(i);
        const QRect label(WholePixels(tick.labelLeft), r.numbersTop, metrics.horizontalAdvance(digit), r.rowHeight);
        painter.drawText(label, Qt::AlignCenter, digit);
        painter.drawLine(tick.x, r.numbersTop + r.rowHeight, tick.x, r.bandBottom);
    }
    painter.drawLine(0, r.bandTop, ScaleLength(), r.bandTop);
    painter.drawLine(0, r.bandBottom, ScaleLength(), r.bandBottom);
}

void ScaleView::paintDistance(QPainter& painter, const Rows& r) const {
    if (!distance_) return;
    // The bar fills the band between its two lines.
    const QRect band(0, r.bandTop + 1, bar_.width, r.bandBottom - r.bandTop - 1);
    painter.fillRect(band, DisplayReadouts::Green);
    painter.setPen(distanceText_.colour);
    if (bar_.textInBar) {
        painter.drawText(band.adjusted(0, 0, -TextPadding, 0), Qt::AlignRight | Qt::AlignVCenter, distanceText_.text);
    } else {
        const QRect right(bar_.width + 2, r.bandTop + 1, std::max(0, width() - bar_.width - 2), band.height());
        painter.drawText(right, Qt::AlignLeft | Qt::AlignVCenter, distanceText_.text);
    }
    painter.setPen(DisplayReadouts::Black);
    const int marker = bar_.width + 1;
    painter.drawLine(marker, r.bandTop - TickStub, marker, r.bandBottom + TickStub);
}

void ScaleView::paintMarkers(QPainter& painter, const Rows& r) const {
    const QColor greyed = palette().color(QPalette::Disabled, QPalette::Text);
    const int arrowWidth = fontMetrics().horizontalAdvance(ArrowGlyph);
    // Disabled arrows first, so that the enabled ones lie in front of them.
    for (bool enabledPass : {false, true}) {
        for (int k = 0; k < DisplayScale::MarkerCount; ++k) {
            const DisplayScale::MarkerBox& box = boxes_[size_t(k)];
            if (!box.shown || enabled_[size_t(k)] != enabledPass) continue;
            painter.setPen(enabledPass ? DisplayReadouts::Red : greyed);
            painter.drawText(QRect(WholePixels(box.arrowLeft), r.arrowsTop, arrowWidth, r.rowHeight), Qt::AlignCenter,
                             ArrowGlyph);
        }
    }
    for (int k = 0; k < DisplayScale::MarkerCount; ++k) {
        const DisplayScale::MarkerBox& box = boxes_[size_t(k)];
        if (!box.shown) continue;
        painter.setPen(enabled_[size_t(k)] ? palette().color(QPalette::Text) : greyed);
        const QRect textBox(WholePixels(box.left), r.textsTop, WholePixels(box.right - box.left), r.rowHeight);
        painter.drawText(textBox, Qt::AlignCenter, markers_.markers[size_t(k)].text);
    }
}

void ScaleView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}
