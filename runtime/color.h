// Colours as the settings and forms hold them: 0x00BBGGRR literal, 0xFF0000nn the current colour of system
// element nn, 0x1FFFFFFF no colour.
#pragma once
#include <windows.h>
#include <cstdint>

namespace zvk {

inline bool IsSystemColor(int32_t color) {
    return (static_cast<uint32_t>(color) & 0xFF000000u) == 0xFF000000u;
}

// The colour to paint with now.
inline COLORREF ColorToRGB(int32_t color) {
    return IsSystemColor(color) ? GetSysColor(color & 0xFF) : static_cast<COLORREF>(color);
}

// The current value of system colour `index`.
inline uint32_t SystemColorRgb(int index) {
    return GetSysColor(index);
}

} // namespace zvk
