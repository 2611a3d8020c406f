#pragma once
#include "editors/common/ParamEditorModel.h"

#include <QString>
#include <array>
#include <vector>

// The QF8200Echo line keeps its parameters in numbered memory cells: a
// record's Key reads its cell ("RM,WXE7"), its WriteCommand writes it
// ("WM,WXE7" and the value as hex), and its RuleKey is the plain parameter
// name ("SD1") that input rules, parameter files and typed commands use.
namespace QF8200Echo {

constexpr int TableUpperBound = 39;
// The section of VALIDATE.CFG that holds this line's rules (after the
// section of the sensor type).
inline const char* const RuleSection = "frmQF8200Echo";

// Record indexes, in table order. The analogue variant reuses the cells of
// SD1, SD2, OM1 and OPM1 under records of its own; MM, POTI1 and POTI2 exist
// only on sensors with software 2 or later.
enum Record {
    TSD1 = 1, TSD2, VS0, TO, FTO, SD1, SD12, SD2, SD22, BR, RR, SH1, SH2, OM1, OM2, OPM1, OPM2, FSF,
    CON1, CON2, CBT, CCT, SEN, EVM, MXN_N, MXN_M, BITS, TOPM, COF1, COF2, A1, A2, AnalogOM, AnalogOPM,
    IEND, UEND, MM, POTI1, POTI2,
    CountWithoutFirmwareV2 = UEND,
    CountWithFirmwareV2 = POTI2
};

// Parameter ids: the records' ids, the help ids of their controls and the
// quick-help topics. 4029 and 4036 carry no record: their controls commit
// BITS and MXN_M.
enum Id {
    IdTSD1 = 4001, IdTSD2, IdVS0, IdTO, IdFTO, IdSD1, IdSD12, IdSD2, IdSD22, IdBR, IdRR, IdSH1, IdSH2,
    IdOM1, IdOM2, IdOPM1, IdOPM2, IdFSF, IdCON1, IdCON2, IdCBT, IdCCT, IdSEN, IdEVM, IdMXN_N, IdMXN_M,
    IdBITS, IdTOPM, IdStartup, IdCOF1, IdCOF2, IdA1, IdA2, IdAnalogOPM, IdAnalogOM, IdWeight,
    IdIEND = 4100, IdUEND, IdMM, IdPOTI2, IdPOTI1,
    IdSoundHeading = 1101, IdTemperatureOffsetHeading = 1102
};

// Record groups: which variant of the sensor a record belongs to.
enum Group { Common = 0, SwitchOnly = 1, AnalogOnly = 2 };

// The table Init builds: 36 records, 39 with the software-2 records.
std::vector<ParamRow> TableRows(bool firmwareV2);

// Software 2 or later: the number before the first "." of the version text.
bool IsFirmwareV2(const QString& version);

// Whether a record takes part for a sensor of that variant.
bool FitsVariant(const ParamRec& rec, bool analogVariant);

// Names the command window accepts for a part of a record: three bits of
// BITS and the evaluation method with its counts.
struct CompositeCommand {
    const char* Name;
    int Index;   // the record that carries the value
};
inline constexpr std::array<CompositeCommand, 4> CompositeCommands = {{
    {"NEF", BITS}, {"SSY", BITS}, {"UTP", BITS}, {"EM", EVM},
}};

}  // namespace QF8200Echo
