#pragma once
// Message boxes that wrap lines only between words would widen to fit a long
// file name and run off the screen; a break put into such a word keeps it
// within the box.

#include <cstddef>
#include <string>

namespace brisel::platform {

// The UTF-8 text with `lineBreak` put into every word of more than `longest`
// characters, after each `longest` of them (never inside a character).
std::string WithLongWordsBroken(const std::string& text, std::size_t longest, const std::string& lineBreak);

}  // namespace brisel::platform
