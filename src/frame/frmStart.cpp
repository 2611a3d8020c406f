#include "frame/frmStart.h"

#include "frame/Window.h"

#include <QGuiApplication>
#include <QPainter>

namespace {
constexpr int SplashWidth = 360;
constexpr int SplashHeight = 180;
}  // namespace

frmStart::frmStart(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmStart"));
    setFixedSize(SplashWidth, SplashHeight);
    Window::CenterOnScreen(this);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

frmStart::~frmStart() { QGuiApplication::restoreOverrideCursor(); }

void frmStart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = rect();
    painter.fillRect(area, QColor(0, 70, 140));
    painter.setPen(QPen(Qt::white, 2));
    painter.drawRect(area.adjusted(6, 6, -7, -7));

    QFont title = font();
    title.setPointSize(28);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(area, Qt::AlignCenter, QStringLiteral("Zelvo 8200"));
}
