// The thread's visible tooltip windows (a plug-in's notices among them): what they say, and their own
// rendering, for the scripted mode's report and screenshots.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace brevlog {

struct VisibleTooltip {
    HWND window;
    RECT bounds;      // on the screen
    std::string text; // Windows-1251
};

std::vector<VisibleTooltip> VisibleTooltips();

// Draws each visible tooltip of the thread from its own rendering into dc, which shows the screen area
// that starts at origin. A screen read under Xvfb does not show such popups reliably.
void DrawVisibleTooltips(HDC dc, POINT origin);

} // namespace brevlog
