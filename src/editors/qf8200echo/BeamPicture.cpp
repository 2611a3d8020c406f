#include "editors/qf8200echo/BeamPicture.h"

#include "editors/qf8200echo/SoundBeam.h"

#include <QPainter>

namespace {

const QColor LobeGrey(128, 128, 128);
const QColor SensorGreen(128, 255, 128);
const QColor GridGrey(192, 192, 192);

}  // namespace

BeamPicture::BeamPicture(const char* name, QWidget* parent) : QWidget(parent) {
    setObjectName(QString::fromLatin1(name));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
}

void BeamPicture::SetLobes(double lengthFraction, double spreadFraction) {
    length_ = lengthFraction;
    spread_ = spreadFraction;
    update();
}

void BeamPicture::paintEvent(QPaintEvent*) {
    using namespace SoundBeam;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setWindow(0, 0, int(PictureWidth), int(PictureHeight));
    painter.setPen(QPen(GridGrey, 0));
    for (int x : {800, 1600, 2400}) painter.drawLine(x, 0, x, int(PictureHeight));
    for (int y : {400, 800, 1200}) painter.drawLine(0, y, int(PictureWidth), y);

    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(LobeGrey);
    painter.drawEllipse(LargestOuterLobe);
    painter.drawEllipse(LargestInnerLobe);
    const Lobes lobes = BeamLobes(length_, spread_);
    painter.setBrush(Qt::red);
    painter.drawEllipse(lobes.outer);
    painter.drawEllipse(lobes.inner);
    painter.setBrush(SensorGreen);
    painter.drawRect(SensorShape);
}
