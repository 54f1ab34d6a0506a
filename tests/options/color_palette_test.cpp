// Working in the open palette: what a click accepts, what closes it without accepting, and the colour
// dialog behind "More Colors...".
#include <gtest/gtest.h>

#include "field_form.h"
#include "tests/support/color_dialog_driver.h"

namespace zvk::test {
namespace {

using Palette = FieldForm;

struct Input {
    UINT message;
    int x, y;
    WPARAM keys;
};

// Content coordinates of the dialog's palette: cells of 18 pixels, the band at 90, system colours from 98,
// the custom row from 170 with its swatch from 121.
constexpr int kWindowCell[] = {99, 107};
constexpr int kMoreColors[] = {60, 181};
constexpr int kCustomSwatch[] = {132, 181};

TEST_F(Palette, AClickAcceptsTheSelectedColourAndFiresOnChange) {
    struct Case {
        const char* what;
        std::vector<Input> input;
        palette::TColor accepted;
    } cases[] = {
        {"the window colour, kept as a system colour",
         {{WM_LBUTTONDOWN, kWindowCell[0], kWindowCell[1], MK_LBUTTON},
          {WM_LBUTTONUP, kWindowCell[0], kWindowCell[1], 0}},
         static_cast<palette::TColor>(0xFF000005u)},
        {"light yellow", {{WM_LBUTTONDOWN, 45, 81, MK_LBUTTON}, {WM_LBUTTONUP, 45, 81, 0}}, 0x99FFFF},
        {"the band selects nothing",
         {{WM_LBUTTONDOWN, 70, 93, MK_LBUTTON}, {WM_LBUTTONUP, 70, 93, 0}},
         palette::TColorNone},
        {"an empty place selects nothing",
         {{WM_LBUTTONDOWN, 130, 160, MK_LBUTTON}, {WM_LBUTTONUP, 130, 160, 0}},
         palette::TColorNone},
        {"the custom swatch accepts on the press alone",
         {{WM_LBUTTONDOWN, kCustomSwatch[0], kCustomSwatch[1], MK_LBUTTON}},
         kDefault},
        {"a drag from black to white",
         {{WM_LBUTTONDOWN, 9, 9, MK_LBUTTON},
          {WM_MOUSEMOVE, 60, 40, MK_LBUTTON},
          {WM_MOUSEMOVE, 135, 81, MK_LBUTTON},
          {WM_LBUTTONUP, 135, 81, 0}},
         0xFFFFFF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        field.SetSelectedColor(kDefault);
        changes = 0;
        EXPECT_TRUE(dropDown({[&](HWND popup) {
            for (const Input& input : c.input) {
                PostMessageW(popup, input.message, input.keys, MAKELPARAM(input.x, input.y));
            }
            return true;
        }}));
        EXPECT_TRUE(ui::PumpUntil([&] { return !IsWindow(palette); }));
        EXPECT_EQ(field.SelectedColor(), c.accepted);
        EXPECT_EQ(changes, 1);
        EXPECT_EQ(field.CustomColor, kDefault)
            << "the default is no palette colour, so it became the custom one";
    }
}

TEST_F(Palette, EscAPressOutsideOrTheApplicationEndingCloseWithoutAccepting) {
    struct Case {
        const char* what;
        std::function<void(HWND)> close;
    } cases[] = {
        {"Esc", [](HWND popup) { ui::PressKey(popup, VK_ESCAPE); }},
        {"a press on the form's button", [this](HWND) { ui::Click(button, 5, 5); }},
        {"a right press on the form",
         [this](HWND) { PostMessageW(form, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(250, 60)); }},
        {"the application ending", [](HWND) { PostQuitMessage(7); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        field.SetSelectedColor(kDefault);
        changes = 0;
        bool openAfterRightPress = false;
        EXPECT_TRUE(dropDown({[](HWND popup) {
                                  // Inside, a right press does nothing.
                                  PostMessageW(popup, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(9, 9));
                                  PostMessageW(popup, WM_RBUTTONUP, 0, MAKELPARAM(9, 9));
                                  return true;
                              },
                              [&](HWND popup) {
                                  openAfterRightPress = IsWindowVisible(popup);
                                  c.close(popup);
                                  return true;
                              }}));
        EXPECT_TRUE(openAfterRightPress);
        EXPECT_FALSE(IsWindow(palette));
        MSG quit{};
        const bool quitPosted = PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        EXPECT_EQ(quitPosted, std::string(c.what) == "the application ending")
            << "the quit goes on to the loops below";
        ui::PumpUntil([] { return HIWORD(GetQueueStatus(QS_ALLINPUT)) == 0; });
        EXPECT_EQ(buttonClicks(), 0) << "the press never reached the button";
        EXPECT_EQ(field.SelectedColor(), kDefault);
        EXPECT_EQ(changes, 0);
    }
}

TEST_F(Palette, MoreColorsOpensTheColourDialogAtTheCustomColour) {
    COLORREF startedAt = 0;
    bool formDisabled = false, openAfterCancel = false;
    EXPECT_TRUE(dropDown({
        [](HWND popup) {
            ui::Click(popup, kMoreColors[0], kMoreColors[1]);
            return true;
        },
        [&](HWND) {
            HWND dialog = ui::ColorDialog::Find();
            if (!dialog) {
                return false;
            }
            startedAt = ui::ColorDialog(dialog).current();
            formDisabled = !IsWindowEnabled(form);
            ui::ColorDialog(dialog).cancel();
            return true;
        },
        [&](HWND popup) {
            if (ui::ColorDialog::Find()) {
                return false;
            }
            openAfterCancel = IsWindowVisible(popup) && IsWindowEnabled(form);
            ui::Click(popup, kMoreColors[0], kMoreColors[1]);
            return true;
        },
        [&](HWND) {
            HWND dialog = ui::ColorDialog::Find();
            if (!dialog) {
                return false;
            }
            const ui::ColorDialog colors(dialog);
            colors.set(RGB(10, 20, 30));
            colors.addToCustomColors();
            colors.ok();
            return true;
        },
    }));
    EXPECT_EQ(startedAt, RGB(255, 255, 157));
    EXPECT_TRUE(formDisabled) << "the form takes no input while the colour dialog is open";
    EXPECT_TRUE(openAfterCancel) << "cancelling the colour dialog leaves the palette open";
    EXPECT_EQ(field.SelectedColor(), RGB(10, 20, 30));
    EXPECT_EQ(field.CustomColor, RGB(10, 20, 30));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(customColors.Colors()[0], "ColorA=1e140a");
    EXPECT_EQ(customColors.Colors()[1], "ColorB=ffffff") << "written back as lower-case digits";
}

} // namespace
} // namespace zvk::test
