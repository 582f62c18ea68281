#pragma once
// Each occurrence of a problem in the source, for callers that want to tell
// the user exactly where it stands. The warnings say only that a kind of
// problem occurred; a ProblemSink hears of every occurrence.

#include <cstddef>
#include <cstdint>
#include <string>

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

// A pin the pin map gave a number: the pin and its part as the source names
// them, the number written, and the line of the map's rule.
struct PinMapping {
    std::string pin;
    std::string partId;
    std::string number;
    std::int64_t mapLine = 0;
};

// What a name that a problem is about names.
enum class NameRole { PartId, PartName, NetName };

// An occurrence: its kind, where it stands, and the texts of the source it
// involves, as the source has them. Which texts a kind fills:
//   UnsupportedFormat: `token`, the first line.
//   EmptyName, LongName, UnexpectedCharacter: `role` and `name`; `token` when
//     the name is the part ID of a pin reference; UnexpectedCharacter also
//     `byte`, the first byte the target does not take.
//   BadPin: `name`, the part ID before the reference's first full stop, and
//     `pin`, what follows it.
//   UnknownPart: `token` and `name`, the part ID it names (that of the
//     reference before it when the token has no full stop).
//   NothingToRepeat: `token` and `name`, the net's name.
//   NoPartSection, NoNetSection: nothing.
//   MappedPin: `mapping`.
struct Problem {
    ProblemKind kind;
    // Where: a line of the joined copy (0 for problems of the whole file) and
    // the byte in it where the offending text starts.
    std::int64_t joinedLine = 0;
    std::size_t offset = 0;
    std::int64_t sourceLine = 0;  // the line an editor shows; 0 for the whole file
    NameRole role = NameRole::PartId;
    std::string name;
    std::string token;
    std::string pin;
    unsigned char byte = 0;
    PinMapping mapping;
};

class ProblemSink {
public:
    virtual ~ProblemSink() = default;
    virtual void Report(const Problem& problem) = 0;
};

}  // namespace brisel
