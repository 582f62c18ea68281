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
    // Called once per row of a large copy: the usual call, for a row that
    // rounds to the percentage shown, costs two comparisons.
    void ShowPercent(std::int64_t done, std::int64_t total) {
        if (total == unchanged_.total && done >= unchanged_.from && done <= unchanged_.to) return;
        UpdatePercent(done, total);
    }

    // The same for each of the rows `first` to `last`, in order, at the cost
    // of one call per percentage.
    void ShowPercents(std::int64_t first, std::int64_t last, std::int64_t total);

private:
    // Rows from `from` to `to` of `total` round to the percentage shown.
    struct Unchanged {
        std::int64_t total = 0;
        std::int64_t from = 0;
        std::int64_t to = -1;
    };
    void UpdatePercent(std::int64_t done, std::int64_t total);
    static Unchanged UnchangedFrom(std::int64_t done, std::int64_t total, std::int64_t percent);

    ConversionReporter& reporter_;
    bool shownAny_ = false;
    ProgressStep shown_{ProgressStep::Stage::Initializing};
    Unchanged unchanged_;
};

}  // namespace brisel
