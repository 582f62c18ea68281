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
    NetlistOptions Options;
    std::string OutputPath;
    bool PrintSummary = false;
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
        options.Parts = 500;
        options.References = 5'000;
    } else if (size == "large") {
        options.Parts = 100'000;
        options.References = 1'000'000;
    } else if (size == "stress") {
        options.Parts = 1'000;
        options.References = 200'000;
        options.SingleNet = true;
    } else {
        return false;
    }
    return true;
}

bool ApplyCount(std::string_view name, std::uint64_t value, CommandLine& line) {
    NetlistOptions& options = line.Options;
    if (name == "--parts") {
        options.Parts = value;
    } else if (name == "--references") {
        options.References = value;
    } else if (name == "--stress") {
        options.References = value;
        options.SingleNet = true;
    } else if (name == "--net-size") {
        options.NetSize = value;
    } else if (name == "--per-line") {
        options.ReferencesPerLine = value;
    } else if (name == "--seed") {
        options.Seed = value;
    } else {
        return false;
    }
    return true;
}

bool ApplyValue(std::string_view name, std::string_view value, CommandLine& line) {
    if (name == "--size") {
        return ApplySize(value, line.Options);
    }
    if (name == "-o" || name == "--output") {
        line.OutputPath = value;
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
            line.Options.CrLf = true;
        } else if (name == "--summary") {
            line.PrintSummary = true;
        } else if (i + 1 >= argc || !ApplyValue(name, argv[++i], line)) {
            return std::nullopt;
        }
    }
    const NetlistOptions& options = line.Options;
    if (options.ReferencesPerLine == 0 || (options.Parts == 0 && options.References != 0)) {
        return std::nullopt;
    }
    return line;
}

void PrintSummary(const brisel::bench::NetlistSummary& summary) {
    std::cerr << "parts " << summary.Parts << "\nnets " << summary.Nets << "\nreferences " << summary.References
              << "\nconnections " << summary.Connections << "\nsource_lines " << summary.SourceLines
              << "\njoined_lines " << summary.JoinedLines << '\n';
}

int Generate(const CommandLine& line) {
    std::ofstream file;
    if (!line.OutputPath.empty()) {
        file.open(line.OutputPath, std::ios::binary | std::ios::trunc);
        if (!file) {
            std::cerr << "brisel-gen-netlist: cannot create '" << line.OutputPath << "'\n";
            return 1;
        }
    }
    std::ostream& out = line.OutputPath.empty() ? std::cout : file;
    const auto summary = brisel::bench::WriteNetlist(line.Options, out);
    out.flush();
    if (!out) {
        std::cerr << "brisel-gen-netlist: write failed\n";
        return 1;
    }
    if (line.PrintSummary) {
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
