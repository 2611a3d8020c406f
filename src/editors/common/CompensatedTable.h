#pragma once
#include "editors/common/ParamEditorModel.h"

#include <vector>

// The lines that correct the sound velocity for the temperature (QF8200,
// QF8200RDX) begin their tables with the same nine records, in the same
// order, and edit them with the same controls; only the ids differ.
namespace CompensatedTable {

// Record indexes of the leading records in either table.
enum Record { VS = 1, VS0, TO, TEM, CBT, CCT, FTO, CON, BR };

// A line's ids of the records and fields the two lines share.
struct Ids {
    int vs, vs0, to, tem, cbt, cct, fto, con, br;
    int ref;                                          // the reference distance, which cannot be read back
    int em, diff, weight, threshold, mCount, nCount;  // the evaluation method and its fields
};

// The leading records. A new sound velocity at 0 °C or temperature changes
// the sound velocity the sensor works with (VS0 -> VS, TEM -> TO -> VS); VS
// is computed and not kept in parameter files, and TEM follows from TO, so
// a full write leaves it out.
std::vector<ParamRow> LeadingRows(const Ids& ids);

}  // namespace CompensatedTable
