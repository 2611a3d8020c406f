#include "mainwin/SheetTexts.h"

#include "frame/LanguageUtil.h"

#include <QHash>

namespace SheetTexts {

QString Text(const QString& key) {
    static const QHash<QString, QString> designTexts = {
        {QStringLiteral("Print"), QStringLiteral("Zelvo 8200 - Parametereinstellung")},
        {QStringLiteral("lblPrintDate"), QStringLiteral("Druckdatum")},
        {QStringLiteral("lblTyp"), QStringLiteral("Typenbezeichnung")},
        {QStringLiteral("lblVersion"), QStringLiteral("Version")},
        {QStringLiteral("lblSoftVersion"), QStringLiteral("Softwareversion")},
        {QStringLiteral("lblEprom"), QStringLiteral("Eprom")},
        {QStringLiteral("lblComment"), QStringLiteral("Zusatzbeschreibung")},
    };
    return GetLangText(QStringLiteral("Print"), key, designTexts.value(key));
}

}  // namespace SheetTexts
