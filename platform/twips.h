#pragma once

namespace brisel::platform {

// 15 twips make one pixel on a 96 dpi screen; other screens scale with their
// logical dpi.
inline int TwipsToPixels(int twips, double logicalDpi) {
    const double pixels = twips * logicalDpi / 1440.0;
    return static_cast<int>(pixels + (pixels < 0 ? -0.5 : 0.5));
}

}  // namespace brisel::platform
