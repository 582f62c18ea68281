#pragma once
// A small reader of a PADS ASCII netlist, fed the source's bytes in blocks
// as they are read, that sums up net by net the pins a faithful conversion
// writes: each pin once, while references to parts missing from the part
// list, and tokens without a full stop before a net's first reference, are
// left out. It also predicts the order of the target's table titles and part
// rows, and notes where the target will be as the conversion's rules write
// it yet not as ExpressPCB expects it. It holds one line, the part IDs, a
// summary of each net and the pins of the net being read.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "pin_map/pin_map.h"
#include "verify/digest.h"
#include "verify/import_risk.h"
#include "verify/line_splitter.h"
#include "verify/name_list.h"
#include "verify/part_id_set.h"
#include "verify/pin_set.h"
#include "verify/table_layout.h"

namespace brisel::verify {

struct SourceNet {
    std::int64_t headerLine = 0;
    PinDigest pins;  // one entry per pin
    std::int64_t leftOut = 0;
};

class PadsSourceReader : private LineHandler {
public:
    // `pinMap`, when not nullptr, gives pins the numbers that the conversion
    // writes for them.
    explicit PadsSourceReader(const pin_map::PinMap* pinMap = nullptr) : lines_(*this), pinMap_(pinMap) {}

    void Feed(std::string_view bytes) { lines_.Feed(bytes); }
    // The end of the source.
    void Finish();

    const std::vector<SourceNet>& Nets() const { return nets_; }
    // The name of Nets()[i].
    std::string_view NetName(std::size_t i) const { return netNames_[i]; }
    const TableLayout& Layout() const { return layout_; }
    const std::vector<ImportRisk>& Risks() const { return risks_; }

private:
    enum class PartSection { NotSeen, Open, Ended };

    void OnLine(std::string_view line, LineEnd end, std::int64_t number) override;
    // Returns true when the line belonged to the part section and is done.
    bool TakePartLine(std::string_view line, std::int64_t number);
    void OnPartHeader(std::int64_t number);
    void OnNetHeader(std::string_view line, std::int64_t number);
    void StartNet(std::string_view header, std::int64_t number);
    void AddReferenceLine(std::string_view line);
    void AddToken(std::string_view token);
    std::string_view MappedPin(std::string_view partId, std::string_view pin) const;
    void FinishNet();
    void Risk(std::int64_t line, ImportRiskKind kind);

    LineSplitter lines_;
    bool ended_ = false;
    PartSection section_ = PartSection::NotSeen;
    bool netHeaderSeen_ = false;
    bool netOutsideTableTold_ = false;
    PartIdSet partIds_;
    const pin_map::PinMap* pinMap_;
    // With a pin map: the rules of each part of the section, by its folded ID.
    std::unordered_map<std::string, pin_map::PartRules> partRules_;

    // The net being read: the lines after its header up to the next line
    // that begins with "*".
    bool inSignal_ = false;
    bool haveReference_ = false;
    bool kept_ = false;  // the latest reference's part is in the part list
    PinSet netPins_;
    SourceNet net_;

    std::vector<SourceNet> nets_;
    NameList netNames_;
    TableLayout layout_;
    std::vector<ImportRisk> risks_;
};

}  // namespace brisel::verify
