#pragma once
#include "editors/common/EvalMethod.h"
#include "editors/common/ParamEditorWindow.h"
#include "editors/qf8200echo/EchoCellAccess.h"
#include "editors/qf8200echo/EchoModel.h"

#include <QPixmap>
#include <array>

class BeamPicture;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;
class QTabWidget;

// The parameter editor of the QF8200Echo line, on four pages of a tab strip:
// measurement (with the sound-beam controls), evaluation, switch points
// (switch outputs or the analogue output, and the taught values) and the
// sensor information. The sensor keeps its parameters in memory cells; a
// change is written at once and read back. A control's name is its key in
// the language file; its help id picks its quick-help text.
class frmQF8200Echo : public ParamEditorWindow {
    Q_OBJECT
public:
    frmQF8200Echo();

    // SensorEditor members.
    void Init() override;
    void readdata(std::optional<int> source = std::nullopt) override;
    void WriteData(std::optional<int> target = std::nullopt,
                   std::optional<QVariant> second = std::nullopt) override;
    void GetData(int item, QVariant& value) override;
    bool ValidPar(int item) override;
    QString GetSendCommand(QString& command, bool& flag) override;
    QString ConvertResult(QString& command, QString& answer) override;
    void InterpretCommand(QString& word) override;
    void PrintData() override;
    void SetLanguage() override;
    void SetDefaults() override;
    void Show() override;

    void FillForm(ParamRec& rec) override;
    void PutData(int id, bool writeNow) override;

    const EchoModel& Echo() const { return echo_; }
    bool AnalogVariant() const { return echo_.AnalogVariant(); }

    QTabWidget* tabData;
    std::array<QWidget*, 4> picData{};

    // Page 0: measurement.
    QGroupBox* frameMeasurement;
    QLabel* lblSound;
    QLabel* lblSound0;
    QLineEdit* txtSound;
    QLabel* lblms;   // the array's only element, index 1
    QLabel* lblTemperatureOffset;
    QLineEdit* txtTemperatureOffset;
    QLabel* lblTemp;   // the array's only element, index 0
    QLabel* lblCycle;
    QLineEdit* txtCycle;
    QLabel* lblCycleTime;
    QLabel* lblBurst;
    QComboBox* cmbBurst;
    QLabel* lblBlindrange;
    QLineEdit* txtBlindrange;
    QLabel* lblMMBlindrange;
    QLabel* lblReducedRange;
    QLineEdit* txtReducedRange;
    QLabel* Label1;
    std::array<QRadioButton*, 2> rdSens{};
    std::array<QWidget*, 2> picSens{};
    QLabel* lblSens;
    QComboBox* cmbSens;
    BeamPicture* Picture1;
    QSlider* slideSens;
    QLabel* lblRange;
    QComboBox* cmbRange;
    QLabel* lblSonicWidth;
    QComboBox* cmbSonicWidth;
    BeamPicture* picKeule;
    QSlider* slideRange;
    QSlider* slideSonicWidth;
    std::array<QLabel*, 8> lblRangeTick{};   // elements 0, 1, 6 and 7
    QGroupBox* frameStartup;
    QLabel* lblStartup;
    QComboBox* cmbStartup;

    // Page 1: evaluation.
    QGroupBox* frameEvaluate;
    QLabel* lblFiltertimeout;
    QLineEdit* txtFiltertimeout;
    QLabel* lblFailSafe;
    QComboBox* cmbFailSafe;
    QGroupBox* Frame1;   // the separator, index 2
    QLabel* lblEchoError;
    QComboBox* cmbEchoError;
    QGroupBox* frameEvalMethod;
    QComboBox* cmbEvalMethod;
    // Only the low-pass weight and the mean's counts M and N are ever shown.
    EvalMethodFields MethodFields{};

    // Page 2: switch points.
    QGroupBox* frameTeachIn;
    QCheckBox* chkUseTeachIn;
    QCheckBox* chkUseTeachInAnalog;
    QLabel* lblSwitchDisTeach1;
    QLabel* lblSwitchDisTeach2;
    QLabel* lblNEvalDisTeach;
    QLabel* lblFEvalDisTeach;
    QLabel* lblOPModeTeach;
    QLabel* lblCSwitchDisTeach1;
    QLabel* lblCSwitchDisTeach2;
    QLabel* lblCOPModeTeach;
    QLabel* imgOPModeTeach;
    QComboBox* cmbUseTeachIn;
    std::array<QLabel*, 5> lblSDis1{};
    QGroupBox* frameSwitch1;
    QLabel* lblSwitchDis11;
    QLineEdit* txtSwitchDis11;
    QLabel* lblSwitchDis12;
    QLineEdit* txtSwitchDis12;
    QLabel* lblSwitchHys1;
    QLineEdit* txtSwitchHys1;
    QLabel* lblSwitchMode1;
    QComboBox* cmbSwitchMode1;
    QLabel* lblOPMode1;
    QComboBox* cmbOPMode1;
    QLabel* imgOPMode1;
    std::array<QLabel*, 2> lblConFilter1{};
    std::array<QLineEdit*, 2> txtConFilter1{};
    QGroupBox* frameSwitch2;
    QLabel* lblSwitchDis21;
    QLineEdit* txtSwitchDis21;
    QLabel* lblSwitchDis22;
    QLineEdit* txtSwitchDis22;
    QLabel* lblSwitchHys2;
    QLineEdit* txtSwitchHys2;
    std::array<QLabel*, 3> lblsdis2{};
    QLabel* lblSwitchMode2;
    QComboBox* cmbSwitchMode2;
    QLabel* lblOPMode2;
    QComboBox* cmbOPMode2;
    QLabel* imgOPMode2;
    std::array<QLabel*, 2> lblConFilter2{};
    std::array<QLineEdit*, 2> txtConFilter2{};
    QGroupBox* frameAnalog;
    QLabel* lblNEvalDis;
    QLineEdit* txtNEvalDis;
    QLabel* lblNEvalUnit;
    QLabel* lblFEvalDis;
    QLineEdit* txtFEvalDis;
    QLabel* lblFEvalUnit;
    QLabel* lblOPModeAnalog;
    QComboBox* cmbOPModeAnalog;
    QLabel* lblOutputAnalog;
    QComboBox* cmbOutputAnalog;
    QLabel* imgOPModeAnalog;

    // Page 3: sensor information.
    QGroupBox* frameSensorInfo;
    QLabel* lblTyp;
    QLabel* lbTyp;
    QLabel* lblVersion;
    QLabel* lbVersion;
    QLabel* lblSoftware;
    QLabel* lbSoftware;
    QLabel* lblEprom;
    QLabel* lbEprom;
    QLabel* picSensor;
    QGroupBox* frameProgram;
    QLabel* lblProgram;
    QLabel* Label2;
    QLabel* lblVersionNum;
    QLabel* Image1;

protected:
    void SetupDisplayWindow() override;
    void LoadPictures() override;
    bool StoreRecallEnabled() const override { return true; }
    std::vector<QComboBox*> ComboHelpOrder() const override;
    void TimerTick() override;

private:
    // Building the window (frmQF8200EchoControls.cpp).
    void BuildMeasurementPage();
    void BuildSoundBeamPanels();
    void BuildEvaluationPage();
    void BuildSwitchPointPage();
    void BuildSwitchOutput(int output);
    void BuildAnalogOutput();
    void BuildInfoPage();
    void BindControls();
    void BindHelp();

    // Variant, software and information page (frmQF8200Echo.cpp).
    void SetSensorTyp();
    void EnableFirmwareFeatures();
    void ShowSensorInfo();
    void tabData_Click();
    // The display window's second switch points of the outputs, by the
    // operating modes in use (taught or set).
    void EnableSecondSwitchPoints(bool taught);
    // After a read has shown the whole table: the display window's switch
    // points, the information page when it is in front; the sound-beam
    // controls take input again.
    void ShowTableRead();

    // Value transfer and the list handlers (frmQF8200EchoTransfer.cpp).
    std::optional<QString> Compose(int index);
    std::optional<QString> ComposeEvalMethod();
    std::optional<QString> ComposeMCount();
    std::optional<QString> ComposeNCount();
    void ShowOptionBits(const ParamRec& rec);
    void ShowTeachInMode(const ParamRec& rec);
    void ShowSensitivity(const ParamRec& rec);
    void ShowBeamWidth(const ParamRec& rec);
    void LayoutEvalMethod();
    void LayoutOutputMode(int output);
    void LayoutAnalogMode();
    // The commit of a changed value to the sensor with its read-back, and the
    // display update.
    void WriteToSensor(int index, const QString& value);
    // Locks or unlocks the sound-beam controls; locking returns the one of
    // them that had the focus (it has none while they are locked).
    QWidget* LockBeamControls(bool locked);
    void chkUseTeachInAnalog_Click();

    // Sound-beam controls (frmQF8200EchoBeam.cpp).
    void ShowSensPanel(int index);
    void rdSens_Click(int index);
    void cmbSens_Click();
    // A width list takes no click while the whole table is shown either; it
    // then shows its record's value again.
    bool WidthListTakesClick(int id);
    void cmbRange_Click();
    void cmbSonicWidth_Click();
    void slideSens_Scroll();
    void slideRange_Scroll();
    void slideSonicWidth_Scroll();
    void slideSens_Change();
    void slideRange_Change();
    void slideSonicWidth_Change();
    void UpdateBeamShapes();
    void UpdateSensShapes();
    void CommitPendingBeam();

    // The evaluation-method list in the current language and variant.
    void FillEvalMethod();

    // The display window's True, and its markers of the outputs' second
    // switch points.
    static constexpr int DisplayTrue = -1;
    static constexpr int SecondPointOfOutput1 = 2;
    static constexpr int SecondPointOfOutput2 = 4;

    EchoModel echo_;
    EchoCellAccess cells_;
    bool fillingAll_ = false;
    bool beamWriting_ = false;
    // The line typed last was refused by the input rules and not sent: its
    // answer says so, and nothing is read again for it.
    bool typedRefused_ = false;
    // Requests to the sensor in progress; the timer commits nothing meanwhile.
    int sensorWork_ = 0;
    class SensorWork {
    public:
        explicit SensorWork(int& count) : count_(count) { ++count_; }
        ~SensorWork() { --count_; }
        SensorWork(const SensorWork&) = delete;
        SensorWork& operator=(const SensorWork&) = delete;

    private:
        int& count_;
    };

    long PendingSens = -1;
    long PendingRange = -1;
    long PendingSonicWidth = -1;
    long LastRangePos = 0;
    long LastSonicPos = 0;
    bool RangeChangeActive = false;
    bool SonicChangeActive = false;

    std::array<QPixmap, 3> OPMPictures;
    std::array<QPixmap, 3> OPMAnalogPictures;
};
