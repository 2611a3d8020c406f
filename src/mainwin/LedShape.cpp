#include "mainwin/LedShape.h"

#include <QPainter>

namespace {
constexpr int Diameter = 14;
}

LedShape::LedShape(const QString& name, QWidget* parent) : QWidget(parent), fill_(palette().window().color()) {
    setObjectName(name);
    setFixedSize(Diameter, Diameter);
}

void LedShape::SetFillColor(const QColor& colour) {
    if (colour == fill_) return;
    fill_ = colour;
    update();
}

void LedShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setBrush(fill_);
    painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}
