// A picture of a window with a popup of its own over it, as they stand on screen.
#pragma once
#include "host/win_handles.h"

namespace brevlog {

// popup may be null. Null when a window cannot be read.
UniqueBitmap CaptureWindows(HWND window, HWND popup);

} // namespace brevlog
