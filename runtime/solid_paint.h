// A rectangle filled or framed in one colour, with a brush made for the call and deleted after it.
#pragma once
#include <windows.h>

#include "runtime/unique_handles.h"

namespace zvk {

inline void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
    const UniqueBrush brush(CreateSolidBrush(color));
    FillRect(dc, &rect, brush.get());
}

inline void FrameSolid(HDC dc, const RECT& rect, COLORREF color) {
    const UniqueBrush brush(CreateSolidBrush(color));
    FrameRect(dc, &rect, brush.get());
}

} // namespace zvk
