// Where the palette's popup goes: under its field, right edges aligned, kept inside the work area of the
// field's monitor. Portable.
#pragma once
#include "settings/palette/palette_layout.h"

namespace zvk::palette {

struct TPoint {
    int X = 0, Y = 0;
    bool operator==(const TPoint& o) const { return X == o.X && Y == o.Y; }
};

// field and workArea in screen coordinates; the popup's window size includes its frame. Answers the
// popup's top-left corner.
TPoint PlacePopup(const TBounds& field, int popupWidth, int popupHeight, const TBounds& workArea);

} // namespace zvk::palette
