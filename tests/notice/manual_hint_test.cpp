// The balloon notice as Windows sees it: its tooltip window, the messages of a show, the thread hook that
// hides it, its events, two notices at once, and what its destruction leaves.
#include <gtest/gtest.h>

#include <memory>

#include "notice/hint_hook.h"
#include "notice/manual_hint.h"
#include "plugin/data_module.h"
#include "tooltip_spy.h"

using namespace zvk;
using testing_support::PumpMessages;
using testing_support::PumpUntil;
using testing_support::TooltipSpy;

namespace {

// A window of the thread that records the keys it gets, for presses and keys posted through the queue.
class ThreadWindow {
  public:
    ThreadWindow() {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = &Procedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "NoticeTestWindow";
        RegisterClassA(&windowClass);
        window_ = CreateWindowExA(0, "NoticeTestWindow", "test", WS_POPUP | WS_VISIBLE, 600, 600, 200, 100,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        keys() = 0;
    }
    ~ThreadWindow() { DestroyWindow(window_); }
    HWND get() const { return window_; }
    static int& keys() {
        static int count = 0;
        return count;
    }

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
        if (message == WM_KEYDOWN) {
            ++keys();
        }
        return DefWindowProcA(window, message, wparam, lparam);
    }
    HWND window_;
};

bool Visible(const TManualHint& hint) {
    return hint.HintWindow() && IsWindowVisible(hint.HintWindow());
}

POINT CentreOf(HWND window) {
    RECT bounds{};
    GetWindowRect(window, &bounds);
    return POINT{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
}

// A mouse message as the thread's queue delivers it: the hook reads the cursor position it carries.
void PostMouse(HWND target, UINT message, POINT screen) {
    SetCursorPos(screen.x, screen.y);
    PostMessageA(target, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, 0);
    PumpMessages();
}

class Notice : public ::testing::Test {
  protected:
    void SetUp() override { InitCommonControls(); }
    ThreadWindow elsewhere;
};

TEST_F(Notice, TheDataModulesNoticeIsATrackingBalloonWithACloseButton) {
    TDataModule1 module;
    TManualHint& hint = module.ManualHint1;
    EXPECT_EQ(hint.HintWindow(), nullptr) << "no window before the first show";
    EXPECT_FALSE(HintHookInstalled());
    hint.ShowHint(100, 120, "UA3ABC - member");
    HWND window = hint.HintWindow();
    ASSERT_TRUE(window);
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    EXPECT_STREQ(className, "tooltips_class32");
    EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & ~(WS_VISIBLE | WS_CLIPSIBLINGS), 0x800000C3);
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    ASSERT_TRUE(SendMessageA(window, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&tool)));
    EXPECT_EQ(tool.uFlags, static_cast<UINT>(TTF_IDISHWND | TTF_TRACK | TTF_ABSOLUTE));
    EXPECT_EQ(tool.uId, 1u);
    EXPECT_EQ(tool.hwnd, nullptr);
    EXPECT_EQ(SendMessageA(window, TTM_GETTOOLCOUNT, 0, 0), 1);
    EXPECT_TRUE(HintHookInstalled());
    EXPECT_TRUE(PumpUntil([&] { return Visible(hint); }));
    EXPECT_EQ(CurrentHint, &hint);
}

TEST_F(Notice, AShowSendsTextTitlePositionAndActivationInThatOrder) {
    TManualHint hint;
    hint.SetCaption("Title");
    hint.SetIconType(itExclamation);
    hint.ShowHint(0, 0, "first");
    TooltipSpy spy(hint.HintWindow());
    hint.ShowHint(-3, 70000, "second");
    ASSERT_EQ(spy.messages.size(), 5u);
    EXPECT_EQ(spy.messages[0].message, static_cast<UINT>(TTM_TRACKACTIVATE))
        << "the current notice hides first";
    EXPECT_EQ(spy.messages[0].wparam, static_cast<WPARAM>(FALSE));
    EXPECT_EQ(spy.messages[1].message, static_cast<UINT>(TTM_UPDATETIPTEXTA));
    EXPECT_EQ(spy.messages[1].text, "second");
    EXPECT_EQ(spy.messages[2].message, static_cast<UINT>(TTM_SETTITLEA));
    EXPECT_EQ(spy.messages[2].wparam, static_cast<WPARAM>(TTI_WARNING));
    EXPECT_EQ(spy.messages[2].text, "Title");
    EXPECT_EQ(spy.messages[3].message, static_cast<UINT>(TTM_TRACKPOSITION));
    EXPECT_EQ(static_cast<uint32_t>(spy.messages[3].lparam), 0x1170FFFDu) << "x and y cut to 16 bits each";
    EXPECT_EQ(spy.messages[4].message, static_cast<UINT>(TTM_TRACKACTIVATE));
    EXPECT_EQ(spy.messages[4].wparam, static_cast<WPARAM>(TRUE));
}

TEST_F(Notice, EachShowChoosesTextTitleAndIcon) {
    struct Case {
        const char* what;
        std::string caption;
        std::function<void(TManualHint&)> show;
        std::string text, title;
        WPARAM icon;
    } cases[] = {
        {"lines of Text, with caption", "Info", [](TManualHint& h) { h.ShowHint(1, 1); }, "one\r\ntwo\r\n",
         "Info", TTI_INFO},
        {"lines of Text, no caption", "", [](TManualHint& h) { h.ShowHint(1, 1); }, "one\r\ntwo", "",
         TTI_INFO},
        {"text, no caption: five characters", "", [](TManualHint& h) { h.ShowHint(1, 1, "ABCDE"); }, "ABC",
         "", TTI_INFO},
        {"text, no caption: one character", "", [](TManualHint& h) { h.ShowHint(1, 1, "A"); }, "", "",
         TTI_INFO},
        {"text with caption", "Info", [](TManualHint& h) { h.ShowHint(1, 1, "ABCDE"); }, "ABCDE", "Info",
         TTI_INFO},
        {"title and text", "Info", [](TManualHint& h) { h.ShowHint(1, 1, "T", "ABCDE"); }, "ABCDE", "T",
         TTI_INFO},
        {"empty title and text", "Info", [](TManualHint& h) { h.ShowHint(1, 1, "", "ABCDE"); }, "ABC", "",
         TTI_INFO},
        {"empty title, text, icon", "Info", [](TManualHint& h) { h.ShowHint(1, 1, "", "ABCDE", itCritical); },
         "ABCDE", "", TTI_ERROR},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TManualHint hint;
        hint.SetIconType(itInformation);
        hint.SetCaption(c.caption);
        hint.SetText({"one", "two"});
        hint.ShowHint(0, 0, "create");
        TooltipSpy spy(hint.HintWindow());
        c.show(hint);
        ASSERT_EQ(spy.messages.size(), 5u);
        EXPECT_EQ(spy.messages[1].text, c.text);
        EXPECT_EQ(spy.messages[2].text, c.title);
        EXPECT_EQ(spy.messages[2].lparam == 0, c.title.empty()) << "no title is sent as none";
        EXPECT_EQ(spy.messages[2].wparam, c.icon);
    }
}

TEST_F(Notice, LeftPressElsewhereOrEscHidesWithoutSwallowingOtherPressesDoNot) {
    TManualHint hint;
    const POINT outside{700, 650};
    struct Case {
        const char* what;
        std::function<void()> act;
        bool hides;
    } cases[] = {
        {"right press", [&] { PostMouse(elsewhere.get(), WM_RBUTTONDOWN, outside); }, false},
        {"middle press", [&] { PostMouse(elsewhere.get(), WM_MBUTTONDOWN, outside); }, false},
        {"another key", [&] { PostMessageA(elsewhere.get(), WM_KEYDOWN, 'A', 0); }, false},
        {"left press", [&] { PostMouse(elsewhere.get(), WM_LBUTTONDOWN, outside); }, true},
        {"left press on a frame", [&] { PostMouse(elsewhere.get(), WM_NCLBUTTONDOWN, outside); }, true},
        {"Esc", [&] { PostMessageA(elsewhere.get(), WM_KEYDOWN, VK_ESCAPE, 0); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        hint.ShowHint(100, 100, "T", "text");
        ASSERT_TRUE(PumpUntil([&] { return Visible(hint); }));
        c.act();
        PumpMessages();
        EXPECT_EQ(Visible(hint), !c.hides);
    }
    EXPECT_EQ(ThreadWindow::keys(), 2) << "the keys still reached the window";
}

TEST_F(Notice, PressAndReleaseOnTheNoticeClicksIt) {
    TDataModule1 module; // its click handler hides the notice
    TManualHint& hint = module.ManualHint1;
    int clicks = 0;
    auto hide = hint.OnClick;
    hint.OnClick = [&](TManualHint& sender) {
        ++clicks;
        hide(sender);
    };
    hint.ShowHint(300, 300, "UA3ABC - member");
    ASSERT_TRUE(PumpUntil([&] { return Visible(hint); }));
    const POINT on = CentreOf(hint.HintWindow());
    ASSERT_EQ(WindowFromPoint(on), hint.HintWindow());
    PostMouse(hint.HintWindow(), WM_LBUTTONDOWN, on);
    EXPECT_TRUE(Visible(hint)) << "a press on the notice leaves it";
    PostMouse(hint.HintWindow(), WM_LBUTTONUP, on);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(Visible(hint));
}

TEST_F(Notice, ShowingOneNoticeHidesTheOther) {
    TManualHint first, second;
    first.ShowHint(100, 100, "T", "first");
    ASSERT_TRUE(PumpUntil([&] { return Visible(first); }));
    second.ShowHint(100, 300, "T", "second");
    ASSERT_TRUE(PumpUntil([&] { return Visible(second); }));
    EXPECT_FALSE(Visible(first));
    EXPECT_EQ(CurrentHint, &second);
}

TEST_F(Notice, DestructionRemovesWindowToolAndHook) {
    auto hint = std::make_unique<TManualHint>();
    int clicks = 0;
    hint->OnClick = [&](TManualHint&) { ++clicks; };
    hint->ShowHint(100, 100, "T", "text");
    HWND window = hint->HintWindow();
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(window) != FALSE; }));
    hint.reset();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(HintHookInstalled());
    EXPECT_EQ(CurrentHint, nullptr);
    PostMessageA(elsewhere.get(), WM_KEYDOWN, VK_ESCAPE, 0);
    PostMouse(elsewhere.get(), WM_LBUTTONDOWN, POINT{700, 650});
    EXPECT_EQ(clicks, 0);
}

TEST_F(Notice, AWindowThatCannotBeCreatedIsReportedAndTriedAgain) {
    HWND gone = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(gone);
    {
        TManualHint hint(gone); // an owner whose window no longer exists
        try {
            hint.ShowHint(1, 1, "text");
            FAIL() << "no error";
        } catch (const THintException& error) {
            EXPECT_STREQ(error.what(), "\xCD\xE5 \xF3\xE4\xE0\xEB\xEE\xF1\xFC \xF1\xEE\xE7\xE4\xE0\xF2\xFC "
                                       "\xEA\xEB\xE0\xF1\xF1 \"TOOLTIPS_CLASS\".");
        }
        EXPECT_EQ(CurrentHint, &hint);
        EXPECT_EQ(hint.HintWindow(), nullptr);
        EXPECT_THROW(hint.ShowHint(1, 1, "text"), THintException) << "the next show tries again";
    }
    EXPECT_FALSE(HintHookInstalled());
}

TEST_F(Notice, AWindowedOwnerHidesItOnFocusLossAndAfterShowTime) {
    ThreadWindow owner;
    TManualHint hint(owner.get());
    int shown = 0, hidden = 0;
    hint.OnShow = [&](TManualHint&) { ++shown; };
    hint.OnHide = [&](TManualHint&) { ++hidden; };
    hint.SetShowTime(0); // never by itself
    hint.ShowHint(10, 10, "T", "text");
    ASSERT_TRUE(PumpUntil([&] { return Visible(hint) && shown == 1; })) << "the tooltip tells its owner";
    SendMessageA(owner.get(), WM_KILLFOCUS, 0, 0);
    EXPECT_FALSE(Visible(hint));
    EXPECT_TRUE(PumpUntil([&] { return hidden == 1; }));

    hint.SetShowTime(50);
    hint.ShowHint(10, 10, "T", "text");
    ASSERT_TRUE(PumpUntil([&] { return shown == 2; }));
    EXPECT_TRUE(PumpUntil([&] { return !Visible(hint) && hidden == 2; })) << "hidden after ShowTime";
}

} // namespace
