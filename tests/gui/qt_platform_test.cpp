// The Qt platform's answers about folders (the user's documents, the current
// folder, whether a folder may be written) and its message boxes.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include "messages/messages.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/qt_text.h"

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

TEST(QtMessageText, OnlyWordsTooLongForALineMayBreakAnywhere) {
    const QString longName = QString(60, QChar('x')) + QStringLiteral(".net");
    const QString text = QStringLiteral("The new netlist file '") + longName + QStringLiteral("' has been created.");
    const QString breakable = platform::qt::BreakableLongWords(text);
    EXPECT_EQ(QString(breakable).remove(QChar(0x200B)), text);
    EXPECT_EQ(breakable.count(QChar(0x200B)), longName.size() + 2);  // the quotes belong to the word
    EXPECT_EQ(platform::qt::BreakableLongWords(QStringLiteral("Short words\nstay whole.")),
              QStringLiteral("Short words\nstay whole."));
}

// A 210-character name wraps inside the completion box, which stays on the
// screen and shows the whole text.
TEST(QtMessageBoxes, ALongFileNameWrapsInsideTheBox) {
    platform::qt::QtPlatform platform;
    const std::string name = std::string(206, 'n') + ".net";
    const messages::Message message = messages::ForCompletion(name, Counts{12, 3, 2, 5});
    QRect box;
    QSize label;
    QSize labelNeeds;
    QTimer::singleShot(100, [&] {
        auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(shown, nullptr);
        box = shown->frameGeometry();
        auto* text = shown->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        label = text->size();
        labelNeeds = {text->minimumSizeHint().width(), text->heightForWidth(text->width())};
        shown->reject();
    });
    platform.ShowMessage(message.BoxText(), message.title, platform::MessageIcon::Information);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(box.width(), screen.width() / 2 + 100);
    EXPECT_TRUE(screen.contains(box));
    EXPECT_GE(label.width(), labelNeeds.width());  // no word wider than the text's room
    EXPECT_GE(label.height(), labelNeeds.height());
}

}  // namespace
}  // namespace brisel::testing
