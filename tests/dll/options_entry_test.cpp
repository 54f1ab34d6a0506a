// OmbexShowOptionsDialog through the export: the dialog works from inside zvk.dll, and a failed lookup
// of the data folder reaches the operator as a message instead of a dialog.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "../plugin/temp_folder.h"
#include "message_box_catcher.h"
#include "plugin_fixture.h"
#include "tests/support/library_folder.h"
#include "tests/support/ui_driver.h"

using testing_support::LibraryFolder;
using testing_support::ProbeEnvironment;
using testing_support::TempFolder;

namespace {

std::string cp1251(const std::wstring& text) {
    std::string result(text.size() * 2 + 1, '\0');
    const int size = WideCharToMultiByte(1251, 0, text.c_str(), static_cast<int>(text.size()), result.data(),
                                         static_cast<int>(result.size()), nullptr, nullptr);
    result.resize(static_cast<size_t>(size));
    return result;
}

class OptionsEntry : public fake::PluginFixture {
  protected:
    void showOptions() { plugin.proc<OmbexShowOptionsDialogProc>("OmbexShowOptionsDialog")(nullptr); }
    ProbeEnvironment probe;
};

TEST_F(OptionsEntry, OkSavesTheSettingsAtTheDialogsPath) {
    LibraryFolder library(VNXFSYS_PROBE_DIR);
    TempFolder appData;
    probe.set("VNXFSYS_PROBE_FOLDER", appData.path().c_str());
    std::string zvk = appData.folder("Vantor");
    for (const char* part : {"\\Brevlog", "\\Plugins Data", "\\ZVK"}) {
        zvk += part;
        CreateDirectoryA(zvk.c_str(), nullptr);
    }
    ui::TimerScript script({[] {
                               HWND dialog = ui::FindThreadWindow(L"#32770");
                               HWND ok = dialog ? ui::FindChild(dialog, L"Button", L"ОК") : nullptr;
                               if (!ok) {
                                   return false;
                               }
                               ui::Press(ok);
                               return true;
                           }},
                           &ui::CloseEverything);
    showOptions();
    EXPECT_TRUE(script.finished());
    std::ifstream saved(zvk + "\\configuration.xml", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(saved), std::istreambuf_iterator<char>()),
              "<?xml version=\"1.0\"?>\n<Configuration><SelectColor type=\"Integer\">10354687</SelectColor>"
              "<EnableSound type=\"Integer\">1</EnableSound></Configuration>\n");
}

TEST_F(OptionsEntry, ALookupErrorIsShownInsteadOfTheDialog) {
    struct Case {
        const char* folder;
        std::wstring message;
    } cases[] = {
        {EMPTY_DIR, L"Не удалось загрузить библиотеку vnxfsys.dll."},
        {VNXFSYS_NOEXPORT_DIR, L"Неверная версия библиотеки \"Vantor API\" (DLL: vnxfsys.dll)\r\n"
                               L"Возможно на вашем компьютере установлена старая версия\r\n"
                               L"библиотеки \"Vantor API\". Обновите её."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder);
        LibraryFolder library(c.folder);
        fake::MessageBoxCatcher catcher;
        showOptions();
        ASSERT_EQ(fake::MessageBoxCatcher::boxes().size(), 1u) << "the message, and no dialog";
        EXPECT_EQ(fake::MessageBoxCatcher::boxes()[0].text, cp1251(c.message));
    }
}

} // namespace
