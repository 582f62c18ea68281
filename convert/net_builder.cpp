#include "convert/net_builder.h"

#include <cstring>

#include "convert/netlist_layout.h"

namespace brisel {

void NetBuilder::OnNetHeader() {
    WriteNetTableHeader(target_);
    netHeaderSeen_ = true;
}

// Only the space separates references, and every space ends one: a run of
// spaces gives empty tokens, which repeat the reference before them. A space
// at the very end ends the last reference itself.
void NetBuilder::AddNet(std::string_view netName, std::string_view connectionLine) {
    firstConnection_ += connectionsInNet_;
    connectionsInNet_ = 0;
    haveReference_ = false;
    rowPending_ = false;
    checks_.CheckName(netName);
    ++netCount_;

    const char* begin = connectionLine.data();
    const char* end = begin + connectionLine.size();
    const char* tokenStart = begin;
    while (tokenStart != end) {
        const void* space = std::memchr(tokenStart, ' ', static_cast<std::size_t>(end - tokenStart));
        const char* tokenEnd = space ? static_cast<const char*>(space) : end;
        AddToken(std::string_view(tokenStart, static_cast<std::size_t>(tokenEnd - tokenStart)));
        tokenStart = tokenEnd == end ? end : tokenEnd + 1;
    }
    FinishNet();
    WriteNetRow(target_, netName, firstConnection_);
}

// A reference is split at its last full stop. A token without one repeats
// the reference before it; before the net's first reference it has nothing
// to repeat and is left out, as is a reference to a part that the part list
// does not hold.
void NetBuilder::AddToken(std::string_view token) {
    const auto stop = token.rfind('.');
    if (stop != std::string_view::npos) {
        checks_.CheckReference(token);
        currentPin_ = token.substr(stop + 1);
        currentPart_ = parts_.FindPart(token.substr(0, stop));
        haveReference_ = true;
    }
    if (!haveReference_ || !currentPart_) {
        ++leftOut_;
        return;
    }
    AddRow(*currentPart_, currentPin_);
}

void NetBuilder::AddRow(std::int64_t part, std::string_view pin) {
    if (rowPending_) {
        WriteConnectionRow(spool_, netCount_, pendingPart_, pendingPin_, firstConnection_ + connectionsInNet_);
    }
    ++connectionsInNet_;
    rowPending_ = true;
    pendingPart_ = part;
    pendingPin_ = pin;
}

void NetBuilder::FinishNet() {
    if (rowPending_) WriteConnectionRow(spool_, netCount_, pendingPart_, pendingPin_, 0);
    rowPending_ = false;
    connectionCount_ += connectionsInNet_;
}

}  // namespace brisel
