#include "convert/line_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "convert/joining_pass.h"
#include "convert/line_feeds.h"
#include "convert/line_writer.h"

namespace brisel {
namespace {

using Strings = std::vector<std::string>;

template <typename Reader = LineReader>
Strings ReadAll(const std::string& bytes, std::size_t bufferSize) {
    StringSource source(bytes);
    Reader reader(source, bufferSize);
    Strings lines;
    std::string_view line;
    while (reader.Next(line)) {
        lines.emplace_back(line);
        EXPECT_EQ(line.data()[line.size()], LineReader::kAfterLine) << "after line " << lines.size();
    }
    return lines;
}

struct LineCase {
    const char* why;
    std::string bytes;
    Strings lines;
};

// clang-format off
const LineCase kLineCases[] = {
    {"CR LF",                        "a\r\nb\r\n",       {"a", "b"}},
    {"lone LF, as most tools write", "a\nb\n",           {"a", "b"}},
    {"CR alone",                     "a\rb\r",           {"a", "b"}},
    {"mixed, with empty lines",      "a\r\n\nb\r\rc\n",  {"a", "", "b", "", "c"}},
    {"LF CR is two line ends",       "a\n\rb",           {"a", "", "b"}},
    {"last line without line end",   "a\r\nlast",        {"a", "last"}},
    {"empty file has no line",       "",                 {}},
    {"a lone line end is one empty line", "\r\n",        {""}},
    {"NUL and high bytes are text",  std::string("x\0\xff\n", 4), {std::string("x\0\xff", 3)}},
};
// clang-format on

TEST(LineReader, SplitsAtEveryKindOfLineEndWhateverTheBufferSize) {
    for (const auto& c : kLineCases) {
        for (std::size_t size : {1u, 2u, 3u, 7u, 4096u}) {
            EXPECT_EQ(ReadAll(c.bytes, size), c.lines) << c.why << ", buffer " << size;
        }
    }
}

// Lines of every length up to 140, so that each kind of line end falls at
// every place of a 64-byte block of line-end marks and of the buffer, and
// lines span one, two and three blocks.
TEST(LineReader, FindsEveryLineEndAtEveryPlace) {
    const char* ends[] = {"\n", "\r\n", "\r"};
    std::string bytes;
    Strings lines;
    for (std::size_t length = 0; length <= 140; ++length) {
        for (const char* end : ends) {
            lines.push_back(std::string(length, 'x'));
            bytes += lines.back() + end;
        }
    }
    for (std::size_t size : {1u, 16u, 17u, 63u, 64u, 65u, 200u, 4096u}) {
        EXPECT_EQ(ReadAll(bytes, size), lines) << "buffer " << size;
    }
}

// Rows are counted 64 bytes a step in runs of up to 63 steps: every size
// around those, with line feeds anywhere, up to one in every byte.
TEST(LineFeeds, CountsEveryLineFeedOfEverySize) {
    std::uint64_t state = 7;
    const auto random = [&state] { return (state = state * 6364136223846793005ull + 1442695040888963407ull) >> 33; };
    for (const std::size_t size : {0u, 1u, 15u, 16u, 63u, 64u, 65u, 4031u, 4032u, 4033u, 9000u, 100000u}) {
        for (const unsigned everyNth : {1u, 2u, 7u, 40u}) {
            std::string bytes(size, 'x');
            for (char& c : bytes) {
                if (random() % everyNth == 0) c = '\n';
            }
            EXPECT_EQ(CountLineFeeds(bytes.data(), bytes.size()), std::count(bytes.begin(), bytes.end(), '\n'))
                << size << " bytes, every " << everyNth;
        }
    }
}

// The joined copy's reader: only an LF ends a line, and the CR right
// before it goes with it, also where a buffer ends between them.
// clang-format off
const LineCase kCrLfCases[] = {
    {"CR LF",                        "a\r\nb\r\n",       {"a", "b"}},
    {"empty lines",                  "\r\n\r\na\r\n\r\n", {"", "", "a", ""}},
    {"a lone LF ends a line too",    "a\n\nb\r\n",       {"a", "", "b"}},
    {"a lone CR is text",            "a\rb\r\r\n",       {"a\rb\r"}},
    {"last line without line end",   "a\r\nlast\r",     {"a", "last\r"}},
    {"empty file has no line",       "",                 {}},
};
// clang-format on

TEST(CrLfLineReader, SplitsAtLineFeedsWhateverTheBufferSize) {
    for (const auto& c : kCrLfCases) {
        for (std::size_t size : {1u, 2u, 3u, 7u, 4096u}) {
            EXPECT_EQ(ReadAll<CrLfLineReader>(c.bytes, size), c.lines) << c.why << ", buffer " << size;
        }
    }
}

// What the joining pass writes, read as the general reader reads it: lines
// of every length up to 140, their CR LF at every place of a block of marks
// and of the buffer.
TEST(CrLfLineReader, ReadsCrLfTextAsTheGeneralReaderDoes) {
    std::string bytes;
    Strings lines;
    for (std::size_t length = 0; length <= 140; ++length) {
        lines.push_back(std::string(length, 'x'));
        bytes += lines.back() + "\r\n";
    }
    for (std::size_t size : {1u, 2u, 16u, 17u, 63u, 64u, 65u, 200u, 4096u}) {
        EXPECT_EQ(ReadAll<CrLfLineReader>(bytes, size), lines) << "buffer " << size;
        EXPECT_EQ(ReadAll(bytes, size), lines) << "buffer " << size;
    }
}

// A line read inside the buffer leaves the line before it as it was; a
// false answer reads nothing, and Next then reads the same line.
TEST(CrLfLineReader, NextInBufferKeepsTheLineBefore) {
    std::string bytes;
    Strings lines;
    for (std::size_t length = 0; length <= 40; ++length) {
        lines.push_back(std::string(length, static_cast<char>('a' + length % 26)));
        bytes += lines.back() + "\r\n";
    }
    for (std::size_t size : {1u, 7u, 16u, 64u, 4096u}) {
        StringSource source(bytes);
        CrLfLineReader reader(source, size);
        Strings read;
        std::string_view before, line;
        for (;;) {
            if (reader.NextInBuffer(line)) {
                if (!read.empty()) EXPECT_EQ(before, read.back()) << "buffer " << size << ", line " << read.size();
            } else if (!reader.Next(line)) {
                break;
            }
            read.emplace_back(line);
            before = line;
        }
        EXPECT_EQ(read, lines) << "buffer " << size;
    }
}

TEST(LineReader, LinesLongerThanTheBuffer) {
    const std::string longLine(100000, 'x');
    EXPECT_EQ(ReadAll(longLine + "\r\n" + longLine, 64), (Strings{longLine, longLine}));
    EXPECT_EQ(ReadAll<CrLfLineReader>(longLine + "\r\n" + longLine + "\r\n", 64), (Strings{longLine, longLine}));
}

// A source that hands out its bytes in reads of the sizes given, in turn,
// as a pipe does: a buffer is then filled only in part, after a read that
// filled more of it.
class ShortReads : public ByteSource {
public:
    ShortReads(std::string text, std::vector<std::size_t> sizes) : text_(std::move(text)), sizes_(std::move(sizes)) {}
    std::size_t Read(char* data, std::size_t size) override {
        const std::size_t n = std::min({size, sizes_[reads_++ % sizes_.size()], text_.size() - at_});
        std::copy_n(text_.data() + at_, n, data);
        at_ += n;
        return n;
    }
    bool Failed() const override { return false; }
    FileReason Error() const override { return {}; }

private:
    std::string text_;
    std::vector<std::size_t> sizes_;
    std::size_t at_ = 0;
    std::size_t reads_ = 0;
};

// The line ends of a longer read before must not end a line of a shorter
// one: a line that runs on past a read's end goes on in the next read.
TEST(LineReader, ShortReadsAfterLongerOnes) {
    std::string bytes;
    Strings lines;
    for (std::size_t length = 0; length <= 70; ++length) {
        lines.push_back(std::string(length, 'a' + static_cast<char>(length % 26)));
        bytes += lines.back() + "\r\n";
    }
    for (const std::vector<std::size_t>& sizes :
         std::vector<std::vector<std::size_t>>{{200, 1}, {200, 63}, {200, 64}, {200, 65}, {130, 5, 64}, {1000, 3}}) {
        ShortReads general(bytes, sizes), crlf(bytes, sizes);
        LineReader generalReader(general, 256);
        CrLfLineReader crlfReader(crlf, 256);
        Strings generalLines, crlfLines;
        std::string_view line;
        while (generalReader.Next(line)) generalLines.emplace_back(line);
        while (crlfReader.Next(line)) crlfLines.emplace_back(line);
        EXPECT_EQ(generalLines, lines) << "reads of " << sizes[0] << ", " << sizes[1];
        EXPECT_EQ(crlfLines, lines) << "reads of " << sizes[0] << ", " << sizes[1];
    }
}

struct Joined {
    std::string text;
    std::int64_t linesOutsideSignals = 0;
};

Joined Join(const Strings& lines) {
    std::string bytes;
    for (const auto& l : lines) bytes += l + "\n";
    StringSource source(bytes);
    LineReader reader(source);
    StringSink sink;
    Joined joined;
    {
        LineWriter writer(sink, 8);
        joined.linesOutsideSignals = JoinSignals(reader, writer);
    }
    joined.text = sink.Text();
    return joined;
}

struct JoinCase {
    const char* why;
    Strings source;
    std::string joined;
    std::int64_t linesOutsideSignals;  // neither a signal header nor its references
};

// clang-format off
const JoinCase kJoinCases[] = {
    {"reference lines become one line",
     {"*SIGNAL* GND", "C1.1 C2.1", "U1.7", "*END*"}, "*SIGNAL* GND\r\nC1.1 C2.1 U1.7\r\n*END*\r\n", 1},
    {"leading spaces go only at the start of the whole text",
     {"*SIGNAL* A", "  C1.1", "  U1.7", "*END*"}, "*SIGNAL* A\r\nC1.1   U1.7\r\n*END*\r\n", 1},
    {"an empty reference line adds one space",
     {"*SIGNAL* A", "C1.1", "", "U1.7", "*END*"}, "*SIGNAL* A\r\nC1.1  U1.7\r\n*END*\r\n", 1},
    {"a header followed by a keyword line gets an empty line",
     {"*SIGNAL* A", "*SIGNAL* B", "*END*"}, "*SIGNAL* A\r\n\r\n*SIGNAL* B\r\n\r\n*END*\r\n", 1},
    {"lines outside signals are copied, blank ones too",
     {"*PADS-PCB*", "*PART*", "", "C1 1u", "*NET*"}, "*PADS-PCB*\r\n*PART*\r\n\r\nC1 1u\r\n*NET*\r\n", 5},
    {"lower case and the short form start signals",
     {"*signal* a", "X.1", "Y.1", "*sig* b", "Z.1", "W.1"}, "*signal* a\r\nX.1 Y.1\r\n*sig* b\r\nZ.1 W.1\r\n", 0},
    {"a signal at the end keeps its references; an empty one gets an empty line",
     {"*SIGNAL* A"}, "*SIGNAL* A\r\n\r\n", 0},
    {"lines of spaces before any reference add nothing",
     {"*SIGNAL* A", "   ", "", "C1.1", "*END*"}, "*SIGNAL* A\r\nC1.1\r\n*END*\r\n", 1},
    {"trailing spaces stay",
     {"*SIGNAL* A", "C1.1  ", "*END*"}, "*SIGNAL* A\r\nC1.1  \r\n*END*\r\n", 1},
    {"part lines are lines outside the signals",
     {"*PART*", "C1 1u", "R1 1k", "*NET*", "*SIGNAL* A", "C1.1", "*SIGNAL* B", "R1.1", "*END*"},
     "*PART*\r\nC1 1u\r\nR1 1k\r\n*NET*\r\n*SIGNAL* A\r\nC1.1\r\n*SIGNAL* B\r\nR1.1\r\n*END*\r\n", 5},
};
// clang-format on

TEST(JoiningPass, JoinsEachSignalsReferences) {
    for (const auto& c : kJoinCases) {
        const Joined joined = Join(c.source);
        EXPECT_EQ(joined.text, c.joined) << c.why;
        EXPECT_EQ(joined.linesOutsideSignals, c.linesOutsideSignals) << c.why;
    }
}

}  // namespace
}  // namespace brisel
