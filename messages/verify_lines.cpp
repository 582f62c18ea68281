#include "messages/verify_lines.h"

#include "messages/discrepancy_texts.h"
#include "messages/file_reasons.h"
#include "messages/problem_lines.h"

namespace brisel::messages {
namespace {

std::string CheckLine(const std::string& text) { return "verify: " + text; }

}  // namespace

std::string VerifiedLine(long long nets, long long connections) {
    return "verified: " + std::to_string(nets) + " nets, " + std::to_string(connections) + " connections";
}

std::string DiscrepancyLine(const verify::Discrepancy& discrepancy) { return CheckLine(DiscrepancyText(discrepancy)); }

std::vector<std::string> DiscrepancyTexts(const verify::Report& report) {
    std::vector<std::string> texts;
    texts.reserve(report.discrepancies.size() + 1);
    for (const verify::Discrepancy& discrepancy : report.discrepancies) texts.push_back(DiscrepancyText(discrepancy));
    if (report.discrepanciesLeftOut > 0) texts.push_back(LeftOutDiscrepanciesText(report.discrepanciesLeftOut));
    return texts;
}

std::vector<std::string> DiscrepancyLines(const verify::Report& report) {
    std::vector<std::string> lines = DiscrepancyTexts(report);
    for (std::string& line : lines) line = CheckLine(line);
    return lines;
}

std::string ImportRiskLine(const std::string& source, const verify::ImportRisk& risk) {
    return SourceLineText(source, risk.line, "warning", ImportRiskText(risk.kind));
}

std::string NotVerifiedLine(const std::string& target) {
    return CheckLine("'" + target + "' cannot be read back, not verified");
}

std::string UnreadableTargetLine(const FileReason& reason) {
    return CheckLine("the new netlist could not be read back: " + FileReasonText(reason));
}

}  // namespace brisel::messages
