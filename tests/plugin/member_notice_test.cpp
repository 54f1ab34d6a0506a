// The notice under the callsign box while the operator types, enters and leaves it.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <mmsystem.h>

#include "notice/hint_sound.h"
#include "plugin/data_module.h"
#include "plugin/globals.h"
#include "plugin_host.h"
#include "../notice/tooltip_spy.h"

using namespace zvk;
using testing_support::PumpUntil;

namespace {

int soundsPlayed = 0;
const void* lastSound = nullptr;

BOOL WINAPI CountSound(LPCSTR sound, HMODULE, DWORD) {
    ++soundsPlayed;
    lastSound = sound;
    return TRUE;
}

const std::string MemberSuffix = " - \xF7\xEB\xE5\xED ZVK"; // " - член ZVK"

class MemberNotice : public testing_support::RunningPlugin {
  protected:
    void SetUp() override {
        RunningPlugin::SetUp();
        soundsPlayed = 0;
        PlaySoundSeam = &CountSound;
        // The callsign box: a window of its own at a known place on the screen.
        box = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE | WS_BORDER, 200, 150, 120, 22, nullptr,
                              nullptr, nullptr, nullptr);
        host.edit.handle = box;
        writeMembers({u"UA3ABC", u"R%sDEF", u"RA9\x0416\x0416"});
        run();
    }
    void TearDown() override {
        RunningPlugin::TearDown();
        DestroyWindow(box);
        PlaySoundSeam = &PlaySoundA;
    }
    HRESULT type(const std::string& text) {
        host.edit.text = text;
        return fake::Edit::fire(host.edit.change, &host.edit);
    }
    HWND notice() const { return DataModule1 ? DataModule1->ManualHint1.HintWindow() : nullptr; }
    bool shown() const { return notice() && IsWindowVisible(notice()); }
    std::string noticeText() const {
        TTTOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.uId = 1;
        char text[256] = {};
        tool.lpszText = text;
        SendMessageA(notice(), TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
        return text;
    }
    const void* infoSound() const {
        HMODULE module = GetModuleHandleA(nullptr);
        return LockResource(LoadResource(module, FindResourceA(module, MAKEINTRESOURCEA(103), "SOUND")));
    }

    HWND box = nullptr;
};

TEST_F(MemberNotice, ShownWhileTheTextIsAMembersCallsignWithOneSoundEach) {
    const std::string typed = "UA3ABC";
    for (size_t length = 1; length <= typed.size(); ++length) {
        SCOPED_TRACE(length);
        ASSERT_EQ(type(typed.substr(0, length)), S_OK);
        EXPECT_EQ(shown(), length == typed.size());
    }
    EXPECT_TRUE(PumpUntil([&] { return shown(); }));
    EXPECT_EQ(noticeText(), "UA3ABC" + MemberSuffix);
    EXPECT_EQ(soundsPlayed, 1);
    EXPECT_EQ(lastSound, infoSound()) << "the information sound, 103";
    type("UA3ABCD");
    EXPECT_FALSE(shown()) << "a text that only begins with a member's callsign shows nothing";
    type("");
    EXPECT_FALSE(shown());
    EXPECT_EQ(soundsPlayed, 1);
}

TEST_F(MemberNotice, TheNoticeQuotesTheTextAsTypedAtTheBoxsLowerLeftCorner) {
    type("UA3ABC"); // creates the notice's window
    testing_support::TooltipSpy spy(notice());
    struct Case {
        std::string typed;
    } cases[] = {{"ua3abc"}, {"R%sDEF"}, {"ra9\xE6\xC6"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        spy.messages.clear();
        type(c.typed);
        EXPECT_TRUE(shown());
        EXPECT_EQ(noticeText(), c.typed + MemberSuffix);
        bool placed = false;
        for (const auto& m : spy.messages) {
            placed |= m.message == TTM_TRACKPOSITION && m.lparam == MAKELPARAM(205, 150 + 22 - 5);
        }
        EXPECT_TRUE(placed) << "5 pixels in from the left and up from the bottom of the box";
    }
    // The box moved: the next notice follows it.
    SetWindowPos(box, nullptr, 300, 400, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    spy.messages.clear();
    type("UA3ABC");
    bool placed = false;
    for (const auto& m : spy.messages) {
        placed |= m.message == TTM_TRACKPOSITION && m.lparam == MAKELPARAM(305, 400 + 22 - 5);
    }
    EXPECT_TRUE(placed);
}

TEST_F(MemberNotice, EnteringChecksAgainLeavingHidesAfterTheHostsHandler) {
    type("UA3ABC");
    ASSERT_TRUE(shown());
    host.log.clear();
    bool shownWhenHostLeft = false;
    host.exit.also = [&] { shownWhenHostLeft = shown(); };
    fake::Edit::fire(host.edit.exit, &host.edit);
    EXPECT_EQ(host.log, fake::Log{"host-exit"});
    EXPECT_TRUE(shownWhenHostLeft) << "the host's exit handler runs first";
    EXPECT_FALSE(shown());

    fake::Edit::fire(host.edit.enter, &host.edit);
    EXPECT_TRUE(shown());
    EXPECT_EQ(soundsPlayed, 2);

    // The host asks for a check while the box has the focus: hidden, then shown again, with its sound.
    host.edit.focused = true;
    SendNotify(4, 23);
    EXPECT_TRUE(shown());
    EXPECT_EQ(soundsPlayed, 3);
    Config.EnableSound = false;
    SendNotify(4, 23);
    EXPECT_TRUE(shown());
    EXPECT_EQ(soundsPlayed, 3) << "no sound when the operator chose none";
}

// The sound plays from the module's own memory: release stops the one a notice started, so that the
// logbook may unload the module at once; after no notice, nothing of the logbook's sounds is touched.
TEST_F(MemberNotice, ReleaseStopsTheSoundANoticeStarted) {
    type("UA3ABC");
    ASSERT_EQ(soundsPlayed, 1);
    ReleasePlugin();
    EXPECT_EQ(soundsPlayed, 2);
    EXPECT_EQ(lastSound, nullptr) << "PlaySound with no sound stops the one playing";
    run();
    ReleasePlugin();
    EXPECT_EQ(soundsPlayed, 2);
}

TEST_F(MemberNotice, NoMemberListNoNotice) {
    ReleasePlugin();
    DeleteFileA((zvkFolder + "\\zvk.mdb").c_str());
    run();
    type("UA3ABC");
    EXPECT_FALSE(shown());
    EXPECT_EQ(soundsPlayed, 0);
}

} // namespace
