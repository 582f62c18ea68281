#include "convert/progress.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace brisel {
namespace {

class PercentRecorder : public ConversionReporter {
public:
    std::vector<std::int64_t> percents;
    void Progress(const ProgressStep& step) override { percents.push_back(step.percent); }
    void Warning(RunWarning) override {}
    void Finished(const Outcome&) override {}
};

// Every row of a copy reported one by one shows each percentage once, in
// order, exactly as rounding each row on its own would.
TEST(Progress, RowByRowShowsEveryPercentageOnce) {
    for (const std::int64_t total : {1, 3, 7, 99, 100, 101, 200, 333, 1001, 12345, 1370509}) {
        PercentRecorder recorder;
        Progress progress(recorder);
        std::vector<std::int64_t> expected;
        for (std::int64_t done = total / 3; done <= total; ++done) {
            progress.ShowPercent(done, total);
            const std::int64_t percent = Percent(done, total);
            if (expected.empty() || expected.back() != percent) expected.push_back(percent);
        }
        EXPECT_EQ(recorder.percents, expected) << "total " << total;
    }
}

// Rows reported a block at a time show what reporting them one by one shows.
TEST(Progress, BlocksOfRowsShowWhatRowByRowShows) {
    for (const std::int64_t total : {1, 7, 101, 1001, 1370509}) {
        for (const std::int64_t block : {1, 3, 250, 100000}) {
            PercentRecorder byRow, byBlock;
            Progress rows(byRow), blocks(byBlock);
            for (std::int64_t first = total / 3; first <= total; first += block) {
                const std::int64_t last = std::min(total, first + block - 1);
                for (std::int64_t done = first; done <= last; ++done) rows.ShowPercent(done, total);
                blocks.ShowPercents(first, last, total);
            }
            EXPECT_EQ(byBlock.percents, byRow.percents) << "total " << total << ", block " << block;
        }
    }
}

}  // namespace
}  // namespace brisel
