#pragma once
#include "editors/common/CompensatedTable.h"
#include "editors/common/EditorControls.h"
#include "editors/common/EvalMethod.h"
#include "editors/common/ParamEditorWindow.h"

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

// The editor window of the lines that correct the sound velocity for the
// temperature (QF8200, QF8200RDX). Both show their leading records
// (CompensatedTable), the reference distance and the evaluation method with
// the same controls: the measurement frame, the filter rows that open the
// evaluation frame and the evaluation-method frame. This window builds,
// binds, fills, composes and prints those; an editor places them, adds its
// own controls and shows and composes its own records.
class CompensatedEditorWindow : public ParamEditorWindow {
    Q_OBJECT
public:
    void FillForm(ParamRec& rec) final;
    void PutData(int id, bool writeNow) final;

    QGroupBox* frameMeasurement;
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
    QLabel* lblCycle;
    QLineEdit* txtCycle;
    // Element 2 is the cycle's unit; a line whose burst field has a unit
    // makes elements 0 and 1 for it.
    std::array<QLabel*, 3> lblCycleTime{};

    QGroupBox* frameEvaluate;
    QLabel* lblFiltertimeout;
    QLineEdit* txtFiltertimeout;
    QLabel* lblConFilter;
    QLineEdit* txtConFilter;
    QLabel* lblBlindrange;
    QLineEdit* txtBlindrange;
    QLabel* lblMMBlindrange;

    QGroupBox* frameEvalMethod;
    QComboBox* cmbEvalMethod;
    EvalMethodFields MethodFields{};

protected:
    // How the line's sensors write the evaluation method.
    using ShowEvalMethodFunction = EvalMethod::Shown (*)(const QString& value);
    CompensatedEditorWindow(const QString& windowName, int tableUpperBound, TableRowsFunction tableRows,
                            const CompensatedTable::Ids& ids, ShowEvalMethodFunction showEvalMethod);

    // Building the shared frames at an editor's places: the frame in twips,
    // the rows by their tops in pixels of the frame.
    struct MeasurementTops {
        int sound, sound0, offset, temperature, reference, burst, cycle;
    };
    void BuildMeasurementFrame(QRect twips, const EditorControls::RowColumns& columns, const MeasurementTops& tops);
    // Filter timeout, conservative filter and blind range.
    void BuildEvaluateFrame(QRect twips, const EditorControls::RowColumns& columns, const std::array<int, 3>& tops);
    // The method fields' first row (label, box, percent sign); row n lies
    // rowStep * n lower.
    struct EvalMethodPlaces {
        QRect list, label, box, percent;
        int rowStep;
    };
    void BuildEvalMethodFrame(QRect twips, const EvalMethodPlaces& places);
    // The editor rules and quick help of the shared controls; after the
    // editor made all of its controls.
    void BindSharedControls();

    // The captions SetLanguage translates.
    std::vector<QWidget*> SharedCaptions() const;
    // The parameter sheet's measurement and evaluation sections as far as
    // the shared controls go, and the evaluation method's section.
    void PrintMeasurement();
    void PrintEvalMethod();

    // An editor's own records: shown while the window fills its controls,
    // composed for a commit (nothing when what the controls hold cannot be
    // written).
    virtual void ShowOwnRecord(const ParamRec& rec) = 0;
    virtual std::optional<QString> ComposeRecord(int index) const = 0;
    // Whether a commit of the record does anything; the computed sound
    // velocity and temperature offset never commit.
    virtual bool Commits(int) const { return true; }
    // A switch point the display window draws: a write of it redraws the display.
    virtual bool IsSwitchPoint(int id) const = 0;

private:
    bool ShowShared(const ParamRec& rec);
    std::optional<QString> Compose(int index) const;
    void ShowEvalMethod(const EvalMethod::Shown& shown);
    void cmbEvalMethod_Click();
    // The field of a leading record that holds a plain whole number; none for other records.
    QLineEdit* NumberBox(int id) const;

    CompensatedTable::Ids ids_;
    ShowEvalMethodFunction showEvalMethod_;
};
