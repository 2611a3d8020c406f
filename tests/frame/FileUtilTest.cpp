#include "frame/FileUtil.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(FileUtil, SplitsFileNamesAndExtensions) {
    const struct {
        const char* path;
        const char* name;
        const char* extension;
    } cases[] = {
        {"C:\\data\\set1.zlv", "set1.zlv", "ZLV"},
        {"name.tar.gz", "name.tar.gz", "TAR.GZ"},  // everything after the first dot
        {"/home/u/dir.d/README", "README", ""},    // a dot in a folder is no extension
        {"C:\\x/y\\file. eng ", "file. eng ", "ENG"},
        {"ends\\", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetFileName(c.path), c.name) << c.path;
        EXPECT_EQ(GetFileExtension(c.path), c.extension) << c.path;
    }
}

TEST(FileUtil, FileExistsOnlyForFilesWithContentAndTouchesNothing) {
    QTemporaryDir dir;
    QFile(dir.filePath("empty.zlv")).open(QIODevice::WriteOnly);
    QFile full(dir.filePath("full.zlv"));
    ASSERT_TRUE(full.open(QIODevice::WriteOnly));
    full.write("VER=1\r\n");
    full.close();
    full.setPermissions(QFileDevice::ReadOwner);  // read-only files count too

    EXPECT_FALSE(FileExists(dir.filePath("missing.zlv")));
    EXPECT_FALSE(FileExists(dir.filePath("empty.zlv")));
    EXPECT_FALSE(FileExists(dir.path()));
    EXPECT_TRUE(FileExists(full.fileName()));
    ASSERT_TRUE(full.open(QIODevice::ReadOnly));
    EXPECT_EQ(full.readAll(), "VER=1\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"empty.zlv", "full.zlv"}))
        << "the check must not leave a file behind";
}

}  // namespace
