#pragma once
// Finding the real widgets of a form, and answering the modal windows that
// a command opens.

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <string>
#include <vector>

namespace brisel::testing {

template <typename T = QWidget>
T* Child(QWidget* window, const char* name) {
    return window->findChild<T*>(QString::fromLatin1(name));
}

// Closes every modal window that appears while it lives, recording its
// title (and a message box's text); Esc is how a user closes them all.
class ModalAnswerer {
public:
    ModalAnswerer() {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Answer(); });
        timer_.start();
    }

    std::vector<std::string> seen;

private:
    void Answer() {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (modal == nullptr) return;
        std::string entry = modal->windowTitle().toStdString();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            // As it reads: without the places a long name may break.
            entry += ": " + box->text().remove(QChar(0x200B)).toStdString();
        }
        seen.push_back(entry);
        modal->reject();
    }

    QTimer timer_;
};

}  // namespace brisel::testing

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace brisel::testing {

// Stands in for the desktop's xdg-open, first on PATH while it lives: records
// each file or address it is handed and ends with the status it is given,
// after the delay it is given.
class FakeXdgOpen {
public:
    FakeXdgOpen() : oldPath_(qgetenv("PATH")) {
        QFile script(folder_.filePath(QStringLiteral("xdg-open")));
        script.open(QIODevice::WriteOnly);
        script.write(
            "#!/bin/sh\n"
            "here=$(dirname \"$0\")\n"
            "printf '%s\\n' \"$1\" >> \"$here/opened\"\n"
            "sleep \"$(cat \"$here/delay\" 2>/dev/null || echo 0)\"\n"
            "exit \"$(cat \"$here/status\" 2>/dev/null || echo 0)\"\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", folder_.path().toLocal8Bit() + ":" + oldPath_);
    }
    ~FakeXdgOpen() { qputenv("PATH", oldPath_); }

    void EndWith(int status, const char* delaySeconds = "0") {
        Write("status", QByteArray::number(status));
        Write("delay", delaySeconds);
    }
    QStringList Opened() const {
        QFile log(folder_.filePath(QStringLiteral("opened")));
        if (!log.open(QIODevice::ReadOnly)) return {};
        return QString::fromLocal8Bit(log.readAll()).split(QChar('\n'), Qt::SkipEmptyParts);
    }

private:
    void Write(const char* name, const QByteArray& text) {
        QFile file(folder_.filePath(QString::fromLatin1(name)));
        file.open(QIODevice::WriteOnly);
        file.write(text);
    }

    QTemporaryDir folder_;
    QByteArray oldPath_;
};

}  // namespace brisel::testing
