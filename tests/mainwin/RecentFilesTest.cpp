#include "ParameterFileFixture.h"

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
        {"a listed file in a full list drops none", {"1", "2", "3", "4", "5", "2"}, {"2", "5", "4", "3", "1"}},
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
