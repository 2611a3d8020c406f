#pragma once
#include "editors/common/CompensatedTable.h"
#include "editors/common/ParamEditorModel.h"

#include <vector>

// The QF8200 line's parameter table: 28 plain parameter commands. A record's
// Key reads it ("KEY"), "KEY,VALUE" writes it and "KEY=VALUE" stores it in a
// parameter file.
namespace QF8200 {

constexpr int TableUpperBound = 30;

// Record indexes, in table order; the first nine are the leading records of
// the compensated lines (CompensatedTable).
enum Record {
    VS = 1, VS0, TO, TEM, CBT, CCT, FTO, CON, BR, DIP, UDS, SD11, SD12, SD21, SD22, SH1, SH2,
    OM, OPM, FSF, EM, NDE, FDE, REF, OT, SE, RR, NEF,
    RecordCount = NEF
};

// Parameter ids: the records' ids, which are also the help ids of the
// controls that edit them, and the help ids of the controls that edit a part
// of a record.
enum Id {
    IdVS0 = 1001, IdTEM = 1002, IdCBT = 1003, IdCCT = 1004, IdFTO = 1005, IdCON = 1006, IdBR = 1007,
    IdUDS = 1008, IdSD11 = 1009, IdSD12 = 1010, IdSH1 = 1011, IdOM = 1012, IdOPM = 1013, IdSD21 = 1014,
    IdSD22 = 1015, IdSH2 = 1016, IdSwitchMode2 = 1017, IdOPMode2 = 1018, IdFSF = 1019, IdFailCurrent = 1020,
    IdEM = 1021, IdDiff = 1022, IdWeight = 1023, IdThreshold = 1024, IdMCount = 1025, IdNCount = 1026,
    IdNDE = 1027, IdFDE = 1028, IdOPModeAnalog = 1029, IdREF = 1030, IdOT = 1031, IdSE = 1032, IdRR = 1033,
    IdNEF = 1034, IdVS = 1101, IdTO = 1102, IdDIP = 1103
};
static_assert(int(BR) == int(CompensatedTable::BR));

// The ids of the records and fields this line shares with the other compensated line.
constexpr CompensatedTable::Ids SharedIds = {
    IdVS, IdVS0, IdTO, IdTEM, IdCBT, IdCCT, IdFTO, IdCON, IdBR, IdREF,
    IdEM, IdDiff, IdWeight, IdThreshold, IdMCount, IdNCount,
};

std::vector<ParamRow> TableRows();

}  // namespace QF8200
