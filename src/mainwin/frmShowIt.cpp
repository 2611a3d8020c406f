#include "mainwin/frmShowIt.h"

#include "editors/common/EditorHost.h"
#include "frame/NumberFormat.h"
#include "frame/Options.h"
#include "frame/SettingsServices.h"
#include "frame/Window.h"
#include "link/PollCycle.h"
#include "link/Sensor.h"
#include "link/SensorEditor.h"
#include "link/SensorInfo.h"
#include "mainwin/LedShape.h"
#include "mainwin/ScaleView.h"
#include "editors/common/SensorPictures.h"
#include "mainwin/ShowItSettings.h"
#include "frame/Utils.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

#include <algorithm>
#include <cmath>

using DisplayReadouts::Led;

namespace {

constexpr int Margin = 8;   // frameSensor's left edge and every gap of the window

QVariant sensorItem(int item) {
    QVariant value;
    Sensor::GetSensorData(item, value);
    return value;
}

QString itemText(int item) { return sensorItem(item).toString(); }

// Whole-number items come as numbers or as sensor texts; either is read by
// its leading number and rounded halves to even, limited to 32 bits.
long itemNumber(int item) {
    const double value = NumberFormat::LeadingNumber(itemText(item));
    return long(std::nearbyint(std::clamp(value, -2147483648.0, 2147483647.0)));
}

QLabel* analogLabel(const char* name, const char* text, QWidget* parent) {
    auto* label = new QLabel(QLatin1String(text), parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("00.00")));
    return label;
}

QLabel* unitLabel(const char* name, const char* text, QWidget* parent) {
    auto* label = new QLabel(QLatin1String(text), parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QFrame* stateFrame(const char* name, QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

DisplayScale::MarkerSources markerSources(int sensorKind) {
    DisplayScale::MarkerSources s;
    s.sensorKind = sensorKind;
    s.taught = sensorItem(SensorInfoItem::TaughtSwitchPoints).toBool();
    s.output1Point1 = itemText(SensorInfoItem::Output1Point1);
    s.output1Point2 = itemText(SensorInfoItem::Output1Point2);
    s.output2Point1 = itemText(SensorInfoItem::Output2Point1);
    s.output2Point2 = itemText(SensorInfoItem::Output2Point2);
    s.output3Point = itemText(SensorInfoItem::Output3Point);
    s.nearLimit = itemText(SensorInfoItem::NearLimit);
    s.farLimit = itemText(SensorInfoItem::FarLimit);
    s.output2Valid = Sensor::CallValidPar(SensorInfoItem::Output2Point1);
    s.nearLimitValid = Sensor::CallValidPar(SensorInfoItem::NearLimit);
    return s;
}

// A switch-state request of the display itself: cyclic traffic, logged, one try.
QString askSensor(const QString& command) {
    QString answer;
    Ports::AnswerBytes bytes{};
    Sensor::SendCommand(command, answer, bytes, std::nullopt, true, false, true);
    return answer;
}

}  // namespace

frmShowIt::frmShowIt(QMdiArea* area, ShowItSettings& settings) : settings_(settings) {
    setObjectName(QStringLiteral("frmShowIt"));
    setWindowTitle(QStringLiteral("ShowIt"));
    setMouseTracking(true);

    frameSensor = new QFrame(this);
    frameSensor->setObjectName(QStringLiteral("frameSensor"));
    frameSensor->setFrameShape(QFrame::Box);
    frameSensor->setFrameShadow(QFrame::Sunken);
    picSensor = new QLabel(frameSensor);
    picSensor->setObjectName(QStringLiteral("picSensor"));
    picDis = new ScaleView(frameSensor);
    buildStandardFrame();
    buildRdxFrame();
    // Both LED frames take the same place and width.
    const int stateWidth = std::max(frameStateStandard->sizeHint().width(), frameStateRDX->sizeHint().width());
    frameStateStandard->setFixedWidth(stateWidth);
    frameStateRDX->setFixedWidth(stateWidth);

    Loaded = true;
    offColour_ = palette().window().color();
    area->addSubWindow(this);
    Init();
    setDefaultGeometry(area);
    Window::RestoreWindowPos(this);
    Sensor::SetPolling(true);
    Update();
    // The quick help clears wherever the pointer moves over the window.
    for (QWidget* child : findChildren<QWidget*>()) child->setMouseTracking(true);
}

QLabel* frmShowIt::ledCaption(int index, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("lblSwitchLED"));
    label->setProperty("index", index);
    lblSwitchLED[size_t(index)] = label;
    return label;
}

void frmShowIt::buildStandardFrame() {
    frameStateStandard = stateFrame("frameStateStandard", this);
    circSensorStandard = new LedShape(QStringLiteral("circSensorStandard"), frameStateStandard);
    circS1Standard = new LedShape(QStringLiteral("circS1Standard"), frameStateStandard);
    circS2Standard = new LedShape(QStringLiteral("circS2Standard"), frameStateStandard);
    lblAmp = analogLabel("lblAmp", "0.0", frameStateStandard);
    lblCAmp = unitLabel("lblCAmp", "mA", frameStateStandard);
    lblVolt = analogLabel("lblVolt", "0.0", frameStateStandard);
    lblCVolt = unitLabel("lblCVolt", "V", frameStateStandard);

    auto* grid = new QGridLayout(frameStateStandard);
    grid->addWidget(circSensorStandard, 0, 0);
    grid->addWidget(ledCaption(1, QStringLiteral("Sensor"), frameStateStandard), 0, 1);
    grid->addWidget(circS1Standard, 1, 0);
    grid->addWidget(ledCaption(0, QStringLiteral("S1"), frameStateStandard), 1, 1);
    grid->addWidget(circS2Standard, 2, 0);
    grid->addWidget(ledCaption(2, QStringLiteral("S2"), frameStateStandard), 2, 1);
    grid->addWidget(lblAmp, 3, 0, 1, 2);
    grid->addWidget(lblCAmp, 3, 2);
    grid->addWidget(lblVolt, 4, 0, 1, 2);
    grid->addWidget(lblCVolt, 4, 2);
    grid->setColumnStretch(3, 1);
}

void frmShowIt::buildRdxFrame() {
    frameStateRDX = stateFrame("frameStateRDX", this);
    circSensorRDX = new LedShape(QStringLiteral("circSensorRDX"), frameStateRDX);
    circS1RDX = new LedShape(QStringLiteral("circS1RDX"), frameStateRDX);
    circS2RDX = new LedShape(QStringLiteral("circS2RDX"), frameStateRDX);
    circISS = new LedShape(QStringLiteral("circISS"), frameStateRDX);
    picS3 = new QWidget(frameStateRDX);
    picS3->setObjectName(QStringLiteral("picS3"));
    circS3RDX = new LedShape(QStringLiteral("circS3RDX"), picS3);
    auto* s3Row = new QHBoxLayout(picS3);
    s3Row->setContentsMargins(0, 0, 0, 0);
    s3Row->addWidget(circS3RDX);
    s3Row->addWidget(ledCaption(4, QStringLiteral("S3"), picS3));
    lblAmpRDX = analogLabel("lblAmpRDX", "0.0", frameStateRDX);
    Label4 = unitLabel("Label4", "mA", frameStateRDX);
    lblVoltRDX = analogLabel("lblVoltRDX", "0.0", frameStateRDX);
    Label3 = unitLabel("Label3", "V", frameStateRDX);

    auto* grid = new QGridLayout(frameStateRDX);
    grid->addWidget(circSensorRDX, 0, 0);
    grid->addWidget(ledCaption(6, QStringLiteral("Sensor"), frameStateRDX), 0, 1);
    grid->addWidget(circS1RDX, 1, 0);
    grid->addWidget(ledCaption(5, QStringLiteral("S1"), frameStateRDX), 1, 1);
    grid->addWidget(circS2RDX, 2, 0);
    grid->addWidget(ledCaption(3, QStringLiteral("S2"), frameStateRDX), 2, 1);
    grid->addWidget(picS3, 0, 2, 1, 2);
    grid->addWidget(circISS, 1, 2);
    grid->addWidget(ledCaption(7, QStringLiteral("ISS"), frameStateRDX), 1, 3);
    grid->addWidget(lblAmpRDX, 3, 0, 1, 2);
    grid->addWidget(Label4, 3, 2);
    grid->addWidget(lblVoltRDX, 4, 0, 1, 2);
    grid->addWidget(Label3, 4, 2);
    grid->setColumnStretch(4, 1);
}

frmShowIt::StateSet frmShowIt::stateSet() const {
    if (SensorKind == DisplayReadouts::Rdx)
        return {frameStateRDX, circSensorRDX, circS1RDX, circS2RDX, lblSwitchLED[3], lblAmpRDX, lblVoltRDX};
    return {frameStateStandard, circSensorStandard, circS1Standard, circS2Standard, lblSwitchLED[2], lblAmp, lblVolt};
}

void frmShowIt::Init() {
    reportedRange_ = sensorItem(SensorInfoItem::RangeMm).toInt();
    displayRange_ = DisplayScale::DisplayRange(reportedRange_);
    analog_.low = itemNumber(SensorInfoItem::AnalogLow);
    analog_.high = itemNumber(SensorInfoItem::AnalogHigh);

    const QString pictureName = SensorPictures::PictureName(itemText(SensorInfoItem::SensorType));
    SensorKind = DisplayReadouts::SensorKindOf(pictureName);
    QPixmap picture = QPixmap::fromImage(SensorPictures::Picture(pictureName));
    MakePictureTransparent(picture);
    picSensor->setPixmap(picture);
    picSensor->resize(picture.size());

    const bool rdx = SensorKind == DisplayReadouts::Rdx;
    frameStateRDX->setVisible(rdx);
    frameStateStandard->setVisible(!rdx);
    if (!rdx) {
        const bool switches = SensorKind != DisplayReadouts::Echo;
        for (QWidget* w : {static_cast<QWidget*>(circS1Standard), static_cast<QWidget*>(circS2Standard),
                           static_cast<QWidget*>(lblSwitchLED[0]), static_cast<QWidget*>(lblSwitchLED[2])})
            w->setVisible(switches);
    }
    fitWindowSize();
    layoutWindow();
    Update();
}

// The window is as high as the sensor frame (or the LED frame) needs, and at
// least wide enough for the picture, the scale's legend and the LED frame.
void frmShowIt::fitWindowSize() {
    const int stateHeight = std::max(frameStateStandard->sizeHint().height(), frameStateRDX->sizeHint().height());
    frameHeight_ = std::max(picDis->DesignHeight() + 2 * Margin, stateHeight);
    picSensor->move(Margin, (frameHeight_ - picSensor->height()) / 2);
    scaleLeft_ = 2 * picSensor->x() + picSensor->width();
    setMinimumWidth(Margin + scaleLeft_ + picDis->LegendRight() + stateSet().frame->width() + 3 * Margin);
    setFixedHeight(frameHeight_ + 2 * Margin);
    // The child window's frame keeps the same limits, title bar and borders added.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        const QMargins frame = sub->contentsMargins();
        sub->setMinimumWidth(minimumWidth() + frame.left() + frame.right());
        sub->setFixedHeight(height() + frame.top() + frame.bottom());
    }
}

// The sensor frame holds the picture and the scale and takes the width the
// LED frame leaves.
void frmShowIt::layoutWindow() {
    QFrame* state = stateSet().frame;
    const int sensorWidth = std::max(0, width() - state->width() - 3 * Margin);
    frameSensor->setGeometry(Margin, Margin, sensorWidth, frameHeight_);
    picDis->setGeometry(scaleLeft_, Margin, std::max(0, sensorWidth - Margin - scaleLeft_), picDis->DesignHeight());
    state->setGeometry(Margin + sensorWidth + Margin, Margin, state->width(), frameHeight_);
}

void frmShowIt::setDefaultGeometry(QMdiArea* area) {
    // The top of the main window's area, as wide as the area.
    QMdiSubWindow* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!sub) return;
    const QMargins frame = sub->contentsMargins();
    sub->setGeometry(0, 0, area->viewport()->width(), height() + frame.top() + frame.bottom());
}

void frmShowIt::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutWindow();
}

void frmShowIt::Update() {
    const DisplayScale::MarkerChoice choice = DisplayScale::ChooseMarkers(markerSources(SensorKind));
    std::array<bool, DisplayScale::MarkerCount> enabled{};
    for (size_t k = 0; k < enabled.size(); ++k) enabled[k] = settings_.SwitchEnable[k + 1] != 0;
    picDis->SetScale(displayRange_, choice, enabled);
    if (SensorKind != DisplayReadouts::Rdx)
        for (QLabel* label : {lblAmp, lblCAmp, lblVolt, lblCVolt}) label->setVisible(choice.analog);
}

void frmShowIt::setLed(LedShape* led, Led colour) {
    switch (colour) {
    case Led::Off: led->SetFillColor(offColour_); break;
    case Led::Yellow: led->SetFillColor(DisplayReadouts::Yellow); break;
    case Led::Red: led->SetFillColor(DisplayReadouts::Red); break;
    case Led::Unchanged: break;
    }
}

void frmShowIt::showOutput(LedShape* led, int state, int modeItem, int errorMode) {
    const DisplayReadouts::SwitchMode mode = DisplayReadouts::ReadSwitchMode(itemText(modeItem));
    setLed(led, DisplayReadouts::OutputLed(mode.inactive ? DisplayReadouts::Inactive : state, mode.mode, errorMode));
}

void frmShowIt::SetState(int state1, int state2) {
    if (!Loaded) return;
    const StateSet set = stateSet();
    if (state1 == DisplayReadouts::NoAnswer && state2 == DisplayReadouts::NoAnswer) {
        if (sensorFailures_.Fail()) setLed(set.sensor, Led::Off);
    } else {
        sensorFailures_.Reset();
        set.sensor->SetFillColor(DisplayReadouts::Green);
    }

    showOutput(set.s1, state1, SensorInfoItem::Output1Mode, settings_.ErrorMode[1]);

    // Without a mode the line has no second output.
    const bool output2 = !itemText(SensorInfoItem::Output2Mode).isEmpty();
    if (output2) showOutput(set.s2, state2, SensorInfoItem::Output2Mode, settings_.ErrorMode[2]);
    if (SensorKind != DisplayReadouts::Echo) {
        set.s2->setVisible(output2);
        set.s2Caption->setVisible(output2);
    }

    if (SensorKind == DisplayReadouts::Rdx && showOutput3()) showInclination();
}

// Output 3 of the RDX line. Returns false when the window went away while
// it waited for the sensor.
bool frmShowIt::showOutput3() {
    // "I" only counts as mode 0 here: the LED still follows the answer.
    const int mode = DisplayReadouts::ReadSwitchMode(itemText(SensorInfoItem::Output3Mode)).mode;
    const QPointer<frmShowIt> self(this);
    const int state = DisplayReadouts::OutputStateFromAnswer(askSensor(QStringLiteral("SS3")));
    if (!self || !Loaded) return false;
    if (state != DisplayReadouts::NoAnswer) {
        output3Failures_.Reset();
        setLed(circS3RDX, DisplayReadouts::OutputLed(state, mode, settings_.ErrorMode[3]));
        picS3->show();
        return true;
    }
    setLed(circS3RDX, Led::Off);
    if (output3Failures_.Fail()) picS3->hide();
    return true;
}

// The inclination switch of the RDX line: red while it has tripped.
bool frmShowIt::showInclination() {
    const QPointer<frmShowIt> self(this);
    const QString answer = askSensor(QStringLiteral("ISS"));
    if (!self || !Loaded) return false;
    if (answer == QLatin1String("1") || answer == QLatin1String("0")) {
        inclinationFailures_.Reset();
        setLed(circISS, answer == QLatin1String("1") ? Led::Red : Led::Off);
    } else if (inclinationFailures_.Fail()) {
        setLed(circISS, Led::Off);
    }
    return true;
}

void frmShowIt::SetDistance(std::optional<long> distance, long analog, bool fault) {
    if (!Loaded) return;
    picDis->SetDistance(distance);
    if (reportedRange_ <= 0) return;
    const StateSet set = stateSet();
    // A sensor that gave no distance gave no analogue value either: its
    // output is unknown, not at its low end. A reported fault still shows
    // the fault current, since the sensor answered that.
    if (!distance && !fault) {
        set.amp->setText(DisplayReadouts::NoReadingText());
        set.volt->setText(DisplayReadouts::NoReadingText());
        return;
    }
    analog_.faultCurrent = settings_.FaultCurrent;
    const DisplayReadouts::AnalogOutput output = DisplayReadouts::AnalogFor(analog, analog_, SensorKind, fault);
    set.amp->setText(DisplayReadouts::FormatAnalog(output.milliamps));
    set.volt->setText(DisplayReadouts::FormatAnalog(output.volts));
}

void frmShowIt::mouseMoveEvent(QMouseEvent* event) {
    Editors::Host().ShowQuickHelp(0);
    QWidget::mouseMoveEvent(event);
}

void frmShowIt::closeEvent(QCloseEvent* event) {
    Loaded = false;
    Sensor::SetPolling(false);
    if (Options::Services().SetMenuChecked) Options::Services().SetMenuChecked(QStringLiteral("mnShowIt"), false);
    Window::SaveWindowPos(this);
    event->accept();
}
