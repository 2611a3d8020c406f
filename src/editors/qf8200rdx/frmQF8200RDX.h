#pragma once
#include "editors/common/CompensatedEditorWindow.h"

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

// The parameter editor of the QF8200RDX line: every parameter of the sensor
// in ten frames (measurement, evaluation, inclination switch, three switch
// outputs, analogue output, behaviour without echo, main application,
// evaluation method). The third output, the analogue output and the
// inclination switch appear only when the sensor knows their parameters. A
// change is written to the sensor at once and the parameters that depend on
// it are read back. A control's name is its key in the language file; its
// help id picks its quick-help text.
class frmQF8200RDX : public CompensatedEditorWindow {
    Q_OBJECT
public:
    frmQF8200RDX();

    void GetData(int item, QVariant& value) override;
    bool ValidPar(int item) override;
    void PrintData() override;
    void SetLanguage() override;

    // The evaluation limits found in the sensor's EEPROM by the last
    // complete read from the sensor; 0 before the first.
    int MINRELDIS = 0;
    int MAXRELDIS = 0;

    // The separators of the measurement frame.
    std::array<QGroupBox*, 2> Frame1{};

    QGroupBox* frameInclination;
    QComboBox* cmbInclination;
    QLabel* lblInclinationOn;
    QLineEdit* txtInclinationOn;
    QLabel* lblInclinationOff;
    QLineEdit* txtInclinationOff;
    std::array<QLabel*, 2> lblInclinationTime{};

    // A switch output's frame (frameSwitch1 ...) and controls; the design
    // names of output n are in the object names (txtSwitchDis<n>1,
    // txtSwitchHys<n>, cmbSwitchMode<n>, cmbFailSafe<n>, and the unit label
    // arrays lblSDis1, lblsdis2, lblsdis3).
    struct SwitchOutput {
        QGroupBox* frame = nullptr;
        QLabel* lblSwitchDis = nullptr;
        QLineEdit* txtSwitchDis = nullptr;
        QLabel* lblSwitchHys = nullptr;
        QLineEdit* txtSwitchHys = nullptr;
        std::array<QLabel*, 2> units{};   // "mm" beside the point, "%" beside the hysteresis
        QLabel* lblSwitchMode = nullptr;
        QComboBox* cmbSwitchMode = nullptr;
        QLabel* lblFailSafe = nullptr;
        QComboBox* cmbFailSafe = nullptr;
    };
    std::array<SwitchOutput, 3> Outputs{};

    QGroupBox* frameAnalog;
    QLabel* lblNEvalDis;
    QLineEdit* txtNEvalDis;
    QLabel* lblNEvalUnit;
    QLabel* lblFEvalDis;
    QLineEdit* txtFEvalDis;
    QLabel* lblFEvalUnit;
    QLabel* lblFailCurrent;
    QLineEdit* txtFailCurrent;
    QLabel* lblFailCurrent1;

    QGroupBox* frameError;
    QLabel* lblEchoError;
    QComboBox* cmbEchoError;

    QGroupBox* frameMainApplication;
    QComboBox* cmbMainApplication;

protected:
    void ShowOwnRecord(const ParamRec& rec) override;
    std::optional<QString> ComposeRecord(int index) const override;
    bool IsSwitchPoint(int id) const override;
    void SetupDisplayWindow() override;
    bool StoreRecallEnabled() const override { return true; }
    std::vector<QComboBox*> ComboHelpOrder() const override;

private:
    // Building the window (frmQF8200RDXControls.cpp).
    void BuildMeasurement();
    void BuildEvaluate();
    void BuildInclination();
    void BuildSwitchOutputs();
    void BuildAnalog();
    void BuildError();
    void BuildMainApplication();
    void BuildEvalMethod();
    void SetTabOrder();
    void BindControls();
    void BindHelp();

    // Reads the evaluation limits after a complete read from the sensor.
    void EepromCellRead(TransferProgress& progress);

    // ShowOwnRecord's parts (frmQF8200RDXTransfer.cpp).
    void ShowSwitchModes(const ParamRec& rec);
    void ShowFailSafe(const ParamRec& rec);
    void ShowInclination(const ParamRec& rec);
    // The outputs whose frame is shown (two or three).
    int ShownOutputs() const;
};
