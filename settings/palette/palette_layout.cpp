#include "settings/palette/palette_layout.h"

#include "settings/palette/palette_entries.h"

namespace zvk::palette {

namespace {

constexpr int StandardRows = StandardCount / TPaletteLayout::Columns;
constexpr int SystemRows = (SystemCount + TPaletteLayout::Columns - 1) / TPaletteLayout::Columns;
constexpr int SwatchInset = 4;
constexpr int BandLineOffset = 4;
constexpr int BandLineIndent = 3;
constexpr int CustomRowPadding = 12;

} // namespace

TPaletteLayout::TPaletteLayout(bool showSystemColors, bool showCustomColor, int fontHeight)
    : showSystem_(showSystemColors), showCustom_(showCustomColor),
      customRowHeight_(fontHeight + CustomRowPadding) {}

int TPaletteLayout::customTop() const {
    return showSystem_ ? systemTop() + SystemRows * CellSize : StandardRows * CellSize;
}

int TPaletteLayout::Height() const {
    return customTop() + (showCustom_ ? customRowHeight_ : 0);
}

TBounds TPaletteLayout::Cell(int entry) const {
    if (entry < 0 || entry >= EntryCount || (entry >= StandardCount && !showSystem_)) {
        return {};
    }
    const int index = entry < StandardCount ? entry : entry - StandardCount;
    const int top = entry < StandardCount ? 0 : systemTop();
    const int x = index % Columns * CellSize;
    const int y = top + index / Columns * CellSize;
    return {x, y, x + CellSize, y + CellSize};
}

TBounds TPaletteLayout::Band() const {
    if (!showSystem_) {
        return {};
    }
    const int top = StandardRows * CellSize;
    return {0, top, Width(), top + BandHeight};
}

TBounds TPaletteLayout::BandLine() const {
    const TBounds band = Band();
    if (band.Height() == 0) {
        return {};
    }
    const int y = band.Top + BandLineOffset;
    return {BandLineIndent, y, Width() - BandLineIndent, y + 1};
}

TBounds TPaletteLayout::CustomRow() const {
    if (!showCustom_) {
        return {};
    }
    return {0, customTop(), Width(), customTop() + customRowHeight_};
}

TBounds TPaletteLayout::MoreColorsButton() const {
    TBounds row = CustomRow();
    row.Right -= row.Height();
    return row;
}

TBounds TPaletteLayout::CustomSwatch() const {
    TBounds row = CustomRow();
    row.Left = row.Right - row.Height();
    return row;
}

THit TPaletteLayout::HitTest(int x, int y) const {
    if (x < 0 || y < 0 || x >= Width() || y >= Height()) {
        return {};
    }
    if (showCustom_ && y >= customTop()) {
        return {CustomSwatch().Contains(x, y) ? TArea::CustomSwatch : TArea::MoreColors};
    }
    if (Band().Contains(x, y)) {
        return {TArea::Band};
    }
    const bool system = y >= StandardRows * CellSize;
    const int rowTop = system ? systemTop() : 0;
    const int index = (y - rowTop) / CellSize * Columns + x / CellSize;
    const int entry = system ? StandardCount + index : index;
    if (system && index >= SystemCount) {
        return {TArea::Empty};
    }
    return {TArea::Entry, entry};
}

TBounds TPaletteLayout::Swatch(const TBounds& cell) {
    return {cell.Left + SwatchInset, cell.Top + SwatchInset, cell.Right - SwatchInset,
            cell.Bottom - SwatchInset};
}

} // namespace zvk::palette
