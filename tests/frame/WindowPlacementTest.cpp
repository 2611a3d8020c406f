#include "frame/Window.h"

#include "frame/Inifile_Utils.h"
#include "frame/Options.h"
#include "frame/TempProgramFolder.h"
#include "support/TempWindowsFolder.h"

#include <gtest/gtest.h>

#include <QWidget>

namespace {

class WindowPlacement : public ::testing::Test {
protected:
    void SetUp() override { Window::SetMainWindow(nullptr); }
    void TearDown() override { Window::SetMainWindow(nullptr); }

    static QString stored(const QString& name) {
        return ReadIniString(Options::SettingsFile, Window::SectionWindows, name, QString());
    }
    static void store(const QString& name, const QString& value) {
        WriteIniString(Options::SettingsFile, Window::SectionWindows, name, value);
    }
    // A default geometry file with one value for the current screen class.
    void writeDefault(const QString& name, const QByteArray& value) const {
        program.write(Window::DefaultGeometryFile,
                      "[" + Window::CurrentScreenSection().toLatin1() + "]\r\n" + name.toLatin1() + "=" + value + "\r\n");
    }
    static std::unique_ptr<QWidget> window(const QString& name) {
        auto w = std::make_unique<QWidget>();
        w->setObjectName(name);
        w->setGeometry(11, 12, 130, 140);
        return w;
    }

    TempWindowsFolder windir;
    TempProgramFolder program;
};

TEST_F(WindowPlacement, StoredPlacesAreWrittenAndRestored) {
    struct Case {
        const char* value;
        QRect expected;
    } cases[] = {
        {"300x200+-20+10", QRect(-20, 10, 300, 200)},
        // Broken values change nothing.
        {"70000x200+0+0", QRect(11, 12, 130, 140)},
    };
    for (const Case& c : cases) {
        store("frmMonitor", c.value);
        auto w = window("frmMonitor");
        Window::RestoreWindowPos(w.get());
        EXPECT_EQ(QRect(w->pos(), w->size()), c.expected) << c.value;
    }
    auto w = window("frmCommand");
    w->setGeometry(33, -4, 321, 123);
    Window::SaveWindowPos(w.get());
    EXPECT_EQ(stored("frmCommand"), "321x123+33+-4");
}

TEST_F(WindowPlacement, MinimisedOrMaximisedIsStoredAsMinusOneAndRestoredMaximised) {
    for (Qt::WindowState state : {Qt::WindowMinimized, Qt::WindowMaximized}) {
        auto w = window("frmShowIt");
        w->setWindowState(state);
        Window::SaveWindowPos(w.get());
        EXPECT_EQ(stored("frmShowIt"), "-1");
        auto back = window("frmShowIt");
        Window::RestoreWindowPos(back.get());
        EXPECT_TRUE(back->windowState() & Qt::WindowMaximized);
    }
}

TEST_F(WindowPlacement, DefaultPlaceIsCopiedIntoTheSettings) {
    writeDefault("frmDistance", "200x90+440+150");
    auto w = window("frmDistance");
    Window::RestoreWindowPos(w.get());
    EXPECT_EQ(QRect(w->pos(), w->size()), QRect(440, 150, 200, 90));
    EXPECT_EQ(stored("frmDistance"), "200x90+440+150");
}

TEST_F(WindowPlacement, DefaultThatReadsBackEmptyDoesNotLoop) {
    // The profile reader strips one pair of quotes: '''' reads as '', which
    // is stored and then reads back as empty.
    writeDefault("frmMonitor", "''''");
    auto w = window("frmMonitor");
    Window::RestoreWindowPos(w.get());
    EXPECT_EQ(QRect(w->pos(), w->size()), QRect(11, 12, 130, 140));
}

}  // namespace
