#include "frame/frmStart.h"

#include "frame/Window.h"
#include "platform/ProgramEnd.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>

namespace {
constexpr int SplashWidth = 360;
constexpr int SplashHeight = 180;
}  // namespace

// A title bar with only a close button: the user can end a start that waits
// for a sensor that does not answer.
frmStart::frmStart(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmStart"));
    setWindowTitle(QStringLiteral("Zelvo 8200"));
    setFixedSize(SplashWidth, SplashHeight);
    Window::CenterOnScreen(this);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

frmStart::~frmStart() { QGuiApplication::restoreOverrideCursor(); }

// The detection behind this window stops at its next wait, and the main
// window does not appear.
void frmStart::closeEvent(QCloseEvent* event) {
    ProgramEnd::Begin();
    event->accept();
}

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
