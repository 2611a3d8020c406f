#pragma once

// Makes the editor and master-mode windows of every sensor line known to
// detection. Called once at start-up, before the main window loads
// (detection runs there).
void RegisterSensorEditors();
