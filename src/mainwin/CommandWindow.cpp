#include "mainwin/CommandWindow.h"

#include "mainwin/CommandHistory.h"
#include "mainwin/frmCommand.h"
#include "mainwin/frmMain.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

namespace CommandWindow {
namespace {

QPointer<frmCommand>& window() {
    static QPointer<frmCommand> instance;
    return instance;
}

bool loaded() { return window() && window()->Loaded; }

}  // namespace

CommandHistory& History() {
    static CommandHistory history;
    return history;
}

void Install(frmMain& mainWindow) {
    mainWindow.Steps.LoadCommandHistory = [] { History().Init(); };
    mainWindow.Steps.SaveCommandHistory = [] { History().Save(); };
    QMdiArea* area = mainWindow.MdiArea();
    mainWindow.RegisterToolWindow(QStringLiteral("frmCommand"), {[area] { Show(area); }, loaded, [] {
                                                                     if (loaded()) window()->SetLanguage();
                                                                 }});
}

void Show(QMdiArea* area) {
    if (!loaded()) window() = new frmCommand(area, History());
    auto* sub = qobject_cast<QMdiSubWindow*>(window()->parentWidget());
    if (!sub) return;
    sub->showNormal();
    sub->raise();
    area->setActiveSubWindow(sub);
}

frmCommand* Window() { return loaded() ? window().data() : nullptr; }

}  // namespace CommandWindow
