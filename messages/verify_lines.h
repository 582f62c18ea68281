#pragma once
// The words of the check of --verify, for the command line and the page
// alike: "verified: 6 nets, 36 connections" when the new netlist holds the
// source's connections, one "verify: ..." line for each discrepancy, and a
// warning on the source's line where ExpressPCB will not read the new
// netlist as the designer meant.

#include <cstdint>
#include <string>

namespace brisel::messages {

std::string VerifiedLine(long long nets, long long connections);
// `discrepancy` is worded by the check.
std::string DiscrepancyLine(const std::string& discrepancy);
// "board.net:12: warning: TEXT", in the form of the problem lines.
std::string ImportRiskLine(const std::string& source, std::int64_t line, const std::string& text);
// A target that cannot be read back (a pipe, a device) is not verified.
std::string NotVerifiedLine(const std::string& target);
// The page's new netlist, which it could not read back from memory.
std::string UnreadableTargetLine(const std::string& reason);

}  // namespace brisel::messages
