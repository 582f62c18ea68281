#include "platform/qt/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QTemporaryFile>
#include <QUrl>
#include <stdexcept>

#include "platform/qt/qt_file_dialog.h"
#include "platform/qt/qt_images.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/qt_window.h"

namespace brisel::platform::qt {
namespace {

constexpr const char* kApplicationTitle = "Brisel";
// How long the desktop may take to name the documents folder.
constexpr int kUserDirWaitMilliseconds = 3000;

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Error:
            return QMessageBox::Critical;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// Anything with a scheme ("http:", "Mailto:") is an address; a local path
// must exist before a program is looked for.
bool IsAddress(const QUrl& url) { return url.scheme().size() > 1; }

}  // namespace

QtPlatform::QtPlatform() {
    LoadImageResources();
    QApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
    QApplication::setWindowIcon(ProgramIcon());
    // The forms end the program themselves once none of them is open.
    QApplication::setQuitOnLastWindowClosed(false);
}

std::unique_ptr<Window> QtPlatform::CreateForm(const FormDescription& form) {
    return std::make_unique<QtWindow>(form, QApplication::primaryScreen()->logicalDotsPerInch());
}

std::optional<FileChoice> QtPlatform::ChooseFile(const FileDialogRequest& request) { return ShowFileDialog(request); }

void QtPlatform::ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) {
    const QString shownTitle = title.empty() ? QString::fromLatin1(kApplicationTitle) : ToQt(title);
    QMessageBox box(ToQtIcon(icon), shownTitle, BreakableLongWords(ToQtLines(text)), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("messageBox"));
    boxes_.push_back(&box);
    box.exec();
    boxes_.pop_back();
}

void QtPlatform::CloseMessageBoxes() {
    for (const QPointer<QMessageBox>& box : boxes_) {
        if (box) box->done(QMessageBox::Ok);
    }
}

void QtPlatform::Beep() { QApplication::beep(); }

// Qt hands the desktop its own line ends, and says nothing of a failure.
ClipboardResult QtPlatform::SetClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(ToQtLines(text));
    return ClipboardResult::Copied;
}

TaskId QtPlatform::StartProgram(const std::string& commandLine) {
    QStringList arguments = QProcess::splitCommand(ToQt(commandLine));
    if (arguments.isEmpty()) throw std::runtime_error("empty command line");
    const QString program = arguments.takeFirst();
    qint64 pid = 0;
    if (!QProcess::startDetached(program, arguments, QString(), &pid)) {
        throw std::runtime_error("cannot start " + commandLine);
    }
    return static_cast<TaskId>(pid);
}

void QtPlatform::ShellOpen(const Window*, const std::string& target, OpenDone done) {
    QUrl url(ToQt(target));
    if (!IsAddress(url)) {
        if (!QFileInfo::exists(ToQt(target))) {
            done(OpenResult::NotFound);
            return;
        }
        url = QUrl::fromLocalFile(ToQt(target));
    }
    desktop_.Open(url, std::move(done));
}

std::string QtPlatform::ProgramFolder() const { return FromQt(QCoreApplication::applicationDirPath()); }

std::string QtPlatform::CurrentFolder() const { return FromQt(QDir::toNativeSeparators(QDir::currentPath())); }

std::string QtPlatform::DocumentsFolder() const {
    QProcess userDir;
    userDir.start(QStringLiteral("xdg-user-dir"), {QStringLiteral("DOCUMENTS")});
    if (userDir.waitForFinished(kUserDirWaitMilliseconds) && userDir.exitStatus() == QProcess::NormalExit &&
        userDir.exitCode() == 0) {
        const QString folder = QString::fromLocal8Bit(userDir.readAllStandardOutput()).trimmed();
        if (!folder.isEmpty() && QFileInfo(folder).isDir()) return FromQt(QDir::toNativeSeparators(folder));
    }
    return FromQt(QDir::toNativeSeparators(QDir::homePath()));
}

bool QtPlatform::IsWritableFolder(const std::string& folder) const {
    QTemporaryFile probe(QDir(ToQt(folder)).filePath(QStringLiteral("BriselWriteTest-XXXXXX")));
    return probe.open();
}

bool QtPlatform::IsOrdinaryFile(const std::string& path) const {
    const QFileInfo info(ToQt(path));
    return info.isFile() && !info.isHidden();
}

void QtPlatform::Quit() {
    QApplication::closeAllWindows();
    QApplication::quit();
}

}  // namespace brisel::platform::qt
