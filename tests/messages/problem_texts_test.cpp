#include "messages/problem_texts.h"

#include <gtest/gtest.h>

namespace brisel::messages {
namespace {

struct Texts {
    NameRole role = NameRole::PartId;
    std::string name = {}, token = {}, pin = {};
    unsigned char byte = 0;
};

Problem Of(ProblemKind kind, const Texts& texts) {
    Problem problem{};
    problem.kind = kind;
    problem.role = texts.role;
    problem.name = texts.name;
    problem.token = texts.token;
    problem.pin = texts.pin;
    problem.byte = texts.byte;
    return problem;
}

TEST(ProblemText, EachKindFromTheTextsItInvolves) {
    struct Case {
        ProblemKind kind;
        Texts texts;
        std::string text;
    };
    using enum ProblemKind;
    const std::string longName(250, 'R');
    const Case cases[] = {
        {UnsupportedFormat, {.token = "!PADS-2000!"}, "the first line \"!PADS-2000!\" names no supported format"},
        {EmptyName, {.role = NameRole::PartName}, "part name \"\" is empty"},
        {EmptyName, {.role = NameRole::NetName}, "net name \"\" is empty"},
        {EmptyName, {.token = ".3"}, "part ID \"\" of pin reference \".3\" is empty"},
        {LongName,
         {.role = NameRole::NetName, .name = longName},
         "net name \"" + std::string(60, 'R') + "...\" has 250 characters; 249 is the most"},
        {LongName,
         {.name = longName, .token = longName + ".1"},
         "part ID \"" + std::string(60, 'R') + "...\" has 250 characters; 249 is the most"},
        {UnexpectedCharacter,
         {.name = "U\t1", .byte = '\t'},
         "part ID \"U\\x091\" holds the unexpected character 0x09"},
        {UnexpectedCharacter,
         {.role = NameRole::PartName, .name = "R\xe9s", .byte = 0xe9},
         "part name \"R\\xE9s\" holds the unexpected character 0xE9"},
        {BadPin, {.name = "U3", .pin = "A1"}, "pin \"A1\" of part \"U3\" is not a plain positive number"},
        {BadPin, {.name = "U3", .pin = "1.2"}, "pin \"1.2\" of part \"U3\" is not a plain positive number"},
        {UnknownPart,
         {.name = "Q9", .token = "Q9.1"},
         "pin reference \"Q9.1\" names part \"Q9\", which is not in the part list; it was left out"},
        {UnknownPart,
         {.name = "Q9", .token = "D4"},
         "the token \"D4\" has no full stop, so it repeats the part of the reference before it, \"Q9\", which is "
         "not in the part list; it was left out"},
        {NothingToRepeat,
         {.role = NameRole::NetName, .name = "GND", .token = "7"},
         "\"7\" in net \"GND\" has no full stop and comes before the net's first pin reference; it was left out"},
        {NoPartSection, {}, "no part section (\"*PART*\") was found"},
        {NoNetSection, {}, "no net section (\"*NET*\") was found"},
    };
    for (const Case& c : cases) EXPECT_EQ(ProblemText(Of(c.kind, c.texts), "pins.map"), c.text) << c.text;
}

TEST(ProblemText, APinTheMapNumberedNamesTheMapAndItsLine) {
    Problem note{};
    note.kind = ProblemKind::MappedPin;
    note.mapping = {"G", "Q1", "1", 3};
    EXPECT_EQ(ProblemText(note, "pins.map"), "pin \"G\" of part \"Q1\" written as 1 (pins.map:3)");
}

TEST(ProblemKindName, EachKind) {
    const std::pair<ProblemKind, std::string> names[] = {
        {ProblemKind::UnsupportedFormat, "unsupported format line"},
        {ProblemKind::EmptyName, "empty name"},
        {ProblemKind::LongName, "name of 250 characters or more"},
        {ProblemKind::UnexpectedCharacter, "unexpected character"},
        {ProblemKind::BadPin, "pin that is not a plain positive number"},
        {ProblemKind::UnknownPart, "pin reference to a part not in the part list"},
        {ProblemKind::NothingToRepeat, "text before the first pin reference of a net"},
        {ProblemKind::NoPartSection, "missing part section"},
        {ProblemKind::NoNetSection, "missing net section"},
        {ProblemKind::MappedPin, "pin numbered by the pin map"},
    };
    static_assert(std::size(names) == kProblemKindCount);
    for (const auto& [kind, name] : names) EXPECT_EQ(ProblemKindName(kind), name);
}

}  // namespace
}  // namespace brisel::messages
