#pragma once
// Hands each problem occurrence on to the reporter with the source line it
// stands on, reading the source a second time from the first problem on.

#include <memory>
#include <string>

#include "convert/conversion_report.h"
#include "convert/file_system.h"
#include "convert/source_line_map.h"

namespace brisel {

class ProblemLocator : public ProblemSink {
public:
    ProblemLocator(FileSystem& files, std::string sourcePath, ConversionReporter& reporter)
        : files_(files), sourcePath_(std::move(sourcePath)), reporter_(reporter) {}
    void Report(const Problem& problem) override;

private:
    FileSystem& files_;
    std::string sourcePath_;
    ConversionReporter& reporter_;
    std::unique_ptr<ReadableFile> source_;
    std::unique_ptr<SourceLineMap> lines_;
};

}  // namespace brisel
