#pragma once
// A QF8200Echo sensor in the process: memory cells answered in hex, writes
// taken into them, every request kept in order ("RM,WXE7", "WM,WXE7,01F4"),
// parameter files as tables per file number.
#include "editors/qf8200echo/EchoLink.h"

#include <QHash>
#include <QMap>
#include <QSet>
#include <QStringList>
#include <algorithm>
#include <functional>

class EchoFakeSensor : public EchoLink {
public:
    // A switch-output sensor's cells; the analogue variant adds the end values.
    static QHash<QString, QString> Cells(bool analog) {
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
        return cells;
    }

    int Read(const QString& request, QString& answer, Ports::AnswerBytes& answerBytes) override {
        requests.append(request);
        if (duringRead) duringRead(request);
        answer.clear();
        if (silent.contains(request)) return 0;
        const QString cell = request.section(',', 1);
        if (status.contains(request)) answer = QString(QChar(status.value(request)));
        else answer = request.startsWith("RM,") && cells.contains(cell) ? cells.value(cell) : QString(QChar(0x82));
        const QByteArray bytes = answer.toLatin1() + '\r';
        answerBytes.fill(0);
        std::copy_n(reinterpret_cast<const quint8*>(bytes.constData()), std::min<int>(bytes.size(), Ports::AnswerSize),
                    answerBytes.begin());
        return int(answer.size());
    }

    QString Write(const QString& request, const QString& hex, int timeoutMs) override {
        requests.append(request + ',' + hex);
        timeouts.append(timeoutMs);
        if (duringWrite) duringWrite();
        if (silent.contains(request)) return QString();
        if (status.contains(request)) return QString(QChar(status.value(request)));
        const QString cell = request.section(',', 1);
        if (!request.startsWith("WM,") || !cells.contains(cell)) return QString(QChar(0x82));
        cells[cell] = hex;
        return QString(QChar(0x80));
    }

    QString ReadFile(const QString& key, int fileNo) override { return files[fileNo].value(key); }
    void WriteFile(const QString& key, const QString& value, int fileNo) override {
        fileLines[fileNo].append(key + '=' + value);
    }

    // The requests since the last call.
    QStringList take() {
        QStringList taken = requests;
        requests.clear();
        return taken;
    }

    QHash<QString, QString> cells;
    QSet<QString> silent;                     // requests ("RM,WXE7", "WM,WXE7") that get no answer
    QHash<QString, int> status;               // requests answered with a status byte
    QMap<int, QHash<QString, QString>> files;
    QMap<int, QStringList> fileLines;
    QStringList requests;
    QList<int> timeouts;                      // of the writes, in order
    std::function<void()> duringWrite;        // runs while a write waits for its answer
    std::function<void(const QString&)> duringRead;   // runs while a read waits for its answer
};

// Installs a fake for the lifetime of a test.
struct InstalledEchoSensor : EchoFakeSensor {
    InstalledEchoSensor() { QF8200Echo::SetLink(this); }
    ~InstalledEchoSensor() { QF8200Echo::SetLink(nullptr); }
    InstalledEchoSensor(const InstalledEchoSensor&) = delete;
    InstalledEchoSensor& operator=(const InstalledEchoSensor&) = delete;
};
