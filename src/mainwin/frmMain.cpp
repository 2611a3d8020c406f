#include "mainwin/frmMain.h"

#include "frame/LanguageUtil.h"
#include "frame/MainModule.h"
#include "frame/Options.h"
#include "frame/SettingsServices.h"
#include "frame/Utils.h"
#include "frame/Window.h"
#include "link/Ports.h"
#include "link/SensorDetection.h"
#include "link/SensorEditor.h"
#include "link/SensorState.h"
#include "editors/common/SensorPictures.h"
#include "mainwin/MenuBarLetters.h"
#include "mainwin/WindowTexts.h"
#include "mainwin/frmMainMenu.h"
#include "mainwin/frmMonitor.h"
#include "platform/ProgramEnd.h"

#include <QAction>
#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>

namespace {

const QString Section = QStringLiteral("frmMain");
const QString MonitorWindow = QStringLiteral("frmMonitor");
constexpr int ClientWidth = 640;
constexpr int ClientHeight = 480;
constexpr int PollIntervalMs = 250;

template <typename Step, typename... Args>
void run(const Step& step, Args&&... args) {
    if (step) step(std::forward<Args>(args)...);
}

}  // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(Section);
    setWindowTitle(QStringLiteral("Zelvo 8200"));
    // The child windows show the main window's icon too.
    setWindowIcon(QIcon(QPixmap::fromImage(SensorPictures::ProgramIcon())));
    setContextMenuPolicy(Qt::NoContextMenu);   // the toolbar is not for hiding

    mdiArea = new QMdiArea(this);
    mdiArea->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(mdiArea);
    // The pointer over the empty background hides the button tip and the quick help.
    mdiArea->viewport()->setMouseTracking(true);
    mdiArea->viewport()->installEventFilter(this);
    mnMacros = frmMainMenu::Build(this);
    new MenuBarLetters(menuBar());
    buildStatusBar();
    connectMenuCommands();

    timSensorPoll = new QTimer(this);
    timSensorPoll->setObjectName(QStringLiteral("timSensorPoll"));
    timSensorPoll->setInterval(PollIntervalMs);
    connect(timSensorPoll, &QTimer::timeout, this, [] { MainModule::State().PollRequest = true; });

    RegisterToolWindow(MonitorWindow, {[this] { showMonitor(); }, [this] { return monitor_ && monitor_->Loaded; },
                                       [this] { monitor_->SetLanguage(); }});

    Window::SetMainWindow(this);
    Sensor::SetMainWindowServices(this);
    Editors::SetHost(this);
    installSettingsServices();
}

frmMain::~frmMain() {
    Toolbar::HideButtonTip();
    Sensor::SetMainWindowServices(nullptr);
    Editors::SetHost(nullptr);
    const Options::SettingsServices standIns = Options::DefaultServices();
    Options::Services().IsMenuChecked = standIns.IsMenuChecked;
    Options::Services().SetMenuChecked = standIns.SetMenuChecked;
}

void frmMain::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("picStatusbar"));
    bar->setSizeGripEnabled(false);
    lblMessage = new QLabel(bar);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setTextFormat(Qt::PlainText);
    // However long a help text, the line shrinks with the window (to nothing
    // in a very narrow one) instead of widening it.
    lblMessage->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bar->addWidget(lblMessage, 1);
    lblPort = new QLabel(QStringLiteral(" NONE "), bar);
    lblPort->setObjectName(QStringLiteral("lblPort"));
    lblPort->setTextFormat(Qt::PlainText);
    lblPort->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->addPermanentWidget(lblPort);
    imgQB = new QLabel(bar);
    imgQB->setObjectName(QStringLiteral("imgQB"));
    imgQB->setContentsMargins(0, 0, 3, 0);   // 3 pixels from the right edge
    bar->addPermanentWidget(imgQB);
    // Never shown: its height in the system font tells small from large
    // fonts when a default window place is chosen.
    lblRefHeight = new QLabel(QStringLiteral("Xg"), bar);
    lblRefHeight->setObjectName(QStringLiteral("lblRefHeight"));
    lblRefHeight->adjustSize();
    lblRefHeight->hide();
}

void frmMain::ShowPort(const QString& name, bool open) {
    lblPort->setText(' ' + name + ' ');
    lblPort->setEnabled(open);
}

// The settings carry the check marks of the window menu from one run to the next.
void frmMain::installSettingsServices() {
    Options::SettingsServices& services = Options::Services();
    services.IsMenuChecked = [this](const QString& item) {
        const QAction* action = MenuItem(item);
        return action && action->isChecked();
    };
    services.SetMenuChecked = [this](const QString& item, bool checked) {
        if (QAction* action = MenuItem(item)) action->setChecked(checked);
    };
}

QAction* frmMain::MenuItem(const QString& name) const { return findChild<QAction*>(name); }

void frmMain::RegisterToolWindow(const QString& windowName, ToolWindow window) {
    toolWindows_.insert(windowName, std::move(window));
}

void frmMain::setVisible(bool visible) {
    // The first showing loads the window, before it appears.
    const bool first = visible && !loaded_;
    if (first) {
        loaded_ = true;
        Load();
        // The start window was closed while the sensor was looked for: the
        // program ends without this window ever showing.
        if (ProgramEnd::Ending()) {
            Ports::ClosePort();
            return;
        }
    }
    QMainWindow::setVisible(visible);
    // The first activation shows the windows of the last run; ask for it
    // rather than wait until the user happens to click into the window.
    if (first) activateWindow();
}

void frmMain::Load() {
    startupPending_ = true;
    Sensor::State().SensorForm = nullptr;
    resize(ClientWidth, ClientHeight);
    // A stored place wins over the centred one.
    Window::CenterForm(this);
    Window::RestoreWindowPos(this);
    QPixmap logo = QPixmap::fromImage(SensorPictures::MakerLogo());
    MakePictureTransparent(logo);
    imgQB->setPixmap(logo);
    LanguageUtil::InitLanguages(QStringLiteral("GER"), QStringLiteral("Deutsch"));
    buildToolbar();
    MenuItem(QStringLiteral("mnDefaultPosition"))->setEnabled(Window::HasDefaultWindowPos(this));
    run(Steps.InitPort);
    run(Steps.InitRecentFiles);
    run(Steps.LoadCommandHistory);
    Options::LoadSettings();
    Sensor::DetectSensor();
    SetLanguage();
}

bool frmMain::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate && startupPending_) {
        startupPending_ = false;
        showWindowsOfLastRun();
    }
    return handled;
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mdiArea->viewport() && event->type() == QEvent::MouseMove) {
        Toolbar::HideButtonTip();
        ShowQuickHelp(0);
    }
    return QMainWindow::eventFilter(watched, event);
}

// The check marks say which windows were open when the program last ended.
void frmMain::showWindowsOfLastRun() {
    for (const frmMainMenu::WindowItem& entry : frmMainMenu::ToolWindowItems) {
        const auto window = toolWindows_.constFind(QLatin1String(entry.window));
        if (MenuItem(QLatin1String(entry.item))->isChecked() && window != toolWindows_.cend()) run(window->Show);
    }
    const SensorStateData& sensor = Sensor::State();
    if (sensor.SensorState == 1 && ParameterMenuChecked() && sensor.SensorForm) sensor.SensorForm->Show();
}

// A window-menu command only ever sets its check mark; the window clears it
// when it closes.
void frmMain::showFromWindowMenu(const QString& item) {
    MenuItem(item)->setChecked(true);
    if (item != QLatin1String(frmMainMenu::ParameterItem)) {
        for (const frmMainMenu::WindowItem& entry : frmMainMenu::ToolWindowItems) {
            const auto window = toolWindows_.constFind(QLatin1String(entry.window));
            if (item == QLatin1String(entry.item) && window != toolWindows_.cend()) run(window->Show);
        }
        return;
    }
    SensorStateData& sensor = Sensor::State();
    if (sensor.SensorFormName.isEmpty() || !sensor.SensorForm) return;
    sensor.SensorForm->Show();
    sensor.SensorForm->SetWindowState(0);
    sensor.SensorForm->ZOrder();
}

frmMonitor* frmMain::Monitor() const { return monitor_; }

void frmMain::showMonitor() {
    // A monitor closed during a sensor wait is gone only once the wait ends;
    // reopened before that, a fresh one takes the traffic.
    if (!monitor_ || !monitor_->Loaded) {
        monitor_ = new frmMonitor(mdiArea);
        connect(monitor_, &frmMonitor::closed, this, [this] { MenuItem(QStringLiteral("mnMonitor"))->setChecked(false); });
    }
    QWidget* sub = monitor_->parentWidget();
    sub->showNormal();
    sub->raise();
    mdiArea->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(sub));
}

void frmMain::setDefaultPositions() {
    Window::SetDefaultWindowPos(this, objectName(), true);
    for (const frmMainMenu::WindowItem& entry : frmMainMenu::ToolWindowItems) {
        const QString name = QLatin1String(entry.window);
        Window::SetDefaultWindowPos(mdiArea->findChild<QWidget*>(name), name,
                                    MenuItem(QLatin1String(entry.item))->isChecked());
    }
    // The editors that are not open take their default place when they open.
    for (const char* editor : {"frmQF8200", "frmQF8200RDX", "frmQT8200"})
        Window::SetDefaultWindowPos(nullptr, QLatin1String(editor), false);
    const SensorStateData& sensor = Sensor::State();
    if (ParameterMenuChecked() && !sensor.SensorFormName.isEmpty() && sensor.SensorForm)
        Window::SetDefaultWindowPos(dynamic_cast<QWidget*>(sensor.SensorForm), sensor.SensorForm->name(), true);
}

// After a change of language every loaded window reads its texts again; the
// display window has none to translate.
void frmMain::translateLoadedWindows() {
    SetLanguage();
    for (const char* name : {"frmCommand", "frmMonitor", "frmDistance"}) {
        const auto window = toolWindows_.constFind(QLatin1String(name));
        if (window != toolWindows_.cend() && window->Loaded && window->Loaded()) run(window->SetLanguage);
    }
    const SensorStateData& sensor = Sensor::State();
    if (!sensor.SensorFormName.isEmpty() && sensor.SensorForm && sensor.SensorForm->Loaded())
        sensor.SensorForm->SetLanguage();
}

void frmMain::closeEvent(QCloseEvent* event) {
    // Closed once already: the program is on its way out.
    if (ProgramEnd::Ending()) {
        event->accept();
        return;
    }
    if (!Sensor::QuerySaveChanges()) {
        event->ignore();
        return;
    }
    Toolbar::HideButtonTip();
    run(Steps.StartProtFile, false);
    run(Steps.SaveCommandHistory);
    Window::SaveWindowPos(this);
    // While the tool windows are still open, their check marks are intact.
    Options::SaveSettings();
    // The window may close while a command waits for the sensor (its wait
    // lets window events run): that command stops at its next wait, sends
    // nothing more, opens no port and shows no box, and the main loop ends
    // behind it.
    ProgramEnd::Begin();
    Ports::ClosePort();
    // Qt would delete the child windows without asking them; closing them
    // first lets each one save its own state.
    mdiArea->closeAllSubWindows();
    event->accept();
}

void frmMain::EnableStoRcl(bool enable) {
    for (const char* item : {"mnSensStore", "mnSensRecall"}) MenuItem(QLatin1String(item))->setEnabled(enable);
    for (int button : {7, 8}) Toolbar::SetButtonDisabled(ToolbarButtons[size_t(button)], !enable);
}

void frmMain::EnableData(int state) {
    const bool enable = state == 1;
    for (const char* item : {"mnSave", "mnPrint", "mnExport", "mnSensWrite", "mnInfo"})
        MenuItem(QLatin1String(item))->setEnabled(enable);
    for (int button : {1, 2, 4}) Toolbar::SetButtonDisabled(ToolbarButtons[size_t(button)], !enable);
}

void frmMain::ShowQuickHelp(int helpId) { lblMessage->setText(' ' + GetQuickHelp(helpId)); }

void frmMain::SetLanguage() {
    // The first call keeps the design texts that every later call starts from.
    if (property("tag").toString().isEmpty()) {
        LanguageUtil::StoreOriginalText(this);
        for (const QString& item : frmMainMenu::TranslatedItems()) LanguageUtil::StoreOriginalText(MenuItem(item));
        for (QAction* macro : mnMacros->actions()) LanguageUtil::StoreOriginalText(macro);
        for (Toolbar::ToolbarButton& button : ToolbarButtons) button.DesignTip = button.Tip;
    }
    const auto translated = [](const QString& key, const QString& design) {
        return UsableCaption(GetLangText(Section, key, design), design);
    };
    setWindowTitle(translated(Section, property("tag").toString()));
    for (const QString& item : frmMainMenu::TranslatedItems()) {
        QAction* action = MenuItem(item);
        action->setText(translated(item, action->property("tag").toString()));
    }
    for (int i = 0; i < int(ToolbarButtons.size()); ++i) {
        Toolbar::ToolbarButton& button = ToolbarButtons[size_t(i)];
        button.Tip = translated(QStringLiteral("Tooltip") + QString::number(i), button.DesignTip);
    }
    StopCaption = translated(QStringLiteral("StopRec"), QStringLiteral("&Aufzeichnung stoppen"));
    StartCaption = translated(QStringLiteral("StartRec"), QStringLiteral("&Aufzeichnung starten"));
}

void frmMain::SetParameterMenuEnabled(bool enabled) {
    MenuItem(QLatin1String(frmMainMenu::ParameterItem))->setEnabled(enabled);
}

bool frmMain::ParameterMenuChecked() const {
    return MenuItem(QLatin1String(frmMainMenu::ParameterItem))->isChecked();
}

bool frmMain::DisplayWindowLoaded() const {
    const auto display = toolWindows_.constFind(QStringLiteral("frmShowIt"));
    return display != toolWindows_.cend() && display->Loaded && display->Loaded();
}

void frmMain::InitDisplayWindow() { run(Steps.InitDisplayWindow); }

bool frmMain::SaveParameterFile(bool askForName) {
    return Steps.SaveParameterFile && Steps.SaveParameterFile(askForName);
}

bool frmMain::PollTimerRunning() const { return timSensorPoll->isActive(); }

void frmMain::SetParameterMenuChecked(bool checked) {
    MenuItem(QLatin1String(frmMainMenu::ParameterItem))->setChecked(checked);
}

bool frmMain::IsMainWindowActive() const { return isActiveWindow(); }

void frmMain::AddEditorWindow(QWidget* editor) {
    QMdiSubWindow* sub = mdiArea->addSubWindow(editor);
    // An editor lives on when its window closes; detection opens it again.
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
}
