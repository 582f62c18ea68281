// The Qt platform's answers about folders: the user's documents, the
// current folder, and whether a folder may be written.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/qt/qt_platform.h"

namespace brisel::testing {
namespace {

// A PATH that holds only a stand-in `xdg-user-dir` printing `answer`, or no
// such program at all.
class UserDirPath {
public:
    explicit UserDirPath(const char* answer) : oldPath_(qgetenv("PATH")) {
        if (answer != nullptr) {
            QFile script(folder_.filePath(QStringLiteral("xdg-user-dir")));
            script.open(QIODevice::WriteOnly);
            script.write(QByteArray("#!/bin/sh\necho '") + answer + "'\n");
            script.close();
            script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        qputenv("PATH", folder_.path().toLocal8Bit());
    }
    ~UserDirPath() { qputenv("PATH", oldPath_); }

private:
    QTemporaryDir folder_;
    QByteArray oldPath_;
};

TEST(QtPlatformFolders, DocumentsAreWhereXdgUserDirSaysWhenThatFolderExists) {
    QTemporaryDir documents;
    UserDirPath path(documents.path().toLocal8Bit().constData());
    platform::qt::QtPlatform platform;
    EXPECT_EQ(platform.DocumentsFolder(), documents.path().toStdString());
}

TEST(QtPlatformFolders, DocumentsAreHomeWhenXdgUserDirNamesNoFolderOrIsMissing) {
    platform::qt::QtPlatform platform;
    {
        UserDirPath path("/no/such/Documents");
        EXPECT_EQ(platform.DocumentsFolder(), QDir::homePath().toStdString());
    }
    UserDirPath path(nullptr);
    EXPECT_EQ(platform.DocumentsFolder(), QDir::homePath().toStdString());
}

// Tried, not read from the permission bits: a root user may write where the
// bits say no, and nobody may create files in /proc.
TEST(QtPlatformFolders, AFolderIsWritableWhenAFileCanBeMadeThere) {
    platform::qt::QtPlatform platform;
    QTemporaryDir scratch;
    EXPECT_TRUE(platform.IsWritableFolder(scratch.path().toStdString()));
    EXPECT_TRUE(QDir(scratch.path()).isEmpty());  // the trial file is gone
    EXPECT_FALSE(platform.IsWritableFolder("/proc"));
    EXPECT_FALSE(platform.IsWritableFolder(scratch.path().toStdString() + "/missing"));
}

TEST(QtPlatformFolders, TheCurrentFolderIsTheProcesssOwn) {
    platform::qt::QtPlatform platform;
    EXPECT_EQ(platform.CurrentFolder(), QDir::currentPath().toStdString());
}

}  // namespace
}  // namespace brisel::testing
