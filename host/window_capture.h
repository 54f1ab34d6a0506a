// A picture of a window as it stands on screen, frame and menu included, with its child windows.
#pragma once
#include "host/win_handles.h"

namespace brevlog {

// Null when the window cannot be read.
UniqueBitmap CaptureWindow(HWND window);

} // namespace brevlog
