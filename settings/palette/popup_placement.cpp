#include "settings/palette/popup_placement.h"

namespace zvk::palette {

TPoint PlacePopup(const TBounds& field, int popupWidth, int popupHeight, const TBounds& workArea) {
    TPoint at{field.Right - popupWidth, field.Bottom};
    if (at.X + popupWidth > workArea.Right) {
        at.X = workArea.Right - popupWidth;
    }
    if (at.Y + popupHeight > workArea.Bottom) {
        at.Y = field.Top - popupHeight;
    }
    // Its top-left corner stays visible even when the popup is larger than the room it has.
    if (at.X < workArea.Left) {
        at.X = workArea.Left;
    }
    if (at.Y < workArea.Top) {
        at.Y = workArea.Top;
    }
    return at;
}

} // namespace zvk::palette
