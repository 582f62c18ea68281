#include "platform/qt/qt_images.h"

#include "platform/form.h"

static void InitBriselResources() { Q_INIT_RESOURCE(brisel_images); }

namespace brisel::platform::qt {

void LoadImageResources() { InitBriselResources(); }

QPixmap FormImage(const std::string& name) {
    if (name == ImageName::kBackground) return QPixmap(QStringLiteral(":/brisel/background.png"));
    if (name == ImageName::kIcon32) return QPixmap(QStringLiteral(":/brisel/icon32.png"));
    return {};
}

QIcon ProgramIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/brisel/icon16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/brisel/icon32.png"), QSize(32, 32));
    return icon;
}

QCursor PointingHandCursor() { return QCursor(QPixmap(QStringLiteral(":/brisel/hand_cursor.png")), 10, 5); }

}  // namespace brisel::platform::qt
