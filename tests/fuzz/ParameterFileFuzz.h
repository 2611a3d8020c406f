#pragma once
// One sensor line's parameter files, opened as the file menu opens them:
// the file's identification chooses the editor, which reads every stored
// value from the file, shows it, answers the sensor-information items and
// writes its part of the parameter sheet. A file the editor took is saved,
// opened and saved again: the two saved files must be the same, so that
// opening and saving a file never changes the user's values.
#include "editors/common/ParamEditorWindow.h"

#include <cstddef>
#include <cstdint>
#include <functional>

namespace Fuzz {

// editorName is the window name detection asks the registry for; make
// builds the editor once.
int OpenParameterFile(const uint8_t* data, size_t size, const QString& editorName,
                      const std::function<ParamEditorWindow*()>& make);

}  // namespace Fuzz

// The two functions libFuzzer calls, for the editor class Editor.
#define ZELVO_PARAMETER_FILE_TARGET(Editor)                                                      \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {                    \
        return Fuzz::OpenParameterFile(data, size, QStringLiteral(#Editor), [] { return new Editor(); }); \
    }
