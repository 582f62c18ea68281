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
            entry += ": " + box->text().toStdString();
        }
        seen.push_back(entry);
        modal->reject();
    }

    QTimer timer_;
};

}  // namespace brisel::testing

#include <QDesktopServices>
#include <QUrl>

namespace brisel::testing {

// Stands in for the desktop's programs: records the addresses the shell
// would have opened, for the schemes given.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    explicit UrlRecorder(QStringList schemes) : schemes_(std::move(schemes)) {
        for (const QString& scheme : schemes_) {
            QDesktopServices::setUrlHandler(scheme, this, "Open");
        }
    }
    ~UrlRecorder() override {
        for (const QString& scheme : schemes_) QDesktopServices::unsetUrlHandler(scheme);
    }

    QList<QUrl> opened;

public slots:
    void Open(const QUrl& url) { opened.append(url); }

private:
    QStringList schemes_;
};

}  // namespace brisel::testing
