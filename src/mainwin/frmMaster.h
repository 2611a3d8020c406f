#pragma once
#include "mainwin/MasterModes.h"
#include "mainwin/MasterStream.h"

#include <QDialog>
#include <QElapsedTimer>

#include <array>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

// The master-mode window of one sensor line ("Master Device"): the user
// picks what the sensor streams and watches the values arrive. Each choice
// sends "MD,<mode>"; closing the window, however it is closed, ends the
// stream ("MD,OFF" until the sensor confirms). Its window name is the
// line's (frmMasterQF8200, frmMasterQF8200RDX, frmMasterQT8200).
class frmMaster : public QDialog {
public:
    explicit frmMaster(const MasterLine& line, QWidget* parent = nullptr);

    // Selects the option of an upper-case mode word (an unknown word pauses)
    // and switches the sensor to it.
    void StartMode(const QString& mode);
    void SetLanguage();

    QGroupBox* Frame1;
    std::array<QRadioButton*, MasterLine::ModeCount> rdOpt;
    QGroupBox* Frame2;
    QLabel* lblState;
    QPushButton* btOk;
    QTimer* Timer1;

protected:
    void done(int result) override;

private:
    void chooseMode(int index);
    void readStream();
    void showReading(const QByteArray& reading);
    void countEmptyRead();

    const MasterLine& line_;
    QButtonGroup* options_;
    MasterStream stream_;
    QElapsedTimer sinceReading_;
    int emptyReads_ = 0;
    bool switching_ = false;     // a mode switch talks to the sensor
    bool closeAsked_ = false;    // the user closed the window during a switch
    int closeResult_ = Rejected;
    bool closing_ = false;
};
