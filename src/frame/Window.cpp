#include "frame/Window.h"

#include "frame/Inifile_Utils.h"
#include "frame/LanguageUtil.h"
#include "frame/Options.h"
#include "frame/WindowGeometry.h"
#include "platform/Folders.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QPointer>
#include <QScreen>
#include <QUrl>
#include <QWidget>

namespace Window {
namespace {

QPointer<QWidget>& mainWindow() {
    static QPointer<QWidget> window;
    return window;
}

// A window hosted in the MDI area is moved and sized through its sub-window.
QWidget* placementTarget(QWidget* window) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget())) return sub;
    return window;
}

// A sub-window's place is its outer rectangle relative to the MDI area. A
// top-level window is placed by its frame's corner but sized without the
// frame: the window system adds the frame only once the window is shown, so
// an outer size restored at load would grow the window by its frame on every
// run.
QRect placeGeometry(const QWidget* target) {
    return target->isWindow() ? QRect(target->pos(), target->size()) : target->geometry();
}

bool isNormalState(const QWidget* target) {
    return !(target->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized));
}

void apply(QWidget* target, const WindowGeometry::Placement& place) {
    if (place.maximised) {
        target->setWindowState((target->windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
        return;
    }
    // A maximised or minimised window cannot be sized; it keeps its state.
    if (!isNormalState(target)) return;
    target->resize(place.width, place.height);
    target->move(place.left, place.top);
}

QString defaultGeometryPath() {
    return Folders::JoinPath(Folders::ProgramFolder(), DefaultGeometryFile);
}

QString defaultGeometry(const QString& name) {
    return ReadIniString(defaultGeometryPath(), CurrentScreenSection(), name, QString());
}

QScreen* screenOf(const QWidget* window) {
    if (window && window->screen()) return window->screen();
    return QGuiApplication::primaryScreen();
}

// The size a window covers on the screen, its frame included. A window that
// has never been shown has no frame yet; the window system will give it one
// like the main window's.
QSize outerSize(const QWidget* window) {
    const QSize size = window->frameGeometry().size();
    const QWidget* main = mainWindow();
    if (window->windowHandle() || !main || !main->isVisible()) return size;
    return size + main->frameGeometry().size() - main->size();
}

void centreIn(QWidget* window, const QRect& area) {
    // A window that has not been sized yet stands at Qt's default of 100x30
    // until showing fits it to its layout: it is centred at that fitted size.
    if (!window->testAttribute(Qt::WA_Resized)) window->adjustSize();
    const QSize size = outerSize(window);
    window->move(area.left() + (area.width() - size.width()) / 2,
                 area.top() + (area.height() - size.height()) / 2);
}

void restore(QWidget* window, bool mayTakeDefault) {
    const QString name = window->objectName();
    if (name.isEmpty()) return;
    const QString value = ReadIniString(Options::SettingsFile, SectionWindows, name, QString());
    if (value.isEmpty()) {
        if (mayTakeDefault) SetDefaultWindowPos(window, name, true);
        return;
    }
    if (const auto place = WindowGeometry::Parse(value)) apply(placementTarget(window), *place);
}

}  // namespace

void SetMainWindow(QWidget* window) { mainWindow() = window; }

QWidget* MainWindow() { return mainWindow(); }

void CenterForm(QWidget* window) {
    if (!window) return;
    const QWidget* main = mainWindow();
    if (main && main->isVisible()) centreIn(window, main->frameGeometry());
    else CenterOnScreen(window);
}

void CenterOnScreen(QWidget* window) {
    if (const QScreen* screen = screenOf(window)) centreIn(window, screen->geometry());
}

int ShowModalCentered(QDialog* dialog) {
    if (const QWidget* main = mainWindow()) centreIn(dialog, main->frameGeometry());
    else CenterForm(dialog);
    return dialog->exec();
}

void SaveWindowPos(QWidget* window) {
    if (!window || window->objectName().isEmpty()) return;
    const QWidget* target = placementTarget(window);
    WindowGeometry::Placement place;
    if (isNormalState(target)) {
        const QRect rect = placeGeometry(target);
        place = {false, rect.width(), rect.height(), rect.left(), rect.top()};
    } else {
        place.maximised = true;
    }
    WriteIniString(Options::SettingsFile, SectionWindows, window->objectName(), WindowGeometry::Format(place));
}

void RestoreWindowPos(QWidget* window) {
    if (window) restore(window, true);
}

void SetDefaultWindowPos(QWidget* window, const QString& name, bool apply) {
    const QString value = defaultGeometry(name);
    if (value.isEmpty()) return;
    if (!WriteIniString(Options::SettingsFile, SectionWindows, name, value)) return;
    if (!apply || !window) return;
    QWidget* target = placementTarget(window);
    target->setWindowState(target->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    // The value was just stored, so this finds it. Should the settings file
    // read it back as empty (a hand-made default such as ''), taking the
    // default again would never end.
    restore(window, false);
}

bool HasDefaultWindowPos(QWidget* window) {
    return window && !defaultGeometry(window->objectName()).isEmpty();
}

QString CurrentScreenSection() {
    const QWidget* main = mainWindow();
    const QScreen* screen = screenOf(main);
    const int width = screen ? screen->geometry().width() : 0;
    const QWidget* probe = main ? main->findChild<QWidget*>(QStringLiteral("lblRefHeight")) : nullptr;
    return WindowGeometry::ScreenClassSection(width, probe ? probe->height() : 0.0);
}

HelpRequest ResolveHelp(int contextId) {
    HelpRequest request;
    request.file = LanguageUtil::CurrentHelpFile();
    if (contextId != 0) {
        request.command = HelpRequest::Context;
        request.context = contextId;
    }
    return request;
}

void ShowHelp(int contextId) {
    const HelpRequest request = ResolveHelp(contextId);
    OpenHelpFile(request.file, request.context);
}

// The desktop's viewer knows no topic numbers: the file opens at its start.
void OpenHelpFile(const QString& file, int /*context*/) {
    if (file.isEmpty() || !QFileInfo(file).isFile()) return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

}  // namespace Window
