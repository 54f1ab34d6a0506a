#include "runtime/color.h"

namespace zvk {

COLORREF ColorToRGB(int32_t color) {
    if (color < 0) {
        return GetSysColor(color & 0xFF);
    }
    return static_cast<COLORREF>(color);
}

uint32_t SystemColorRgb(int index) {
    return GetSysColor(index);
}

} // namespace zvk
