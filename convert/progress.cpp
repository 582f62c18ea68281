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
    unchanged_ = {};
    host_.SetProgressCaption(caption);
}

void Progress::UpdatePercent(std::int64_t done, std::int64_t total) {
    const std::int64_t percent = Percent(done, total);
    if (percent != lastPercent_) {
        Show(std::to_string(percent) + "% Complete");
        lastPercent_ = percent;
    }
    unchanged_ = UnchangedFrom(done, total, percent);
}

// The percentage never falls as `done` grows, so when the last row that
// should still round to it does, so does every row in between. That row is
// estimated a little short of the rounding edge and then checked, so that
// the estimate's own rounding cannot matter.
Progress::Unchanged Progress::UnchangedFrom(std::int64_t done, std::int64_t total, std::int64_t percent) {
    const double edge = (static_cast<double>(percent) + 0.5) * static_cast<double>(total) / 100.0;
    const auto last = static_cast<std::int64_t>(edge) - 2;
    if (last <= done || Percent(last, total) != percent) return {total, done, done};
    return {total, done, last};
}

}  // namespace brisel
