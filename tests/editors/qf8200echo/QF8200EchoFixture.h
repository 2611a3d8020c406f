#pragma once
// A frmQF8200Echo read from an in-process QF8200Echo sensor and shown
// (offscreen), with the main window, the display window, the progress
// window and the traffic monitor replaced by recorders. German number
// settings, as the sensor's users have them.
#include "editors/EditorTestSupport.h"
#include "editors/qf8200echo/QF8200EchoTable.h"
#include "editors/qf8200echo/frmQF8200Echo.h"
#include "frame/TempProgramFolder.h"
#include "link/TrafficLog.h"
#include "platform/ProfileString.h"

#include <QLocale>
#include <QTimer>

// The input rules the tests rely on.
inline const QByteArray EchoTestRules = "[frmQF8200Echo]\r\n"
                                        "SD1=DEFAULT=100..6000\r\n"
                                        "SH1=$(Hysteresis)\r\n"
                                        "Hysteresis=DEFAULT=0..15\r\n";

// A switch-output sensor's memory cells as the answers to their reads; the
// analogue variant adds the end values.
inline QHash<QString, QString> EchoSensorCells(bool analog) {
    QHash<QString, QString> cells = {
        {"WXE2", "012C"}, {"WXE4", "0320"}, {"XE6", "01"},   {"WXE7", "01F4"}, {"WXE9", "03E8"},
        {"WXEB", "02BC"}, {"WXED", "04B0"}, {"WXEF", "8610"}, {"WXE11", "FFCE"}, {"WXE13", "00C8"},
        {"WXE15", "0BB8"}, {"WXE19", "0000"}, {"XE1B", "00"}, {"XE1C", "00"},   {"XE1D", "03"},
        {"XE1E", "02"},   {"XE1F", "02"},   {"WXE20", "0005"}, {"XE22", "00"},  {"XE23", "00"},
        {"XE24", "00"},   {"XE25", "00"},   {"XE26", "00"},   {"XE27", "05"},   {"XE28", "05"},
        {"XE29", "00"},   {"XE2A", "01"},   {"XE2B", "01"},   {"XE2C", "02"},   {"XE2D", "00"},
        {"XE2E", "0A"},   {"XE2F", "08"},   {"XE6E", "0F"},
    };
    if (analog) {
        cells["WXE72"] = "0190";
        cells["WXE74"] = "03E8";
        cells["XE6"] = "02";
        cells["XE2B"] = "01";
    }
    QHash<QString, QString> answers;
    for (auto it = cells.begin(); it != cells.end(); ++it) answers.insert("RM," + it.key(), it.value());
    return answers;
}

class QF8200EchoWindowTest : public EditorWindowTest<frmQF8200Echo> {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        program.write("VALIDATE.CFG", EchoTestRules);
        ProfileString::ForgetCachedFiles();
        Sensor::ResetValidateNoticeForTests();
        TrafficLog::SetSink([this](const TrafficLogLine& line) { monitor.append(line.Prefix + line.Text); });
        open();
    }
    void TearDown() override {
        EditorWindowTest::TearDown();
        TrafficLog::SetSink({});
        QLocale::setDefault(QLocale::c());
    }

    // A window on a sensor of that variant and software, with some cells changed.
    void open(bool analog = false, bool firmwareV2 = true, const QHash<QString, QString>& changes = {}) {
        ShowWindow([&] {
            Sensor::State().SensorType = analog ? "QE2000-62HN-IU" : "QE3000-62HN";
            Sensor::State().SensorVersion = firmwareV2 ? "2.1" : "1.9";
            Sensor::State().SensorRange = analog ? 2000 : 3000;
            sensor.values = EchoSensorCells(analog);
            for (auto it = changes.begin(); it != changes.end(); ++it) sensor.values["RM," + it.key()] = it.value();
        });
        sensor.take();
        sensor.timeouts.clear();
        monitor.clear();
    }

    // Brings the tab page that holds the control to the front.
    void showPageOf(const QWidget* control) {
        for (int i = 0; i < int(window->picData.size()); ++i)
            if (window->picData[size_t(i)]->isAncestorOf(control)) window->tabData->setCurrentIndex(i);
    }
    // The user types into a text box on its page, replacing its text.
    void type(QLineEdit* box, const QString& text, Then then) {
        showPageOf(box);
        Type(box, text, then);
    }
    const ParamRec& record(int index) const { return window->Echo()[index]; }
    // One tick of the window's 500 ms timer.
    void tick() { QMetaObject::invokeMethod(window->findChild<QTimer*>("timQuickHelp"), "timeout"); }

    TempProgramFolder program;
    QStringList monitor;
};
