#include "pin_map/pin_map_reader.h"

#include <array>

#include "pin_map/ball_grid.h"

namespace brisel::pin_map {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// A rule's words: up to three before a comment, and whether more followed.
struct Words {
    std::array<std::string_view, 3> word;
    std::size_t count = 0;
    bool more = false;
};

Words SplitWords(std::string_view line) {
    Words words;
    std::size_t at = 0;
    for (;;) {
        while (at < line.size() && IsBlank(line[at])) ++at;
        if (at == line.size() || line[at] == '#') return words;
        const std::size_t start = at;
        while (at < line.size() && !IsBlank(line[at])) ++at;
        if (words.count == words.word.size()) {
            words.more = true;
            return words;
        }
        words.word[words.count++] = line.substr(start, at - start);
    }
}

std::optional<std::int64_t> NumberOf(std::string_view text) {
    std::size_t first = 0;
    while (first + 1 < text.size() && text[first] == '0') ++first;
    const std::string_view digits = text.substr(first);
    if (digits.empty() || digits.size() > 9) return std::nullopt;
    std::int64_t number = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        number = number * 10 + (c - '0');
    }
    return number >= 1 && number <= kLargestNumber ? std::optional(number) : std::nullopt;
}

class Reader {
public:
    MapReading Read(std::string_view text);

private:
    void OnLine(std::string_view line);
    void Fail(MapError::Kind kind, const Words& words, Disagreement earlier = {});

    MapReading reading_;
    std::int64_t line_ = 0;
};

MapReading Reader::Read(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    while (!text.empty() && !reading_.error) {
        const std::size_t end = text.find_first_of("\r\n");
        ++line_;
        OnLine(text.substr(0, end));
        if (end == std::string_view::npos) break;
        const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crLf ? 2 : 1));
    }
    return std::move(reading_);
}

void Reader::OnLine(std::string_view line) {
    const Words words = SplitWords(line);
    if (words.count == 0) return;
    if (words.count < 3 || words.more) return Fail(MapError::Kind::NotARule, words);
    const bool grid = words.word[1] == PinMap::kGrid;
    if (words.word[2] == kNumberToFill) return Fail(MapError::Kind::NumberToFill, words);
    const auto number = NumberOf(words.word[2]);
    if (!number) return Fail(grid ? MapError::Kind::BadColumns : MapError::Kind::BadNumber, words);
    PinMap& map = reading_.map;
    if (grid) {
        if (auto earlier = map.AddGrid(words.word[0], *number, line_)) {
            Fail(MapError::Kind::GridConflict, words, std::move(*earlier));
        }
    } else if (auto earlier = map.AddPin(words.word[0], words.word[1], *number, line_)) {
        Fail(MapError::Kind::PinConflict, words, std::move(*earlier));
    }
}

void Reader::Fail(MapError::Kind kind, const Words& words, Disagreement earlier) {
    reading_.error = MapError{kind,
                              line_,
                              std::string(words.word[0]),
                              std::string(words.word[1]),
                              std::string(words.word[2]),
                              std::move(earlier)};
}

}  // namespace

MapReading ReadPinMap(std::string_view text) { return Reader().Read(text); }

}  // namespace brisel::pin_map
