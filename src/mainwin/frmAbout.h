#pragma once
#include <QDialog>

class QLabel;
class QPushButton;

// The about box: program title, version, rights notice and credits.
class frmAbout : public QDialog {
public:
    explicit frmAbout(QWidget* parent = nullptr);

    void SetLanguage();

    QLabel* lblProgram;
    QLabel* lblVersion;
    QLabel* lblVersionNum;
    QLabel* lblRights;
    QLabel* lblSoftware;
    QLabel* lblCONSTQt;
    QPushButton* btOk;
};
