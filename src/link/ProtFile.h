#pragma once
#include "platform/FileWriting.h"

#include <QDateTime>
#include <QString>

#include <array>
#include <functional>
#include <memory>

// The protocol-file recorder: while recording, every poll cycle may write
// the measured values of up to three query channels as lines of a paged text
// file (Latin-1, CR LF, a form-feed line between pages), built from the title
// and data templates of the recorder's settings (Options::ProtFileSettings).
// In a template "%0" stands for the page number, "%1" the line number, "%2"
// the date, "%3" the time, "%4" the channel's command and "%5" its answer.
namespace Sensor {

struct ProtFileRecorder {
    bool LoggingActive = false;
    std::unique_ptr<FileWriting::GrowingFile> ProtFile;   // open while recording
    std::array<QString, 4> ChannelCommand;       // channels 1..3; 0 (the first title) has none
    qint64 SampleCount = 0;                      // channel queries since the start
    qint64 SkipCount = -1;                       // ticks since the last written line
    qint32 LastValue = 0;                        // channel 1's value at the previous tick
    QString LastText;                            // answer of the channel being written
    qint64 ProtLineNo = 0;                       // lines written on the current page
    qint64 ProtPageNo = 1;
};

ProtFileRecorder& ProtFileState();
// Closes the file and forgets the recorder, the status line and the clock (tests).
void ResetProtFileForTests();

// The main window's status line (lblMessage), which shows the progress.
void SetStatusLine(std::function<void(const QString& text)> show);
// Called when the recording stopped by itself because the file could not be
// written, so that the main window's buttons and menu show it.
void SetRecordingStopped(std::function<void()> stopped);
// Where "%2" and "%3" take the moment from; empty: the system clock.
void SetProtClock(std::function<QDateTime()> now);

bool LoggingActive();

// Starts (True) or stops (False) the recording. A start that cannot open the
// file shows message 4 and sets on to False. Only a start that succeeds
// registers a poll client, and only stopping a running recording removes it.
// A line that cannot be written (a full disk) stops the recording: message
// 14 names the file, the status line is cleared and the stop is announced
// (SetRecordingStopped); at the start, on is then set to False.
void StartProtFile(bool& on);

// One recorder step of a poll cycle, with the cycle's "AD" answer.
void FileLoggingTick(const QString& distanceAnswer);

// Writes one line from a template for a channel, and starts a new page when
// this one is full.
void WriteProtLine(const QString& templ, int channel);

}  // namespace Sensor
