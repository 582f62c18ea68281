#include "platform/contrast.h"

#include <algorithm>
#include <cmath>

namespace brisel::platform {
namespace {

double Linear(std::uint8_t channel) {
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

}  // namespace

double RelativeLuminance(const Rgb& colour) {
    return 0.2126 * Linear(colour.red) + 0.7152 * Linear(colour.green) + 0.0722 * Linear(colour.blue);
}

double ContrastRatio(const Rgb& a, const Rgb& b) {
    const double lighter = std::max(RelativeLuminance(a), RelativeLuminance(b));
    const double darker = std::min(RelativeLuminance(a), RelativeLuminance(b));
    return (lighter + 0.05) / (darker + 0.05);
}

Rgb MarkColourOn(const Rgb& background) {
    const Rgb black{0, 0, 0};
    const Rgb white{255, 255, 255};
    return ContrastRatio(white, background) >= ContrastRatio(black, background) ? white : black;
}

}  // namespace brisel::platform
