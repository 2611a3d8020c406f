#pragma once

class QMdiArea;
class frmDistance;
class frmMain;
class frmShowIt;
struct ShowItSettings;

// The two live windows, the distance-and-switch display (frmShowIt) and the
// distance readout (frmDistance), as the rest of the program reaches them:
// the window menu opens them, the poll cycle feeds them, detection
// re-initialises the display and the editors set it up. Each window exists
// only while it is open; what the editors set survives in ShowItSettings.
namespace LiveWindows {

// Serves the editors and the poll cycle and registers both windows with the
// main window's window menu; the program calls it once at start-up.
void Connect(frmMain& mainWindow);

// Loads the window into area if it is not open, then shows it in its normal
// state in front of the others.
void ShowShowIt(QMdiArea* area);
void ShowDistance(QMdiArea* area);

// The open window, else nullptr.
frmShowIt* ShowItWindow();
frmDistance* DistanceWindow();

// What the editors told the display; lives as long as the program.
ShowItSettings& DisplaySettings();

// Serves the editors and the poll cycle without a main window (tests);
// Disconnect takes everything back.
void ConnectLinks();
void Disconnect();

}  // namespace LiveWindows
