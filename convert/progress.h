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
    void ShowPercent(std::int64_t done, std::int64_t total);

private:
    ConversionHost& host_;
    std::string shown_;
    std::int64_t lastPercent_ = -1;
};

}  // namespace brisel
