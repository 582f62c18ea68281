#pragma once
// Reading and writing files in tests, byte for byte or as lines.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace brisel::test {

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// A file of the test data folder.
inline std::string TestData(const std::string& name) {
    return ReadFile(std::filesystem::path(BRISEL_TEST_DATA_DIR) / name);
}

// A netlist with its banner's version masked, as the golden files hold it, so
// that they outlive a new version: "Brisel v1.02 netlist ..." reads
// "Brisel vX.XX netlist ...".
inline std::string MaskedVersion(std::string netlist) {
    const std::string start = "\"Brisel v";
    const std::size_t version = netlist.find(start);
    if (version == std::string::npos) return netlist;
    const std::size_t from = version + start.size();
    return netlist.replace(from, netlist.find(' ', from) - from, "X.XX");
}

// Lines without their LF or CR LF: console output ends lines in CR LF on Windows.
inline std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

}  // namespace brisel::test
