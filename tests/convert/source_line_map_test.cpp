// The source lines of problems come from the bytes the joining pass read,
// however the reads split them: a pipe hands them over in pieces, and a CR LF
// may be cut in two.

#include <gtest/gtest.h>

#include <algorithm>

#include "conversion_fixture.h"
#include "tests/support/memory_file_system.h"
#include "tests/support/text_files.h"

namespace brisel::test {
namespace {

// Reads the source at most `block` bytes at a time.
class Trickling : public MemoryFileSystem {
public:
    explicit Trickling(std::size_t block) : block_(block) {}
    std::unique_ptr<ReadableFile> OpenForReading(const std::string& path) override {
        return std::make_unique<Piecewise>(MemoryFileSystem::OpenForReading(path), block_);
    }

private:
    class Piecewise : public ReadableFile {
    public:
        Piecewise(std::unique_ptr<ReadableFile> file, std::size_t block) : file_(std::move(file)), block_(block) {}
        std::size_t Read(char* data, std::size_t size) override { return file_->Read(data, std::min(size, block_)); }
        bool Failed() const override { return file_->Failed(); }
        FileReason Error() const override { return file_->Error(); }

    private:
        std::unique_ptr<ReadableFile> file_;
        std::size_t block_;
    };
    std::size_t block_;
};

class PlacesRecorder : public ConversionReporter {
public:
    void Progress(const ProgressStep&) override {}
    void Warning(RunWarning) override {}
    bool WantsProblems() const override { return true; }
    void ProblemFound(const Problem& problem) override { lines.push_back(problem.sourceLine); }
    void Finished(const Outcome&) override {}
    std::vector<std::int64_t> lines;
};

std::vector<std::int64_t> SourceLines(const std::string& source, std::size_t block) {
    Trickling files(block);
    files.Put("mem/board.net", source);
    PlacesRecorder places;
    ConvertNetlist({"mem/", "board.net", "mem/", "out.net"}, files, places);
    return places.lines;
}

TEST(SourceLineMap, PiecesOfAnySizeGiveThePlacesOfTheWholeSource) {
    for (const char* name : {"every_problem.net", "lf_problems.net"}) {
        const std::string source = TestData(name);
        const std::vector<std::int64_t> whole = SourceLines(source, source.size() + 1);
        ASSERT_FALSE(whole.empty()) << name;
        for (const std::size_t block : {1, 2, 3, 7, 64}) EXPECT_EQ(SourceLines(source, block), whole) << name << block;
    }
}

// A CR at the end of one piece and its LF at the start of the next end one
// line, not two.
TEST(SourceLineMap, ACarriageReturnAndLineFeedSplitBetweenPiecesEndOneLine) {
    const std::string source = "*PADS-PCB*\r\n*PART*\r\nU1 x\r\n\r\n*NET*\r\n*SIGNAL* A\r\nU1.1\r\nQ9.1\r\n*END*\r\n";
    EXPECT_EQ(SourceLines(source, 1), (std::vector<std::int64_t>{8}));
    EXPECT_EQ(SourceLines(source, 2), (std::vector<std::int64_t>{8}));
}

}  // namespace
}  // namespace brisel::test
