#include "convert/pin_reference.h"

#include "convert/name_bytes.h"

namespace brisel {

namespace {

// What the scan of a token does at a byte: most bytes are name bytes and
// need nothing.
enum ByteKind : unsigned char { kNameByte, kSpace, kStop, kBadByte };

struct ByteKinds {
    ByteKind kind[256];
    constexpr ByteKinds() : kind() {
        for (int c = 0; c < 256; ++c) kind[c] = IsBadNameByte(static_cast<unsigned char>(c)) ? kBadByte : kNameByte;
        kind[' '] = kSpace;
        kind['.'] = kStop;
    }
};
constexpr ByteKinds kByteKinds{};

bool IsPlainPin(std::string_view pin) {
    bool nonZero = false;
    for (char c : pin) {
        if (c < '0' || c > '9') return false;
        nonZero |= c != '0';
    }
    return nonZero;
}

}  // namespace

PinReference ScanPinReference(const char* begin, const char* end) {
    const char* lastStop = nullptr;
    int stops = 0;
    bool badByte = false;
    const char* p = begin;
    for (; p != end; ++p) {
        const ByteKind kind = kByteKinds.kind[static_cast<unsigned char>(*p)];
        if (kind == kNameByte) continue;
        if (kind == kSpace) break;
        if (kind == kStop) {
            lastStop = p;
            ++stops;
        } else {
            badByte = true;
        }
    }
    PinReference reference;
    reference.token = std::string_view(begin, static_cast<std::size_t>(p - begin));
    if (lastStop == nullptr) return reference;
    reference.lastStop = static_cast<std::size_t>(lastStop - begin);
    reference.plain =
        stops == 1 && !badByte && reference.lastStop >= 1 && reference.lastStop < 250 && IsPlainPin(reference.Pin());
    return reference;
}

}  // namespace brisel
