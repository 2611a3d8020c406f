#include "link/ProtFile.h"

#include "frame/Message.h"
#include "frame/Options.h"
#include "frame/STRING_UTIL.h"
#include "link/PollCycle.h"
#include "link/Sensor.h"
#include "link/TakenValues.h"

#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

using STRING_UTIL::TrimBlanks;

namespace Sensor {
namespace {

constexpr int MessageProtFileOpen = 4;
constexpr int MessageNotWritten = 14;
const QString FormFeed = QStringLiteral("\f");
const QString LineEnd = QStringLiteral("\r\n");

struct RecorderHooks {
    std::function<void(const QString&)> statusLine;
    std::function<QDateTime()> clock;
    std::function<void()> stopped;
};

RecorderHooks& hooks() {
    static RecorderHooks installed;
    return installed;
}

const Options::ProtFileSettings& settings() { return Options::Current().Prot; }

QDateTime now() { return hooks().clock ? hooks().clock() : QDateTime::currentDateTime(); }

// The pattern "###": no leading zeros, and nothing at all for 0.
QString hashPattern(qint64 number) { return number == 0 ? QString() : QString::number(number); }

// The user's long time format as the recorder always wrote it: hours,
// minutes and seconds, without the time zone that Qt's long format adds.
QString longTime(const QTime& time) {
    static const QRegularExpression zone(QStringLiteral("\\s*t+\\s*"));
    QLocale locale;
    return locale.toString(time, locale.timeFormat(QLocale::LongFormat).replace(zone, QStringLiteral(" ")).trimmed());
}

// The placeholders "%0" to "%5" of a line written for channel.
std::array<QString, 6> placeholderValues(const ProtFileRecorder& r, int channel) {
    const QDateTime moment = now();
    return {hashPattern(r.ProtPageNo),
            hashPattern(r.ProtLineNo),
            QLocale().toString(moment.date(), QLocale::ShortFormat),
            longTime(moment.time()),
            r.ChannelCommand[size_t(std::clamp(channel, 0, 3))],
            r.LastText};
}

// A "%" and a digit 0 to 5 give that placeholder's value; before any other
// digit the "%" is dropped and the digit stays; a "%" before anything else
// (or at the end) is kept as it is, so that "50%" means what it says.
QString expandTemplate(const QString& templ, const std::array<QString, 6>& values) {
    QString line;
    for (qsizetype i = 0; i < templ.size(); ++i) {
        const QChar c = templ[i];
        const int digit = i + 1 < templ.size() ? templ[i + 1].unicode() - '0' : -1;
        if (c != QLatin1Char('%') || digit < 0 || digit > 9) {
            line += c;
        } else if (digit <= 5) {
            line += values[size_t(digit)];
            ++i;
        }
    }
    return line;
}

void showStatus(const QString& text) {
    if (hooks().statusLine) hooks().statusLine(text);
}

void stopRecording(ProtFileRecorder& r) {
    r.ProtFile.reset();
    r.LoggingActive = false;
    SetPolling(false);
    // The count of a recording that has ended would read as one that goes on.
    showStatus(QString());
}

// A line that does not reach the disk ends the recording: going on would
// count lines that are lost.
void writeRawLine(ProtFileRecorder& r, const QString& text) {
    if (!r.ProtFile || r.ProtFile->Append((text + LineEnd).toLatin1())) return;
    const QString path = r.ProtFile->Path();
    stopRecording(r);
    ShowMessage(MessageNotWritten, std::nullopt, std::nullopt, path);
    if (hooks().stopped) hooks().stopped();
}

void writeCountedLine(ProtFileRecorder& r, const QString& templ, int channel) {
    writeRawLine(r, expandTemplate(templ, placeholderValues(r, channel)));
    ++r.ProtLineNo;
}

// The title counts as line 1 of its page but never ends the page itself:
// with one line per page the title alone would otherwise fill page after page.
void writeTitle(ProtFileRecorder& r, int channel) {
    if (TrimBlanks(settings().ProtTitle).isEmpty()) return;
    writeCountedLine(r, settings().ProtTitle, channel);
    writeRawLine(r, QString());
}

std::unique_ptr<FileWriting::GrowingFile> openProtFile() {
    auto file = std::make_unique<FileWriting::GrowingFile>();
    if (settings().ProtFileName.isEmpty() || !file->Open(settings().ProtFileName, settings().ProtOverwrite))
        return nullptr;
    return file;
}

// The command of a channel is its text up to the first blank, so that
// "AD <Absolute Distance>" sends "AD". The first empty channel ends the list.
std::array<QString, 4> channelCommands() {
    std::array<QString, 4> commands;
    for (size_t channel = 1; channel <= 3; ++channel) {
        const QString& text = settings().ProtCommand[channel - 1];
        if (text.isEmpty()) break;
        commands[channel] = text.left(text.indexOf(QLatin1Char(' ')));
    }
    return commands;
}

// Whether channel 1's new value is worth a line, by the chosen output option:
// 0 and 1 count ticks, 2 a change in percent, 3 a change in millimetres.
bool lineDue(const ProtFileRecorder& r, qint32 value) {
    const int option = settings().ProtOutputOption;
    const double n = settings().ProtOutputValue[size_t(std::clamp(option, 0, 3))];
    switch (option) {
    case 2:
        // From 0 any change is infinitely large; 0 to 0 is no change.
        if (r.LastValue == 0) return value != 0;
        return std::abs(double(value) / r.LastValue * 100 - 100) > n;
    case 3:
        return std::abs(double(value) - r.LastValue) > n;
    default:
        return r.SkipCount >= n - 1;
    }
}

// A channel's answer with the line's guard after it: one shifted onto it by
// a line more than was asked for is recorded as no answer.
QString askChannel(const QString& command, const QString& distanceAnswer) {
    if (command.toUpper() == QLatin1String("AD")) return distanceAnswer;
    QString answer;
    Ports::AnswerBytes bytes{};
    const bool inStep = TakenValues::InStep([&] {
        SendCommand(command, answer, bytes, std::nullopt, true, true, true);   // cyclic, logged
    });
    return inStep ? answer : QString();
}

}  // namespace

ProtFileRecorder& ProtFileState() {
    static ProtFileRecorder state;
    return state;
}

void ResetProtFileForTests() {
    ProtFileState() = ProtFileRecorder();
    hooks() = RecorderHooks();
}

void SetStatusLine(std::function<void(const QString& text)> show) { hooks().statusLine = std::move(show); }

void SetRecordingStopped(std::function<void()> stopped) { hooks().stopped = std::move(stopped); }

void SetProtClock(std::function<QDateTime()> clock) { hooks().clock = std::move(clock); }

bool LoggingActive() { return ProtFileState().LoggingActive; }

void StartProtFile(bool& on) {
    ProtFileRecorder& r = ProtFileState();
    if (!on) {
        if (r.LoggingActive) stopRecording(r);
        return;
    }
    if (r.LoggingActive) return;

    std::unique_ptr<FileWriting::GrowingFile> file = openProtFile();
    if (!file) {
        ShowMessage(MessageProtFileOpen);
        on = false;
        return;
    }
    SetPolling(true);
    r.ProtFile = std::move(file);
    r.ChannelCommand = channelCommands();
    r.LastValue = 0;
    r.SampleCount = 0;
    r.ProtLineNo = 0;
    r.SkipCount = -1;
    r.ProtPageNo = 1;
    r.LoggingActive = true;
    // An appended recording starts on a page of its own.
    if (r.ProtFile->SizeAtOpen() > 0) writeRawLine(r, FormFeed);
    writeTitle(r, 0);
    on = r.LoggingActive;
}

void FileLoggingTick(const QString& distanceAnswer) {
    ProtFileRecorder& r = ProtFileState();
    for (int channel = 1; channel <= 3; ++channel) {
        // Also checked after every query: the user may stop the recording
        // while the sensor is being asked.
        if (!r.LoggingActive) return;
        const QString command = r.ChannelCommand[size_t(channel)];
        if (command.isEmpty()) return;
        ++r.SampleCount;
        const QString answer = askChannel(command, distanceAnswer);
        if (!r.LoggingActive) return;
        ++r.SkipCount;
        const qint32 value = LeadingLong(answer);
        if (channel == 1) {
            // Channel 1 decides for the whole tick.
            if (lineDue(r, value)) r.SkipCount = 0;
            r.LastValue = value;
            if (r.SkipCount > 0) return;
        } else {
            r.SkipCount = 0;
        }
        showStatus(QStringLiteral("File Logging (%1)").arg(r.SampleCount));
        r.LastText = answer;
        WriteProtLine(settings().ProtData, channel);
    }
}

void WriteProtLine(const QString& templ, int channel) {
    ProtFileRecorder& r = ProtFileState();
    writeCountedLine(r, templ, channel);
    if (r.ProtLineNo < settings().ProtLines) return;
    writeRawLine(r, FormFeed);
    r.ProtLineNo = 0;
    ++r.ProtPageNo;
    writeTitle(r, channel);
}

}  // namespace Sensor
