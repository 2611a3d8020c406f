#pragma once
#include <QObject>

class QMenuBar;

// Alt and an underlined letter of the menu bar opens that menu, also while a
// window inside the main window underlines the same letter on one of its
// controls (the monitor's "&dynamische Daten" against "&Datei"). Qt takes the
// two for one ambiguous shortcut and hands the key to each in turn; this
// filter passes the control's turns on to the menu bar.
class MenuBarLetters : public QObject {
public:
    // Watches the application's shortcut events for as long as bar lives.
    explicit MenuBarLetters(QMenuBar* bar);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMenuBar* bar_;
};
