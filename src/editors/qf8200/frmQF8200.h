#pragma once
#include "editors/common/EvalMethod.h"
#include "editors/common/ParamEditorWindow.h"

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
// read back. Controls carry the names and help ids of the original design.
class frmQF8200 : public ParamEditorWindow {
    Q_OBJECT
public:
    frmQF8200();

    void GetData(int item, QVariant& value) override;
    bool ValidPar(int item) override;
    void PrintData() override;
    void SetLanguage() override;

    void FillForm(ParamRec& rec) override;
    void PutData(int id, bool writeNow, std::optional<bool> third = std::nullopt) override;

    // Frames and their controls.
    QGroupBox* frameMeasurement;
    QGroupBox* frameEvaluate;
    QGroupBox* frameSwitch1;
    QGroupBox* frameSwitch2;
    QGroupBox* frameAnalog;
    QGroupBox* frameErrorLED;
    QGroupBox* frameEvalMethod;
    QGroupBox* frameDip;
    std::array<QGroupBox*, 3> Frame1{};

    QLabel* lblSound;
    QLabel* lbSound;
    std::array<QLabel*, 2> lblms{};
    QLabel* lblSound0;
    QLineEdit* txtSound;
    QLabel* lblTemperatureOffset;
    QLabel* lbTemperatureOffset;
    std::array<QLabel*, 2> lblTemp{};
    QLabel* lblTemperature;
    QLineEdit* txtTemperature;
    QLabel* lblReferenceDis;
    QLineEdit* txtReferenceDis;
    QLabel* lblReferenceDisMM;
    QLabel* lblBurst;
    QLineEdit* txtBurst;
    std::array<QLabel*, 3> lblCycleTime{};
    QLabel* lblCycle;
    QLineEdit* txtCycle;

    QLabel* lblFiltertimeout;
    QLineEdit* txtFiltertimeout;
    QLabel* lblConFilter;
    QLineEdit* txtConFilter;
    QLabel* lblBlindrange;
    QLineEdit* txtBlindrange;
    QLabel* lblMMBlindrange;
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

    QComboBox* cmbEvalMethod;
    EvalMethodFields MethodFields{};

    QComboBox* cmbUseDip;
    DipSwitchView* picDips;
    std::array<QLabel*, 10> lblDipCount{};
    QLabel* lblDipOn;

protected:
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
    void cmbEvalMethod_Click();
    void cmbOPMode1_Click();
    void cmbOPMode2_Click();
    void cmbOPModeAnalog_Click();
    void cmbFailSafe_Click();
    void LayoutOutputMode(int output);
    void LayoutAnalogMode();

    // FillForm's parts (frmQF8200Transfer.cpp).
    void ShowUseDip(const ParamRec& rec);
    void ShowFailSafe(const ParamRec& rec);
    void ShowEvalMethod(const ParamRec& rec);
    void ShowOutputToggle(const ParamRec& rec);
    std::optional<QString> Compose(int index, bool third) const;

    bool IsValid(int record) const;

    std::array<QPixmap, 5> OpModePictures;
    std::array<QPixmap, 2> AnalogModePictures;
    int outputToggleTop_ = 0;   // design place of the output-toggle row in frameSwitch1
};
