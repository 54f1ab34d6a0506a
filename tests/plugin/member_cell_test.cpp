// Member cells as the grids show them: pixels of the grid's canvas read back from a DIB.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "plugin_host.h"

using namespace zvk;

namespace {

const COLORREF Paper = RGB(1, 2, 3); // what the grid drew before the handler ran
const char* const CallsignField = "\xCF\xEE\xE7\xFB\xE2\xED\xEE\xE9";

// A 32-bit DIB as the grid's drawing surface, with the font the grid set for the cell.
class DibSurface {
  public:
    DibSurface(int width, int height, COLORREF fill) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<uint32_t*>(bits);
        dc_ = CreateCompatibleDC(nullptr);
        previous_ = SelectObject(dc_, bitmap_);
        Fill(fill);
    }
    ~DibSurface() {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
        DeleteObject(bitmap_);
    }
    DibSurface(const DibSurface&) = delete;

    HDC dc() const { return dc_; }
    void Fill(COLORREF color) {
        GdiFlush();
        for (int i = 0; i < width_ * height_; ++i) {
            bits_[i] = RGB(GetBValue(color), GetGValue(color), GetRValue(color));
        }
    }
    COLORREF Pixel(int x, int y) const {
        GdiFlush();
        const uint32_t v = bits_[y * width_ + x];
        return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }

  private:
    int width_, height_;
    HBITMAP bitmap_;
    uint32_t* bits_;
    HDC dc_;
    HGDIOBJ previous_;
};

class Canvas : public TCanvas {
  public:
    explicit Canvas(HDC dc) : dc_(dc) {}
    std::string font = "Tahoma";
    TFontStyles style = 0;
    int32_t size = 9;
    COLORREF color = RGB(0, 0, 0);
    HDC __stdcall Handle() override { return dc_; }
    const char* __stdcall FontName() override { return font.c_str(); }
    TFontStyles __stdcall FontStyle() override { return style; }
    int32_t __stdcall FontSize() override { return size; }
    COLORREF __stdcall FontColor() override { return color; }

  private:
    HDC dc_;
};

// The font the grid set for the cell, made independently of the plug-in.
HFONT CellFont(const Canvas& canvas) {
    LOGFONTA logFont{};
    HDC screen = GetDC(nullptr);
    logFont.lfHeight = -MulDiv(canvas.size, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    logFont.lfWeight = canvas.style & fsBold ? FW_BOLD : FW_NORMAL;
    logFont.lfCharSet = DEFAULT_CHARSET;
    std::strcpy(logFont.lfFaceName, canvas.font.c_str());
    return CreateFontIndirectA(&logFont);
}

// The cell as it must look: drawn independently with the same font, text from (2, y).
void DrawReference(DibSurface& surface, const TRect& r, COLORREF background, const Canvas& canvas,
                   const std::string& text, int y) {
    const RECT cell{r.Left, r.Top, r.Right, r.Bottom};
    HBRUSH brush = CreateSolidBrush(background);
    FillRect(surface.dc(), &cell, brush);
    DeleteObject(brush);
    HFONT font = CellFont(canvas);
    HGDIOBJ old = SelectObject(surface.dc(), font);
    SetBkMode(surface.dc(), TRANSPARENT);
    SetTextColor(surface.dc(), canvas.color);
    ExtTextOutA(surface.dc(), r.Left + 2, r.Top + y, ETO_CLIPPED, &cell, text.data(),
                static_cast<UINT>(text.size()), nullptr);
    SelectObject(surface.dc(), old);
    DeleteObject(font);
}

int TextHeightOfW(const Canvas& canvas) {
    DibSurface probe(4, 4, 0);
    HFONT font = CellFont(canvas);
    HGDIOBJ old = SelectObject(probe.dc(), font);
    SIZE size{};
    GetTextExtentPoint32A(probe.dc(), "W", 1, &size);
    SelectObject(probe.dc(), old);
    DeleteObject(font);
    return size.cy;
}

// Counts the pixels of a rectangle that differ between two surfaces.
int Differences(const DibSurface& a, const DibSurface& b, const RECT& area) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            count += a.Pixel(x, y) != b.Pixel(x, y);
        }
    }
    return count;
}

class MemberCells : public testing_support::RunningPlugin {
  protected:
    void SetUp() override {
        RunningPlugin::SetUp();
        host.mainGrid.canvas = &canvas;
        host.secondGrid.canvas = &canvas;
    }
    void drawCell(fake::Grid& grid, const TRect& rect, const char* name, const std::string& value,
                  TGridDrawState state = 0) {
        field.name = name;
        field.value = value;
        host.log.clear();
        ASSERT_EQ(grid.draw(rect, &field, state), S_OK);
    }

    DibSurface surface{200, 60, Paper};
    DibSurface expected{200, 60, Paper};
    Canvas canvas{surface.dc()};
    fake::Field field;
};

TEST_F(MemberCells, AMembersCellIsComposedAsTheGridsFontAndTheColourSay) {
    writeMembers({u"UA3ABC", u"RK3AR"});
    run();
    struct Case {
        const char* what;
        TRect rect;
        std::string text;
        TFontStyles style;
        COLORREF color;
        TGridDrawState state;
    } cases[] = {
        {"plain", {10, 10, 110, 28}, "UA3ABC", 0, RGB(0, 0, 0), 0},
        {"selected and focused, bold white",
         {10, 10, 110, 28},
         "RK3AR",
         fsBold,
         RGB(255, 255, 255),
         gdSelected | gdFocused},
        {"text wider than the cell is cut", {50, 20, 70, 40}, "UA3ABC", 0, RGB(0, 0, 128), 0},
        {"cell lower than the text", {30, 30, 130, 36}, "UA3ABC", 0, RGB(0, 0, 0), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        surface.Fill(Paper);
        expected.Fill(Paper);
        canvas.style = c.style;
        canvas.color = c.color;
        drawCell(host.mainGrid, c.rect, CallsignField, c.text, c.state);
        EXPECT_TRUE(host.log.empty()) << "a painted cell is not handed on";
        const int height = c.rect.Bottom - c.rect.Top;
        DrawReference(expected, c.rect, RGB(0xFF, 0xFF, 0x9D), canvas, c.text,
                      height / 2 - TextHeightOfW(canvas) / 2);
        EXPECT_EQ(Differences(surface, expected, RECT{0, 0, 200, 60}), 0) << "only the cell, as composed";
    }
}

TEST_F(MemberCells, TheTextIsPlacedByHalfTheCellLessHalfTheTextHeight) {
    writeMembers({u"UA3ABC"});
    run();
    // A font whose "W" is of odd height: there the two ways of centring differ by a pixel.
    for (canvas.size = 6; canvas.size < 20 && TextHeightOfW(canvas) % 2 == 0; ++canvas.size) {
    }
    const int h = TextHeightOfW(canvas);
    ASSERT_EQ(h % 2, 1) << "no font size with an odd text height";
    const TRect cell{0, 0, 100, 18};
    drawCell(host.mainGrid, cell, CallsignField, "UA3ABC");
    DrawReference(expected, cell, RGB(0xFF, 0xFF, 0x9D), canvas, "UA3ABC", 9 - h / 2);
    EXPECT_EQ(Differences(surface, expected, RECT{0, 0, 100, 18}), 0);
    expected.Fill(Paper);
    DrawReference(expected, cell, RGB(0xFF, 0xFF, 0x9D), canvas, "UA3ABC", (18 - h) / 2);
    EXPECT_GT(Differences(surface, expected, RECT{0, 0, 100, 18}), 0) << "the case tells the two apart";
}

TEST_F(MemberCells, OtherCellsGoToTheHostsHandlerUnchangedAndUnpainted) {
    writeMembers({u"UA3ABC"});
    run();
    struct Case {
        const char* what;
        const char* name;
        std::string value;
    } cases[] = {
        {"not a member", CallsignField, "UA3ABD"},
        {"only the start of a member's callsign", CallsignField, "UA3AB"},
        {"field name in another case", "\xEF\xEE\xE7\xFB\xE2\xED\xEE\xE9", "UA3ABC"},
        {"field name with a trailing space", "\xCF\xEE\xE7\xFB\xE2\xED\xEE\xE9 ", "UA3ABC"},
        {"another field", "Name", "UA3ABC"},
    };
    const TRect rect{10, 10, 110, 28};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        drawCell(host.mainGrid, rect, c.name, c.value, gdFocused);
        EXPECT_EQ(host.log, fake::Log{"host-main-draw"});
        EXPECT_EQ(host.mainDraw.cell.rect, &rect);
        EXPECT_EQ(host.mainDraw.cell.field, &field);
        EXPECT_EQ(host.mainDraw.cell.state, gdFocused);
        EXPECT_EQ(host.mainDraw.cell.sender, reinterpret_cast<TObject*>(&host.mainGrid));
        EXPECT_EQ(Differences(surface, expected, RECT{0, 0, 200, 60}), 0);
    }
}

TEST_F(MemberCells, BothGridsUseTheColourOfTheMomentSystemColoursIncluded) {
    writeMembers({u"UA3ABC"});
    run();
    const TRect rect{10, 10, 110, 28};
    drawCell(host.secondGrid, rect, CallsignField, "UA3ABC");
    EXPECT_TRUE(host.log.empty());
    EXPECT_EQ(surface.Pixel(11, 11), RGB(0xFF, 0xFF, 0x9D));
    Config.SelectColor = 0x0000FF;
    drawCell(host.mainGrid, rect, CallsignField, "UA3ABC");
    EXPECT_EQ(surface.Pixel(11, 11), RGB(0xFF, 0, 0));
    Config.SelectColor = static_cast<int32_t>(0xFF000005);
    drawCell(host.mainGrid, rect, CallsignField, "UA3ABC");
    EXPECT_EQ(surface.Pixel(11, 11), GetSysColor(COLOR_WINDOW));
}

TEST_F(MemberCells, WithoutAnOpenMemberListNothingIsPainted) {
    run(); // no member file
    drawCell(host.mainGrid, TRect{10, 10, 110, 28}, CallsignField, "UA3ABC");
    EXPECT_EQ(host.log, fake::Log{"host-main-draw"});
    EXPECT_EQ(Differences(surface, expected, RECT{0, 0, 200, 60}), 0);
}

} // namespace
