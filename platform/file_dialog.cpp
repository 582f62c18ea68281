#include "platform/file_dialog.h"

namespace brisel::platform {

std::vector<FilterEntry> ParseFilter(const std::string& filter) {
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    while (start < filter.size()) {
        const auto bar = filter.find('|', start);
        const auto end = bar == std::string::npos ? filter.size() : bar;
        parts.push_back(filter.substr(start, end - start));
        start = end + 1;
    }
    std::vector<FilterEntry> entries;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        entries.push_back({parts[i], parts[i + 1]});
    }
    return entries;
}

std::string FileTitleOf(const std::string& fullPath) {
    const auto separator = fullPath.find_last_of("\\/");
    return separator == std::string::npos ? fullPath : fullPath.substr(separator + 1);
}

}  // namespace brisel::platform
