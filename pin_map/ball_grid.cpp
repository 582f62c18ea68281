#include "pin_map/ball_grid.h"

namespace brisel::pin_map {
namespace {

constexpr std::string_view kRowLetters = "ABCDEFGHJKLMNPRTUVWY";
constexpr std::int64_t kLettersInRows = static_cast<std::int64_t>(kRowLetters.size());

// The letter's place among the row letters, or -1.
std::int64_t RowLetter(char c) {
    const auto place = kRowLetters.find(c);
    return place == std::string_view::npos ? -1 : static_cast<std::int64_t>(place);
}

// A, B, ... Y are rows 0 to 19; AA, AB, ... YY follow from 20.
std::optional<std::int64_t> RowOf(std::string_view letters) {
    if (letters.size() == 1) {
        const std::int64_t row = RowLetter(letters[0]);
        return row < 0 ? std::nullopt : std::optional(row);
    }
    const std::int64_t first = RowLetter(letters[0]);
    const std::int64_t second = RowLetter(letters[1]);
    if (first < 0 || second < 0) return std::nullopt;
    return kLettersInRows + first * kLettersInRows + second;
}

// Digits without a leading zero, at most nine of them.
std::optional<std::int64_t> ColumnOf(std::string_view digits) {
    if (digits.empty() || digits.size() > 9 || digits[0] == '0') return std::nullopt;
    std::int64_t column = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        column = column * 10 + (c - '0');
    }
    return column;
}

}  // namespace

std::optional<std::int64_t> BallNumber(std::string_view ball, std::int64_t columns) {
    std::size_t letters = 0;
    while (letters < ball.size() && ball[letters] >= 'A' && ball[letters] <= 'Z') ++letters;
    if (letters < 1 || letters > 2) return std::nullopt;
    const auto row = RowOf(ball.substr(0, letters));
    const auto column = ColumnOf(ball.substr(letters));
    if (!row || !column || *column > columns) return std::nullopt;
    const std::int64_t number = *row * columns + *column;
    return number > kLargestNumber ? std::nullopt : std::optional(number);
}

}  // namespace brisel::pin_map
