#pragma once
#include "TestEditor.h"
#include "frame/LanguageUtil.h"
#include "frame/MainModule.h"
#include "frame/Options.h"
#include "frame/SettingsServices.h"
#include "link/EditorRegistry.h"
#include "support/FakeSerialControl.h"
#include "link/Ports.h"
#include "link/SensorState.h"
#include "mainwin/Toolbar.h"
#include "mainwin/frmMain.h"
#include "support/ScriptedMessages.h"
#include "support/TempWindowsFolder.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QPointer>

#include <functional>

// A main window on a scripted sensor line: a sensor of `connectedType`
// answers identification requests (nothing while `sensorPresent` is false),
// and test editors stand in for the QF8200 and QT8200 editors.
class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        Options::ResetForTests();
        Options::ResetServicesForTests();
        MainModule::ResetForTests();
        Sensor::ResetStateForTests();
        Ports::ResetForTests();
        Toolbar::ResetForTests();
        LanguageUtil::ResetLanguages();
        EditorRegistry::ResetForTests();
        EditorRegistry::RegisterEditor("frmQF8200", [this] { return &qf; });
        EditorRegistry::RegisterEditor("frmQT8200", [this] { return &qt; });
        line.respond = [this](const QByteArray& request) { return answer(request); };
    }

    void TearDown() override {
        delete window.data();
        EditorRegistry::ResetForTests();
        Ports::ResetForTests();
        Toolbar::ResetForTests();
        Options::ResetServicesForTests();
        LanguageUtil::ResetLanguages();
        Sensor::ResetStateForTests();
    }

    // Creates the window on the scripted line and shows it, which runs the
    // start-up with its sensor detection. `install` wires further program
    // parts into the window before it shows.
    void start(const std::function<void()>& install = {}) {
        if (!settings.isEmpty() && !QFile::exists(windir.file(Options::SettingsFile)))
            windir.write(Options::SettingsFile, settings);
        window = new frmMain;
        window->Steps.InitPort = [this] { Ports::InitPort(&line, [this](const QString& name, bool open) { window->ShowPort(name, open); }); };
        Options::Services().SetPort = [](QString& name) { Ports::SetPort(name); };
        if (install) install();
        window->show();
    }

    void activate() {
        QEvent activation(QEvent::WindowActivate);
        QCoreApplication::sendEvent(window, &activation);
    }

    QByteArray answer(const QByteArray& request) const {
        if (!sensorPresent) return {};
        // A lone carriage return probes for an echoing sensor; this one refuses it.
        if (request.isEmpty()) return "\x82\r";
        if (request == "ID") return "Q&B " + connectedType.toLatin1() + " Eprom: E1 Version: 1.0\r";
        if (request == "VER") return "1.0A\r";
        if (request == "DAT") return "Date: 01.02.03 Time: 10:00\r";
        return "\x80\r";
    }

    qsizetype count(const QByteArray& request, qsizetype since = 0) const {
        return line.requestsSince(since).count(request);
    }

    // The settings file with its lines ended by "\n" alone.
    QByteArray ini() const { return windir.read(Options::SettingsFile).replace("\r\n", "\n"); }

    TempWindowsFolder windir;
    ScriptedMessages messages{{}, MsgBox::Cancel};
    FakeSerialControl line;
    TestEditor qf{"frmQF8200"};
    TestEditor qt{"frmQT8200"};
    // Short waits for missing answers, no reset command: quick detections.
    QByteArray settings = "[Settings]\nDetectTimeout=5\nSendRST=0\n";
    QString connectedType = "QF6000-KR";
    bool sensorPresent = true;
    QPointer<frmMain> window;
};
