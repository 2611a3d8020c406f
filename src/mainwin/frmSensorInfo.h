#pragma once
#include <QDialog>

class QLabel;
class QPushButton;

// What the connected sensor (or the loaded parameter file) says about
// itself: type, version, software date and EPROM, with a picture of its family.
class frmSensorInfo : public QDialog {
public:
    explicit frmSensorInfo(QWidget* parent = nullptr);

    void SetLanguage();

    // "letter (date time)"; without a letter just "(date time)".
    static QString SoftwareText(const QString& versionLetter, const QString& dateTime);

    QLabel* lblTyp;
    QLabel* lbTyp;
    QLabel* lblVersion;
    QLabel* lbVersion;
    QLabel* lblSoftware;
    QLabel* lbSoftware;
    QLabel* lblEprom;
    QLabel* lbEprom;
    QLabel* picSensor;
    QPushButton* btOk;
};
