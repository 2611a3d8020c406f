#include "mainwin/CommandHistory.h"

#include "frame/Inifile_Utils.h"
#include "frame/Options.h"
#include "frame/STRING_UTIL.h"

using STRING_UTIL::TrimBlanks;

namespace {

const QString Section = QStringLiteral("Settings");

QString keyOf(int n) { return QStringLiteral("Command") + QString::number(n); }

}  // namespace

void CommandHistory::Init() {
    entries_.clear();
    for (int n = 1; n <= MaxEntries; ++n) {
        const QString command = ReadIniString(Options::SettingsFile, Section, keyOf(n), QString());
        if (command.isEmpty()) break;
        entries_.append(command);
    }
}

void CommandHistory::Save() const {
    for (int n = 1; n <= entries_.size(); ++n)
        if (!WriteIniString(Options::SettingsFile, Section, keyOf(n), entries_[n - 1])) return;
}

QString CommandHistory::AddCommand(const QString& command) {
    const QString text = TrimBlanks(command);
    if (text.isEmpty()) return text;
    entries_.removeOne(text);
    entries_.prepend(text);
    if (entries_.size() > MaxEntries) entries_.removeLast();
    return text;
}
