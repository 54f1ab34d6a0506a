// The options dialog as the logbook opens it: the settings file found through vnxfsys.dll, loaded into
// Config, shown, and saved on OK; the main grid repainted while the plug-in runs.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "../dll/fake_host.h"
#include "tests/support/library_folder.h"
#include "plugin/globals.h"
#include "plugin/lifecycle.h"
#include "plugin/vnx_api.h"
#include "settings/config.h"
#include "temp_folder.h"
#include "tests/support/color_dialog_driver.h"
#include "tests/support/ui_driver.h"

using namespace zvk;
using testing_support::LibraryFolder;
using testing_support::ProbeEnvironment;
using testing_support::TempFolder;

namespace {

const std::string kWorkedExample = "<?xml version=\"1.0\"?>\n<Configuration>"
                                   "<SelectColor type=\"Integer\">10354687</SelectColor>"
                                   "<EnableSound type=\"Integer\">1</EnableSound>"
                                   "</Configuration>\n";

std::string settings(int32_t color, bool sound) {
    return "<?xml version=\"1.0\"?>\n<Configuration><SelectColor type=\"Integer\">" + std::to_string(color) +
           "</SelectColor><EnableSound type=\"Integer\">" + (sound ? "1" : "0") +
           "</EnableSound></Configuration>\n";
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The dialog's parts, found as a user sees them.
struct Dialog {
    HWND window;
    HWND ok() const { return ui::FindChild(window, L"Button", L"ОК"); }
    HWND cancel() const { return ui::FindChild(window, L"Button", L"Отмена"); }
    HWND byDefault() const { return ui::FindChild(window, L"Button", L"По умолчанию"); }
    HWND sound() const { return ui::FindChild(window, L"Button", L"Звуковое оповещение (через колонки)"); }
    HWND field() const { return ui::FindChild(window, L"TRzColorEdit"); }
    bool soundTicked() const { return SendMessageW(sound(), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    COLORREF fieldColor() const {
        const ui::Picture picture(field());
        return picture.at(10, picture.height() / 2);
    }
    HWND palette() const { return ui::FindThreadWindow(L"TRzColorPicker", window); }
};

// Content coordinates in the palette, and "More Colors..." in it.
constexpr POINT kWindowCell{99, 107};
constexpr POINT kMoreColors{60, 181};

class OptionsDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        CoInitialize(nullptr);
        HostContext = nullptr; // another test's run may have left its host's context behind
        Config.SelectColor = 0x9DFFFF;
        Config.EnableSound = true;
        probe.set("VNXFSYS_PROBE_FOLDER", appData.path().c_str());
        zvkFolder = appData.folder("Vantor");
        for (const char* part : {"\\Brevlog", "\\Plugins Data", "\\ZVK"}) {
            zvkFolder += part;
            CreateDirectoryA(zvkFolder.c_str(), nullptr);
        }
        settingsFile = zvkFolder + "\\configuration.xml";
        logbook = CreateWindowExW(0, L"STATIC", L"Brevlog", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr,
                                  nullptr, nullptr, nullptr);
    }
    void TearDown() override {
        DestroyWindow(logbook);
        CoUninitialize();
    }

    // Opens the dialog over the logbook and returns once it has closed, with `steps` run inside it.
    void showDialog(std::vector<std::function<bool(const Dialog&)>> steps) {
        auto dialog = std::make_shared<Dialog>(Dialog{nullptr});
        std::vector<ui::TimerScript::Step> script;
        script.push_back([this, dialog] {
            dialog->window = ui::FindThreadWindow(L"#32770", logbook);
            return dialog->window != nullptr;
        });
        for (auto& step : steps) {
            script.push_back([dialog, step] { return step(*dialog); });
        }
        ui::TimerScript timer(std::move(script), &ui::CloseEverything);
        ShowOptionsDialog(logbook);
        EXPECT_TRUE(timer.finished()) << "stuck after step " << timer.stepsDone();
        EXPECT_FALSE(IsWindow(dialog->window)) << "the dialog goes with the call";
    }

    static std::function<bool(const Dialog&)> click(HWND (Dialog::*control)() const) {
        return [control](const Dialog& d) {
            ui::Press((d.*control)());
            return true;
        };
    }

    ProbeEnvironment probe;
    LibraryFolder library{VNXFSYS_PROBE_DIR};
    TempFolder appData;
    std::string zvkFolder, settingsFile;
    HWND logbook = nullptr;
};

TEST_F(OptionsDialog, FirstUseShowsTheDefaultsAndOkWritesTheWorkedExample) {
    COLORREF shown = 0;
    bool ticked = false, logbookDisabled = false;
    showDialog({[&](const Dialog& d) {
                    shown = d.fieldColor();
                    ticked = d.soundTicked();
                    logbookDisabled = !IsWindowEnabled(logbook);
                    return true;
                },
                click(&Dialog::ok)});
    EXPECT_EQ(shown, RGB(255, 255, 157));
    EXPECT_TRUE(ticked);
    EXPECT_TRUE(logbookDisabled) << "modal over the logbook";
    EXPECT_TRUE(IsWindowEnabled(logbook));
    EXPECT_EQ(readFile(settingsFile), kWorkedExample);
    EXPECT_EQ(Config.FileName(), settingsFile) << "later saves go to the dialog's file";
}

TEST_F(OptionsDialog, DefaultSetsOnlyTheColourAndCountsOnlyWithOk) {
    // The file was changed outside the plug-in since Config last read it.
    TempFolder::write(settingsFile, settings(255, false));
    struct Case {
        const char* what;
        HWND (Dialog::*close)() const;
        std::string file;
        int32_t color;
    } cases[] = {
        {"then Отмена", &Dialog::cancel, settings(255, false), 255},
        {"then ОК", &Dialog::ok, settings(10354687, false), 10354687},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Config.SelectColor = 0x9DFFFF;
        Config.EnableSound = true;
        COLORREF loaded = 0, afterDefault = 0;
        bool tickedAfterDefault = true;
        showDialog({[&](const Dialog& d) {
                        loaded = d.fieldColor();
                        ui::Press(d.byDefault());
                        return true;
                    },
                    [&](const Dialog& d) {
                        afterDefault = d.fieldColor();
                        tickedAfterDefault = d.soundTicked();
                        return true;
                    },
                    click(c.close)});
        EXPECT_EQ(loaded, RGB(255, 0, 0)) << "the dialog shows what the file holds";
        EXPECT_EQ(afterDefault, RGB(255, 255, 157));
        EXPECT_FALSE(tickedAfterDefault);
        EXPECT_EQ(readFile(settingsFile), c.file);
        EXPECT_EQ(Config.SelectColor, c.color);
        EXPECT_FALSE(Config.EnableSound);
    }
}

TEST_F(OptionsDialog, TheWindowSystemColourIsSavedAsANegativeNumber) {
    showDialog({[](const Dialog& d) {
                    ui::ClickCentre(d.field());
                    return true;
                },
                [](const Dialog& d) {
                    if (!d.palette()) {
                        return false;
                    }
                    ui::Click(d.palette(), kWindowCell.x, kWindowCell.y);
                    return true;
                },
                [](const Dialog& d) { return !d.palette(); }, click(&Dialog::ok)});
    EXPECT_EQ(readFile(settingsFile), settings(-16777211, true));
    EXPECT_EQ(Config.SelectColor, -16777211);
}

TEST_F(OptionsDialog, RepaintsTheMainGridOnlyWhileThePluginRuns) {
    showDialog({click(&Dialog::ok)});
    EXPECT_EQ(readFile(settingsFile), kWorkedExample) << "saved before the first run too";

    fake::Host host;
    RunPlugin(&host.context);
    const int main = host.mainGrid.repaints, second = host.secondGrid.repaints;
    showDialog({click(&Dialog::cancel)});
    EXPECT_EQ(host.mainGrid.repaints, main) << "nothing to show after Отмена";
    showDialog({click(&Dialog::ok)});
    EXPECT_EQ(host.mainGrid.repaints, main + 1);
    EXPECT_EQ(host.secondGrid.repaints, second) << "the second grid shows the colour at its next painting";
    ReleasePlugin();
    HostContext = nullptr;
}

TEST_F(OptionsDialog, CustomColoursLastAsLongAsTheDialog) {
    auto moreColors = [](const Dialog& d) {
        if (!d.palette()) {
            return false;
        }
        ui::Click(d.palette(), kMoreColors.x, kMoreColors.y);
        return true;
    };
    auto openPalette = [](const Dialog& d) {
        ui::ClickCentre(d.field());
        return true;
    };
    auto pickFirstCustomColour = [](const Dialog&) {
        HWND found = ui::ColorDialog::Find();
        if (!found) {
            return false;
        }
        ui::ColorDialog(found).pickCustom(0);
        return true;
    };
    // Once the colour dialog has gone: Esc on the palette, which stays open after it.
    auto closePalette = [](const Dialog& d) {
        if (ui::ColorDialog::Find() || !d.palette()) {
            return false;
        }
        ui::PressKey(d.palette(), VK_ESCAPE);
        return true;
    };
    COLORREF kept = 0, inNextDialog = 0;
    auto readAndCancel = [](COLORREF& seen) {
        return [&seen](const Dialog&) {
            const ui::ColorDialog colors(ui::ColorDialog::Find());
            seen = colors.current();
            colors.cancel();
            return true;
        };
    };
    showDialog({openPalette, moreColors,
                [](const Dialog&) {
                    HWND found = ui::ColorDialog::Find();
                    if (!found) {
                        return false;
                    }
                    const ui::ColorDialog colors(found);
                    colors.set(RGB(10, 20, 30));
                    colors.addToCustomColors();
                    return true;
                },
                [](const Dialog&) {
                    // Another colour chosen, so that the next opening starts elsewhere than the custom one.
                    const ui::ColorDialog colors(ui::ColorDialog::Find());
                    colors.set(RGB(40, 50, 60));
                    colors.ok();
                    return true;
                },
                [](const Dialog& d) { return !d.palette(); }, openPalette, moreColors, pickFirstCustomColour,
                readAndCancel(kept), closePalette, click(&Dialog::cancel)});
    EXPECT_EQ(kept, RGB(10, 20, 30)) << "offered again in the same dialog";

    showDialog({openPalette, moreColors, pickFirstCustomColour, readAndCancel(inNextDialog), closePalette,
                click(&Dialog::cancel)});
    EXPECT_EQ(inNextDialog, RGB(255, 255, 255)) << "white again in the next dialog";
}

TEST_F(OptionsDialog, WithoutAReportedFolderTheFileLiesUnderTheCurrentDrivesRoot) {
    probe.set("VNXFSYS_PROBE_RESULT", "0");
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA("C:\\");
    std::string folder = "C:\\Vantor";
    CreateDirectoryA(folder.c_str(), nullptr);
    for (const char* part : {"\\Brevlog", "\\Plugins Data", "\\ZVK"}) {
        folder += part;
        CreateDirectoryA(folder.c_str(), nullptr);
    }
    showDialog({click(&Dialog::ok)});
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(Config.FileName(), "\\Vantor\\Brevlog\\Plugins Data\\ZVK\\configuration.xml");
    EXPECT_EQ(readFile(folder + "\\configuration.xml"), kWorkedExample);
    DeleteFileA((folder + "\\configuration.xml").c_str());
    for (const char* level : {"C:\\Vantor\\Brevlog\\Plugins Data\\ZVK", "C:\\Vantor\\Brevlog\\Plugins Data",
                              "C:\\Vantor\\Brevlog", "C:\\Vantor"}) {
        RemoveDirectoryA(level);
    }
}

TEST_F(OptionsDialog, ALookupErrorEndsTheCallBeforeAnythingIsLoadedOrShown) {
    for (const char* folder : {EMPTY_DIR, VNXFSYS_NOEXPORT_DIR}) {
        SCOPED_TRACE(folder);
        LibraryFolder broken(folder);
        TempFolder::write(settingsFile, settings(255, false));
        Config.SelectColor = 0x9DFFFF;
        bool shown = false;
        ui::TimerScript watch({[&] {
                                  shown = shown || ui::FindThreadWindow(L"#32770") != nullptr;
                                  return false;
                              }},
                              &ui::CloseEverything);
        EXPECT_THROW(ShowOptionsDialog(logbook), EvnxAPI);
        ui::PumpUntil([] { return HIWORD(GetQueueStatus(QS_ALLINPUT)) == 0; });
        EXPECT_FALSE(shown);
        EXPECT_EQ(Config.SelectColor, 0x9DFFFF) << "nothing was loaded";
        EXPECT_TRUE(IsWindowEnabled(logbook));
    }
}

} // namespace
