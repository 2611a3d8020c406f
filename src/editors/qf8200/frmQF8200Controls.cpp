// Building frmQF8200: frames at their design places (twips), the controls
// inside them in rows, and the bindings of every control to the editor rules.
#include "editors/common/DipSwitches.h"
#include "editors/common/OperatingModePictures.h"
#include "editors/common/Twips.h"
#include "editors/qf8200/QF8200Table.h"
#include "editors/qf8200/frmQF8200.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

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
// right frames (two label-value-unit groups and a picture).
constexpr int LeftLabelX = 6, LeftLabelW = 112, LeftValueX = 120, LeftValueW = 56, LeftUnitX = 179, LeftUnitW = 36;
constexpr int FieldLabelX = 6, FieldLabelW = 84, FieldValueX = 92, FieldValueW = 40, FieldUnitX = 134, FieldUnitW = 20;
constexpr int ListLabelX = 156, ListLabelW = 72, ListX = 228, ListW = 92;
constexpr int PictureX = 324;

QGroupBox* makeFrame(QWidget* parent, const char* name, const char* caption, QRect twips) {
    auto* frame = new QGroupBox(QString::fromUtf8(caption), parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(Twips::Rect(twips.x(), twips.y(), twips.width(), twips.height()));
    return frame;
}

QLabel* makeLabel(QWidget* parent, const char* name, const char* text, QRect rect) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(rect);
    return label;
}

// A member of a control array: the array's name and its index.
QLabel* arrayLabel(QWidget* parent, const char* name, int index, const char* text, QRect rect) {
    QLabel* label = makeLabel(parent, name, text, rect);
    label->setProperty("index", index);
    return label;
}

// A label that shows a value computed by the sensor.
QLabel* displayLabel(QWidget* parent, const char* name, QRect rect) {
    QLabel* label = makeLabel(parent, name, "", rect);
    label->setFrameShape(QFrame::StyledPanel);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QLineEdit* makeBox(QWidget* parent, const char* name, QRect rect) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(rect);
    return box;
}

// A drop-down list, with no entry selected until a value is shown.
QComboBox* makeList(QWidget* parent, const char* name, std::initializer_list<const char*> items, QRect rect) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    for (const char* item : items) list->addItem(QString::fromUtf8(item));
    list->setCurrentIndex(-1);
    list->setGeometry(rect);
    return list;
}

QLabel* makePicture(QWidget* parent, const char* name, int y) {
    QLabel* picture = makeLabel(parent, name, "", QRect(PictureX, y, OperatingModePictures::Width,
                                                        OperatingModePictures::Height));
    picture->setFrameShape(QFrame::Panel);
    return picture;
}

QGroupBox* separator(QWidget* parent, int index, QRect rect) {
    auto* line = new QGroupBox(parent);
    line->setObjectName(QStringLiteral("Frame1"));
    line->setProperty("index", index);
    line->setGeometry(rect);
    return line;
}

}  // namespace

frmQF8200::frmQF8200() : ParamEditorWindow(QStringLiteral("frmQF8200"), TableUpperBound) {
    setWindowTitle(QStringLiteral("QF8200"));
    QFont small = font();
    small.setPointSizeF(7.5);
    setFont(small);

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
    frameMeasurement = makeFrame(this, "frameMeasurement", "Messung", {0, 0, 3315, 2775});
    QWidget* f = frameMeasurement;
    lblSound = makeLabel(f, "lblSound", "Schallgeschwindigkeit", {LeftLabelX, row(0), LeftLabelW, RowHeight});
    lbSound = displayLabel(f, "lbSound", {LeftValueX, row(0), LeftValueW, RowHeight});
    lblms[0] = arrayLabel(f, "lblms", 0, "m/s", {LeftUnitX, row(0), LeftUnitW, RowHeight});
    lblSound0 = makeLabel(f, "lblSound0", "bei 0°C", {LeftLabelX, row(1), LeftLabelW, RowHeight});
    txtSound = makeBox(f, "txtSound", {LeftValueX, row(1), LeftValueW, RowHeight});
    lblms[1] = arrayLabel(f, "lblms", 1, "m/s", {LeftUnitX, row(1), LeftUnitW, RowHeight});
    lblTemperatureOffset =
        makeLabel(f, "lblTemperatureOffset", "Temperatur Offset", {LeftLabelX, row(2), LeftLabelW, RowHeight});
    lbTemperatureOffset = displayLabel(f, "lbTemperatureOffset", {LeftValueX, row(2), LeftValueW, RowHeight});
    lblTemp[0] = arrayLabel(f, "lblTemp", 0, "°C", {LeftUnitX, row(2), LeftUnitW, RowHeight});
    lblTemperature = makeLabel(f, "lblTemperature", "Temperatur", {LeftLabelX, row(3), LeftLabelW, RowHeight});
    txtTemperature = makeBox(f, "txtTemperature", {LeftValueX, row(3), LeftValueW, RowHeight});
    lblTemp[1] = arrayLabel(f, "lblTemp", 1, "°C", {LeftUnitX, row(3), LeftUnitW, RowHeight});
    lblReferenceDis = makeLabel(f, "lblReferenceDis", "Referenz Distanz", {LeftLabelX, row(4), LeftLabelW, RowHeight});
    txtReferenceDis = makeBox(f, "txtReferenceDis", {LeftValueX, row(4), LeftValueW, RowHeight});
    lblReferenceDisMM = makeLabel(f, "lblReferenceDisMM", "mm", {LeftUnitX, row(4), LeftUnitW, RowHeight});
    Frame1[0] = separator(f, 0, {LeftLabelX, row(5) + 1, 221 - 2 * LeftLabelX, 3});
    const int burstY = row(5) + 5;
    const int cycleY = row(6) + 5;
    lblBurst = makeLabel(f, "lblBurst", "Taktzeit", {LeftLabelX, burstY, LeftLabelW, RowHeight});
    txtBurst = makeBox(f, "txtBurst", {LeftValueX, burstY, LeftValueW, RowHeight});
    // The design draws "m" in the Symbol font, which shows a micro sign; the
    // sheet prints the letter (Offset Zykluszeit ... "ms").
    lblCycleTime[0] = arrayLabel(f, "lblCycleTime", 0, "µ", {LeftUnitX, burstY, 9, RowHeight});
    lblCycleTime[0]->setProperty("symbolCaption", QStringLiteral("m"));
    lblCycleTime[1] = arrayLabel(f, "lblCycleTime", 1, "s", {LeftUnitX + 9, burstY, 12, RowHeight});
    lblCycle = makeLabel(f, "lblCycle", "Offset Zykluszeit", {LeftLabelX, cycleY, LeftLabelW, RowHeight});
    txtCycle = makeBox(f, "txtCycle", {LeftValueX, cycleY, LeftValueW, RowHeight});
    lblCycleTime[2] = arrayLabel(f, "lblCycleTime", 2, "ms", {LeftUnitX, cycleY, LeftUnitW, RowHeight});
}

void frmQF8200::BuildEvaluate() {
    frameEvaluate = makeFrame(this, "frameEvaluate", "Auswertung", {0, 2820, 3315, 2532});
    QWidget* f = frameEvaluate;
    lblFiltertimeout = makeLabel(f, "lblFiltertimeout", "Filter Timeout", {LeftLabelX, row(0), LeftLabelW, RowHeight});
    txtFiltertimeout = makeBox(f, "txtFiltertimeout", {LeftValueX, row(0), LeftValueW, RowHeight});
    lblConFilter = makeLabel(f, "lblConFilter", "Konservatives Filter", {LeftLabelX, row(1), LeftLabelW, RowHeight});
    txtConFilter = makeBox(f, "txtConFilter", {LeftValueX, row(1), LeftValueW, RowHeight});
    lblBlindrange = makeLabel(f, "lblBlindrange", "Blindbereich", {LeftLabelX, row(2), LeftLabelW, RowHeight});
    txtBlindrange = makeBox(f, "txtBlindrange", {LeftValueX, row(2), LeftValueW, RowHeight});
    lblMMBlindrange = makeLabel(f, "lblMMBlindrange", "mm", {LeftUnitX, row(2), LeftUnitW, RowHeight});
    Frame1[1] = separator(f, 1, {LeftLabelX, row(3) + 1, 221 - 2 * LeftLabelX, 3});
    auto lower = [](int n) { return row(n) + 5; };
    lblFailSafe = makeLabel(f, "lblFailSafe", "Störverhalten", {LeftLabelX, lower(3), LeftLabelW, RowHeight});
    cmbFailSafe = makeList(f, "cmbFailSafe", {"0", "1", "2"}, {LeftValueX, lower(3), LeftValueW, RowHeight});
    lblFailCurrent = makeLabel(f, "lblFailCurrent", "Fehlerstrom", {LeftLabelX, lower(4), LeftLabelW, RowHeight});
    txtFailCurrent = makeBox(f, "txtFailCurrent", {LeftValueX, lower(4), LeftValueW, RowHeight});
    lblFailCurrent1 = makeLabel(f, "lblFailCurrent1", "mA", {LeftUnitX, lower(4), LeftUnitW, RowHeight});
    lblReducedRange =
        makeLabel(f, "lblReducedRange", "Reduzierte Reichweite", {LeftLabelX, lower(5), LeftLabelW, RowHeight});
    txtReducedRange = makeBox(f, "txtReducedRange", {LeftValueX, lower(5), LeftValueW, RowHeight});
    lblReducedRangeMM = makeLabel(f, "lblReducedRangeMM", "mm", {LeftUnitX, lower(5), LeftUnitW, RowHeight});
    lblEchoError = makeLabel(f, "lblEchoError", "Kein Echo", {LeftLabelX, lower(6), LeftLabelW, RowHeight});
    cmbEchoError = makeList(f, "cmbEchoError", {"kein Fehler", "Fehler"}, {LeftValueX, lower(6), 95, RowHeight});
    for (QWidget* hidden : std::initializer_list<QWidget*>{lblReducedRange, txtReducedRange, lblReducedRangeMM,
                                                           lblEchoError, cmbEchoError})
        hidden->hide();
}

void frmQF8200::BuildSwitch1() {
    frameSwitch1 = makeFrame(this, "frameSwitch1", "Schaltausgang 1", {3360, 0, 5835, 1572});
    QWidget* f = frameSwitch1;
    lblSwitchDis11 = makeLabel(f, "lblSwitchDis11", "Schaltpunkt 11", {FieldLabelX, tightRow(0), FieldLabelW, TightHeight});
    txtSwitchDis11 = makeBox(f, "txtSwitchDis11", {FieldValueX, tightRow(0), FieldValueW, TightHeight});
    lblSDis1[0] = arrayLabel(f, "lblSDis1", 0, "mm", {FieldUnitX, tightRow(0), FieldUnitW, TightHeight});
    lblSwitchDis12 = makeLabel(f, "lblSwitchDis12", "Schaltpunkt 12", {FieldLabelX, tightRow(1), FieldLabelW, TightHeight});
    txtSwitchDis12 = makeBox(f, "txtSwitchDis12", {FieldValueX, tightRow(1), FieldValueW, TightHeight});
    lblSDis1[1] = arrayLabel(f, "lblSDis1", 1, "mm", {FieldUnitX, tightRow(1), FieldUnitW, TightHeight});
    lblSwitchHys1 = makeLabel(f, "lblSwitchHys1", "Schalthysterese", {FieldLabelX, tightRow(2), FieldLabelW, TightHeight});
    txtSwitchHys1 = makeBox(f, "txtSwitchHys1", {FieldValueX, tightRow(2), FieldValueW, TightHeight});
    lblSDis1[2] = arrayLabel(f, "lblSDis1", 2, "%", {FieldUnitX, tightRow(2), FieldUnitW, TightHeight});
    lblSwitchMode1 = makeLabel(f, "lblSwitchMode1", "Schaltmodus", {ListLabelX, tightRow(0), ListLabelW, TightHeight});
    cmbSwitchMode1 = makeList(f, "cmbSwitchMode1", {"Schließer", "Öffner"}, {ListX, tightRow(0), ListW, TightHeight});
    lblOPMode1 = makeLabel(f, "lblOPMode1", "Betriebsart", {ListLabelX, tightRow(1), ListLabelW, TightHeight});
    cmbOPMode1 = makeList(f, "cmbOPMode1",
                          {"Schaltpunkt", "Fensterbetrieb", "Reflexschranke", "Hysteresebetrieb", "Bereichsüberwachung"},
                          {ListX, tightRow(1), ListW, TightHeight});
    imgOPMode1 = makePicture(f, "imgOPMode1", tightRow(0));
    outputToggleTop_ = tightRow(3);
    lblOutputToggle1 =
        makeLabel(f, "lblOutputToggle1", "Schaltverhalten", {ListLabelX, outputToggleTop_, ListLabelW, TightHeight});
    cmbOutputToggle1 = makeList(f, "cmbOutputToggle1", {}, {ListX, outputToggleTop_, ListW, TightHeight});
    cmbOutputToggle1->addItem(QStringLiteral("statisch"), 0);
    cmbOutputToggle1->addItem(QStringLiteral("dynamisch (100 Hz)"), 1);
    cmbOutputToggle1->setCurrentIndex(-1);
}

void frmQF8200::BuildSwitch2() {
    frameSwitch2 = makeFrame(this, "frameSwitch2", "Schaltausgang 2", {3360, 1620, 5835, 1575});
    QWidget* f = frameSwitch2;
    lblSwitchDis21 = makeLabel(f, "lblSwitchDis21", "Schaltpunkt 21", {FieldLabelX, tightRow(0), FieldLabelW, TightHeight});
    txtSwitchDis21 = makeBox(f, "txtSwitchDis21", {FieldValueX, tightRow(0), FieldValueW, TightHeight});
    lblsdis2[0] = arrayLabel(f, "lblsdis2", 0, "mm", {FieldUnitX, tightRow(0), FieldUnitW, TightHeight});
    lblSwitchDis22 = makeLabel(f, "lblSwitchDis22", "Schaltpunkt 22", {FieldLabelX, tightRow(1), FieldLabelW, TightHeight});
    txtSwitchDis22 = makeBox(f, "txtSwitchDis22", {FieldValueX, tightRow(1), FieldValueW, TightHeight});
    lblsdis2[1] = arrayLabel(f, "lblsdis2", 1, "mm", {FieldUnitX, tightRow(1), FieldUnitW, TightHeight});
    lblSwitchHys2 = makeLabel(f, "lblSwitchHys2", "Schalthysterese", {FieldLabelX, tightRow(2), FieldLabelW, TightHeight});
    txtSwitchHys2 = makeBox(f, "txtSwitchHys2", {FieldValueX, tightRow(2), FieldValueW, TightHeight});
    lblsdis2[2] = arrayLabel(f, "lblsdis2", 2, "%", {FieldUnitX, tightRow(2), FieldUnitW, TightHeight});
    lblSwitchMode2 = makeLabel(f, "lblSwitchMode2", "Schaltmodus", {ListLabelX, tightRow(0), ListLabelW, TightHeight});
    cmbSwitchMode2 = makeList(f, "cmbSwitchMode2", {"Schließer", "Öffner"}, {ListX, tightRow(0), ListW, TightHeight});
    lblOPMode2 = makeLabel(f, "lblOPMode2", "Betriebsart", {ListLabelX, tightRow(1), ListLabelW, TightHeight});
    cmbOPMode2 = makeList(f, "cmbOPMode2",
                          {"Schaltpunkt", "Fensterbetrieb", "Reflexschranke", "Hysteresebetrieb", "Bereichsüberwachung"},
                          {ListX, tightRow(1), ListW, TightHeight});
    imgOPMode2 = makePicture(f, "imgOPMode2", tightRow(0));
}

void frmQF8200::BuildAnalog() {
    frameAnalog = makeFrame(this, "frameAnalog", "Analogausgang", {3360, 1620, 5835, 1575});
    QWidget* f = frameAnalog;
    lblNEvalDis = makeLabel(f, "lblNEvalDis", "Nahe Grenze", {FieldLabelX, tightRow(0), FieldLabelW, TightHeight});
    txtNEvalDis = makeBox(f, "txtNEvalDis", {FieldValueX, tightRow(0), FieldValueW, TightHeight});
    lblNEvalUnit = makeLabel(f, "lblNEvalUnit", "mm", {FieldUnitX, tightRow(0), FieldUnitW, TightHeight});
    lblFEvalDis = makeLabel(f, "lblFEvalDis", "Ferne Grenze", {FieldLabelX, tightRow(1), FieldLabelW, TightHeight});
    txtFEvalDis = makeBox(f, "txtFEvalDis", {FieldValueX, tightRow(1), FieldValueW, TightHeight});
    lblFEvalUnit = makeLabel(f, "lblFEvalUnit", "mm", {FieldUnitX, tightRow(1), FieldUnitW, TightHeight});
    lblOPModeAnalog = makeLabel(f, "lblOPModeAnalog", "Betriebsart", {ListLabelX, tightRow(0), ListLabelW, TightHeight});
    cmbOPModeAnalog =
        makeList(f, "cmbOPModeAnalog", {"Standard", "Bereichsüberwachung"}, {ListX, tightRow(0), ListW, TightHeight});
    imgOPModeAnalog = makePicture(f, "imgOPModeAnalog", tightRow(0));
}

void frmQF8200::BuildErrorLED() {
    frameErrorLED = makeFrame(this, "frameErrorLED", "Fehler LED", {3360, 2520, 5835, 675});
    lblErrorLED = makeLabel(frameErrorLED, "lblErrorLED", "Fehlerzustand anzeigen",
                            {FieldLabelX, tightRow(0), ListX - FieldLabelX - 4, TightHeight});
    cmbErrorLED = makeList(frameErrorLED, "cmbErrorLED", {}, {ListX, tightRow(0), ListW, TightHeight});
    cmbErrorLED->addItem(QStringLiteral("Ja"), 1);
    cmbErrorLED->addItem(QStringLiteral("Nein"), 0);
    cmbErrorLED->setCurrentIndex(-1);
}

void frmQF8200::BuildEvalMethod() {
    frameEvalMethod = makeFrame(this, "frameEvalMethod", "Auswertemethode", {3360, 3240, 5835, 1155});
    QWidget* f = frameEvalMethod;
    cmbEvalMethod = makeList(f, "cmbEvalMethod", {"Keine", "Dynamisch", "Tiefpass", "Mittelwert"},
                             {FieldLabelX, tightRow(0), 120, TightHeight});
    // Design places: weight, count M and deviation share the first row, count
    // N is in the second, the threshold in the third; the method moves them.
    constexpr int LabelX = 140, LabelW = 110, BoxX = 252, BoxW = 50;
    auto fieldRow = [](int n) { return tightRow(n - 1); };
    lblWeight = makeLabel(f, "lblWeight", "Gewicht", {LabelX, fieldRow(1), LabelW, TightHeight});
    txtWeight = makeBox(f, "txtWeight", {BoxX, fieldRow(1), BoxW, TightHeight});
    lblMCount = makeLabel(f, "lblMCount", "Messwerte", {LabelX, fieldRow(1), LabelW, TightHeight});
    txtMCount = makeBox(f, "txtMCount", {BoxX, fieldRow(1), BoxW, TightHeight});
    lblDiff = makeLabel(f, "lblDiff", "Abweichung", {LabelX, fieldRow(1), LabelW, TightHeight});
    txtDiff = makeBox(f, "txtDiff", {BoxX, fieldRow(1), BoxW, TightHeight});
    lblDiffPercent = makeLabel(f, "lblDiffPercent", "%", {BoxX + BoxW + 3, fieldRow(1), 16, TightHeight});
    lblNCount = makeLabel(f, "lblNCount", "Ungültige Werte", {LabelX, fieldRow(2), LabelW, TightHeight});
    txtNCount = makeBox(f, "txtNCount", {BoxX, fieldRow(2), BoxW, TightHeight});
    lblThreshold = makeLabel(f, "lblThreshold", "Verwerfungszähler", {LabelX, fieldRow(3), LabelW, TightHeight});
    txtThreshold = makeBox(f, "txtThreshold", {BoxX, fieldRow(3), BoxW, TightHeight});
}

void frmQF8200::BuildDip() {
    frameDip = makeFrame(this, "frameDip", "DIP-Schalter", {3360, 4440, 5835, 912});
    QWidget* f = frameDip;
    cmbUseDip = makeList(f, "cmbUseDip", {"Inaktiv", "Aktiv"}, {FieldLabelX, 20, 100, TightHeight});
    Frame1[2] = separator(f, 2, {150, 12, 3, 40});
    constexpr int PictureLeft = 200, PictureTop = 12, SwitchWidth = 14;
    picDips = new DipSwitchView(f);
    // One pixel more than the switches, for the right edge of the last one.
    picDips->setGeometry(PictureLeft, PictureTop, SwitchWidth * DipSwitches::Count + 1, 2 * SwitchWidth);
    lblDipOn = makeLabel(f, "lblDipOn", "ON", {PictureLeft - 24, PictureTop, 22, 14});
    for (int i = 0; i < DipSwitches::Count; ++i) {
        const QByteArray digit = QByteArray::number((i + 1) % 10);
        lblDipCount[size_t(i)] = arrayLabel(f, "lblDipCount", i, digit.constData(),
                                            {PictureLeft + i * SwitchWidth, PictureTop + 2 * SwitchWidth + 1,
                                             SwitchWidth, 14});
        lblDipCount[size_t(i)]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
}

void frmQF8200::BindControls() {
    for (auto [box, id] : std::initializer_list<std::pair<QLineEdit*, int>>{
             {txtSound, IdVS0}, {txtTemperature, IdTEM}, {txtBurst, IdCBT}, {txtCycle, IdCCT},
             {txtFiltertimeout, IdFTO}, {txtConFilter, IdCON}, {txtBlindrange, IdBR}, {txtSwitchDis11, IdSD11},
             {txtSwitchDis12, IdSD12}, {txtSwitchHys1, IdSH1}, {txtSwitchDis21, IdSD21}, {txtSwitchDis22, IdSD22},
             {txtSwitchHys2, IdSH2}, {txtNEvalDis, IdNDE}, {txtFEvalDis, IdFDE}, {txtReducedRange, IdRR}})
        BindTextBox(box, id, id);
    BindTextBox(txtFailCurrent, IdFailCurrent, IdFSF);
    for (auto [box, id] : std::initializer_list<std::pair<QLineEdit*, int>>{
             {txtDiff, IdDiff}, {txtWeight, IdWeight}, {txtThreshold, IdThreshold}, {txtMCount, IdMCount},
             {txtNCount, IdNCount}})
        BindTextBox(box, id, IdEM);
    // The reference distance cannot be read back: its box stays empty, keeps
    // the caret where it is, and leaving it empty writes nothing.
    BindTextBox(txtReferenceDis, IdREF, IdREF, Focus::KeepCaret, Blank::DoesNotCommit);

    for (auto [list, id, commits] : std::initializer_list<std::tuple<QComboBox*, int, int>>{
             {cmbUseDip, IdUDS, IdUDS}, {cmbSwitchMode1, IdOM, IdOM}, {cmbSwitchMode2, IdSwitchMode2, IdOM},
             {cmbOutputToggle1, IdOT, IdOT}, {cmbErrorLED, IdSE, IdSE}, {cmbEchoError, IdNEF, IdNEF}})
        BindList(list, id, [this, commits] { CommitUnlessBusy(commits); });
    BindList(cmbOPMode1, IdOPM, [this] { cmbOPMode1_Click(); });
    BindList(cmbOPMode2, IdOPMode2, [this] { cmbOPMode2_Click(); });
    BindList(cmbOPModeAnalog, IdOPModeAnalog, [this] { cmbOPModeAnalog_Click(); });
    BindList(cmbFailSafe, IdFSF, [this] { cmbFailSafe_Click(); });
    BindList(cmbEvalMethod, IdEM, [this] { cmbEvalMethod_Click(); });
}

void frmQF8200::BindHelp() {
    for (QWidget* frame : {frameMeasurement, frameEvaluate, frameSwitch1, frameSwitch2, frameAnalog, frameEvalMethod})
        BindFrameHelp(frame, 0);
    BindFrameHelp(frameDip, cmbUseDip);

    for (auto [control, target] : std::initializer_list<std::pair<QWidget*, QWidget*>>{
             {imgOPMode1, cmbOPMode1}, {imgOPMode2, cmbOPMode2}, {imgOPModeAnalog, cmbOPModeAnalog},
             {lblSound0, txtSound}, {lblms[1], txtSound}, {lblTemperature, txtTemperature},
             {lblTemp[1], txtTemperature}, {lblReferenceDis, txtReferenceDis}, {lblReferenceDisMM, txtReferenceDis},
             {lblBurst, txtBurst}, {lblCycle, txtCycle}, {lblCycleTime[0], txtCycle}, {lblCycleTime[1], txtCycle},
             {lblCycleTime[2], txtCycle}, {lblFiltertimeout, txtFiltertimeout}, {lblConFilter, txtConFilter},
             {lblBlindrange, txtBlindrange}, {lblMMBlindrange, txtBlindrange}, {lblFailSafe, cmbFailSafe},
             {lblFailCurrent, txtFailCurrent}, {lblSwitchDis11, txtSwitchDis11}, {lblSDis1[0], txtSwitchDis11},
             {lblSwitchDis12, txtSwitchDis12}, {lblSDis1[1], txtSwitchDis12}, {lblSwitchHys1, txtSwitchHys1},
             {lblSDis1[2], txtSwitchHys1}, {lblSwitchDis21, txtSwitchDis21}, {lblsdis2[0], txtSwitchDis21},
             {lblSwitchDis22, txtSwitchDis22}, {lblsdis2[1], txtSwitchDis22}, {lblSwitchHys2, txtSwitchHys2},
             {lblsdis2[2], txtSwitchHys2}, {lblSwitchMode1, cmbSwitchMode1}, {lblSwitchMode2, cmbSwitchMode2},
             {lblOPMode1, cmbOPMode1}, {lblOPMode2, cmbOPMode2}, {lblOPModeAnalog, cmbOPModeAnalog},
             {lblOutputToggle1, cmbOutputToggle1}, {lblErrorLED, cmbErrorLED}, {lblNEvalDis, txtNEvalDis},
             {lblNEvalUnit, txtNEvalDis}, {lblFEvalDis, txtFEvalDis}, {lblFEvalUnit, txtFEvalDis},
             {lblDiff, txtDiff}, {lblDiffPercent, txtDiff}, {lblWeight, txtWeight}, {lblThreshold, txtThreshold},
             {lblMCount, txtMCount}, {lblNCount, txtNCount}})
        BindHoverHelp(control, target);
    for (QWidget* control : {lbSound, lblSound, lblms[0]}) BindHoverHelp(control, IdVS);
    for (QWidget* control : {lbTemperatureOffset, lblTemperatureOffset, lblTemp[0]}) BindHoverHelp(control, IdTO);
}
