#include "mainwin/FileIO.h"

#include "frame/FileUtil.h"
#include "frame/Message.h"
#include "frame/SettingsServices.h"
#include "link/OfflineAnswers.h"
#include "link/Ports.h"
#include "link/SensorCommands.h"
#include "link/SensorDetection.h"
#include "link/SensorEditor.h"
#include "link/SensorInfo.h"
#include "link/SensorState.h"
#include "mainwin/ParameterFile.h"
#include "platform/Hourglass.h"
#include "mainwin/frmMain.h"
#include "platform/FileDialog.h"
#include "platform/MsgBox.h"

#include <QAction>
#include <QFileInfo>

#include <map>

namespace FileIO {
namespace {

const int MessageTypeMismatch = 7;
const int MessageInvalidFile = 20;
const int MessageNotWritten = 14;
const int MessageReplaceFile = 21;
const QString IdKey = QStringLiteral("ID");   // the identification line names the sensor type

// The parameter files open at the moment, by file number: the command layer
// reads from and writes to them by that number.
struct OpenFiles {
    std::map<int, ParameterFile> reading;
    std::map<int, ParameterFileWriter*> writing;
    int lastNumber = 0;
};

OpenFiles& openFiles() {
    static OpenFiles files;
    return files;
}

// A file's number for as long as one command uses it.
class FileNumber {
public:
    explicit FileNumber(ParameterFile file) : number_(++openFiles().lastNumber) {
        openFiles().reading.emplace(number_, std::move(file));
    }
    explicit FileNumber(ParameterFileWriter& writer) : number_(++openFiles().lastNumber) {
        openFiles().writing.emplace(number_, &writer);
    }
    ~FileNumber() {
        openFiles().reading.erase(number_);
        openFiles().writing.erase(number_);
    }
    FileNumber(const FileNumber&) = delete;
    FileNumber& operator=(const FileNumber&) = delete;

    int value() const { return number_; }

private:
    int number_;
};

void WriteFileLine(int fileNo, const QString& line) {
    const auto file = openFiles().writing.find(fileNo);
    if (file != openFiles().writing.end()) file->second->WriteLine(line);
}

// The dialogs start in the folder of the file the data came from.
FileDialog::Request DialogRequest(FileDialog::Kind kind, const QString& fileName) {
    FileDialog::Request request;
    request.kind = kind;
    request.fileName = fileName;
    const QString dataFile = Sensor::State().DataFileName;
    if (!dataFile.isEmpty()) request.initialFolder = QFileInfo(dataFile).absolutePath();
    request.filter = ParameterFormat::Filter;
    request.defaultExtension = ParameterFormat::Extension;
    request.overwritePrompt = true;
    request.fileMustExist = kind == FileDialog::Kind::Open;
    return request;
}

void SetDataFileName(const QString& name) { Sensor::SetSensorData(SensorInfoItem::DataFileName, name); }

// Detection on the file: its identification chooses the editor, which reads
// the stored values and works offline. True when the file's data were taken.
bool LoadOffline(const FileNumber& number, const QString& fileName) {
    // The saving question comes before anything changes, so that a Cancel
    // leaves the data and the file name shown with them as they were.
    if (!Sensor::QuerySaveChanges()) return false;
    SensorStateData& s = Sensor::State();
    const QString previousName = s.DataFileName;
    SetDataFileName(fileName);
    Sensor::DetectSensor(number.value());
    const bool taken = s.OfflineMode && s.SensorState == 1 && s.IdAnswer == GetFileValue(number.value(), IdKey, {});
    if (!taken) SetDataFileName(previousName);
    return taken;
}

// Whether the editor's sensor still answers. An echoing sensor that has
// fallen silent takes seconds to tell (every byte waits for its echo, and
// the tries run twice): the pointer says the program is busy meanwhile.
bool SensorStillAnswers() {
    Hourglass hourglass;
    return Sensor::IsSensorConnected();
}

// The file's values go into the active editor, which writes them to the
// connected sensor; a file of another sensor type only after the user agrees.
bool LoadIntoSensor(const FileNumber& number, const QString& fileName) {
    const SensorStateData& s = Sensor::State();
    QString fileType, eprom, version;
    Sensor::ParseSensorInfo(GetFileValue(number.value(), IdKey, {}), fileType, eprom, version);
    if (fileType != s.SensorType &&
        ShowMessage(MessageTypeMismatch, MsgBox::YesNo, std::nullopt, fileType + QLatin1Char('|') + s.SensorType) !=
            MsgBox::Yes)
        return false;
    SetDataFileName(fileName);
    Hourglass hourglass;
    Sensor::SensorReadData(number.value());
    return true;
}

}  // namespace

bool SaveParameterFile(bool /*askForName: the name is always asked for*/) {
    const FileDialog::Result chosen = FileDialog::Show(DialogRequest(FileDialog::Kind::Save, QString()));
    if (chosen.cancelled()) return false;
    const QString fileName = SaveFileName(chosen.fileName);
    // The dialog asked before replacing the name chosen; the name formed from
    // it may be another file the user has not seen.
    if (fileName != chosen.fileName && QFileInfo::exists(fileName) &&
        ShowMessage(MessageReplaceFile, MsgBox::YesNo, std::nullopt, fileName) != MsgBox::Yes)
        return false;

    ParameterFileWriter writer(fileName);
    if (!writer.Open()) {
        ShowMessage(MessageNotWritten, std::nullopt, std::nullopt, fileName);
        return false;
    }
    writer.WriteLine(ParameterFormat::VersionKey + QLatin1Char('=') + ParameterFormat::Magic);
    SensorStateData& s = Sensor::State();
    const bool changed = s.DataChanged;
    {
        const FileNumber number(writer);
        Sensor::SensorWriteData(number.value());   // identification lines, then the editor's records
    }
    if (!writer.Commit()) {
        // Nothing was saved: the changes must still be offered for saving.
        s.DataChanged = changed;
        ShowMessage(MessageNotWritten, std::nullopt, std::nullopt, fileName);
        return false;
    }
    AddRecentFile(fileName);
    return true;
}

void LoadParameterFile(QString& fileName) {
    if (fileName.isEmpty() || !FileExists(fileName)) {
        const FileDialog::Result chosen = FileDialog::Show(DialogRequest(FileDialog::Kind::Open, fileName));
        if (chosen.cancelled()) return;
        fileName = chosen.fileName;   // exactly the file chosen: names are case-sensitive here
    }
    std::optional<ParameterFile> file = ParameterFile::Read(fileName);
    if (!file || !file->HasMagic()) {
        ShowMessage(MessageInvalidFile);
        return;
    }
    const FileNumber number(std::move(*file));
    const SensorStateData& s = Sensor::State();
    // A port that is no longer open (its device went away, an adapter pulled
    // with the sensor) has no sensor behind it: the file is worked on
    // offline. Asking for the sensor would open the port's name again, which
    // may by now stand for another device, and the file's values must not go
    // there.
    const bool editorOnline =
        !s.SensorFormName.isEmpty() && s.SensorForm && !s.OfflineMode && Ports::PortStillOpen();
    const bool loaded = editorOnline && SensorStillAnswers() ? LoadIntoSensor(number, fileName)
                                                              : LoadOffline(number, fileName);
    if (loaded) AddRecentFile(fileName);
}

void OpenRecentFile(int index) {
    QString path = GetRecentFile(index);
    if (path.isEmpty()) return;
    if (!FileExists(path)) RemoveRecentFile(path);
    LoadParameterFile(path);
}

QString GetFileValue(int fileNo, const QString& key, const QString& defaultValue) {
    const auto file = openFiles().reading.find(fileNo);
    return file == openFiles().reading.end() ? defaultValue : file->second.Value(key, defaultValue);
}

void InstallParameterFiles(frmMain* window) {
    OfflineAnswers::Install({[](int fileNo, const QString& key) { return GetFileValue(fileNo, key, QString()); },
                             WriteFileLine});
    Options::SettingsServices& settings = Options::Services();
    settings.AddRecentFile = AddRecentFile;
    settings.GetRecentFile = GetRecentFile;
    if (!window) return;

    window->Steps.InitRecentFiles = InitRecentFiles;
    window->Steps.LoadParameterFile = [](const QString& name) {
        QString fileName = name;
        LoadParameterFile(fileName);
    };
    window->Steps.SaveParameterFile = SaveParameterFile;
    AttachRecentFilesMenu(window->findChildren<QAction*>(QStringLiteral("mnFiles")),
                          window->MenuItem(QStringLiteral("mnFileSep")), OpenRecentFile);
}

}  // namespace FileIO
