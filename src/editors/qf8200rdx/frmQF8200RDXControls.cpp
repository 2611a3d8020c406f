// Building frmQF8200RDX: frames at their design places (twips), the controls
// inside them in rows, and the bindings of every control to the editor rules.
#include "editors/common/EditorControls.h"
#include "editors/common/Twips.h"
#include "editors/qf8200rdx/EvaluationLimits.h"
#include "editors/qf8200rdx/QF8200RDXTable.h"
#include "editors/qf8200rdx/QF8200RDXValues.h"
#include "editors/qf8200rdx/frmQF8200RDX.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using namespace QF8200RDX;
using namespace EditorControls;

namespace {

// Rows inside a frame, in pixels, the first below the frame's caption.
constexpr int RowHeight = 17;
int row(int n) { return 15 + 20 * n; }

// Columns of the left frames (label, value, unit) and of the narrower
// frames of the middle and right columns.
constexpr RowColumns Left = NarrowFrameColumns(RowHeight);
constexpr int LabelX = 6, LabelW = 96, ValueX = 104, ValueW = 50, UnitX = 158, UnitW = 30;

constexpr RowColumns Right = {LabelX, LabelW, ValueX, ValueW, UnitX, UnitW, RowHeight};

// A label's text a little lower than a list's top, so that both read as one row.
constexpr int ListLabelDrop = 2;

// The names that differ between the three switch outputs.
struct OutputDesign {
    const char* frame;
    const char* caption;
    QRect twips;
    const char* pointLabel;
    const char* pointCaption;
    const char* unitArray;
    int pointId, hysteresisId, modeId, failSafeId;
};
const OutputDesign OutputDesigns[] = {
    {"frameSwitch1", "Schaltausgang 1", {3420, 60, 2895, 1575}, "lblSwitchDis11", "Schaltpunkt ", "lblSDis1", IdSD1,
     IdSH1, IdOM, IdFailSafe1},
    {"frameSwitch2", "Schaltausgang 2", {6360, 60, 2895, 1575}, "lblSwitchDis21", "Schaltpunkt", "lblsdis2", IdSD2,
     IdSH2, IdSwitchMode2, IdFailSafe2},
    {"frameSwitch3", "Schaltausgang 3", {3420, 1680, 2895, 1575}, "lblSwitchDis31", "Schaltpunkt", "lblsdis3", IdSD3,
     IdSH3, IdSwitchMode3, IdFailSafe3},
};

QByteArray numbered(const char* name, int n) { return QByteArray(name) + QByteArray::number(n); }

}  // namespace

frmQF8200RDX::frmQF8200RDX()
    : CompensatedEditorWindow(QStringLiteral("frmQF8200RDX"), TableUpperBound, QF8200RDX::TableRows, SharedIds,
                              QF8200RDXValues::ShowEvalMethod) {
    setWindowTitle(QStringLiteral("QF8200RDX"));

    BuildMeasurement();
    BuildEvaluate();
    BuildInclination();
    BuildSwitchOutputs();
    BuildAnalog();
    BuildError();
    BuildMainApplication();
    BuildEvalMethod();

    SetSizeFrames(Outputs[1].frame, frameEvalMethod, frameMeasurement);
    SetTabOrder();
    BindControls();
    BindHelp();

    // After a complete read the limit search reads up to twelve EEPROM
    // cells. The progress window gives it ten steps (one of them the step the
    // model counts beyond the records); steps past its end are ignored.
    // Cells read while answers were shifted, twice, give the limits a sensor
    // without a place that counts has.
    Model().SetAfterSensorRead(9, [this](TransferProgress& progress) { EepromCellRead(progress); },
                               [this] {
                                   MINRELDIS = EvaluationLimits::DefaultLower;
                                   MAXRELDIS = EvaluationLimits::DefaultUpper;
                               });
    // A full write goes through once started: half a parameter set written
    // leaves the sensor in a state nobody chose.
    Model().SetSensorWriteCancellable(false);
}

void frmQF8200RDX::BuildMeasurement() {
    BuildMeasurementFrame({60, 60, 3315, 2535}, Left,
                          {.sound = 15, .sound0 = 33, .offset = 60, .temperature = 78, .reference = 96, .burst = 124,
                           .cycle = 144});
    Frame1[0] = MakeSeparator(frameMeasurement, 0, Twips::Rect(60, 780, 3195, 75));
    Frame1[1] = MakeSeparator(frameMeasurement, 1, Twips::Rect(60, 1740, 3195, 75));
    // The velocities and the offset the sensor computed stand out in blue.
    for (QLabel* display : {lbSound, lbTemperatureOffset}) {
        QPalette palette = display->palette();
        palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
        display->setPalette(palette);
    }
}

void frmQF8200RDX::BuildEvaluate() { BuildEvaluateFrame({60, 2640, 3315, 1155}, Left, {row(0), row(1), row(2)}); }

void frmQF8200RDX::BuildInclination() {
    frameInclination = MakeFrame(this, "frameInclination", "Neigungsschalter", {60, 3840, 3315, 1455});
    QWidget* f = frameInclination;
    cmbInclination = MakeList(f, "cmbInclination", {"Aktiv", "Inaktiv"}, Twips::Rect(120, 240, 1635, 315));
    constexpr int OnY = 44, OffY = 66;
    lblInclinationOn = MakeLabel(f, "lblInclinationOn", "Einschaltverzögerung", Left.Label(OnY));
    txtInclinationOn = MakeTextBox(f, "txtInclinationOn", Left.Value(OnY));
    txtInclinationOn->setText(QStringLiteral("2000"));
    lblInclinationTime[0] = MakeArrayLabel(f, "lblInclinationTime", 0, "ms", Left.Unit(OnY));
    lblInclinationOff = MakeLabel(f, "lblInclinationOff", "Ausschaltverzögerung", Left.Label(OffY));
    txtInclinationOff = MakeTextBox(f, "txtInclinationOff", Left.Value(OffY));
    txtInclinationOff->setText(QStringLiteral("100"));
    lblInclinationTime[1] = MakeArrayLabel(f, "lblInclinationTime", 1, "ms", Left.Unit(OffY));
}

void frmQF8200RDX::BuildSwitchOutputs() {
    for (int n = 1; n <= 3; ++n) {
        const OutputDesign& design = OutputDesigns[n - 1];
        SwitchOutput& o = Outputs[size_t(n - 1)];
        o.frame = MakeFrame(this, design.frame, design.caption, design.twips);
        QWidget* f = o.frame;
        o.lblSwitchDis = MakeLabel(f, design.pointLabel, design.pointCaption, Right.Label(row(0)));
        o.txtSwitchDis = MakeTextBox(f, numbered("txtSwitchDis", n * 10 + 1).constData(), Right.Value(row(0)));
        o.units[0] = MakeArrayLabel(f, design.unitArray, 0, "mm", Right.Unit(row(0)));
        o.lblSwitchHys = MakeLabel(f, numbered("lblSwitchHys", n).constData(), "Schalthysterese", Right.Label(row(1)));
        o.txtSwitchHys = MakeTextBox(f, numbered("txtSwitchHys", n).constData(), Right.Value(row(1)));
        o.units[1] = MakeArrayLabel(f, design.unitArray, 1, "%", Right.Unit(row(1)));
        o.cmbSwitchMode = MakeList(f, numbered("cmbSwitchMode", n).constData(), {"Schließer", "Öffner", "Inaktiv"},
                               Twips::Rect(1560, 840, 1275, 315));
        o.lblSwitchMode = MakeLabel(f, numbered("lblSwitchMode", n).constData(), "Schaltmodus",
                                Right.Label(o.cmbSwitchMode->y() + ListLabelDrop));
        o.cmbFailSafe =
            MakeList(f, numbered("cmbFailSafe", n).constData(), {"0", "1", "2"}, Twips::Rect(1560, 1160, 795, 315));
        o.lblFailSafe = MakeLabel(f, numbered("lblFailSafe", n).constData(), "Störverhalten",
                              Right.Label(o.cmbFailSafe->y() + ListLabelDrop));
    }
}

void frmQF8200RDX::BuildAnalog() {
    frameAnalog = MakeFrame(this, "frameAnalog", "Analogausgang", {6360, 1680, 2895, 1575});
    QWidget* f = frameAnalog;
    lblNEvalDis = MakeLabel(f, "lblNEvalDis", "Nahe Grenze", Right.Label(row(0)));
    txtNEvalDis = MakeTextBox(f, "txtNEvalDis", Right.Value(row(0)));
    lblNEvalUnit = MakeLabel(f, "lblNEvalUnit", "mm", Right.Unit(row(0)));
    lblFEvalDis = MakeLabel(f, "lblFEvalDis", "Ferne Grenze", Right.Label(row(1)));
    txtFEvalDis = MakeTextBox(f, "txtFEvalDis", Right.Value(row(1)));
    lblFEvalUnit = MakeLabel(f, "lblFEvalUnit", "mm", Right.Unit(row(1)));
    lblFailCurrent = MakeLabel(f, "lblFailCurrent", "Fehlerstrom", Right.Label(row(2)));
    txtFailCurrent = MakeTextBox(f, "txtFailCurrent", Right.Value(row(2)));
    lblFailCurrent1 = MakeLabel(f, "lblFailCurrent1", "mA", Right.Unit(row(2)));
}

void frmQF8200RDX::BuildError() {
    frameError = MakeFrame(this, "frameError", "Störverhalten", {3420, 3300, 2895, 795});
    cmbEchoError = MakeList(frameError, "cmbEchoError", {"kein Fehler", "Fehler"}, Twips::Rect(1440, 300, 1395, 288));
    lblEchoError = MakeLabel(frameError, "lblEchoError", "Kein Echo",
                         {LabelX, cmbEchoError->y() + ListLabelDrop, cmbEchoError->x() - LabelX - 2, RowHeight});
}

void frmQF8200RDX::BuildMainApplication() {
    frameMainApplication = MakeFrame(this, "frameMainApplication", "Hauptanwendung", {6360, 3300, 2895, 795});
    cmbMainApplication = MakeList(frameMainApplication, "cmbMainApplication", {"Analogausgabe", "Schaltfunktion"},
                              Twips::Rect(240, 300, 2475, 315));
}

void frmQF8200RDX::BuildEvalMethod() {
    // The method fields' first row: labels at 1920, 240 and boxes at 3660,
    // 180 twips.
    const QRect box = Twips::Rect(3660, 180, 750, 285);
    BuildEvalMethodFrame({3420, 4140, 5835, 1155}, {.list = Twips::Rect(120, 240, 1635, 315),
                                                     .label = Twips::Rect(1920, 240, 3660 - 1920 - 60, 255),
                                                     .box = box,
                                                     .percent = box.translated(box.width() + 3, 0),
                                                     .rowStep = 21});
}

void frmQF8200RDX::SetTabOrder() {
    const EvalMethodFields& m = MethodFields;
    QWidget* const order[] = {
        txtSound, txtTemperature, txtReferenceDis, txtBurst, txtCycle, txtFiltertimeout, txtConFilter,
        txtBlindrange, cmbInclination, txtInclinationOn, txtInclinationOff,
        Outputs[0].txtSwitchDis, Outputs[0].txtSwitchHys, Outputs[0].cmbSwitchMode, Outputs[0].cmbFailSafe,
        Outputs[1].txtSwitchDis, Outputs[1].txtSwitchHys, Outputs[1].cmbSwitchMode, Outputs[1].cmbFailSafe,
        Outputs[2].txtSwitchDis, Outputs[2].txtSwitchHys, Outputs[2].cmbSwitchMode, Outputs[2].cmbFailSafe,
        txtNEvalDis, txtFEvalDis, txtFailCurrent, cmbEchoError, cmbMainApplication, cmbEvalMethod,
        m.txtWeight, m.txtThreshold, m.txtDiff, m.txtMCount, m.txtNCount,
    };
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void frmQF8200RDX::BindControls() {
    BindSharedControls();
    for (auto [box, id] : std::initializer_list<std::pair<QLineEdit*, int>>{{txtNEvalDis, IdNDE}, {txtFEvalDis, IdFDE}})
        BindTextBox(box, id, id);
    // Parts of a composite value commit the record they belong to.
    BindTextBox(txtFailCurrent, IdFailCurrent, IdFSF);
    BindTextBox(txtInclinationOn, IdInclinationOn, IdUIS);
    BindTextBox(txtInclinationOff, IdInclinationOff, IdUIS);

    for (size_t i = 0; i < Outputs.size(); ++i) {
        const OutputDesign& design = OutputDesigns[i];
        BindTextBox(Outputs[i].txtSwitchDis, design.pointId, design.pointId);
        BindTextBox(Outputs[i].txtSwitchHys, design.hysteresisId, design.hysteresisId);
        BindList(Outputs[i].cmbSwitchMode, design.modeId, [this] { CommitUnlessBusy(IdOM); });
        BindList(Outputs[i].cmbFailSafe, design.failSafeId, [this] { CommitUnlessBusy(IdFSF); });
    }
    for (auto [list, id] : std::initializer_list<std::pair<QComboBox*, int>>{
             {cmbEchoError, IdNEF}, {cmbInclination, IdUIS}, {cmbMainApplication, IdMA}})
        BindList(list, id, [this, id = id] { CommitUnlessBusy(id); });
}

void frmQF8200RDX::BindHelp() {
    // The bare area of these frames (and of the shared ones) clears the help
    // line; the other frames leave the last text standing.
    for (QWidget* frame : {Outputs[0].frame, Outputs[1].frame, frameAnalog}) BindFrameHelp(frame, 0);

    for (auto [control, target] : std::initializer_list<std::pair<QWidget*, QWidget*>>{
             {lblInclinationOn, txtInclinationOn}, {lblInclinationTime[0], txtInclinationOn},
             {lblInclinationOff, txtInclinationOff}, {lblInclinationTime[1], txtInclinationOff},
             {lblNEvalDis, txtNEvalDis}, {lblNEvalUnit, txtNEvalDis}, {lblFEvalDis, txtFEvalDis},
             {lblFEvalUnit, txtFEvalDis}, {lblFailCurrent, txtFailCurrent}, {lblFailCurrent1, txtFailCurrent},
             {lblEchoError, cmbEchoError}})
        BindHoverHelp(control, target);
    for (const SwitchOutput& o : Outputs) {
        for (auto [control, target] : std::initializer_list<std::pair<QWidget*, QWidget*>>{
                 {o.lblSwitchDis, o.txtSwitchDis}, {o.units[0], o.txtSwitchDis}, {o.lblSwitchHys, o.txtSwitchHys},
                 {o.units[1], o.txtSwitchHys}, {o.lblSwitchMode, o.cmbSwitchMode}, {o.lblFailSafe, o.cmbFailSafe}})
            BindHoverHelp(control, target);
    }
}
