#pragma once
// Needs Qt6::GuiPrivate: the window system's own queue has no public door.
#include <qpa/qwindowsysteminterface.h>

#include <QPoint>
#include <QString>
#include <QWidget>
#include <QWindow>

// The user's keys and clicks as the window system hands them to the program:
// queued, and taken from the queue only by a pass of events that lets user
// input through. QTest's key and mouse functions deliver at once, wherever
// the program happens to be, so they cannot show input that has to wait.
namespace WindowSystemInput {

using Queued = QWindowSystemInterface::AsynchronousDelivery;

// A key pressed and released in the window of `widget`; it goes to that
// window's focus widget once it is taken from the queue.
inline void KeyClick(const QWidget* widget, Qt::Key key, const QString& text = {}) {
    QWindow* window = widget->window()->windowHandle();
    QWindowSystemInterface::handleKeyEvent<Queued>(window, QEvent::KeyPress, key, Qt::NoModifier, text);
    QWindowSystemInterface::handleKeyEvent<Queued>(window, QEvent::KeyRelease, key, Qt::NoModifier, text);
}

// Typed text: one key for each character (letters, digits and commas).
inline void KeyClicks(const QWidget* widget, const QString& text) {
    for (const QChar c : text) KeyClick(widget, Qt::Key(c.toUpper().unicode()), QString(c));
}

// A left click in the middle of `widget`.
inline void Click(const QWidget* widget) {
    QWindow* window = widget->window()->windowHandle();
    const QPoint middle = widget->rect().center();
    const QPointF local = widget->mapTo(widget->window(), middle);
    const QPointF global = widget->mapToGlobal(middle);
    QWindowSystemInterface::handleMouseEvent<Queued>(window, local, global, Qt::LeftButton, Qt::LeftButton,
                                                     QEvent::MouseButtonPress);
    QWindowSystemInterface::handleMouseEvent<Queued>(window, local, global, Qt::NoButton, Qt::LeftButton,
                                                     QEvent::MouseButtonRelease);
}

}  // namespace WindowSystemInput
