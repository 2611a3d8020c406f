#pragma once

// Makes frmMasterQF8200, frmMasterQF8200RDX and frmMasterQT8200 the
// master-mode windows that detection keeps for their sensor lines (the
// QF8200Echo line has none). Called once at start-up.
void RegisterMasterWindows();
