#pragma once
#include "link/SensorEditor.h"

#include <QMap>
#include <QStringList>

// An editor window that records the members the main window and detection
// call, in order ("WriteData()", "Show", "SetLanguage", ...); GetData answers
// from a map.
class TestEditor : public SensorEditor {
public:
    explicit TestEditor(QString windowName) : name_(std::move(windowName)) {}

    QStringList calls;
    QMap<int, QVariant> items;
    bool loaded = false;

    void Init() override { calls << "Init"; }
    void readdata(std::optional<int> source) override { calls << (source ? "readdata(file)" : "readdata()"); }
    void WriteData(std::optional<int> target, std::optional<QVariant>) override {
        calls << (target ? "WriteData(file)" : "WriteData()");
    }
    void GetData(int item, QVariant& value) override { value = items.value(item, value); }
    bool ValidPar(int) override { return false; }
    QString GetSendCommand(QString& command, bool& flag) override {
        flag = true;
        return command;
    }
    QString ConvertResult(QString&, QString& answer) override { return answer; }
    void InterpretCommand(QString&) override {}
    void PrintData() override {}
    void SetLanguage() override { calls << "SetLanguage"; }
    void Show() override {
        loaded = true;
        calls << "Show";
    }
    int WindowState() const override { return 0; }
    void SetWindowState(int) override {}
    void ZOrder() override {}
    QString Caption() const override { return {}; }
    void SetCaption(const QString&) override {}
    QString name() const override { return name_; }
    bool Loaded() const override { return loaded; }
    void Unload() override { loaded = false; }

private:
    QString name_;
};
