#include "mainwin/ProtFileWiring.h"

#include "link/PollCycle.h"
#include "link/ProtFile.h"
#include "mainwin/frmMain.h"
#include "mainwin/frmProtFile.h"

#include <QLabel>
#include <QPointer>
#include <QTimer>

void ConnectProtFile(frmMain& window) {
    // The link outlives the window: every hook checks that it is still there.
    const QPointer<frmMain> main(&window);
    window.Steps.ShowProtFileDialog = [main] {
        if (!main) return;
        frmProtFile dialog(main->MacroMenu(), [main](bool start) {
            if (main) main->StartFileLogging(start);
        }, main);
        dialog.exec();
    };
    window.Steps.StartProtFile = [](bool start) { Sensor::StartProtFile(start); };
    window.Steps.LoggingActive = [] { return Sensor::LoggingActive(); };
    Sensor::SetStatusLine([main](const QString& text) {
        if (main) main->lblMessage->setText(text);
    });
    // A recording that a write error ended shows as stopped, as a failed start does.
    Sensor::SetRecordingStopped([main] {
        if (main) main->StartFileLogging(false);
    });
    // Restarting a running timer would only delay its next tick.
    Sensor::SetPollTimerSwitch([main](bool run) {
        if (!main) return;
        QTimer* timer = main->SensorPollTimer();
        if (run && !timer->isActive()) timer->start();
        if (!run) timer->stop();
    });
}
