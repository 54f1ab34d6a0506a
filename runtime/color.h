// Colour values as the forms keep them: 0x00BBGGRR, 0xFF0000nn for system colour nn, 0x1FFFFFFF for none.
#pragma once
#include <windows.h>
#include <cstdint>

namespace zvk {

// The colour to paint with: a system colour's current value; a literal colour as it is.
COLORREF ColorToRGB(int32_t color);

// The current value of system colour `index`.
uint32_t SystemColorRgb(int index);

} // namespace zvk
