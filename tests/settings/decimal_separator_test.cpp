// Floats follow the user's regional decimal separator, read at each load and save.
#include <windows.h>

#include <gtest/gtest.h>

#include "kinds_object.h"
#include "settings/property_text.h"
#include "settings_files.h"

namespace zvk::test {
namespace {

// Sets the user's decimal separator and puts the previous one back however the test ends.
class DecimalSeparatorOverride {
  public:
    DecimalSeparatorOverride() {
        char text[8] = {};
        GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, text, sizeof text);
        saved_ = text;
    }
    DecimalSeparatorOverride(const DecimalSeparatorOverride&) = delete;
    DecimalSeparatorOverride& operator=(const DecimalSeparatorOverride&) = delete;
    ~DecimalSeparatorOverride() { SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, saved_.c_str()); }

    bool Set(const char* separator) {
        return SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator);
    }

  private:
    std::string saved_;
};

TEST(DecimalSeparator, CommaWrittenFileDoesNotParseWhereThePointIsUsed) {
    DecimalSeparatorOverride separator;
    TempFolder folder;
    const std::string file = folder.File("kinds.xml");

    ASSERT_TRUE(separator.Set(","));
    TAllKinds saved;
    saved.Load(file);
    saved.Ratio = 1.5;
    ASSERT_TRUE(saved.Save());
    EXPECT_NE(ReadBytes(file).find("<Ratio type=\"Float\">1,5</Ratio>"), std::string::npos);

    TAllKinds sameSystem;
    EXPECT_TRUE(sameSystem.Load(file));
    EXPECT_EQ(sameSystem.Ratio, 1.5);

    ASSERT_TRUE(separator.Set("."));
    TAllKinds pointSystem;
    EXPECT_TRUE(pointSystem.Load(file));
    EXPECT_EQ(pointSystem.Ratio, kUnparsedFloat);
    EXPECT_EQ(pointSystem.Title(), saved.Title()); // the rest of the file still applies

    ASSERT_TRUE(pointSystem.Save());
    EXPECT_NE(ReadBytes(file).find("<Ratio type=\"Float\">16777215</Ratio>"), std::string::npos);
    pointSystem.Ratio = 0.25;
    ASSERT_TRUE(pointSystem.Save());
    EXPECT_NE(ReadBytes(file).find("<Ratio type=\"Float\">0.25</Ratio>"), std::string::npos);
}

} // namespace
} // namespace zvk::test
