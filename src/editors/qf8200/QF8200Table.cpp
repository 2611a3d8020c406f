#include "editors/qf8200/QF8200Table.h"

#include "editors/common/DipSwitches.h"
#include "editors/common/EvalMethod.h"

namespace QF8200 {

std::vector<ParamRow> TableRows() {
    // Changing the DIP-switch use re-reads every value the switches override
    // (UDS -> OM -> SD11 -> SD21 -> NDE -> FDE -> OT); a new reference distance
    // changes the sound velocity the sensor works with (REF -> VS0 -> VS).
    std::vector<ParamRow> rows = CompensatedTable::LeadingRows(SharedIds);
    rows.insert(rows.end(), {
        ParamRow(IdDIP, "DIP", false).WithForm(DipSwitches::Form),
        ParamRow(IdUDS, "UDS").WithLinks(OM, 0).WithForm("[01]"),
        ParamRow(IdSD11, "SD11").WithLinks(0, SD21).WithAltKey("SD1"),
        ParamRow(IdSD12, "SD12"),
        ParamRow(IdSD21, "SD21").WithLinks(0, NDE).WithAltKey("SD2"),
        ParamRow(IdSD22, "SD22"),
        ParamRow(IdSH1, "SH1"),
        ParamRow(IdSH2, "SH2"),
        ParamRow(IdOM, "OM").WithLinks(0, SD11).WithForm("[01]{1,2}"),
        ParamRow(IdOPM, "OPM").WithForm("[SWRHL]{1,2}"),
        ParamRow(IdFSF, "FSF").WithForm("[0-2](,-?[0-9]+)?"),
        ParamRow(IdEM, "EM").WithForm(EvalMethod::Form),
        ParamRow(IdNDE, "NDE").WithLinks(0, FDE),
        ParamRow(IdFDE, "FDE").WithLinks(0, OT),
        ParamRow(IdREF, "REF", false).WithLinks(VS0, 0).Unreadable(),
        ParamRow(IdOT, "OT").WithForm("[01]"),
        ParamRow(IdSE, "SE").WithForm("[01]"),
        ParamRow(IdRR, "RR"),
        ParamRow(IdNEF, "NEF").WithForm("[01]"),
    });
    return rows;
}

}  // namespace QF8200
