#include "editors/qf8200echo/EchoCommands.h"

#include "editors/qf8200echo/EchoModel.h"
#include "editors/qf8200echo/EchoValues.h"
#include "editors/qf8200echo/QF8200EchoTable.h"
#include "frame/NumberFormat.h"
#include "frame/STRING_UTIL.h"
#include "link/ValidationRules.h"

using STRING_UTIL::GetToken;

using namespace QF8200Echo;

namespace EchoCommands {
namespace {

// The bit of BITS that a composite name stands for.
EchoValues::OptionBit bitOf(const QString& name) {
    if (name == QLatin1String("NEF")) return EchoValues::EchoErrorBit;
    if (name == QLatin1String("UTP")) return EchoValues::TeachInBit;
    return EchoValues::StartupBit;
}

// The keys a typed name may use for a record: its name, and its alternative
// name when it has one.
QStringList namesOf(const ParamRec& rec) {
    QStringList names{rec.RuleKey};
    if (!rec.AltKey.isEmpty()) names.append(rec.AltKey);
    return names;
}

Translation sendAsTyped(const QString& c) { return {c, true, QString(), {}}; }

Translation editorRequest(const QString& request, const QString& c) { return {request, false, c, {}}; }

// A typed record name: "NAME" reads the record's cell, "NAME,value" writes
// the value; a value the input rules refuse is not sent at all. A read-only
// record, or a value its cell cannot hold, is no match.
std::optional<Translation> recordRequest(const EchoModel& model, const QString& c) {
    for (int i = 1; i <= model.Count(); ++i) {
        const ParamRec& rec = model[i];
        if (!model.TakesPart(rec)) continue;
        for (const QString& name : namesOf(rec)) {
            if (c == name) return editorRequest(rec.Key, c);
            if (!c.startsWith(name + QLatin1Char(',')) || rec.WriteCommand.isEmpty()) continue;
            const QString value = c.mid(name.size() + 1);
            if (!Sensor::RuleAccepts(rec, value)) return Translation{QString(), false, QString(), {}, true};
            if (const std::optional<QString> hex = model.ToSensor(rec, value))
                return editorRequest(rec.WriteCommand + QLatin1Char(',') + *hex, c);
        }
    }
    return std::nullopt;
}

// "NEF,v", "SSY,v", "UTP,v": one bit of BITS, set when v is a number other than 0.
std::optional<Translation> bitWrite(const EchoModel& model, const QString& name, const QString& value,
                                    const QString& c) {
    const ParamRec& bits = model[BITS];
    const bool set = NumberFormat::LeadingNumber(value) != 0;
    const std::optional<QString> hex = model.ToSensor(bits, EchoValues::ComposeOptionBit(bits.Value, bitOf(name), set));
    if (!hex) return std::nullopt;
    return editorRequest(bits.WriteCommand + QLatin1Char(',') + *hex, c);
}

// "EM,word" sets the evaluation method; "EM,MXN;N;M" writes the counts given
// first. A word that names no method is sent as typed, so the sensor refuses
// it visibly instead of the method being switched off.
std::optional<Translation> methodWrite(const EchoModel& model, QString value, const QString& c) {
    const QString method = GetToken(value, QStringLiteral(";"));
    const QStringList known = {"DYN", "MXN", "PT1", "0", "NONE"};
    if (!known.contains(method)) return std::nullopt;
    Translation translation = editorRequest(QString(), c);
    if (method == QLatin1String("MXN")) {
        for (int record : {MXN_N, MXN_M}) {
            const QString count = GetToken(value, QStringLiteral(";"));
            if (count.isEmpty()) continue;
            const std::optional<QString> hex = model.ToSensor(model[record], count);
            if (!hex) return std::nullopt;
            translation.writesFirst.emplace_back(model[record].WriteCommand, *hex);
        }
    }
    const ParamRec& evm = model[EVM];
    translation.request = evm.WriteCommand + QLatin1Char(',') + model.ToSensor(evm, method).value_or(QString());
    return translation;
}

std::optional<Translation> compositeRequest(const EchoModel& model, const QString& c) {
    for (const CompositeCommand& composite : CompositeCommands) {
        const QString name = QString::fromLatin1(composite.Name);
        if (!model.Has(composite.Index)) continue;
        if (c == name) return editorRequest(model[composite.Index].Key, c);
        if (!c.startsWith(name + QLatin1Char(','))) continue;
        const QString value = c.mid(name.size() + 1);
        return composite.Index == EVM ? methodWrite(model, value, c) : bitWrite(model, name, value, c);
    }
    return std::nullopt;
}

// The record a typed read names in the sensor's variant; 0 for none.
int recordRead(const EchoModel& model, const QString& c) {
    for (int i = 1; i <= model.Count(); ++i)
        if (model.TakesPart(model[i]) && namesOf(model[i]).contains(c)) return i;
    return 0;
}

bool failed(const EchoModel& model, const QString& answer) {
    return EchoCells::AnswerError(answer, model.StatusTexts()).has_value();
}

}  // namespace

Translation Translate(const EchoModel& model, const QString& typed) {
    const QString c = typed.toUpper();
    if (std::optional<Translation> request = recordRequest(model, c)) return *request;
    if (std::optional<Translation> request = compositeRequest(model, c)) return *request;
    return sendAsTyped(c);
}

Result ConvertResult(const EchoModel& model, const QString& typed, const QString& answer) {
    const QString c = typed.toUpper();
    // A failed read shows the sensor's answer, not a value made of it.
    if (const int record = recordRead(model, c)) {
        const QString shown = failed(model, answer) ? answer : model.ToDisplay(model[record], answer);
        return {shown, true};
    }
    for (const CompositeCommand& composite : CompositeCommands) {
        const QString name = QString::fromLatin1(composite.Name);
        if (!model.Has(composite.Index)) continue;
        if (c == name) {
            if (failed(model, answer)) return {answer, true};
            const QString value = model.ToDisplay(model[composite.Index], answer);
            QString shown = value;
            if (composite.Index == BITS) {
                shown = QString::number(EchoValues::OptionBitOf(value, bitOf(name)));
            } else if (value == QLatin1String("MXN")) {
                shown = value + QLatin1Char(';') + model[MXN_N].Value + QLatin1Char(';') + model[MXN_M].Value;
            }
            return {shown, true};
        }
        if (c.section(QLatin1Char(','), 0, 0) == name) return {answer, true};
    }
    return {answer, false};
}

int RecordNamedBy(const EchoModel& model, const QString& word) {
    for (int i = 1; i <= model.Count(); ++i) {
        const ParamRec& rec = model[i];
        if (!model.TakesPart(rec)) continue;
        const bool named = word == rec.Key || word == rec.RuleKey || (!rec.AltKey.isEmpty() && word == rec.AltKey) ||
                           (!rec.WriteCommand.isEmpty() && word == rec.WriteCommand);
        if (named) return i;
    }
    for (const CompositeCommand& composite : CompositeCommands)
        if (word == QLatin1String(composite.Name) && model.Has(composite.Index)) return composite.Index;
    return 0;
}

}  // namespace EchoCommands
