// The palette's 70 entries: values, names and order, with the colour-reference byte order checked from
// the red, green and blue parts.
#include "settings/palette/palette_entries.h"

#include <gtest/gtest.h>

#include <string>

namespace zvk::palette {
namespace {

struct Standard {
    int red, green, blue;
    const char* name;
};

// Row by row, as the palette shows them.
const Standard kStandard[StandardCount] = {
    {0, 0, 0, "Black"},
    {153, 51, 0, "Brown"},
    {51, 51, 0, "Olive Green"},
    {0, 51, 0, "Dark Green"},
    {0, 51, 102, "Dark Teal"},
    {0, 0, 128, "Dark Blue"},
    {51, 51, 153, "Indigo"},
    {51, 51, 51, "Gray 80%"},
    {128, 0, 0, "Dark Red"},
    {255, 102, 0, "Orange"},
    {128, 128, 0, "Dark Yellow"},
    {0, 128, 0, "Green"},
    {0, 128, 128, "Teal"},
    {0, 0, 255, "Blue"},
    {102, 102, 153, "Blue Gray"},
    {128, 128, 128, "Gray 50%"},
    {255, 0, 0, "Red"},
    {255, 153, 0, "Light Orange"},
    {153, 204, 0, "Lime"},
    {51, 153, 102, "Sea Green"},
    {51, 153, 153, "Aqua"},
    {51, 102, 255, "Light Blue"},
    {128, 0, 128, "Violet"},
    {153, 153, 153, "Gray 40%"},
    {255, 0, 255, "Pink"},
    {255, 204, 0, "Gold"},
    {255, 255, 0, "Yellow"},
    {0, 255, 0, "Bright Green"},
    {0, 255, 255, "Turquoise"},
    {0, 204, 255, "Sky Blue"},
    {153, 51, 102, "Plum"},
    {192, 192, 192, "Gray 25%"},
    {255, 153, 204, "Rose"},
    {255, 204, 153, "Tan"},
    {255, 255, 153, "Light Yellow"},
    {204, 255, 204, "Light Green"},
    {204, 255, 255, "Light Turquoise"},
    {153, 204, 255, "Pale Blue"},
    {204, 153, 255, "Lavender"},
    {255, 255, 255, "White"},
};

struct System {
    int index;
    const char* name;
};

const System kSystem[SystemCount] = {
    {0, "Scroll Bar"},
    {1, "Background"},
    {2, "Active Caption"},
    {3, "Inactive Caption"},
    {4, "Menu"},
    {5, "Window"},
    {6, "Window Frame"},
    {7, "Menu Text"},
    {8, "Window Text"},
    {9, "Caption Text"},
    {10, "Active Border"},
    {11, "Inactive Border"},
    {12, "App WorkSpace"},
    {13, "Highlight"},
    {14, "Highlight Text"},
    {15, "Button Face"},
    {16, "Button Shadow"},
    {17, "Gray Text"},
    {18, "Button Text"},
    {19, "Inactive Caption Text"},
    {20, "Button Highlight"},
    {21, "3D Dark Shadow"},
    {22, "3D Light"},
    {23, "Info Text"},
    {24, "Info Background"},
    {26, "Hot Light"},
    {27, "Gradient Active Caption"},
    {28, "Gradient Inactive Caption"},
    {29, "Menu Highlight"},
    {30, "Menu Bar"},
};

TEST(PaletteEntries, StandardColoursInRowOrderWithTheirNames) {
    for (int i = 0; i < StandardCount; ++i) {
        const Standard& expected = kStandard[i];
        SCOPED_TRACE(expected.name);
        const TColor value = expected.red | expected.green << 8 | expected.blue << 16;
        EXPECT_EQ(PaletteEntries()[i].Color, value);
        EXPECT_EQ(std::string(PaletteEntries()[i].Name), expected.name);
    }
}

TEST(PaletteEntries, SystemColoursFollowWithoutIndex25) {
    for (int i = 0; i < SystemCount; ++i) {
        const TPaletteEntry& entry = PaletteEntries()[StandardCount + i];
        SCOPED_TRACE(kSystem[i].name);
        EXPECT_EQ(static_cast<uint32_t>(entry.Color), 0xFF000000u + static_cast<uint32_t>(kSystem[i].index));
        EXPECT_EQ(std::string(entry.Name), kSystem[i].name);
    }
}

} // namespace
} // namespace zvk::palette
