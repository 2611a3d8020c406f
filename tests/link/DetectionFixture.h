#pragma once
#include "link/EditorRegistry.h"
#include "link/FakeMainWindow.h"
#include "link/LinkTestFixture.h"
#include "link/RecordingEditor.h"
#include "link/SensorState.h"
#include "platform/Folders.h"
#include "support/ScriptedMessages.h"

#include <QMap>
#include <memory>

// Detection against a scripted sensor on the fake port, with recording
// editors and master window registered under the real window names.
class DetectionTest : public TimedLinkTest {
protected:
    void SetUp() override {
        TimedLinkTest::SetUp();
        Folders::SetProgramFolderForTests(windows.path());
        for (const char* name : {"frmQF8200", "frmQF8200Echo", "frmQF8200RDX", "frmQT8200"})
            registerEditor(name);
        for (const char* name : {"frmMasterQF8200", "frmMasterQF8200RDX", "frmMasterQT8200"})
            EditorRegistry::RegisterMasterWindow(name, [this] { return &master; });
        port.respond = [this](const QByteArray& request) { return answers.value(request); };
        sensorIs("Q&B QF3000 Eprom: E1.2 Version: 2.1");
    }

    void TearDown() override {
        EditorRegistry::ResetForTests();
        Sensor::ResetStateForTests();
        Folders::SetProgramFolderForTests(QString());
        LinkTest::TearDown();
    }

    void registerEditor(const QString& name) {
        editors[name] = std::make_shared<RecordingEditor>(name, &calls);
        EditorRegistry::RegisterEditor(name, [this, name] { return editors[name].get(); });
    }

    // A sensor that does not echo: it refuses the lone carriage return.
    void sensorIs(const QByteArray& id) {
        for (const char* command : {"", "MD,OFF", "RST", "DEF", "RUC", "SUC"})
            answers[command] = "\x80\r";
        answers[""] = "\x82\r";
        answers["ID"] = id + "\r";
        answers["VER"] = "V2.1B\r";
        answers["DAT"] = "Date: 01.02.2003 Time: 12:34\r";
    }

    QStringList requests() const {
        QStringList texts;
        for (const QByteArray& request : port.requests)
            texts << (request.isEmpty() ? QStringLiteral("<CR>") : QString::fromLatin1(request));
        return texts;
    }

    QMap<QByteArray, QByteArray> answers;
    QMap<QString, std::shared_ptr<RecordingEditor>> editors;
    QStringList calls;
    QStringList masterCalls;
    RecordingMaster master{&masterCalls};
    FakeMainWindow mainWindow;
};
