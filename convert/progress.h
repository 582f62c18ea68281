#pragma once
// The progress caption: "Initializing...", "Converting...", then "N% Complete".

#include <cstdint>
#include <string>

#include "convert/host.h"

namespace brisel {

// d lines done of `total`, as a whole percentage; a half goes to the even neighbour.
std::string PercentCaption(std::int64_t done, std::int64_t total);

class Progress {
public:
    explicit Progress(ConversionHost& host) : host_(host) {}
    // Hands the caption to the host only when it differs from the one shown,
    // so that a large copy does not repaint a million times.
    void Show(const std::string& caption);
    // Called once per row of a large copy: the usual call, for a row that
    // rounds to the percentage shown, costs two comparisons.
    void ShowPercent(std::int64_t done, std::int64_t total) {
        if (total == unchanged_.total && done >= unchanged_.from && done <= unchanged_.to) return;
        UpdatePercent(done, total);
    }

private:
    // Rows from `from` to `to` of `total` round to the percentage shown.
    struct Unchanged {
        std::int64_t total = 0;
        std::int64_t from = 0;
        std::int64_t to = -1;
    };
    void UpdatePercent(std::int64_t done, std::int64_t total);
    static Unchanged UnchangedFrom(std::int64_t done, std::int64_t total, std::int64_t percent);

    ConversionHost& host_;
    std::string shown_;
    std::int64_t lastPercent_ = -1;
    Unchanged unchanged_;
};

}  // namespace brisel
