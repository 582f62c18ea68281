#pragma once
// The second pass: reads the joined copy line by line to "*END*", writes the
// header, the Part IDs Table and the Net Names Table to the target and the
// connection rows to the spool.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "convert/conversion_report.h"
#include "convert/line_reader.h"
#include "convert/line_writer.h"
#include "convert/net_builder.h"
#include "convert/part_table.h"
#include "convert/pin_mapper.h"
#include "convert/progress.h"
#include "convert/source_checks.h"

namespace brisel {

class MainPass {
public:
    struct Files {
        CrLfLineReader& joined;
        LineWriter& target;
        LineWriter& spool;
    };
    // `problems` hears of each problem occurrence, and `pinMap` gives pins
    // their numbers, each when it is not nullptr.
    MainPass(ConversionReporter& reporter, ProblemSink* problems, std::string appVersion, Progress& progress,
             const Files& files, const pin_map::PinMap* pinMap = nullptr);

    // The joined copy has at most `count` lines that may be parts.
    void ExpectPartsAtMost(std::int64_t count) { parts_.Reserve(count); }
    // Stops early when a write fails.
    void Run();

    std::int64_t LineCount() const { return lineCount_; }
    std::int64_t PartCount() const { return parts_.PartCount(); }
    std::int64_t NetCount() const { return nets_.NetCount(); }
    std::int64_t ConnectionCount() const { return nets_.ConnectionCount(); }
    RunFacts Facts() const;
    const CheckFindings& Findings() const { return checks_.Findings(); }
    // Tells the problem sink of a missing part or net section.
    void ReportMissingSections();

private:
    // Each line goes through these steps in this order.
    void OnFirstLine(std::string_view line);
    std::int64_t CountedLines(std::string_view line);
    std::int64_t OnSignal(std::string_view header, std::size_t netNameStart, std::int64_t headerLine);
    bool NextKeepingName(std::string_view& name, std::string_view& line);
    std::string_view KeepNetName(std::string_view name);

    ConversionReporter& reporter_;
    std::string appVersion_;
    Progress& progress_;
    CrLfLineReader& joined_;
    LineWriter& target_;
    LineWriter& spool_;
    SourceChecks checks_;
    std::optional<PinMapper> mapper_;
    PartTable parts_;
    NetBuilder nets_;
    std::int64_t lineCount_ = 0;
    std::array<char, 64> shortNetName_;
    std::string netName_;  // a longer one
};

}  // namespace brisel
