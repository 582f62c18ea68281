#include "messages/verify_lines.h"

#include "messages/problem_lines.h"

namespace brisel::messages {

std::string VerifiedLine(long long nets, long long connections) {
    return "verified: " + std::to_string(nets) + " nets, " + std::to_string(connections) + " connections";
}

std::string DiscrepancyLine(const std::string& discrepancy) { return "verify: " + discrepancy; }

std::string ImportRiskLine(const std::string& source, std::int64_t line, const std::string& text) {
    return SourceLineText(source, line, "warning", text);
}

std::string NotVerifiedLine(const std::string& target) {
    return "verify: '" + target + "' cannot be read back, not verified";
}

std::string UnreadableTargetLine(const std::string& reason) {
    return DiscrepancyLine("the new netlist could not be read back: " + reason);
}

}  // namespace brisel::messages
