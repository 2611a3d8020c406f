#pragma once
#include "editors/common/ParamEditorModel.h"

#include <vector>

// The QT8200 line's parameter table: 21 plain parameter commands. A record's
// Key reads it ("KEY"), "KEY,VALUE" writes it and "KEY=VALUE" stores it in a
// parameter file. Values stay in the sensor's own notation.
namespace QT8200 {

constexpr int TableUpperBound = 30;

// Record indexes: the order of every read, write and file line.
enum Record {
    VS = 1, RT, DIP, UDS, SD1, FA1, SD2, FA2, SH1, SH2, OM, REF, CBT, CCT, FTO, CON, EM, NDE, FDE, FW, BDE,
    RecordCount = BDE
};

// Parameter ids: the records' ids, which are also the help ids of the
// controls that edit them, and the help ids of the controls that edit a part
// of a record (the second switch mode, the analogue filter, the second
// evaluation field and the measurement count).
enum Id {
    IdVS = 2001, IdREF = 2002, IdRT = 2003, IdCBT = 2004, IdCCT = 2005, IdCON = 2006, IdUDS = 2008,
    IdSD1 = 2009, IdSH1 = 2010, IdFA1 = 2011, IdOM = 2012, IdSD2 = 2013, IdSH2 = 2014, IdFA2 = 2015,
    IdSwitchMode2 = 2016, IdNDE = 2017, IdFDE = 2018, IdFW = 2019, IdFilterAnalog = 2020, IdBDE = 2021,
    IdFTO = 2022, IdEvalMethod2 = 2023, IdMeasureCount = 2024, IdEM = 2025, IdDIP = 2103,
    IdSoundVelocityNote = 1101
};

std::vector<ParamRow> TableRows();

}  // namespace QT8200
