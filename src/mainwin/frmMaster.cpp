#include "mainwin/frmMaster.h"

#include "frame/FrameStyle.h"
#include "frame/NumberFormat.h"
#include "frame/Options.h"
#include "frame/Window.h"
#include "link/Ports.h"
#include "link/Sensor.h"
#include "link/SensorEditor.h"
#include "link/SensorInfo.h"
#include "link/TrafficLog.h"
#include "mainwin/WindowTexts.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// How often the window looks for new values. A look never waits for the
// sensor; at 9600 baud a short value takes a few milliseconds to arrive, so
// looking more often would only find nothing new.
constexpr int StreamLookMs = 10;

int answerTimeout() { return Ports::EchoMode() ? Ports::EchoTimeout() : Ports::AnswerTimeout(); }

void logReading(const QString& text) { TrafficLog::Offer({QStringLiteral("R: "), text, true}); }

}  // namespace

frmMaster::frmMaster(const MasterLine& line, QWidget* parent) : QDialog(parent), line_(line) {
    setObjectName(line.windowName);
    setWindowTitle(QStringLiteral("Master Device"));

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    FrameStyle::Use(Frame1);
    options_ = new QButtonGroup(this);
    auto* optionColumn = new QVBoxLayout(Frame1);
    for (int i = 0; i < MasterLine::ModeCount; ++i) {
        rdOpt[i] = new QRadioButton(line.captions[i], Frame1);
        rdOpt[i]->setObjectName(QStringLiteral("rdOpt"));
        rdOpt[i]->setProperty("index", i);
        options_->addButton(rdOpt[i], i);
        optionColumn->addWidget(rdOpt[i]);
    }
    rdOpt[0]->setChecked(true);

    Frame2 = new QGroupBox(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    FrameStyle::Use(Frame2);
    lblState = new QLabel(Frame2);
    lblState->setObjectName(QStringLiteral("lblState"));
    KeepDesignText(lblState);   // it shows the sensor's values
    lblState->setTextFormat(Qt::PlainText);   // as they come, whatever they hold
    lblState->setAlignment(Qt::AlignCenter);
    QFont stateFont(QStringLiteral("Arial"), 18, QFont::Bold);
    stateFont.setStyleHint(QFont::SansSerif);
    lblState->setFont(stateFont);
    lblState->setMinimumWidth(lblState->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
    (new QVBoxLayout(Frame2))->addWidget(lblState);

    btOk = new QPushButton(QStringLiteral("&Ok"), this);
    btOk->setObjectName(QStringLiteral("btOk"));
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(StreamLookMs);

    auto* rightColumn = new QVBoxLayout;
    rightColumn->addWidget(Frame2, 1);
    rightColumn->addWidget(btOk, 0, Qt::AlignRight);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(rightColumn);

    connect(options_, &QButtonGroup::idClicked, this, &frmMaster::chooseMode);
    connect(Timer1, &QTimer::timeout, this, &frmMaster::readStream);
    connect(btOk, &QPushButton::clicked, this, &QDialog::accept);

    if (line.relativeNeedsNoSwitch2) {
        QVariant switchPoint;
        Sensor::GetSensorData(SensorInfoItem::Output2Point1, switchPoint);
        if (NumberFormat::LeadingNumber(switchPoint.toString()) > 0) rdOpt[2]->setEnabled(false);
    }
    SetLanguage();
    adjustSize();
    Window::CenterForm(this);
}

void frmMaster::SetLanguage() { TranslateWindow(this); }

void frmMaster::StartMode(const QString& mode) {
    // The mode asked for is streamed even when its option is greyed: the
    // greying only keeps the user from choosing it here.
    const int index = MasterModes::ModeIndex(line_, mode);
    rdOpt[index]->setChecked(true);
    chooseMode(index);
}

void frmMaster::chooseMode(int index) {
    // The options wait until the sensor has taken this choice: a second
    // choice inside the first one's wait would leave the sensor streaming
    // whichever request came last.
    switching_ = true;
    Frame1->setEnabled(false);
    if (index != 0) {
        Timer1->start();
        Sensor::SetModeOff();
    } else {
        Timer1->stop();
    }
    Ports::FlushInput();
    Sensor::SetParameter(QStringLiteral("MD"), line_.modes[index], std::nullopt, nullptr, true);
    // The answer was read up to its carriage return: the stream starts on a line.
    stream_.Restart();
    sinceReading_.start();
    Frame1->setEnabled(true);
    switching_ = false;
    if (closeAsked_) done(closeResult_);
}

void frmMaster::readStream() {
    // While a request waits for its answer, what arrives is that answer:
    // taking it here would steal it, or make this look wait for it.
    if (switching_ || Ports::ReadDepth() > 0) return;
    // Taken as it is: a stream never leaves the line quiet for a request's
    // settling, and nothing waits further out to park for.
    const QByteArray arrived = Ports::DiscardInput();
    const bool cut = arrived.size() >= Ports::RxBufferSize;
    if (const std::optional<QByteArray> reading = stream_.Take(arrived, cut))
        showReading(*reading);
    else if (sinceReading_.elapsed() >= answerTimeout())
        countEmptyRead();
}

void frmMaster::showReading(const QByteArray& reading) {
    logReading(TrafficLog::FormatBytes(reading, Options::Current().DebugMode));
    emptyReads_ = 0;
    lblState->setText(QString::fromLatin1(reading));
    sinceReading_.start();
}

void frmMaster::countEmptyRead() {
    logReading(QStringLiteral("<TIMEOUT>"));
    if (++emptyReads_ == line_.emptyReadsToClear) lblState->clear();
    sinceReading_.start();
}

void frmMaster::done(int result) {
    if (closing_) return;
    if (switching_) {
        // Closed while the sensor takes a new mode: the stream ends right after.
        closeAsked_ = true;
        closeResult_ = result;
        return;
    }
    closing_ = true;
    Timer1->stop();
    if (line_.flushBeforeModeOff) Ports::FlushInput();
    Sensor::SetModeOff();
    QDialog::done(result);
}
