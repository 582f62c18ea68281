#pragma once
// Builds one Qt widget from a control's description.

#include <QFont>
#include <QWidget>

#include "platform/form.h"

namespace brisel::platform::qt {

QFont MakeFont(const FontSpec& spec);
QWidget* CreateControl(const ControlSpec& spec, QWidget* parent, double logicalDpi);
// Labels and pictures that size themselves follow their new content.
void FitToContent(QWidget* control, const ControlSpec& spec);

}  // namespace brisel::platform::qt
