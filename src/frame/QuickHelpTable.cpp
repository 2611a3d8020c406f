#include "frame/QuickHelpTable.h"

#include <QHash>

namespace LanguageUtil {
namespace {

QHash<int, QString>& table() {
    static QHash<int, QString> texts;
    return texts;
}

}  // namespace

void RegisterQuickHelpTexts(std::initializer_list<QuickHelpText> texts) {
    for (const QuickHelpText& row : texts) table().insert(row.id, QString::fromUtf8(row.text));
}

QString BuiltInQuickHelp(int id) { return table().value(id); }

}  // namespace LanguageUtil
