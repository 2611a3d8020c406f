#pragma once
// A frmQT8200 read from a fake QT8200 sensor and shown (offscreen).
#include "editors/EditorTestSupport.h"
#include "editors/qt8200/QT8200Table.h"
#include "editors/qt8200/frmQT8200.h"

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

// Keeps EM as a QT8200 does: a write sets one of its two fields (DYN1, BEW1
// or OFF; a count or M0 .. M4), a read answers both ("DYN,003").
class QT8200FakeSensor : public FakeSensor {
public:
    WriteOutcome SetParameter(const QString& key, const QString& value, std::optional<int> fileNo) override {
        if (fileNo || key != QLatin1String("EM") || !values.contains(key))
            return FakeSensor::SetParameter(key, value, fileNo);
        requests.append(key + ',' + value);
        QString first = values[key].section(',', 0, 0);
        QString second = values[key].section(',', 1);
        if (value == "DYN1" || value == "BEW1" || value == "OFF") first = value.left(3);
        else second = value == "M0" ? "000" : value;
        values[key] = first + ',' + second;
        return WriteOutcome::Taken;
    }
};

class QT8200WindowTest : public EditorWindowTest<frmQT8200, QT8200FakeSensor> {
protected:
    void SetUp() override { open(false); }
    // A window on a sensor of that variant, with some answers changed.
    void open(bool analog, const QHash<QString, QString>& changes = {}) {
        Show("QT2500", Changed(QT8200Sensor(analog), changes));
    }
};
