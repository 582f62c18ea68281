#include "verify/pin_set.h"

#include <gtest/gtest.h>

namespace brisel::verify {
namespace {

// The hashes of pins are well mixed; these are not, which makes the probing
// work harder.
TEST(PinSet, EveryHashOnceInSmallAndLargeNets) {
    PinSet pins;
    for (const std::uint64_t count : {1u, 8u, 9u, 1000u}) {
        for (std::uint64_t hash = 0; hash < count; ++hash) ASSERT_TRUE(pins.Insert(hash << 20)) << count;
        for (std::uint64_t hash = 0; hash < count; ++hash) ASSERT_FALSE(pins.Insert(hash << 20)) << count;
        pins.Clear();
    }
}

TEST(PinSet, ZeroIsAHashLikeAnyOther) {
    PinSet pins;
    for (int i = 0; i < 20; ++i) ASSERT_TRUE(pins.Insert(static_cast<std::uint64_t>(i) * 7 + 2));
    EXPECT_TRUE(pins.Insert(0));
    EXPECT_FALSE(pins.Insert(0));
}

}  // namespace
}  // namespace brisel::verify
