#include "mainwin/frmMain.h"

#include "frame/LanguageUtil.h"
#include "frame/MainModule.h"
#include "frame/Options.h"
#include "frame/SettingsServices.h"
#include "frame/Window.h"
#include "link/SensorEditor.h"
#include "link/SensorState.h"
#include "mainwin/frmMainMenu.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>

namespace {

const QString Section = QStringLiteral("frmMain");
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

    mdiArea = new QMdiArea(this);
    mdiArea->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(mdiArea);
    mnMacros = frmMainMenu::Build(this);
    buildStatusBar();
    connectWindowMenu();

    timSensorPoll = new QTimer(this);
    timSensorPoll->setObjectName(QStringLiteral("timSensorPoll"));
    timSensorPoll->setInterval(PollIntervalMs);
    connect(timSensorPoll, &QTimer::timeout, this, [] { MainModule::State().PollRequest = true; });

    Window::SetMainWindow(this);
    Sensor::SetMainWindowServices(this);
    Editors::SetHost(this);
    installSettingsServices();
}

frmMain::~frmMain() {
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
    bar->addWidget(lblMessage, 1);
    lblPort = new QLabel(QStringLiteral(" NONE "), bar);
    lblPort->setObjectName(QStringLiteral("lblPort"));
    lblPort->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->addPermanentWidget(lblPort);
    // Never shown: its height in the system font tells small from large
    // fonts when a default window place is chosen.
    lblRefHeight = new QLabel(QStringLiteral("Xg"), bar);
    lblRefHeight->setObjectName(QStringLiteral("lblRefHeight"));
    lblRefHeight->adjustSize();
    lblRefHeight->hide();
}

void frmMain::connectWindowMenu() {
    for (const frmMainMenu::WindowItem& entry : frmMainMenu::ToolWindowItems) {
        const QString item = QLatin1String(entry.item);
        connect(MenuItem(item), &QAction::triggered, this, [this, item] { showFromWindowMenu(item); });
    }
    const QString parameter = QLatin1String(frmMainMenu::ParameterItem);
    connect(MenuItem(parameter), &QAction::triggered, this, [this, parameter] { showFromWindowMenu(parameter); });
    connect(MenuItem(QStringLiteral("mnDefaultPosition")), &QAction::triggered, this, &frmMain::setDefaultPositions);
    connect(MenuItem(QStringLiteral("mnContents")), &QAction::triggered, this, [] { Window::ShowHelp(0); });
    connect(MenuItem(QStringLiteral("mnExit")), &QAction::triggered, this, &QWidget::close);
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

void frmMain::setVisible(bool visible) {
    // The first showing loads the window, before it appears.
    if (visible && !loaded_) {
        loaded_ = true;
        Load();
    }
    QMainWindow::setVisible(visible);
}

void frmMain::Load() {
    startupPending_ = true;
    Sensor::State().SensorForm = nullptr;
    resize(ClientWidth, ClientHeight);
    // A stored place wins over the centred one.
    Window::CenterForm(this);
    Window::RestoreWindowPos(this);
    LanguageUtil::InitLanguages(QStringLiteral("GER"), QStringLiteral("Deutsch"));
    run(Steps.InitToolbar);
    MenuItem(QStringLiteral("mnDefaultPosition"))->setEnabled(Window::HasDefaultWindowPos(this));
    run(Steps.InitPort);
    run(Steps.InitRecentFiles);
    run(Steps.LoadCommandHistory);
    Options::LoadSettings();
    run(Steps.DetectSensor);
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

// The check marks say which windows were open when the program last ended.
void frmMain::showWindowsOfLastRun() {
    for (const frmMainMenu::WindowItem& entry : frmMainMenu::ToolWindowItems)
        if (MenuItem(QLatin1String(entry.item))->isChecked()) run(Steps.ShowToolWindow, QLatin1String(entry.window));
    const SensorStateData& sensor = Sensor::State();
    if (sensor.SensorState == 1 && ParameterMenuChecked() && sensor.SensorForm) sensor.SensorForm->Show();
}

// A window-menu command only ever sets its check mark; the window clears it
// when it closes.
void frmMain::showFromWindowMenu(const QString& item) {
    MenuItem(item)->setChecked(true);
    if (item != QLatin1String(frmMainMenu::ParameterItem)) {
        for (const frmMainMenu::WindowItem& entry : frmMainMenu::ToolWindowItems)
            if (item == QLatin1String(entry.item)) run(Steps.ShowToolWindow, QLatin1String(entry.window));
        return;
    }
    SensorStateData& sensor = Sensor::State();
    if (sensor.SensorFormName.isEmpty() || !sensor.SensorForm) return;
    sensor.SensorForm->Show();
    sensor.SensorForm->SetWindowState(0);
    sensor.SensorForm->ZOrder();
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

void frmMain::closeEvent(QCloseEvent* event) {
    if (Steps.QuerySaveChanges && !Steps.QuerySaveChanges()) {
        event->ignore();
        return;
    }
    run(Steps.HideButtonTip);
    run(Steps.StopProtFile);
    run(Steps.SaveCommandHistory);
    Window::SaveWindowPos(this);
    // While the tool windows are still open, their check marks are intact.
    Options::SaveSettings();
    run(Steps.ClosePort);
    // Qt would delete the child windows without asking them; closing them
    // first lets each one save its own state.
    mdiArea->closeAllSubWindows();
    event->accept();
}

void frmMain::setToolbarButtonsDisabled(std::initializer_list<int> buttons, bool disabled) {
    for (int button : buttons) run(Steps.SetToolbarButtonDisabled, button, disabled);
}

void frmMain::EnableStoRcl(bool enable) {
    for (const char* item : {"mnSensStore", "mnSensRecall"}) MenuItem(QLatin1String(item))->setEnabled(enable);
    setToolbarButtonsDisabled({7, 8}, !enable);
}

void frmMain::EnableData(int state) {
    const bool enable = state == 1;
    for (const char* item : {"mnSave", "mnPrint", "mnExport", "mnSensWrite", "mnInfo"})
        MenuItem(QLatin1String(item))->setEnabled(enable);
    setToolbarButtonsDisabled({1, 2, 4}, !enable);
}

void frmMain::ShowQuickHelp(int helpId) { lblMessage->setText(' ' + GetQuickHelp(helpId)); }

void frmMain::SetLanguage() {
    // The first call keeps the design texts that every later call starts from.
    if (property("tag").toString().isEmpty()) {
        LanguageUtil::StoreOriginalText(this);
        for (const QString& item : frmMainMenu::TranslatedItems()) LanguageUtil::StoreOriginalText(MenuItem(item));
        for (QAction* macro : mnMacros->actions()) LanguageUtil::StoreOriginalText(macro);
    }
    LanguageUtil::TranslateControl(Section, this);
    for (const QString& item : frmMainMenu::TranslatedItems()) LanguageUtil::TranslateControl(Section, MenuItem(item));
    run(Steps.TranslateToolbar);
    StopCaption = GetLangText(Section, QStringLiteral("StopRec"), QStringLiteral("&Aufzeichnung stoppen"));
    StartCaption = GetLangText(Section, QStringLiteral("StartRec"), QStringLiteral("&Aufzeichnung starten"));
}

void frmMain::SetParameterMenuEnabled(bool enabled) {
    MenuItem(QLatin1String(frmMainMenu::ParameterItem))->setEnabled(enabled);
}

bool frmMain::ParameterMenuChecked() const {
    return MenuItem(QLatin1String(frmMainMenu::ParameterItem))->isChecked();
}

bool frmMain::DisplayWindowLoaded() const { return Steps.DisplayWindowLoaded && Steps.DisplayWindowLoaded(); }

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
