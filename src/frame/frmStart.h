#pragma once
#include <QWidget>

// The splash window shown while the program starts: the program's name on a
// plain panel, centred on the screen, with the hourglass pointer until it goes.
class frmStart : public QWidget {
    Q_OBJECT
public:
    explicit frmStart(QWidget* parent = nullptr);
    ~frmStart() override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
