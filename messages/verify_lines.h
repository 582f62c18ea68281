#pragma once
// The words of the check of --verify, for the command line and the page
// alike: "verified: 6 nets, 36 connections" when the new netlist holds the
// source's connections, one "verify: ..." line for each discrepancy, and a
// warning on the source's line where ExpressPCB will not read the new
// netlist as the designer meant.

#include <string>
#include <vector>

#include "file_system/file_reason.h"
#include "verify/verify.h"

namespace brisel::messages {

std::string VerifiedLine(long long nets, long long connections);
// "verify: net 2: chain goes backwards at connection 3 (next 2)".
std::string DiscrepancyLine(const verify::Discrepancy& discrepancy);
// The text of each discrepancy of the report, then one that counts those left out.
std::vector<std::string> DiscrepancyTexts(const verify::Report& report);
// The same texts as "verify: ..." lines.
std::vector<std::string> DiscrepancyLines(const verify::Report& report);
// "board.net:12: warning: TEXT", in the form of the problem lines.
std::string ImportRiskLine(const std::string& source, const verify::ImportRisk& risk);
// A target that cannot be read back (a pipe, a device) is not verified.
std::string NotVerifiedLine(const std::string& target);
// The page's new netlist, which it could not read back from memory.
std::string UnreadableTargetLine(const FileReason& reason);

}  // namespace brisel::messages
