#pragma once
// A frmQF8200Echo read from an in-process QF8200Echo sensor and shown
// (offscreen), with the main window, the display window, the progress
// window and the traffic monitor replaced by recorders. German number
// settings, as the sensor's users have them.
#include "editors/EditorTestSupport.h"
#include "editors/qf8200echo/EchoFakeSensor.h"
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

class QF8200EchoWindowTest : public EditorWindowFixture<frmQF8200Echo> {
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
        EditorWindowFixture::TearDown();
        TrafficLog::SetSink({});
        QLocale::setDefault(QLocale::c());
    }

    // A window on a sensor of that variant and software, with some cells changed.
    void open(bool analog = false, bool firmwareV2 = true, const QHash<QString, QString>& changes = {}) {
        ShowWindow([&] {
            Sensor::State().SensorType = analog ? "QE2000-62HN-IU" : "QE3000-62HN";
            Sensor::State().SensorVersion = firmwareV2 ? "2.1" : "1.9";
            Sensor::State().SensorRange = analog ? 2000 : 3000;
            sensor.cells = EchoFakeSensor::Cells(analog);
            sensor.cells.insert(changes);
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
    void type(QLineEdit* box, const QString& text, std::optional<Then> then = std::nullopt) {
        showPageOf(box);
        Type(box, text, then);
    }
    const ParamRec& record(int index) const { return window->Echo()[index]; }
    // One tick of the window's 500 ms timer.
    void tick() { QMetaObject::invokeMethod(window->findChild<QTimer*>("timQuickHelp"), "timeout"); }

    TempProgramFolder program;
    InstalledEchoSensor sensor;
    QStringList monitor;
};
