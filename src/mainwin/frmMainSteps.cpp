#include "mainwin/frmMainSteps.h"

#include <stdexcept>
#include <string>
#include <utility>

void RequireEveryStep(const frmMainSteps& steps) {
    const std::pair<const char*, bool> set[] = {
        {"InitPort", bool(steps.InitPort)},
        {"InitRecentFiles", bool(steps.InitRecentFiles)},
        {"LoadCommandHistory", bool(steps.LoadCommandHistory)},
        {"SaveCommandHistory", bool(steps.SaveCommandHistory)},
        {"LoadParameterFile", bool(steps.LoadParameterFile)},
        {"SaveParameterFile", bool(steps.SaveParameterFile)},
        {"PrintParameterSheet", bool(steps.PrintParameterSheet)},
        {"ShowProtFileDialog", bool(steps.ShowProtFileDialog)},
        {"StartProtFile", bool(steps.StartProtFile)},
        {"LoggingActive", bool(steps.LoggingActive)},
        {"InitDisplayWindow", bool(steps.InitDisplayWindow)},
    };
    for (const auto& [name, isSet] : set)
        if (!isSet) throw std::logic_error(std::string("main window step not set: ") + name);
}
