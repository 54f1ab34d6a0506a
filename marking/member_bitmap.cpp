#include "marking/member_bitmap.h"

#include <algorithm>
#include <cstring>

#include "runtime/device_contexts.h"

namespace zvk {

namespace {

constexpr int TextLeft = 2;

// Integer division truncating towards zero, as the cell's vertical placement is defined.
int HalfTowardsZero(int value) {
    return value / 2;
}

} // namespace

TMemberBitmap::~TMemberBitmap() {
    if (dc_) {
        SelectObject(dc_.get(), defaultBitmap_);
        SelectObject(dc_.get(), defaultFont_);
    }
}

void TMemberBitmap::SetSize(int width, int height) {
    if (!dc_) {
        dc_.reset(CreateCompatibleDC(nullptr));
        defaultFont_ = GetCurrentObject(dc_.get(), OBJ_FONT);
    }
    if (width <= capacityWidth_ && height <= capacityHeight_) {
        return;
    }
    const int newWidth = std::max(width, capacityWidth_);
    const int newHeight = std::max(height, capacityHeight_);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = newWidth;
    info.bmiHeader.biHeight = -newHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) {
        return; // out of GDI resources: the cell stays as the grid drew it
    }
    HGDIOBJ previous = SelectObject(dc_.get(), bitmap.get());
    if (!bitmap_) {
        defaultBitmap_ = previous;
    }
    bitmap_.reset(bitmap.release());
    capacityWidth_ = newWidth;
    capacityHeight_ = newHeight;
}

void TMemberBitmap::SetFont(const char* name, TFontStyles style, int32_t size) {
    if (font_ && fontName_ == name && fontStyle_ == style && fontSize_ == size) {
        return;
    }
    LOGFONTA logFont{};
    logFont.lfHeight = -MulDiv(size, GetDeviceCaps(WindowDc(nullptr).get(), LOGPIXELSY), 72);
    logFont.lfWeight = (style & fsBold) ? FW_BOLD : FW_NORMAL;
    logFont.lfItalic = (style & fsItalic) ? TRUE : FALSE;
    logFont.lfUnderline = (style & fsUnderline) ? TRUE : FALSE;
    logFont.lfStrikeOut = (style & fsStrikeOut) ? TRUE : FALSE;
    logFont.lfCharSet = DEFAULT_CHARSET;
    strncpy(logFont.lfFaceName, name, LF_FACESIZE - 1);
    UniqueFont font(CreateFontIndirectA(&logFont));
    if (!font) {
        return;
    }
    SelectObject(dc_.get(), font.get());
    font_.reset(font.release());
    SIZE w{};
    GetTextExtentPoint32A(dc_.get(), "W", 1, &w);
    textHeight_ = w.cy;
    fontName_ = name;
    fontStyle_ = style;
    fontSize_ = size;
}

void TMemberBitmap::SetBrushColor(COLORREF color) {
    if (!brush_ || brushColor_ != color) {
        brush_.reset(CreateSolidBrush(color));
        brushColor_ = color;
    }
}

void TMemberBitmap::PaintCell(HDC target, const TRect& cell, COLORREF background, const char* fontName,
                              TFontStyles style, int32_t fontSize, COLORREF fontColor,
                              const std::string& text) {
    const int width = cell.Right - cell.Left;
    const int height = cell.Bottom - cell.Top;
    if (width <= 0 || height <= 0) {
        return;
    }
    SetSize(width, height);
    if (!bitmap_) {
        return;
    }
    HDC dc = dc_.get();
    const RECT area{0, 0, width, height};
    SetBrushColor(background);
    FillRect(dc, &area, brush_.get());
    SetFont(fontName ? fontName : "", style, fontSize);
    SetTextColor(dc, fontColor);
    SetBkMode(dc, TRANSPARENT);
    const int y = HalfTowardsZero(height) - HalfTowardsZero(textHeight_);
    ExtTextOutA(dc, TextLeft, y, ETO_CLIPPED, &area, text.data(), static_cast<UINT>(text.size()), nullptr);
    BitBlt(target, cell.Left, cell.Top, width, height, dc, 0, 0, SRCCOPY);
}

} // namespace zvk
