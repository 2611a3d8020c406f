// Building frmQF8200Echo: the tab strip with its four pages, the frames at
// their design places (twips), the controls inside them in rows, and the
// bindings of every control to the editor rules.
#include "editors/common/EditorControls.h"
#include "editors/common/Twips.h"
#include "editors/qf8200echo/BeamPicture.h"
#include "editors/qf8200echo/QF8200EchoTable.h"
#include "editors/qf8200echo/SoundBeam.h"
#include "editors/qf8200echo/frmQF8200Echo.h"
#include "frame/Combo_Utils.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>

using namespace EditorControls;
using namespace QF8200Echo;

namespace {

// Rows inside a frame, in pixels, the first below the frame's caption.
constexpr int RowHeight = 18;
int row(int n) { return 16 + 22 * n; }

// Two column groups per frame: label, value, unit.
constexpr int LabelX = 8, LabelW = 110, ValueX = 120, ValueW = 56, UnitX = 180, UnitW = 32;
constexpr int RightLabelX = 320, RightLabelW = 150, RightValueX = 472, RightUnitX = 532;
constexpr int ListLabelX = 230, ListLabelW = 80, ListX = 312, ListW = 130, AnalogListW = 180, PictureX = 460;

QRect label(int n) { return {LabelX, row(n), LabelW, RowHeight}; }
QRect value(int n) { return {ValueX, row(n), ValueW, RowHeight}; }
QRect unit(int n) { return {UnitX, row(n), UnitW, RowHeight}; }
QRect rightLabel(int n) { return {RightLabelX, row(n), RightLabelW, RowHeight}; }
QRect rightValue(int n) { return {RightValueX, row(n), ValueW, RowHeight}; }
QRect rightUnit(int n) { return {RightUnitX, row(n), UnitW, RowHeight}; }
QRect listLabel(int n) { return {ListLabelX, row(n), ListLabelW, RowHeight}; }
QRect list(int n) { return {ListX, row(n) - 1, ListW, RowHeight + 2}; }

// Texts that stay as designed in every language.
template <typename Control>
Control* untranslated(Control* control) {
    control->setProperty("tag", QStringLiteral("NOLANG"));
    return control;
}

struct Entry {
    const char* text;
    int itemData;
};

// A list whose entries carry item data; no entry is selected until a value is shown.
QComboBox* dataList(QWidget* parent, const char* name, std::initializer_list<Entry> entries, QRect rect) {
    QComboBox* combo = MakeList(parent, name, {}, rect);
    for (const Entry& entry : entries) ComboAddItem(combo, QString::fromUtf8(entry.text), entry.itemData);
    combo->setCurrentIndex(-1);
    return combo;
}

// The numbers from..to, each entry's item data its number.
QComboBox* numberList(QWidget* parent, const char* name, int from, int to, QRect rect) {
    QComboBox* combo = untranslated(MakeList(parent, name, {}, rect));
    for (int n = from; n <= to; ++n) ComboAddItem(combo, QString::number(n), n);
    combo->setCurrentIndex(-1);
    return combo;
}

QLabel* picture(QWidget* parent, const char* name, QRect rect) {
    QLabel* shown = untranslated(MakeLabel(parent, name, "", rect));
    shown->setFrameShape(QFrame::Panel);
    return shown;
}

QLabel* operatingModePicture(QWidget* parent, const char* name, int x, int y) {
    return picture(parent, name, {x, y, 62, 40});
}

QLabel* displayLabel(QWidget* parent, const char* name, QRect rect) {
    return untranslated(MakeDisplayLabel(parent, name, rect));
}

QCheckBox* checkBox(QWidget* parent, const char* name, const char* caption, QRect rect) {
    auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(rect);
    return box;
}

QSlider* slider(QWidget* parent, const char* name, QRect rect) {
    auto* s = new QSlider(Qt::Horizontal, parent);
    s->setObjectName(QString::fromLatin1(name));
    s->setRange(0, SoundBeam::MaxPosition);
    s->setPageStep(10);
    // The value changes when the user lets go (or steps with the keys); while
    // the slider is dragged only its position moves.
    s->setTracking(false);
    s->setGeometry(rect);
    return s;
}

QWidget* panel(QWidget* parent, const char* name, int index, QRect rect) {
    auto* area = new QWidget(parent);
    area->setObjectName(QString::fromLatin1(name));
    area->setProperty("index", index);
    area->setGeometry(rect);
    return area;
}

// A lobe picture with its list and slider to the right, and the slider's
// scale ends below it.
constexpr int BeamListX = 230, BeamSliderX = 290, BeamSliderW = 213, BeamPictureW = 213, BeamPictureH = 107;

QRect sliderAt(int y) { return {BeamSliderX, y, BeamSliderW, 22}; }

}  // namespace

frmQF8200Echo::frmQF8200Echo()
    : ParamEditorWindow(QStringLiteral("frmQF8200Echo"), TableUpperBound, nullptr),
      echo_(Model()),
      cells_(echo_) {
    Model().SetRecordAccess(cells_);
    Model().SetAfterTableShown([this] { ShowTableRead(); });
    setWindowTitle(QStringLiteral("QF8200"));

    tabData = new QTabWidget(this);
    tabData->setObjectName(QStringLiteral("tabData"));
    const char* const captions[] = {"&Messung", "&Auswertung", "&Schaltpunkte", "&Info"};
    for (int i = 0; i < int(picData.size()); ++i) {
        picData[size_t(i)] = panel(nullptr, "picData", i, {});
        tabData->addTab(picData[size_t(i)], QString::fromUtf8(captions[i]));
    }
    tabData->setGeometry(Twips::Rect(0, 0, 9315, 6195));

    BuildMeasurementPage();
    BuildEvaluationPage();
    BuildSwitchPointPage();
    BuildInfoPage();
    SetSizeFrames(tabData, tabData, tabData);
    BindControls();
    BindHelp();
}

void frmQF8200Echo::BuildMeasurementPage() {
    QWidget* page = picData[0];
    frameMeasurement = MakeFrame(page, "frameMeasurement", "Messung", {0, 0, 9135, 5175});
    QWidget* f = frameMeasurement;
    lblSound = MakeLabel(f, "lblSound", "Schallgeschwindigkeit", {LabelX, row(0), 2 * LabelW, RowHeight});
    lblSound0 = MakeLabel(f, "lblSound0", "bei 0°C", label(1));
    txtSound = MakeTextBox(f, "txtSound", value(1));
    lblms = untranslated(MakeArrayLabel(f, "lblms", 1, "m/s", unit(1)));
    lblTemperatureOffset = MakeLabel(f, "lblTemperatureOffset", "Temperatur Offset", label(2));
    txtTemperatureOffset = MakeTextBox(f, "txtTemperatureOffset", value(2));
    lblTemp = untranslated(MakeArrayLabel(f, "lblTemp", 0, "°C", unit(2)));
    lblCycle = MakeLabel(f, "lblCycle", "Offset Zykluszeit", label(3));
    txtCycle = MakeTextBox(f, "txtCycle", value(3));
    lblCycleTime = untranslated(MakeLabel(f, "lblCycleTime", "ms", unit(3)));
    lblBurst = MakeLabel(f, "lblBurst", "Taktzeit", label(4));
    cmbBurst = untranslated(dataList(f, "cmbBurst", {{"0", 0}, {"1", 1}, {"2", 2}, {"3", 3}},
                                     {ValueX, row(4) - 1, ValueW, RowHeight + 2}));

    lblBlindrange = MakeLabel(f, "lblBlindrange", "Blindbereich", rightLabel(0));
    txtBlindrange = MakeTextBox(f, "txtBlindrange", rightValue(0));
    lblMMBlindrange = untranslated(MakeLabel(f, "lblMMBlindrange", "mm", rightUnit(0)));
    lblReducedRange = MakeLabel(f, "lblReducedRange", "Reduzierte Reichweite", rightLabel(1));
    txtReducedRange = MakeTextBox(f, "txtReducedRange", rightValue(1));
    Label1 = untranslated(MakeLabel(f, "Label1", "mm", rightUnit(1)));
    const char* const modes[] = {"Empfindlichkeit", "Schallkeulenmodifikation"};
    for (int i = 0; i < 2; ++i) {
        rdSens[size_t(i)] = new QRadioButton(QString::fromUtf8(modes[i]), f);
        rdSens[size_t(i)]->setObjectName(QStringLiteral("rdSens"));
        rdSens[size_t(i)]->setProperty("index", i);
        rdSens[size_t(i)]->setGeometry(RightLabelX, row(3 + i), 2 * RightLabelW, RowHeight);
    }
    BuildSoundBeamPanels();

    frameStartup = MakeFrame(page, "frameStartup", "Sensor Initialisierung", {0, 5160, 9135, 615});
    lblStartup = MakeLabel(frameStartup, "lblStartup", "Zustand nach Reset", label(0));
    cmbStartup = dataList(frameStartup, "cmbStartup", {{"standard", 0}, {"synchronisiert", 1}}, list(0));
    cmbStartup->move(ValueX, cmbStartup->y());
}

void frmQF8200Echo::BuildSoundBeamPanels() {
    const QRect sensitivityPlace = Twips::Rect(60, 2100, 0, 0);
    const QRect beamPlace = Twips::Rect(120, 2040, 0, 0);
    const int panelW = BeamSliderX + BeamSliderW + 4, panelH = BeamPictureH + 4;
    picSens[0] = panel(frameMeasurement, "picSens", 0, {sensitivityPlace.topLeft(), QSize(panelW, panelH)});
    picSens[1] = panel(frameMeasurement, "picSens", 1, {beamPlace.topLeft(), QSize(panelW, panelH)});
    const auto tickLabels = [this](QWidget* p, int index, int y) {
        lblRangeTick[size_t(index)] = untranslated(MakeArrayLabel(p, "lblRangeTick", index, "0 %", {BeamSliderX, y, 40, 14}));
        lblRangeTick[size_t(index + 1)] =
            untranslated(MakeArrayLabel(p, "lblRangeTick", index + 1, "100 %", {BeamSliderX + BeamSliderW - 40, y, 40, 14}));
        lblRangeTick[size_t(index + 1)]->setAlignment(Qt::AlignRight | Qt::AlignTop);
    };

    QWidget* s = picSens[0];
    Picture1 = new BeamPicture("Picture1", s);
    Picture1->setGeometry(0, 0, BeamPictureW, BeamPictureH);
    lblSens = MakeLabel(s, "lblSens", "Empfindlichkeit", {BeamListX, 0, 200, RowHeight});
    cmbSens = numberList(s, "cmbSens", SoundBeam::MinSensitivity, SoundBeam::MaxSensitivity, {BeamListX, 20, 52, 22});
    slideSens = slider(s, "slideSens", sliderAt(20));
    tickLabels(s, 0, 44);

    QWidget* b = picSens[1];
    picKeule = new BeamPicture("picKeule", b);
    picKeule->setGeometry(0, 0, BeamPictureW, BeamPictureH);
    lblRange = MakeLabel(b, "lblRange", "axiale Schallkeulenbreite", {BeamListX, 0, 250, RowHeight});
    cmbRange = numberList(b, "cmbRange", 0, SoundBeam::MaxWidth, {BeamListX, 20, 52, 22});
    slideRange = slider(b, "slideRange", sliderAt(20));
    lblSonicWidth = MakeLabel(b, "lblSonicWidth", "laterale Schallkeulenbreite", {BeamListX, 56, 250, RowHeight});
    cmbSonicWidth = numberList(b, "cmbSonicWidth", 0, SoundBeam::MaxWidth, {BeamListX, 76, 52, 22});
    slideSonicWidth = slider(b, "slideSonicWidth", sliderAt(76));
    tickLabels(b, 6, 98);
    picSens[1]->hide();
}

void frmQF8200Echo::BuildEvaluationPage() {
    QWidget* page = picData[1];
    frameEvaluate = MakeFrame(page, "frameEvaluate", "Auswertung", {2820, 1020, 3315, 1455});
    QWidget* f = frameEvaluate;
    lblFiltertimeout = MakeLabel(f, "lblFiltertimeout", "Filter Timeout", label(0));
    txtFiltertimeout = MakeTextBox(f, "txtFiltertimeout", value(0));
    lblFailSafe = MakeLabel(f, "lblFailSafe", "Störverhalten", label(1));
    cmbFailSafe = untranslated(MakeList(f, "cmbFailSafe", {"0", "1", "2"}, {ValueX, row(1) - 1, ValueW, RowHeight + 2}));
    Frame1 = untranslated(MakeSeparator(f, 2, {LabelX, row(2) - 2, 205, 3}));
    lblEchoError = MakeLabel(f, "lblEchoError", "Kein Echo", {LabelX, row(2) + 4, LabelW, RowHeight});
    cmbEchoError = dataList(f, "cmbEchoError", {{"kein Fehler", 0}, {"Fehler", 1}}, {ValueX, row(2) + 3, 92, RowHeight + 2});

    frameEvalMethod = MakeFrame(page, "frameEvalMethod", "Auswertemethode", {2820, 2520, 3315, 1695});
    f = frameEvalMethod;
    // Filled in the language and variant by FillEvalMethod.
    cmbEvalMethod = untranslated(MakeList(f, "cmbEvalMethod", {}, {LabelX, row(0) - 1, 205, RowHeight + 2}));
    EvalMethodFields& m = MethodFields;
    m.lblWeight = MakeLabel(f, "lblWeight", "Gewicht", label(1));
    m.txtWeight = MakeTextBox(f, "txtWeight", value(1));
    m.lblMCount = MakeLabel(f, "lblMCount", "Messwerte", label(1));
    m.txtMCount = MakeTextBox(f, "txtMCount", value(1));
    m.lblNCount = MakeLabel(f, "lblNCount", "Ungültige Werte", label(2));
    m.txtNCount = MakeTextBox(f, "txtNCount", value(2));
    m.lblDiff = MakeLabel(f, "lblDiff", "Abweichung", label(2));
    m.txtDiff = MakeTextBox(f, "txtDiff", value(2));
    m.lblDiffPercent = untranslated(MakeLabel(f, "lblDiffPercent", "%", unit(2)));
    m.lblThreshold = MakeLabel(f, "lblThreshold", "Verwerfungszähler", label(3));
    m.txtThreshold = MakeTextBox(f, "txtThreshold", value(3));
    LayoutEvalMethod();
}

void frmQF8200Echo::BuildSwitchPointPage() {
    QWidget* page = picData[2];
    frameTeachIn = MakeFrame(page, "frameTeachIn", "Teach-In", {0, 0, 9135, 1455});
    QWidget* f = frameTeachIn;
    chkUseTeachIn = checkBox(f, "chkUseTeachIn", "eingelernte &Schaltpunkte verwenden", {LabelX, row(0), 300, RowHeight});
    chkUseTeachInAnalog =
        checkBox(f, "chkUseTeachInAnalog", "eingelernte &Auswertegrenzen verwenden", {LabelX, row(0), 300, RowHeight});
    lblSwitchDisTeach1 = MakeLabel(f, "lblSwitchDisTeach1", "Schaltpunkt 1", label(1));
    lblNEvalDisTeach = MakeLabel(f, "lblNEvalDisTeach", "Nahe Grenze", label(1));
    lblCSwitchDisTeach1 = displayLabel(f, "lblCSwitchDisTeach1", value(1));
    lblSwitchDisTeach2 = MakeLabel(f, "lblSwitchDisTeach2", "Schaltpunkt 2", label(2));
    lblFEvalDisTeach = MakeLabel(f, "lblFEvalDisTeach", "Ferne Grenze", label(2));
    lblCSwitchDisTeach2 = displayLabel(f, "lblCSwitchDisTeach2", value(2));
    lblSDis1[3] = untranslated(MakeArrayLabel(f, "lblSDis1", 3, "mm", unit(1)));
    lblSDis1[4] = untranslated(MakeArrayLabel(f, "lblSDis1", 4, "mm", unit(2)));
    lblOPModeTeach = MakeLabel(f, "lblOPModeTeach", "Betriebsart", listLabel(1));
    lblCOPModeTeach = untranslated(MakeLabel(f, "lblCOPModeTeach", "", list(1)));
    imgOPModeTeach = operatingModePicture(f, "imgOPModeTeach", PictureX, row(1) - 4);
    // Only the parameter sheet reads it: "Ja" or "Nein" for the check box.
    cmbUseTeachIn = dataList(f, "cmbUseTeachIn", {{"Nein", 0}, {"Ja", 1}}, list(0));
    cmbUseTeachIn->hide();

    BuildSwitchOutput(1);
    BuildSwitchOutput(2);
    BuildAnalogOutput();
}

void frmQF8200Echo::BuildSwitchOutput(int output) {
    const bool first = output == 1;
    QGroupBox* f = first ? MakeFrame(picData[2], "frameSwitch1", "Schaltausgang 1", {0, 1500, 9135, 1995})
                         : MakeFrame(picData[2], "frameSwitch2", "Schaltausgang 2", {0, 3540, 9135, 1935});
    const char* const units = first ? "lblSDis1" : "lblsdis2";
    QLabel* pointUnit = untranslated(MakeArrayLabel(f, units, 0, "mm", unit(0)));
    QLabel* secondUnit = untranslated(MakeArrayLabel(f, units, 1, "mm", unit(1)));
    QLabel* hysteresisUnit = untranslated(MakeArrayLabel(f, units, 2, "%", unit(2)));
    const char* const delays = first ? "lblConFilter1" : "lblConFilter2";
    const char* const delayBoxes = first ? "txtConFilter1" : "txtConFilter2";
    std::array<QLabel*, 2> delayLabels{MakeArrayLabel(f, delays, 0, "Einschaltverzug", label(3)),
                                       MakeArrayLabel(f, delays, 1, "Ausschaltverzug", label(4))};
    std::array<QLineEdit*, 2> delayBox{MakeTextBox(f, delayBoxes, value(3)), MakeTextBox(f, delayBoxes, value(4))};
    for (int i = 0; i < 2; ++i) delayBox[size_t(i)]->setProperty("index", i);
    const std::initializer_list<const char*> switchModes = {"Schließer", "Öffner"};
    const std::initializer_list<const char*> operatingModes = {"Schaltpunkt", "Fensterbetrieb", "Hysteresebetrieb"};
    if (first) {
        frameSwitch1 = f;
        lblSwitchDis11 = MakeLabel(f, "lblSwitchDis11", "Schaltpunkt 11", label(0));
        txtSwitchDis11 = MakeTextBox(f, "txtSwitchDis11", value(0));
        lblSwitchDis12 = MakeLabel(f, "lblSwitchDis12", "Schaltpunkt 12", label(1));
        txtSwitchDis12 = MakeTextBox(f, "txtSwitchDis12", value(1));
        lblSwitchHys1 = MakeLabel(f, "lblSwitchHys1", "Schalthysterese", label(2));
        txtSwitchHys1 = MakeTextBox(f, "txtSwitchHys1", value(2));
        lblSDis1[0] = pointUnit;
        lblSDis1[1] = secondUnit;
        lblSDis1[2] = hysteresisUnit;
        lblSwitchMode1 = MakeLabel(f, "lblSwitchMode1", "Schaltmodus", listLabel(0));
        cmbSwitchMode1 = MakeList(f, "cmbSwitchMode1", switchModes, list(0));
        lblOPMode1 = MakeLabel(f, "lblOPMode1", "Betriebsart", listLabel(1));
        cmbOPMode1 = MakeList(f, "cmbOPMode1", operatingModes, list(1));
        imgOPMode1 = operatingModePicture(f, "imgOPMode1", PictureX, row(0));
        lblConFilter1 = delayLabels;
        txtConFilter1 = delayBox;
    } else {
        frameSwitch2 = f;
        lblSwitchDis21 = MakeLabel(f, "lblSwitchDis21", "Schaltpunkt 21", label(0));
        txtSwitchDis21 = MakeTextBox(f, "txtSwitchDis21", value(0));
        lblSwitchDis22 = MakeLabel(f, "lblSwitchDis22", "Schaltpunkt 22", label(1));
        txtSwitchDis22 = MakeTextBox(f, "txtSwitchDis22", value(1));
        lblSwitchHys2 = MakeLabel(f, "lblSwitchHys2", "Schalthysterese", label(2));
        txtSwitchHys2 = MakeTextBox(f, "txtSwitchHys2", value(2));
        lblsdis2 = {pointUnit, secondUnit, hysteresisUnit};
        lblSwitchMode2 = MakeLabel(f, "lblSwitchMode2", "Schaltmodus", listLabel(0));
        cmbSwitchMode2 = MakeList(f, "cmbSwitchMode2", switchModes, list(0));
        lblOPMode2 = MakeLabel(f, "lblOPMode2", "Betriebsart", listLabel(1));
        cmbOPMode2 = MakeList(f, "cmbOPMode2", operatingModes, list(1));
        imgOPMode2 = operatingModePicture(f, "imgOPMode2", PictureX, row(0));
        lblConFilter2 = delayLabels;
        txtConFilter2 = delayBox;
    }
}

void frmQF8200Echo::BuildAnalogOutput() {
    frameAnalog = MakeFrame(picData[2], "frameAnalog", "Analogausgang", {0, 1500, 9135, 1995});
    QWidget* f = frameAnalog;
    lblNEvalDis = MakeLabel(f, "lblNEvalDis", "Nahe Grenze", label(0));
    txtNEvalDis = MakeTextBox(f, "txtNEvalDis", value(0));
    lblNEvalUnit = untranslated(MakeLabel(f, "lblNEvalUnit", "mm", unit(0)));
    lblFEvalDis = MakeLabel(f, "lblFEvalDis", "Ferne Grenze", label(1));
    txtFEvalDis = MakeTextBox(f, "txtFEvalDis", value(1));
    lblFEvalUnit = untranslated(MakeLabel(f, "lblFEvalUnit", "mm", unit(1)));
    // The analogue lists' entries are longer: the lists reach to the picture's place.
    const auto wideList = [](int n) { return list(n).adjusted(0, 0, AnalogListW - ListW, 0); };
    lblOPModeAnalog = MakeLabel(f, "lblOPModeAnalog", "Betriebsart", listLabel(0));
    cmbOPModeAnalog = dataList(f, "cmbOPModeAnalog",
                               {{"steigende Rampe", 0}, {"fallende Rampe", 1}, {"Nullpunktsgerade", 2}}, wideList(0));
    lblOutputAnalog = MakeLabel(f, "lblOutputAnalog", "Kompensation", listLabel(1));
    cmbOutputAnalog = dataList(f, "cmbOutputAnalog",
                               {{"Strom- und Spannungsausgang", 0}, {"Stromausgang", 1}, {"Spannungsausgang", 2}},
                               wideList(1));
    imgOPModeAnalog = operatingModePicture(f, "imgOPModeAnalog", ListX + AnalogListW + 12, row(0));
    frameAnalog->hide();
}

void frmQF8200Echo::BuildInfoPage() {
    QWidget* page = picData[3];
    frameSensorInfo = MakeFrame(page, "frameSensorInfo", "Sensor-Info", {960, 720, 7335, 1695});
    QWidget* f = frameSensorInfo;
    constexpr int InfoValueW = 250;
    // The sensor's own texts, shown as they are.
    const auto infoValue = [](QWidget* parent, const char* name, int n) {
        QLabel* value = untranslated(MakeLabel(parent, name, "", {ValueX, row(n), InfoValueW, RowHeight}));
        value->setTextFormat(Qt::PlainText);
        return value;
    };
    lblTyp = MakeLabel(f, "lblTyp", "Typenbezeichnung", label(0));
    lbTyp = infoValue(f, "lbTyp", 0);
    lblVersion = MakeLabel(f, "lblVersion", "Version", label(1));
    lbVersion = infoValue(f, "lbVersion", 1);
    lblSoftware = MakeLabel(f, "lblSoftware", "Softwareversion", label(2));
    lbSoftware = infoValue(f, "lbSoftware", 2);
    lblEprom = MakeLabel(f, "lblEprom", "Eprom", label(3));
    lbEprom = infoValue(f, "lbEprom", 3);
    picSensor = untranslated(MakeLabel(f, "picSensor", "", {ValueX + InfoValueW + 8, row(0), 100, 88}));
    picSensor->setScaledContents(true);

    frameProgram = MakeFrame(page, "frameProgram", "Programm-Info", {960, 2460, 7335, 1935});
    f = frameProgram;
    lblProgram = untranslated(MakeLabel(f, "lblProgram", "WinZelvo", {LabelX, row(0), 300, 2 * RowHeight}));
    QFont big = lblProgram->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    lblProgram->setFont(big);
    Label2 = untranslated(MakeLabel(f, "Label2", "Version", label(2)));
    lblVersionNum = untranslated(MakeLabel(f, "lblVersionNum", "", {ValueX, row(2), InfoValueW, RowHeight}));
    Image1 = untranslated(MakeLabel(f, "Image1", "", {ValueX + InfoValueW + 8, row(0), 40, 40}));
}

void frmQF8200Echo::BindControls() {
    const EvalMethodFields& m = MethodFields;
    for (auto [box, id] : std::initializer_list<std::pair<QLineEdit*, int>>{
             {txtReducedRange, IdRR}, {txtBlindrange, IdBR}, {txtTemperatureOffset, IdTO}, {txtCycle, IdCCT},
             {txtSound, IdVS0}, {txtFiltertimeout, IdFTO}, {m.txtNCount, IdMXN_N}, {m.txtMCount, IdMXN_M},
             {txtSwitchDis11, IdSD1}, {txtSwitchDis12, IdSD12}, {txtSwitchHys1, IdSH1}, {txtConFilter1[0], IdCON1},
             {txtConFilter1[1], IdCOF1}, {txtSwitchDis21, IdSD2}, {txtSwitchDis22, IdSD22}, {txtSwitchHys2, IdSH2},
             {txtConFilter2[0], IdCON2}, {txtConFilter2[1], IdCOF2}, {txtNEvalDis, IdA1}, {txtFEvalDis, IdA2}})
        BindTextBox(box, id, id);
    // The method's hidden fields commit the method; the weight is the
    // low-pass method's use of the count M.
    BindTextBox(m.txtThreshold, IdMXN_N, IdEVM);
    BindTextBox(m.txtDiff, IdMXN_M, IdEVM);
    BindTextBox(m.txtWeight, IdWeight, IdMXN_M);

    for (auto [combo, id] : std::initializer_list<std::pair<QComboBox*, int>>{
             {cmbBurst, IdCBT}, {cmbEchoError, IdBITS}, {cmbFailSafe, IdFSF}, {cmbSwitchMode1, IdOM1},
             {cmbSwitchMode2, IdOM2}, {cmbOutputAnalog, IdAnalogOM}})
        BindList(combo, id, [this, id = id] { CommitUnlessBusy(id); });
    // The start-up list commits its bit of BITS; over it the quick help shows
    // the design's topic 4030.
    BindList(cmbStartup, IdCOF1, [this] { CommitUnlessBusy(IdBITS); });
    BindList(cmbEvalMethod, IdEVM, [this] {
        LayoutEvalMethod();
        CommitUnlessBusy(IdEVM);
    });
    BindList(cmbOPMode1, IdOPM1, [this] {
        LayoutOutputMode(1);
        CommitUnlessBusy(IdOPM1);
    });
    BindList(cmbOPMode2, IdOPM2, [this] {
        LayoutOutputMode(2);
        CommitUnlessBusy(IdOPM2);
    });
    BindList(cmbOPModeAnalog, IdAnalogOPM, [this] {
        LayoutAnalogMode();
        CommitUnlessBusy(IdAnalogOPM);
    });
    BindList(cmbSens, IdSEN, [this] { cmbSens_Click(); });
    BindList(cmbRange, IdPOTI2, [this] { cmbRange_Click(); });
    BindList(cmbSonicWidth, IdPOTI1, [this] { cmbSonicWidth_Click(); });

    connect(chkUseTeachIn, &QCheckBox::clicked, this, [this] { CommitUnlessBusy(IdBITS); });
    connect(chkUseTeachInAnalog, &QCheckBox::clicked, this, [this] { chkUseTeachInAnalog_Click(); });
    for (auto [control, id] : std::initializer_list<std::pair<QWidget*, int>>{
             {chkUseTeachIn, IdTOPM}, {chkUseTeachInAnalog, IdTOPM}, {cmbBurst, IdCBT}, {cmbEchoError, IdBITS},
             {cmbSens, IdSEN}})
        BindFocusField(control, id);

    for (int i = 0; i < 2; ++i)
        connect(rdSens[size_t(i)], &QRadioButton::clicked, this, [this, i] { rdSens_Click(i); });
    for (auto [s, scroll, change] : std::initializer_list<std::tuple<QSlider*, void (frmQF8200Echo::*)(), void (frmQF8200Echo::*)()>>{
             {slideSens, &frmQF8200Echo::slideSens_Scroll, &frmQF8200Echo::slideSens_Change},
             {slideRange, &frmQF8200Echo::slideRange_Scroll, &frmQF8200Echo::slideRange_Change},
             {slideSonicWidth, &frmQF8200Echo::slideSonicWidth_Scroll, &frmQF8200Echo::slideSonicWidth_Change}}) {
        // Scroll: the user moves the slider (dragging, keys, clicks beside
        // the handle); Change: its value changed, by the user or by code.
        connect(s, &QSlider::sliderMoved, this, scroll);
        connect(s, &QSlider::actionTriggered, this, scroll);
        connect(s, &QSlider::valueChanged, this, change);
    }
    connect(tabData, &QTabWidget::currentChanged, this, [this] { tabData_Click(); });
}

void frmQF8200Echo::BindHelp() {
    const EvalMethodFields& m = MethodFields;
    for (QWidget* frame : {frameMeasurement, frameEvaluate, frameEvalMethod, frameSwitch1, frameSwitch2})
        BindFrameHelp(frame, 0);
    BindHoverHelp(lblSound, IdSoundHeading);
    BindHoverHelp(lblTemperatureOffset, IdTemperatureOffsetHeading);
    BindHoverHelp(lblStartup, IdCOF1);
    for (auto [control, target] : std::initializer_list<std::pair<QWidget*, QWidget*>>{
             {lblSound0, txtSound}, {lblms, txtSound}, {lblTemp, txtTemperatureOffset}, {lblBlindrange, txtBlindrange},
             {lblMMBlindrange, txtBlindrange}, {lblReducedRange, txtReducedRange}, {lblCycle, txtCycle},
             {lblCycleTime, txtCycle}, {lblBurst, cmbBurst}, {lblSens, cmbSens}, {lblFiltertimeout, txtFiltertimeout},
             {lblFailSafe, cmbFailSafe}, {lblEchoError, cmbEchoError}, {m.lblDiff, m.txtDiff}, {m.lblDiffPercent, m.txtDiff},
             {m.lblWeight, m.txtWeight}, {m.lblMCount, m.txtMCount}, {m.lblNCount, m.txtNCount}, {m.lblThreshold, m.txtThreshold},
             {lblSwitchDis11, txtSwitchDis11}, {lblSwitchDis12, txtSwitchDis12}, {lblSwitchDis21, txtSwitchDis21},
             {lblSwitchDis22, txtSwitchDis22}, {lblSwitchHys1, txtSwitchHys1}, {lblSwitchHys2, txtSwitchHys2},
             {lblSDis1[0], txtSwitchDis11}, {lblSDis1[1], txtSwitchDis12}, {lblSDis1[2], txtSwitchHys1},
             {lblSDis1[3], txtSwitchHys1}, {lblSDis1[4], txtSwitchHys1}, {lblsdis2[0], txtSwitchDis21},
             {lblsdis2[1], txtSwitchDis22}, {lblsdis2[2], txtSwitchHys2}, {lblSwitchMode1, cmbSwitchMode1},
             {lblSwitchMode2, cmbSwitchMode2}, {lblOPMode1, cmbOPMode1}, {imgOPMode1, cmbOPMode1},
             {lblOPMode2, cmbOPMode2}, {imgOPMode2, cmbOPMode2}})
        BindHoverHelp(control, target);
    for (auto [control, topic] : std::initializer_list<std::pair<QWidget*, int>>{
             {chkUseTeachIn, IdTOPM}, {chkUseTeachInAnalog, IdTOPM}, {rdSens[0], IdSEN}, {rdSens[1], IdPOTI2},
             {slideSens, IdSEN}, {slideRange, IdPOTI2}, {slideSonicWidth, IdPOTI1}})
        BindHoverHelp(control, topic);
}
