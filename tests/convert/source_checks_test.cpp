#include "convert/source_checks.h"

#include "convert/pin_reference.h"

#include <gtest/gtest.h>

namespace brisel {
namespace {

TEST(FormatCheck, AcceptsTheThreePrefixesInAnyCase) {
    struct Case {
        const char* line;
        bool supported;
    };
    // clang-format off
    const Case cases[] = {
        {"!PADS-POWERPCB-V3.0-MILS!", true},
        {"!pads-powerpcb-v3.0-mils!", true},
        {"!PADS-POWERPCB-V2.5",       true},
        {"!PADS-POWERPCB-V1.",        true},
        {"!PADS-POWERPCB-V3.1",       true},   // every version of the modern netlist
        {"!PADS-POWERPCB-V4.0",       true},
        {"!PADS-POWERPCB-V9.4-MILS!", true},
        {"!PADS-POWERPCB-VX.2",       true},
        {"!PADS-POWERPCB-V",          true},
        {"*PADS2000*",                true},
        {"*PADS-PCB* trailing text",  true},
        {"!PADS-POWERPCB-3.0",        false},  // no version letter
        {"!PADS-POWERPCB-",           false},
        {" *PADS-PCB*",               false},  // must start at the first character
        {"*PADS-PCB",                 false},  // shorter than the prefix
        {"",                          false},
    };
    // clang-format on
    for (const auto& c : cases) EXPECT_EQ(IsSupportedFormat(c.line), c.supported) << c.line;
}

TEST(CheckName, LengthAndCharacters) {
    struct Case {
        std::string name;
        bool tooLong;
        int badCharacter;
    };
    // clang-format off
    const Case cases[] = {
        {"C1",                    false, -1},
        {"",                      true,  -1},  // empty counts as too long for the target
        {std::string(249, 'x'),   false, -1},
        {std::string(250, 'x'),   true,  -1},
        {"a b~",                  false, -1},  // space and tilde are fine
        {"a\"b",                  false, '"'},
        {"a\tb",                  false, '\t'},
        {"a\x7f",                 false, 127},
        {"R\xe9sistance",         false, 0xe9},
        {std::string(250, '\t'),  true,  '\t'},  // both at once
    };
    // clang-format on
    for (const auto& c : cases) {
        const NameCheck check = CheckNameText(c.name);
        EXPECT_EQ(check.tooLong, c.tooLong) << c.name;
        EXPECT_EQ(check.badCharacter, c.badCharacter) << c.name;
    }
}

// The name tests read eight bytes at a time, or a block of 16 that runs on
// past the name; every byte value at every place of names of every length
// up to 20 must give the byte-wise answer, and bad bytes next to the name
// must not count.
TEST(CheckName, EveryByteAtEveryPlace) {
    for (std::size_t length = 1; length <= 20; ++length) {
        for (std::size_t place = 0; place < length; ++place) {
            for (int byte = 0; byte < 256; ++byte) {
                std::string text = '"' + std::string(length, 'm') + std::string(kReadableAfterText, '"');
                text[1 + place] = static_cast<char>(byte);
                const std::string_view name = std::string_view(text).substr(1, length);
                const bool bad = IsBadNameByte(static_cast<unsigned char>(byte));
                ASSERT_EQ(HasBadNameByte(name), bad) << "length " << length << ", byte " << byte << " at " << place;
                ASSERT_EQ(HasBadNameBytePadded(name), bad)
                    << "length " << length << ", byte " << byte << " at " << place;
                SourceChecks checks(nullptr), inLine(nullptr);
                checks.CheckName(name, NameRole::PartId);
                inLine.CheckNameInLine(name, NameRole::PartId);
                ASSERT_EQ(checks.Findings().badCharacter, bad);
                ASSERT_EQ(inLine.Findings().badCharacter, bad);
            }
        }
    }
    EXPECT_FALSE(HasBadNameByte(std::string_view("\"ab\"").substr(1, 2)));
}

TEST(CheckPin, DigitsOnlyAndNotZero) {
    // clang-format off
    const std::pair<const char*, bool> cases[] = {
        {"1", false}, {"12", false}, {"007", false}, {"", false},
        {"0", true}, {"000", true}, {"A1", true}, {"1A", true}, {"-1", true}, {"1.5", true}, {"1\t", true},
    };
    // clang-format on
    for (const auto& [pin, bad] : cases) EXPECT_EQ(IsBadPin(pin), bad) << pin;
}

// A token is checked as if split at each of its full stops.
TEST(CheckReference, EverySplitIsChecked) {
    struct Case {
        const char* token;
        CheckFindings found;
    };
    // clang-format off
    const Case cases[] = {
        {"U1.7",    {false, false, false}},
        {"U1.A.1",  {false, false, true}},   // the first split's pin is "A.1"
        {".5",      {true,  false, false}},  // empty part ID
        {"U1.",     {false, false, false}},  // empty pin sets nothing
        {"U\"1.0",  {false, true,  true}},
        {"U1",      {false, false, false}},  // no full stop, no check
        {"C1.2\tU1.7", {false, true, true}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SourceChecks checks(nullptr);
        const std::string_view token = c.token;
        if (token.find('.') != std::string_view::npos) checks.CheckReference(token, token.rfind('.'));
        const CheckFindings& found = checks.Findings();
        EXPECT_EQ(found.nameTooLong, c.found.nameTooLong) << c.token;
        EXPECT_EQ(found.badCharacter, c.found.badCharacter) << c.token;
        EXPECT_EQ(found.badPinNumber, c.found.badPinNumber) << c.token;
    }
}

TEST(CheckReference, AFullStopAtPosition251MakesAPrefixTooLong) {
    SourceChecks checks(nullptr);
    const std::string token = std::string(250, 'x') + ".1";
    checks.CheckReference(token, 250);
    EXPECT_TRUE(checks.Findings().nameTooLong);
}

// The line followed by what follows every line the reader returns: a space,
// then bytes of any value.
std::string AsReadLine(const std::string& line) { return line + " " + std::string(kReadableAfterText - 1, '.'); }

// The scan of a connection line skips the checks for references it finds
// plain; that must never hide a finding, and the usual reference must be plain.
TEST(PinReferenceScan, IsPlainOnlyWhereTheChecksFindNothing) {
    struct Case {
        std::string token;
        bool plain;
    };
    const Case cases[] = {
        {"U1.7", true},
        {std::string(kLongestName, 'x') + ".1", true},
        {std::string(kLongestName + 1, 'x') + ".1", false},
        {"U1.A.1", false},
        {"A.B.1", false},
        {".5", false},
        {"U1.", false},
        {"U1.0", false},
        {"U1.007", true},
        {"U\"1.1", false},
        {"U1.1\v", false},  // a vertical tab is no separator
        {"PART_NUMBER_SEVENTEEN.12", true},
        {"PART.NUMBER_SEVENTEEN.12", false},
        {"PART_NUMBER_SEVENTEEN\x80.12", false},
        {"PART_NUMBER\x7f_SEVENTEEN.12", false},
        // Full stops and pins on either side of the scan's 16-byte blocks.
        {"PART_NUMBER_S.12", true},
        {"PART_NUMBER_SE.12", true},
        {"PART_NUMBER_SEV.12", true},
        {"PART_NUMBER_SEV.1x", false},
        {"PART_NUMBER_SEV.00", false},
        {"PART_NUMBER_SEV.", false},
        {"PART_NUMBER_SEVE.9", true},
        {"PART_NUMBER_SEVE.0", false},
        {"PART_NUMBER_SEVENTEEN_AND_MORE_THAN_THIRTY_TWO.10203040506070809", true},
        {"PART_NUMBER_SEVENTEEN_AND_MORE_THAN_THIRTY_TWO.1020304050607080x", false},
    };
    for (const Case& c : cases) {
        // Alone, and in a line that goes on, where the scan reads whole blocks;
        // what follows the space belongs to the next token.
        const std::string line = c.token + " A.B.\"\t.1 " + std::string(40, 'x');
        const std::string readLine = AsReadLine(line);
        const PinReference inLine = ScanPinReference(readLine.data());
        EXPECT_EQ(inLine.token, c.token);
        EXPECT_EQ(inLine.lastStop, c.token.rfind('.')) << c.token;
        EXPECT_EQ(inLine.plain, c.plain) << c.token;
        const std::string readToken = AsReadLine(c.token);
        const PinReference reference = ScanPinReference(readToken.data());
        EXPECT_EQ(reference.plain, c.plain) << c.token;
        SourceChecks checks(nullptr);
        checks.CheckReference(c.token, c.token.rfind('.'));
        const CheckFindings& found = checks.Findings();
        if (reference.plain) {
            EXPECT_FALSE(found.nameTooLong || found.badCharacter || found.badPinNumber) << c.token;
        }
    }
}

// Spaces and tabs end a token wherever they fall in the scan's blocks, and a
// scan that starts on one finds an empty token.
TEST(PinReferenceScan, ASpaceOrATabEndsTheToken) {
    for (const char blank : {' ', '\t'}) {
        for (std::size_t length = 0; length <= 40; ++length) {
            const std::string token = length == 0 ? "" : std::string(length - 1, 'U') + "1";
            const std::string readLine = AsReadLine(token + blank + "R2.2");
            const PinReference reference = ScanPinReference(readLine.data());
            EXPECT_EQ(reference.token, token) << length;
            EXPECT_FALSE(reference.HasStop()) << length;
        }
    }
}

// Every byte at every place of tokens whose full stop falls on every place of
// the scan's first block and beyond it.
TEST(PinReferenceScan, EveryByteAtEveryPlaceIsPlainOnlyWhereTheChecksFindNothing) {
    for (std::size_t idLength = 1; idLength <= 18; ++idLength) {
        for (const std::string pin : {"7", "10", "305"}) {
            const std::string base = std::string(idLength, 'P') + "." + pin;
            for (std::size_t place = 0; place < base.size(); ++place) {
                for (int byte = 0; byte < 256; ++byte) {
                    if (byte == ' ' || byte == '\t') continue;  // it would end the token
                    std::string token = base;
                    token[place] = static_cast<char>(byte);
                    const std::string readToken = AsReadLine(token);
                    const PinReference reference = ScanPinReference(readToken.data());
                    ASSERT_EQ(reference.token, token);
                    if (!reference.HasStop()) continue;
                    SourceChecks checks(nullptr);
                    checks.CheckReference(token, reference.lastStop);
                    const CheckFindings& found = checks.Findings();
                    const bool clean = !(found.nameTooLong || found.badCharacter || found.badPinNumber);
                    if (reference.plain) {
                        EXPECT_TRUE(clean) << token;
                    }
                    // The usual reference is plain; "!" and an empty pin may take the full checks.
                    const bool usual = byte != '!' && reference.lastStop + 1 < token.size();
                    if (clean && usual) {
                        EXPECT_TRUE(reference.plain) << token;
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace brisel
