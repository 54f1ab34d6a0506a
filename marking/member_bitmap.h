// The notifier's one off-screen bitmap in which a member's cell is composed before it reaches the grid in
// a single copy. Made once and reused: the bitmap grows to the largest cell seen and only that cell's part
// is used; the font and the brush are made again only when what they stand for changes.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "runtime/unique_handles.h"
#include "sdk/brevlog_plugin.h"

namespace zvk {

class TMemberBitmap {
  public:
    TMemberBitmap() = default;
    ~TMemberBitmap();
    TMemberBitmap(const TMemberBitmap&) = delete;
    TMemberBitmap& operator=(const TMemberBitmap&) = delete;

    // Composes the cell: a solid background, the text in the given font from (2, centred by the height
    // of "W") clipped to the cell, nothing painted behind the letters; then copies it to (left, top).
    void PaintCell(HDC target, const TRect& cell, COLORREF background, const char* fontName,
                   TFontStyles style, int32_t fontSize, COLORREF fontColor, const std::string& text);

  private:
    void SetSize(int width, int height);
    void SetFont(const char* name, TFontStyles style, int32_t size);
    void SetBrushColor(COLORREF color);

    UniqueMemoryDc dc_;
    UniqueBitmap bitmap_;
    HGDIOBJ defaultBitmap_ = nullptr;
    HGDIOBJ defaultFont_ = nullptr;
    int capacityWidth_ = 0, capacityHeight_ = 0;
    UniqueFont font_;
    std::string fontName_;
    TFontStyles fontStyle_ = 0;
    int32_t fontSize_ = 0;
    int textHeight_ = 0; // of "W" in the font, measured when the font is made
    UniqueBrush brush_;
    COLORREF brushColor_ = 0;
};

} // namespace zvk
