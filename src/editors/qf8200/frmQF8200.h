#pragma once
#include "editors/common/CompensatedEditorWindow.h"

#include <QPixmap>
#include <array>

class DipSwitchView;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

// The parameter editor of the QF8200 line: every parameter of the sensor in
// eight frames (measurement, evaluation, switch output 1, switch output 2 or
// the analogue output, error LED, evaluation method, DIP switches). A change
// is written to the sensor at once and the parameters that depend on it are
// read back. A control's name is its key in the language file; its help id
// picks its quick-help text.
class frmQF8200 : public CompensatedEditorWindow {
    Q_OBJECT
public:
    frmQF8200();

    void GetData(int item, QVariant& value) override;
    bool ValidPar(int item) override;
    void PrintData() override;
    void SetLanguage() override;

    // Frames and their controls beside the shared ones.
    QGroupBox* frameSwitch1;
    QGroupBox* frameSwitch2;
    QGroupBox* frameAnalog;
    QGroupBox* frameErrorLED;
    QGroupBox* frameDip;
    std::array<QGroupBox*, 3> Frame1{};

    QLabel* lblFailSafe;
    QComboBox* cmbFailSafe;
    QLabel* lblFailCurrent;
    QLineEdit* txtFailCurrent;
    QLabel* lblFailCurrent1;
    QLabel* lblReducedRange;
    QLineEdit* txtReducedRange;
    QLabel* lblReducedRangeMM;
    QLabel* lblEchoError;
    QComboBox* cmbEchoError;

    QLabel* lblSwitchDis11;
    QLineEdit* txtSwitchDis11;
    std::array<QLabel*, 3> lblSDis1{};
    QLabel* lblSwitchDis12;
    QLineEdit* txtSwitchDis12;
    QLabel* lblSwitchHys1;
    QLineEdit* txtSwitchHys1;
    QLabel* lblSwitchMode1;
    QComboBox* cmbSwitchMode1;
    QLabel* lblOPMode1;
    QComboBox* cmbOPMode1;
    QLabel* imgOPMode1;
    QLabel* lblOutputToggle1;
    QComboBox* cmbOutputToggle1;

    QLabel* lblSwitchDis21;
    QLineEdit* txtSwitchDis21;
    std::array<QLabel*, 3> lblsdis2{};
    QLabel* lblSwitchDis22;
    QLineEdit* txtSwitchDis22;
    QLabel* lblSwitchHys2;
    QLineEdit* txtSwitchHys2;
    QLabel* lblSwitchMode2;
    QComboBox* cmbSwitchMode2;
    QLabel* lblOPMode2;
    QComboBox* cmbOPMode2;
    QLabel* imgOPMode2;

    QLabel* lblNEvalDis;
    QLineEdit* txtNEvalDis;
    QLabel* lblNEvalUnit;
    QLabel* lblFEvalDis;
    QLineEdit* txtFEvalDis;
    QLabel* lblFEvalUnit;
    QLabel* lblOPModeAnalog;
    QComboBox* cmbOPModeAnalog;
    QLabel* imgOPModeAnalog;

    QLabel* lblErrorLED;
    QComboBox* cmbErrorLED;

    QComboBox* cmbUseDip;
    DipSwitchView* picDips;
    std::array<QLabel*, 10> lblDipCount{};
    QLabel* lblDipOn;

protected:
    void ShowOwnRecord(const ParamRec& rec) override;
    std::optional<QString> ComposeRecord(int index) const override;
    bool Commits(int index) const override;
    bool IsSwitchPoint(int id) const override;
    void SetupDisplayWindow() override;
    void LoadPictures() override;
    bool StoreRecallEnabled() const override { return true; }
    std::vector<QComboBox*> ComboHelpOrder() const override;

private:
    // Building the window (frmQF8200Controls.cpp).
    void BuildMeasurement();
    void BuildEvaluate();
    void BuildSwitch1();
    void BuildSwitch2();
    void BuildAnalog();
    void BuildErrorLED();
    void BuildEvalMethod();
    void BuildDip();
    void BindControls();
    void BindHelp();

    // The list handlers: layout first, then the commit unless Busy.
    void cmbOPMode1_Click();
    void cmbOPMode2_Click();
    void cmbOPModeAnalog_Click();
    void cmbFailSafe_Click();
    void LayoutOutputMode(int output);
    void LayoutAnalogMode();

    // ShowOwnRecord's parts (frmQF8200Transfer.cpp).
    void ShowUseDip(const ParamRec& rec);
    void ShowFailSafe(const ParamRec& rec);
    void ShowOutputToggle(const ParamRec& rec);

    bool IsValid(int record) const;

    std::array<QPixmap, 5> OpModePictures;
    std::array<QPixmap, 2> AnalogModePictures;
    int outputToggleTop_ = 0;   // design place of the output-toggle row in frameSwitch1
};
