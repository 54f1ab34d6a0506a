// The callsign box behind TCustomEdit and the context record, on the real main window without a plug-in.
#include "host/main_window.h"
#include "host/text_codec.h"

#include <gtest/gtest.h>

#include <objbase.h>

#include <string>
#include <vector>

namespace brevlog {
namespace {

struct EditEvent {
    std::string event;
    TObject* sender;
    std::string text;
    BOOL focused;
};

struct EditRecorder {
    TCustomEdit* edit = nullptr;
    std::vector<EditEvent> events;
    void Record(const char* event, TObject* sender) {
        char* text = edit->Text();
        events.push_back(EditEvent{event, sender, text, edit->Focused()});
        CoTaskMemFree(text);
    }
};

HRESULT __stdcall RecordChange(void* self, TObject* sender) {
    static_cast<EditRecorder*>(self)->Record("change", sender);
    return S_OK;
}
HRESULT __stdcall RecordEnter(void* self, TObject* sender) {
    static_cast<EditRecorder*>(self)->Record("enter", sender);
    return S_OK;
}
HRESULT __stdcall RecordExit(void* self, TObject* sender) {
    static_cast<EditRecorder*>(self)->Record("exit", sender);
    return S_OK;
}

void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
}

std::string Take(char* text) {
    std::string copy = text ? text : "";
    CoTaskMemFree(text);
    return copy;
}

MainWindowSettings Settings(bool entryPanel, bool secondLog) {
    MainWindowSettings settings;
    settings.dataFolder = "C:\\data";
    settings.pluginPath = L"C:\\nowhere\\zvk.dll";
    settings.offerEntryPanel = entryPanel;
    settings.offerSecondLog = secondLog;
    settings.showFailures = false;
    return settings;
}

TEST(CallsignEdit, SlotsFireOnTheBoxsNotificationsWithTextAndFocus) {
    MainWindow host(Settings(true, true));
    ASSERT_TRUE(host.Create());
    ShowWindow(host.window(), SW_SHOWNORMAL);
    Pump();
    CallsignEdit& edit = host.callsignEdit();
    EditRecorder recorder;
    recorder.edit = &edit;
    *edit.OnChange() = TNotifyEvent{&RecordChange, &recorder};
    *edit.OnEnter() = TNotifyEvent{&RecordEnter, &recorder};
    *edit.OnExit() = TNotifyEvent{&RecordExit, &recorder};

    SetFocus(edit.window());
    for (wchar_t character : std::wstring(L"Юa1"))
        SendMessageW(edit.window(), WM_CHAR, character, 1);
    SetFocus(host.mainGrid().window());
    Pump();

    TObject* sender = reinterpret_cast<TObject*>(static_cast<TCustomEdit*>(&edit));
    std::vector<EditEvent> expected = {{"enter", sender, "", TRUE},
                                       {"change", sender, Cp1251FromUtf8("Ю"), TRUE},
                                       {"change", sender, Cp1251FromUtf8("Юa"), TRUE},
                                       {"change", sender, Cp1251FromUtf8("Юa1"), TRUE},
                                       {"exit", sender, Cp1251FromUtf8("Юa1"), FALSE}};
    ASSERT_EQ(recorder.events.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(recorder.events[i].event, expected[i].event);
        EXPECT_EQ(recorder.events[i].sender, expected[i].sender);
        EXPECT_EQ(recorder.events[i].text, expected[i].text);
        EXPECT_EQ(recorder.events[i].focused, expected[i].focused);
    }
    EXPECT_EQ(edit.Handle(), edit.window());

    // An empty slot is skipped.
    *edit.OnChange() = TNotifyEvent{};
    SendMessageW(edit.window(), WM_CHAR, L'x', 1);
    EXPECT_EQ(recorder.events.size(), expected.size());
}

TEST(HostContext, RecordOffersWhatTheHostHas) {
    struct Case {
        bool entryPanel, secondLog;
    };
    for (Case c : {Case{true, true}, Case{false, true}, Case{true, false}}) {
        SCOPED_TRACE(testing::Message() << "entry panel " << c.entryPanel << ", second log " << c.secondLog);
        MainWindow host(Settings(c.entryPanel, c.secondLog));
        ASSERT_TRUE(host.Create());
        TPluginContext& record = *host.pluginContext();

        EXPECT_EQ(Take(record.Environment->GetPluginDataFolder()), "C:\\data");
        TApplication* application = record.MainWindow->GetApplication();
        EXPECT_EQ(application->Handle(), host.window());
        EXPECT_EQ(Take(application->Title()), Cp1251FromUtf8("Brevlog - Аппаратный журнал"));
        EXPECT_EQ(record.MainWindow->GetMainGrid(), static_cast<TwwDBGrid*>(&host.mainGrid()));
        EXPECT_EQ(record.EntryPanel != nullptr, c.entryPanel);
        if (record.EntryPanel) {
            EXPECT_EQ(record.EntryPanel->GetCallsignEdit(), static_cast<TCustomEdit*>(&host.callsignEdit()));
        }
        EXPECT_EQ(record.SecondLog != nullptr, c.secondLog);
        if (record.SecondLog) {
            EXPECT_EQ(record.SecondLog->GetSecondGrid(), static_cast<TwwDBGrid*>(&host.secondGrid()));
        }
    }
}

} // namespace
} // namespace brevlog
