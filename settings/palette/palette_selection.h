// Which cell of the palette is selected: what opening selects for a colour, and what colour a selection
// gives back when the palette accepts. Portable.
#pragma once
#include "settings/palette/palette_entries.h"

namespace zvk::palette {

struct TSelection {
    enum class Kind { None, Entry, Custom };
    Kind What = Kind::None;
    int Entry = -1; // for Kind::Entry, the index into PaletteEntries()

    static TSelection None() { return {}; }
    static TSelection OfEntry(int entry) { return {Kind::Entry, entry}; }
    static TSelection Custom() { return {Kind::Custom, -1}; }
    bool operator==(const TSelection& other) const { return What == other.What && Entry == other.Entry; }
    bool operator!=(const TSelection& other) const { return !(*this == other); }
};

// The current RGB value of a system colour, by its Windows index.
using TSystemColorLookup = uint32_t (*)(int index);

// A system colour becomes its current RGB value; any other colour stays as it is.
TColor ColorToRgb(TColor color, TSystemColorLookup systemColor);

// What the palette shows when it opens on `color`.
struct TOpening {
    TSelection Selection;
    TColor CustomColor;
};

// No colour selects nothing; one of the palette's system colour values selects that entry; otherwise the
// first standard colour equal to the colour's RGB form; otherwise that RGB form becomes the custom colour
// and the custom swatch is selected (nothing, when the palette has no custom swatch).
TOpening SelectForOpening(TColor color, TColor customColor, bool showSystemColors, bool showCustomColor,
                          TSystemColorLookup systemColor);

// The colour the field takes when the palette accepts: the entry's value (a system colour stays one), the
// custom colour, or no colour.
TColor SelectedColor(const TSelection& selection, TColor customColor);

} // namespace zvk::palette
