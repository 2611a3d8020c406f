#include "mainwin/ToolbarPictures.h"

#include <QPainter>
#include <QPolygon>

#include <array>
#include <functional>

namespace ToolbarPictures {
namespace {

const QColor Key(192, 192, 192);
const QColor Light(255, 255, 255);
const QColor Shadow(128, 128, 128);
const QColor Ink(0, 0, 0);

// A blank 24 x 24 picture in the key colour, with a painter that draws
// hard pixel edges (smoothed edges would leave a halo of near-key pixels).
QImage blank() {
    QImage image(ButtonSize, ButtonSize, QImage::Format_RGB32);
    image.fill(Key);
    return image;
}

QImage drawn(const std::function<void(QPainter&)>& draw) {
    QImage image = blank();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    draw(painter);
    return image;
}

// Raised: light upper-left edges and a dark lower-right; pressed the other way.
QImage bevel(const QColor& upperLeft, const QColor& lowerRight) {
    return drawn([&](QPainter& p) {
        const int last = ButtonSize - 1;
        p.setPen(upperLeft);
        p.drawLine(0, 0, last - 1, 0);
        p.drawLine(0, 0, 0, last - 1);
        p.setPen(lowerRight);
        p.drawLine(0, last, last, last);
        p.drawLine(last, 0, last, last);
    });
}

void arrow(QPainter& p, int x, int top, int bottom, const QColor& colour) {
    // A vertical arrow from top to bottom (pointing down when top < bottom).
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const int dir = bottom > top ? 1 : -1;
    p.drawRect(QRect(QPoint(x - 1, top), QPoint(x + 1, bottom - 3 * dir)).normalized());
    p.drawPolygon(QPolygon({QPoint(x - 4, bottom - 4 * dir), QPoint(x + 4, bottom - 4 * dir),
                            QPoint(x, bottom)}));
}

void sensorBody(QPainter& p, int left, int top) {
    // A small cylindrical sensor seen from the side, its face to the right.
    p.setPen(Ink);
    p.setBrush(QColor(0, 96, 160));
    p.drawRect(left, top, 9, 8);
    p.setBrush(QColor(224, 224, 224));
    p.drawRect(left + 9, top + 1, 2, 6);
}

void chip(QPainter& p) {
    p.setPen(Ink);
    p.setBrush(QColor(48, 48, 48));
    p.drawRect(6, 13, 12, 8);
    for (int x = 7; x <= 16; x += 3) {
        p.drawLine(x, 12, x, 11);
        p.drawLine(x, 22, x, 23);
    }
}

QImage openIcon() {
    return drawn([](QPainter& p) {
        p.setPen(Ink);
        p.setBrush(QColor(208, 160, 32));
        p.drawPolygon(QPolygon({QPoint(2, 6), QPoint(8, 6), QPoint(10, 8), QPoint(18, 8), QPoint(18, 19),
                                QPoint(2, 19)}));
        p.setBrush(QColor(255, 216, 96));
        p.drawPolygon(QPolygon({QPoint(2, 19), QPoint(6, 11), QPoint(22, 11), QPoint(18, 19)}));
    });
}

QImage saveIcon() {
    return drawn([](QPainter& p) {
        p.setPen(Ink);
        p.setBrush(QColor(32, 64, 160));
        p.drawPolygon(QPolygon({QPoint(3, 3), QPoint(18, 3), QPoint(21, 6), QPoint(21, 21), QPoint(3, 21)}));
        p.setBrush(Light);
        p.drawRect(6, 3, 11, 7);
        p.setBrush(QColor(224, 224, 224));
        p.drawRect(6, 14, 12, 7);
        p.setBrush(QColor(32, 64, 160));
        p.drawRect(13, 4, 2, 4);
    });
}

QImage printIcon() {
    return drawn([](QPainter& p) {
        p.setPen(Ink);
        p.setBrush(Light);
        p.drawRect(6, 2, 12, 8);
        p.setBrush(QColor(96, 96, 96));
        p.drawRect(2, 9, 20, 9);
        p.setBrush(Light);
        p.drawRect(6, 14, 12, 8);
        p.drawLine(8, 17, 15, 17);
        p.drawLine(8, 19, 15, 19);
        p.setPen(QColor(0, 200, 0));
        p.drawPoint(19, 11);
    });
}

QImage readIcon() {
    return drawn([](QPainter& p) {
        sensorBody(p, 2, 3);
        arrow(p, 12, 12, 22, QColor(0, 144, 0));
        p.setPen(Ink);
        p.drawLine(14, 6, 21, 6);
    });
}

QImage infoIcon() {
    return drawn([](QPainter& p) {
        p.setPen(Ink);
        p.setBrush(QColor(32, 96, 208));
        p.drawEllipse(2, 2, 19, 19);
        p.setPen(Qt::NoPen);
        p.setBrush(Light);
        p.drawRect(10, 6, 3, 3);
        p.drawRect(10, 10, 3, 8);
    });
}

QImage defaultsIcon() {
    return drawn([](QPainter& p) {
        QPen pen(QColor(176, 32, 32));
        pen.setWidth(3);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawArc(4, 4, 16, 16, 100 * 16, 290 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(176, 32, 32));
        p.drawPolygon(QPolygon({QPoint(8, 0), QPoint(14, 5), QPoint(8, 9)}));
    });
}

QImage masterIcon() {
    return drawn([](QPainter& p) {
        sensorBody(p, 1, 8);
        p.setPen(QColor(0, 128, 0));
        p.setBrush(Qt::NoBrush);
        for (int r = 4; r <= 10; r += 3) p.drawArc(12 - r, 12 - r, 2 * r, 2 * r, -45 * 16, 90 * 16);
    });
}

QImage storeIcon() {
    return drawn([](QPainter& p) {
        chip(p);
        arrow(p, 12, 0, 11, QColor(0, 144, 0));
    });
}

QImage recallIcon() {
    return drawn([](QPainter& p) {
        chip(p);
        arrow(p, 12, 11, 0, QColor(0, 96, 208));
    });
}

QImage startRecordingIcon() {
    return drawn([](QPainter& p) {
        p.setPen(Ink);
        p.setBrush(QColor(224, 0, 0));
        p.drawEllipse(5, 5, 13, 13);
    });
}

QImage stopRecordingIcon() {
    return drawn([](QPainter& p) {
        p.setPen(Ink);
        p.setBrush(QColor(32, 32, 32));
        p.drawRect(6, 6, 11, 11);
    });
}

}  // namespace

QImage ButtonBackground(const QString& resourceName) {
    if (resourceName == QLatin1String("BUTTON")) return blank();
    if (resourceName == QLatin1String("UBUTTON")) return bevel(Light, Shadow);
    if (resourceName == QLatin1String("PBUTTON")) return bevel(Shadow, Light);
    return {};
}

QImage ToolbarIcon(int index) {
    static const std::array<QImage (*)(), 11> painters = {
        openIcon,    saveIcon,    printIcon,  readIcon,           infoIcon,         defaultsIcon,
        masterIcon,  storeIcon,   recallIcon, startRecordingIcon, stopRecordingIcon};
    if (index < 0 || index >= int(painters.size())) return {};
    return painters[size_t(index)]();
}

}  // namespace ToolbarPictures
