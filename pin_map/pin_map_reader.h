#pragma once
// Reads a pin map: plain text, one rule a line, "PART PIN NUMBER" in words
// separated by spaces or tabs, or "PART grid COLUMNS". A word that begins
// with "#" starts a comment that runs to the line's end; lines that hold
// nothing else are passed over. Lines end in CR LF, LF or CR, and a UTF-8
// byte order mark before the first line is no part of it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "pin_map/pin_map.h"

namespace brisel::pin_map {

// Why a map was refused, at the first line that is wrong. The texts are the
// line's words as written.
struct MapError {
    enum class Kind {
        NotARule,      // not three words
        NumberToFill,  // a template's "?" left in place
        BadNumber,     // no whole number from 1 to kLargestNumber
        BadColumns,    // the same, for a grid
        PinConflict,   // another number for a pin an earlier line gave one
        GridConflict,  // other columns for a grid an earlier line gave
    };
    Kind kind = Kind::NotARule;
    std::int64_t line = 0;
    std::string part;
    std::string pin;
    std::string number;
    Disagreement earlier;  // for the conflicts
};

struct MapReading {
    PinMap map;
    std::optional<MapError> error;
};

MapReading ReadPinMap(std::string_view text);

// The template's placeholder for a number still to be filled in.
inline constexpr std::string_view kNumberToFill = "?";

}  // namespace brisel::pin_map
