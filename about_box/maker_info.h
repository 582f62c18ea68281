#pragma once
// Who makes Brisel and how to reach them, as the About box shows it.
// PLACEHOLDERS until the project has a real home: every address is on the
// reserved example.org domain and reaches nobody.

namespace brisel::about_box::maker {

inline constexpr const char* kName = "Example Maker (placeholder)";
inline constexpr const char* kPostalAddress = "1 Example Street, Example Town (placeholder)";
inline constexpr const char* kEmail = "brisel@example.org";
inline constexpr const char* kWebAddress = "https://www.example.org/brisel/";
inline constexpr const char* kCopyrightYear = "2026";

}  // namespace brisel::about_box::maker
