// The popup under its field, kept inside the work area.
#include "settings/palette/popup_placement.h"

#include <gtest/gtest.h>

namespace zvk::palette {
namespace {

TEST(PopupPlacement, UnderTheFieldOrMovedIntoTheWorkArea) {
    const TBounds workArea{0, 0, 1000, 700};
    const int width = 146, height = 195;
    struct Case {
        const char* what;
        TBounds field;
        TPoint at;
    } cases[] = {
        {"room below: right edges aligned", {400, 300, 481, 321}, {335, 321}},
        {"past the right edge: moved left", {950, 300, 1031, 321}, {854, 321}},
        {"past the bottom: above the field", {400, 600, 481, 621}, {335, 405}},
        {"past the left edge: moved right", {-50, 300, 31, 321}, {0, 321}},
        {"no room above either: at the top", {400, 100, 481, 621}, {335, 0}},
        {"past the bottom right corner", {950, 600, 1031, 621}, {854, 405}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(PlacePopup(c.field, width, height, workArea), c.at);
    }
    const TBounds secondMonitor{1000, 50, 2000, 800};
    EXPECT_EQ(PlacePopup({900, 40, 981, 61}, width, height, secondMonitor), (TPoint{1000, 61}));
}

} // namespace
} // namespace zvk::palette
