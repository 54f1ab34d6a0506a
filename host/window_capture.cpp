#include "host/window_capture.h"

namespace brevlog {

UniqueBitmap TopDownDib(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    return UniqueBitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
}

UniqueBitmap CaptureWindow(HWND window) {
    RECT bounds{};
    if (!GetWindowRect(window, &bounds))
        return {};
    int width = bounds.right - bounds.left;
    int height = bounds.bottom - bounds.top;
    if (width <= 0 || height <= 0)
        return {};

    // Everything that is to be seen must be painted before it is read.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);

    UniqueBitmap bitmap = TopDownDib(width, height);
    UniqueMemoryDc memory(CreateCompatibleDC(nullptr));
    if (!bitmap || !memory)
        return {};
    // The window DC reads the window's own surface, children included, whatever covers it on screen.
    WindowDc source(window, true);
    SelectedObject selected(memory.get(), bitmap.get());
    if (!BitBlt(memory.get(), 0, 0, width, height, source.get(), 0, 0, SRCCOPY))
        return {};
    return bitmap;
}

} // namespace brevlog
