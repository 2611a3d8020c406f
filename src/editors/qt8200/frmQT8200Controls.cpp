// Building frmQT8200: frames at their design places (twips), the controls
// inside them in rows, and the bindings of every control to the editor rules.
#include "editors/common/EditorControls.h"
#include "editors/common/Twips.h"
#include "editors/qt8200/QT8200Table.h"
#include "editors/qt8200/frmQT8200.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using namespace EditorControls;
using namespace QT8200;

namespace {

// Rows inside a frame, in pixels, the first below the frame's caption.
constexpr int RowHeight = 18;
int row(int n) { return 16 + 22 * n; }

// Columns of the narrow left frames: label, value, unit; a list in the
// value's place is wider.
constexpr RowColumns Left = NarrowFrameColumns(RowHeight);
constexpr int LeftListW = 90;
// Columns of the wide right frames: a field group (label, value, unit) and a
// list group (label, list or value and unit). The field labels' column holds
// the longest, "Konservatives Filter", with a clear gap before its value.
constexpr int FieldLabelX = 6, FieldLabelW = 106, FieldValueX = 114, FieldValueW = 56, FieldUnitX = 173, FieldUnitW = 24;
constexpr int ListLabelX = 200, ListLabelW = 88, ListX = 290, ListW = 92, ListUnitX = 350;

constexpr RowColumns Field = {FieldLabelX, FieldLabelW, FieldValueX, FieldValueW, FieldUnitX, FieldUnitW, RowHeight};
constexpr RowColumns List = {ListLabelX, ListLabelW, ListX, ListW, ListUnitX, FieldUnitW, RowHeight};

const std::initializer_list<const char*> FilterItems = {"inaktiv", "aktiv"};
const std::initializer_list<const char*> SwitchModeItems = {"Schließer", "Öffner"};

}  // namespace

frmQT8200::frmQT8200() : ParamEditorWindow(QStringLiteral("frmQT8200"), TableUpperBound, QT8200::TableRows) {
    setWindowTitle(QStringLiteral("Parameter QT8200"));

    BuildMeasurement();
    BuildDip();
    BuildSwitch1();
    BuildSwitch2();
    BuildAnalog();
    BuildEvalMethod();
    // Switch output 2 and the analogue output share one place; the sensor's
    // variant decides which shows (until it is known: the switch output).
    frameAnalog->hide();

    SetSizeFrames(frameSwitch1, frameDip, frameMeasurement);
    BindControls();
    BindHelp();
}

void frmQT8200::BuildMeasurement() {
    frameMeasurement = MakeFrame(this, "frameMeasurement", "Messung", {60, 60, 3315, 2775});
    QWidget* f = frameMeasurement;
    lblSound = MakeLabel(f, "lblSound", "Schallgeschwindigkeit", Left.Label(row(0)));
    txtSound = MakeTextBox(f, "txtSound", Left.Value(row(0)));
    lblms[0] = MakeArrayLabel(f, "lblms", 0, "m/s", Left.Unit(row(0)));
    lblReferenceDis = MakeLabel(f, "lblReferenceDis", "Referenz Distanz", Left.Label(row(1)));
    txtReferenceDis = MakeTextBox(f, "txtReferenceDis", Left.Value(row(1)));
    lblReferenceDisMM = MakeLabel(f, "lblReferenceDisMM", "mm", Left.Unit(row(1)));
    // The calibration above the line, the timing below it.
    Frame1[0] = MakeSeparator(f, 0, Twips::Rect(60, 960, 3195, 75));
    const int randomY = 74, burstY = randomY + 22, cycleY = burstY + 22;
    lblRandomTime = MakeLabel(f, "lblRandomTime", "Zufallspause", Left.Label(randomY));
    cmbRandomTime = MakeList(f, "cmbRandomTime", {"Nein", "Ja"}, {Left.valueX, randomY, LeftListW, RowHeight});
    lblBurst = MakeLabel(f, "lblBurst", "Taktzeit", Left.Label(burstY));
    txtBurst = MakeTextBox(f, "txtBurst", Left.Value(burstY));
    // The design draws "m" in the Symbol font, which shows a micro sign; the
    // sheet prints the letter (Offset Zykluszeit ... "ms").
    lblCycleTime[0] = MakeArrayLabel(f, "lblCycleTime", 0, "µ", {Left.unitX, burstY, 9, RowHeight});
    lblCycleTime[0]->setProperty("symbolCaption", QStringLiteral("m"));
    lblCycleTime[1] = MakeArrayLabel(f, "lblCycleTime", 1, "s", {Left.unitX + 9, burstY, 12, RowHeight});
    lblCycle = MakeLabel(f, "lblCycle", "Offset Zykluszeit", Left.Label(cycleY));
    txtCycle = MakeTextBox(f, "txtCycle", Left.Value(cycleY));
}

void frmQT8200::BuildDip() {
    frameDip = MakeFrame(this, "frameDip", "DIP-Schalter", {60, 3780, 3315, 1515});
    cmbUseDip = MakeList(frameDip, "cmbUseDip", {"Inaktiv", "Aktiv"}, {Left.labelX, row(0), LeftListW, RowHeight});
    const DipSwitchPicture dips = MakeDipSwitchPicture(frameDip, {40, row(1) + 4}, 14);
    picDips = dips.picDips;
    lblDipOn = dips.lblDipOn;
    lblDipCount = dips.lblDipCount;
}

void frmQT8200::BuildSwitch1() {
    frameSwitch1 = MakeFrame(this, "frameSwitch1", "Schaltausgang 1", {3480, 60, 5835, 1095});
    QWidget* f = frameSwitch1;
    lblSwitchDis11 = MakeLabel(f, "lblSwitchDis11", "Schaltpunkt ", Field.Label(row(0)));
    txtSwitchDis11 = MakeTextBox(f, "txtSwitchDis11", Field.Value(row(0)));
    lblSDis1[0] = MakeArrayLabel(f, "lblSDis1", 0, "mm", Field.Unit(row(0)));
    lblSwitchHys1 = MakeLabel(f, "lblSwitchHys1", "Schalthysterese", Field.Label(row(1)));
    txtSwitchHys1 = MakeTextBox(f, "txtSwitchHys1", Field.Value(row(1)));
    lblSDis1[1] = MakeArrayLabel(f, "lblSDis1", 1, "%", Field.Unit(row(1)));
    lblSwitchMode1 = MakeLabel(f, "lblSwitchMode1", "Schaltmodus", List.Label(row(0)));
    cmbSwitchMode1 = MakeList(f, "cmbSwitchMode1", SwitchModeItems, List.Value(row(0)));
    lblFilter1 = MakeLabel(f, "lblFilter1", "Filter", List.Label(row(1)));
    cmbFilter1 = MakeList(f, "cmbFilter1", FilterItems, List.Value(row(1)));
}

void frmQT8200::BuildSwitch2() {
    frameSwitch2 = MakeFrame(this, "frameSwitch2", "Schaltausgang 2", {3480, 1740, 5835, 1095});
    QWidget* f = frameSwitch2;
    lblSwitchDis21 = MakeLabel(f, "lblSwitchDis21", "Schaltpunkt ", Field.Label(row(0)));
    txtSwitchDis21 = MakeTextBox(f, "txtSwitchDis21", Field.Value(row(0)));
    lblsdis2[0] = MakeArrayLabel(f, "lblsdis2", 0, "mm", Field.Unit(row(0)));
    lblSwitchHys2 = MakeLabel(f, "lblSwitchHys2", "Schalthysterese", Field.Label(row(1)));
    txtSwitchHys2 = MakeTextBox(f, "txtSwitchHys2", Field.Value(row(1)));
    lblsdis2[1] = MakeArrayLabel(f, "lblsdis2", 1, "%", Field.Unit(row(1)));
    lblSwitchMode2 = MakeLabel(f, "lblSwitchMode2", "Schaltmodus", List.Label(row(0)));
    cmbSwitchMode2 = MakeList(f, "cmbSwitchMode2", SwitchModeItems, List.Value(row(0)));
    lblFilter2 = MakeLabel(f, "lblFilter2", "Filter", List.Label(row(1)));
    cmbFilter2 = MakeList(f, "cmbFilter2", FilterItems, List.Value(row(1)));
}

void frmQT8200::BuildAnalog() {
    frameAnalog = MakeFrame(this, "frameAnalog", "Analogausgang", {3480, 1740, 5835, 1095});
    QWidget* f = frameAnalog;
    lblNEvalDis = MakeLabel(f, "lblNEvalDis", "Nahe Grenze", Field.Label(row(0)));
    txtNEvalDis = MakeTextBox(f, "txtNEvalDis", Field.Value(row(0)));
    lblNEvalUnit = MakeLabel(f, "lblNEvalUnit", "mm", Field.Unit(row(0)));
    lblFEvalDis = MakeLabel(f, "lblFEvalDis", "Ferne Grenze", Field.Label(row(1)));
    txtFEvalDis = MakeTextBox(f, "txtFEvalDis", Field.Value(row(1)));
    lblFEvalUnit = MakeLabel(f, "lblFEvalUnit", "mm", Field.Unit(row(1)));
    lblFilterAnalog = MakeLabel(f, "lblFilterAnalog", "Filter", List.Label(row(0)));
    cmbFilterAnalog = MakeList(f, "cmbFilterAnalog", FilterItems, List.Value(row(0)));
    lblFilterWindow = MakeLabel(f, "lblFilterWindow", "Fenster", List.Label(row(1)));
    txtFilterWindow = MakeTextBox(f, "txtFilterWindow", {ListX, row(1), FieldValueW, RowHeight});
    lblFilterWindow1 = MakeLabel(f, "lblFilterWindow1", "%", List.Unit(row(1)));
}

void frmQT8200::BuildEvalMethod() {
    frameEvalMethod = MakeFrame(this, "frameEvalMethod", "Auswertemethode", {3480, 3480, 5835, 1815});
    QWidget* f = frameEvalMethod;
    lblFiltertimeout = MakeLabel(f, "lblFiltertimeout", "Filter Timeout", Field.Label(row(0)));
    txtFiltertimeout = MakeTextBox(f, "txtFiltertimeout", Field.Value(row(0)));
    lblConFilter = MakeLabel(f, "lblConFilter", "Konservatives Filter", Field.Label(row(1)));
    txtConFilter = MakeTextBox(f, "txtConFilter", Field.Value(row(1)));
    lblEvalMethod1 = MakeLabel(f, "lblEvalMethod1", "Auswertung 1", List.Label(row(0)));
    cmbEvalMethod1 = MakeList(f, "cmbEvalMethod1", {"Keine", "Dynamisch", "Bewertet"}, List.Value(row(0)));
    lblEvalMethod2 = MakeLabel(f, "lblEvalMethod2", "Auswertung 2", List.Label(row(1)));
    cmbEvalMethod2 = MakeList(f, "cmbEvalMethod2", {"Keine", "Statisch", "Mittelnd"}, List.Value(row(1)));
    lblMeasureCount = MakeLabel(f, "lblMeasureCount", "Messwerte", List.Label(row(2)));
    txtMeasureCount = MakeTextBox(f, "txtMeasureCount", {ListX, row(2), FieldValueW, RowHeight});
}

void frmQT8200::BindControls() {
    for (auto [box, id] : std::initializer_list<std::pair<QLineEdit*, int>>{
             {txtSound, IdVS}, {txtBurst, IdCBT}, {txtCycle, IdCCT}, {txtSwitchDis11, IdSD1},
             {txtSwitchHys1, IdSH1}, {txtSwitchDis21, IdSD2}, {txtSwitchHys2, IdSH2}, {txtNEvalDis, IdNDE},
             {txtFEvalDis, IdFDE}, {txtFilterWindow, IdFW}, {txtFiltertimeout, IdFTO}, {txtConFilter, IdCON}})
        BindTextBox(box, id, id);
    // The count is part of the evaluation method's value.
    BindTextBox(txtMeasureCount, IdMeasureCount, IdEM);
    // The reference distance cannot be read back: its box stays empty, keeps
    // the caret where it is, and leaving it empty writes nothing.
    BindTextBox(txtReferenceDis, IdREF, IdREF, Focus::KeepCaret, Blank::DoesNotCommit);

    for (auto [list, id, commits] : std::initializer_list<std::tuple<QComboBox*, int, int>>{
             {cmbRandomTime, IdRT, IdRT}, {cmbUseDip, IdUDS, IdUDS}, {cmbSwitchMode1, IdOM, IdOM},
             {cmbSwitchMode2, IdSwitchMode2, IdOM}, {cmbFilter2, IdFA2, IdFA2}, {cmbFilterAnalog, IdFilterAnalog, IdFA1},
             {cmbEvalMethod1, IdEM, IdEM}})
        BindList(list, id, [this, commits = commits] { CommitUnlessBusy(commits); });
    BindList(cmbFilter1, IdFA1, [this] { cmbFilter1_Click(); });
    BindList(cmbEvalMethod2, IdEvalMethod2, [this] { cmbEvalMethod2_Click(); });
}

void frmQT8200::BindHelp() {
    for (QWidget* frame : {frameMeasurement, frameSwitch1, frameSwitch2, frameAnalog, frameEvalMethod})
        BindFrameHelp(frame, 0);
    BindFrameHelp(frameDip, cmbUseDip);

    for (QWidget* control : {lblSound, lblms[0]}) BindHoverHelp(control, IdSoundVelocityNote);
    for (auto [control, target] : std::initializer_list<std::pair<QWidget*, QWidget*>>{
             {lblReferenceDis, txtReferenceDis}, {lblReferenceDisMM, txtReferenceDis},
             {lblRandomTime, cmbRandomTime}, {lblBurst, txtBurst}, {lblCycle, txtCycle},
             {lblCycleTime[0], txtCycle}, {lblCycleTime[1], txtCycle}, {lblSwitchDis11, txtSwitchDis11},
             {lblSDis1[0], txtSwitchDis11}, {lblSwitchHys1, txtSwitchHys1}, {lblSDis1[1], txtSwitchHys1},
             {lblSwitchMode1, cmbSwitchMode1}, {lblFilter1, cmbFilter1}, {lblSwitchDis21, txtSwitchDis21},
             {lblsdis2[0], txtSwitchDis21}, {lblSwitchHys2, txtSwitchHys2}, {lblsdis2[1], txtSwitchHys2},
             {lblSwitchMode2, cmbSwitchMode2}, {lblFilter2, cmbFilter2}, {lblFilterAnalog, cmbFilterAnalog},
             {lblNEvalDis, txtNEvalDis}, {lblNEvalUnit, txtNEvalDis}, {lblFEvalDis, txtFEvalDis},
             {lblFEvalUnit, txtFEvalDis}, {lblEvalMethod1, cmbEvalMethod1}, {lblEvalMethod2, cmbEvalMethod2},
             {lblMeasureCount, txtMeasureCount}, {lblFiltertimeout, txtFiltertimeout}, {lblConFilter, txtConFilter}})
        BindHoverHelp(control, target);
    // Its help comes on a click (eventFilter), not while the mouse passes.
    lblFilterWindow->installEventFilter(this);
}
