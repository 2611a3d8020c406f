// The input rules of VALIDATE.CFG on any file content: every key of every
// section is looked up as a record's rule, for a sensor type of each section
// and for none, references "$(name)" followed, and proposed inputs checked
// against the rule for several sensor ranges.
#include "FuzzSupport.h"

#include "link/ParamRec.h"
#include "link/SensorState.h"
#include "link/ValidationRules.h"
#include "platform/Folders.h"

namespace {

const QString Proposals[] = {"0", "1", "-1", "12.5", "255", "65535", "1e308", "-1e308", "1e999", "abc", "", " 7", "3..28"};
const int Ranges[] = {0, 250, 3000, 6000, -1, 32767};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = Fuzz::Bytes(data, size);
    const QString path = Folders::JoinPath(Fuzz::ProgramFolder(), QStringLiteral("VALIDATE.CFG"));
    Fuzz::WriteFile(path, bytes);
    Sensor::ResetValidateNoticeForTests();

    const QStringList sections = Fuzz::SectionNames(bytes);
    SensorStateData& s = Sensor::State();
    for (const QString& section : sections) {
        for (const QString& type : {section, QStringLiteral("no such type")}) {
            s.SensorType = type;
            for (const QString& key : Fuzz::KeysOf(path, section)) {
                ParamRec rec;
                Sensor::InitParameter(rec, 1, key, true, 0, 0, {}, true, true, key, {}, {}, section);
                rec.Value = QStringLiteral("old");
                for (int range : Ranges) {
                    s.SensorRange = range;
                    for (const QString& proposed : Proposals) Sensor::RuleAccepts(rec, proposed);
                }
            }
        }
    }
    Sensor::ResetStateForTests();
    return 0;
}
