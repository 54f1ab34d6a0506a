// Files no settings dialog ever wrote: each answers false without taking the process down, and assigns
// nothing.
#include <gtest/gtest.h>

#include <random>
#include <thread>

#include "kinds_object.h"
#include "runtime/handles.h"
#include "settings_files.h"

namespace zvk::test {
namespace {

std::string Repeat(const std::string& piece, std::size_t times) {
    std::string text;
    text.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        text += piece;
    return text;
}

// A well-formed settings file of exactly `size` bytes: Number is 1, and Title pads it.
std::string SettingsFileOfSize(std::size_t size) {
    const std::string head =
        "<?xml version=\"1.0\"?>\n<Configuration><Number type=\"Integer\">1</Number><Title "
        "type=\"String\">";
    const std::string tail = "</Title></Configuration>\n";
    return head + std::string(size - head.size() - tail.size(), 'x') + tail;
}

// The shapes below stay under the size limit, so that the parser sees them.

std::string DeeplyNested() {
    const std::size_t depth = TSrzClass::MaxFileSize / 8;
    return "<?xml version=\"1.0\"?>\n" + Repeat("<a>", depth) +
           "<Configuration><Number type=\"Integer\">1</Number></Configuration>" + Repeat("</a>", depth);
}

std::string EntityExpansion() {
    std::string doctype = "<!DOCTYPE Configuration [<!ENTITY e0 \"ha\">";
    for (int level = 1; level <= 10; ++level)
        doctype += "<!ENTITY e" + std::to_string(level) + " \"" +
                   Repeat("&e" + std::to_string(level - 1) + ";", 10) + "\">";
    doctype += "]>";
    return "<?xml version=\"1.0\"?>\n" + doctype +
           "<Configuration><Number type=\"Integer\">1</Number><Title "
           "type=\"String\">&e10;</Title></Configuration>";
}

std::string ExternalEntity(const std::string& secretFile) {
    return "<?xml version=\"1.0\"?>\n<!DOCTYPE Configuration [<!ENTITY secret SYSTEM \"" + secretFile +
           "\">]><Configuration><Number type=\"Integer\">1</Number><Title type=\"String\">&secret;</Title>"
           "</Configuration>";
}

std::string Binary() {
    std::mt19937 random(12345);
    std::string bytes(TSrzClass::MaxFileSize / 2, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random());
    return bytes;
}

TEST(HostileFiles, AnswerFalseAndAssignNothing) {
    TempFolder folder;
    const std::string secretFile = folder.File("secret.txt");
    WriteBytes(secretFile, "password");
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"one byte over the size limit", SettingsFileOfSize(TSrzClass::MaxFileSize + 1)},
        {"deeply nested", DeeplyNested()},
        {"entity expansion", EntityExpansion()},
        {"external entity", ExternalEntity(secretFile)},
        {"binary", Binary()},
        {"binary after a good start",
         "<?xml version=\"1.0\"?>\n<Configuration><Number type=\"Integer\">1</Number>" + Binary()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = folder.File("hostile.xml");
        WriteBytes(file, c.bytes);
        TAllKinds loaded;
        EXPECT_FALSE(loaded.Load(file));
        EXPECT_EQ(loaded.Values(), TAllKinds().Values());
    }
}

// A named pipe that tells whether anything opened it: a file name that a parser resolving an entity would
// open. The first open is taken and ended at once, so that a reader gets an error rather than a wait.
class OpenWatch {
  public:
    OpenWatch()
        : name_(L"\\\\.\\pipe\\zvk-settings-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(++count_)),
          pipe_(CreateNamedPipeW(name_.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 0, 0, 0,
                                 nullptr)),
          server_([this] {
              if (ConnectNamedPipe(pipe_.get(), nullptr) || GetLastError() == ERROR_PIPE_CONNECTED)
                  DisconnectNamedPipe(pipe_.get());
          }) {}
    OpenWatch(const OpenWatch&) = delete;
    OpenWatch& operator=(const OpenWatch&) = delete;
    ~OpenWatch() { OpenedBefore(); }

    bool Ready() const { return pipe_.valid(); }
    const std::wstring& Name() const { return name_; }

    // Whether anything opened the pipe before this call. Ends the watch by opening the pipe itself: its one
    // instance takes a single open, so that works only when nothing else has had it.
    bool OpenedBefore() {
        if (server_.joinable()) {
            const UniqueHandle own(
                CreateFileW(name_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
            openedBefore_ = !own.valid();
            server_.join();
        }
        return openedBefore_;
    }

  private:
    static inline int count_ = 0;
    std::wstring name_;
    UniqueHandle pipe_;
    std::thread server_;
    bool openedBefore_ = false;
};

TEST(HostileFiles, FileNamedByAnExternalEntityIsNeverOpened) {
    {
        // The watch sees an open such as a resolving parser's: Wine's parser fetches no external entity
        // whatever it is told, so this is what shows that the checks below can fail.
        OpenWatch control;
        ASSERT_TRUE(control.Ready());
        {
            const UniqueHandle opened(
                CreateFileW(control.Name().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        }
        ASSERT_TRUE(control.OpenedBefore());
    }
    const struct {
        const char* name;
        std::string doctype; // {file} stands for the watched file
    } cases[] = {
        {"general entity", "<!DOCTYPE Configuration [<!ENTITY secret SYSTEM \"{file}\">]>"},
        {"parameter entity", "<!DOCTYPE Configuration [<!ENTITY % secret SYSTEM \"{file}\"> %secret;]>"},
        {"external subset", "<!DOCTYPE Configuration SYSTEM \"{file}\">"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        OpenWatch watch;
        ASSERT_TRUE(watch.Ready());
        std::string doctype = c.doctype;
        doctype.replace(doctype.find("{file}"), 6, Cp1251FromWide(watch.Name()));
        TempFolder folder;
        const std::string file = folder.File("entity.xml");
        WriteBytes(file, "<?xml version=\"1.0\"?>\n" + doctype +
                             "<Configuration><Number type=\"Integer\">1</Number><Title "
                             "type=\"String\">&secret;</Title></Configuration>");
        TAllKinds loaded;
        EXPECT_FALSE(loaded.Load(file));
        EXPECT_FALSE(watch.OpenedBefore());
    }
}

TEST(HostileFiles, FileOfExactlyTheSizeLimitLoads) {
    TempFolder folder;
    const std::string file = folder.File("large.xml");
    WriteBytes(file, SettingsFileOfSize(TSrzClass::MaxFileSize));
    TAllKinds loaded;
    EXPECT_TRUE(loaded.Load(file));
    EXPECT_EQ(loaded.Number, 1);
}

} // namespace
} // namespace zvk::test
