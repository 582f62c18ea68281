#pragma once
// Each occurrence of a problem in the source, for callers that want to tell
// the user exactly where it stands. The warnings say only that a kind of
// problem occurred; a ProblemSink hears of every occurrence.

#include <cstdint>
#include <string>
#include <string_view>

namespace brisel {

enum class ProblemKind {
    UnsupportedFormat,
    EmptyName,
    LongName,
    UnexpectedCharacter,
    BadPin,
    UnknownPart,
    NothingToRepeat,
    NoPartSection,
    NoNetSection,
    MappedPin,  // a note, not a problem: the pin map gave a pin its number
};
inline constexpr int kProblemKindCount = 10;

// The longest name the target takes.
inline constexpr std::size_t kLongestName = 249;

// What the kind is called in summaries: "unexpected character".
std::string ProblemKindName(ProblemKind kind);

// A pin the pin map gave a number: the pin and its part as the source names
// them, the number written, and the line of the map's rule.
struct PinMapping {
    std::string pin;
    std::string partId;
    std::string number;
    std::int64_t mapLine = 0;
};

struct Problem {
    ProblemKind kind;
    // Where: a line of the joined copy (0 for problems of the whole file) and
    // the byte in it where the offending text starts.
    std::int64_t joinedLine = 0;
    std::size_t offset = 0;
    std::int64_t sourceLine = 0;  // the line an editor shows; 0 for the whole file
    std::string text;             // "pin \"A1\" of part \"U3\" is not a plain positive number"
    PinMapping mapping;           // for ProblemKind::MappedPin, which has no text
};

class ProblemSink {
public:
    virtual ~ProblemSink() = default;
    virtual void Report(const Problem& problem) = 0;
};

// Text quoted for a problem text: control and non-ASCII bytes as \xNN, a double
// quote as \", and at most 60 characters with "..." after them.
std::string Quote(std::string_view text);

}  // namespace brisel
