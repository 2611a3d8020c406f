#include "mainwin/frmDistance.h"

#include "frame/SettingsServices.h"
#include "frame/Window.h"
#include "link/PollCycle.h"
#include "mainwin/DisplayReadouts.h"
#include "mainwin/WindowTexts.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <cmath>

namespace {

// The widest text the readout has to show.
const QString WidestText = QStringLiteral("0000mm");
// Without a place of its own the readout's text is this many lines of the
// window's font high: readable from a step away.
constexpr int DefaultTextLines = 4;
// The font fit leaves this much of the inner height free.
constexpr int FitMargin = 6;

int whole(double value) { return int(std::nearbyint(value)); }

void setTextColour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

}  // namespace

frmDistance::frmDistance(QMdiArea* area) {
    setObjectName(QStringLiteral("frmDistance"));
    setWindowTitle(QStringLiteral("Distanz"));
    lblDis = new QLabel(this);
    lblDis->setObjectName(QStringLiteral("lblDis"));
    lblDis->setAlignment(Qt::AlignCenter);
    setTextColour(lblDis, DisplayReadouts::Red);
    // The readout's text is a measurement, never a translation.
    KeepDesignText(lblDis);

    Loaded = true;
    Sensor::SetPolling(true);
    area->addSubWindow(this);
    setDefaultSize();
    Window::RestoreWindowPos(this);
    SetLanguage();
}

// The size the window keeps when neither the settings nor the defaults file
// give it one: its widest text in a large font, with a line's room to spare.
void frmDistance::setDefaultSize() {
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!sub) return;
    const int line = fontMetrics().height();
    QFont font = this->font();
    font.setPixelSize(DefaultTextLines * line);
    const int innerWidth = QFontMetrics(font).horizontalAdvance(WidestText) + line;
    const int innerHeight = DefaultTextLines * line + FitMargin;
    const QMargins frame = sub->contentsMargins();
    sub->resize(innerWidth + frame.left() + frame.right(), innerHeight + frame.top() + frame.bottom());
}

void frmDistance::SetDistance(std::optional<long> distance) {
    const DisplayReadouts::DistanceText shown = DisplayReadouts::DistanceTextFor(distance);
    setTextColour(lblDis, shown.colour);
    lblDis->setText(shown.text);
}

void frmDistance::SetLanguage() { TranslateWindow(this); }

std::optional<int> frmDistance::FitFontSize(int innerWidth, int innerHeight,
                                            const std::function<double(int size)>& textWidth) {
    int size = innerHeight - FitMargin;
    if (size < 1) return std::nullopt;
    for (;;) {
        const int width = whole(textWidth(size));
        if (width <= innerWidth || size == 1) return size;
        const int next = whole(double(size) * innerWidth / width);
        // Always smaller, and at 1 the readout makes do with what fits.
        size = std::max(1, next < size ? next : size - 1);
    }
}

void frmDistance::fitFont() {
    const std::optional<int> size = FitFontSize(width(), height(), [this](int pixels) {
        QFont font = this->font();
        font.setPixelSize(pixels);
        return double(QFontMetrics(font).horizontalAdvance(WidestText));
    });
    if (!size) return;
    QFont font = lblDis->font();
    font.setPixelSize(*size);
    lblDis->setFont(font);
    const QFontMetrics metrics(font);
    const int internalLeading = std::max(0, metrics.height() - *size);
    const int leading = internalLeading + std::max(0, metrics.leading());
    lblDis->setGeometry(0, (height() - *size) / 2 - leading, width(), *size + leading + 4);
}

void frmDistance::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitFont();
}

void frmDistance::closeEvent(QCloseEvent* event) {
    Loaded = false;
    Window::SaveWindowPos(this);
    Sensor::SetPolling(false);
    if (Options::Services().SetMenuChecked) Options::Services().SetMenuChecked(QStringLiteral("mnDistance"), false);
    event->accept();
}
