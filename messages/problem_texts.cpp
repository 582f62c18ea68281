#include "messages/problem_texts.h"

#include "messages/escaped_text.h"
#include "messages/pin_map_messages.h"

namespace brisel::messages {
namespace {

std::string RoleName(NameRole role) {
    switch (role) {
        case NameRole::PartId:
            return "part ID";
        case NameRole::PartName:
            return "part name";
        case NameRole::NetName:
            return "net name";
    }
    return "name";
}

std::string EmptyNameText(const Problem& problem) {
    const std::string reference = problem.token.empty() ? "" : " of pin reference " + Quote(problem.token);
    return RoleName(problem.role) + " \"\"" + reference + " is empty";
}

std::string LongNameText(const Problem& problem) {
    return RoleName(problem.role) + " " + Quote(problem.name) + " has " + std::to_string(problem.name.size()) +
           " characters; " + std::to_string(kLongestName) + " is the most";
}

std::string UnexpectedCharacterText(const Problem& problem) {
    return RoleName(problem.role) + " " + Quote(problem.name) + " holds the unexpected character " +
           ByteCode(problem.byte);
}

// A token without a full stop repeats the part of the reference before it.
std::string UnknownPartText(const Problem& problem) {
    const std::string missing = Quote(problem.name) + ", which is not in the part list; it was left out";
    if (problem.token.find('.') != std::string::npos) {
        return "pin reference " + Quote(problem.token) + " names part " + missing;
    }
    return "the token " + Quote(problem.token) +
           " has no full stop, so it repeats the part of the reference before it, " + missing;
}

std::string NothingToRepeatText(const Problem& problem) {
    return Quote(problem.token) + " in net " + Quote(problem.name) +
           " has no full stop and comes before the net's first pin reference; it was left out";
}

}  // namespace

std::string ProblemText(const Problem& problem, const std::string& mapLabel) {
    switch (problem.kind) {
        case ProblemKind::UnsupportedFormat:
            return "the first line " + Quote(problem.token) + " names no supported format";
        case ProblemKind::EmptyName:
            return EmptyNameText(problem);
        case ProblemKind::LongName:
            return LongNameText(problem);
        case ProblemKind::UnexpectedCharacter:
            return UnexpectedCharacterText(problem);
        case ProblemKind::BadPin:
            return "pin " + Quote(problem.pin) + " of part " + Quote(problem.name) + " is not a plain positive number";
        case ProblemKind::UnknownPart:
            return UnknownPartText(problem);
        case ProblemKind::NothingToRepeat:
            return NothingToRepeatText(problem);
        case ProblemKind::NoPartSection:
            return "no part section (\"*PART*\") was found";
        case ProblemKind::NoNetSection:
            return "no net section (\"*NET*\") was found";
        case ProblemKind::MappedPin:
            return MappedPinText(problem.mapping, mapLabel);
    }
    return "problem";
}

std::string ProblemKindName(ProblemKind kind) {
    switch (kind) {
        case ProblemKind::UnsupportedFormat:
            return "unsupported format line";
        case ProblemKind::EmptyName:
            return "empty name";
        case ProblemKind::LongName:
            return "name of " + std::to_string(kLongestName + 1) + " characters or more";
        case ProblemKind::UnexpectedCharacter:
            return "unexpected character";
        case ProblemKind::BadPin:
            return "pin that is not a plain positive number";
        case ProblemKind::UnknownPart:
            return "pin reference to a part not in the part list";
        case ProblemKind::NothingToRepeat:
            return "text before the first pin reference of a net";
        case ProblemKind::NoPartSection:
            return "missing part section";
        case ProblemKind::NoNetSection:
            return "missing net section";
        case ProblemKind::MappedPin:
            return "pin numbered by the pin map";
    }
    return "problem";
}

}  // namespace brisel::messages
