#include "ParameterFileFixture.h"

#include <QAction>
#include <QMenu>

namespace {

QStringList RecentFiles() {
    QStringList all;
    for (int i = 1; i <= FileIO::RecentFileCount(); ++i) all << FileIO::GetRecentFile(i);
    return all;
}

class RecentFilesList : public ::testing::Test {
protected:
    void SetUp() override { FileIO::ResetRecentFilesForTests(); }
    void TearDown() override { FileIO::ResetRecentFilesForTests(); }
};

}  // namespace

TEST_F(RecentFilesList, KeepsFiveNewestFirstWithoutDuplicates) {
    struct Case {
        const char* name;
        QStringList added;             // "-x" removes x
        QStringList expected;
    };
    const Case cases[] = {
        {"a sixth file drops the oldest", {"1", "2", "3", "4", "5", "6"}, {"6", "5", "4", "3", "2"}},
        {"a listed file moves to the top", {"a", "b", "c", "b"}, {"b", "c", "a"}},
        {"a listed file in a full list drops none", {"1", "2", "3", "4", "5", "2"}, {"2", "5", "4", "3", "1"}},
        {"the top file again changes nothing", {"a", "b", "b"}, {"b", "a"}},
        {"an empty path is ignored", {"a", ""}, {"a"}},
        {"names differing in case are two files", {"/t/a.zlv", "/t/a.ZLV"}, {"/t/a.ZLV", "/t/a.zlv"}},
        {"a removed file lets the ones below move up", {"a", "b", "c", "-b"}, {"c", "a"}},
        {"removing the last file empties the list", {"a", "-a"}, {}},
    };
    for (const Case& c : cases) {
        FileIO::InitRecentFiles();
        for (const QString& path : c.added) {
            if (path.startsWith('-')) FileIO::RemoveRecentFile(path.mid(1));
            else FileIO::AddRecentFile(path);
        }
        EXPECT_EQ(RecentFiles(), c.expected) << c.name;
        EXPECT_EQ(FileIO::GetRecentFile(0), "") << c.name;
        EXPECT_EQ(FileIO::GetRecentFile(int(c.expected.size()) + 1), "") << c.name;
    }
}

TEST_F(RecentFilesList, MenuShowsEachEntryWithItsAccessKey) {
    QMenu file;
    QList<QAction*> items;
    for (int index : {3, 1, 5, 2, 4}) {   // found in any order; the index property counts
        QAction* item = file.addAction(QString());
        item->setObjectName("mnFiles");
        item->setProperty("index", index);
        item->setVisible(false);
        items << item;
    }
    QAction* separator = file.addSeparator();
    separator->setVisible(false);
    QList<int> chosen;
    FileIO::AttachRecentFilesMenu(items, separator, [&chosen](int index) { chosen << index; });
    auto item = [&items](int index) {
        for (QAction* a : items)
            if (a->property("index").toInt() == index) return a;
        return static_cast<QAction*>(nullptr);
    };

    FileIO::AddRecentFile("/data/v.1/first.ZLV");
    FileIO::AddRecentFile("/data/R&D.zlv");

    EXPECT_EQ(item(1)->text(), "&1 R&&D.zlv");
    EXPECT_EQ(item(2)->text(), "&2 first.ZLV");
    EXPECT_TRUE(item(1)->isVisible());
    EXPECT_TRUE(item(2)->isVisible());
    EXPECT_FALSE(item(3)->isVisible());
    EXPECT_TRUE(separator->isVisible());

    item(2)->trigger();
    EXPECT_EQ(chosen, QList<int>{2});

    FileIO::RemoveRecentFile("/data/R&D.zlv");
    EXPECT_EQ(item(1)->text(), "&1 first.ZLV");
    EXPECT_FALSE(item(2)->isVisible());

    FileIO::InitRecentFiles();
    EXPECT_FALSE(item(1)->isVisible());
    EXPECT_FALSE(separator->isVisible());
}

TEST_F(ParameterFileFixture, SavedAndChosenFilesGoToTheTopAndGoneFilesLeave) {
    haveSensorData();
    dialogs.answer(path("kept.txt"));
    ASSERT_TRUE(FileIO::SaveParameterFile(true));
    EXPECT_EQ(RecentFiles(), QStringList{path("kept.ZLV")});
    FileIO::AddRecentFile(path("gone.zlv"));
    Sensor::ResetStateForTests();

    FileIO::OpenRecentFile(2);
    EXPECT_EQ(Sensor::State().DataFileName, path("kept.ZLV"));
    EXPECT_EQ(editor.calls.count("readdata(file)"), 1);
    EXPECT_EQ(RecentFiles(), (QStringList{path("kept.ZLV"), path("gone.zlv")}));
    EXPECT_EQ(dialogs.count(), 1);   // only the save asked for a name

    FileIO::OpenRecentFile(2);   // gone.zlv: the open dialog starts with its name; cancelled
    ASSERT_EQ(dialogs.count(), 2);
    EXPECT_EQ(dialogs.shown().last().fileName, path("gone.zlv"));
    EXPECT_EQ(RecentFiles(), QStringList{path("kept.ZLV")});
    EXPECT_EQ(messages.count(), 0);
}
