#include "convert/progress.h"

#include <cmath>

namespace brisel {

namespace {

std::int64_t Percent(std::int64_t done, std::int64_t total) {
    const double value = static_cast<double>(done) / static_cast<double>(total) * 100.0;
    return static_cast<std::int64_t>(std::nearbyint(value));  // round half to even
}

}  // namespace

std::string PercentCaption(std::int64_t done, std::int64_t total) {
    return std::to_string(Percent(done, total)) + "% Complete";
}

void Progress::Show(const std::string& caption) {
    if (caption == shown_) return;
    shown_ = caption;
    lastPercent_ = -1;
    host_.SetProgressCaption(caption);
}

void Progress::ShowPercent(std::int64_t done, std::int64_t total) {
    const std::int64_t percent = Percent(done, total);
    if (percent == lastPercent_) return;
    Show(std::to_string(percent) + "% Complete");
    lastPercent_ = percent;
}

}  // namespace brisel
