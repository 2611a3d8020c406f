#pragma once

// Makes frmQT8200 the editor that detection opens for a QT8200 sensor or
// parameter file, and adds its built-in German quick-help texts. Called once
// at start-up.
void RegisterQT8200Editor();
