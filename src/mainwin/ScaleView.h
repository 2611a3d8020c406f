#pragma once
#include "mainwin/DisplayReadouts.h"
#include "mainwin/DisplayScale.h"

#include <QColor>
#include <QWidget>

#include <array>
#include <optional>

// The display window's distance scale (picDis): tick numbers and ticks, the
// scale band with the green distance bar and its marker line, the
// switch-point arrows under the band with their texts, and the legend with
// the scale factor. Drawn by its own paint code from the arithmetic of
// DisplayScale; the layout follows the widget's width.
class ScaleView : public QWidget {
    Q_OBJECT
public:
    explicit ScaleView(QWidget* parent);

    // A new scale: its right end in mm, the switch points to mark and which
    // of them are enabled (a disabled one is drawn greyed, its arrow behind
    // the others).
    void SetScale(long displayRange, const DisplayScale::MarkerChoice& markers,
                  const std::array<bool, DisplayScale::MarkerCount>& enabled);
    // The current distance in mm; a negative one shows "ERROR" at the origin,
    // none (no reading) an empty scale band.
    void SetDistance(std::optional<long> distance);

    // The height the scale needs with the window's font.
    int DesignHeight() const;
    // Where the legend ends: the scale must be at least this wide.
    int LegendRight() const;

    // Where the scale ends, in pixels from its origin.
    int ScaleLength() const;

    // What the scale shows.
    QString LegendText() const;
    const std::array<DisplayScale::Tick, 10>& Ticks() const { return ticks_; }
    const std::array<DisplayScale::MarkerBox, DisplayScale::MarkerCount>& MarkerBoxes() const { return boxes_; }
    QString MarkerText(int marker) const;
    // "500 mm" for a shown marker, else empty.
    QString MarkerToolTip(int marker) const;
    bool MarkerEnabled(int marker) const { return enabled_[size_t(marker)]; }
    int BarWidth() const { return bar_.width; }
    // The distance text inside the bar (lblDis) or right of the marker (lblDisRight).
    QString BarText() const;
    QString RightText() const;
    QColor DistanceTextColour() const { return distanceText_.colour; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Rows {
        int numbersTop, bandTop, bandBottom, arrowsTop, textsTop, legendTop, rowHeight;
    };
    Rows rows() const;
    void relayout();
    void placeDistance();
    double markerTextWidth() const;
    void paintTicks(QPainter& painter, const Rows& r) const;
    void paintDistance(QPainter& painter, const Rows& r) const;
    void paintMarkers(QPainter& painter, const Rows& r) const;

    long displayRange_ = DisplayScale::DisplayRange(0);
    DisplayScale::MarkerChoice markers_;
    std::array<bool, DisplayScale::MarkerCount> enabled_{};
    std::array<DisplayScale::Tick, 10> ticks_{};
    std::array<DisplayScale::MarkerBox, DisplayScale::MarkerCount> boxes_{};
    std::optional<long> distance_;
    DisplayScale::DistanceBar bar_;
    DisplayReadouts::DistanceText distanceText_;
};
