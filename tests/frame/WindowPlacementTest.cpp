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
    // A default geometry file with one value for the current screen class.
    void writeDefault(const QString& name, const QByteArray& value) const {
        program.write(Window::DefaultGeometryFile, "[" + Window::CurrentScreenSection().toLatin1() + "]\r\n" +
                                                       name.toLatin1() + "=" + value + "\r\n");
    }
    // A window of that name restored from the settings; it starts at 11,12 130x140.
    static QRect restored(const QString& name) {
        QWidget w;
        w.setObjectName(name);
        w.setGeometry(11, 12, 130, 140);
        Window::RestoreWindowPos(&w);
        return QRect(w.pos(), w.size());
    }

    TempWindowsFolder windir;
    TempProgramFolder program;
};

TEST_F(WindowPlacement, StoredPlacesAreWrittenAndRestored) {
    const std::pair<const char*, QRect> cases[] = {
        {"300x200+-20+10", QRect(-20, 10, 300, 200)},
        {"70000x200+0+0", QRect(11, 12, 130, 140)},   // a broken value changes nothing
    };
    for (const auto& [value, expected] : cases) {
        WriteIniString(Options::SettingsFile, Window::SectionWindows, "frmMonitor", value);
        EXPECT_EQ(restored("frmMonitor"), expected) << value;
    }
    QWidget w;
    w.setObjectName("frmCommand");
    w.setGeometry(33, -4, 321, 123);
    Window::SaveWindowPos(&w);
    EXPECT_EQ(stored("frmCommand"), "321x123+33+-4");
}

TEST_F(WindowPlacement, MinimisedOrMaximisedIsStoredAsMinusOneAndRestoredMaximised) {
    for (Qt::WindowState state : {Qt::WindowMinimized, Qt::WindowMaximized}) {
        QWidget w;
        w.setObjectName("frmShowIt");
        w.setWindowState(state);
        Window::SaveWindowPos(&w);
        EXPECT_EQ(stored("frmShowIt"), "-1");
        QWidget back;
        back.setObjectName("frmShowIt");
        Window::RestoreWindowPos(&back);
        EXPECT_TRUE(back.windowState() & Qt::WindowMaximized);
    }
}

TEST_F(WindowPlacement, DefaultPlaceIsCopiedIntoTheSettings) {
    writeDefault("frmDistance", "200x90+440+150");
    EXPECT_EQ(restored("frmDistance"), QRect(440, 150, 200, 90));
    EXPECT_EQ(stored("frmDistance"), "200x90+440+150");
    // The profile reader strips one pair of quotes: '''' is stored as '',
    // which then reads back as empty; the restore must not go round for ever.
    writeDefault("frmMonitor", "''''");
    EXPECT_EQ(restored("frmMonitor"), QRect(11, 12, 130, 140));
}

}  // namespace
