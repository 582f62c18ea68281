#include "cli/verify/pads_source.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace brisel::verify {
namespace {

// Every net as NAME[PART.PIN ...] followed by /N when N references were left
// out; nets separated by "; ".
std::string Describe(const std::string& sourceText) {
    std::istringstream in(sourceText);
    PadsSourceReader reader(in);
    SourceNet net;
    std::ostringstream described;
    for (const char* separator = ""; reader.NextNet(net); separator = "; ") {
        described << separator << net.Name << '[';
        for (std::size_t i = 0; i < net.Pins.size(); ++i) {
            described << (i == 0 ? "" : " ") << net.Pins[i].PartId << '.' << net.Pins[i].Pin;
        }
        described << ']';
        if (net.LeftOut > 0) {
            described << '/' << net.LeftOut;
        }
    }
    return described.str();
}

constexpr const char* kParts = "!PADS-POWERPCB-V3.0-MILS!\n*PART*\nC1 0.1uF\nR1 10K\nU1 74HC00\n\n*NET*\n";

struct SourceCase {
    const char* why;
    std::string netText;  // follows kParts unless it starts with "!"
    const char* expected;
};

void PrintTo(const SourceCase& sourceCase, std::ostream* out) { *out << sourceCase.why; }

class PadsSourceTest : public ::testing::TestWithParam<SourceCase> {};

TEST_P(PadsSourceTest, YieldsTheNetsAConversionWrites) {
    const SourceCase& c = GetParam();
    const std::string text = c.netText.starts_with("!") ? c.netText : kParts + c.netText;
    EXPECT_EQ(Describe(text), c.expected) << c.why;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, PadsSourceTest, ::testing::Values(
    SourceCase{"two nets", "*SIGNAL* GND\nC1.2 U1.7\n*SIGNAL* VCC\nC1.1 U1.14 R1.1\n*END*\n",
               "GND[C1.2 U1.7]; VCC[C1.1 U1.14 R1.1]"},
    SourceCase{"CR LF line ends", "*SIGNAL* GND\r\nC1.2 U1.7\r\n*END*\r\n", "GND[C1.2 U1.7]"},
    SourceCase{"CR line ends", "!PADS-PCB\r*PART*\rC1 X\r\r*NET*\r*SIGNAL* GND\rC1.2\r*END*\r",
               "GND[C1.2]"},
    SourceCase{"references over several lines", "*SIGNAL* GND\nC1.2\nU1.7 R1.2\n*END*\n",
               "GND[C1.2 U1.7 R1.2]"},
    SourceCase{"leading spaces of a further line give repeats", "*SIGNAL* GND\n  C1.2\n  U1.7\n*END*\n",
               "GND[C1.2 C1.2 C1.2 U1.7]"},
    SourceCase{"one trailing space adds nothing", "*SIGNAL* GND\nC1.2 U1.7 \n*END*\n", "GND[C1.2 U1.7]"},
    SourceCase{"two trailing spaces repeat the last", "*SIGNAL* GND\nC1.2 U1.7  \n*END*\n",
               "GND[C1.2 U1.7 U1.7]"},
    SourceCase{"an empty line inside a signal", "*SIGNAL* GND\nC1.2\n\nU1.7\n*END*\n", "GND[C1.2 C1.2 U1.7]"},
    SourceCase{"a part not in the list is left out", "*SIGNAL* GND\nC1.2 X9.1 U1.7\n*END*\n", "GND[C1.2 U1.7]/1"},
    SourceCase{"a repeat of a left-out reference is left out", "*SIGNAL* GND\nX9.1  U1.7\n*END*\n",
               "GND[U1.7]/2"},
    SourceCase{"a token without full stop before the first reference", "*SIGNAL* GND\nGND C1.2\n*END*\n",
               "GND[C1.2]/1"},
    SourceCase{"a token without full stop later repeats", "*SIGNAL* GND\nC1.2 junk\n*END*\n", "GND[C1.2 C1.2]"},
    SourceCase{"part IDs ignore letter case", "*SIGNAL* GND\nc1.2 u1.7\n*END*\n", "GND[c1.2 u1.7]"},
    SourceCase{"the last full stop splits", "!X\n*PART*\nU1.A X\n\n*SIGNAL* N\nU1.A.1\n*END*\n", "N[U1.A.1]"},
    SourceCase{"a tab ends the part ID", "!X\n*PART*\nC1\t0.1uF\n\n*SIGNAL* N\nC1.1\n*END*\n", "N[C1.1]"},
    SourceCase{"a tab in a token is no separator", "*SIGNAL* N\nC1.1\tU1.7\n*END*\n", "N[]/1"},
    SourceCase{"an empty pin", "*SIGNAL* N\nU1.\n*END*\n", "N[U1.]"},
    SourceCase{"short header", "*SIG* GND\nC1.2\n*END*\n", "GND[C1.2]"},
    SourceCase{"long header without a space", "*SIGNAL*GND\nC1.2\n*END*\n", "ND[C1.2]"},
    SourceCase{"long header keeps inner words", "*signal*   GND 12  \nC1.2\n*END*\n", "GND 12[C1.2]"},
    SourceCase{"an empty net", "*SIGNAL* NC\n*SIGNAL* GND\nC1.2\n*END*\n", "NC[]; GND[C1.2]"},
    SourceCase{"a source ending inside a signal keeps it", "*SIGNAL* GND\nC1.2 U1.7", "GND[C1.2 U1.7]"},
    SourceCase{"lines after *END* are not read", "*SIGNAL* GND\nC1.2\n*END*\n*SIGNAL* VCC\nC1.1\n",
               "GND[C1.2]"},
    SourceCase{"a remark line keeps the part section open",
               "!X\n*PART*\nC1 X\n*REMARK* hi\nU1 Y\n\n*SIGNAL* N\nU1.1\n*END*\n", "N[U1.1]"},
    SourceCase{"an empty line ends the part section",
               "!X\n*PART*\nC1 X\n\nU1 Y\n*SIGNAL* N\nU1.1 C1.1\n*END*\n", "N[C1.1]/1"},
    SourceCase{"a second part header forgets earlier parts",
               "!X\n*PART*\nC1 X\n*PART*\nU1 Y\n*NET*\n*SIGNAL* N\nU1.1 C1.1\n*END*\n", "N[U1.1]/1"},
    SourceCase{"a part header on the first line",
               "*PART*\nC1 X\n*NET*\n*SIGNAL* N\nC1.1\n*END*\n", "N[C1.1]"},
    SourceCase{"a signal before the part section",
               "!X\n*SIGNAL* N\nC1.1\n*PART*\nC1 X\n\n*SIGNAL* M\nC1.1\n*END*\n", "N[]/1; M[C1.1]"},
    SourceCase{"a signal inside an open part section",
               "!X\n*PART*\nC1 X\n*SIGNAL* N\nC1.1\n*END*\n", "N[C1.1]"}
));
// clang-format on

}  // namespace
}  // namespace brisel::verify
