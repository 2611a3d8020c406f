#pragma once
// Stand-ins for what an editor talks to: a sensor behind the command layer
// that records every request, the progress window, the main window and the
// display window. Header-only, so the tests of every editor can use them.
#include "editors/common/DisplayWindowLink.h"
#include "editors/common/EditorHost.h"
#include "editors/common/EditorLink.h"
#include "editors/common/TransferProgress.h"

#include <QHash>
#include <QMap>
#include <QSet>
#include <QStringList>
#include <algorithm>
#include <functional>
#include <utility>

// Answers reads from a table of values (Latin-1 text), takes writes into it
// and keeps the requests in order: "KEY" for a read, "KEY,VALUE" for a write.
// A memory cell is read with "RM,CELL" and written with "WM,CELL,HEX", which
// changes what the read answers. A key in silent gets no answer to either,
// one in refused has its writes refused (81h). A key in unacknowledged has
// its writes taken but answered with nothing (the answer was lost, or went to
// another request); one in lostWrites has its writes neither taken nor
// answered, while its reads are answered. Parameter files are value tables
// per file number, written lines are kept.
class FakeSensor : public EditorLink {
public:
    int SendCommand(const QString& command, QString& answer, Ports::AnswerBytes& answerBytes,
                    std::optional<int> fileNo) override {
        answer.clear();
        if (fileNo) {
            answer = files[*fileNo].value(command);
            return int(answer.size());
        }
        requests.append(command);
        if (duringRead) duringRead(command);
        if (silent.contains(command)) return 0;
        answer = values.contains(command) ? values.value(command) : QString(QChar(0x82));
        const QByteArray bytes = answer.toLatin1() + '\r';
        std::copy_n(reinterpret_cast<const quint8*>(bytes.constData()),
                    std::min<int>(bytes.size(), Ports::AnswerSize), answerBytes.begin());
        return int(answer.size());
    }

    WriteOutcome SetParameter(const QString& key, const QString& value, std::optional<int> fileNo) override {
        if (fileNo) {
            fileLines[*fileNo].append(key + '=' + value);
            return WriteOutcome::Taken;
        }
        requests.append(value.isEmpty() ? key : key + ',' + value);
        if (value.isEmpty()) return WriteOutcome::Taken;
        return OutcomeOfAnswer(write(key, value));
    }

    int ReadUnlogged(const QString& request, QString& answer, Ports::AnswerBytes& answerBytes) override {
        return SendCommand(request, answer, answerBytes, std::nullopt);
    }

    QString WriteUnlogged(const QString& request, const QString& value, int timeoutMs) override {
        requests.append(request + ',' + value);
        timeouts.append(timeoutMs);
        return write(request, value);
    }

    // The requests since the last call.
    QStringList take() { return std::exchange(requests, {}); }

    QHash<QString, QString> values;
    QSet<QString> silent;                       // keys that get no answer
    QSet<QString> refused;                      // keys whose writes are refused
    QSet<QString> unacknowledged;               // keys whose writes are taken without an answer
    QSet<QString> lostWrites;                   // keys whose writes go nowhere, unanswered
    QMap<int, QHash<QString, QString>> files;   // open parameter files
    QMap<int, QStringList> fileLines;
    QStringList requests;
    QList<int> timeouts;                        // of the unlogged writes, in order
    std::function<void(const QString&)> duringRead;   // runs while a read waits for its answer
    std::function<void()> duringWrite;                // runs while a write waits for its answer

private:
    // The answer to a write: none, a refusal, or 80h with the value taken.
    QString write(const QString& key, const QString& value) {
        if (duringWrite) duringWrite();
        if (silent.contains(key) || lostWrites.contains(key)) return QString();
        if (refused.contains(key)) return QString(QChar(0x81));
        const QString read = key.startsWith("WM,") ? "RM," + key.mid(3) : key;
        if (values.contains(read)) values[read] = value;
        return unacknowledged.contains(key) ? QString() : QString(QChar(0x80));
    }
};

// Records the progress window's calls; IncBar answers False from call
// number cancelAt on (0: never).
class FakeProgress : public TransferProgress {
public:
    void ShowForm(int mode, int count) override {
        shownMode = mode;
        shownCount = count;
        ++shows;
    }
    bool IncBar(int, const QString&) override { return cancelAt == 0 || ++incBars < cancelAt; }
    void Unload() override { ++unloads; }

    int cancelAt = 0, incBars = 0, shows = 0, shownMode = -1, shownCount = -1, unloads = 0;
};

class FakeHost : public EditorHost {
public:
    void ShowQuickHelp(int id) override { quickHelp.append(id); }
    void EnableStoRcl(bool enabled) override { storeRecall = enabled; }
    void SetParameterMenuChecked(bool checked) override { parameterChecked = checked; }
    bool IsMainWindowActive() const override { return true; }
    void AddEditorWindow(QWidget*) override {}

    QList<int> quickHelp;
    bool storeRecall = false;
    bool parameterChecked = true;
};

// The display window's calls as "EnableSwitch(2,0)", "Update" ...
class FakeDisplay : public DisplayWindowLink {
public:
    bool Loaded() const override { return true; }
    void EnableSwitch(int index, int value) override { calls.append(QString("EnableSwitch(%1,%2)").arg(index).arg(value)); }
    void SetErrorMode(int index, int value) override { calls.append(QString("SetErrorMode(%1,%2)").arg(index).arg(value)); }
    void SetFehlerStrom(int value) override { calls.append(QString("SetFehlerStrom(%1)").arg(value)); }
    void Update() override { calls.append("Update"); }

    QStringList calls;
};

// Installs the fakes for the lifetime of a test.
struct InstalledFakes {
    InstalledFakes() {
        Editors::SetLink(&sensor);
        Editors::SetHost(&host);
        Editors::SetDisplayWindow(&display);
    }
    ~InstalledFakes() {
        Editors::SetLink(nullptr);
        Editors::SetHost(nullptr);
        Editors::SetDisplayWindow(nullptr);
    }

    FakeSensor sensor;
    FakeProgress progress;
    FakeHost host;
    FakeDisplay display;
};
