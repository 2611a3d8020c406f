#pragma once

// Makes frmQF8200 the editor that detection opens for a QF8200 sensor or
// parameter file, and adds its built-in German quick-help texts. Called once
// at start-up.
void RegisterQF8200Editor();
