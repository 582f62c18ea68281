// brisel-gen-netlist: writes a generated PADS netlist to a file or stdout.

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "bench/netlist_generator.h"

namespace {

using brisel::bench::NetlistOptions;

constexpr std::string_view Usage =
    "Usage: brisel-gen-netlist [OPTIONS]\n"
    "Writes a seeded, reproducible PADS ASCII netlist.\n"
    "  --size small|large|stress  preset: 500 parts and 5,000 references;\n"
    "                             100,000 parts and 1,000,000 references;\n"
    "                             1,000 parts and one net of 200,000 references\n"
    "  --parts N                  number of parts\n"
    "  --references N             pin references over all nets\n"
    "  --stress N                 one net holding all N references\n"
    "  --net-size N               N references in every net (default: drawn,\n"
    "                             most nets 2 to 4, a few thousands)\n"
    "  --per-line N               references per source line (default 8)\n"
    "  --seed N                   seed (default 1)\n"
    "  --crlf                     end lines with CR LF instead of LF\n"
    "  --summary                  print the counts of the file to stderr\n"
    "  -o, --output FILE          write to FILE instead of stdout\n";

struct CommandLine {
    NetlistOptions options;
    std::string outputPath;
    bool printSummary = false;
};

std::optional<std::uint64_t> ParseCount(std::string_view text) {
    std::uint64_t value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

bool ApplySize(std::string_view size, NetlistOptions& options) {
    if (size == "small") {
        options.parts = 500;
        options.references = 5'000;
    } else if (size == "large") {
        options.parts = 100'000;
        options.references = 1'000'000;
    } else if (size == "stress") {
        options.parts = 1'000;
        options.references = 200'000;
        options.singleNet = true;
    } else {
        return false;
    }
    return true;
}

bool ApplyCount(std::string_view name, std::uint64_t value, CommandLine& line) {
    NetlistOptions& options = line.options;
    if (name == "--parts") {
        options.parts = value;
    } else if (name == "--references") {
        options.references = value;
    } else if (name == "--stress") {
        options.references = value;
        options.singleNet = true;
    } else if (name == "--net-size") {
        options.netSize = value;
    } else if (name == "--per-line") {
        options.referencesPerLine = value;
    } else if (name == "--seed") {
        options.seed = value;
    } else {
        return false;
    }
    return true;
}

bool ApplyValue(std::string_view name, std::string_view value, CommandLine& line) {
    if (name == "--size") {
        return ApplySize(value, line.options);
    }
    if (name == "-o" || name == "--output") {
        line.outputPath = value;
        return !value.empty();
    }
    const std::optional<std::uint64_t> count = ParseCount(value);
    return count && ApplyCount(name, *count, line);
}

std::optional<CommandLine> ParseCommandLine(int argc, char** argv) {
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        const std::string_view name = argv[i];
        if (name == "--crlf") {
            line.options.crLf = true;
        } else if (name == "--summary") {
            line.printSummary = true;
        } else if (i + 1 >= argc || !ApplyValue(name, argv[++i], line)) {
            return std::nullopt;
        }
    }
    const NetlistOptions& options = line.options;
    if (options.referencesPerLine == 0 || (options.parts == 0 && options.references != 0)) {
        return std::nullopt;
    }
    return line;
}

void PrintSummary(const brisel::bench::NetlistSummary& summary) {
    std::cerr << "parts " << summary.parts << "\nnets " << summary.nets << "\nreferences " << summary.references
              << "\nconnections " << summary.connections << "\nsource_lines " << summary.sourceLines
              << "\njoined_lines " << summary.joinedLines << '\n';
}

int Generate(const CommandLine& line) {
    std::ofstream file;
    if (!line.outputPath.empty()) {
        file.open(line.outputPath, std::ios::binary | std::ios::trunc);
        if (!file) {
            std::cerr << "brisel-gen-netlist: cannot create '" << line.outputPath << "'\n";
            return 1;
        }
    }
    std::ostream& out = line.outputPath.empty() ? std::cout : file;
    const auto summary = brisel::bench::WriteNetlist(line.options, out);
    out.flush();
    if (!out) {
        std::cerr << "brisel-gen-netlist: write failed\n";
        return 1;
    }
    if (line.printSummary) {
        PrintSummary(summary);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string_view(argv[1]) == "--help") {
        std::cout << Usage;
        return 0;
    }
    const std::optional<CommandLine> line = ParseCommandLine(argc, argv);
    if (!line) {
        std::cerr << Usage;
        return 2;
    }
    std::ios::sync_with_stdio(false);
    return Generate(*line);
}
