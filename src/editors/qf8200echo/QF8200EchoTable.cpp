#include "editors/qf8200echo/QF8200EchoTable.h"

#include "editors/qf8200echo/EchoCells.h"
#include "editors/qf8200echo/SoundBeam.h"
#include "frame/NumberFormat.h"
#include "frame/STRING_UTIL.h"

using STRING_UTIL::GetToken;

namespace QF8200Echo {
namespace {

// One memory-cell record: read with "RM," and written with "WM," and its cell.
ParamRow cell(int id, const char* name, const char* memoryCell, Group group) {
    const QString cellName = QString::fromLatin1(memoryCell);
    return ParamRow(id, QStringLiteral("RM,") + cellName)
        .WithRule(QString::fromLatin1(name), QString::fromLatin1(RuleSection))
        .WithWriteCommand(QStringLiteral("WM,") + cellName)
        .InGroup(int(group))
        .WithAnswerForm(EchoCells::AnswerForm(cellName));
}

// A value the sensor computes: read only, not part of the data set.
ParamRow computed(int id, const char* name, const char* memoryCell) {
    const QString cellName = QString::fromLatin1(memoryCell);
    return ParamRow(id, QStringLiteral("RM,") + cellName, false)
        .WithRule(QString::fromLatin1(name), QString::fromLatin1(RuleSection))
        .InGroup(int(AnalogOnly))
        .WithAnswerForm(EchoCells::AnswerForm(cellName));
}

// The letters of the operating modes (a taught one on an analogue sensor is a
// number) and the words of the evaluation methods.
const QString OperatingModeForm = QStringLiteral("[SWH]");
const QString TaughtModeForm = QStringLiteral("[SWH]|[0-9]+");
const QString EvalMethodForm = QStringLiteral("0|NONE|DYN|MXN|PT1");
// The lists whose position or item data is the value: the switch modes
// (normally open, normally closed), the fail-safe behaviours, the burst
// times, the analogue output's modes and kinds, and the sound beam's
// sensitivities and widths.
const QString SwitchModeForm = ValueForms::ListEntry(0, 1);
const QString FailSafeForm = ValueForms::ListEntry(0, 2);
const QString BurstForm = ValueForms::ListEntry(0, 3);
const QString AnalogListForm = ValueForms::ListEntry(0, 2);
const QString SensitivityForm = ValueForms::ListEntry(SoundBeam::MinSensitivity, SoundBeam::MaxSensitivity);
const QString BeamWidthForm = ValueForms::ListEntry(0, SoundBeam::MaxWidth);

}  // namespace

std::vector<ParamRow> TableRows(bool firmwareV2) {
    // A new evaluation method changes the counts the sensor keeps for it:
    // EVM re-reads MXN_M, which re-reads MXN_N.
    std::vector<ParamRow> rows = {
        cell(IdTSD1, "TSD1", "WXE2", Common),
        cell(IdTSD2, "TSD2", "WXE4", Common),
        cell(IdVS0, "VS0", "WXEF", Common),
        cell(IdTO, "TO", "WXE11", Common),
        cell(IdFTO, "FTO", "XE1D", Common),
        cell(IdSD1, "SD1", "WXE7", SwitchOnly).WithAltKey(QStringLiteral("SD11")),
        cell(IdSD12, "SD12", "WXEB", SwitchOnly),
        cell(IdSD2, "SD2", "WXE9", SwitchOnly).WithAltKey(QStringLiteral("SD21")),
        cell(IdSD22, "SD22", "WXED", SwitchOnly),
        cell(IdBR, "BR", "WXE13", Common),
        cell(IdRR, "RR", "WXE15", Common),
        cell(IdSH1, "SH1", "XE27", SwitchOnly),
        cell(IdSH2, "SH2", "XE28", SwitchOnly),
        cell(IdOM1, "OM1", "XE29", SwitchOnly).WithForm(SwitchModeForm),
        cell(IdOM2, "OM2", "XE2A", SwitchOnly).WithForm(SwitchModeForm),
        cell(IdOPM1, "OPM1", "XE2B", SwitchOnly).WithForm(OperatingModeForm),
        cell(IdOPM2, "OPM2", "XE2C", SwitchOnly).WithForm(OperatingModeForm),
        cell(IdFSF, "FSF", "XE2D", Common).WithForm(FailSafeForm),
        cell(IdCON1, "CON1", "XE23", SwitchOnly),
        cell(IdCON2, "CON2", "XE24", SwitchOnly),
        cell(IdCBT, "CBT", "XE1B", Common).WithForm(BurstForm),
        cell(IdCCT, "CCT", "WXE19", Common),
        cell(IdSEN, "SEN", "XE6E", Common).WithForm(SensitivityForm),
        cell(IdEVM, "EVM", "XE1E", Common).WithLinks(MXN_M, 0).WithForm(EvalMethodForm),
        cell(IdMXN_N, "MXN_N", "XE1F", Common),
        cell(IdMXN_M, "MXN_M", "WXE20", Common).WithLinks(0, MXN_N),
        cell(IdBITS, "BITS", "XE22", Common),
        cell(IdTOPM, "TOPM", "XE6", Common).WithForm(TaughtModeForm),
        cell(IdCOF1, "COF1", "XE25", SwitchOnly),
        cell(IdCOF2, "COF2", "XE26", SwitchOnly),
        cell(IdA1, "A1", "WXE7", AnalogOnly),
        cell(IdA2, "A2", "WXE9", AnalogOnly),
        cell(IdAnalogOM, "OM1", "XE29", AnalogOnly).WithAltKey(QStringLiteral("OM")).WithForm(AnalogListForm),
        cell(IdAnalogOPM, "OPM1", "XE2B", AnalogOnly).WithAltKey(QStringLiteral("OPM")).WithForm(AnalogListForm),
        computed(IdIEND, "IEND", "WXE72"),
        computed(IdUEND, "UEND", "WXE74"),
    };
    if (firmwareV2) {
        rows.push_back(cell(IdMM, "MM", "XE1C", Common));
        rows.push_back(cell(IdPOTI1, "POTI1", "XE2E", Common).WithForm(BeamWidthForm));
        rows.push_back(cell(IdPOTI2, "POTI2", "XE2F", Common).WithForm(BeamWidthForm));
    }
    return rows;
}

bool IsFirmwareV2(const QString& version) {
    QString rest = version;
    return NumberFormat::LeadingNumber(GetToken(rest, QStringLiteral("."))) >= 2;
}

bool FitsVariant(const ParamRec& rec, bool analogVariant) {
    switch (rec.Group.toInt()) {
    case SwitchOnly: return !analogVariant;
    case AnalogOnly: return analogVariant;
    default: return true;
    }
}

}  // namespace QF8200Echo
