#include "platform/form.h"

namespace brisel::platform {

ControlDescription MakeControl(ControlKind kind, std::string name, std::string caption, std::string tooltip, int left,
                               int top, int width, int height, int tabIndex) {
    ControlDescription control;
    control.kind = kind;
    control.name = std::move(name);
    control.caption = std::move(caption);
    control.tooltip = std::move(tooltip);
    control.left = left;
    control.top = top;
    control.width = width;
    control.height = height;
    control.tabIndex = tabIndex;
    return control;
}

ControlDescription Styled(ControlDescription control, const FontDescription& font, std::optional<Rgb> color) {
    control.font = font;
    control.foreColor = color;
    return control;
}

const ControlDescription* FormDescription::Find(const std::string& controlName) const {
    for (const ControlDescription& control : controls) {
        if (control.name == controlName) return &control;
    }
    return nullptr;
}

}  // namespace brisel::platform
