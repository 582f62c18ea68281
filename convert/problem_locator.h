#pragma once
// Hands each problem occurrence on to the reporter with the source line it
// stands on, from the source's bytes as the joining pass read them.

#include <string_view>

#include "convert/conversion_report.h"
#include "convert/source_line_map.h"

namespace brisel {

class ProblemLocator : public ProblemSink {
public:
    explicit ProblemLocator(ConversionReporter& reporter) : reporter_(reporter) {}
    // The source's bytes, as the joining pass reads them.
    void FeedSource(std::string_view bytes) { lines_.Feed(bytes); }
    void Report(const Problem& problem) override;

private:
    ConversionReporter& reporter_;
    SourceLineMap lines_;
    bool finished_ = false;
};

}  // namespace brisel
