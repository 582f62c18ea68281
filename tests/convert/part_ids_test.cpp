#include "convert/part_ids.h"

#include <gtest/gtest.h>

#include "convert/decimal.h"

namespace brisel {
namespace {

std::string Found(const PartIds& ids, std::string_view id) {
    const PartNumber* number = ids.Find(id);
    return number ? std::string(number->Text()) : "none";
}

TEST(PartIds, LookupRules) {
    const std::string longId(40, 'Q');
    PartIds ids;
    ids.Store(1, "U1");
    ids.Store(2, "");
    ids.Store(3, "R10");
    ids.Store(4, longId);
    ids.Store(5, "u1");
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {"U1",   "5"},     // of two equal IDs the later, higher number wins
        {"u1",   "5"},     // letter case is ignored
        {"r10",  "3"},
        {"R1",   "none"},  // no prefix matches
        {"",     "2"},     // the empty ID finds only a part whose ID is empty
        {longId, "4"},     // IDs too long to keep inline
        {std::string(40, 'q'), "4"},
    };
    // clang-format on
    for (const auto& [id, number] : cases) EXPECT_EQ(Found(ids, id), number) << id;
}

// IDs of every length that the index keeps in words and beyond: an ID is
// found in any letter case, and an ID that differs in one byte is not, also
// where the byte is a neighbour of the letters or a byte above ASCII.
TEST(PartIds, EveryLengthFindsItsIdInAnyCaseAndNoOther) {
    const std::string letters = "abcdefghijklmnopqrstuvwxyz";
    for (std::size_t length = 1; length <= 20; ++length) {
        std::string id;
        for (std::size_t i = 0; i < length; ++i) id += letters[(i * 7) % 26];
        PartIds ids;
        ids.Store(1, id);
        std::string upper = id;
        for (char& c : upper) c = static_cast<char>(c - 32);
        EXPECT_EQ(Found(ids, upper), "1") << upper;
        for (std::size_t at = 0; at < length; ++at) {
            for (const char other : {'@', '[', '`', '{', '\xc1', '\xe1', static_cast<char>(id[at] + 1)}) {
                std::string changed = id;
                changed[at] = other;
                EXPECT_EQ(Found(ids, changed), "none") << changed;
            }
        }
        EXPECT_EQ(Found(ids, id + "a"), "none") << id;
        EXPECT_EQ(Found(ids, id.substr(1)), "none") << id;
    }
}

// The key of an ID read with whole-block loads, from a line that goes on
// after it, equals the key of the ID alone, whatever its bytes and whatever
// follows it: every byte value at every place, up to 20 bytes.
TEST(PartKey, PaddedKeyIsTheKeyOfTheIdAlone) {
    for (std::size_t length = 0; length <= 20; ++length) {
        for (std::size_t place = 0; place < std::max<std::size_t>(length, 1); ++place) {
            for (int byte = 0; byte < 256; ++byte) {
                std::string line =
                    std::string(length, 'K') + std::string(kReadableAfterText, static_cast<char>(255 - byte));
                if (length > 0) line[place] = static_cast<char>(byte);
                const std::string_view id(line.data(), length);
                const PartKey padded = KeyOfPadded(id), alone = KeyOf(std::string(id));
                ASSERT_EQ(padded.hash, alone.hash) << "length " << length << ", byte " << byte << " at " << place;
                ASSERT_EQ(padded.word[0], alone.word[0]);
                ASSERT_EQ(padded.word[1], alone.word[1]);
            }
        }
    }
}

TEST(PartIds, EmptyTableAndClearedTableFindNothing) {
    PartIds ids;
    EXPECT_EQ(Found(ids, ""), "none");
    for (int n = 1; n <= 1000; ++n) ids.Store(n, std::string("P").append(std::to_string(n)));
    EXPECT_EQ(Found(ids, "p777"), "777");
    ids.Clear();
    EXPECT_EQ(Found(ids, "P777"), "none");
    ids.Store(1, "P1");
    EXPECT_EQ(Found(ids, "P1"), "1");
}

// A reserved index finds what a grown one finds, whether the parts stored
// are fewer or more than reserved or were stored before; an estimate far
// beyond any board's parts reserves only a bounded table.
TEST(PartIds, ReservedTableFindsAsAGrownOne) {
    struct Case {
        int storedBefore;
        std::size_t reserved;
        int storedAfter;
    };
    const Case cases[] = {
        {0, 0, 100}, {0, 10, 1000}, {0, 5000, 1000}, {300, 4000, 3000}, {0, std::size_t{1} << 40, 2000}};
    for (const Case& c : cases) {
        PartIds ids;
        int n = 1;
        for (; n <= c.storedBefore; ++n) ids.Store(n, "P" + std::to_string(n));
        ids.Reserve(c.reserved);
        for (; n <= c.storedBefore + c.storedAfter; ++n) ids.Store(n, "P" + std::to_string(n));
        for (int i = 1; i < n; ++i) ASSERT_EQ(Found(ids, "p" + std::to_string(i)), std::to_string(i)) << c.reserved;
        EXPECT_EQ(Found(ids, "P" + std::to_string(n)), "none") << c.reserved;
    }
}

TEST(DecimalCounter, CountsAcrossEveryCarry) {
    DecimalCounter counter;
    std::string seen = std::string(counter.Text()) + " ";  // a new counter stands at 0
    counter.Increment();
    seen += std::string(counter.Text()) + " ";
    counter.Set(7);
    for (int i = 0; i < 4; ++i, counter.Increment()) seen += std::string(counter.Text()) + " ";
    counter.Set(99998);
    for (int i = 0; i < 3; ++i, counter.Increment()) seen += std::string(counter.Text()) + " ";
    EXPECT_EQ(seen, "0 1 7 8 9 10 99998 99999 100000 ");
    char text[21];
    EXPECT_EQ(std::string(text, PutDecimal(text, std::int64_t{-9223372036854775807LL - 1})), "-9223372036854775808");
}

}  // namespace
}  // namespace brisel
