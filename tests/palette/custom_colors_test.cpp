// The custom colour list: sixteen named entries, white at start, six lower-case hex digits once written.
#include "settings/palette/custom_colors.h"

#include <gtest/gtest.h>

namespace zvk::palette {
namespace {

TEST(CustomColors, StartWhiteAndStoreSixLowerCaseHexDigits) {
    TRzCustomColors colors;
    EXPECT_EQ(colors.Colors().front(), "ColorA=FFFFFF");
    EXPECT_EQ(colors.Colors().back(), "ColorP=FFFFFF");
    EXPECT_EQ(colors.Color(7), 0xFFFFFFu);

    colors.SetColor(0, 0x9DFFFF);
    colors.SetColor(1, 0x00000A);
    colors.SetColor(15, 0xFF000005); // masked to 24 bits
    EXPECT_EQ(colors.Colors()[0], "ColorA=9dffff");
    EXPECT_EQ(colors.Colors()[1], "ColorB=00000a");
    EXPECT_EQ(colors.Colors()[15], "ColorP=000005");
    EXPECT_EQ(colors.Color(0), 0x9DFFFFu);
    EXPECT_EQ(colors.Color(1), 0x00000Au);

    std::array<uint32_t, TRzCustomColors::Count> all = colors.AllColors();
    all[2] = 0x123456;
    colors.SetAllColors(all);
    EXPECT_EQ(colors.Colors()[2], "ColorC=123456");
    EXPECT_EQ(colors.Color(15), 0x000005u);
}

} // namespace
} // namespace zvk::palette
