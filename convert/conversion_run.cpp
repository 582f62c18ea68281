#include "convert/conversion_run.h"

#include <csignal>
#include <cstdlib>
#include <new>
#include <vector>

#include "convert/joining_pass.h"
#include "convert/line_feeds.h"
#include "convert/line_reader.h"
#include "convert/main_pass.h"
#include "convert/netlist_layout.h"
#include "file_system/interruption.h"

namespace brisel {

namespace {

// The source as the joining pass reads it, each block handed on to `sink`
// too.
class TeeSource : public ByteSource {
public:
    TeeSource(ByteSource& source, ProblemLocator& sink) : source_(source), sink_(sink) {}
    std::size_t Read(char* data, std::size_t size) override {
        const std::size_t n = source_.Read(data, size);
        sink_.FeedSource(std::string_view(data, n));
        return n;
    }
    bool Failed() const override { return source_.Failed(); }
    FileReason Error() const override { return source_.Error(); }

private:
    ByteSource& source_;
    ProblemLocator& sink_;
};

// The run under way in this program, for AbandonRun.
ConversionRun* running = nullptr;

// Marks `run` as under way while it lives; a program that exits meanwhile
// (a window whose display went away) abandons it.
class RunningScope {
public:
    explicit RunningScope(ConversionRun& run) {
        static const bool atExit = std::atexit(AbandonRun) == 0;
        (void)atExit;
        running = &run;
    }
    ~RunningScope() { running = nullptr; }
    RunningScope(const RunningScope&) = delete;
    RunningScope& operator=(const RunningScope&) = delete;
};

}  // namespace

void AbandonRun() {
    if (running == nullptr) return;
    if (!InterruptionRequested()) RequestInterruption(SIGTERM);
    running->RemoveFilesNow();
}

ConversionRun::ConversionRun(const JobSettings& settings, FileSystem& files, ConversionReporter& reporter)
    : settings_(settings), files_(files), reporter_(reporter), paths_(JobPaths::From(settings)), progress_(reporter) {
    if (reporter.WantsProblems()) problems_.emplace(reporter);
}

ConversionRun::~ConversionRun() { ReleaseFolders(); }

// Memory runs out on a source of unusual shape (a line of hundreds of
// megabytes, millions of parts) under a limit; that ends the run like any
// failure.
Outcome ConversionRun::Run() {
    const RunningScope scope(*this);
    try {
        return Convert();
    } catch (const std::bad_alloc&) {
        failure_ = {Failure::Operation::OutOfMemory, paths_.source, {}};
        return Fail();
    }
}

Outcome ConversionRun::Convert() {
    Outcome outcome;
    if (!PlanFolders() || !OpenFolders() || !LockFolders() || !CreateFiles() || !JoinPass() ||
        !MainPass(outcome.counts)) {
        return Fail();
    }
    RemoveTemporaryFiles();
    ReleaseFolders();
    return outcome;
}

// A device or a pipe (standard output among them) has no folder of its own
// for the temporary files: they go into a private folder made for the run.
bool ConversionRun::PlanFolders() {
    if (settings_.TargetIsStandardOutput) {
        plan_.kind = TargetPlan::Kind::Stream;
    } else {
        if (!CheckTargetFolder()) return false;
        plan_ = files_.PlanTarget(paths_.target);
    }
    workFolder_ = settings_.TargetPath;
    if (plan_.kind != TargetPlan::Kind::Stream) return true;
    FileReason error;
    const auto folder = files_.MakePrivateFolder(error);
    if (!folder) return WriteFailed(paths_.joined, error);
    workFolder_ = privateFolder_ = *folder;
    paths_.PutTemporaryFilesIn(workFolder_, settings_);
    return true;
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

bool ConversionRun::OpenFolders() {
    FileReason error;
    work_ = files_.OpenFolder(workFolder_, error);
    if (!work_) return WriteFailed(paths_.joined, error);
    if (plan_.kind != TargetPlan::Kind::Replace || plan_.folder == workFolder_) return true;
    beside_ = files_.OpenFolder(plan_.folder, error);
    if (!beside_) return WriteFailed(paths_.target, error);
    if (beside_->Identity() == work_->Identity()) beside_.reset();
    return true;
}

// Two folders are locked in the order of their identities, whichever is the
// target's, so that two runs that each write in both cannot wait for each
// other.
bool ConversionRun::LockFolders() {
    if (!beside_) return Lock(*work_, workFolder_, joined_);
    if (work_->Identity() < beside_->Identity()) {
        return Lock(*work_, workFolder_, joined_) && Lock(*beside_, plan_.folder, besideLock_);
    }
    return Lock(*beside_, plan_.folder, besideLock_) && Lock(*work_, workFolder_, joined_);
}

// Another conversion into the same folder is waited for or told at once, and
// touches nothing; leftovers of a run that died are taken over.
bool ConversionRun::Lock(WorkFolder& folder, const std::string& shownFolder, std::unique_ptr<WritableFile>& lock) {
    const std::string& name = settings_.JoinedFileName;
    LockAttempt attempt = folder.Lock(name, false);
    if (attempt.result == LockAttempt::Result::Busy && settings_.WaitForOtherConversion) {
        reporter_.Waiting(shownFolder);
        attempt = folder.Lock(name, true);
    }
    switch (attempt.result) {
        case LockAttempt::Result::Acquired:
            lock = std::move(attempt.file);
            return true;
        case LockAttempt::Result::Busy:
            return Failed(Failure::Operation::Busy, shownFolder + name, {});
        case LockAttempt::Result::Unusable:
            return Failed(Failure::Operation::Unusable, shownFolder + name, attempt.error);
        case LockAttempt::Result::Failed:
            break;
    }
    return WriteFailed(shownFolder + name, attempt.error);
}

// Made before anything is written, so that a name taken by a link, a folder
// or another user's file stops the run before it writes anything.
bool ConversionRun::CreateFiles() {
    if (plan_.kind == TargetPlan::Kind::Replace) {
        Creation made = TargetFolder().Create(settings_.NewTargetFileName);
        if (made.unusable) return Failed(Failure::Operation::Unusable, NewTargetPath(), made.error);
        if (!made.file) return WriteFailed(paths_.target, made.error);
        target_ = std::move(made.file);
        targetCreated_ = true;
    }
    Creation spool = work_->Create(settings_.SpoolFileName);
    if (spool.unusable) return Failed(Failure::Operation::Unusable, paths_.spool, spool.error);
    if (!spool.file) return WriteFailed(paths_.spool, spool.error);
    spool_ = std::move(spool.file);
    return true;
}

bool ConversionRun::JoinPass() {
    const auto source = settings_.SourceIsStandardInput ? files_.StandardInput() : files_.OpenForReading(paths_.source);
    if (source->Failed()) return ReadFailed(paths_.source, source->Error());
    if (!joined_->Truncate()) return WriteFailed(paths_.joined, joined_->Error());
    progress_.Show(ProgressStep::Stage::Initializing);
    std::optional<TeeSource> tee;
    if (problems_) tee.emplace(*source, *problems_);
    LineReader reader(tee ? static_cast<ByteSource&>(*tee) : *source);
    LineWriter joined(*joined_);
    linesOutsideSignals_ = JoinSignals(reader, joined);
    if (source->Failed()) return ReadFailed(paths_.source, source->Error());
    if (!joined.Flush()) return WriteFailed(paths_.joined, joined_->Error());
    return true;
}

bool ConversionRun::MainPass(Counts& counts) {
    const auto joinedFile = joined_->ReadBack();
    if (joinedFile->Failed()) return ReadFailed(paths_.joined, joinedFile->Error());
    if (!OpenTarget()) return false;
    progress_.Show(ProgressStep::Stage::Converting);

    CrLfLineReader joined(*joinedFile);
    LineWriter target(*target_);
    LineWriter spool(*spool_);
    ProblemSink* problems = problems_ ? &*problems_ : nullptr;
    brisel::MainPass pass(reporter_, problems, settings_.AppVersion, progress_, {joined, target, spool},
                          settings_.PinMap.get());
    pass.ExpectPartsAtMost(linesOutsideSignals_);
    pass.Run();
    if (joinedFile->Failed()) return ReadFailed(paths_.joined, joinedFile->Error());
    if (!spool.Flush()) return WriteFailed(paths_.spool, spool_->Error());
    if (target.Failed()) return WriteFailed(paths_.target, target_->Error());
    counts = {pass.LineCount(), pass.PartCount(), pass.NetCount(), pass.ConnectionCount()};

    pass.ReportMissingSections();
    ReportEndOfRunWarnings(reporter_, pass.Findings(), pass.Facts());
    WriteConnectionTableHeader(target);
    return CopyConnections(target, counts) && CloseTarget(target);
}

// A target that a new file replaces was made before the joining pass; any
// other is opened only now, so that a failed joining pass leaves it alone.
bool ConversionRun::OpenTarget() {
    if (target_) return true;
    target_ = settings_.TargetIsStandardOutput ? files_.StandardOutput() : files_.OpenForWriting(paths_.target);
    if (target_->Failed()) return WriteFailed(paths_.target, target_->Error());
    targetCreated_ = true;
    return true;
}

// The spool holds only rows this run wrote, each ended by CR LF, so it is
// copied in blocks and its rows are counted by their line feeds. A block
// larger than the target's buffer goes to the file without a copy.
bool ConversionRun::CopyConnections(LineWriter& target, const Counts& counts) {
    const auto spool = spool_->ReadBack();
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
    const bool replacing = plan_.kind == TargetPlan::Kind::Replace;
    if (!target.Flush() || (replacing && !target_->Sync())) return WriteFailed(paths_.target, target_->Error());
    if (!replacing) {
        if (!target_->Close()) return WriteFailed(paths_.target, target_->Error());
        targetCreated_ = false;
        return true;
    }
    if (files_.Interrupted()) return WriteFailed(paths_.target, {});
    if (!ReplaceTarget()) return false;
    targetCreated_ = false;
    return true;
}

bool ConversionRun::ReplaceTarget() {
    FileReason error;
    bool unusable = false;
    if (TargetFolder().Replace(*target_, settings_.NewTargetFileName, plan_.name, error, unusable)) return true;
    if (unusable) return Failed(Failure::Operation::Unusable, NewTargetPath(), error);
    return WriteFailed(paths_.target, error);
}

bool ConversionRun::Failed(Failure::Operation operation, const std::string& path, const FileReason& reason) {
    failure_ = {operation, path, reason};
    return false;
}

bool ConversionRun::ReadFailed(const std::string& path, const FileReason& reason) {
    return Failed(Failure::Operation::Read, path, reason);
}

bool ConversionRun::WriteFailed(const std::string& path, const FileReason& reason) {
    return Failed(Failure::Operation::Write, path, reason);
}

Outcome ConversionRun::Fail() {
    if (files_.Interrupted()) failure_ = {Failure::Operation::Interrupted, {}, {}};
    RemovePartialTarget();
    RemoveTemporaryFiles();
    ReleaseFolders();
    Outcome outcome;
    outcome.result = ConversionResult::Failed;
    outcome.failure = failure_;
    return outcome;
}

// The new target goes, leaving the old one. A target written in place was
// there before: a plain file (with every name it has) is emptied rather than
// left half written; a device such as /dev/null stays, and so does standard
// output, which may be a file the shell appends to.
void ConversionRun::RemovePartialTarget() {
    if (!target_) return;
    UndoPartialTarget();
    target_->Close();
    target_.reset();
}

void ConversionRun::UndoPartialTarget() {
    if (targetCreated_ && plan_.kind == TargetPlan::Kind::Replace) {
        TargetFolder().Remove(settings_.NewTargetFileName, *target_);
    } else if (targetCreated_ && target_->IsRegularFile() && !settings_.TargetIsStandardOutput) {
        target_->Truncate();
    }
}

void ConversionRun::RemoveTemporaryFiles() {
    RemoveTemporaryNames();
    spool_.reset();
}

// The spool first, then the joined copy; only those this run made, and
// only while their names are still theirs.
void ConversionRun::RemoveTemporaryNames() {
    if (spool_) work_->Remove(settings_.SpoolFileName, *spool_);
    if (joined_) work_->Remove(settings_.JoinedFileName, *joined_);
    if (besideLock_) beside_->Remove(settings_.JoinedFileName, *besideLock_);
}

// The files stay open, for the run's own clean-up should it go on; a private
// folder goes once its files are gone (on Windows, once they are closed).
void ConversionRun::RemoveFilesNow() {
    if (target_) UndoPartialTarget();
    RemoveTemporaryNames();
    if (!privateFolder_.empty()) files_.RemoveFolder(privateFolder_);
}

// Closing the joined copies lets the folders' locks go.
void ConversionRun::ReleaseFolders() {
    target_.reset();
    spool_.reset();
    joined_.reset();
    besideLock_.reset();
    work_.reset();
    beside_.reset();
    if (!privateFolder_.empty()) files_.RemoveFolder(privateFolder_);
    privateFolder_.clear();
}

}  // namespace brisel
