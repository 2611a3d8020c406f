#include "frame/FileUtil.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(FileUtil, SplitsFileNamesAndExtensions) {
    struct Case {
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
    for (const Case& c : cases) {
        EXPECT_EQ(GetFileName(c.path), c.name) << c.path;
        EXPECT_EQ(GetFileExtension(c.path), c.extension) << c.path;
    }
}

TEST(FileUtil, FileExistsOnlyForFilesWithContentAndTouchesNothing) {
    QTemporaryDir dir;
    const QString missing = dir.filePath("missing.zlv");
    const QString empty = dir.filePath("empty.zlv");
    const QString full = dir.filePath("full.zlv");
    QFile(empty).open(QIODevice::WriteOnly);
    {
        QFile f(full);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("VER=1\r\n");
    }
    QFile::setPermissions(full, QFileDevice::ReadOwner);  // read-only files count too

    EXPECT_FALSE(FileExists(missing));
    EXPECT_FALSE(QFile::exists(missing)) << "the check must not leave a file behind";
    EXPECT_FALSE(FileExists(empty));
    EXPECT_FALSE(FileExists(dir.path()));
    EXPECT_TRUE(FileExists(full));
    QFile f(full);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "VER=1\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

}  // namespace
