// What the palette selects when it opens on a colour, and what it gives back.
#include "settings/palette/palette_selection.h"

#include <gtest/gtest.h>

#include <string>

namespace zvk::palette {
namespace {

// Button face is grey 25% here and the window colour white, so system colours have standard look-alikes.
uint32_t systemColor(int index) {
    switch (index) {
    case 5:
        return 0xFFFFFF;
    case 15:
        return 0xC0C0C0;
    case 25:
        return 0x00FFFF;
    default:
        return 0x123456;
    }
}

constexpr TColor kDefault = 0x9DFFFF;
constexpr TColor kWhite = 0xFFFFFF;

int entryNamed(const std::string& name) {
    for (int i = 0; i < EntryCount; ++i) {
        if (name == PaletteEntries()[i].Name) {
            return i;
        }
    }
    return -1;
}

TEST(PaletteSelection, OpeningSelectsByTheRules) {
    struct Case {
        const char* what;
        TColor color;
        bool showSystem, showCustom;
        TSelection selection;
        TColor customColor;
    } cases[] = {
        {"no colour", TColorNone, true, true, TSelection::None(), kWhite},
        {"the default is no palette colour", kDefault, true, true, TSelection::Custom(), kDefault},
        {"light yellow", 0x99FFFF, true, true, TSelection::OfEntry(entryNamed("Light Yellow")), kWhite},
        {"black, the first entry", 0x000000, true, true, TSelection::OfEntry(0), kWhite},
        {"button face", SystemColor(15), true, true, TSelection::OfEntry(entryNamed("Button Face")), kWhite},
        {"window", SystemColor(5), true, true, TSelection::OfEntry(entryNamed("Window")), kWhite},
        {"system colour 25 by its RGB form", SystemColor(25), true, true,
         TSelection::OfEntry(entryNamed("Yellow")), kWhite},
        {"system colours hidden: button face by its RGB form", SystemColor(15), false, true,
         TSelection::OfEntry(entryNamed("Gray 25%")), kWhite},
        {"system colours hidden: the RGB form as custom colour", SystemColor(3), false, true,
         TSelection::Custom(), 0x123456},
        {"no custom swatch", kDefault, true, false, TSelection::None(), kWhite},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const TOpening opening = SelectForOpening(c.color, kWhite, c.showSystem, c.showCustom, systemColor);
        EXPECT_EQ(opening.Selection.What, c.selection.What);
        EXPECT_EQ(opening.Selection.Entry, c.selection.Entry);
        EXPECT_EQ(opening.CustomColor, c.customColor);
    }
}

TEST(PaletteSelection, AcceptingGivesTheEntryValueTheCustomColourOrNone) {
    const TOpening buttonFace = SelectForOpening(SystemColor(15), kWhite, true, true, systemColor);
    EXPECT_EQ(static_cast<uint32_t>(SelectedColor(buttonFace.Selection, buttonFace.CustomColor)), 0xFF00000Fu)
        << "a system colour stays one, not its RGB form";
    const TOpening custom = SelectForOpening(kDefault, kWhite, true, true, systemColor);
    EXPECT_EQ(SelectedColor(custom.Selection, custom.CustomColor), kDefault);
    EXPECT_EQ(SelectedColor(TSelection::None(), kDefault), TColorNone);
}

TEST(PaletteSelection, RgbFormOfColours) {
    EXPECT_EQ(ColorToRgb(SystemColor(15), systemColor), 0xC0C0C0);
    EXPECT_EQ(ColorToRgb(kDefault, systemColor), kDefault);
    EXPECT_EQ(ColorToRgb(TColorNone, systemColor), TColorNone);
}

} // namespace
} // namespace zvk::palette
