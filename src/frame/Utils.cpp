#include "frame/Utils.h"

#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace Utils {

bool IsParDefValid(const QString& value, const QByteArray& rawAnswer) {
    if (value.isEmpty()) return false;
    if (rawAnswer.isEmpty()) return true;
    const quint8 first = static_cast<quint8>(rawAnswer[0]);
    return first < FirstStatus || first > LastStatus;
}

bool IsInControl(const QWidget* control, int x, int y) {
    if (!control || control->isHidden()) return false;
    const QRect r = control->geometry();
    return r.x() <= x && x <= r.x() + r.width() && r.y() <= y && y <= r.y() + r.height();
}

void DrawMarker(QPainter& painter, bool upper, double x, double y, double w, double h, double m) {
    const double x2 = x + w;
    painter.save();
    QPen pen(Qt::black);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(QPointF(x, y), QPointF(x2, y + h - 1)));
    painter.setBrush(Qt::black);
    if (upper)
        painter.drawRect(QRectF(QPointF(x + m, y + m), QPointF(x2 - m, y + h / 2 - m)));
    else
        painter.drawRect(QRectF(QPointF(x + m, y + h / 2 + m - 1), QPointF(x2 - m, y + h - m - 1)));
    painter.restore();
}

void SelectAllText(QLineEdit* textBox) {
    if (textBox) textBox->setSelection(0, textBox->text().size());
}

void DrawTransparent(QImage& target, const QImage& bitmap, int x, int y, QRgb keyColour) {
    const QImage source = bitmap.convertToFormat(QImage::Format_ARGB32);
    const QRect area = QRect(x, y, source.width(), source.height()).intersected(target.rect());
    for (int ty = area.top(); ty <= area.bottom(); ++ty) {
        for (int tx = area.left(); tx <= area.right(); ++tx) {
            const QRgb c = source.pixel(tx - x, ty - y) | 0xFF000000;
            if (c != (keyColour | 0xFF000000)) target.setPixel(tx, ty, c);
        }
    }
}

void MakePictureTransparent(QPixmap& picture) {
    QImage result(picture.size(), QImage::Format_ARGB32);
    result.fill(Qt::transparent);
    DrawTransparent(result, picture.toImage(), 0, 0, KeyColour);
    picture = QPixmap::fromImage(result);
}

}  // namespace Utils
