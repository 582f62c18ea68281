// brisel-bench-part-lookup: looks the parts of a generated board up by ID,
// once through the conversion's index (PartIds) and once by scanning the
// whole part table, and prints both times and their ratio on one line:
// "parts lookups index_seconds table_seconds ratio". Both lookups must find
// the same parts; the program fails when they do not.

#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "bench/part_catalog.h"
#include "convert/netlist_text.h"
#include "convert/part_ids.h"

namespace {

using brisel::bench::GeneratedPart;

// The part number of the last part with this ID (the highest number wins),
// or 0.
std::int64_t ScanTable(const std::vector<GeneratedPart>& parts, std::string_view id) {
    std::int64_t found = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (brisel::SameTextIgnoringCase(parts[i].id, id)) found = static_cast<std::int64_t>(i + 1);
    }
    return found;
}

std::int64_t FindInIndex(const brisel::PartIds& index, std::string_view id) {
    const brisel::PartNumber* number = index.Find(id);
    if (number == nullptr) return 0;
    std::int64_t value = 0;
    std::from_chars(number->text, number->text + number->textLength, value);
    return value;
}

// Seconds for all lookups, and the sum of the part numbers found.
template <typename Lookup>
double Time(const std::vector<std::string>& ids, Lookup lookup, std::int64_t& sum) {
    const auto start = std::chrono::steady_clock::now();
    sum = 0;
    for (const std::string& id : ids) sum += lookup(id);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("Usage: brisel-bench-part-lookup PARTS LOOKUPS\n", stderr);
        return 2;
    }
    const auto partCount = std::strtoull(argv[1], nullptr, 10);
    const auto lookupCount = std::strtoull(argv[2], nullptr, 10);
    brisel::bench::SplitMix64 random(1);
    const std::vector<GeneratedPart> parts = brisel::bench::DrawParts(partCount, random);
    if (parts.empty()) return 2;

    brisel::PartIds index;
    for (std::size_t i = 0; i < parts.size(); ++i) index.Store(static_cast<std::int64_t>(i + 1), parts[i].id);
    std::vector<std::string> ids;
    for (std::uint64_t i = 0; i < lookupCount; ++i) ids.push_back(parts[random.Below(parts.size())].id);

    std::int64_t indexSum = 0;
    std::int64_t tableSum = 0;
    const double indexSeconds = Time(
        ids, [&](std::string_view id) { return FindInIndex(index, id); }, indexSum);
    const double tableSeconds = Time(
        ids, [&](std::string_view id) { return ScanTable(parts, id); }, tableSum);
    if (indexSum != tableSum) {
        std::fputs("brisel-bench-part-lookup: the index and the table found different parts\n", stderr);
        return 1;
    }
    std::printf("%llu %llu %.6f %.6f %.1f\n", static_cast<unsigned long long>(partCount),
                static_cast<unsigned long long>(lookupCount), indexSeconds, tableSeconds,
                indexSeconds > 0 ? tableSeconds / indexSeconds : 0.0);
    return 0;
}
