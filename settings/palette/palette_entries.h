// The fixed colours of the drop-down palette: 40 standard colours in five rows of eight, then 30 system
// colours in four rows (the last one with six). Portable: no Windows headers.
#pragma once
#include <array>
#include <cstdint>

namespace zvk::palette {

// 0x00BBGGRR, 0xFF0000nn for system colour nn, or TColorNone.
using TColor = int32_t;

constexpr TColor TColorNone = 0x1FFFFFFF;
constexpr uint32_t SystemColorFlag = 0xFF000000u;

constexpr TColor SystemColor(int index) {
    return static_cast<TColor>(SystemColorFlag | static_cast<uint32_t>(index));
}
constexpr bool IsSystemColor(TColor color) {
    return (static_cast<uint32_t>(color) & SystemColorFlag) == SystemColorFlag;
}
constexpr int SystemColorIndex(TColor color) {
    return static_cast<int>(static_cast<uint32_t>(color) & 0xFFu);
}

struct TPaletteEntry {
    TColor Color;
    const char* Name; // shown only as a hint
};

constexpr int StandardCount = 40;
constexpr int SystemCount = 30;
constexpr int EntryCount = StandardCount + SystemCount;

// In palette order, row by row.
const std::array<TPaletteEntry, EntryCount>& PaletteEntries();

} // namespace zvk::palette
