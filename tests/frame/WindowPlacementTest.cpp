#include "frame/Window.h"

#include "frame/Inifile_Utils.h"
#include "frame/Options.h"
#include "frame/TempProgramFolder.h"
#include "frame/WindowGeometry.h"
#include "support/TempWindowsFolder.h"

#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>

// Receives what would go to the desktop's viewer.
class OpenedUrls : public QObject {
    Q_OBJECT
public:
    OpenedUrls() { QDesktopServices::setUrlHandler("file", this, "open"); }
    ~OpenedUrls() override { QDesktopServices::unsetUrlHandler("file"); }
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

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
        {"1024x768+0+0", QRect(0, 0, 1024, 768)},
        {"300x200+-20+10", QRect(-20, 10, 300, 200)},
        {"640x480+-8+20", QRect(-8, 20, 640, 480)},
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
    // A maximised window keeps its state when a normal place is restored.
    store("frmShowIt", "300x200+1+1");
    auto w = window("frmShowIt");
    w->setWindowState(Qt::WindowMaximized);
    Window::RestoreWindowPos(w.get());
    EXPECT_TRUE(w->windowState() & Qt::WindowMaximized);
}

TEST_F(WindowPlacement, NoEntryAnywhereLeavesTheWindowAlone) {
    auto w = window("frmDistance");
    Window::RestoreWindowPos(w.get());
    EXPECT_EQ(QRect(w->pos(), w->size()), QRect(11, 12, 130, 140));
    EXPECT_FALSE(Window::HasDefaultWindowPos(w.get()));
    EXPECT_FALSE(QFile::exists(windir.file(Options::SettingsFile)));
}

TEST_F(WindowPlacement, DefaultPlaceIsCopiedIntoTheSettings) {
    writeDefault("frmDistance", "200x90+440+150");
    auto w = window("frmDistance");
    EXPECT_TRUE(Window::HasDefaultWindowPos(w.get()));
    Window::RestoreWindowPos(w.get());
    EXPECT_EQ(QRect(w->pos(), w->size()), QRect(440, 150, 200, 90));
    EXPECT_EQ(stored("frmDistance"), "200x90+440+150");

    w->setGeometry(1, 2, 3, 4);
    w->setWindowState(Qt::WindowMaximized);
    Window::SetDefaultWindowPos(w.get(), "frmDistance", false);
    EXPECT_EQ(stored("frmDistance"), "200x90+440+150");
    EXPECT_TRUE(w->windowState() & Qt::WindowMaximized) << "without apply only the settings change";

    Window::SetDefaultWindowPos(w.get(), "frmDistance", true);
    EXPECT_FALSE(w->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(QRect(w->pos(), w->size()), QRect(440, 150, 200, 90));

    // Once copied it is a stored place like any other.
    writeDefault("frmDistance", "1x1+1+1");
    auto again = window("frmDistance");
    Window::RestoreWindowPos(again.get());
    EXPECT_EQ(again->pos(), QPoint(440, 150));
}

TEST_F(WindowPlacement, DefaultThatReadsBackEmptyDoesNotLoop) {
    // The profile reader strips one pair of quotes: '''' reads as '', which
    // is stored and then reads back as empty.
    writeDefault("frmMonitor", "''''");
    auto w = window("frmMonitor");
    Window::RestoreWindowPos(w.get());
    EXPECT_EQ(QRect(w->pos(), w->size()), QRect(11, 12, 130, 140));
}

TEST_F(WindowPlacement, ScreenClassFollowsTheMainWindowsFontProbe) {
    QWidget main;
    auto* probe = new QLabel(&main);
    probe->setObjectName("lblRefHeight");
    Window::SetMainWindow(&main);
    const int width = main.screen()->geometry().width();
    for (int height : {20, 21}) {
        probe->resize(40, height);
        EXPECT_EQ(Window::CurrentScreenSection(),
                  WindowGeometry::ScreenClassSection(width, height)) << height;
    }
}

TEST_F(WindowPlacement, MdiWindowsArePlacedRelativeToTheArea) {
    QMdiArea area;
    area.resize(640, 400);
    auto* content = new QWidget;
    content->setObjectName("frmCommand");
    QMdiSubWindow* sub = area.addSubWindow(content);
    store("frmCommand", "320x110+0+284");
    Window::RestoreWindowPos(content);
    EXPECT_EQ(sub->geometry(), QRect(0, 284, 320, 110));

    sub->setGeometry(5, 6, 300, 120);
    Window::SaveWindowPos(content);
    EXPECT_EQ(stored("frmCommand"), "300x120+5+6");

    area.show();
    sub->show();
    store("frmCommand", "-1");
    Window::RestoreWindowPos(content);
    EXPECT_TRUE(sub->isMaximized());
    Window::SaveWindowPos(content);
    EXPECT_EQ(stored("frmCommand"), "-1");
}

TEST_F(WindowPlacement, CenterFormUsesTheMainWindowOnlyWhileItIsVisible) {
    QWidget main;
    main.setGeometry(100, 80, 600, 400);
    Window::SetMainWindow(&main);
    QDialog dialog;
    dialog.resize(200, 100);

    Window::CenterForm(&dialog);
    const QRect screen = main.screen()->geometry();
    EXPECT_EQ(dialog.pos(), QPoint(screen.left() + (screen.width() - 200) / 2,
                                   screen.top() + (screen.height() - 100) / 2));

    main.show();
    Window::CenterForm(&dialog);
    const QRect outer = main.frameGeometry();
    EXPECT_EQ(dialog.pos(), QPoint(outer.left() + (outer.width() - 200) / 2, outer.top() + (outer.height() - 100) / 2));
}

TEST_F(WindowPlacement, HelpCallsAskForIndexOrTopic) {
    TempProgramFolder::init();
    const Window::HelpRequest index = Window::ResolveHelp(0);
    EXPECT_EQ(index.command, Window::HelpRequest::Index);
    EXPECT_EQ(index.file, LanguageUtil::CurrentHelpFile());
    const Window::HelpRequest topic = Window::ResolveHelp(200);
    EXPECT_EQ(topic.command, Window::HelpRequest::Context);
    EXPECT_EQ(topic.context, 200);

    OpenedUrls opened;
    Window::ShowHelp(200);
    EXPECT_TRUE(opened.urls.isEmpty()) << "no help file, nothing opens";
    program.write(QFileInfo(index.file).fileName(), "help");
    Window::ShowHelp(0);
    ASSERT_EQ(opened.urls.size(), 1);
    EXPECT_EQ(opened.urls[0].toLocalFile(), index.file);
}

}  // namespace

#include "WindowPlacementTest.moc"
