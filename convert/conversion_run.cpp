#include "convert/conversion_run.h"

#include <vector>

#include "convert/joining_pass.h"
#include "convert/line_feeds.h"
#include "convert/line_reader.h"
#include "convert/main_pass.h"
#include "convert/netlist_layout.h"

namespace brisel {

ConversionRun::ConversionRun(const JobSettings& settings, FileSystem& files, ConversionReporter& reporter)
    : settings_(settings), files_(files), reporter_(reporter), paths_(JobPaths::From(settings)), progress_(reporter) {
    if (reporter.WantsProblems()) problems_.emplace(files, paths_.source, reporter);
}

Outcome ConversionRun::Run() {
    Outcome outcome;
    if (!CheckTargetFolder() || !LockTemporaryFiles() || !JoinPass() || !MainPass(outcome.counts)) return Fail();
    RemoveTemporaryFiles();
    lock_.reset();
    return outcome;
}

bool ConversionRun::CheckTargetFolder() {
    switch (files_.Folder(settings_.TargetPath)) {
        case FolderState::Writable:
            return true;
        case FolderState::Missing:
            return Failed(Failure::Operation::FolderMissing, settings_.TargetPath, {});
        case FolderState::NotWritable:
            break;
    }
    return Failed(Failure::Operation::FolderNotWritable, settings_.TargetPath, {});
}

// Another conversion into the same folder is waited for or told at once, and
// touches nothing; leftovers of a run that died are taken over.
bool ConversionRun::LockTemporaryFiles() {
    if (!Usable(paths_.joined)) return false;
    LockAttempt attempt = TakeRunLock();
    switch (attempt.result) {
        case LockAttempt::Result::Acquired:
            lock_ = std::move(attempt.lock);
            joinedCreated_ = true;
            return Usable(paths_.spool) && PlanTarget();
        case LockAttempt::Result::Busy:
            return Failed(Failure::Operation::Busy, paths_.joined, {});
        case LockAttempt::Result::Failed:
            break;
    }
    return WriteFailed(paths_.joined, attempt.error);
}

LockAttempt ConversionRun::TakeRunLock() {
    LockAttempt attempt = files_.Lock(paths_.joined, false);
    if (attempt.result != LockAttempt::Result::Busy || !settings_.WaitForOtherConversion) return attempt;
    reporter_.Waiting();
    return files_.Lock(paths_.joined, true);
}

// A link, a folder or another user's file under a temporary file's name may
// have been put there to have the conversion write somewhere else.
bool ConversionRun::Usable(const std::string& path) {
    if (const auto why = files_.Unusable(path)) return Failed(Failure::Operation::Unusable, path, *why);
    return true;
}

// A target that a new file can replace is written beside it first, so that a
// failure leaves the old one; any other is written in place.
bool ConversionRun::PlanTarget() {
    const auto file = files_.Replaceable(paths_.target);
    if (!file) return true;
    replaced_ = *file;
    newTarget_ = paths_.NewTargetBeside(*file);
    return Usable(newTarget_);
}

bool ConversionRun::JoinPass() {
    const auto source = files_.OpenForReading(paths_.source);
    if (source->Failed()) return ReadFailed(paths_.source, source->Error());
    const auto joinedFile = files_.OpenForWriting(paths_.joined);
    if (joinedFile->Failed()) return WriteFailed(paths_.joined, joinedFile->Error());
    progress_.Show(ProgressStep::Stage::Initializing);
    LineReader reader(*source);
    LineWriter joined(*joinedFile);
    JoinSignals(reader, joined);
    if (source->Failed()) return ReadFailed(paths_.source, source->Error());
    if (!joined.Flush() || !joinedFile->Close()) return WriteFailed(paths_.joined, joinedFile->Error());
    return true;
}

bool ConversionRun::MainPass(Counts& counts) {
    const auto joinedFile = files_.OpenForReading(paths_.joined);
    if (joinedFile->Failed()) return ReadFailed(paths_.joined, joinedFile->Error());
    if (!OpenTarget()) return false;
    const auto spoolFile = CreateTemporary(paths_.spool);
    if (spoolFile->Failed()) return WriteFailed(paths_.spool, spoolFile->Error());
    spoolCreated_ = true;
    progress_.Show(ProgressStep::Stage::Converting);

    LineReader joined(*joinedFile);
    LineWriter target(*target_);
    LineWriter spool(*spoolFile);
    ProblemSink* problems = problems_ ? &*problems_ : nullptr;
    brisel::MainPass pass(reporter_, problems, settings_.AppVersion, progress_, {joined, target, spool});
    pass.Run();
    if (joinedFile->Failed()) return ReadFailed(paths_.joined, joinedFile->Error());
    if (!spool.Flush() || !spoolFile->Close()) return WriteFailed(paths_.spool, spoolFile->Error());
    if (target.Failed()) return WriteFailed(paths_.target, target_->Error());
    counts = {pass.LineCount(), pass.PartCount(), pass.NetCount(), pass.ConnectionCount()};

    pass.ReportMissingSections();
    ReportEndOfRunWarnings(reporter_, pass.Findings(), pass.Facts());
    WriteConnectionTableHeader(target);
    return CopyConnections(target, counts) && CloseTarget(target);
}

bool ConversionRun::OpenTarget() {
    target_ = replaced_.empty() ? files_.OpenForWriting(paths_.target) : CreateTemporary(newTarget_);
    if (target_->Failed()) return WriteFailed(paths_.target, target_->Error());
    targetCreated_ = true;
    return true;
}

// The name has passed Usable: what is left there is this user's leftover.
std::unique_ptr<WritableFile> ConversionRun::CreateTemporary(const std::string& path) {
    files_.Remove(path);
    return files_.CreateNew(path);
}

// The spool holds only rows this run wrote, each ended by CR LF, so it is
// copied in blocks and its rows are counted by their line feeds. A block
// larger than the target's buffer goes to the file without a copy.
bool ConversionRun::CopyConnections(LineWriter& target, const Counts& counts) {
    const auto spool = files_.OpenForReading(paths_.spool);
    if (spool->Failed()) return ReadFailed(paths_.spool, spool->Error());
    const std::int64_t total = counts.lines + counts.connections;
    std::int64_t copied = 0;
    std::vector<char> block(1 << 19);
    while (const std::size_t size = spool->Read(block.data(), block.size())) {
        target.Write(std::string_view(block.data(), size));
        if (target.Failed()) return WriteFailed(paths_.target, target_->Error());
        const std::int64_t rows = CountLineFeeds(block.data(), size);
        progress_.ShowPercents(counts.lines + copied + 1, counts.lines + copied + rows, total);
        copied += rows;
    }
    if (spool->Failed()) return ReadFailed(paths_.spool, spool->Error());
    return true;
}

bool ConversionRun::CloseTarget(LineWriter& target) {
    const bool replacing = !replaced_.empty();
    if (!target.Flush() || (replacing && !target_->Sync()) || !target_->Close()) {
        return WriteFailed(paths_.target, target_->Error());
    }
    std::string error;
    if (replacing && !files_.Replace(newTarget_, replaced_, error)) return WriteFailed(paths_.target, error);
    targetCreated_ = false;
    return true;
}

bool ConversionRun::Failed(Failure::Operation operation, const std::string& path, const std::string& reason) {
    failure_ = {operation, path, reason};
    return false;
}

bool ConversionRun::ReadFailed(const std::string& path, const std::string& reason) {
    return Failed(Failure::Operation::Read, path, reason);
}

bool ConversionRun::WriteFailed(const std::string& path, const std::string& reason) {
    return Failed(Failure::Operation::Write, path, reason);
}

Outcome ConversionRun::Fail() {
    if (target_) target_->Close();
    RemovePartialTarget();
    RemoveTemporaryFiles();
    lock_.reset();
    Outcome outcome;
    outcome.result = ConversionResult::Failed;
    outcome.failure = failure_;
    return outcome;
}

// The spool first, then the joined copy; only those this run wrote.
void ConversionRun::RemoveTemporaryFiles() {
    if (spoolCreated_) files_.Remove(paths_.spool);
    if (joinedCreated_) files_.Remove(paths_.joined);
}

// The new target goes, leaving the old one. A target written in place was
// there before: a plain file (with every name it has) is emptied rather than
// left half written; a device such as /dev/null stays.
void ConversionRun::RemovePartialTarget() {
    if (!targetCreated_) return;
    if (!replaced_.empty()) {
        files_.Remove(newTarget_);
    } else if (target_->IsRegularFile()) {
        files_.Truncate(paths_.target);
    }
}

}  // namespace brisel
