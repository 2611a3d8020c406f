#pragma once
#include <QPointer>
#include <QWidget>

// Whose a message box or a file dialog is. It belongs to the window it was
// asked for from: the dialog open at the time (the topmost modal one), else
// the main window while that shows; a box asked for before the main window
// shows (at start-up) belongs to none and stands in the middle of the screen.
// The active window cannot tell: right after a dialog has closed there is
// none until the window system has activated another.
namespace DialogOwner {

// The frame registers its main window here.
void SetMainWindow(QWidget* window);
QWidget* MainWindow();

// The owner of a box asked for now; null: none.
QWidget* Current();

// A window that is not modal (the progress window) owns the boxes asked for
// while this lives, as it asks them itself.
class AskedFrom {
public:
    explicit AskedFrom(QWidget* window);
    ~AskedFrom();
    AskedFrom(const AskedFrom&) = delete;
    AskedFrom& operator=(const AskedFrom&) = delete;

private:
    QPointer<QWidget> previous_;
};

}  // namespace DialogOwner
