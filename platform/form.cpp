#include "platform/form.h"

namespace brisel::platform {

const ControlDescription* FormDescription::Find(const std::string& controlName) const {
    for (const ControlDescription& control : controls) {
        if (control.name == controlName) return &control;
    }
    return nullptr;
}

}  // namespace brisel::platform
