#include "link/ValidationRules.h"

#include "frame/FileUtil.h"
#include "frame/Inifile_Utils.h"
#include "frame/Message.h"
#include "frame/NumberFormat.h"
#include "link/ParamRec.h"
#include "link/SensorState.h"
#include "platform/Folders.h"

#include <QStringList>

#include <cmath>

namespace {

const int MessageValidateMissing = 12;
const int StyleInformation = 64;

// The missing-file notice appears at most once per run. A file that cannot
// be read counts as missing: its rules would all read as empty.
bool validateNoticeShown = false;

QString ValidateFilePath() {
    return Folders::JoinPath(Folders::ProgramFolder(), QStringLiteral("VALIDATE.CFG"));
}

void NoticeMissingFileOnce(const QString& path) {
    if (validateNoticeShown)
        return;
    validateNoticeShown = true;
    if (!FileExists(path))
        ShowMessage(MessageValidateMissing, StyleInformation, std::nullopt, path);
}

// The part of a rule that applies to the sensor range: the text behind the
// range's selector (found anywhere in the rule), else behind "DEFAULT=", up
// to the next "/".
QString RulePart(const QString& rule, int sensorRange) {
    const QString selector = QString::number(sensorRange) + QLatin1Char('=');
    const QString fallback = QStringLiteral("DEFAULT=");
    int start = -1;
    if (const int at = rule.indexOf(selector); at >= 0)
        start = at + selector.size();
    else if (const int def = rule.indexOf(fallback); def >= 0)
        start = def + fallback.size();
    if (start < 0)
        return QString();
    const int end = rule.indexOf(QLatin1Char('/'), start);
    return end < 0 ? rule.mid(start) : rule.mid(start, end - start);
}

bool ItemAccepts(const QString& item, double proposed) {
    const int dots = item.indexOf(QStringLiteral(".."));
    if (dots < 0)
        return proposed == NumberFormat::LeadingNumber(item);
    // Range bounds are whole numbers, halves to even.
    const double lower = std::nearbyint(NumberFormat::LeadingNumber(item.left(dots)));
    const double upper = std::nearbyint(NumberFormat::LeadingNumber(item.mid(dots + 2)));
    return lower <= proposed && proposed <= upper;
}

}  // namespace

namespace Sensor {

QString LookUpRule(const QString& ruleKey, const QString& section) {
    const QString path = ValidateFilePath();
    NoticeMissingFileOnce(path);

    QString rule = ReadIniString(path, State().SensorType, ruleKey, QString());
    if (rule.isEmpty())
        rule = ReadIniString(path, section, ruleKey, QString());
    if (rule.startsWith(QStringLiteral("$("))) {
        // One level of reference: the referenced rule is taken as it stands.
        const int close = rule.indexOf(QLatin1Char(')'), 2);
        const QString target = close < 0 ? rule.mid(2) : rule.mid(2, close - 2);
        rule = ReadIniString(path, section, target, QString());
    }
    return rule;
}

bool RuleAccepts(const ParamRec& rec, const QString& value) {
    if (rec.Rule.isEmpty())
        return true;
    const QString part = RulePart(rec.Rule, State().SensorRange);
    if (part.isEmpty())
        return true;
    const double number = NumberFormat::LeadingNumber(value);
    for (const QString& item : part.split(QLatin1Char(';'))) {
        if (item.isEmpty())
            break;  // an empty item ends the list
        if (ItemAccepts(item, number))
            return true;
    }
    return false;
}

void ResetValidateNoticeForTests() { validateNoticeShown = false; }

}  // namespace Sensor
