#pragma once
// A frmQT8200 read from a fake QT8200 sensor and shown (offscreen), with the
// main window, display window and progress window replaced by recorders.
#include "editors/common/EditorFakes.h"
#include "editors/common/RWState.h"
#include "editors/qt8200/QT8200Table.h"
#include "editors/qt8200/frmQT8200.h"
#include "link/SensorState.h"
#include "support/TempWindowsFolder.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// What a QT8200 sensor answers: with a second switch output, or with an
// analogue output in its place (SD2 and SH2 answer 82h, OM has one digit).
inline QHash<QString, QString> QT8200Sensor(bool analog) {
    QHash<QString, QString> values = {
        {"VS", "34320"},  {"RT", "0"},    {"DIP", "A5F"},  {"UDS", "0"},   {"SD1", "00500"}, {"FA1", "0"},
        {"SD2", "01500"}, {"FA2", "1"},   {"SH1", "5"},    {"SH2", "7"},   {"OM", "32"},     {"CBT", "0000"},
        {"CCT", "010"},   {"FTO", "003"}, {"CON", "005"},  {"EM", "DYN,003"}, {"NDE", "00300"}, {"FDE", "02000"},
        {"FW", "10"},
    };
    if (analog) {
        values.remove("SD2");   // the fake answers 82h for what it does not hold
        values.remove("SH2");
        values["OM"] = "3";
    }
    return values;
}

inline const QString Rejected = QString(QChar(0x82));

// Keeps EM as a QT8200 does: a write sets one of its two fields (DYN1, BEW1
// or OFF; a count or M0 .. M4), a read answers both ("DYN,003").
class QT8200FakeSensor : public FakeSensor {
public:
    void SetParameter(const QString& key, const QString& value, std::optional<int> fileNo) override {
        if (fileNo || key != QLatin1String("EM") || !values.contains(key)) {
            FakeSensor::SetParameter(key, value, fileNo);
            return;
        }
        requests.append(key + ',' + value);
        QString first = values[key].section(',', 0, 0);
        QString second = values[key].section(',', 1);
        if (value == "DYN1" || value == "BEW1" || value == "OFF") first = value.left(3);
        else second = value == "M0" ? "000" : value;
        values[key] = first + ',' + second;
    }
};

class QT8200WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        Editors::SetLink(&sensor);
        open(false);
    }
    void TearDown() override {
        window.reset();
        RWState::ResetForTests();
        Sensor::ResetStateForTests();
    }

    // A window on a sensor of that variant, with some answers changed.
    void open(bool analog, const QHash<QString, QString>& changes = {}) {
        window.reset();
        Sensor::ResetStateForTests();
        Sensor::State().SensorType = "QT2500";
        sensor.values = QT8200Sensor(analog);
        for (auto it = changes.begin(); it != changes.end(); ++it) sensor.values[it.key()] = it.value();
        window = std::make_unique<frmQT8200>();
        window->SetProgress(&fakes.progress);
        window->Init();
        window->readdata();
        window->Show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        sensor.take();
        fakes.display.calls.clear();
        fakes.host.quickHelp.clear();
    }

    // The user types into a text box, replacing its text.
    void type(QLineEdit* box, const QString& text) {
        box->setFocus();
        QApplication::processEvents();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }
    // The user chooses a list entry.
    void choose(QComboBox* list, int index) {
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

    const QString& value(int record) const { return window->Model()[record].Value; }

    TempWindowsFolder windows;
    InstalledFakes fakes;   // its sensor is replaced by this one
    QT8200FakeSensor sensor;
    std::unique_ptr<frmQT8200> window;
};
