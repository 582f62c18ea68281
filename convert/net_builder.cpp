#include "convert/net_builder.h"

#include <cstring>

#include "convert/netlist_layout.h"

namespace brisel {

namespace {

template <typename Action>
void ForEachToken(std::string_view line, Action action) {
    const char* end = line.data() + line.size();
    const char* tokenStart = line.data();
    while (tokenStart != end) {
        const void* space = std::memchr(tokenStart, ' ', static_cast<std::size_t>(end - tokenStart));
        const char* tokenEnd = space ? static_cast<const char*>(space) : end;
        action(std::string_view(tokenStart, static_cast<std::size_t>(tokenEnd - tokenStart)));
        tokenStart = tokenEnd == end ? end : tokenEnd + 1;
    }
}

}  // namespace

void NetBuilder::OnNetHeader() {
    WriteNetTableHeader(target_);
    netHeaderSeen_ = true;
}

// Only the space separates references, and every space ends one: a run of
// spaces gives empty tokens, which repeat the reference before them. A space
// at the very end ends the last reference itself.
void NetBuilder::AddNet(std::string_view netName, std::string_view connectionLine, std::int64_t headerLine) {
    firstConnection_ += connectionsInNet_;
    connectionsInNet_ = 0;
    haveReference_ = false;
    pendingPart_ = nullptr;
    checks_.At(headerLine);
    checks_.CheckName(netName, "net name");
    netNumber_.Set(static_cast<std::uint64_t>(++netCount_));
    nextConnection_.Set(static_cast<std::uint64_t>(firstConnection_ + 1));

    PrefetchParts(connectionLine);
    checks_.At(headerLine + 1, connectionLine);
    ForEachToken(connectionLine, [&](std::string_view token) { AddToken(token, netName); });
    FinishNet();
    WriteNetRow(target_, netName, firstConnection_);
}

// The part lookups of a net are independent of each other: asking the
// memory for all of them first lets their cache misses overlap.
void NetBuilder::PrefetchParts(std::string_view connectionLine) {
    partHashes_.clear();
    nextHash_ = 0;
    ForEachToken(connectionLine, [this](std::string_view token) {
        const auto stop = token.rfind('.');
        if (stop == std::string_view::npos) return;
        partHashes_.push_back(PartIds::Hash(token.substr(0, stop)));
        parts_.Prefetch(partHashes_.back());
    });
}

// A reference is split at its last full stop. A token without one repeats
// the reference before it; before the net's first reference it has nothing
// to repeat and is left out, as is a reference to a part that the part list
// does not hold.
void NetBuilder::AddToken(std::string_view token, std::string_view netName) {
    const auto stop = token.rfind('.');
    if (stop != std::string_view::npos) {
        checks_.CheckReference(token, stop);
        currentPin_ = token.substr(stop + 1);
        currentPartId_ = token.substr(0, stop);
        currentPart_ = parts_.FindPart(currentPartId_, partHashes_[nextHash_++]);
        haveReference_ = true;
    }
    if (!haveReference_) {
        checks_.NothingToRepeat(token, netName);
        ++leftOut_;
        return;
    }
    if (currentPart_ == nullptr) {
        checks_.UnknownPart(token, currentPartId_);
        ++leftOut_;
        return;
    }
    AddRow(*currentPart_, currentPin_);
}

void NetBuilder::AddRow(const PartNumber& part, std::string_view pin) {
    if (pendingPart_ != nullptr) {
        WriteConnectionRow(spool_, netNumber_.Text(), pendingPart_->Text(), pendingPin_, nextConnection_.Text());
        nextConnection_.Increment();
    }
    ++connectionsInNet_;
    pendingPart_ = &part;
    pendingPin_ = pin;
}

void NetBuilder::FinishNet() {
    if (pendingPart_ != nullptr) {
        WriteConnectionRow(spool_, netNumber_.Text(), pendingPart_->Text(), pendingPin_, "0");
    }
    pendingPart_ = nullptr;
    connectionCount_ += connectionsInNet_;
}

}  // namespace brisel
