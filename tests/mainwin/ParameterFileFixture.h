#pragma once
#include "support/FakeSerialControl.h"
#include "ScriptedFileDialogs.h"
#include "TestEditor.h"
#include "frame/LanguageUtil.h"
#include "frame/Options.h"
#include "frame/SettingsServices.h"
#include "link/EditorRegistry.h"
#include "link/OfflineAnswers.h"
#include "link/Ports.h"
#include "link/Sensor.h"
#include "link/SensorCommands.h"
#include "link/SensorState.h"
#include "mainwin/FileIO.h"
#include "platform/Folders.h"
#include "support/ScriptedMessages.h"
#include "support/TempWindowsFolder.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <functional>
#include <utility>

// An editor whose records travel through the command layer as a real
// editor's do: from and to an open parameter file by its number and, online,
// to the sensor.
class FileEditor : public TestEditor {
public:
    using TestEditor::TestEditor;

    QList<std::pair<QString, QString>> records;   // key and value, in table order
    std::function<void()> duringWrite;            // runs while a file is being written

    void readdata(std::optional<int> source) override {
        TestEditor::readdata(source);
        for (auto& record : records) {
            Ports::AnswerBytes bytes{};
            Sensor::SendCommand(record.first, record.second, bytes, source);
        }
        // A file read while a sensor is connected goes on to the sensor.
        if (source && !Sensor::State().OfflineMode) Sensor::SensorWriteData();
    }
    void WriteData(std::optional<int> target, std::optional<QVariant> second) override {
        TestEditor::WriteData(target, second);
        if (target && duringWrite) duringWrite();
        for (const auto& record : records) Sensor::SetParameter(record.first, record.second, target);
    }
    QStringList values() const {
        QStringList all;
        for (const auto& record : records) all << record.second;
        return all;
    }
};

// Parameter files in a temporary folder, the QF8200 line served by a
// FileEditor, scripted message boxes and file dialogs.
class ParameterFileFixture : public ::testing::Test {
protected:
    static inline const QString Id = QStringLiteral("Q&B QF6000-KR Eprom: E1 Version: 1.0");
    static inline const QString Magic = QStringLiteral("FILEVERSION=WinZelvo-10-01-#KV-Quendix+Borva\r\n");

    void SetUp() override {
        Options::ResetForTests();
        Options::ResetServicesForTests();
        Sensor::ResetStateForTests();
        Ports::ResetForTests();
        LanguageUtil::ResetLanguages();
        EditorRegistry::ResetForTests();
        FileIO::ResetRecentFilesForTests();
        Folders::SetProgramFolderForTests(files.path());   // no SENSOR.CFG: the type chooses the editor
        EditorRegistry::RegisterEditor("frmQF8200", [this] { return &editor; });
        FileIO::InstallParameterFiles();
        editor.records = {{"SD1", "500"}, {"SD2", QString(QChar(0x82))}, {"TXT", QStringLiteral("Grüße")}};
    }

    void TearDown() override {
        OfflineAnswers::Install({});
        FileIO::ResetRecentFilesForTests();
        EditorRegistry::ResetForTests();
        Folders::SetProgramFolderForTests(QString());
        Options::ResetServicesForTests();
        Ports::ResetForTests();
        Sensor::ResetStateForTests();
    }

    // The editor holds data read from a connected sensor.
    void haveSensorData() {
        SensorStateData& s = Sensor::State();
        s.SensorForm = &editor;
        s.SensorFormName = editor.name();
        s.SensorState = 1;
        s.SensorType = QStringLiteral("QF6000-KR");
        s.IdAnswer = Id;
        s.VerAnswer = QStringLiteral("1.0A");
        s.DatAnswer = QStringLiteral("Date: 01.02.03 Time: 10:00");
    }

    // A sensor of type connectedType on the serial line, answering quickly.
    void connectSensor(const QString& connectedType) {
        windir.write(Options::SettingsFile, "[Settings]\nDetectTimeout=5\n");
        Options::Current().RetryCount = 1;
        line.respond = [connectedType](const QByteArray& request) -> QByteArray {
            if (request == "ID") return "Q&B " + connectedType.toLatin1() + " Eprom: E1 Version: 1.0\r";
            return request.isEmpty() ? QByteArray("\x82\r") : QByteArray("\x80\r");   // no echo
        };
        Ports::InitPort(&line, nullptr);
        QString port = QStringLiteral("COM1");
        Ports::SetPort(port);
    }

    QString path(const QString& name) const { return files.filePath(name); }
    QByteArray read(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // Loads the file of that name from the temporary folder.
    void load(const QString& name) {
        QString fileName = path(name);
        FileIO::LoadParameterFile(fileName);
    }

    TempWindowsFolder windir;
    QTemporaryDir files;
    ScriptedMessages messages{{}, MsgBox::Cancel};
    ScriptedFileDialogs dialogs;
    FakeSerialControl line;
    FileEditor editor{"frmQF8200"};
};
