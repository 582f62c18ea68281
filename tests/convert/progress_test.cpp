#include "convert/progress.h"

#include <gtest/gtest.h>

#include "tests/convert/conversion_fixture.h"

namespace brisel {
namespace {

// Every row of a copy reported one by one shows each percentage once, in
// order, exactly as rounding each row on its own would.
TEST(Progress, RowByRowShowsEveryPercentageOnce) {
    for (const std::int64_t total : {1, 3, 7, 99, 100, 101, 200, 333, 1001, 12345, 1370509}) {
        test::RecordingHost host;
        Progress progress(host);
        std::vector<std::string> expected;
        for (std::int64_t done = total / 3; done <= total; ++done) {
            progress.ShowPercent(done, total);
            const std::string caption = PercentCaption(done, total);
            if (expected.empty() || expected.back() != caption) expected.push_back(caption);
        }
        EXPECT_EQ(host.Captions(), expected) << "total " << total;
    }
}

}  // namespace
}  // namespace brisel
