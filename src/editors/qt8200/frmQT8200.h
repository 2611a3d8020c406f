#pragma once
#include "editors/common/ParamEditorWindow.h"

#include <array>

class DipSwitchView;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

// The parameter editor of the QT8200 line: measurement, DIP switches, switch
// output 1, then switch output 2 or the analogue output (whichever the
// sensor has) and the evaluation method. A change is written to the sensor at
// once and the parameters that depend on it are read back. Controls carry the
// names and help ids of the original design.
class frmQT8200 : public ParamEditorWindow {
    Q_OBJECT
public:
    frmQT8200();

    void GetData(int item, QVariant& value) override;
    bool ValidPar(int item) override;
    void PrintData() override;
    void SetLanguage() override;

    void FillForm(ParamRec& rec) override;
    void PutData(int id, bool writeNow, std::optional<bool> third = std::nullopt) override;

    // The second output is the analogue one: the sensor rejected SD2.
    bool IsAnalogVariant() const;

    // Frames and their controls.
    QGroupBox* frameMeasurement;
    QGroupBox* frameDip;
    QGroupBox* frameSwitch1;
    QGroupBox* frameSwitch2;
    QGroupBox* frameAnalog;
    QGroupBox* frameEvalMethod;
    std::array<QGroupBox*, 1> Frame1{};

    QLabel* lblSound;
    QLineEdit* txtSound;
    std::array<QLabel*, 1> lblms{};
    QLabel* lblReferenceDis;
    QLineEdit* txtReferenceDis;
    QLabel* lblReferenceDisMM;
    QLabel* lblRandomTime;
    QComboBox* cmbRandomTime;
    QLabel* lblBurst;
    QLineEdit* txtBurst;
    std::array<QLabel*, 2> lblCycleTime{};
    QLabel* lblCycle;
    QLineEdit* txtCycle;

    QComboBox* cmbUseDip;
    DipSwitchView* picDips;
    std::array<QLabel*, 10> lblDipCount{};
    QLabel* lblDipOn;

    QLabel* lblSwitchDis11;
    QLineEdit* txtSwitchDis11;
    std::array<QLabel*, 2> lblSDis1{};
    QLabel* lblSwitchHys1;
    QLineEdit* txtSwitchHys1;
    QLabel* lblFilter1;
    QComboBox* cmbFilter1;
    QLabel* lblSwitchMode1;
    QComboBox* cmbSwitchMode1;

    QLabel* lblSwitchDis21;
    QLineEdit* txtSwitchDis21;
    std::array<QLabel*, 2> lblsdis2{};
    QLabel* lblSwitchHys2;
    QLineEdit* txtSwitchHys2;
    QLabel* lblFilter2;
    QComboBox* cmbFilter2;
    QLabel* lblSwitchMode2;
    QComboBox* cmbSwitchMode2;

    QLabel* lblNEvalDis;
    QLineEdit* txtNEvalDis;
    QLabel* lblNEvalUnit;
    QLabel* lblFEvalDis;
    QLineEdit* txtFEvalDis;
    QLabel* lblFEvalUnit;
    QLabel* lblFilterAnalog;
    QComboBox* cmbFilterAnalog;
    QLabel* lblFilterWindow = nullptr;   // the event filter looks at it while the window is still being built
    QLineEdit* txtFilterWindow;
    QLabel* lblFilterWindow1;

    QLabel* lblFiltertimeout;
    QLineEdit* txtFiltertimeout;
    QLabel* lblConFilter;
    QLineEdit* txtConFilter;
    QLabel* lblEvalMethod1;
    QComboBox* cmbEvalMethod1;
    QLabel* lblEvalMethod2;
    QComboBox* cmbEvalMethod2;
    QLabel* lblMeasureCount;
    QLineEdit* txtMeasureCount;

protected:
    std::vector<ParamRow> TableRows() const override;
    void SetupDisplayWindow() override;
    bool StoreRecallEnabled() const override { return false; }
    std::vector<QComboBox*> ComboHelpOrder() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building the window (frmQT8200Controls.cpp).
    void BuildMeasurement();
    void BuildDip();
    void BuildSwitch1();
    void BuildSwitch2();
    void BuildAnalog();
    void BuildEvalMethod();
    void BindControls();
    void BindHelp();

    // The list handlers that do more than commit their record.
    void cmbFilter1_Click();
    void cmbEvalMethod2_Click();
    void LayoutMeasureCount();

    // FillForm's parts (frmQT8200Transfer.cpp).
    void ShowVariant();
    void ShowDipUse();
    void ShowFilter(int record);
    void ShowEvalMethod(const QString& value);
    // The value of a record from its controls; nothing when it cannot be
    // written. EM's two fields also come back as the parts to write.
    struct Composed {
        QString value;
        QStringList parts;
    };
    std::optional<Composed> Compose(int record);

    bool IsValid(int record) const;
};
