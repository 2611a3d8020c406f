#pragma once
// A frmQF8200 read from a fake QF8200 sensor and shown (offscreen).
#include "editors/EditorTestSupport.h"
#include "editors/qf8200/QF8200Table.h"
#include "editors/qf8200/frmQF8200.h"

// What a QF8200 sensor answers: with a second switch output, or with an
// analogue output in its place (the other parameters answer 82h).
inline QHash<QString, QString> QF8200Sensor(bool analog) {
    QHash<QString, QString> values = {
        {"VS", "34330"},  {"VS0", "33130"}, {"TO", "0"},     {"TEM", "2931"},  {"CBT", "0"},    {"CCT", "10"},
        {"FTO", "5"},     {"CON", "3"},     {"BR", "200"},   {"DIP", "A50"},   {"UDS", "0"},    {"SD11", "500"},
        {"SD1", "500"},   {"SD12", "1000"}, {"SD21", "800"}, {"SD2", "800"},   {"SD22", "1500"}, {"SH1", "5"},
        {"SH2", "5"},     {"OM", "10"},     {"OPM", "WR"},   {"FSF", "1,40"},  {"EM", "PT1,100,5,3"},
        {"NDE", Rejected}, {"FDE", Rejected}, {"OT", "0"},   {"SE", "1"},      {"RR", "3000"},  {"NEF", "0"},
    };
    if (!analog) return values;
    return Changed(values, {{"SD21", Rejected}, {"SD2", Rejected}, {"SD22", Rejected}, {"SH2", Rejected},
                            {"NDE", "300"}, {"FDE", "2000"}, {"OM", "1"}, {"OPM", "SL"}});
}

class QF8200WindowTest : public EditorWindowTest<frmQF8200> {
protected:
    void SetUp() override { open(false); }
    // A window on a sensor of that variant, with some answers changed.
    void open(bool analog, const QHash<QString, QString>& changes = {}) {
        Show("QF3000", Changed(QF8200Sensor(analog), changes));
    }
};
