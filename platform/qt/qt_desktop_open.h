#pragma once
// Hands a file or an address to the desktop through xdg-open and tells how
// xdg-open ended once it has, without holding up the window: xdg-open may
// find no program behind it, or wait until the viewer it started closes.

#include <QObject>
#include <QUrl>
#include <functional>

#include "platform/platform.h"

namespace brisel::platform::qt {

// What xdg-open's exit status means: 0 opened, 2 a missing file, 3 no
// program to show it, anything else a failure.
OpenResult OpenResultOfXdgOpen(int exitStatus);

class DesktopOpener final : public QObject {
    Q_OBJECT
public:
    // Reports through `done`, from the event loop. Without xdg-open, Qt's
    // own way to the desktop answers at once.
    void Open(const QUrl& url, OpenDone done);
    // A viewer still open keeps running; nothing is reported any more.
    ~DesktopOpener() override;
};

}  // namespace brisel::platform::qt
