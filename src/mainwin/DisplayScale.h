#pragma once
#include <QString>

#include <array>
#include <functional>

// The arithmetic of the display window's distance scale, free of widgets:
// how far the scale reaches, where its ticks go, which switch points it
// marks and where their texts go so that they do not overlap, and how far the
// green distance bar reaches. All positions are in pixels of the scale's
// inner width, 0 at the scale origin.
namespace DisplayScale {

// A position in whole pixels; like every integer conversion of the program
// it rounds halves to even. A switch point far beyond the scale (1e308 mm)
// is held at a distance no screen reaches, so that it stays a coordinate the
// painter can take.
int WholePixels(double value);

// The sensor range the scale assumes when the sensor reported none.
constexpr long UnreportedRange = 3000;

// The right end of the scale in mm: 1.5 x the sensor range, halves to even
// (1001 gives 1502). A range of 0 or less counts as not reported.
long DisplayRange(long reportedRange);

// mm per tick: 100 for a display range below 1001, else 1000.
int ScaleFactor(long displayRange);
// "[x1000mm]".
QString Legend(int factor);

// Tick i (0..9) stands for i x factor mm; label is its digit.
struct Tick {
    int x = 0;
    double labelLeft = 0;
    bool visible = false;
};
// The ticks end after the first one whose number starts right of the inner
// width: that one is still returned visible (it lies outside the picture),
// every later one is hidden. labelWidth gives the width of a digit's label.
std::array<Tick, 10> Ticks(long displayRange, int innerWidth, const std::function<double(int digit)>& labelWidth);

constexpr int MarkerCount = 5;

// What the sensor editor says about the switch points, as GetSensorData and
// CallValidPar deliver it. Item texts are read by their leading number;
// a missing or non-numeric text is 0 and gives no marker.
struct MarkerSources {
    int sensorKind = 0;   // 0 standard, 1 RDX line, 2 echo sensor
    bool taught = false;  // item 8
    QString output1Point1, output1Point2;   // items 10, 11
    QString output2Point1, output2Point2;   // items 12, 13
    QString output3Point;                   // item 14
    QString nearLimit, farLimit;            // items 18, 19
    bool output2Valid = false;              // CallValidPar(12)
    bool nearLimitValid = false;            // CallValidPar(18)
};

// One marker as chosen from the sources; value 0 or less draws nothing.
struct Marker {
    QString text;
    double value = 0;   // mm
};

struct MarkerChoice {
    std::array<Marker, MarkerCount> markers;
    // Kinds 0 and 2: markers 3 and 4 are the ends of the analogue range
    // ("NDE", "FDE"), and the analogue readout is shown.
    bool analog = false;
};
MarkerChoice ChooseMarkers(const MarkerSources& sources);

// Where one marker is drawn. A marker is drawn only when its position is
// above 0; its text box spans left..right and its arrow starts at arrowLeft.
struct MarkerBox {
    double position = -1;
    double arrowLeft = 0;
    double left = 0;
    double right = 0;
    bool shown = false;
};
// Places the markers on a scale innerWidth pixels wide: arrows at their true
// positions, text boxes of textWidth centred over them and then pushed apart
// (at most 100 passes) until no two overlap, never left of the origin.
std::array<MarkerBox, MarkerCount> LayoutMarkers(const std::array<Marker, MarkerCount>& markers, long displayRange,
                                                 int innerWidth, double textWidth, double arrowWidth);

// The green bar from the origin to the current distance (limited to the
// scale) and whether the distance text fits inside it; otherwise the text
// goes right of the marker.
struct DistanceBar {
    int width = 0;
    bool textInBar = false;
};
DistanceBar BarFor(long distance, long displayRange, int innerWidth, int textWidth);

}  // namespace DisplayScale
