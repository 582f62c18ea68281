#include "pin_map/ball_grid.h"

#include <gtest/gtest.h>

namespace brisel::pin_map {
namespace {

TEST(BallNumber, RowByRowWithJedecRows) {
    struct Case {
        const char* ball;
        std::int64_t columns;
        std::optional<std::int64_t> number;
    };
    const std::optional<std::int64_t> none;
    // clang-format off
    const Case cases[] = {
        {"A1",   16, 1},
        {"A16",  16, 16},
        {"B1",   16, 17},
        {"H1",   16, 113},
        {"J1",   16, 129},   // I is no row
        {"K1",   16, 145},
        {"Y16",  16, 320},   // the twentieth row
        {"AA1",  16, 321},   // then two letters
        {"AB1",  16, 337},
        {"BA1",  16, 641},
        {"YY1",  16, 419 * 16 + 1},
        {"A17",  16, none},  // past the last column
        {"A0",   16, none},
        {"A01",  16, none},  // no leading zero
        {"I1",   16, none},  // letters JEDEC skips
        {"O1",   16, none},
        {"Q1",   16, none},
        {"S1",   16, none},
        {"X1",   16, none},
        {"Z1",   16, none},
        {"AI1",  16, none},
        {"a1",   16, none},  // capitals only
        {"A",    16, none},
        {"1",    16, none},
        {"AAA1", 16, none},
        {"A1B",  16, none},
        {"PAD",  16, none},
        {"",     16, none},
        {"YY999999999", 999999999, none},  // a number beyond any pin map's
    };
    // clang-format on
    for (const Case& c : cases) EXPECT_EQ(BallNumber(c.ball, c.columns), c.number) << c.ball;
}

}  // namespace
}  // namespace brisel::pin_map
