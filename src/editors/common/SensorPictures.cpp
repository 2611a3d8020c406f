#include "editors/common/SensorPictures.h"

#include <QPainter>
#include <QPolygon>

#include <functional>

namespace SensorPictures {
namespace {

const QColor Key(192, 192, 192);
const QColor Ink(0, 0, 0);
const QColor Metal(150, 156, 168);
const QColor Housing(0, 88, 150);
const QColor Face(236, 236, 220);
const QColor Cable(40, 40, 40);

QImage drawn(int width, int height, const std::function<void(QPainter&)>& draw) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Key);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    draw(painter);
    return image;
}

// A threaded cylinder lying on its side: cable on the left, sound face on
// the right. headLength > 0 adds a wider head in front of the thread.
void cylinder(QPainter& p, int headLength) {
    p.setPen(Ink);
    p.setBrush(Cable);
    p.drawRect(2, 27, 14, 6);
    p.setBrush(Housing);
    p.drawRect(16, 22, 12, 16);
    p.setBrush(Metal);
    const int threadEnd = 84 - headLength;
    p.drawRect(28, 18, threadEnd - 28, 24);
    for (int x = 31; x < threadEnd; x += 4) p.drawLine(x, 18, x - 2, 42);
    p.setBrush(Housing);
    p.drawRect(40, 15, 6, 30);   // lock nut
    if (headLength > 0) {
        p.setBrush(Housing);
        p.drawRect(threadEnd, 12, headLength, 36);
    }
    p.setBrush(Face);
    const int faceTop = headLength > 0 ? 14 : 20;
    p.drawRect(84, faceTop, 4, 60 - 2 * faceTop);
}

QImage standard() {
    return drawn(96, 60, [](QPainter& p) { cylinder(p, 0); });
}

QImage standardEcho() {
    return drawn(96, 60, [](QPainter& p) { cylinder(p, 16); });
}

QImage rdx() {
    // A cubic housing with its sound face to the right and a connector below.
    return drawn(96, 60, [](QPainter& p) {
        p.setPen(Ink);
        p.setBrush(Housing);
        p.drawRect(30, 8, 44, 40);
        p.setBrush(QColor(0, 120, 190));
        p.drawPolygon(QPolygon({QPoint(30, 8), QPoint(38, 2), QPoint(82, 2), QPoint(74, 8)}));
        p.drawPolygon(QPolygon({QPoint(74, 8), QPoint(82, 2), QPoint(82, 42), QPoint(74, 48)}));
        p.setBrush(Face);
        p.drawEllipse(76, 12, 4, 28);
        p.setBrush(Metal);
        p.drawRect(44, 48, 14, 8);
    });
}

QImage variant() {
    // A plain block with a cable: the picture for sensors of unknown shape.
    return drawn(96, 60, [](QPainter& p) {
        p.setPen(Ink);
        p.setBrush(Cable);
        p.drawRect(4, 27, 22, 6);
        p.setBrush(Housing);
        p.drawRect(26, 14, 52, 32);
        p.setBrush(Face);
        p.drawRect(78, 16, 6, 28);
    });
}

}  // namespace

QString PictureName(const QString& sensorType) {
    if (sensorType.contains(QLatin1String("62HN"))) return QStringLiteral("SENSSTDECHO");
    if (sensorType.contains(QLatin1String("KR"))) return QStringLiteral("SENSSTD");
    if (sensorType.contains(QLatin1String("K58"))) return QStringLiteral("SENSRDX");
    return QStringLiteral("SENSVARI");
}

QImage Picture(const QString& resourceName) {
    if (resourceName == QLatin1String("SENSSTD")) return standard();
    if (resourceName == QLatin1String("SENSSTDECHO")) return standardEcho();
    if (resourceName == QLatin1String("SENSRDX")) return rdx();
    if (resourceName == QLatin1String("SENSVARI")) return variant();
    return {};
}

QImage MakerLogo() {
    // A blue badge with three sound waves leaving a dot.
    return drawn(40, 18, [](QPainter& p) {
        p.setPen(Ink);
        p.setBrush(Housing);
        p.drawRect(0, 0, 39, 17);
        p.setPen(Qt::NoPen);
        p.setBrush(Face);
        p.drawRect(5, 7, 4, 4);
        QPen wave(Face);
        wave.setWidth(2);
        p.setPen(wave);
        p.setBrush(Qt::NoBrush);
        for (int r = 7; r <= 25; r += 6) p.drawArc(7 - r, 9 - r, 2 * r, 2 * r, -40 * 16, 80 * 16);
    });
}

QImage ProgramIcon() {
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Ink);
    p.setBrush(Housing);
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 5, 5);
    QPen wave(Face);
    wave.setWidthF(2.5);
    p.setPen(wave);
    p.setBrush(Qt::NoBrush);
    for (int r = 7; r <= 21; r += 7) p.drawArc(QRectF(6 - r, 16 - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(Face);
    p.drawEllipse(QPointF(6, 16), 3, 3);
    return icon;
}

}  // namespace SensorPictures
