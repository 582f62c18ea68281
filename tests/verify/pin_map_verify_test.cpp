// The read-back check with a pin map: the source's pins are compared as
// the map numbers them.

#include <gtest/gtest.h>

#include <sstream>

#include "pin_map/pin_map_reader.h"
#include "tests/verify/worded_report.h"
#include "verify/verify.h"

namespace brisel::verify {
namespace {

const char* const kSource =
    "*PADS-PCB*\n*PART*\nQ1 SOT-23\nU2 BGA\n\n*NET*\n"
    "*SIGNAL* A\nQ1.G U2.B1\n*SIGNAL* B\nQ1.S Q1.2 U2.A1\n*END*\n";

std::string Target(const char* rows) {
    return std::string(
               "\"ExpressPCB Netlist\"\r\n\"Brisel vX.XX test "
               "banner\"\r\n1\r\n0\r\n0\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"Part IDs Table\"\r\n"
               "\"Q1\" \"SOT-23\" \"\"\r\n\"U2\" \"BGA\" \"\"\r\n\r\n\"Net Names Table\"\r\n\"A\" 1\r\n\"B\" 3\r\n\r\n"
               "\"Net Connections Table\"\r\n") +
           rows;
}

// The target as the conversion writes it with the map: Q1.S and Q1.2 are
// one pin, 2, and write one row.
const char* const kMappedRows = "1 1 1 2\r\n1 2 5 0\r\n2 1 2 4\r\n2 2 1 0\r\n";
const char* const kUnmappedRows = "1 1 G 2\r\n1 2 B1 0\r\n2 1 S 4\r\n2 1 2 5\r\n2 2 A1 0\r\n";

Report Check(const char* map, const std::string& target) {
    pin_map::MapReading reading = pin_map::ReadPinMap(map != nullptr ? map : "");
    Verifier verifier(map != nullptr ? &reading.map : nullptr);
    std::istringstream source(kSource);
    std::istringstream written(target);
    verifier.FeedSource(source);
    return verifier.CheckTarget(written);
}

TEST(VerifyWithPinMap, ComparesThePinsAsTheMapNumbersThem) {
    const char* const map = "SOT-23 G 1\nSOT-23 S 2\nu2 grid 4\n";
    EXPECT_TRUE(Check(map, Target(kMappedRows)).ok);
    EXPECT_TRUE(Check(nullptr, Target(kUnmappedRows)).ok);

    const Report unmapped = Check(map, Target(kUnmappedRows));
    EXPECT_FALSE(unmapped.ok);
    EXPECT_EQ(Worded(unmapped),
              (std::vector<std::string>{
                  "net \"A\" (net 1): the target's connections name other pins than the source's references (line 7)",
                  "net \"B\" (net 2): 3 connections in the target, 2 expected from the source"}));

    EXPECT_FALSE(Check(nullptr, Target(kMappedRows)).ok);
    EXPECT_FALSE(Check("SOT-23 G 1\nSOT-23 S 2\nu2 grid 5\n", Target(kMappedRows)).ok);  // B1 is 6 then
}

}  // namespace
}  // namespace brisel::verify
