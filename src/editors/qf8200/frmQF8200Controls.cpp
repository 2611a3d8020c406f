// Building frmQF8200: frames at their design places (twips), the controls
// inside them in rows, and the bindings of every control to the editor rules.
#include "editors/common/EditorControls.h"
#include "editors/common/OperatingModePictures.h"
#include "editors/common/Twips.h"
#include "editors/qf8200/QF8200Table.h"
#include "editors/qf8200/QF8200Values.h"
#include "editors/qf8200/frmQF8200.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using namespace EditorControls;
using namespace QF8200;

namespace {

// Rows inside a frame, in pixels, the first below the frame's caption. The
// frames of the right column hold their rows closer: the second output's
// three rows must end above the error-LED frame, which lies over the lower
// part of that frame's place.
constexpr int RowHeight = 18;
int row(int n) { return 15 + 20 * n; }
constexpr int TightHeight = 15;
int tightRow(int n) { return 12 + 16 * n; }

// Columns of the narrow left frames (label, value, unit) and of the wide
// right frames (a label-value-unit group, a label-list group and the
// operating-mode picture). The operating-mode list is the longest: it has
// the third row to itself, below the picture. Each caption ends a clear gap
// before its field or list.
constexpr RowColumns Left = NarrowFrameColumns(RowHeight);
constexpr int FieldLabelX = 6, FieldLabelW = 86, FieldValueX = 94, FieldValueW = 40, FieldUnitX = 136, FieldUnitW = 20;
constexpr int ListLabelX = 160, ListLabelW = 69, ListX = 231, ListW = 95, ModeListW = 141;
constexpr int ModeRow = 2;

constexpr RowColumns Field = {FieldLabelX, FieldLabelW, FieldValueX, FieldValueW, FieldUnitX, FieldUnitW, TightHeight};
QRect listLabel(int n) { return {ListLabelX, tightRow(n), ListLabelW, TightHeight}; }
QRect list(int n, int width = ListW) { return {ListX, tightRow(n), width, TightHeight}; }

const std::initializer_list<const char*> SwitchModeItems = {"Schließer", "Öffner"};
const std::initializer_list<const char*> OperatingModeItems = {"Schaltpunkt", "Fensterbetrieb", "Reflexschranke",
                                                               "Hysteresebetrieb", "Bereichsüberwachung"};

// The operating-mode picture at the right edge of its frame, above the
// operating-mode list, scaled to the two rows it has there.
QLabel* makePicture(QWidget* frame, const char* name) {
    constexpr int Height = TightHeight + 16;
    constexpr int Width = Height * OperatingModePictures::Width / OperatingModePictures::Height;
    QLabel* picture = MakeLabel(frame, name, "", {frame->width() - Width - FieldLabelX, tightRow(0), Width, Height});
    picture->setFrameShape(QFrame::Panel);
    picture->setScaledContents(true);
    return picture;
}

}  // namespace

frmQF8200::frmQF8200()
    : CompensatedEditorWindow(QStringLiteral("frmQF8200"), TableUpperBound, QF8200::TableRows, SharedIds,
                              QF8200Values::ShowEvalMethod) {
    setWindowTitle(QStringLiteral("QF8200"));

    BuildMeasurement();
    BuildEvaluate();
    BuildSwitch1();
    BuildSwitch2();
    BuildAnalog();
    BuildErrorLED();
    BuildEvalMethod();
    BuildDip();
    // The error-LED frame lies over the lower part of the second output's
    // place, as designed; it shows on top when the sensor has the LED setting.
    frameErrorLED->setAutoFillBackground(true);
    frameErrorLED->raise();

    SetSizeFrames(frameSwitch1, frameDip, frameMeasurement);
    BindControls();
    BindHelp();
}

void frmQF8200::BuildMeasurement() {
    const int burstY = row(5) + 5;
    const int cycleY = row(6) + 5;
    BuildMeasurementFrame({0, 0, 3315, 2775}, Left,
                          {.sound = row(0), .sound0 = row(1), .offset = row(2), .temperature = row(3),
                           .reference = row(4), .burst = burstY, .cycle = cycleY});
    QWidget* f = frameMeasurement;
    Frame1[0] = MakeSeparator(f, 0, {Left.labelX, row(5) + 1, 221 - 2 * Left.labelX, 3});
    // The design draws "m" in the Symbol font, which shows a micro sign; the
    // sheet prints the letter (Offset Zykluszeit ... "ms").
    lblCycleTime[0] = MakeArrayLabel(f, "lblCycleTime", 0, "µ", {Left.unitX, burstY, 9, RowHeight});
    lblCycleTime[0]->setProperty("symbolCaption", QStringLiteral("m"));
    lblCycleTime[1] = MakeArrayLabel(f, "lblCycleTime", 1, "s", {Left.unitX + 9, burstY, 12, RowHeight});
}

void frmQF8200::BuildEvaluate() {
    BuildEvaluateFrame({0, 2820, 3315, 2532}, Left, {row(0), row(1), row(2)});
    QWidget* f = frameEvaluate;
    Frame1[1] = MakeSeparator(f, 1, {Left.labelX, row(3) + 1, 221 - 2 * Left.labelX, 3});
    auto lower = [](int n) { return row(n) + 5; };
    lblFailSafe = MakeLabel(f, "lblFailSafe", "Störverhalten", Left.Label(lower(3)));
    cmbFailSafe = MakeList(f, "cmbFailSafe", {"0", "1", "2"}, Left.Value(lower(3)));
    lblFailCurrent = MakeLabel(f, "lblFailCurrent", "Fehlerstrom", Left.Label(lower(4)));
    txtFailCurrent = MakeTextBox(f, "txtFailCurrent", Left.Value(lower(4)));
    lblFailCurrent1 = MakeLabel(f, "lblFailCurrent1", "mA", Left.Unit(lower(4)));
    lblReducedRange = MakeLabel(f, "lblReducedRange", "Reduzierte Reichweite", Left.Label(lower(5)));
    txtReducedRange = MakeTextBox(f, "txtReducedRange", Left.Value(lower(5)));
    lblReducedRangeMM = MakeLabel(f, "lblReducedRangeMM", "mm", Left.Unit(lower(5)));
    lblEchoError = MakeLabel(f, "lblEchoError", "Kein Echo", Left.Label(lower(6)));
    cmbEchoError = MakeList(f, "cmbEchoError", {"kein Fehler", "Fehler"}, {Left.valueX, lower(6), Left.unitX + Left.unitWidth - Left.valueX, RowHeight});
    for (QWidget* hidden : std::initializer_list<QWidget*>{lblReducedRange, txtReducedRange, lblReducedRangeMM,
                                                           lblEchoError, cmbEchoError})
        hidden->hide();
}

void frmQF8200::BuildSwitch1() {
    frameSwitch1 = MakeFrame(this, "frameSwitch1", "Schaltausgang 1", {3360, 0, 5835, 1572});
    QWidget* f = frameSwitch1;
    lblSwitchDis11 = MakeLabel(f, "lblSwitchDis11", "Schaltpunkt 11", Field.Label(tightRow(0)));
    txtSwitchDis11 = MakeTextBox(f, "txtSwitchDis11", Field.Value(tightRow(0)));
    lblSDis1[0] = MakeArrayLabel(f, "lblSDis1", 0, "mm", Field.Unit(tightRow(0)));
    lblSwitchDis12 = MakeLabel(f, "lblSwitchDis12", "Schaltpunkt 12", Field.Label(tightRow(1)));
    txtSwitchDis12 = MakeTextBox(f, "txtSwitchDis12", Field.Value(tightRow(1)));
    lblSDis1[1] = MakeArrayLabel(f, "lblSDis1", 1, "mm", Field.Unit(tightRow(1)));
    lblSwitchHys1 = MakeLabel(f, "lblSwitchHys1", "Schalthysterese", Field.Label(tightRow(2)));
    txtSwitchHys1 = MakeTextBox(f, "txtSwitchHys1", Field.Value(tightRow(2)));
    lblSDis1[2] = MakeArrayLabel(f, "lblSDis1", 2, "%", Field.Unit(tightRow(2)));
    lblSwitchMode1 = MakeLabel(f, "lblSwitchMode1", "Schaltmodus", listLabel(0));
    cmbSwitchMode1 = MakeList(f, "cmbSwitchMode1", SwitchModeItems, list(0));
    lblOPMode1 = MakeLabel(f, "lblOPMode1", "Betriebsart", listLabel(ModeRow));
    cmbOPMode1 = MakeList(f, "cmbOPMode1", OperatingModeItems, list(ModeRow, ModeListW));
    imgOPMode1 = makePicture(f, "imgOPMode1");
    // The output-toggle row is the frame's last; nothing stands left of it.
    // It ends the frame at its design height, with half the top row's
    // margin below it, which is where FillForm ends the frame when the
    // sensor has the setting.
    outputToggleTop_ = f->height() - TightHeight - tightRow(0) / 2;
    lblOutputToggle1 = MakeLabel(f, "lblOutputToggle1", "Schaltverhalten",
                                 {FieldLabelX, outputToggleTop_, FieldLabelW, TightHeight});
    cmbOutputToggle1 = MakeList(f, "cmbOutputToggle1", {}, {FieldValueX, outputToggleTop_, ModeListW, TightHeight});
    cmbOutputToggle1->addItem(QStringLiteral("statisch"), 0);
    cmbOutputToggle1->addItem(QStringLiteral("dynamisch (100 Hz)"), 1);
    cmbOutputToggle1->setCurrentIndex(-1);
}

void frmQF8200::BuildSwitch2() {
    frameSwitch2 = MakeFrame(this, "frameSwitch2", "Schaltausgang 2", {3360, 1620, 5835, 1575});
    QWidget* f = frameSwitch2;
    lblSwitchDis21 = MakeLabel(f, "lblSwitchDis21", "Schaltpunkt 21", Field.Label(tightRow(0)));
    txtSwitchDis21 = MakeTextBox(f, "txtSwitchDis21", Field.Value(tightRow(0)));
    lblsdis2[0] = MakeArrayLabel(f, "lblsdis2", 0, "mm", Field.Unit(tightRow(0)));
    lblSwitchDis22 = MakeLabel(f, "lblSwitchDis22", "Schaltpunkt 22", Field.Label(tightRow(1)));
    txtSwitchDis22 = MakeTextBox(f, "txtSwitchDis22", Field.Value(tightRow(1)));
    lblsdis2[1] = MakeArrayLabel(f, "lblsdis2", 1, "mm", Field.Unit(tightRow(1)));
    lblSwitchHys2 = MakeLabel(f, "lblSwitchHys2", "Schalthysterese", Field.Label(tightRow(2)));
    txtSwitchHys2 = MakeTextBox(f, "txtSwitchHys2", Field.Value(tightRow(2)));
    lblsdis2[2] = MakeArrayLabel(f, "lblsdis2", 2, "%", Field.Unit(tightRow(2)));
    lblSwitchMode2 = MakeLabel(f, "lblSwitchMode2", "Schaltmodus", listLabel(0));
    cmbSwitchMode2 = MakeList(f, "cmbSwitchMode2", SwitchModeItems, list(0));
    lblOPMode2 = MakeLabel(f, "lblOPMode2", "Betriebsart", listLabel(ModeRow));
    cmbOPMode2 = MakeList(f, "cmbOPMode2", OperatingModeItems, list(ModeRow, ModeListW));
    imgOPMode2 = makePicture(f, "imgOPMode2");
}

void frmQF8200::BuildAnalog() {
    frameAnalog = MakeFrame(this, "frameAnalog", "Analogausgang", {3360, 1620, 5835, 1575});
    QWidget* f = frameAnalog;
    lblNEvalDis = MakeLabel(f, "lblNEvalDis", "Nahe Grenze", Field.Label(tightRow(0)));
    txtNEvalDis = MakeTextBox(f, "txtNEvalDis", Field.Value(tightRow(0)));
    lblNEvalUnit = MakeLabel(f, "lblNEvalUnit", "mm", Field.Unit(tightRow(0)));
    lblFEvalDis = MakeLabel(f, "lblFEvalDis", "Ferne Grenze", Field.Label(tightRow(1)));
    txtFEvalDis = MakeTextBox(f, "txtFEvalDis", Field.Value(tightRow(1)));
    lblFEvalUnit = MakeLabel(f, "lblFEvalUnit", "mm", Field.Unit(tightRow(1)));
    lblOPModeAnalog = MakeLabel(f, "lblOPModeAnalog", "Betriebsart", listLabel(ModeRow));
    cmbOPModeAnalog =
        MakeList(f, "cmbOPModeAnalog", {"Standard", "Bereichsüberwachung"}, list(ModeRow, ModeListW));
    imgOPModeAnalog = makePicture(f, "imgOPModeAnalog");
}

void frmQF8200::BuildErrorLED() {
    frameErrorLED = MakeFrame(this, "frameErrorLED", "Fehler LED", {3360, 2520, 5835, 675});
    lblErrorLED = MakeLabel(frameErrorLED, "lblErrorLED", "Fehlerzustand anzeigen",
                            {FieldLabelX, tightRow(0), ListX - FieldLabelX - 4, TightHeight});
    cmbErrorLED = MakeList(frameErrorLED, "cmbErrorLED", {}, list(0));
    cmbErrorLED->addItem(QStringLiteral("Ja"), 1);
    cmbErrorLED->addItem(QStringLiteral("Nein"), 0);
    cmbErrorLED->setCurrentIndex(-1);
}

void frmQF8200::BuildEvalMethod() {
    // The method fields' first row: labels at 140, boxes at 252.
    constexpr int LabelX = 140, LabelW = 110, BoxX = 252, BoxW = 50;
    BuildEvalMethodFrame({3360, 3240, 5835, 1155},
                         {.list = {FieldLabelX, tightRow(0), 120, TightHeight},
                          .label = {LabelX, tightRow(0), LabelW, TightHeight},
                          .box = {BoxX, tightRow(0), BoxW, TightHeight},
                          .percent = {BoxX + BoxW + 3, tightRow(0), 16, TightHeight},
                          .rowStep = tightRow(1) - tightRow(0)});
}

void frmQF8200::BuildDip() {
    frameDip = MakeFrame(this, "frameDip", "DIP-Schalter", {3360, 4440, 5835, 912});
    cmbUseDip = MakeList(frameDip, "cmbUseDip", {"Inaktiv", "Aktiv"}, {FieldLabelX, 20, 100, TightHeight});
    Frame1[2] = MakeSeparator(frameDip, 2, {150, 12, 3, 40});
    const DipSwitchPicture dips = MakeDipSwitchPicture(frameDip, {200, 12}, 14);
    picDips = dips.picDips;
    lblDipOn = dips.lblDipOn;
    lblDipCount = dips.lblDipCount;
}

void frmQF8200::BindControls() {
    BindSharedControls();
    for (auto [box, id] : std::initializer_list<std::pair<QLineEdit*, int>>{
             {txtSwitchDis11, IdSD11}, {txtSwitchDis12, IdSD12}, {txtSwitchHys1, IdSH1}, {txtSwitchDis21, IdSD21},
             {txtSwitchDis22, IdSD22}, {txtSwitchHys2, IdSH2}, {txtNEvalDis, IdNDE}, {txtFEvalDis, IdFDE},
             {txtReducedRange, IdRR}})
        BindTextBox(box, id, id);
    BindTextBox(txtFailCurrent, IdFailCurrent, IdFSF);

    for (auto [list, id, commits] : std::initializer_list<std::tuple<QComboBox*, int, int>>{
             {cmbUseDip, IdUDS, IdUDS}, {cmbSwitchMode1, IdOM, IdOM}, {cmbSwitchMode2, IdSwitchMode2, IdOM},
             {cmbOutputToggle1, IdOT, IdOT}, {cmbErrorLED, IdSE, IdSE}, {cmbEchoError, IdNEF, IdNEF}})
        BindList(list, id, [this, commits = commits] { CommitUnlessBusy(commits); });
    BindList(cmbOPMode1, IdOPM, [this] { cmbOPMode1_Click(); });
    BindList(cmbOPMode2, IdOPMode2, [this] { cmbOPMode2_Click(); });
    BindList(cmbOPModeAnalog, IdOPModeAnalog, [this] { cmbOPModeAnalog_Click(); });
    BindList(cmbFailSafe, IdFSF, [this] { cmbFailSafe_Click(); });
}

void frmQF8200::BindHelp() {
    for (QWidget* frame : {frameSwitch1, frameSwitch2, frameAnalog}) BindFrameHelp(frame, 0);
    BindFrameHelp(frameDip, cmbUseDip);

    for (auto [control, target] : std::initializer_list<std::pair<QWidget*, QWidget*>>{
             {imgOPMode1, cmbOPMode1}, {imgOPMode2, cmbOPMode2}, {imgOPModeAnalog, cmbOPModeAnalog},
             {lblFailSafe, cmbFailSafe}, {lblFailCurrent, txtFailCurrent}, {lblSwitchDis11, txtSwitchDis11},
             {lblSDis1[0], txtSwitchDis11}, {lblSwitchDis12, txtSwitchDis12}, {lblSDis1[1], txtSwitchDis12},
             {lblSwitchHys1, txtSwitchHys1}, {lblSDis1[2], txtSwitchHys1}, {lblSwitchDis21, txtSwitchDis21},
             {lblsdis2[0], txtSwitchDis21}, {lblSwitchDis22, txtSwitchDis22}, {lblsdis2[1], txtSwitchDis22},
             {lblSwitchHys2, txtSwitchHys2}, {lblsdis2[2], txtSwitchHys2}, {lblSwitchMode1, cmbSwitchMode1},
             {lblSwitchMode2, cmbSwitchMode2}, {lblOPMode1, cmbOPMode1}, {lblOPMode2, cmbOPMode2},
             {lblOPModeAnalog, cmbOPModeAnalog}, {lblOutputToggle1, cmbOutputToggle1}, {lblErrorLED, cmbErrorLED},
             {lblNEvalDis, txtNEvalDis}, {lblNEvalUnit, txtNEvalDis}, {lblFEvalDis, txtFEvalDis},
             {lblFEvalUnit, txtFEvalDis}})
        BindHoverHelp(control, target);
}
