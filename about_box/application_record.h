#pragma once
// The program's title and version numbers (file version 1.00.0002).

namespace brisel::about_box::application {

inline constexpr const char* kTitle = "Brisel";
inline constexpr int kMajor = 1;
inline constexpr int kMinor = 0;
inline constexpr int kRevision = 2;

}  // namespace brisel::about_box::application
