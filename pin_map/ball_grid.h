#pragma once
// Ball names of a ball grid array, as JEDEC letters them: a row of one or
// two letters (A to Y without I, O, Q, S, X and Z, then AA, AB, ... YY) and
// a column counted from 1. A grid numbers its balls row by row: with 16
// columns A1 is 1, A16 is 16, B1 is 17 and J1, after H1's 113, is 129.

#include <cstdint>
#include <optional>
#include <string_view>

namespace brisel::pin_map {

// The largest number a pin map gives a pin.
inline constexpr std::int64_t kLargestNumber = 999999999;

// The ball's number in a grid of `columns` columns; nothing for a name that
// is no ball of such a grid (a letter JEDEC skips, a column out of range, a
// number no pin map gives).
std::optional<std::int64_t> BallNumber(std::string_view ball, std::int64_t columns);

}  // namespace brisel::pin_map
