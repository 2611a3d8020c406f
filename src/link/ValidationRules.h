#pragma once
#include <QString>

struct ParamRec;

// Input rules from "VALIDATE.CFG" in the program folder.
namespace Sensor {

// The rule of a record: key ruleKey in the section of the connected sensor's
// type, else in `section`; a rule "$(name)" stands for key name of `section`
// (one level). The first lookup of a run shows message 12 when the file is
// missing or empty.
QString LookUpRule(const QString& ruleKey, const QString& section);

// Whether the record's input rule takes the value for the current
// SensorRange (a record without a rule takes every value).
bool RuleAccepts(const ParamRec& rec, const QString& value);

}  // namespace Sensor
