#pragma once
// The name and description that assistive technology gives each control:
// the words a sighted user reads beside it (its label) and gets on pointing
// at it (its tooltip). Every backend maps them to its own accessibility API.

#include <string>

#include "platform/form.h"

namespace brisel::platform {

struct AccessibleText {
    std::string name;
    std::string description;
    friend bool operator==(const AccessibleText&, const AccessibleText&) = default;
};

// The name: the control's own `accessibleName`, else the caption of the label
// that `labelledBy` names, else its own caption; the description: its
// tooltip, else the caption of the label that `describedBy` names. Captions
// lose their access-key "&"; a label naming another control also loses its
// closing colon ("Source:" names the box "Source").
AccessibleText AccessibleTextOf(const FormDescription& form, const ControlDescription& control);

}  // namespace brisel::platform
