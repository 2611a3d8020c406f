#pragma once
#include <QString>

// Input rules from "VALIDATE.CFG" in the program folder.
namespace Sensor {

// The rule of a record: key ruleKey in the section of the connected sensor's
// type, else in `section`; a rule "$(name)" stands for key name of `section`
// (one level). The first lookup of a run shows message 12 when the file is
// missing or empty.
QString LookUpRule(const QString& ruleKey, const QString& section);

}  // namespace Sensor
