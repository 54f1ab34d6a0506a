#include "settings/palette/palette_selection.h"

namespace zvk::palette {

TColor ColorToRgb(TColor color, TSystemColorLookup systemColor) {
    if (color != TColorNone && IsSystemColor(color)) {
        return static_cast<TColor>(systemColor(SystemColorIndex(color)) & 0xFFFFFFu);
    }
    return color;
}

TOpening SelectForOpening(TColor color, TColor customColor, bool showSystemColors, bool showCustomColor,
                          TSystemColorLookup systemColor) {
    if (color == TColorNone) {
        return {TSelection::None(), customColor};
    }
    const auto& entries = PaletteEntries();
    if (showSystemColors) {
        for (int i = StandardCount; i < EntryCount; ++i) {
            if (entries[i].Color == color) {
                return {TSelection::OfEntry(i), customColor};
            }
        }
    }
    const TColor rgb = ColorToRgb(color, systemColor);
    for (int i = 0; i < StandardCount; ++i) {
        if (entries[i].Color == rgb) {
            return {TSelection::OfEntry(i), customColor};
        }
    }
    if (!showCustomColor) {
        return {TSelection::None(), customColor};
    }
    return {TSelection::Custom(), rgb};
}

TColor SelectedColor(const TSelection& selection, TColor customColor) {
    switch (selection.What) {
    case TSelection::Kind::Entry:
        return PaletteEntries()[selection.Entry].Color;
    case TSelection::Kind::Custom:
        return customColor;
    case TSelection::Kind::None:
        break;
    }
    return TColorNone;
}

} // namespace zvk::palette
