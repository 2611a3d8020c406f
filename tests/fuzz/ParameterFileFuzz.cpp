#include "ParameterFileFuzz.h"

#include "FuzzSupport.h"

#include "editors/common/PrintData.h"
#include "link/EditorRegistry.h"
#include "link/SensorEditor.h"
#include "link/SensorInfo.h"
#include "link/SensorState.h"
#include "mainwin/FileIO.h"
#include "platform/FileDialog.h"
#include "platform/Folders.h"

#include <QBuffer>
#include <QFile>

namespace Fuzz {
namespace {

// Transfers run without the progress window: it shows nothing a file could
// change, and painting it for every record would slow the fuzzer down.
class NoProgress : public TransferProgress {
public:
    void ShowForm(int, int) override {}
    bool IncBar(int, const QString&) override { return true; }
    void Unload() override {}
};

QString filePath(const QString& name) { return Folders::JoinPath(FilesFolder(), name); }

// Opens the file; true when the editor took its data.
bool open(const QString& path) {
    QString name = path;
    FileIO::LoadParameterFile(name);
    return Sensor::State().SensorForm && Sensor::State().DataFileName == path;
}

QByteArray saveAs(const QString& name) {
    const QString path = filePath(name);
    QFile::remove(path);
    FileDialog::SetHandler([path](const FileDialog::Request&) { return FileDialog::Result{path, 1}; });
    const bool saved = FileIO::SaveParameterFile(true);
    FileDialog::SetHandler([](const FileDialog::Request&) { return FileDialog::Result{}; });
    return saved ? ReadFile(path) : QByteArray();
}

// What the rest of the program asks of the editor once it holds the data.
void useData(SensorEditor& editor, bool csv) {
    for (int item = SensorInfoItem::SensorType; item <= SensorInfoItem::AnalogInUse; ++item) {
        QVariant value;
        Sensor::GetSensorData(item, value);
        Sensor::CallValidPar(item);
    }
    QBuffer sheet;
    sheet.open(QIODevice::WriteOnly);
    PrintData::ResetExportStateForTests();
    PrintData::ExportState().ExportFileNo = 1;
    PrintData::ExportState().ExportCsv = csv ? 1 : 0;
    PrintData::ExportState().ExportFile = &sheet;
    editor.PrintData();
    PrintData::ResetExportStateForTests();
}

}  // namespace

int OpenParameterFile(const uint8_t* data, size_t size, const QString& editorName,
                      const std::function<ParamEditorWindow*()>& make) {
    static NoProgress progress;
    static const bool installed = [&] {
        FileIO::InstallParameterFiles();
        EditorRegistry::RegisterEditor(editorName, [make] {
            ParamEditorWindow* editor = make();
            editor->SetProgress(&progress);
            return editor;
        });
        return true;
    }();
    (void)installed;

    Sensor::ResetStateForTests();
    const QString input = filePath(QStringLiteral("input.zlv"));
    WriteFile(input, Bytes(data, size));
    if (!open(input)) return 0;
    useData(*Sensor::State().SensorForm, size % 2 == 1);

    const QByteArray first = saveAs(QStringLiteral("first.zlv"));
    if (first.isEmpty() || !open(filePath(QStringLiteral("first.zlv")))) return 0;
    const QByteArray second = saveAs(QStringLiteral("second.zlv"));
    FUZZ_CHECK(first == second, QString::fromLatin1(first) + QStringLiteral("\n--- saved again:\n") +
                                    QString::fromLatin1(second));
    return 0;
}

}  // namespace Fuzz
