// The TCanvas a log grid hands out: its off-screen buffer and the font it set for the cell being drawn.
#pragma once
#include "sdk/brevlog_plugin.h"

#include <string>

namespace brevlog {

struct CellFont {
    std::string name; // Windows-1251
    TFontStyles style = 0;
    int32_t size = 9; // points
    COLORREF color = 0;
};

class GridCanvas final : public TCanvas {
  public:
    void SetDc(HDC dc) { dc_ = dc; }
    void SetFont(const CellFont& font) { font_ = font; }
    const CellFont& font() const { return font_; }

    HDC __stdcall Handle() override { return dc_; }
    const char* __stdcall FontName() override { return font_.name.c_str(); }
    TFontStyles __stdcall FontStyle() override { return font_.style; }
    int32_t __stdcall FontSize() override { return font_.size; }
    COLORREF __stdcall FontColor() override { return font_.color; }

  private:
    HDC dc_ = nullptr;
    CellFont font_;
};

} // namespace brevlog
