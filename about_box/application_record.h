#pragma once
// The program's title.

namespace brisel::about_box::application {

inline constexpr const char* kTitle = "Brisel";

}  // namespace brisel::about_box::application
