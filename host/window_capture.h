// A picture of a window as it stands on screen, frame and menu included, with its child windows.
#pragma once
#include "host/win_handles.h"

namespace brevlog {

// A 32-bit top-down DIB section, for pictures read back or written out; null when GDI has none to give.
UniqueBitmap TopDownDib(int width, int height);

// Null when the window cannot be read.
UniqueBitmap CaptureWindow(HWND window);

} // namespace brevlog
