#include "settings/property_text.h"

#include <cmath>
#include <gtest/gtest.h>

namespace zvk {
namespace {

TEST(ParseOrdinal, AcceptsDecimalAndHexadecimalWithin32Bits) {
    const struct {
        const char* text;
        int32_t value;
    } cases[] = {
        {"0", 0},
        {"10354687", 10354687},
        {"-16777211", -16777211},
        {"   42", 42},
        {"+7", 7},
        {"007", 7},
        {"$1F", 31},
        {"0x1f", 31},
        {"0X1F", 31},
        {"-$10", -16},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"-$80000000", INT32_MIN},
        // Hexadecimal spans the whole 32-bit pattern: a system colour as it is usually written.
        {"$FF000005", -16777211},
        {"0xFFFFFFFF", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseOrdinal(c.text), c.value) << '"' << c.text << '"';
}

TEST(ParseOrdinal, RejectsEmptyForeignAndOutOfRangeTexts) {
    const char* const cases[] = {
        "",    "   ",        "abc",         "12 ",        "\t5",        "1.5",
        "--1", "+",          "$",           "0x",         "0x-1",       "$G",
        "12a", "2147483648", "-2147483649", "$100000000", "-$80000001", "99999999999999999999",
    };
    for (const char* text : cases)
        EXPECT_EQ(ParseOrdinal(text), std::nullopt) << '"' << text << '"';
}

TEST(FormatFloat, GeneralFormatWith15SignificantDigits) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.0, "0"},
        {1.5, "1,5"},
        {-2.25, "-2,25"},
        {100.0, "100"},
        {0.1, "0,1"},
        {1.0 / 3, "0,333333333333333"},
        {2.0 / 3, "0,666666666666667"},
        {123456789012345.0, "123456789012345"},
        {999999999999999.9, "1E15"},
        {1e15, "1E15"},
        {1.5e20, "1,5E20"},
        {0.0001, "0,0001"},
        {0.00001, "1E-5"},
        {-1.5e-7, "-1,5E-7"},
        {16777215.0, "16777215"},
        {NAN, "NAN"},
        {-INFINITY, "-INF"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFloat(c.value, ','), c.text) << c.value;
    EXPECT_EQ(FormatFloat(1.5, '.'), "1.5");
}

TEST(ParseFloat, TakesOnlyTheGivenSeparator) {
    const struct {
        const char* text;
        char separator;
        std::optional<double> value;
    } cases[] = {
        {"1,5", ',', 1.5},
        {"1.5", '.', 1.5},
        {"1.5", ',', std::nullopt},
        {"1,5", '.', std::nullopt},
        {"  -2,5E3  ", ',', -2500.0},
        {"1E-5", ',', 1e-5},
        {"0,333333333333333", ',', 0.333333333333333},
        {",5", ',', 0.5},
        {"7,", ',', 7.0},
        {"+3", ',', 3.0},
        {"", ',', std::nullopt},
        {",", ',', std::nullopt},
        {"abc", ',', std::nullopt},
        {"1E", ',', std::nullopt},
        {"E5", ',', std::nullopt},
        {"1 000", ',', std::nullopt},
        {"1e400", ',', std::nullopt},
        {"NAN", ',', std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseFloat(c.text, c.separator), c.value)
            << '"' << c.text << "\" with '" << c.separator << "'";
}

TEST(ParseFloat, ReadsBackWhatFormatFloatWrites) {
    for (double value : {3.14159265358979, -1e-300, 1.7976931348623e308, 12345.678, 5e-324})
        for (char separator : {',', '.'}) {
            const std::string text = FormatFloat(value, separator);
            const std::optional<double> back = ParseFloat(text, separator);
            ASSERT_TRUE(back.has_value()) << text;
            EXPECT_EQ(FormatFloat(*back, separator), text);
        }
}

} // namespace
} // namespace zvk
