#include "convert/progress.h"

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
    reporter_.Progress(shown_);
}

void Progress::ShowPercent(std::int64_t done, std::int64_t total) {
    const std::int64_t percent = Percent(done, total);
    if (shownAny_ && shown_.stage == ProgressStep::Stage::Percent && shown_.percent == percent) return;
    shownAny_ = true;
    shown_ = {ProgressStep::Stage::Percent, percent};
    reporter_.Progress(shown_);
}

}  // namespace brisel
