#pragma once

// Makes frmQF8200Echo the editor that detection opens for a QF8200Echo
// sensor or parameter file, and adds its quick-help texts. Called once at
// start-up.
void RegisterQF8200EchoEditor();
