#include "platform/qt/qt_desktop_open.h"

#include <QDesktopServices>
#include <QProcess>

namespace brisel::platform::qt {

OpenResult OpenResultOfXdgOpen(int exitStatus) {
    switch (exitStatus) {
        case 0:
            return OpenResult::Opened;
        case 2:
            return OpenResult::NotFound;
        case 3:
            return OpenResult::NoProgram;
        default:
            return OpenResult::Failed;
    }
}

void DesktopOpener::Open(const QUrl& url, OpenDone done) {
    auto* process = new QProcess(this);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    connect(process, &QProcess::finished, this, [process, done](int exitCode, QProcess::ExitStatus status) {
        process->deleteLater();
        done(status == QProcess::NormalExit ? OpenResultOfXdgOpen(exitCode) : OpenResult::Failed);
    });
    connect(process, &QProcess::errorOccurred, this, [process, url, done](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return;
        process->deleteLater();
        done(QDesktopServices::openUrl(url) ? OpenResult::Opened : OpenResult::NoProgram);
    });
    process->start(QStringLiteral("xdg-open"), {url.toString(QUrl::FullyEncoded)});
}

// Destroying a running process would kill it and wait for it; it is let go
// instead, to end on its own after the program.
DesktopOpener::~DesktopOpener() {
    for (QProcess* process : findChildren<QProcess*>()) {
        process->disconnect(this);
        if (process->state() == QProcess::NotRunning) continue;
        process->setParent(nullptr);
    }
}

}  // namespace brisel::platform::qt
