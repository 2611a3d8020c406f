#pragma once
// A frmQF8200RDX read from a fake QF8200RDX sensor and shown (offscreen), with
// the main window, display window and progress window replaced by recorders.
#include "editors/common/EditorFakes.h"
#include "editors/common/RWState.h"
#include "editors/qf8200rdx/QF8200RDXTable.h"
#include "editors/qf8200rdx/frmQF8200RDX.h"
#include "link/SensorState.h"
#include "support/TempWindowsFolder.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

inline const QString Rejected(QChar(0x82));

// What a QF8200RDX answers: three switch outputs, an analogue output and the
// inclination switch. Its EEPROM holds a stale pair at base 110 and the
// limits 800 and 4000 at base 114.
inline QHash<QString, QString> QF8200RDXSensor() {
    return {
        {"VS", "34330"},   {"VS0", "33130"},     {"TO", "0"},      {"TEM", "2931"},   {"CBT", "0"},
        {"CCT", "10"},     {"FTO", "3"},         {"CON", "5"},     {"BR", "250"},     {"SD1", "800"},
        {"SD2", "1600"},   {"SD3", "2400"},      {"SH1", "5"},     {"SH2", "6"},      {"SH3", "7"},
        {"OM", "10I"},     {"FSF", "201,36"},    {"EM", "PT1,100,5,3"},               {"NDE", "400"},
        {"FDE", "3600"},   {"NEF", "1"},         {"MA", "A"},      {"UIS", "150,10"},
        {"RM,E110", "32"}, {"RM,E111", "3"},     {"RM,E112", "11"}, {"RM,E113", "84"},
        {"RM,E114", "3"},  {"RM,E115", "32"},    {"RM,E116", "12"}, {"RM,E117", "128"},
    };
}

// The same sensor with two switch outputs, without analogue output, without
// inclination switch.
inline QHash<QString, QString> TwoOutputs() { return {{"SD3", Rejected}, {"SH3", Rejected}, {"OM", "10"}, {"FSF", "20,36"}}; }
inline QHash<QString, QString> NoAnalog() { return {{"NDE", Rejected}, {"FDE", Rejected}, {"FSF", "201"}}; }
inline QHash<QString, QString> NoInclination() { return {{"UIS", Rejected}}; }
inline QHash<QString, QString> Merged(std::initializer_list<QHash<QString, QString>> parts) {
    QHash<QString, QString> all;
    for (const auto& part : parts) all.insert(part);
    return all;
}

class QF8200RDXWindowTest : public ::testing::Test {
protected:
    void SetUp() override { open(); }
    void TearDown() override {
        window.reset();
        RWState::ResetForTests();
        Sensor::ResetStateForTests();
    }

    // A window on a sensor with some answers changed.
    void open(const QHash<QString, QString>& changes = {}) {
        window.reset();
        Sensor::ResetStateForTests();
        Sensor::State().SensorType = "QF4000-K58";
        fakes.sensor.values = QF8200RDXSensor();
        for (auto it = changes.begin(); it != changes.end(); ++it) fakes.sensor.values[it.key()] = it.value();
        window = std::make_unique<frmQF8200RDX>();
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
    std::unique_ptr<frmQF8200RDX> window;
};
