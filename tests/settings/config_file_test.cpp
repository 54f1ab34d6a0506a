// TConfig through its settings file: the worked example, the load cases and where Save writes.
#include "settings/config.h"

#include <gtest/gtest.h>

#include "runtime/handles.h"
#include "settings_files.h"

namespace zvk {
namespace {

using test::Exists;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;
using test::WriteConfiguration;

constexpr int32_t kDefaultColor = 10354687;
constexpr int32_t kWindowColor = static_cast<int32_t>(0xFF000005u);

const std::string kWorkedExample = "<?xml version=\"1.0\"?>\n<Configuration>"
                                   "<SelectColor type=\"Integer\">10354687</SelectColor>"
                                   "<EnableSound type=\"Integer\">1</EnableSound>"
                                   "</Configuration>\n";

TEST(Config, StartsWithTheDefaults) {
    const TConfig fresh;
    EXPECT_EQ(fresh.SelectColor, kDefaultColor);
    EXPECT_TRUE(fresh.EnableSound);
    EXPECT_EQ(fresh.FileName(), "");
    EXPECT_EQ(Config.SelectColor, kDefaultColor); // the module's object, built at load without COM
    EXPECT_TRUE(Config.EnableSound);
}

TEST(Config, SavesTheDefaultsAsTheWorkedExampleAndReadsThemBack) {
    TempFolder folder;
    const std::string file = folder.File("configuration.xml");
    TConfig saved;
    ASSERT_TRUE(saved.Load(file));
    ASSERT_TRUE(saved.Save());
    EXPECT_EQ(ReadBytes(file), kWorkedExample);

    TConfig loaded;
    loaded.SelectColor = 0;
    loaded.EnableSound = false;
    EXPECT_TRUE(loaded.Load(file));
    EXPECT_EQ(loaded.SelectColor, kDefaultColor);
    EXPECT_TRUE(loaded.EnableSound);
}

TEST(Config, SystemColourIsWrittenNegativeAndReadBack) {
    TempFolder folder;
    const std::string file = folder.File("configuration.xml");
    TConfig saved;
    saved.Load(file);
    saved.SelectColor = kWindowColor;
    saved.EnableSound = false;
    ASSERT_TRUE(saved.Save());
    EXPECT_NE(ReadBytes(file).find("<SelectColor type=\"Integer\">-16777211</SelectColor>"),
              std::string::npos);
    EXPECT_NE(ReadBytes(file).find("<EnableSound type=\"Integer\">0</EnableSound>"), std::string::npos);

    TConfig loaded;
    EXPECT_TRUE(loaded.Load(file));
    EXPECT_EQ(loaded.SelectColor, kWindowColor);
    EXPECT_FALSE(loaded.EnableSound);
}

struct LoadCase {
    const char* name;
    std::string bytes; // the whole file
    bool result;
    int32_t selectColor;
    bool enableSound;
};

std::string Configuration(const std::string& children) {
    return "<?xml version=\"1.0\"?>\n<Configuration>" + children + "</Configuration>\n";
}

TEST(Config, LoadAppliesElementsInOrderUntilOneFails) {
    const LoadCase cases[] = {
        {"both elements",
         Configuration("<SelectColor type=\"Integer\">255</SelectColor>"
                       "<EnableSound type=\"Integer\">0</EnableSound>"),
         true, 255, false},
        {"sound beyond its byte is off", Configuration("<EnableSound type=\"Integer\">256</EnableSound>"),
         true, kDefaultColor, false},
        {"negative colour", Configuration("<SelectColor type=\"Integer\">-16777211</SelectColor>"), true,
         kWindowColor, true},
        {"hexadecimal colours",
         Configuration("<SelectColor type=\"Integer\">$FF</SelectColor>"
                       "<SelectColor type=\"Integer\">0xFF000005</SelectColor>"),
         true, kWindowColor, true},
        {"duplicate: the later wins",
         Configuration("<SelectColor type=\"Integer\">1</SelectColor>"
                       "<SelectColor type=\"Integer\">255</SelectColor>"),
         true, 255, true},
        {"name in other letter case", Configuration("<selectcolor type=\"Integer\">255</selectcolor>"), true,
         255, true},
        {"type in other letter case is text",
         Configuration("<SelectColor type=\"integer\">255</SelectColor>"), true, kDefaultColor, true},
        {"unknown element with a type",
         Configuration("<Volume type=\"Integer\">abc</Volume>"
                       "<SelectColor type=\"Integer\">255</SelectColor>"),
         true, 255, true},
        {"child without type between two good ones",
         Configuration("<SelectColor type=\"Integer\">255</SelectColor><Volume>3</Volume>"
                       "<EnableSound type=\"Integer\">0</EnableSound>"),
         false, 255, true},
        {"comment between two good ones",
         Configuration("<SelectColor type=\"Integer\">255</SelectColor><!-- note -->"
                       "<EnableSound type=\"Integer\">0</EnableSound>"),
         false, 255, true},
        {"bad integer after a good one",
         Configuration("<EnableSound type=\"Integer\">0</EnableSound>"
                       "<SelectColor type=\"Integer\">abc</SelectColor>"),
         false, kDefaultColor, false},
        {"empty integer after a good one",
         Configuration("<EnableSound type=\"Integer\">0</EnableSound>"
                       "<SelectColor type=\"Integer\"></SelectColor>"),
         false, kDefaultColor, false},
        {"fullwidth digit", Configuration("<SelectColor type=\"Integer\">1\xEF\xBC\x91</SelectColor>"), false,
         kDefaultColor, true},
        {"empty element", Configuration("<EnableSound type=\"Integer\"/>"), false, kDefaultColor, true},
        {"not well-formed", Configuration("<SelectColor type=\"Integer\">255</Selectcolor>"), false,
         kDefaultColor, true},
        {"no Configuration element",
         "<?xml version=\"1.0\"?>\n<Settings><SelectColor type=\"Integer\">255</SelectColor></Settings>",
         false, kDefaultColor, true},
        {"nested Configuration",
         "<Brevlog><Plugin><Configuration><SelectColor type=\"Integer\">255</SelectColor>"
         "</Configuration></Plugin></Brevlog>",
         true, 255, true},
        {"empty Configuration", Configuration(""), true, kDefaultColor, true},
        {"indented by hand",
         "<?xml version=\"1.0\"?>\r\n<Configuration>\r\n"
         "  <SelectColor type=\"Integer\">255</SelectColor>\r\n"
         "  <EnableSound type=\"Integer\">0</EnableSound>\r\n</Configuration>\r\n",
         true, 255, false},
        {"empty file", "", false, kDefaultColor, true},
    };
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const std::string file = folder.File("configuration.xml");
        WriteBytes(file, c.bytes);
        TConfig config;
        EXPECT_EQ(config.Load(file), c.result);
        EXPECT_EQ(config.SelectColor, c.selectColor);
        EXPECT_EQ(config.EnableSound, c.enableSound);
    }
}

TEST(Config, MissingFileKeepsValuesAndSaveCreatesItThere) {
    TempFolder folder;
    const std::string file = folder.File("configuration.xml");
    TConfig config;
    config.SelectColor = 255;
    EXPECT_TRUE(config.Load(file));
    EXPECT_EQ(config.SelectColor, 255);
    EXPECT_EQ(config.FileName(), file);
    EXPECT_FALSE(Exists(file));

    EXPECT_TRUE(config.Save());
    TConfig loaded;
    EXPECT_TRUE(loaded.Load(file));
    EXPECT_EQ(loaded.SelectColor, 255);
}

TEST(Config, EmptyNameReadsAndWritesTheRememberedFile) {
    TempFolder folder;
    const std::string file = folder.File("configuration.xml");
    WriteConfiguration(file, "<SelectColor type=\"Integer\">1</SelectColor>");
    TConfig config;
    ASSERT_TRUE(config.Load(file));
    WriteConfiguration(file, "<SelectColor type=\"Integer\">2</SelectColor>");
    EXPECT_TRUE(config.Load(""));
    EXPECT_EQ(config.SelectColor, 2);
    EXPECT_EQ(config.FileName(), file);

    config.SelectColor = 3;
    ASSERT_TRUE(config.Save());
    TConfig loaded;
    loaded.Load(file);
    EXPECT_EQ(loaded.SelectColor, 3);
}

TEST(Config, WithoutANameLoadChangesNothingAndSaveWritesNothing) {
    TempFolder folder;
    TConfig config;
    config.SelectColor = 255;
    EXPECT_TRUE(config.Load(""));
    EXPECT_EQ(config.SelectColor, 255);
    EXPECT_FALSE(config.Save());
    EXPECT_TRUE(std::filesystem::is_empty(test::PathOf(folder.File(""))));
}

// A save that stops part-way must not have cut the old file: it is never rewritten, only replaced by a
// complete new one. A second name for the old file shows what became of it.
TEST(Config, SaveReplacesTheWholeFileWithoutRewritingTheOldOne) {
    TempFolder folder;
    const std::string file = folder.File("configuration.xml");
    WriteConfiguration(file,
                       "<Volume type=\"Integer\">3</Volume><EnableSound type=\"Integer\">0</EnableSound>");
    const std::string before = ReadBytes(file);
    std::filesystem::create_hard_link(test::PathOf(file), test::PathOf(folder.File("old.xml")));
    TConfig config;
    ASSERT_TRUE(config.Load(file));
    config.EnableSound = true;
    ASSERT_TRUE(config.Save());
    EXPECT_EQ(ReadBytes(file), kWorkedExample);
    EXPECT_EQ(ReadBytes(folder.File("old.xml")), before);
    EXPECT_EQ(folder.Entries(), (std::set<std::string>{"configuration.xml", "old.xml"}));
}

TEST(Config, SaveThatCannotReplaceTheFileLeavesItAsItWas) {
    TempFolder folder;
    const std::string file = folder.File("configuration.xml");
    WriteConfiguration(file, "<SelectColor type=\"Integer\">255</SelectColor>");
    const std::string before = ReadBytes(file);
    TConfig config;
    ASSERT_TRUE(config.Load(file));
    config.SelectColor = 1;
    {
        // Another program reading the file, sharing it in every way, still keeps it from being replaced.
        const UniqueHandle reader(CreateFileW(test::PathOf(file).c_str(), GENERIC_READ,
                                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                              OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(reader.valid());
        EXPECT_FALSE(config.Save());
    }
    EXPECT_EQ(ReadBytes(file), before);
    EXPECT_EQ(folder.Entries(), std::set<std::string>{"configuration.xml"});
}

TEST(Config, SaveCreatesNoFolder) {
    TempFolder folder;
    const std::string file = folder.File("ZVK\\configuration.xml");
    TConfig config;
    EXPECT_TRUE(config.Load(file));
    EXPECT_FALSE(config.Save());
    EXPECT_FALSE(Exists(folder.File("ZVK")));
}

TEST(Config, FolderInPlaceOfTheFileIsNoFile) {
    TempFolder folder;
    const std::string file = folder.File("configuration.xml");
    std::filesystem::create_directory(test::PathOf(file));
    TConfig config;
    EXPECT_TRUE(config.Load(file));
    EXPECT_FALSE(config.Save());
    EXPECT_TRUE(std::filesystem::is_directory(test::PathOf(file)));
    EXPECT_EQ(folder.Entries(), std::set<std::string>{"configuration.xml"});
}

TEST(Config, CyrillicPathRoundTrips) {
    TempFolder folder;
    const std::string cyrillic = "\xCD\xE0\xF1\xF2\xF0\xEE\xE9\xEA\xE8"; // "Настройки" in Windows-1251
    std::filesystem::create_directory(test::PathOf(folder.File(cyrillic)));
    const std::string file = folder.File(cyrillic + "\\configuration.xml");
    TConfig saved;
    saved.Load(file);
    saved.SelectColor = 255;
    ASSERT_TRUE(saved.Save());
    ASSERT_TRUE(Exists(file));
    TConfig loaded;
    EXPECT_TRUE(loaded.Load(file));
    EXPECT_EQ(loaded.SelectColor, 255);
}

} // namespace
} // namespace zvk
