// Every property kind through the file: what Save writes, what Load assigns, and elements whose type does
// not fit their property.
#include <gtest/gtest.h>

#include "kinds_object.h"
#include "settings/property_text.h"
#include "settings_files.h"

namespace zvk::test {
namespace {

char Separator() {
    char text[8] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, text, sizeof text);
    return text[0];
}

TEST(AllKinds, SaveWritesEachHandledKindInDeclarationOrder) {
    TempFolder folder;
    const std::string file = folder.File("kinds.xml");
    TAllKinds kinds;
    kinds.Load(file);
    kinds.Number = -5;
    kinds.Letter = '\xA8';        // "Ё" in Windows-1251
    kinds.WideLetter = L'\x0416'; // "Ж"
    kinds.Band = TBand::bd40;
    kinds.Flag = true;
    kinds.Days = std::bitset<8>(0x25);
    kinds.Ratio = -2.5e-7;
    kinds.SetTitle("\xCF\xF0\xE8\xE2\xE5\xF2 & <x>"); // "Привет & <x>"
    kinds.WideTitle = L"";
    ASSERT_TRUE(kinds.Save());

    const std::string ratio = std::string("-2") + Separator() + "5E-7";
    EXPECT_EQ(ReadBytes(file), "<?xml version=\"1.0\"?>\n<Configuration>"
                               "<Number type=\"Integer\">-5</Number>"
                               "<Letter type=\"Integer\">168</Letter>"
                               "<WideLetter type=\"Integer\">1046</WideLetter>"
                               "<Band type=\"Integer\">2</Band>"
                               "<Flag type=\"Integer\">1</Flag>"
                               "<Days type=\"Integer\">37</Days>"
                               "<Ratio type=\"Float\">" +
                                   ratio +
                                   "</Ratio>"
                                   "<Title type=\"String\">\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82"
                                   " &amp; &lt;x&gt;</Title>"
                                   "<WideTitle type=\"String\"></WideTitle>"
                                   "</Configuration>\n");

    TAllKinds loaded;
    EXPECT_TRUE(loaded.Load(file));
    EXPECT_EQ(loaded.Values(), std::tuple_cat(std::make_tuple(kinds.Number, kinds.Letter, kinds.WideLetter,
                                                              kinds.Band, kinds.Flag, kinds.Days.to_ulong(),
                                                              kinds.Ratio, kinds.Title(), kinds.WideTitle),
                                              std::make_tuple(TAllKinds().Counter)));
}

TEST(AllKinds, BaseClassPropertiesComeFirst) {
    TempFolder folder;
    const std::string file = folder.File("more.xml");
    TMoreKinds more;
    more.Load(file);
    ASSERT_TRUE(more.Save());
    const std::string bytes = ReadBytes(file);
    EXPECT_LT(bytes.find("<WideTitle "), bytes.find("<Extra "));
    EXPECT_EQ(bytes.find("<Counter"), std::string::npos);

    WriteConfiguration(file, "<Extra type=\"Integer\">5</Extra><number type=\"Integer\">6</number>");
    EXPECT_TRUE(more.Load(file));
    EXPECT_EQ(more.Extra, 5);
    EXPECT_EQ(more.Number, 6);
}

struct AssignCase {
    std::string element;
    bool result;
    void (*expect)(TAllKinds&); // the change the element makes to a fresh object
};

TEST(AllKinds, LoadAssignsByTypeAndSkipsTypesThatDoNotFitTheProperty) {
    const std::string f(1, Separator());
    const auto unchanged = [](TAllKinds&) {};
    const AssignCase cases[] = {
        // Ordinals keep the low bits their storage holds.
        {"<Letter type=\"Integer\">255</Letter>", true, [](TAllKinds& k) { k.Letter = '\xFF'; }},
        {"<Letter type=\"Integer\">321</Letter>", true, [](TAllKinds& k) { k.Letter = 'A'; }},
        {"<WideLetter type=\"Integer\">1025</WideLetter>", true,
         [](TAllKinds& k) { k.WideLetter = L'\x0401'; }},
        {"<Band type=\"Integer\">0</Band>", true, [](TAllKinds& k) { k.Band = TBand::bd160; }},
        {"<Flag type=\"Integer\">2</Flag>", true, [](TAllKinds& k) { k.Flag = true; }},
        {"<Flag type=\"Integer\">256</Flag>", true, unchanged},
        {"<Days type=\"Integer\">511</Days>", true, [](TAllKinds& k) { k.Days = std::bitset<8>(0xFF); }},
        {"<Ratio type=\"Float\">1" + f + "25</Ratio>", true, [](TAllKinds& k) { k.Ratio = 1.25; }},
        {"<Ratio type=\"Float\">bad</Ratio>", true, [](TAllKinds& k) { k.Ratio = kUnparsedFloat; }},
        {"<Title type=\"Other\">text</Title>", true, [](TAllKinds& k) { k.SetTitle("text"); }},
        {"<WideTitle type=\"String\">\xD0\x96</WideTitle>", true,
         [](TAllKinds& k) { k.WideTitle = L"\x0416"; }},
        // Types that do not fit: skipped, the load goes on.
        {"<Title type=\"Integer\">5</Title>", true, unchanged},
        {"<Title type=\"Float\">1" + f + "5</Title>", true, unchanged},
        {"<Number type=\"Float\">1" + f + "5</Number>", true, unchanged},
        {"<Number type=\"String\">8</Number>", true, unchanged},
        {"<Ratio type=\"Integer\">5</Ratio>", true, unchanged},
        {"<Ratio type=\"String\">5</Ratio>", true, unchanged},
        {"<Counter type=\"Integer\">5</Counter>", true, unchanged},
        {"<Counter type=\"String\">5</Counter>", true, unchanged},
        // An "Integer" text is checked even where it would be skipped.
        {"<Title type=\"Integer\">abc</Title>", false, unchanged},
    };
    for (const AssignCase& c : cases) {
        SCOPED_TRACE(c.element);
        TempFolder folder;
        const std::string file = folder.File("kinds.xml");
        WriteConfiguration(file, c.element);
        TAllKinds expected;
        c.expect(expected);
        TAllKinds loaded;
        EXPECT_EQ(loaded.Load(file), c.result);
        EXPECT_EQ(loaded.Values(), expected.Values());
    }
}

} // namespace
} // namespace zvk::test
