#pragma once
// Where a control of a sizable form stands once the form's client area has
// grown beyond its described size (or shrunk back towards it).

#include "platform/form.h"

namespace brisel::platform {

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// `designed` is the control's rectangle at the described client size;
// `grownWidth` and `grownHeight` are the pixels the client area has beyond it.
PixelRect Follow(Anchoring anchoring, const PixelRect& designed, int grownWidth, int grownHeight);

}  // namespace brisel::platform
