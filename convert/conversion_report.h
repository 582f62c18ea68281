#pragma once
// What a conversion tells the program that runs it, in the order it happens:
// progress, warnings, problem occurrences, and at the end its outcome. The
// conversion only reports, in kinds and the texts of the source and the
// paths they involve; every front end words them through messages/. Only a
// failure's reason may carry words: the system's own, passed on unchanged.

#include <cstdint>
#include <string>

#include "convert/problems.h"
#include "file_system/file_reason.h"

namespace brisel {

struct ProgressStep {
    enum class Stage { Initializing, Converting, Percent };
    Stage stage;
    std::int64_t percent = 0;  // with Stage::Percent: whole percent, half to even
};

// Shown at most once per conversion. The format warning comes at the first
// line; the others after the main pass, in this order.
enum class RunWarning {
    UnsupportedFormat,
    NoPartData,
    NoNetData,
    NameTooLong,
    BadCharacter,
    BadPinNumber,
    UnknownParts,
};

enum class ConversionResult {
    Completed,  // the target was written
    Refused,    // a path was wrong (missing source, invalid names); nothing was touched
    Failed,     // a read or write failed; the partial target and temporaries were removed
};

// Why the conversion did not start.
enum class Refusal { SameFile, TemporaryFile, SourceMissing, SourceTooLong };

// Why a started conversion stopped: the file, what was done to it, and the
// reason the file system gave. `Busy` means another conversion holds the run
// lock; `Unusable` that a temporary file's name is taken by something the
// conversion must not write through (the reason says what). For a folder
// that is missing or not writable, the path is the target's folder.
// `Interrupted`: a signal or the closing window asked the run to stop.
// `OutOfMemory`: the conversion of the source (the path) needed more memory
// than it could have.
struct Failure {
    enum class Operation { Read, Write, Busy, Unusable, FolderMissing, FolderNotWritable, Interrupted, OutOfMemory };
    Operation operation = Operation::Read;
    std::string path;
    FileReason reason;
};

struct Counts {
    std::int64_t lines = 0, parts = 0, nets = 0, connections = 0;
};

struct Outcome {
    ConversionResult result = ConversionResult::Completed;
    Refusal refusal = Refusal::SameFile;  // when Refused
    Failure failure;                      // when Failed
    Counts counts;                        // when Completed
};

class ConversionReporter {
public:
    virtual ~ConversionReporter() = default;
    // Each step once; a percentage only when it changes.
    virtual void Progress(const ProgressStep& step) = 0;
    // Another conversion holds the run lock of `folder` (as the run names it:
    // empty for the current folder), and this one waits for it to end.
    virtual void Waiting(const std::string& /*folder*/) {}
    virtual void Warning(RunWarning warning) = 0;
    // Problem occurrences are found only for a reporter that wants them.
    virtual bool WantsProblems() const { return false; }
    virtual void ProblemFound(const Problem&) {}
    // Last of all, with what ConvertNetlist returns.
    virtual void Finished(const Outcome& outcome) = 0;
};

}  // namespace brisel
