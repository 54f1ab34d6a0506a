// The palette's geometry and what every area answers to a point.
#include "settings/palette/palette_entries.h"
#include "settings/palette/palette_layout.h"

#include <gtest/gtest.h>

namespace zvk::palette {
namespace {

constexpr int kDialogFontHeight = 11; // 8 points

TEST(PaletteLayout, SizesOfTheDialogsPalette) {
    const TPaletteLayout layout(true, true, kDialogFontHeight);
    EXPECT_EQ(layout.Width(), 144);
    EXPECT_EQ(layout.Height(), 5 * 18 + 8 + 4 * 18 + 23);
    EXPECT_EQ(layout.Band(), (TBounds{0, 90, 144, 98}));
    EXPECT_EQ(layout.BandLine(), (TBounds{3, 94, 141, 95}));
    EXPECT_EQ(layout.Cell(34), (TBounds{36, 72, 54, 90})) << "Light Yellow: row 5, column 3";
    EXPECT_EQ(layout.Cell(40), (TBounds{0, 98, 18, 116}));
    EXPECT_EQ(layout.Cell(69), (TBounds{90, 152, 108, 170}));
    EXPECT_EQ(TPaletteLayout::Swatch(layout.Cell(0)), (TBounds{4, 4, 14, 14}));
    EXPECT_EQ(layout.CustomRow(), (TBounds{0, 170, 144, 193}));
    EXPECT_EQ(layout.CustomSwatch(), (TBounds{121, 170, 144, 193})) << "square at the right end";
    EXPECT_EQ(layout.MoreColorsButton(), (TBounds{0, 170, 121, 193}));
}

TEST(PaletteLayout, WithoutSystemOrCustomColoursTheRowsCloseUp) {
    const TPaletteLayout plain(false, false, kDialogFontHeight);
    EXPECT_EQ(plain.Height(), 90);
    EXPECT_EQ(plain.Cell(40).Width(), 0);
    EXPECT_EQ(plain.HitTest(5, 95).Area, TArea::Outside);
    const TPaletteLayout custom(false, true, 13);
    EXPECT_EQ(custom.CustomRow(), (TBounds{0, 90, 144, 115}));
}

TEST(PaletteLayout, EveryCellAnswersItsOwnEntry) {
    const TPaletteLayout layout(true, true, kDialogFontHeight);
    for (int entry = 0; entry < EntryCount; ++entry) {
        const TBounds cell = layout.Cell(entry);
        for (const auto& [x, y] :
             {std::pair{cell.Left, cell.Top}, std::pair{cell.Right - 1, cell.Bottom - 1}}) {
            const THit hit = layout.HitTest(x, y);
            EXPECT_EQ(hit.Area, TArea::Entry) << entry;
            EXPECT_EQ(hit.Entry, entry);
        }
    }
}

TEST(PaletteLayout, PointsBetweenTheCells) {
    const TPaletteLayout layout(true, true, kDialogFontHeight);
    struct Case {
        int x, y;
        TArea area;
    } cases[] = {
        {0, 90, TArea::Band},
        {143, 97, TArea::Band},
        {108, 152, TArea::Empty},
        {143, 169, TArea::Empty},
        {0, 170, TArea::MoreColors},
        {120, 192, TArea::MoreColors},
        {121, 170, TArea::CustomSwatch},
        {143, 192, TArea::CustomSwatch},
        {-1, 0, TArea::Outside},
        {144, 0, TArea::Outside},
        {0, -1, TArea::Outside},
        {0, 193, TArea::Outside},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(layout.HitTest(c.x, c.y).Area, c.area) << c.x << "," << c.y;
    }
}

} // namespace
} // namespace zvk::palette
