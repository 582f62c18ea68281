#pragma once
// What the target format accepts, checked on everything the conversion reads.
// Checks never change what is written; they set the check flags, and the
// end-of-run warnings tell the user.

#include <cstdint>
#include <string_view>

#include "convert/host.h"

namespace brisel {

// True when the first line names a supported PADS netlist format.
bool IsSupportedFormat(std::string_view firstLine);

struct NameCheck {
    bool tooLong = false;     // empty, or 250 characters or more
    int badCharacter = -1;    // the first byte outside space..tilde or a double quote, or -1
};
NameCheck CheckNameText(std::string_view name);

// A pin must be digits only and not zero; an empty pin passes.
bool IsBadPin(std::string_view pin);

// Sets the check flags from the checks of part IDs, part names, net names and pins.
class SourceChecks {
public:
    explicit SourceChecks(CheckFlags& flags) : flags_(flags) {}

    void CheckName(std::string_view name);
    void CheckPin(std::string_view pin);
    // A pin reference whose last full stop stands at `lastStop`, checked as
    // if split at each of its full stops: the part ID before and the pin after.
    void CheckReference(std::string_view token, std::size_t lastStop);

    CheckFlags& Flags() { return flags_; }

private:
    CheckFlags& flags_;
};

// What the end-of-run warnings look at, besides the check flags.
struct RunFacts {
    bool partHeaderSeen = false;
    bool netHeaderSeen = false;
    std::int64_t referencesLeftOut = 0;
};

void ShowFormatWarning(ConversionHost& host);
void ShowEndOfRunWarnings(ConversionHost& host, const CheckFlags& flags, const RunFacts& facts);

}  // namespace brisel
