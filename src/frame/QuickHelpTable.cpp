#include "frame/QuickHelpTable.h"

#include <QHash>

namespace LanguageUtil {
namespace {

void addRows(QHash<int, QString>& texts, std::span<const QuickHelpText> rows) {
    for (const QuickHelpText& row : rows) texts.insert(row.id, QString::fromUtf8(row.text));
}

// Filled with the built-in lines on first use, so registrations made later
// replace built-in rows and never the other way round.
QHash<int, QString>& table() {
    static QHash<int, QString> texts = [] {
        QHash<int, QString> builtIn;
        addRows(builtIn, QF8200QuickHelpTexts());
        return builtIn;
    }();
    return texts;
}

}  // namespace

void RegisterQuickHelpTexts(std::initializer_list<QuickHelpText> texts) {
    addRows(table(), std::span<const QuickHelpText>(texts.begin(), texts.size()));
}

QString BuiltInQuickHelp(int id) { return table().value(id); }

}  // namespace LanguageUtil
