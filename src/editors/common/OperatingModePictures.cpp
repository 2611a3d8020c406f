#include "editors/common/OperatingModePictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <map>
#include <vector>

namespace OperatingModePictures {
namespace {

// The diagram's area: distance to the right, output upwards.
constexpr double Left = 6;
constexpr double Right = Width - 6;
constexpr double Bottom = Height - 5;
constexpr double Top = 6;
constexpr double Low = Bottom - 3;
constexpr double High = Top + 5;

// x of a fraction of the distance axis.
double at(double fraction) { return Left + fraction * (Right - Left); }

struct Diagram {
    std::vector<QPointF> output;        // the output's course
    std::vector<double> switchPoints;   // fractions marked on the axis
    bool reflector = false;             // a reflector at the first switch point
};

Diagram diagram(const QString& name) {
    static const std::map<QString, Diagram> diagrams = {
        {"OPM0", {{{at(0), High}, {at(0.5), High}, {at(0.5), Low}, {at(1), Low}}, {0.5}, false}},
        {"OPM1", {{{at(0), Low}, {at(0.3), Low}, {at(0.3), High}, {at(0.7), High}, {at(0.7), Low}, {at(1), Low}},
                  {0.3, 0.7}, false}},
        {"OPM2", {{{at(0), High}, {at(0.6), High}, {at(0.6), Low}, {at(1), Low}}, {0.6}, true}},
        {"OPM3", {{{at(0), High}, {at(0.7), High}, {at(0.7), Low}, {at(1), Low},
                   {at(0.3), Low}, {at(0.3), High}},
                  {0.3, 0.7}, false}},
        {"OPM4", {{{at(0), High}, {at(0.3), High}, {at(0.3), Low}, {at(0.7), Low}, {at(0.7), High}, {at(1), High}},
                  {0.3, 0.7}, false}},
        {"OPMANALOG0", {{{at(0), Low}, {at(0.2), Low}, {at(0.8), High}, {at(1), High}}, {0.2, 0.8}, false}},
        {"OPMANALOG1", {{{at(0), Bottom}, {at(0.2), Bottom}, {at(0.2), Low}, {at(0.8), High}, {at(0.8), Bottom},
                        {at(1), Bottom}},
                        {0.2, 0.8}, false}},
        {"OPMANALOG2", {{{at(0), Bottom}, {at(1), High}}, {}, false}},
        {"OPMANALOG3", {{{at(0), High}, {at(0.2), High}, {at(0.8), Low}, {at(1), Low}}, {0.2, 0.8}, false}},
    };
    const auto found = diagrams.find(name);
    return found == diagrams.end() ? Diagram{} : found->second;
}

void drawAxes(QPainter& painter) {
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(QPointF(Left, Bottom), QPointF(Right + 4, Bottom));
    painter.drawLine(QPointF(Left, Bottom), QPointF(Left, Top - 4));
    // Arrow heads: distance grows to the right, the output upwards.
    painter.setBrush(Qt::black);
    painter.drawPolygon(QPolygonF({QPointF(Right + 5, Bottom), QPointF(Right + 1, Bottom - 2), QPointF(Right + 1, Bottom + 2)}));
    painter.drawPolygon(QPolygonF({QPointF(Left, Top - 5), QPointF(Left - 2, Top - 1), QPointF(Left + 2, Top - 1)}));
}

}  // namespace

QPixmap Picture(const QString& resourceName) {
    const Diagram d = diagram(resourceName);
    QPixmap pixmap(Width, Height);
    pixmap.fill(Qt::white);
    if (d.output.empty()) return pixmap;
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    drawAxes(painter);
    painter.setPen(QPen(Qt::gray, 1, Qt::DashLine));
    for (double point : d.switchPoints) painter.drawLine(QPointF(at(point), Bottom + 3), QPointF(at(point), Top));
    if (d.reflector) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::darkGray);
        painter.drawRect(QRectF(at(d.switchPoints.front()) + 2, Top, 3, Bottom - Top));
    }
    painter.setPen(QPen(Qt::blue, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(d.output.data(), int(d.output.size()));
    return pixmap;
}

}  // namespace OperatingModePictures
