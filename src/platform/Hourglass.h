#pragma once
#include <QCursor>
#include <QGuiApplication>

// The hourglass pointer while a long sensor operation runs; the pointer
// before it returns however the work ends. Commits may nest, and each level
// shows its own hourglass. A message box in the middle of the work shows the
// normal pointer by itself (platform/MsgBox.h).
class Hourglass {
public:
    Hourglass() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~Hourglass() { QGuiApplication::restoreOverrideCursor(); }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;
};
