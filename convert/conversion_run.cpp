#include "convert/conversion_run.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "convert/joining_pass.h"
#include "convert/line_reader.h"
#include "convert/line_writer.h"
#include "convert/main_pass.h"
#include "convert/messages.h"
#include "convert/netlist_layout.h"

namespace brisel {

namespace fs = std::filesystem;

ConversionRun::ConversionRun(ConversionHost& host, JobPaths paths)
    : host_(host), paths_(std::move(paths)), progress_(host) {}

ConversionResult ConversionRun::Run() {
    Totals totals;
    if (!LockTemporaryFiles() || !JoinPass() || !MainPass(totals)) return Fail();
    RemoveTemporaryFiles();
    lock_.Release();
    ShowSummary(totals);
    return ConversionResult::Completed;
}

// Another conversion into the same folder is told at once and touches
// nothing; leftovers of a run that died are taken over.
bool ConversionRun::LockTemporaryFiles() {
    switch (lock_.Acquire(paths_.joined)) {
        case RunLock::Result::Acquired:
            joinedCreated_ = true;
            return true;
        case RunLock::Result::Busy:
            failure_ = "Another conversion is using the temporary file '" + paths_.joined + "' at the moment." +
                       messages::kLineBreak + "Please wait until it has finished, then try again.";
            return false;
        case RunLock::Result::Failed:
            break;
    }
    return WriteFailed(paths_.joined, lock_.Error());
}

bool ConversionRun::JoinPass() {
    FileSource source;
    if (!source.Open(paths_.source)) return ReadFailed(paths_.source, source.Error());
    FileSink joinedFile;
    if (!joinedFile.Open(paths_.joined)) return WriteFailed(paths_.joined, joinedFile.Error());
    progress_.Show("Initializing...");
    LineReader reader(source);
    LineWriter joined(joinedFile);
    JoinSignals(reader, joined);
    if (source.Failed()) return ReadFailed(paths_.source, source.Error());
    if (!joined.Flush() || !joinedFile.Close()) return WriteFailed(paths_.joined, joinedFile.Error());
    return true;
}

bool ConversionRun::MainPass(Totals& totals) {
    FileSource joinedFile;
    if (!joinedFile.Open(paths_.joined)) return ReadFailed(paths_.joined, joinedFile.Error());
    if (!target_.Open(paths_.target)) return WriteFailed(paths_.target, target_.Error());
    targetCreated_ = true;
    FileSink spoolFile;
    if (!spoolFile.Open(paths_.spool)) return WriteFailed(paths_.spool, spoolFile.Error());
    spoolCreated_ = true;
    progress_.Show("Converting...");

    LineReader joined(joinedFile);
    LineWriter target(target_);
    LineWriter spool(spoolFile);
    brisel::MainPass pass(host_, progress_, joined, target, spool);
    pass.Run();
    if (joinedFile.Failed()) return ReadFailed(paths_.joined, joinedFile.Error());
    if (!spool.Flush() || !spoolFile.Close()) return WriteFailed(paths_.spool, spoolFile.Error());
    if (target.Failed()) return WriteFailed(paths_.target, target_.Error());
    totals = {pass.LineCount(), pass.PartCount(), pass.NetCount(), pass.ConnectionCount()};

    pass.ReportMissingSections();
    ShowEndOfRunWarnings(host_, host_.Flags(), pass.Facts());
    WriteConnectionTableHeader(target);
    return CopyConnections(target, totals) && CloseTarget(target);
}

namespace {

// Counted into one byte for up to 255 bytes at a time, which the compiler
// turns into a loop over 16 or 32 bytes per step.
std::int64_t CountLineFeeds(const char* data, std::size_t size) {
    std::int64_t count = 0;
    for (std::size_t start = 0; start < size; start += 255) {
        const std::size_t stop = std::min(size, start + 255);
        std::uint8_t inChunk = 0;
        for (std::size_t i = start; i < stop; ++i) inChunk = static_cast<std::uint8_t>(inChunk + (data[i] == '\n'));
        count += inChunk;
    }
    return count;
}

}  // namespace

// The spool holds only rows this run wrote, each ended by CR LF, so it is
// copied in blocks and its rows are counted by their line feeds.
bool ConversionRun::CopyConnections(LineWriter& target, const Totals& totals) {
    FileSource spool;
    if (!spool.Open(paths_.spool)) return ReadFailed(paths_.spool, spool.Error());
    const std::int64_t total = totals.lines + totals.connections;
    std::int64_t copied = 0;
    std::vector<char> block(1 << 18);
    while (const std::size_t size = spool.Read(block.data(), block.size())) {
        target.Write(std::string_view(block.data(), size));
        if (target.Failed()) return WriteFailed(paths_.target, target_.Error());
        for (std::int64_t rows = CountLineFeeds(block.data(), size); rows > 0; --rows) {
            progress_.ShowPercent(totals.lines + ++copied, total);
        }
    }
    if (spool.Failed()) return ReadFailed(paths_.spool, spool.Error());
    return true;
}

bool ConversionRun::CloseTarget(LineWriter& target) {
    if (!target.Flush() || !target_.Close()) return WriteFailed(paths_.target, target_.Error());
    return true;
}

bool ConversionRun::ReadFailed(const std::string& path, const std::string& reason) {
    failure_ = "The file '" + path + "' could not be read: " + reason + ".";
    return false;
}

bool ConversionRun::WriteFailed(const std::string& path, const std::string& reason) {
    failure_ = "The file '" + path + "' could not be written: " + reason + ".";
    return false;
}

ConversionResult ConversionRun::Fail() {
    target_.Close();
    RemoveTemporaryFiles();
    lock_.Release();
    RemovePartialTarget();
    host_.Beep();
    host_.ShowMessage(*failure_ + messages::kLineBreak + "The new netlist was not created.",
                      messages::kConversionErrorTitle, IconKind::Error);
    return ConversionResult::Failed;
}

// The spool first, then the joined copy; only those this run wrote.
void ConversionRun::RemoveTemporaryFiles() {
    std::error_code ignored;
    if (spoolCreated_) fs::remove(fs::path(paths_.spool), ignored);
    if (joinedCreated_) fs::remove(fs::path(paths_.joined), ignored);
}

// Only a plain file that this conversion wrote goes; a device such as
// /dev/null stays, and a link keeps pointing at its file, emptied.
void ConversionRun::RemovePartialTarget() {
    if (!targetCreated_ || !target_.IsRegularFile()) return;
    std::error_code ignored;
    const fs::path target(paths_.target);
    if (fs::is_symlink(target, ignored)) {
        fs::resize_file(target, 0, ignored);
    } else {
        fs::remove(target, ignored);
    }
}

void ConversionRun::ShowSummary(const Totals& totals) {
    const std::string text = "The new netlist file '" + host_.Settings().TargetFile + "' has been created." +
                             messages::kLineBreak + "The netlist contained: " + std::to_string(totals.lines) +
                             " Lines, " + std::to_string(totals.parts) + " Parts, " + std::to_string(totals.nets) +
                             " Nets, and " + std::to_string(totals.connections) + " Connections.";
    host_.ShowMessage(text, messages::kCompleteTitle, IconKind::Information);
}

}  // namespace brisel
