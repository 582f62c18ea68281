#pragma once
// How well two colours stand apart, as accessibility guidelines measure it:
// the ratio of their relative luminances, from 1 (the same) to 21 (black and
// white). A focus mark needs at least 3 against what lies next to it.

#include "platform/form.h"

namespace brisel::platform {

inline constexpr double kFocusMarkContrast = 3.0;

double RelativeLuminance(const Rgb& colour);
double ContrastRatio(const Rgb& a, const Rgb& b);

// Black or white, whichever stands out more from the background.
Rgb MarkColourOn(const Rgb& background);

}  // namespace brisel::platform
