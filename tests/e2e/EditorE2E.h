#pragma once
#include "e2e/SimulatorTest.h"
#include "link/FakeMainWindow.h"
#include "link/SensorEditor.h"
#include "support/ScriptedMessages.h"

#include <QStringList>

class QLineEdit;

// An editor against the simulated sensor through the real serial code:
// detection shows the editor of the sensor it finds, the simulator's request
// log tells what went on the wire, and message boxes are answered and counted.
class EditorE2E : public SimulatorTest {
protected:
    // Starts the simulator with these arguments and detects its sensor with
    // one editor registered; the editor shown, or nullptr after a failure.
    template <class Editor>
    Editor* Detect(void (*registerEditor)(), const QStringList& simulatorArguments) {
        return dynamic_cast<Editor*>(DetectEditor(registerEditor, simulatorArguments));
    }

    // The last requests the simulator received.
    QStringList LastRequests(qsizetype count) const;

    // The user types into a text box and presses Enter.
    static void TypeAndEnter(QLineEdit* box, const QString& text);

    FakeMainWindow mainWindow;
    ScriptedMessages messages;

private:
    SensorEditor* DetectEditor(void (*registerEditor)(), const QStringList& simulatorArguments);
};
