#include "editors/qt8200/QT8200Table.h"

#include "editors/common/DipSwitches.h"

namespace QT8200 {

std::vector<ParamRow> TableRows() {
    // Changing the DIP-switch use re-reads every value the switches override
    // (UDS -> OM -> SD1 -> SH1 -> SD2 -> SH2 -> NDE -> FDE); a reference
    // distance changes the sound velocity; BDE (no value) sets the
    // evaluation limits.
    return {
        ParamRow(IdVS, "VS"),
        ParamRow(IdRT, "RT").WithForm(ValueForms::ListEntry(0, 1)),
        ParamRow(IdDIP, "DIP", false).WithForm(DipSwitches::Form),
        ParamRow(IdUDS, "UDS").WithLinks(OM, 0).WithForm(ValueForms::ListEntry(0, 1)),
        ParamRow(IdSD1, "SD1").WithLinks(0, SH1),
        ParamRow(IdFA1, "FA1").WithForm(ValueForms::ListEntry(0, 1)),
        ParamRow(IdSD2, "SD2").WithLinks(0, SH2),
        ParamRow(IdFA2, "FA2").WithForm(ValueForms::ListEntry(0, 1)),
        ParamRow(IdSH1, "SH1").WithLinks(0, SD2),
        ParamRow(IdSH2, "SH2").WithLinks(0, NDE),
        ParamRow(IdOM, "OM").WithLinks(0, SD1).WithForm("[23]{1,2}"),
        ParamRow(IdREF, "REF", false).WithLinks(VS, 0).Unreadable(),
        ParamRow(IdCBT, "CBT"),
        ParamRow(IdCCT, "CCT"),
        ParamRow(IdFTO, "FTO"),
        ParamRow(IdCON, "CON"),
        ParamRow(IdEM, "EM").WithForm("(DYN1?|BEW1?|OFF),M?[0-9]+"),
        ParamRow(IdNDE, "NDE").WithLinks(0, FDE),
        ParamRow(IdFDE, "FDE"),
        ParamRow(IdFW, "FW"),
        ParamRow(IdBDE, "BDE").WithLinks(NDE, 0).Unreadable(),
    };
}

}  // namespace QT8200
