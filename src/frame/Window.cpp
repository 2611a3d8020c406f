#include "frame/Window.h"

#include "frame/Inifile_Utils.h"
#include "frame/LanguageUtil.h"
#include "frame/Options.h"
#include "frame/WindowGeometry.h"
#include "platform/DialogOwner.h"
#include "platform/Folders.h"
#include "platform/WindowCentre.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QScreen>
#include <QUrl>
#include <QWidget>

namespace Window {
namespace {

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

// The message boxes and file dialogs find their owner through the platform.
void SetMainWindow(QWidget* window) { DialogOwner::SetMainWindow(window); }

QWidget* MainWindow() { return DialogOwner::MainWindow(); }

void CenterForm(QWidget* window) {
    const QWidget* main = MainWindow();
    if (main && main->isVisible()) WindowCentre::Over(window, main);
    else CenterOnScreen(window);
}

void CenterOnScreen(QWidget* window) { WindowCentre::OnScreen(window); }

int ShowModalCentered(QDialog* dialog) {
    if (const QWidget* main = MainWindow()) WindowCentre::Over(dialog, main);
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
    const QWidget* main = MainWindow();
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
