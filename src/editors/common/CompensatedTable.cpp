#include "editors/common/CompensatedTable.h"

namespace CompensatedTable {

std::vector<ParamRow> LeadingRows(const Ids& ids) {
    return {
        ParamRow(ids.vs, "VS", false),
        ParamRow(ids.vs0, "VS0").WithLinks(VS, VS),
        ParamRow(ids.to, "TO").WithLinks(TEM, VS),
        ParamRow(ids.tem, "TEM").WithLinks(TO, 0).NoBulkWrite(),
        ParamRow(ids.cbt, "CBT"),
        ParamRow(ids.cct, "CCT"),
        ParamRow(ids.fto, "FTO"),
        ParamRow(ids.con, "CON"),
        ParamRow(ids.br, "BR"),
    };
}

}  // namespace CompensatedTable
