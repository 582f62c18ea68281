#include "messages/details_printer.h"

namespace brisel::messages {

void DetailsPrinter::Print(const Problem& problem) {
    if (const auto line = lines_.Add(problem)) std::fprintf(stream_, "%s\n", line->c_str());
}

void DetailsPrinter::PrintOmitted() {
    for (const std::string& line : lines_.Omitted()) std::fprintf(stream_, "%s\n", line.c_str());
}

}  // namespace brisel::messages
