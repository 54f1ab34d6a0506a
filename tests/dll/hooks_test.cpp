// How the notifier chains into the host's grids and callsign box, seen from the host's side.
#include <gtest/gtest.h>

#include "fake_host.h"
#include "plugin_fixture.h"

using fake::Edit;
using fake::Host;
using fake::Plugin;
using fake::same;

namespace {

using Hooks = fake::PluginFixture;

TEST_F(Hooks, GridsAreHookedOnceRepaintedAndHandCellsOnUnchanged) {
    plugin.run(&host.context);
    EXPECT_FALSE(same(host.mainGrid.slot, host.mainDraw.drawPair()));
    EXPECT_FALSE(same(host.secondGrid.slot, host.secondDraw.drawPair()));
    EXPECT_EQ(host.mainGrid.repaints, 1);
    EXPECT_EQ(host.secondGrid.repaints, 1);

    fake::Field field;
    field.name = "\xCF\xEE\xE7\xFB\xE2\xED\xEE\xE9"; // the callsign field
    field.value = "UA3AAA";
    TRect rect{1, 2, 3, 4};
    ASSERT_EQ(host.mainGrid.draw(rect, &field, gdSelected | gdFocused), S_OK);
    const auto& seen = host.mainDraw.cell;
    EXPECT_EQ(seen.sender, reinterpret_cast<TObject*>(&host.mainGrid));
    EXPECT_EQ(seen.rect, &rect);
    EXPECT_EQ(seen.field, &field);
    EXPECT_EQ(seen.state, gdSelected | gdFocused);
    plugin.release();
    EXPECT_EQ(host.mainGrid.repaints, 2) << "repainted at attach and at detach";
}

TEST_F(Hooks, OnlyTheGridsTheHostOffersAreHooked) {
    struct Case {
        bool secondLog, mainGrid;
    } cases[] = {{false, true}, {true, false}};
    for (const Case& c : cases) {
        Host h;
        if (!c.secondLog) {
            h.context.SecondLog = nullptr;
        }
        if (!c.mainGrid) {
            h.mainWindow.grid = nullptr;
        }
        plugin.run(&h.context);
        EXPECT_EQ(same(h.mainGrid.slot, h.mainDraw.drawPair()), !c.mainGrid);
        EXPECT_EQ(same(h.secondGrid.slot, h.secondDraw.drawPair()), !c.secondLog);
        plugin.release();
        EXPECT_TRUE(same(h.mainGrid.slot, h.mainDraw.drawPair()));
        EXPECT_TRUE(same(h.secondGrid.slot, h.secondDraw.drawPair()));
    }
}

TEST_F(Hooks, EmptyEventsAreAttachedOnceAndRestoredEmpty) {
    host.mainGrid.slot = TwwDrawDataCellEvent{nullptr, nullptr};
    host.edit.change = host.edit.enter = host.edit.exit = TNotifyEvent{nullptr, nullptr};
    plugin.run(&host.context);
    ASSERT_NE(host.mainGrid.slot.Code, nullptr);
    ASSERT_NE(host.edit.change.Code, nullptr);
    const TNotifyEvent hooked = host.edit.change;
    EXPECT_EQ(plugin.notify(2, 1), 0);
    EXPECT_TRUE(same(host.edit.change, hooked));

    host.log.clear();
    EXPECT_EQ(Edit::fire(host.edit.enter, &host.edit), S_OK);
    EXPECT_EQ(Edit::fire(host.edit.exit, &host.edit), S_OK);
    EXPECT_EQ(host.log, (fake::Log{"Text"})) << "empty saved pairs are skipped; enter still checks";

    plugin.release();
    EXPECT_EQ(host.mainGrid.slot.Code, nullptr);
    EXPECT_EQ(host.mainGrid.slot.Data, nullptr);
    for (const TNotifyEvent* slot : {&host.edit.change, &host.edit.enter, &host.edit.exit}) {
        EXPECT_EQ(slot->Code, nullptr);
        EXPECT_EQ(slot->Data, nullptr);
    }
}

TEST_F(Hooks, CallsignBoxAttachDetachNotifications) {
    plugin.run(&host.context);
    const TNotifyEvent hooked = host.edit.change;
    ASSERT_FALSE(same(hooked, host.change.notifyPair()));

    // Pairs that mean nothing leave the box as it is; the upper 16 bits are ignored.
    for (auto [type, code] : {std::pair{2, 2}, {5, 1}, {3, 2}, {0, 0}}) {
        EXPECT_EQ(plugin.notify(type, code), 0);
        EXPECT_TRUE(same(host.edit.change, hooked));
    }
    EXPECT_EQ(plugin.notify(0x70003, 0x50001), 0);
    EXPECT_TRUE(same(host.edit.change, host.change.notifyPair()));
    EXPECT_TRUE(same(host.edit.enter, host.enter.notifyPair()));
    EXPECT_TRUE(same(host.edit.exit, host.exit.notifyPair()));
    EXPECT_EQ(plugin.notify(3, 1), 0) << "detaching while detached does nothing";

    // While detached the host swaps its handler: attaching again chains the new one.
    fake::HostHandler replacement{&host.log, "host-change-2"};
    host.edit.change = replacement.notifyPair();
    EXPECT_EQ(plugin.notify(2, 1), 0);
    host.log.clear();
    EXPECT_EQ(Edit::fire(host.edit.change, &host.edit), S_OK);
    EXPECT_EQ(host.log, (fake::Log{"host-change-2", "Text"}));
    plugin.release();
    EXPECT_TRUE(same(host.edit.change, replacement.notifyPair()));
}

TEST_F(Hooks, HostHandlersRunFirstAndTheirErrorsPassOn) {
    plugin.run(&host.context);
    host.log.clear();
    EXPECT_EQ(Edit::fire(host.edit.change, &host.edit), S_OK);
    EXPECT_EQ(Edit::fire(host.edit.enter, &host.edit), S_OK);
    EXPECT_EQ(Edit::fire(host.edit.exit, &host.edit), S_OK);
    EXPECT_EQ(host.log, (fake::Log{"host-change", "Text", "host-enter", "Text", "host-exit"}));

    host.change.result = E_ACCESSDENIED;
    host.change.failure =
        L"\x0412\x0432\x043E\x0434 \x0437\x0430\x043F\x0440\x0435\x0449\x0451\x043D"; // Ввод запрещён
    host.log.clear();
    EXPECT_EQ(Edit::fire(host.edit.change, &host.edit), E_ACCESSDENIED);
    EXPECT_EQ(host.log, fake::Log{"host-change"}) << "the member check does not run";
    IErrorInfo* info = nullptr;
    ASSERT_EQ(GetErrorInfo(0, &info), S_OK);
    BSTR description = nullptr;
    info->GetDescription(&description);
    EXPECT_EQ(std::wstring(description), host.change.failure);
    SysFreeString(description);
    info->Release();
    plugin.release();
}

TEST_F(Hooks, CheckNotificationRunsOnlyWhileTheBoxHasTheFocus) {
    plugin.run(&host.context);
    host.log.clear();
    EXPECT_EQ(plugin.notify(4, 23), 0);
    EXPECT_TRUE(host.log.empty());
    host.edit.focused = true;
    EXPECT_EQ(plugin.notify(0x10004, 23), 0);
    EXPECT_EQ(host.log, fake::Log{"Text"});
    plugin.release();
}

TEST_F(Hooks, ReleaseRestoresTheOriginalPairsEvenOverHostReplacements) {
    plugin.run(&host.context);
    fake::HostHandler intruder{&host.log, "intruder"};
    host.mainGrid.slot = intruder.drawPair();
    host.edit.exit = intruder.notifyPair();
    plugin.release();
    EXPECT_TRUE(same(host.mainGrid.slot, host.mainDraw.drawPair()));
    EXPECT_TRUE(same(host.secondGrid.slot, host.secondDraw.drawPair()));
    EXPECT_TRUE(same(host.edit.change, host.change.notifyPair()));
    EXPECT_TRUE(same(host.edit.exit, host.exit.notifyPair()));
    EXPECT_TRUE(same(host.edit.enter, host.enter.notifyPair()));
}

TEST_F(Hooks, OneGridOfferedAsBothGetsTheHostsPairBack) {
    host.secondLog.grid = &host.mainGrid;
    plugin.run(&host.context);
    fake::Field field;
    field.name = "Date";
    host.log.clear();
    EXPECT_EQ(host.mainGrid.draw(TRect{0, 0, 5, 5}, &field), S_OK);
    EXPECT_EQ(host.log, fake::Log{"host-main-draw"});
    plugin.release();
    EXPECT_TRUE(same(host.mainGrid.slot, host.mainDraw.drawPair()));
}

TEST_F(Hooks, AHostHandlerThatReleasesThePluginEndsTheChain) {
    plugin.run(&host.context);
    host.change.also = [&] { plugin.release(); };
    host.log.clear();
    EXPECT_EQ(Edit::fire(host.edit.change, &host.edit), S_OK);
    EXPECT_EQ(host.log, fake::Log{"host-change"}) << "no member check after the plug-in was released";
    EXPECT_TRUE(same(host.edit.change, host.change.notifyPair()));

    host.change.also = nullptr;
    plugin.run(&host.context);
    host.exit.also = [&] { plugin.release(); };
    EXPECT_EQ(Edit::fire(host.edit.exit, &host.edit), S_OK);
    EXPECT_TRUE(same(host.edit.exit, host.exit.notifyPair()));
}

TEST_F(Hooks, AfterUnloadTheHostsEventsWorkAsBefore) {
    plugin.run(&host.context);
    plugin.release();
    plugin.unload();
    host.log.clear();
    fake::Field field;
    field.name = "\xCF\xEE\xE7\xFB\xE2\xED\xEE\xE9";
    EXPECT_EQ(host.mainGrid.draw(TRect{0, 0, 5, 5}, &field), S_OK);
    EXPECT_EQ(host.secondGrid.draw(TRect{0, 0, 5, 5}, &field), S_OK);
    for (TNotifyEvent* event : {&host.edit.change, &host.edit.enter, &host.edit.exit}) {
        EXPECT_EQ(Edit::fire(*event, &host.edit), S_OK);
    }
    EXPECT_EQ(host.log,
              (fake::Log{"host-main-draw", "host-second-draw", "host-change", "host-enter", "host-exit"}));
}

} // namespace
