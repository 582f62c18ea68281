#include "verify/pads_source.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/support/case_names.h"

namespace brisel::verify {
namespace {

struct NamedNet {
    std::string name;
    SourceNet net;
};

std::vector<NamedNet> Read(const std::string& sourceText, std::size_t blockSize) {
    PadsSourceReader reader;
    for (std::size_t at = 0; at < sourceText.size(); at += blockSize) {
        reader.Feed(std::string_view(sourceText).substr(at, blockSize));
    }
    reader.Finish();
    std::vector<NamedNet> nets;
    for (std::size_t i = 0; i < reader.Nets().size(); ++i) {
        nets.push_back({std::string(reader.NetName(i)), reader.Nets()[i]});
    }
    return nets;
}

// Nets written as NAME[PART.PIN ...] followed by /N when N references were
// left out, separated by "; ".
std::vector<NamedNet> Parse(const std::string& described) {
    std::vector<NamedNet> nets;
    std::istringstream in(described);
    for (std::string text; std::getline(in, text, ';');) {
        if (text.starts_with(" ")) text.erase(0, 1);
        const auto open = text.find('['), close = text.find(']');
        NamedNet net{text.substr(0, open), {}};
        std::istringstream pins(text.substr(open + 1, close - open - 1));
        for (std::string pin; pins >> pin;) {
            const auto stop = pin.rfind('.');
            net.net.pins.Add(PinHash(PartHash(pin.substr(0, stop)), pin.substr(stop + 1)));
        }
        if (close + 1 < text.size()) net.net.leftOut = std::stoll(text.substr(close + 2));
        nets.push_back(net);
    }
    return nets;
}

// Each net as NAME[COUNT:DIGEST]/LEFT-OUT.
std::string Summary(const std::vector<NamedNet>& nets) {
    std::ostringstream summary;
    for (const NamedNet& named : nets) {
        summary << named.name << '[' << named.net.pins.count << ':' << std::hex << named.net.pins.sum << std::dec
                << "]/" << named.net.leftOut << "; ";
    }
    return summary.str();
}

constexpr const char* kParts = "!PADS-POWERPCB-V3.0-MILS!\n*PART*\nC1 0.1uF\nR1 10K\nU1 74HC00\n\n*NET*\n";

struct SourceCase {
    const char* why;
    std::string netText;  // follows kParts unless it starts with "!"
    const char* expected;
};

void PrintTo(const SourceCase& sourceCase, std::ostream* out) { *out << sourceCase.why; }

class PadsSourceTest : public ::testing::TestWithParam<SourceCase> {};

// Fed whole and one byte at a time, so that every line end also falls
// between two blocks.
TEST_P(PadsSourceTest, YieldsTheNetsAConversionWrites) {
    const SourceCase& c = GetParam();
    const std::string text = c.netText.starts_with("!") ? c.netText : kParts + c.netText;
    EXPECT_EQ(Summary(Read(text, text.size() + 1)), Summary(Parse(c.expected)));
    EXPECT_EQ(Summary(Read(text, 1)), Summary(Parse(c.expected)));
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
    SourceCase{"leading spaces of a line separate once", "*SIGNAL* GND\n  C1.2\n  U1.7\n*END*\n",
               "GND[C1.2 U1.7]"},
    SourceCase{"one trailing space adds nothing", "*SIGNAL* GND\nC1.2 U1.7 \n*END*\n", "GND[C1.2 U1.7]"},
    SourceCase{"two trailing spaces add nothing", "*SIGNAL* GND\nC1.2 U1.7  \n*END*\n", "GND[C1.2 U1.7]"},
    SourceCase{"runs of spaces and tabs separate once", "*SIGNAL* GND\n\tC1.2 \t U1.7\t\n R1.2\n*END*\n",
               "GND[C1.2 U1.7 R1.2]"},
    SourceCase{"an empty line inside a signal", "*SIGNAL* GND\nC1.2\n\nU1.7\n*END*\n", "GND[C1.2 U1.7]"},
    SourceCase{"a part not in the list is left out", "*SIGNAL* GND\nC1.2 X9.1 U1.7\n*END*\n", "GND[C1.2 U1.7]/1"},
    SourceCase{"a repeat of a left-out reference is left out", "*SIGNAL* GND\nX9.1 junk U1.7 X9.1\n*END*\n",
               "GND[U1.7]/3"},
    SourceCase{"a token without full stop before the first reference", "*SIGNAL* GND\nGND C1.2\n*END*\n",
               "GND[C1.2]/1"},
    SourceCase{"a token without full stop later repeats, so counts once", "*SIGNAL* GND\nC1.2 junk\n*END*\n",
               "GND[C1.2]"},
    SourceCase{"a pin named again in the net counts once", "*SIGNAL* GND\nC1.2 U1.7\nU1.7 R1.1\nc1.2\n*END*\n",
               "GND[C1.2 U1.7 R1.1]"},
    SourceCase{"pins compare as written: 1 and 01 differ", "*SIGNAL* GND\nC1.1 C1.01 C1.1\n*END*\n",
               "GND[C1.1 C1.01]"},
    SourceCase{"a pin counts in each net that names it", "*SIGNAL* A\nC1.1 C1.1\n*SIGNAL* A\nC1.1\n*END*\n",
               "A[C1.1]; A[C1.1]"},
    SourceCase{"a net of many pins counts each once",
               "*SIGNAL* GND\nU1.1 U1.2 U1.3 U1.4 U1.5 U1.6 U1.7 U1.8 U1.9 U1.10 U1.11 U1.12\n"
               "U1.1 U1.12 U1.13 U1.6\n*END*\n",
               "GND[U1.1 U1.2 U1.3 U1.4 U1.5 U1.6 U1.7 U1.8 U1.9 U1.10 U1.11 U1.12 U1.13]"},
    SourceCase{"an *END* token in a reference line is a token", "*SIGNAL* A\n *END* C1.1 *END*\n*SIGNAL* B\nU1.1\n*END*\n",
               "A[C1.1]/1; B[U1.1]"},
    SourceCase{"part IDs ignore letter case", "*SIGNAL* GND\nc1.2 u1.7\n*END*\n", "GND[c1.2 u1.7]"},
    SourceCase{"the last full stop splits", "!X\n*PART*\nU1.A X\n\n*SIGNAL* N\nU1.A.1\n*END*\n", "N[U1.A.1]"},
    SourceCase{"a tab ends the part ID", "!X\n*PART*\nC1\t0.1uF\n\n*SIGNAL* N\nC1.1\n*END*\n", "N[C1.1]"},
    SourceCase{"a tab separates", "*SIGNAL* N\nC1.1\tU1.7\n*END*\n", "N[C1.1 U1.7]"},
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
               "!X\n*PART*\nC1 X\n*SIGNAL* N\nC1.1\n*END*\n", "N[C1.1]"},
    SourceCase{"indented part lines", "!X\n*PART*\n C1 X\n\t U1\tY\n\n*SIGNAL* N\nU1.1 C1.1\n*END*\n",
               "N[U1.1 C1.1]"},
    SourceCase{"a line of spaces and tabs ends the part section",
               "!X\n*PART*\nC1 X\n \t \nU1 Y\n*SIGNAL* N\nU1.1 C1.1\n*END*\n", "N[C1.1]/1"},
    SourceCase{"an indented *NET* inside the part section is a part",
               "!X\n*PART*\nC1 X\n *NET* Y\n\n*SIGNAL* N\n *NET*.1 C1.1\n*END*\n", "N[*NET*.1 C1.1]"},
    SourceCase{"a section keyword ends the part section",
               "!X\n*PART*\nC1 X\n*MISC*\nU1 Y\n*SIGNAL* N\nU1.1 C1.1\n*END*\n", "N[C1.1]/1"},
    SourceCase{"a keyword with text after it ends the part section too",
               "!X\n*PART*\nC1 X\n*SIGNAL*\tM\nU1.1 C1.1\n*END*\n", "M[C1.1]/1"},
    SourceCase{"other lines that begin with * keep the part section open",
               "!X\n*PART*\nC1 X\n*SIGNAL*A\n*N$1*\n**\nU1 Y\n\n*SIGNAL* N\nU1.1 C1.1\n*END*\n",
               "[]; N[U1.1 C1.1]"},
    SourceCase{"a *MISC* section before the parts", "!X\n*MISC*\nRULES_SECTION\n*PART*\nC1 X\n\n*SIGNAL* N\nC1.1\n*END*\n",
               "N[C1.1]"},
    SourceCase{"the modern layout: *CONNECTION* and pairs",
               "!PADS-POWERPCB-V9.4-MILS!\n\n*PART*\nC1 100nF@C0603\nU1 MCU@QFN32\n*CONNECTION*\n*SIGNAL* GND\n"
               "C1.2 U1.33\nU1.33 U1.16\n*MISC*      MISCELLANEOUS PARAMETERS\nRULES_SECTION MILS\n{\n}\n*END*\n",
               "GND[C1.2 U1.33 U1.16]"}
), test::ByWhy());
// clang-format on

struct RiskCase {
    const char* why;
    std::string text;
    std::vector<ImportRisk> expected;
};

void PrintTo(const RiskCase& riskCase, std::ostream* out) { *out << riskCase.why; }

class ImportRiskTest : public ::testing::TestWithParam<RiskCase> {};

TEST_P(ImportRiskTest, NamesTheSourceLine) {
    const RiskCase& c = GetParam();
    PadsSourceReader reader;
    reader.Feed(c.text);
    reader.Finish();
    EXPECT_EQ(reader.Risks(), c.expected);
}

// clang-format off
using enum ImportRiskKind;
INSTANTIATE_TEST_SUITE_P(Cases, ImportRiskTest, ::testing::Values(
    RiskCase{"parts then nets", "*PADS-PCB*\n*PART*\nC1 X\n\n*NET*\n*SIGNAL* N\nC1.1\n*END*\n", {}},
    RiskCase{"no part section", "*PADS-PCB*\n*NET*\n*SIGNAL* N\nC1.1\n*END*\n", {}},
    RiskCase{"nets before parts", "*PADS-PCB*\n*NET*\n*SIGNAL* N\nC1.1\n*PART*\nC1 X\n*END*\n",
             {{5, PartHeaderAfterNets}}},
    RiskCase{"a second part header", "*PADS-PCB*\n*PART*\nC1 X\n*PART*\nU1 Y\n*NET*\n*END*\n",
             {{4, SecondPartHeader}}},
    RiskCase{"a part header after the section ended", "*PADS-PCB*\n*PART*\nC1 X\n\n*PART*\n*NET*\n*END*\n",
             {{5, PartHeaderAfterSection}}},
    RiskCase{"nets without a net header, told once", "*PADS-PCB*\n*PART*\nC1 X\n\n*SIG* A\nC1.1\n*SIG* B\n*END*\n",
             {{5, NetBeforeNetHeader}}},
    RiskCase{"a second net header", "*PADS-PCB*\n*PART*\nC1 X\n*NET*\n*NET*\n*END*\n",
             {{5, SecondNetHeader}}},
    RiskCase{"nothing after the end line", "*PADS-PCB*\n*PART*\nC1 X\n*NET*\n*END*\n*NET*\n", {}},
    RiskCase{"a *CONNECTION* header alone", "!PADS-POWERPCB-V9.4\n*PART*\nC1 X\n*CONNECTION*\n*SIG* A\n*END*\n", {}},
    RiskCase{"both net headers", "*PADS-PCB*\n*PART*\nC1 X\n*NET*\n*CONNECTION*\n*SIG* A\n*END*\n",
             {{5, SecondConnectionHeader}}}
), test::ByWhy());
// clang-format on

}  // namespace
}  // namespace brisel::verify
