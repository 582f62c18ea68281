#include "convert/progress.h"

#include <algorithm>
#include <cmath>

namespace brisel {

std::int64_t Percent(std::int64_t done, std::int64_t total) {
    const double value = static_cast<double>(done) / static_cast<double>(total) * 100.0;
    return static_cast<std::int64_t>(std::nearbyint(value));  // round half to even
}

void Progress::Show(ProgressStep::Stage stage) {
    if (shownAny_ && shown_.stage == stage) return;
    shownAny_ = true;
    shown_ = {stage};
    unchanged_ = {};
    reporter_.Progress(shown_);
}

void Progress::UpdatePercent(std::int64_t done, std::int64_t total) {
    const std::int64_t percent = Percent(done, total);
    unchanged_ = UnchangedFrom(done, total, percent);
    if (shownAny_ && shown_.stage == ProgressStep::Stage::Percent && shown_.percent == percent) return;
    shownAny_ = true;
    shown_ = {ProgressStep::Stage::Percent, percent};
    reporter_.Progress(shown_);
}

void Progress::ShowPercents(std::int64_t first, std::int64_t last, std::int64_t total) {
    for (std::int64_t done = first; done <= last; ++done) {
        ShowPercent(done, total);
        if (total == unchanged_.total && done <= unchanged_.to) done = std::min(last, unchanged_.to);
    }
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
