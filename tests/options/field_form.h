// A colour field configured as the options dialog configures it, on a form of its own with a push button
// beside it (clear of the palette, which drops down to the left of the field's right edge), for one test.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include "runtime/form_font.h"
#include "settings/color_edit.h"
#include "tests/support/ui_driver.h"

namespace zvk::test {

class FieldForm : public ::testing::Test {
  protected:
    static constexpr palette::TColor kDefault = 0x9DFFFF;

    void SetUp() override {
        WNDCLASSEXA formClass{};
        formClass.cbSize = sizeof formClass;
        formClass.lpfnWndProc = &formProcedure;
        formClass.hInstance = GetModuleHandleA(nullptr);
        formClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        formClass.lpszClassName = "ZvkTestForm";
        RegisterClassExA(&formClass);
        form = CreateWindowExA(0, "ZvkTestForm", "Form", WS_POPUP | WS_CAPTION | WS_VISIBLE, 200, 200, 320,
                               200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(form);
        SetActiveWindow(form);
        field.ShowSystemColors = true;
        field.ShowCustomColor = true;
        field.CustomColors = &customColors;
        field.SetSelectedColor(kDefault);
        field.OnChange = [this] { ++changes; };
        field.CreateWnd(form, 10, RECT{20, 20, 101, 41});
        SendMessageA(field.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
        button = CreateWindowExA(0, "BUTTON", "Press", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 200, 20, 80, 25,
                                 form, reinterpret_cast<HMENU>(20), GetModuleHandleA(nullptr), nullptr);
        buttonClicks() = 0;
    }
    void TearDown() override { DestroyWindow(form); }

    // Opens the palette with a left press on the field and returns once it has closed, with `steps` run
    // inside it from a timer; the first step gets the palette's window.
    bool dropDown(std::vector<std::function<bool(HWND)>> steps) {
        std::vector<ui::TimerScript::Step> script;
        script.push_back([this] {
            palette = ui::FindThreadWindow(L"TRzColorPicker", form);
            return palette != nullptr;
        });
        for (auto& step : steps) {
            script.push_back([this, step] { return step(palette); });
        }
        ui::TimerScript timer(std::move(script), &ui::CloseEverything);
        SendMessageW(field.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        return timer.finished();
    }

    static int& buttonClicks() {
        static int clicks = 0;
        return clicks;
    }

    UniqueFont font = CreateFormFont("MS Sans Serif", 11, "Tahoma");
    palette::TRzCustomColors customColors;
    TRzColorEdit field;
    HWND form = nullptr;
    HWND button = nullptr;
    HWND palette = nullptr;
    int changes = 0;

  private:
    static LRESULT CALLBACK formProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
        if (message == WM_COMMAND && LOWORD(wparam) == 20 && HIWORD(wparam) == BN_CLICKED) {
            ++buttonClicks();
        }
        return DefWindowProcA(window, message, wparam, lparam);
    }
};

} // namespace zvk::test
