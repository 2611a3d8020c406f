#pragma once
#include "link/MasterWindow.h"
#include "link/SensorEditor.h"

#include <QMap>
#include <QStringList>

#include <functional>

// An editor window that records the members detection calls, in order, as
// "window:member" lines; GetData answers from a map.
class RecordingEditor : public SensorEditor {
public:
    RecordingEditor(QString windowName, QStringList* calls) : name_(std::move(windowName)), calls_(calls) {}

    QMap<int, QVariant> data;
    QString caption;
    std::function<void()> onUnload;

    void Init() override { log("Init"); }
    void readdata(std::optional<int> source) override { log("readdata" + file(source)); }
    void WriteData(std::optional<int> target, std::optional<QVariant>) override { log("WriteData" + file(target)); }
    void GetData(int item, QVariant& value) override { value = data.value(item, value); }
    bool ValidPar(int) override { return false; }
    QString GetSendCommand(QString& command, bool&) override { return command; }
    QString ConvertResult(QString&, QString& answer) override { return answer; }
    void InterpretCommand(QString& word) override { log("InterpretCommand(" + word + ")"); }
    void PrintData() override {}
    void SetLanguage() override {}
    void SetDefaults() override { log("SetDefaults"); }
    void Show() override { log("Show"); }
    int WindowState() const override { return 0; }
    void SetWindowState(int) override {}
    void ZOrder() override {}
    QString Caption() const override { return caption; }
    void SetCaption(const QString& text) override { caption = text; }
    QString name() const override { return name_; }
    bool Loaded() const override { return false; }
    void Unload() override {
        log("Unload");
        if (onUnload) onUnload();
    }

private:
    static QString file(std::optional<int> number) { return number ? QStringLiteral("(%1)").arg(*number) : "()"; }
    void log(const QString& member) { calls_->append(name_ + ':' + member); }

    QString name_;
    QStringList* calls_;
};

// A master-mode window that records the mode it was started with.
class RecordingMaster : public MasterWindow {
public:
    explicit RecordingMaster(QStringList* calls) : calls_(calls) {}
    void Start(QString& mode) override { calls_->append("Start(" + mode + ")"); }
    void SetLanguage() override {}

private:
    QStringList* calls_;
};
