#include "frame/LanguageUtil.h"

#include "frame/FileUtil.h"
#include "frame/Inifile_Utils.h"
#include "frame/QuickHelpTable.h"
#include "platform/Folders.h"

#include <QDir>
#include <QFile>
#include <QVector>
#include <algorithm>
#include <optional>

namespace LanguageUtil {
namespace {

const QString BuiltInHelpFile = QStringLiteral("WZLVGER.HLP");
const QString MainSection = QStringLiteral("Main");

struct Language {
    QString code;
    QString name;
    QString path;      // empty for the built-in language
    QString helpFile;  // relative to the program folder
};

struct LanguageTables {
    QVector<Language> entries;  // entry 0 is always the default language
    int index = 0;
    QString currentName;
    QString languageFile;
    QString helpFile;
    bool quickHelpOn = true;
};

LanguageTables& tables() {
    static LanguageTables state;
    return state;
}

// A language file is readable text; a NUL byte near the start means someone
// left a binary file under a language file's name.
bool isReadableText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && !file.read(64 * 1024).contains('\0');
}

// The entry for one file of the program folder; nothing when the file is no
// usable language file.
std::optional<Language> readLanguageFile(const QString& folder, const QString& fileName,
                                         const QString& defaultHelp) {
    const QString path = Folders::JoinPath(folder, fileName);
    const QString code = GetFileExtension(fileName);
    if (code.isEmpty() || !isReadableText(path)) return std::nullopt;
    const QString name = ReadIniString(path, MainSection, QStringLiteral("Language"), QString());
    if (name.isEmpty()) return std::nullopt;
    // The file must name itself: a copied file that still names its original is no language.
    const QString ownName = ReadIniString(path, MainSection, QStringLiteral("File"), QString());
    if (fileName.toUpper() != ownName.toUpper()) return std::nullopt;
    return Language{code, name, path, ReadIniString(path, MainSection, QStringLiteral("Help"), defaultHelp)};
}

QVector<Language> discoverLanguageFiles() {
    const QString folder = Folders::ProgramFolder();
    // The name filter matches without regard to case, since language files
    // come named in either case. Names that differ only in case are listed in
    // a fixed order, upper case first, since the first of them wins.
    QStringList files = QDir(folder).entryList({QStringLiteral("WZLVLANG.*")}, QDir::Files, QDir::Unsorted);
    std::sort(files.begin(), files.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    QVector<Language> found;
    for (const QString& fileName : files) {
        const QString defaultHelp = found.isEmpty() ? QString() : found.front().helpFile;
        const std::optional<Language> language = readLanguageFile(folder, fileName, defaultHelp);
        if (!language) continue;
        // WZLVLANG.ENG and wzlvlang.eng can both exist here; the first one listed wins.
        const bool duplicate = std::any_of(found.cbegin(), found.cend(),
                                           [&](const Language& l) { return l.code == language->code; });
        if (!duplicate) found.append(*language);
    }
    return found;
}

}  // namespace

void InitLanguages(const QString& defaultCode, const QString& defaultName) {
    LanguageTables& t = tables();
    if (!t.entries.isEmpty()) return;
    t.entries = discoverLanguageFiles();
    auto isDefault = [&](const Language& l) { return l.code == defaultCode; };
    auto it = std::find_if(t.entries.begin(), t.entries.end(), isDefault);
    if (it == t.entries.end()) {
        t.entries.append({defaultCode, defaultName, QString(), BuiltInHelpFile});
        it = t.entries.end() - 1;
    }
    // The default language is always the first entry; the entry it displaces takes its place.
    std::iter_swap(t.entries.begin(), it);
    int first = 0;
    SelectLanguage(first);
}

void SelectLanguage(int& index) {
    LanguageTables& t = tables();
    if (index == -1) {
        index = t.index;
        return;
    }
    if (index < 0 || index >= t.entries.size()) return;
    const Language& language = t.entries[index];
    t.index = index;
    t.currentName = language.name;
    t.languageFile = language.path;
    // A language without a help file gets none, rather than the program folder itself.
    t.helpFile = language.helpFile.isEmpty() ? QString()
                                             : Folders::JoinPath(Folders::ProgramFolder(), language.helpFile);
}

void SelectLanguageByName(QString& name) {
    const LanguageTables& t = tables();
    if (name.isEmpty()) {
        name = t.currentName;
        return;
    }
    for (int i = 0; i < t.entries.size(); ++i) {
        if (t.entries[i].name == name) {
            SelectLanguage(i);
            return;
        }
    }
}

QString GetLanguageName(int index) {
    const LanguageTables& t = tables();
    if (index < 0) return t.currentName;
    return index < t.entries.size() ? t.entries[index].name : QString();
}

QString GetLangText(const QString& section, const QString& key, const QString& defaultText) {
    const LanguageTables& t = tables();
    if (t.languageFile.isEmpty()) return defaultText;
    return ReadIniString(t.languageFile, section, key, defaultText);
}

QString GetQuickHelp(int id) {
    const LanguageTables& t = tables();
    if (!t.quickHelpOn) return QString();
    // The default language always answers from the built-in table, even when it has a file.
    if (t.index == 0) return BuiltInQuickHelp(id);
    if (t.languageFile.isEmpty()) return QString();
    return ReadIniString(t.languageFile, QStringLiteral("QuickHelp"), QString::number(id), QString());
}

QString CurrentHelpFile() { return tables().helpFile; }

void ResetLanguages() { tables() = LanguageTables(); }

void SetQuickHelpOn(bool on) { tables().quickHelpOn = on; }

bool QuickHelpOn() { return tables().quickHelpOn; }

}  // namespace LanguageUtil
