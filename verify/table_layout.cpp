#include "verify/table_layout.h"

namespace brisel::verify {

namespace {

// Where a part row's fingerprint starts: its ID and name are hashed after it
// with their lengths, as a pin's are.
constexpr std::uint64_t kPartRow = 0x70617274726f77;  // "partrow"

}  // namespace

void TableLayout::Header() {
    header_ = true;
    sequence_.Add(Hasher().Add("H").Value());
}

void TableLayout::PartTitle() {
    ++partTitles_;
    sequence_.Add(Hasher().Add("P").Value());
}

void TableLayout::PartRow(std::string_view partId, std::string_view partName) {
    ++partRows_;
    sequence_.Add(PinHash(PinHash(kPartRow, partId), partName));
}

void TableLayout::NetTitle() {
    ++netTitles_;
    sequence_.Add(Hasher().Add("N").Value());
}

std::string TableLayout::Counts() const {
    return std::string(header_ ? "the header, " : "no header, ") + std::to_string(partTitles_) +
           " \"Part IDs Table\", " + std::to_string(partRows_) + " part rows, " + std::to_string(netTitles_) +
           " \"Net Names Table\"";
}

}  // namespace brisel::verify
