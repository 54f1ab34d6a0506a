// Files no settings dialog ever wrote: each answers false without taking the process down, and assigns
// nothing.
#include <gtest/gtest.h>

#include <random>
#include <utility>

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

// A file that shows whether anything read it: its last-access time is set far back, and a read brings it
// to the present (file systems that keep "relatime" update it when it is older than the last change).
class ReadWatch {
  public:
    explicit ReadWatch(std::string file) : file_(std::move(file)) { WriteBytes(file_, "password"); }

    // Sets the last access far back; a read from here on shows.
    void Arm() const { ASSERT_TRUE(SetLastAccess(kLongAgo)); }
    bool ReadSinceArmed() const {
        WIN32_FILE_ATTRIBUTE_DATA data;
        return !GetFileAttributesExW(PathOf(file_).c_str(), GetFileExInfoStandard, &data) ||
               CompareFileTime(&data.ftLastAccessTime, &kLongAgo) != 0;
    }
    const std::string& File() const { return file_; }

  private:
    static constexpr FILETIME kLongAgo = {0, 0x01C00000}; // 2000

    bool SetLastAccess(const FILETIME& time) const {
        const UniqueHandle handle(CreateFileW(PathOf(file_).c_str(), FILE_WRITE_ATTRIBUTES,
                                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                              OPEN_EXISTING, 0, nullptr));
        return handle.valid() && SetFileTime(handle.get(), nullptr, &time, nullptr);
    }

    std::string file_;
};

TEST(HostileFiles, FileNamedByAnExternalEntityIsNeverRead) {
    TempFolder folder;
    const ReadWatch secret(folder.File("secret.txt"));
    // Wine's parser fetches no external entity whatever it is told, so this control is what shows that
    // the checks below can fail: the watch sees a read.
    secret.Arm();
    ReadBytes(secret.File());
    ASSERT_TRUE(secret.ReadSinceArmed()) << "this file system does not record reads";

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
        std::string doctype = c.doctype;
        doctype.replace(doctype.find("{file}"), 6, secret.File());
        const std::string file = folder.File("entity.xml");
        WriteBytes(file, "<?xml version=\"1.0\"?>\n" + doctype +
                             "<Configuration><Number type=\"Integer\">1</Number><Title "
                             "type=\"String\">&secret;</Title></Configuration>");
        secret.Arm();
        TAllKinds loaded;
        EXPECT_FALSE(loaded.Load(file));
        EXPECT_FALSE(secret.ReadSinceArmed());
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
