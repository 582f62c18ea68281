#include "platform/anchoring.h"

namespace brisel::platform {

PixelRect Follow(Anchoring anchoring, const PixelRect& designed, int grownWidth, int grownHeight) {
    PixelRect rect = designed;
    switch (anchoring) {
        case Anchoring::TopLeft:
            break;
        case Anchoring::Stretch:
            rect.width += grownWidth;
            rect.height += grownHeight;
            break;
        case Anchoring::BottomRight:
            rect.left += grownWidth;
            rect.top += grownHeight;
            break;
    }
    return rect;
}

}  // namespace brisel::platform
