#include "platform/placement.h"

#include <algorithm>
#include <array>

namespace brisel::platform {
namespace {

enum class Side { Right, Below, Left, Above };
constexpr std::array<Side, 4> kSides{Side::Right, Side::Below, Side::Left, Side::Above};

// Within [low, high], or at low when the range is empty (a window larger
// than the screen shows its top left corner).
int Clamp(int value, int low, int high) { return std::max(low, std::min(value, high)); }

int Right(const PixelRect& r) { return r.left + r.width; }
int Bottom(const PixelRect& r) { return r.top + r.height; }

// The room on a side: across it, the pixels between the anchor's gap and
// the screen's edge; along it, the screen's whole extent.
PixelSize Room(Side side, const PixelRect& a, const PixelRect& s) {
    switch (side) {
        case Side::Right:
            return {Right(s) - Right(a) - kPlacementGap, s.height};
        case Side::Below:
            return {s.width, Bottom(s) - Bottom(a) - kPlacementGap};
        case Side::Left:
            return {a.left - kPlacementGap - s.left, s.height};
        case Side::Above:
            break;
    }
    return {s.width, a.top - kPlacementGap - s.top};
}

bool Fits(PixelSize size, PixelSize room) { return size.width <= room.width && size.height <= room.height; }

PixelRect At(Side side, PixelSize size, const PixelRect& a, const PixelRect& s) {
    const int alongY = Clamp(a.top, s.top, Bottom(s) - size.height);
    const int alongX = Clamp(a.left, s.left, Right(s) - size.width);
    switch (side) {
        case Side::Right:
            return {Right(a) + kPlacementGap, alongY, size.width, size.height};
        case Side::Below:
            return {alongX, Bottom(a) + kPlacementGap, size.width, size.height};
        case Side::Left:
            return {a.left - kPlacementGap - size.width, alongY, size.width, size.height};
        case Side::Above:
            break;
    }
    return {alongX, a.top - kPlacementGap - size.height, size.width, size.height};
}

PixelRect OnScreen(PixelRect rect, const PixelRect& s) {
    rect.left = Clamp(rect.left, s.left, Right(s) - rect.width);
    rect.top = Clamp(rect.top, s.top, Bottom(s) - rect.height);
    return rect;
}

}  // namespace

PixelRect PlaceBeside(const PixelRect& anchor, PixelSize size, PixelSize smallest, const PixelRect& screen) {
    for (Side side : kSides) {
        if (Fits(size, Room(side, anchor, screen))) return At(side, size, anchor, screen);
    }
    for (Side side : kSides) {
        const PixelSize room = Room(side, anchor, screen);
        const PixelSize shrunk{std::min(size.width, room.width), std::min(size.height, room.height)};
        if (shrunk.width >= smallest.width && shrunk.height >= smallest.height) {
            return At(side, shrunk, anchor, screen);
        }
    }
    const bool shrinks = smallest.width < size.width || smallest.height < size.height;
    const PixelSize kept =
        shrinks ? PixelSize{std::min(size.width, screen.width), std::min(size.height, screen.height)} : size;
    const auto leftOver = [&](Side side) {
        const PixelSize room = Room(side, anchor, screen);
        return std::min(room.width - kept.width, room.height - kept.height);
    };
    const Side most =
        *std::max_element(kSides.begin(), kSides.end(), [&](Side a, Side b) { return leftOver(a) < leftOver(b); });
    return OnScreen(At(most, kept, anchor, screen), screen);
}

}  // namespace brisel::platform
