#pragma once
// A frmQF8200RDX read from a fake QF8200RDX sensor and shown (offscreen).
#include "editors/EditorTestSupport.h"
#include "editors/qf8200rdx/QF8200RDXTable.h"
#include "editors/qf8200rdx/frmQF8200RDX.h"

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

class QF8200RDXWindowTest : public EditorWindowTest<frmQF8200RDX> {
protected:
    void SetUp() override { open(); }
    // A window on a sensor with some answers changed.
    void open(const QHash<QString, QString>& changes = {}) { Show("QF4000-K58", Changed(QF8200RDXSensor(), changes)); }
};
