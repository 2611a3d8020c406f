// The profile-string (INI) reader and writer on any file content, as the
// settings file, SENSOR.CFG, VALIDATE.CFG, ZELVO8200.DEF and the language
// files are read: every section the file names is listed and each of its keys
// read; SENSOR.CFG's entries choose editors. Then one key is written, which
// must read back as written and keep every other key's value.
#include "FuzzSupport.h"

#include "frame/Inifile_Utils.h"
#include "link/EditorChoice.h"
#include "platform/Folders.h"

#include <QHash>

namespace {

const QString WrittenKey = QStringLiteral("FuzzWritten");

// The keys of a section as the key list gives them (NUL after each).
using Values = QHash<QPair<QString, QString>, QString>;   // (section, key) folded -> value

Values readAll(const QString& path, const QStringList& sections) {
    Values values;
    for (const QString& section : sections)
        for (const QString& key : Fuzz::KeysOf(path, section))
            values.insert({section.toCaseFolded(), key.toCaseFolded()},
                          ReadIniString(path, section, key, QStringLiteral("<missing>")));
    return values;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = Fuzz::Bytes(data, size);
    const QStringList sections = Fuzz::SectionNames(bytes);

    // SENSOR.CFG: each entry of [SENSORS] names the editor of a sensor type.
    Fuzz::WriteFile(Folders::JoinPath(Fuzz::ProgramFolder(), QStringLiteral("SENSOR.CFG")), bytes);
    for (const QString& type : Fuzz::KeysOf(Folders::JoinPath(Fuzz::ProgramFolder(), QStringLiteral("SENSOR.CFG")),
                                      QStringLiteral("SENSORS")))
        Sensor::ChooseEditorName(type);

    // Any file in the Windows folder, written like the settings file.
    const QString path = Folders::JoinPath(Fuzz::WindowsFolder(), QStringLiteral("ZELVO8200.INI"));
    Fuzz::WriteFile(path, bytes);
    const Values before = readAll(path, sections);

    const QString section = sections.isEmpty() ? QStringLiteral("Fuzz") : sections.first();
    const QString value = QStringLiteral("value ") + QString::number(size);
    if (!WriteIniString(path, section, WrittenKey, value)) return 0;   // an unreadable file stays as it is

    const QString readBack = ReadIniString(path, section, WrittenKey, QString());
    FUZZ_CHECK(readBack == value, section + QStringLiteral(": ") + readBack);
    const Values after = readAll(path, sections);
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (it.key().second == WrittenKey.toCaseFolded()) continue;
        FUZZ_CHECK(after.value(it.key()) == it.value(),
                   it.key().first + QLatin1Char('/') + it.key().second + QStringLiteral(": ") + it.value() +
                       QStringLiteral(" became ") + after.value(it.key(), QStringLiteral("<gone>")));
    }
    return 0;
}
