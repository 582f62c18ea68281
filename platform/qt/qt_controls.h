#pragma once
// Builds one Qt widget from a control's description.

#include <QFont>
#include <QWidget>

#include "platform/accessibility.h"
#include "platform/form.h"

namespace brisel::platform::qt {

QFont MakeFont(const FontDescription& described);
QWidget* CreateControl(const ControlDescription& described, QWidget* parent, double logicalDpi);
// The name and description a screen reader gives the control. A plain
// label's name is its text, which Qt keeps current itself.
void SetAccessibleText(QWidget* control, const ControlDescription& described, const AccessibleText& text);
// Labels and pictures that size themselves follow their new content.
void FitToContent(QWidget* control, const ControlDescription& described);

}  // namespace brisel::platform::qt
