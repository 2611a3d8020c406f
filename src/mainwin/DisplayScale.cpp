#include "mainwin/DisplayScale.h"

#include "frame/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace DisplayScale {
namespace {

constexpr int MaxOverlapPasses = 100;

// Farther off the scale than any screen reaches, and still far from the
// limits of the painter's whole-number coordinates.
constexpr double FarOff = 1 << 24;

double numberOf(const QString& itemText) { return NumberFormat::LeadingNumber(itemText); }

Marker marker(const QString& itemText, const char* text) { return {QLatin1String(text), numberOf(itemText)}; }

// Kinds 0 and 2: output 1 with one or two switch points, then output 2 with
// one or two, or else the analogue range; taught points show output 1 only.
MarkerChoice standardMarkers(const MarkerSources& s) {
    MarkerChoice choice;
    auto& m = choice.markers;
    m[0] = marker(s.output1Point1, "S1");
    m[1] = marker(s.output1Point2, "S12");
    if (m[1].value > 0) {
        m[0].text = QLatin1String(s.taught ? "S1" : "S11");
        m[1].text = QLatin1String(s.taught ? "S2" : "S12");
    }
    // Output 2 alone is "S2"; the same text serves a lone point that neither
    // a valid output 2 nor an analogue range explains.
    m[2] = marker(s.output2Point1, "S2");
    if (s.output2Valid) {
        m[3] = marker(s.output2Point2, "S22");
        if (m[3].value > 0) m[2].text = QStringLiteral("S21");
    } else if (s.nearLimitValid) {
        m[2] = marker(s.nearLimit, "NDE");
        m[3] = marker(s.farLimit, "FDE");
        choice.analog = true;
    }
    if (s.taught) {
        m[2].value = 0;
        m[3].value = 0;
    }
    return choice;
}

MarkerChoice rdxMarkers(const MarkerSources& s) {
    MarkerChoice choice;
    choice.markers = {marker(s.output1Point1, "S1"), marker(s.output2Point1, "S2"), marker(s.output3Point, "S3"),
                      marker(s.nearLimit, "NDE"), marker(s.farLimit, "FDE")};
    return choice;
}

using Order = std::array<int, MarkerCount>;

// Marker numbers by position, smallest first.
Order byPosition(const std::array<MarkerBox, MarkerCount>& boxes) {
    Order order{0, 1, 2, 3, 4};
    for (int i = 0; i < MarkerCount; ++i)
        for (int j = i + 1; j < MarkerCount; ++j)
            if (boxes[size_t(order[j])].position < boxes[size_t(order[i])].position) std::swap(order[i], order[j]);
    return order;
}

// One pass over neighbouring text boxes: an overlapping pair is pushed apart
// symmetrically, and back right when that pushed the left box past the
// origin. Returns whether anything moved.
bool pushApart(std::array<MarkerBox, MarkerCount>& boxes, const Order& order) {
    bool moved = false;
    for (int i = 0; i < MarkerCount; ++i) {
        MarkerBox& a = boxes[size_t(order[i])];
        if (!a.shown) continue;
        for (int j = i + 1; j < MarkerCount; ++j) {
            MarkerBox& b = boxes[size_t(order[j])];
            if (!b.shown || !(a.left <= b.left && b.left < a.right)) continue;
            const double shift = (a.right - b.left) / 2 + 1;
            a.left -= shift;
            a.right -= shift;
            b.left += shift;
            b.right += shift;
            if (a.left < 0) {
                const double back = -a.left;
                a.left += back;
                a.right += back;
                b.left += back;
                b.right += back;
            }
            moved = true;
        }
    }
    return moved;
}

// The boxes go back to the markers in position order, leftmost box to the
// leftmost marker. Hidden markers take no part: a visible marker must never
// inherit the empty box of a hidden one.
void reassignBoxes(std::array<MarkerBox, MarkerCount>& boxes, const Order& order) {
    std::vector<std::pair<double, double>> spans;
    for (int k : order)
        if (boxes[size_t(k)].shown) spans.emplace_back(boxes[size_t(k)].left, boxes[size_t(k)].right);
    std::stable_sort(spans.begin(), spans.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
    auto span = spans.begin();
    for (int k : order) {
        MarkerBox& box = boxes[size_t(k)];
        if (!box.shown) continue;
        box.left = span->first;
        box.right = span->second;
        ++span;
    }
}

}  // namespace

int WholePixels(double value) {
    if (std::isnan(value)) return 0;
    return int(std::nearbyint(std::clamp(value, -FarOff, FarOff)));
}

long DisplayRange(long reportedRange) {
    const long working = reportedRange > 0 ? reportedRange : UnreportedRange;
    return long(std::nearbyint(double(working) * 1.5));
}

int ScaleFactor(long displayRange) { return displayRange < 1001 ? 100 : 1000; }

QString Legend(int factor) { return QStringLiteral("[x%1mm]").arg(factor); }

std::array<Tick, 10> Ticks(long displayRange, int innerWidth, const std::function<double(int digit)>& labelWidth) {
    std::array<Tick, 10> ticks;
    ticks[0] = {1, -1, true};
    const int factor = ScaleFactor(displayRange);
    bool beyondEdge = false;
    for (int i = 1; i < int(ticks.size()); ++i) {
        if (beyondEdge) break;
        Tick& tick = ticks[size_t(i)];
        tick.x = WholePixels(double(innerWidth) / double(displayRange) * i * factor);
        tick.labelLeft = tick.x - labelWidth(i) / 2 + 0.5;
        tick.visible = true;
        beyondEdge = tick.labelLeft > innerWidth;
    }
    return ticks;
}

MarkerChoice ChooseMarkers(const MarkerSources& sources) {
    return sources.sensorKind == 1 ? rdxMarkers(sources) : standardMarkers(sources);
}

std::array<MarkerBox, MarkerCount> LayoutMarkers(const std::array<Marker, MarkerCount>& markers, long displayRange,
                                                 int innerWidth, double textWidth, double arrowWidth) {
    std::array<MarkerBox, MarkerCount> boxes;
    for (int k = 0; k < MarkerCount; ++k) {
        MarkerBox& box = boxes[size_t(k)];
        box.position = markers[size_t(k)].value * innerWidth / double(displayRange);
        box.shown = box.position > 0;
        if (!box.shown) continue;
        box.arrowLeft = box.position - arrowWidth / 2 + 1;
        box.left = box.position - textWidth / 2;
        box.right = box.left + textWidth;
    }
    const Order order = byPosition(boxes);
    for (int pass = 0; pass < MaxOverlapPasses; ++pass) {
        const bool moved = pushApart(boxes, order);
        reassignBoxes(boxes, order);
        if (!moved) break;
    }
    return boxes;
}

DistanceBar BarFor(long distance, long displayRange, int innerWidth, int textWidth) {
    const long shown = std::clamp(distance, 0L, displayRange);
    const double x = double(innerWidth) * double(shown) / double(displayRange);
    return {WholePixels(x), textWidth <= x};
}

}  // namespace DisplayScale
