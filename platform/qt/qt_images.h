#pragma once
// The program's own pictures, compiled in from resources/.

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <string>

namespace brisel::platform::qt {

void LoadImageResources();
QPixmap FormImage(const std::string& name);
QIcon ProgramIcon();
// 32 x 32, two colours, hot spot at x 10, y 5.
QCursor PointingHandCursor();

}  // namespace brisel::platform::qt
