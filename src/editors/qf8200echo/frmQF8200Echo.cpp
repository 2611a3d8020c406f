#include "editors/qf8200echo/frmQF8200Echo.h"
#include "editors/common/SensorPictures.h"

#include "editors/common/DisplayWindowLink.h"
#include "editors/common/EditorHost.h"
#include "editors/common/EditorLink.h"
#include "editors/common/OperatingModePictures.h"
#include "editors/qf8200echo/EchoCommands.h"
#include "editors/qf8200echo/QF8200EchoTable.h"
#include "frame/LanguageUtil.h"
#include "frame/Radio_Utils.h"
#include "frame/STRING_UTIL.h"
#include "frame/Slider_Util.h"
#include "frame/Utils.h"
#include "link/SensorCommands.h"
#include "link/SensorInfo.h"
#include "link/SensorState.h"
#include "link/TrafficLog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>

#include <utility>

using STRING_UTIL::TrimBlanks;

using namespace QF8200Echo;

namespace {

constexpr int InfoPage = 3;

// A mode with a second switch point: window or hysteresis.
bool hasSecondPoint(const QString& operatingMode) {
    return operatingMode == QLatin1String("W") || operatingMode == QLatin1String("H");
}

QString sensorData(int item) {
    QVariant value;
    Sensor::GetSensorData(item, value);
    return value.toString();
}

}  // namespace

void frmQF8200Echo::Init() {
    echo_.Build(sensorData(SensorInfoItem::Version));
    EnableFirmwareFeatures();
}

void frmQF8200Echo::readdata(std::optional<int> source) {
    TransferReport::Scope report(Model().Report());
    ParamEditorModel::BusyGuard busy(Model());
    SensorWork work(sensorWork_);
    if (Loaded()) Sensor::SetSensorCaption(*this);
    SetSensorTyp();
    fillingAll_ = true;
    Model().ReadAll(source, Progress());
    fillingAll_ = false;
}

void frmQF8200Echo::ShowTableRead() {
    Editors::ShowIt().EnableSwitch(0, DisplayTrue);
    if (!AnalogVariant()) EnableSecondSwitchPoints(echo_.Taught());
    Editors::RedrawShowIt();
    if (Loaded() && tabData->currentIndex() == InfoPage) ShowSensorInfo();
    fillingAll_ = false;
}

void frmQF8200Echo::WriteData(std::optional<int> target, std::optional<QVariant>) {
    SensorWork work(sensorWork_);
    Model().WriteAll(target, Progress());
}

void frmQF8200Echo::SetDefaults() { cells_.WriteDefaultSensitivity(); }

void frmQF8200Echo::GetData(int item, QVariant& value) { echo_.GetData(item, value); }

bool frmQF8200Echo::ValidPar(int item) { return echo_.ValidPar(item); }

QString frmQF8200Echo::GetSendCommand(QString& command, bool& flag) {
    const EchoCommands::Translation translation = EchoCommands::Translate(echo_, command);
    for (const auto& [request, hex] : translation.writesFirst) Editors::Link().WriteUnlogged(request, hex, 0);
    if (!translation.logged.isEmpty()) TrafficLog::Offer({QStringLiteral("W: "), translation.logged, false});
    flag = translation.flag;
    typedRefused_ = translation.refused;
    return translation.request;
}

QString frmQF8200Echo::ConvertResult(QString& command, QString& answer) {
    // Nothing was sent: the command window says why.
    if (typedRefused_)
        return GetLangText(objectName(), QStringLiteral("Refused"),
                           QStringLiteral("Wert von der Eingaberegel abgelehnt"));
    const EchoCommands::Result result = EchoCommands::ConvertResult(echo_, command, answer);
    if (result.logged) TrafficLog::Offer({QStringLiteral("R: "), result.shown, false});
    return result.shown;
}

void frmQF8200Echo::InterpretCommand(QString& word) {
    // A refused line changed nothing: nothing to read again either.
    if (std::exchange(typedRefused_, false)) return;
    ParamEditorModel::BusyGuard busy(Model());
    SensorWork work(sensorWork_);
    if (const int index = EchoCommands::RecordNamedBy(echo_, word)) Model().ReReadChain(index);
}

void frmQF8200Echo::Show() {
    const bool loading = !Loaded();
    ParamEditorWindow::Show();
    if (!loading) return;
    ParamEditorModel::BusyGuard busy(Model());
    EnableFirmwareFeatures();
    tabData_Click();
}

// --- load, variant, software ------------------------------------------------

// The first steps of loading: nothing pending, the variant's controls, the
// display window's fault behaviour.
void frmQF8200Echo::SetupDisplayWindow() {
    PendingSens = PendingRange = PendingSonicWidth = -1;
    SetSensorTyp();
    for (QSlider* slider : {slideSens, slideRange, slideSonicWidth}) HideSliderTip(slider);
    Editors::ShowIt().SetErrorMode(0, DisplayTrue);
}

void frmQF8200Echo::LoadPictures() {
    const int modes[] = {0, 1, 3};
    const int analogModes[] = {0, 3, 2};
    for (size_t i = 0; i < OPMPictures.size(); ++i) {
        OPMPictures[i] = OperatingModePictures::Picture(QStringLiteral("OPM%1").arg(modes[i]));
        OPMAnalogPictures[i] = OperatingModePictures::Picture(QStringLiteral("OPMANALOG%1").arg(analogModes[i]));
    }
}

void frmQF8200Echo::SetSensorTyp() {
    echo_.SetSensorType(Sensor::State().SensorType);
    const bool analog = AnalogVariant();
    frameAnalog->setVisible(analog);
    frameSwitch1->setVisible(!analog);
    frameSwitch2->setVisible(!analog);
    lblFEvalDisTeach->setVisible(analog);
    lblNEvalDisTeach->setVisible(analog);
    chkUseTeachInAnalog->setVisible(analog);
    lblSwitchDisTeach1->setVisible(!analog);
    lblSwitchDisTeach2->setVisible(!analog);
    chkUseTeachIn->setVisible(!analog);
    FillEvalMethod();
}

void frmQF8200Echo::EnableFirmwareFeatures() {
    if (!Loaded()) return;
    rdSens[1]->setEnabled(echo_.FirmwareV2());
    if (echo_.FirmwareV2()) return;
    SetRadioIndex(rdSens, 0);
    ShowSensPanel(0);
    slideRange->setValue(0);
    slideSonicWidth->setValue(0);
    UpdateBeamShapes();
}

void frmQF8200Echo::EnableSecondSwitchPoints(bool taught) {
    const auto enable = [this](int marker, int record) {
        const bool second = echo_.Has(record) && hasSecondPoint(echo_[record].Value);
        Editors::ShowIt().EnableSwitch(marker, second ? DisplayTrue : 0);
    };
    if (taught) {
        enable(SecondPointOfOutput1, TOPM);
    } else {
        enable(SecondPointOfOutput1, OPM1);
        enable(SecondPointOfOutput2, OPM2);
    }
}

void frmQF8200Echo::tabData_Click() {
    if (tabData->currentIndex() == InfoPage) ShowSensorInfo();
}

void frmQF8200Echo::ShowSensorInfo() {
    const QString type = sensorData(SensorInfoItem::SensorType);
    lbTyp->setText(type);
    QPixmap picture = QPixmap::fromImage(SensorPictures::Picture(SensorPictures::PictureName(type)));
    MakePictureTransparent(picture);
    picSensor->setPixmap(picture);
    lbVersion->setText(sensorData(SensorInfoItem::Version));
    lbSoftware->setText(TrimBlanks(sensorData(SensorInfoItem::VersionLetter) + QStringLiteral(" (")) +
                        sensorData(SensorInfoItem::DateTime) + QLatin1Char(')'));
    lbEprom->setText(sensorData(SensorInfoItem::Eprom));
    // The same name and version as the about box.
    lblProgram->setText(QStringLiteral("Zelvo 8200"));
    lblVersionNum->setText(QLatin1Char(' ') + QCoreApplication::applicationVersion());
    Image1->setPixmap(windowIcon().pixmap(32, 32));
}

std::vector<QComboBox*> frmQF8200Echo::ComboHelpOrder() const {
    std::vector<QComboBox*> order = {cmbRange, cmbSonicWidth, cmbSens, cmbStartup, cmbBurst, cmbEchoError, cmbFailSafe};
    if (!AnalogVariant())
        order.insert(order.end(), {cmbSwitchMode1, cmbOPMode1, cmbOPMode2, cmbSwitchMode2});
    order.push_back(cmbEvalMethod);
    if (AnalogVariant()) order.insert(order.end(), {cmbOutputAnalog, cmbOPModeAnalog});
    // Only the lists that are shown can be under the mouse: those of the page
    // in front, and of the sound-beam panel chosen.
    std::erase_if(order, [this](const QComboBox* list) { return !list->isVisibleTo(tabData); });
    return order;
}
