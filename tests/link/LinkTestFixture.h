#pragma once
#include "frame/Options.h"
#include "support/FakeSerialControl.h"
#include "link/OfflineAnswers.h"
#include "link/Ports.h"
#include "link/TrafficLog.h"
#include "support/TempWindowsFolder.h"
#include "support/TestClock.h"

#include <QTimer>
#include <QStringList>
#include <gtest/gtest.h>

// A link on an open fake port "COM1" with short timeouts, two tries per
// command and a recorder as the traffic sink.
class LinkTest : public ::testing::Test {
protected:
    static constexpr int TimeoutMs = 30;

    void SetUp() override {
        Options::ResetForTests();
        Options::Current().RetryCount = 2;
        Ports::ResetForTests();
        Ports::InitPort(&port, showPort());
        QString name = "COM1";
        Ports::SetPort(name);
        Ports::SetTimeout(TimeoutMs);
        Ports::State().EchoTimeout = TimeoutMs;
        TrafficLog::SetSink([this](const TrafficLogLine& line) { traffic.append(line); });
    }

    void TearDown() override {
        TrafficLog::SetSink({});
        OfflineAnswers::Install({});
        Ports::ResetForTests();
        Options::ResetForTests();
    }

    // The sensor has been quiet long enough that the answers it still owed
    // count as lost: a sensor that fell silent and answers again at once
    // could be giving those late answers, which go to nobody.
    static void restTheLine() { Ports::State().Account.ForgetLost(1e300, 0); }

    // Each traffic line as prefix + text.
    QStringList trafficLines() const {
        QStringList lines;
        for (const TrafficLogLine& line : traffic) lines.append(line.Prefix + line.Text);
        return lines;
    }

    static QByteArray bytesOf(const Ports::AnswerBytes& answer, int count) {
        return QByteArray(reinterpret_cast<const char*>(answer.data()), count);
    }

    TempWindowsFolder windows;
    FakeSerialControl port;
    // What the main window's status bar would show of the port.
    bool portShownOpen = false;
    Ports::PortShown showPort() {
        return [this](const QString&, bool open) { portShownOpen = open; };
    }
    QList<TrafficLogLine> traffic;
};

// The same link on a clock that moves only while the program waits on the
// line, so that timing rules can be checked exactly and at once.
class TimedLinkTest : public LinkTest {
protected:
    void SetUp() override {
        LinkTest::SetUp();
        port.clock = &clock;
        Ports::State().clock = &clock;
    }

    TestClock clock;
};
