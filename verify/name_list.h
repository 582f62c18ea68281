#pragma once
// Names by their number, one after another in one block of text: a board's
// hundreds of thousands of net names cost their bytes and a number each.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace brisel::verify {

class NameList {
public:
    void Add(std::string_view name) {
        text_.append(name);
        ends_.push_back(text_.size());
    }
    // Name i, counted from 0.
    std::string_view operator[](std::size_t i) const {
        const std::size_t start = i == 0 ? 0 : ends_[i - 1];
        return std::string_view(text_).substr(start, ends_[i] - start);
    }
    std::size_t Size() const { return ends_.size(); }

private:
    std::string text_;
    std::vector<std::size_t> ends_;
};

}  // namespace brisel::verify
