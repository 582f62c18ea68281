#pragma once
// Builds one Qt widget from a control's description.

#include <QFont>
#include <QWidget>

#include "platform/form.h"

namespace brisel::platform::qt {

QFont MakeFont(const FontDescription& described);
QWidget* CreateControl(const ControlDescription& described, QWidget* parent, double logicalDpi);
// Labels and pictures that size themselves follow their new content.
void FitToContent(QWidget* control, const ControlDescription& described);

}  // namespace brisel::platform::qt
