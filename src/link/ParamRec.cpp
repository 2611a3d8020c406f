#include "link/ParamRec.h"

#include "frame/NumberFormat.h"
#include "frame/Utils.h"
#include "link/Ports.h"
#include "link/Sensor.h"
#include "link/SensorEditor.h"
#include "link/SensorInfo.h"
#include "link/ValidationRules.h"

#include <type_traits>

// The command layer reads answers straight into a record.
static_assert(std::is_same_v<decltype(ParamRec::RawAnswer), Ports::AnswerBytes>);

int ParamTable::FindByKey(const QString& word) const {
    for (int i = 1; i <= Count; ++i) {
        const ParamRec& rec = records_.at(i);
        if (rec.Key == word || (!rec.AltKey.isEmpty() && rec.AltKey == word))
            return i;
    }
    return 0;
}

void ParamTable::Clear() {
    for (ParamRec& rec : records_)
        rec = ParamRec();
    Count = 0;
}

bool IsParDefValid(const ParamRec& rec) {
    const QByteArray raw(reinterpret_cast<const char*>(rec.RawAnswer.data()), int(rec.RawAnswer.size()));
    return Utils::IsParDefValid(rec.Value, raw);
}

bool TakenOutOfStep(const ParamRec& rec) { return rec.Stretch != 0 && Ports::OutOfStepIn(rec.Stretch); }

void NoteAnswerStretch(ParamRec& rec, bool answered) {
    const quint64 stretch = Sensor::LastAnswerStretch();
    if (answered || Ports::OutOfStepIn(stretch)) rec.Stretch = stretch;
}

namespace Sensor {

void InitParameter(ParamRec& rec, int id, const QString& key, bool stored, int firstLink,
                   int nextLink, const QString& altKey, bool readable, bool bulkWrite,
                   const QString& ruleKey, const QString& writeCommand, const QVariant& group,
                   const QString& section, const QString& condition) {
    rec.Value.clear();
    rec.ID = qint16(id);
    rec.Key = key;
    rec.Stored = stored;
    rec.FirstLink = qint16(firstLink);
    rec.NextLink = qint16(nextLink);
    rec.AltKey = altKey;
    rec.Readable = readable;
    rec.BulkWrite = bulkWrite;
    rec.RuleKey = ruleKey;
    rec.WriteCommand = writeCommand;
    rec.Group = group;
    rec.Rule = (stored && !section.isEmpty()) ? LookUpRule(rec.RuleKey, section) : QString();
    rec.Condition = condition;
}

bool IsParamSupported(const ParamRec& rec) {
    if (rec.Condition.isEmpty())
        return true;
    const int bar = rec.Condition.indexOf(QLatin1Char('|'));
    const QString typeText = bar < 0 ? rec.Condition : rec.Condition.left(bar);
    const QString minVersion = bar < 0 ? QString() : rec.Condition.mid(bar + 1);

    if (!typeText.isEmpty()) {
        QVariant type;
        GetSensorData(SensorInfoItem::SensorType, type);
        if (!type.toString().contains(typeText, Qt::CaseSensitive))
            return false;
    }
    if (!minVersion.isEmpty()) {
        QVariant version;
        GetSensorData(SensorInfoItem::Version, version);
        if (NumberFormat::LeadingNumber(version.toString()) < NumberFormat::LeadingNumber(minVersion))
            return false;
    }
    return true;
}

void DependencyChain(ParamTable& table, int startIndex, const ChainVisit& visit) {
    // The tables are meant to hold loop-free chains; a typo in one must not
    // hang the program, so each record is visited at most once.
    std::vector<bool> reached(size_t(table.UpperBound()) + 1, false);
    int index = startIndex;
    bool first = true;
    while (table.InUse(index) && !reached[size_t(index)]) {
        reached[size_t(index)] = true;
        visit(index, table[index]);
        index = first ? table[index].FirstLink : table[index].NextLink;
        first = false;
    }
}

}  // namespace Sensor
