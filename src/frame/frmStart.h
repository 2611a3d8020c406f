#pragma once
#include <QWidget>

// The splash window shown while the program starts: the program's name on a
// plain panel, centred on the screen, with the hourglass pointer until it goes.
// It is the only window while the sensor is looked for, which can take a
// while on a silent line: closing it ends the program, as closing the main
// window does later.
class frmStart : public QWidget {
    Q_OBJECT
public:
    explicit frmStart(QWidget* parent = nullptr);
    ~frmStart() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};
