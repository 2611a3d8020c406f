#include "editors/qf8200rdx/QF8200RDXTable.h"

#include "editors/common/EvalMethod.h"

namespace QF8200RDX {

std::vector<ParamRow> TableRows() {
    // A new reference distance, sound velocity at 0 °C or temperature changes
    // the sound velocity the sensor works with (REF -> VS0 -> VS,
    // TEM -> TO -> VS). VS is computed and REF cannot be read: neither is
    // kept in parameter files. TEM follows from TO, so a full write leaves it out.
    return {
        ParamRow(IdVS, "VS", false),
        ParamRow(IdVS0, "VS0").WithLinks(VS, VS),
        ParamRow(IdTO, "TO").WithLinks(TEM, VS),
        ParamRow(IdTEM, "TEM").WithLinks(TO, 0).NoBulkWrite(),
        ParamRow(IdCBT, "CBT"),
        ParamRow(IdCCT, "CCT"),
        ParamRow(IdFTO, "FTO"),
        ParamRow(IdCON, "CON"),
        ParamRow(IdBR, "BR"),
        ParamRow(IdSD1, "SD1"),
        ParamRow(IdSD2, "SD2"),
        ParamRow(IdSD3, "SD3"),
        ParamRow(IdSH1, "SH1"),
        ParamRow(IdSH2, "SH2"),
        ParamRow(IdSH3, "SH3"),
        ParamRow(IdOM, "OM").WithLinks(0, SD1).WithForm("[01I]{1,3}"),
        ParamRow(IdFSF, "FSF").WithForm("[0-9]{1,3}(,-?[0-9]+)?"),
        ParamRow(IdEM, "EM").WithForm(EvalMethod::Form),
        ParamRow(IdNDE, "NDE").WithLinks(0, FDE),
        ParamRow(IdFDE, "FDE"),
        ParamRow(IdREF, "REF", false).WithLinks(VS0, 0).Unreadable(),
        ParamRow(IdNEF, "NEF").WithForm("[01]"),
        ParamRow(IdMA, "MA").WithForm("[AS]"),
        ParamRow(IdUIS, "UIS").WithForm("-1|-?[0-9]+,-?[0-9]+"),
    };
}

}  // namespace QF8200RDX
