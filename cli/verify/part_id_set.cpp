#include "cli/verify/part_id_set.h"

#include "cli/verify/text.h"

namespace brisel::verify {

void PartIdSet::Insert(std::string_view partId) { ids_.insert(FoldCase(partId)); }

bool PartIdSet::Equal::operator()(const Key& key, const std::string& folded) const {
    if (key.text.size() != folded.size()) return false;
    for (std::size_t i = 0; i < folded.size(); ++i) {
        if (FoldChar(key.text[i]) != folded[i]) return false;
    }
    return true;
}

}  // namespace brisel::verify
