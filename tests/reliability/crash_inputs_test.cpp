// Inputs that once broke a conversion (found by fuzzing, kept in data/):
// each must now complete and end with its summary.

#include <gtest/gtest.h>

#include "tests/convert/conversion_fixture.h"
#include "tests/support/text_files.h"

namespace brisel::reliability {
namespace {

namespace fs = std::filesystem;
using namespace test;

void ExpectCleanConversion(const fs::path& input) {
    const std::string source = ReadFile(input);
    const test::Conversion conversion = test::Convert(source);
    EXPECT_EQ(conversion.result, ConversionResult::Completed) << input;
    ASSERT_FALSE(conversion.host.Messages().empty()) << input;
    EXPECT_EQ(conversion.host.Messages().back().rfind("Information: File Conversion - Complete | ", 0), 0u) << input;
}

TEST(CrashInputs, EachConvertsCleanly) {
    for (const auto& entry : fs::directory_iterator(BRISEL_RELIABILITY_DATA_DIR)) {
        ExpectCleanConversion(entry.path());
    }
}

// A part line without a name once handed a null pointer to memcpy, which
// only a sanitised build reports.
TEST(CrashInputs, PartLineWithoutName) {
    ExpectCleanConversion(fs::path(BRISEL_RELIABILITY_DATA_DIR) / "part_line_without_name.net");
}

}  // namespace
}  // namespace brisel::reliability
