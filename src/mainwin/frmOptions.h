#pragma once
#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;

// The options dialog: serial port, quick help, the "RST" command during
// detection, and the language. A language picked in the list applies at
// once and stays even when the dialog is then cancelled; the other choices
// apply only with OK.
class frmOptions : public QDialog {
public:
    explicit frmOptions(QWidget* parent = nullptr);

    void SetLanguage();

    QGroupBox* framePort;
    QComboBox* cmbPort;
    QCheckBox* chkTooltips;
    QCheckBox* chkSendRST;
    QGroupBox* frameSprache;
    QComboBox* cmbLanguage;
    QPushButton* btOK;
    QPushButton* btHelp;
    QPushButton* btCancel;

private:
    void languageChosen(int index);
    void apply();
};
