#include "host/popup_windows.h"

#include <commctrl.h>

#include "host/win_handles.h"

namespace brevlog {

namespace {

BOOL CALLBACK CollectTooltip(HWND window, LPARAM found) {
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (IsWindowVisible(window) && lstrcmpiA(className, TOOLTIPS_CLASSA) == 0) {
        VisibleTooltip tip{window, RECT{}, std::string()};
        GetWindowRect(window, &tip.bounds);
        TTTOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        if (SendMessageA(window, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&tool))) {
            char text[1024] = {};
            tool.lpszText = text;
            SendMessageA(window, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
            tip.text = text;
        }
        try { // called back from user32: nothing may unwind through it
            reinterpret_cast<std::vector<VisibleTooltip>*>(found)->push_back(tip);
        } catch (...) {
            return FALSE;
        }
    }
    return TRUE;
}

} // namespace

std::vector<VisibleTooltip> VisibleTooltips() {
    std::vector<VisibleTooltip> found;
    EnumThreadWindows(GetCurrentThreadId(), &CollectTooltip, reinterpret_cast<LPARAM>(&found));
    return found;
}

void DrawVisibleTooltips(HDC dc, POINT origin) {
    for (const VisibleTooltip& tip : VisibleTooltips()) {
        const int width = tip.bounds.right - tip.bounds.left;
        const int height = tip.bounds.bottom - tip.bounds.top;
        UniqueMemoryDc memory(CreateCompatibleDC(dc));
        UniqueBitmap picture(CreateCompatibleBitmap(dc, width, height));
        if (!memory || !picture)
            continue;
        SelectedObject selected(memory.get(), picture.get());
        // The popup paints itself into our bitmap, whatever the screen shows of it.
        SendMessageW(tip.window, WM_PRINT, reinterpret_cast<WPARAM>(memory.get()),
                     PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
        // A balloon is not rectangular: only the inside of its window region is copied.
        UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
        const bool shaped = region && GetWindowRgn(tip.window, region.get()) != ERROR;
        const int x = tip.bounds.left - origin.x;
        const int y = tip.bounds.top - origin.y;
        SavedDcState saved(dc);
        if (shaped) {
            OffsetRgn(region.get(), x, y);
            SelectClipRgn(dc, region.get());
        }
        BitBlt(dc, x, y, width, height, memory.get(), 0, 0, SRCCOPY);
    }
}

} // namespace brevlog
