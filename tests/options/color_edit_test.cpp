// The colour field: how it draws its colour, and what opens its palette.
#include <gtest/gtest.h>

#include "field_form.h"

namespace zvk::test {
namespace {

using FieldDrawing = FieldForm;
using FieldOpening = FieldForm;

// The swatch spans the client area less 2 pixels, left of the drop-down button.
POINT swatchCentre(HWND field) {
    RECT client{};
    GetClientRect(field, &client);
    return {(client.right - GetSystemMetrics(SM_CXVSCROLL)) / 2, client.bottom / 2};
}

int countInSwatch(const ui::Picture& picture, COLORREF color) {
    int count = 0;
    for (int y = 4; y < picture.height() - 4; ++y) {
        for (int x = 4; x < picture.width() - GetSystemMetrics(SM_CXVSCROLL) - 4; ++x) {
            count += picture.at(x, y) == color;
        }
    }
    return count;
}

TEST_F(FieldDrawing, ShowsTheColourASystemColourOrHatchingForNone) {
    const POINT centre = swatchCentre(field.Handle());
    struct Case {
        const char* what;
        palette::TColor color;
        COLORREF painted;
    } cases[] = {
        {"the default", kDefault, RGB(255, 255, 157)},
        {"highlight, a system colour", static_cast<palette::TColor>(0xFF00000Du),
         GetSysColor(COLOR_HIGHLIGHT)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        field.SetSelectedColor(c.color);
        const ui::Picture picture(field.Handle());
        EXPECT_EQ(picture.at(centre.x, centre.y), c.painted);
        EXPECT_EQ(picture.at(2, centre.y), GetSysColor(COLOR_BTNSHADOW)) << "a flat edge around the swatch";
    }

    field.SetSelectedColor(palette::TColorNone);
    ASSERT_TRUE(ui::PumpUntil([&] { return ui::Focus(button); }));
    EXPECT_GT(countInSwatch(ui::Picture(field.Handle()), GetSysColor(COLOR_BTNFACE)), 0)
        << "hatched in the button-face colour without the focus";
    ASSERT_TRUE(ui::PumpUntil([&] { return ui::Focus(field.Handle()); }));
    const ui::Picture focused(field.Handle());
    EXPECT_GT(countInSwatch(focused, GetSysColor(COLOR_BTNSHADOW)), 0) << "and in the shadow colour with it";
}

TEST_F(FieldOpening, ALeftPressDoubleClickOrAltDownOpensNothingElseDoes) {
    const LPARAM onSwatch = MAKELPARAM(5, 5);
    const LPARAM onButton = MAKELPARAM(70, 8);
    struct Way {
        const char* what;
        UINT message;
        WPARAM wparam;
        LPARAM lparam;
        bool opens;
    } ways[] = {
        {"left press", WM_LBUTTONDOWN, MK_LBUTTON, onSwatch, true},
        {"left press on the drop-down button", WM_LBUTTONDOWN, MK_LBUTTON, onButton, true},
        {"double-click", WM_LBUTTONDBLCLK, MK_LBUTTON, onSwatch, true},
        {"Alt+Down", WM_SYSKEYDOWN, VK_DOWN, 0x20000001, true},
        {"Down alone", WM_KEYDOWN, VK_DOWN, 1, false},
        {"a character", WM_CHAR, 'a', 1, false},
        {"right press", WM_RBUTTONDOWN, MK_RBUTTON, onSwatch, false},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.what);
        // Keys reach the field only while it has the focus; a press must take it there.
        const bool key = way.message == WM_SYSKEYDOWN || way.message == WM_KEYDOWN || way.message == WM_CHAR;
        ui::Focus(key ? field.Handle() : button);
        bool droppedWhileOpen = false;
        ui::TimerScript script({[&] {
                                   HWND popup = ui::FindThreadWindow(L"TRzColorPicker", form);
                                   if (!popup) {
                                       return false;
                                   }
                                   droppedWhileOpen = field.DroppedDown();
                                   ui::PressKey(popup, VK_ESCAPE);
                                   return true;
                               }},
                               &ui::CloseEverything);
        const ui::MessageTrace trace;
        SendMessageW(field.Handle(), way.message, way.wparam, way.lparam);
        const int created = trace.find(WM_CREATE, L"TRzColorPicker");
        EXPECT_EQ(created >= 0, way.opens);
        EXPECT_EQ(script.finished(), way.opens);
        if (way.opens && !key) {
            const int focused = trace.find(WM_SETFOCUS, L"TRzColorEdit");
            EXPECT_TRUE(focused >= 0 && focused < created) << "the field takes the focus first";
        }
        if (way.opens) {
            EXPECT_TRUE(droppedWhileOpen);
        }
        EXPECT_FALSE(field.DroppedDown());
        EXPECT_FALSE(ui::FindThreadWindow(L"TRzColorPicker"));
        EXPECT_EQ(field.SelectedColor(), kDefault);
        EXPECT_EQ(changes, 0);
    }
}

TEST_F(FieldOpening, ThePaletteDropsUnderTheFieldWithoutTakingActivation) {
    field.SetSelectedColor(0x99FFFF);
    RECT popupRect{};
    bool activeWhileOpen = true;
    LONG style = 0;
    RECT client{};
    COLORREF selectedEdge = 0, plainEdge = 0, swatch = 0, customSwatch = 0;
    const ui::MessageTrace trace;
    ASSERT_TRUE(dropDown({[&](HWND popup) {
        GetWindowRect(popup, &popupRect);
        GetClientRect(popup, &client);
        activeWhileOpen = GetActiveWindow() == popup;
        style = GetWindowLongA(popup, GWL_STYLE);
        const ui::Picture picture(popup);
        selectedEdge = picture.at(36, 72); // Light Yellow, row 5 column 3
        plainEdge = picture.at(0, 0);
        swatch = picture.at(45, 81);
        customSwatch = picture.at(132, 181);
        ui::PressKey(popup, VK_ESCAPE);
        return true;
    }}));
    RECT fieldRect{};
    GetWindowRect(field.Handle(), &fieldRect);
    EXPECT_EQ(popupRect.right, fieldRect.right);
    EXPECT_EQ(popupRect.top, fieldRect.bottom);
    EXPECT_FALSE(activeWhileOpen);
    for (const auto& entry : trace.entries()) {
        const bool activation = (entry.message == WM_ACTIVATE && LOWORD(entry.wparam) != WA_INACTIVE) ||
                                (entry.message == WM_NCACTIVATE && entry.wparam);
        EXPECT_FALSE(activation && entry.windowClass == L"TRzColorPicker") << "the palette was activated";
    }
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_NE(style & WS_CAPTION, WS_CAPTION);
    EXPECT_EQ(client.right, 144);
    EXPECT_EQ(client.bottom, 193) << "the custom row is the 8-point font's 11 pixels plus 12";
    EXPECT_EQ(selectedEdge, GetSysColor(COLOR_BTNSHADOW)) << "the selected cell is pushed in";
    EXPECT_EQ(plainEdge, GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(swatch, RGB(255, 255, 153));
    EXPECT_EQ(customSwatch, RGB(255, 255, 255)) << "the custom colour stays white";
}

} // namespace
} // namespace zvk::test
