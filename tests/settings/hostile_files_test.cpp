// Files no settings dialog ever wrote: each answers false without taking the process down, and assigns
// nothing.
#include <gtest/gtest.h>

#include <random>

#include "kinds_object.h"
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
