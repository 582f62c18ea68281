#pragma once
// Where a second window opens: beside the window it belongs to, never over
// it, and on the screen.

#include "platform/anchoring.h"

namespace brisel::platform {

// Pixels between the two windows' frames.
inline constexpr int kPlacementGap = 8;

struct PixelSize {
    int width = 0;
    int height = 0;
};

// A sizable window may open down to this share of its size, to find room
// beside the main window on a small screen.
inline PixelSize SmallestOpening(PixelSize size) { return {size.width / 2, size.height / 2}; }

// The frame of a window beside the frame `anchor`, on a screen whose free
// area is `screen`: to the anchor's right, else below it, else to its left,
// else above it, wherever it first fits whole, shifted along that side to
// stay on the screen. Failing that, the first side where it fits once made
// smaller, down to `smallest` (its own size for a window of fixed size).
// Failing that too, the side with the most room, with the window kept on the
// screen, made no larger than the screen if it may shrink at all.
PixelRect PlaceBeside(const PixelRect& anchor, PixelSize size, PixelSize smallest, const PixelRect& screen);

}  // namespace brisel::platform
