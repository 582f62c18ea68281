#include "platform/accessibility.h"

namespace brisel::platform {
namespace {

// "O&K" reads "OK"; "&&" stands for one "&".
std::string WithoutAccessKey(const std::string& caption) {
    std::string text;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;
        text += caption[i];
    }
    return text;
}

// The words of the label that speaks for another control.
std::string LabelText(const FormDescription& form, const std::string& labelName) {
    const ControlDescription* label = form.Find(labelName);
    if (label == nullptr) return {};
    std::string text = WithoutAccessKey(label->caption);
    if (!text.empty() && text.back() == ':') text.pop_back();
    return text;
}

}  // namespace

AccessibleText AccessibleTextOf(const FormDescription& form, const ControlDescription& control) {
    AccessibleText text;
    if (!control.accessibleName.empty()) {
        text.name = control.accessibleName;
    } else if (!control.labelledBy.empty()) {
        text.name = LabelText(form, control.labelledBy);
    } else {
        text.name = WithoutAccessKey(control.caption);
    }
    text.description = !control.tooltip.empty() ? control.tooltip : LabelText(form, control.describedBy);
    return text;
}

}  // namespace brisel::platform
