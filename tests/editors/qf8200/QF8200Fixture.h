#pragma once
// A frmQF8200 read from a fake QF8200 sensor and shown (offscreen), with the
// main window, display window and progress window replaced by recorders.
#include "editors/common/EditorFakes.h"
#include "editors/common/RWState.h"
#include "editors/qf8200/QF8200Table.h"
#include "editors/qf8200/frmQF8200.h"
#include "link/SensorState.h"
#include "support/TempWindowsFolder.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// What a QF8200 sensor answers: with a second switch output, or with an
// analogue output in its place (the other parameters answer 82h).
inline QHash<QString, QString> QF8200Sensor(bool analog) {
    const QString rejected(QChar(0x82));
    QHash<QString, QString> values = {
        {"VS", "34330"},  {"VS0", "33130"}, {"TO", "0"},     {"TEM", "2931"},  {"CBT", "0"},    {"CCT", "10"},
        {"FTO", "5"},     {"CON", "3"},     {"BR", "200"},   {"DIP", "A50"},   {"UDS", "0"},    {"SD11", "500"},
        {"SD1", "500"},   {"SD12", "1000"}, {"SD21", "800"}, {"SD2", "800"},   {"SD22", "1500"}, {"SH1", "5"},
        {"SH2", "5"},     {"OM", "10"},     {"OPM", "WR"},   {"FSF", "1,40"},  {"EM", "PT1,100,5,3"},
        {"NDE", rejected}, {"FDE", rejected}, {"OT", "0"},   {"SE", "1"},      {"RR", "3000"},  {"NEF", "0"},
    };
    if (analog) {
        for (const char* key : {"SD21", "SD2", "SD22", "SH2"}) values[key] = rejected;
        values["NDE"] = "300";
        values["FDE"] = "2000";
        values["OM"] = "1";
        values["OPM"] = "SL";
    }
    return values;
}

class QF8200WindowTest : public ::testing::Test {
protected:
    void SetUp() override { open(false); }
    void TearDown() override {
        window.reset();
        RWState::ResetForTests();
        Sensor::ResetStateForTests();
    }

    // A window on a sensor of that variant, with some answers changed.
    void open(bool analog, const QHash<QString, QString>& changes = {}) {
        window.reset();
        Sensor::ResetStateForTests();
        Sensor::State().SensorType = "QF3000";
        fakes.sensor.values = QF8200Sensor(analog);
        for (auto it = changes.begin(); it != changes.end(); ++it) fakes.sensor.values[it.key()] = it.value();
        window = std::make_unique<frmQF8200>();
        window->SetProgress(&fakes.progress);
        window->Init();
        window->readdata();
        window->Show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        fakes.sensor.take();
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

    TempWindowsFolder windows;
    InstalledFakes fakes;
    std::unique_ptr<frmQF8200> window;
};
