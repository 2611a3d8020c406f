#pragma once
#include "editors/common/CompensatedTable.h"
#include "editors/common/ParamEditorModel.h"

#include <vector>

// The QF8200RDX line's parameter table: 24 plain parameter commands. A
// record's Key reads it ("KEY"), "KEY,VALUE" writes it and "KEY=VALUE" stores
// it in a parameter file.
namespace QF8200RDX {

constexpr int TableUpperBound = 30;

// Record indexes: the order of every read and write over the table; the
// first nine are the leading records of the compensated lines
// (CompensatedTable).
enum Record {
    VS = 1, VS0, TO, TEM, CBT, CCT, FTO, CON, BR, SD1, SD2, SD3, SH1, SH2, SH3,
    OM, FSF, EM, NDE, FDE, REF, NEF, MA, UIS,
    RecordCount = UIS
};

// Parameter ids: the records' ids, which are also the help ids of the
// controls that edit them, and the help ids of the controls that edit a part
// of a record.
enum Id {
    IdVS0 = 3001, IdTEM = 3002, IdREF = 3003, IdCBT = 3004, IdCCT = 3005, IdFTO = 3006, IdCON = 3007,
    IdBR = 3008, IdNEF = 3009, IdSD1 = 3010, IdSH1 = 3011, IdOM = 3012, IdFailSafe1 = 3013, IdSD2 = 3015,
    IdSH2 = 3016, IdSwitchMode2 = 3017, IdFailSafe2 = 3018, IdSD3 = 3020, IdSH3 = 3021, IdSwitchMode3 = 3022,
    IdFailSafe3 = 3023, IdFSF = 3030, IdMA = 3031, IdUIS = 3032, IdInclinationOn = 3033,
    IdInclinationOff = 3034, IdNDE = 3035, IdFDE = 3036, IdFailCurrent = 3037, IdEM = 3038, IdDiff = 3039,
    IdWeight = 3040, IdThreshold = 3041, IdMCount = 3042, IdNCount = 3043, IdVS = 3101, IdTO = 3102
};
static_assert(int(BR) == int(CompensatedTable::BR));

// The ids of the records and fields this line shares with the other compensated line.
constexpr CompensatedTable::Ids SharedIds = {
    IdVS, IdVS0, IdTO, IdTEM, IdCBT, IdCCT, IdFTO, IdCON, IdBR, IdREF,
    IdEM, IdDiff, IdWeight, IdThreshold, IdMCount, IdNCount,
};

std::vector<ParamRow> TableRows();

}  // namespace QF8200RDX
