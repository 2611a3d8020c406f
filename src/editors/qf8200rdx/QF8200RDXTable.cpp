#include "editors/qf8200rdx/QF8200RDXTable.h"

#include "editors/common/EvalMethod.h"

namespace QF8200RDX {

std::vector<ParamRow> TableRows() {
    // A new reference distance changes the sound velocity the sensor works
    // with (REF -> VS0 -> VS). REF cannot be read: it is not kept in
    // parameter files.
    std::vector<ParamRow> rows = CompensatedTable::LeadingRows(SharedIds);
    rows.insert(rows.end(), {
        ParamRow(IdSD1, "SD1"),
        ParamRow(IdSD2, "SD2"),
        ParamRow(IdSD3, "SD3"),
        ParamRow(IdSH1, "SH1"),
        ParamRow(IdSH2, "SH2"),
        ParamRow(IdSH3, "SH3"),
        ParamRow(IdOM, "OM").WithLinks(0, SD1).WithForm("[01I]{1,3}"),
        ParamRow(IdFSF, "FSF").WithForm("[0-2]{1,3}(,-?[0-9]+)?"),
        ParamRow(IdEM, "EM").WithForm(EvalMethod::Form),
        ParamRow(IdNDE, "NDE").WithLinks(0, FDE),
        ParamRow(IdFDE, "FDE"),
        ParamRow(IdREF, "REF", false).WithLinks(VS0, 0).Unreadable(),
        ParamRow(IdNEF, "NEF").WithForm("[01]"),
        ParamRow(IdMA, "MA").WithForm("[AS]"),
        ParamRow(IdUIS, "UIS").WithForm("-1|-?[0-9]+,-?[0-9]+"),
    });
    return rows;
}

}  // namespace QF8200RDX
