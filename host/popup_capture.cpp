#include "host/popup_capture.h"

#include "host/window_capture.h"

namespace brevlog {

namespace {

bool Draw(HDC target, HWND window, const RECT& origin) {
    UniqueBitmap picture = CaptureWindow(window);
    if (!picture)
        return false;
    RECT bounds{};
    GetWindowRect(window, &bounds);
    UniqueMemoryDc source(CreateCompatibleDC(nullptr));
    SelectedObject selected(source.get(), picture.get());
    return BitBlt(target, bounds.left - origin.left, bounds.top - origin.top, bounds.right - bounds.left,
                  bounds.bottom - bounds.top, source.get(), 0, 0, SRCCOPY) != FALSE;
}

} // namespace

UniqueBitmap CaptureWindows(HWND window, HWND popup) {
    if (!popup)
        return CaptureWindow(window);
    RECT windowBounds{}, popupBounds{}, all{};
    if (!GetWindowRect(window, &windowBounds) || !GetWindowRect(popup, &popupBounds))
        return {};
    UnionRect(&all, &windowBounds, &popupBounds);
    const int width = all.right - all.left;
    const int height = all.bottom - all.top;

    UniqueBitmap bitmap = TopDownDib(width, height);
    UniqueMemoryDc target(CreateCompatibleDC(nullptr));
    if (!bitmap || !target)
        return {};
    {
        SelectedObject selected(target.get(), bitmap.get());
        // Whatever lies outside both windows stays white.
        PatBlt(target.get(), 0, 0, width, height, WHITENESS);
        if (!Draw(target.get(), window, all) || !Draw(target.get(), popup, all))
            return {};
    }
    return bitmap;
}

} // namespace brevlog
