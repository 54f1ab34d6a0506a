// The options form as a window: what it is made of, and how it answers keys and buttons while modal.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "runtime/form_font.h"
#include "settings/options_form.h"
#include "tests/support/ui_driver.h"

namespace zvk::test {
namespace {

class OptionsForm : public ::testing::Test {
  protected:
    void SetUp() override {
        logbook = CreateWindowExW(0, L"STATIC", L"Brevlog", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr,
                                  nullptr, nullptr, nullptr);
        ASSERT_TRUE(logbook);
    }
    void TearDown() override { DestroyWindow(logbook); }

    // Shows the form modally with `steps` run inside its loop; answers the modal result.
    int showModal(TOptionsForm& form, std::vector<ui::TimerScript::Step> steps) {
        ui::TimerScript script(std::move(steps), &ui::CloseEverything);
        const int result = form.ShowModal();
        EXPECT_TRUE(script.finished()) << "stuck after step " << script.stepsDone();
        return result;
    }

    HWND logbook = nullptr;
};

RECT placeIn(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The form's face where the system has it, and its substitute where it does not (as on our Wine).
std::string expectedFace() {
    return std::string(FontFaceExists("MS Sans Serif") ? "MS Sans Serif" : "Tahoma") + "/-11";
}

std::string faceOf(HWND control) {
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfFaceName + std::string("/") + std::to_string(font.lfHeight);
}

TEST_F(OptionsForm, IsMadeAsTheFormStoresIt) {
    TOptionsForm form(logbook);
    HWND window = form.Handle();
    EXPECT_EQ(ui::text(window), L"Настройки");
    EXPECT_EQ(GetWindow(window, GW_OWNER), logbook);
    EXPECT_FALSE(IsWindowVisible(window)) << "shown only by ShowModal";
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
              WS_CAPTION | WS_SYSMENU);
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
    HMENU systemMenu = GetSystemMenu(window, FALSE);
    EXPECT_NE(GetMenuState(systemMenu, SC_CLOSE, MF_BYCOMMAND), 0xFFFFFFFFu);
    for (UINT command : {SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE}) {
        EXPECT_EQ(GetMenuState(systemMenu, command, MF_BYCOMMAND), 0xFFFFFFFFu) << command;
    }
    RECT client{}, bounds{};
    GetClientRect(window, &client);
    GetWindowRect(window, &bounds);
    EXPECT_EQ(client.right, 335);
    EXPECT_EQ(client.bottom, 136);
    EXPECT_LE(std::abs((bounds.left + bounds.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2), 1) << "centred";
    EXPECT_LE(std::abs((bounds.top + bounds.bottom) / 2 - GetSystemMetrics(SM_CYSCREEN) / 2), 1);

    struct Control {
        const char* name;
        HWND handle;
        const wchar_t* windowClass;
        HWND container;
        RECT place;
        const wchar_t* caption;
        LONG kind; // the BS_TYPEMASK style of a button
    } controls[] = {
        {"Button1", form.Button1, L"Button", window, {272, 8, 329, 33}, L"ОК", BS_DEFPUSHBUTTON},
        {"Button2", form.Button2, L"Button", window, {272, 40, 329, 65}, L"Отмена", BS_PUSHBUTTON},
        {"GroupBox1", form.GroupBox1, L"Button", window, {8, 0, 265, 129}, L"", BS_GROUPBOX},
        {"Label1",
         form.Label1,
         L"Static",
         form.GroupBox1,
         {16, 16, 153, 41},
         L"Цвет фона позывного в главной таблице:",
         -1},
        {"RzColorEdit1",
         form.RzColorEdit1.Handle(),
         L"TRzColorEdit",
         form.GroupBox1,
         {160, 16, 241, 37},
         L"",
         -1},
        {"Button3",
         form.Button3,
         L"Button",
         form.GroupBox1,
         {16, 56, 105, 81},
         L"По умолчанию",
         BS_PUSHBUTTON},
        {"CheckBox1",
         form.CheckBox1,
         L"Button",
         form.GroupBox1,
         {16, 96, 241, 113},
         L"Звуковое оповещение (через колонки)",
         BS_AUTOCHECKBOX},
    };
    for (const Control& c : controls) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(_wcsicmp(ui::className(c.handle).c_str(), c.windowClass), 0);
        EXPECT_EQ(GetParent(c.handle), c.container);
        const RECT place = placeIn(c.handle);
        EXPECT_TRUE(EqualRect(&place, &c.place))
            << place.left << "," << place.top << "," << place.right << "," << place.bottom;
        EXPECT_EQ(ui::text(c.handle), c.caption);
        if (c.kind >= 0) {
            EXPECT_EQ(GetWindowLongA(c.handle, GWL_STYLE) & BS_TYPEMASK, c.kind);
        }
        EXPECT_EQ(faceOf(c.handle), expectedFace()) << "8 points are 11 pixels";
    }
    EXPECT_EQ(form.RzColorEdit1.SelectedColor(), 10354687);
    EXPECT_EQ(form.RzCustomColors1.Colors()[0], "ColorA=FFFFFF");
    EXPECT_EQ(form.RzCustomColors1.Colors()[15], "ColorP=FFFFFF");

    // Tab order: the buttons, then into the group box.
    const HWND order[] = {form.Button1, form.Button2,   form.RzColorEdit1.Handle(),
                          form.Button3, form.CheckBox1, form.Button1};
    for (size_t i = 0; i + 1 < std::size(order); ++i) {
        EXPECT_EQ(GetNextDlgTabItem(window, order[i], FALSE), order[i + 1]) << i;
    }
}

bool tabTo(TOptionsForm& form, HWND control) {
    SetActiveWindow(form.Handle());
    SendMessageW(form.Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    return GetFocus() == control;
}

TEST_F(OptionsForm, EnterPressesTheDefaultButtonEscapeDoesNothingTheCloseBoxCancels) {
    // Keys go to the focused control, so each key step first moves the focus as Tab would, through the
    // dialog manager (which also makes a focused push button the default one), and checks it arrived.
    auto enterOn = [](HWND (*control)(TOptionsForm&)) {
        return [control](TOptionsForm& f) {
            if (!tabTo(f, control(f))) {
                return false;
            }
            ui::KeyThroughDialog(f.Handle(), control(f), VK_RETURN);
            return true;
        };
    };
    struct Case {
        const char* what;
        std::function<bool(TOptionsForm&)> act;
        int result;
    } cases[] = {
        {"Enter on the check box", enterOn([](TOptionsForm& f) { return f.CheckBox1; }), TOptionsForm::mrOk},
        {"Enter on the colour field", enterOn([](TOptionsForm& f) { return f.RzColorEdit1.Handle(); }),
         TOptionsForm::mrOk},
        {"Enter on Отмена", enterOn([](TOptionsForm& f) { return f.Button2; }), TOptionsForm::mrCancel},
        {"a click on Отмена",
         [](TOptionsForm& f) {
             ui::Press(f.Button2);
             return true;
         },
         TOptionsForm::mrCancel},
        {"the close box",
         [](TOptionsForm& f) {
             PostMessageW(f.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
             return true;
         },
         TOptionsForm::mrCancel},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TOptionsForm form(logbook);
        bool logbookDisabled = false, openAfterEscape = false;
        const int result =
            showModal(form, {
                                [&] {
                                    logbookDisabled = !IsWindowEnabled(logbook);
                                    if (!tabTo(form, form.CheckBox1)) {
                                        return false;
                                    }
                                    ui::KeyThroughDialog(form.Handle(), form.CheckBox1, VK_ESCAPE);
                                    return true;
                                },
                                [&] {
                                    openAfterEscape = IsWindowVisible(form.Handle());
                                    return true;
                                },
                                [&] { return c.act(form); },
                            });
        EXPECT_EQ(result, c.result);
        EXPECT_TRUE(logbookDisabled) << "the logbook takes no input while the dialog is open";
        EXPECT_TRUE(IsWindowEnabled(logbook));
        EXPECT_TRUE(openAfterEscape);
        EXPECT_FALSE(IsWindowVisible(form.Handle()));
    }
}

TEST_F(OptionsForm, DefaultSetsOnlyTheColour) {
    TOptionsForm form(logbook);
    form.RzColorEdit1.SetSelectedColor(255);
    SendMessageW(form.CheckBox1, BM_SETCHECK, BST_UNCHECKED, 0);
    showModal(form, {[&] {
                         ui::Press(form.Button3);
                         return true;
                     },
                     [&] {
                         ui::Press(form.Button2);
                         return true;
                     }});
    EXPECT_EQ(form.RzColorEdit1.SelectedColor(), 0x9DFFFF);
    EXPECT_EQ(SendMessageW(form.CheckBox1, BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(OptionsForm, APressOutsideTheOpenPaletteDoesNotPressTheButtonUnderIt) {
    TOptionsForm form(logbook);
    bool openAfterPress = false;
    const int result = showModal(form, {
                                           [&] {
                                               ui::ClickCentre(form.RzColorEdit1.Handle());
                                               return true;
                                           },
                                           [&] {
                                               HWND palette =
                                                   ui::FindThreadWindow(L"TRzColorPicker", form.Handle());
                                               if (!palette) {
                                                   return false;
                                               }
                                               ui::ClickCentre(form.Button1);
                                               return true;
                                           },
                                           [&] {
                                               if (ui::FindThreadWindow(L"TRzColorPicker")) {
                                                   return false;
                                               }
                                               openAfterPress = IsWindowVisible(form.Handle());
                                               ui::Press(form.Button2);
                                               return true;
                                           },
                                       });
    EXPECT_TRUE(openAfterPress) << "the press on ОК only closed the palette";
    EXPECT_EQ(result, TOptionsForm::mrCancel);
}

} // namespace
} // namespace zvk::test
