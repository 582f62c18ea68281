#pragma once
// The progress steps: initializing, converting, then a whole percentage.

#include <cstdint>

#include "convert/conversion_report.h"

namespace brisel {

// `done` of `total`, as a whole percentage; a half goes to the even neighbour.
std::int64_t Percent(std::int64_t done, std::int64_t total);

class Progress {
public:
    explicit Progress(ConversionReporter& reporter) : reporter_(reporter) {}
    // Reports a step only when it differs from the last one reported, so
    // that a large copy does not repaint a million times.
    void Show(ProgressStep::Stage stage);
    void ShowPercent(std::int64_t done, std::int64_t total);

private:
    ConversionReporter& reporter_;
    bool shownAny_ = false;
    ProgressStep shown_{ProgressStep::Stage::Initializing};
};

}  // namespace brisel
