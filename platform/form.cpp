#include "platform/form.h"

namespace brisel::platform {

const ControlSpec* FormSpec::Find(const std::string& controlName) const {
    for (const ControlSpec& control : controls) {
        if (control.name == controlName) return &control;
    }
    return nullptr;
}

}  // namespace brisel::platform
