// Small member files from the writer, altered in memory: damaged structures end in jet4::Error (never a
// crash or a hang); valid forms the writer does not produce (moved rows, long definitions) read correctly.
#include "registry/jet4/jet4_reader.h"
#include "registry/jet4/member_index.h"
#include "index_agreement.h"
#include "member_file_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

void openAndReadAll(const Bytes& file) {
    jet4::probe(file.data(), file.size());
    const jet4::Database db(file, u"");
    for (const std::u16string& name : db.tableNames()) {
        const jet4::Table t = db.table(name);
        for (size_t r = 0; r < t.rowCount(); ++r)
            for (size_t c = 0; c < t.columns().size(); ++c)
                t.display(r, c);
    }
}

TEST(MalformedFile, TheUndamagedFileReads) {
    const Bytes file = memberFile();
    const Layout l = locate(file);
    ASSERT_NE(l.tdef, 0u);
    ASSERT_NE(l.data, 0u);
    EXPECT_NO_THROW(openAndReadAll(file));
    EXPECT_EQ(jet4::Database(file, u"").table(u"main").rowCount(), 3u);
}

TEST(MalformedFile, EveryDamageEndsInError) {
    const struct {
        const char* what;
        std::function<void(Bytes&, const Layout&)> damage;
    } cases[] = {
        {"empty file", [](Bytes& f, const Layout&) { f.clear(); }},
        {"page 0 truncated", [](Bytes& f, const Layout&) { f.resize(200); }},
        {"not a Jet header", [](Bytes& f, const Layout&) { f[4] = 'X'; }},
        {"Jet 3 (version 0)", [](Bytes& f, const Layout&) { f[0x14] = 0; }},
        {"ACE 12 (version 2)", [](Bytes& f, const Layout&) { f[0x14] = 2; }},
        {"unknown version", [](Bytes& f, const Layout&) { f[0x14] = 0x7F; }},
        {"file cut after page 1", [](Bytes& f, const Layout&) { f.resize(2 * kPage); }},
        {"encoding key set on plain pages", [](Bytes& f, const Layout&) { f[0x3E] ^= 0x5A; }},
        {"catalog page of the wrong type", [](Bytes& f, const Layout&) { f[2 * kPage] = 0x01; }},
        {"table definition chain loops",
         [](Bytes& f, const Layout& l) { put32(f, l.tdef + 4, l.tdef / kPage); }},
        {"table definition continues on a data page",
         [](Bytes& f, const Layout& l) { put32(f, l.tdef + 4, l.data / kPage); }},
        {"table definition continues beyond the file",
         [](Bytes& f, const Layout& l) { put32(f, l.tdef + 4, 999); }},
        {"absurd column count", [](Bytes& f, const Layout& l) { put16(f, l.tdef + 45, 0xFFFF); }},
        {"absurd index count", [](Bytes& f, const Layout& l) { put32(f, l.tdef + 51, 0x7FFFFFFF); }},
        {"column name longer than the definition",
         [](Bytes& f, const Layout& l) {
             const size_t name = l.tdef + 63 + 12 * get32(f, l.tdef + 51) + 25 * get16(f, l.tdef + 45);
             put16(f, name, 0xFFF0);
         }},
        {"usage map on a page beyond the file",
         [](Bytes& f, const Layout& l) { put32(f, l.tdef + 55, 0x99900); }},
        {"usage map row missing", [](Bytes& f, const Layout& l) { f[l.tdef + 55] = 0x77; }},
        {"usage map of unknown type", [](Bytes& f, const Layout& l) { f[l.mapRow] = 0x07; }},
        {"usage map naming pages beyond the file",
         [](Bytes& f, const Layout& l) { put32(f, l.mapRow + 1, 0x00FFFF00); }},
        {"reference map naming a page that is no map",
         [](Bytes& f, const Layout& l) {
             f[l.mapRow] = 0x01;
             put32(f, l.mapRow + 1, static_cast<uint32_t>(l.tdef / kPage));
         }},
        {"absurd row count on a data page", [](Bytes& f, const Layout& l) { put16(f, l.data + 12, 0xFFFF); }},
        {"row starting beyond its page", [](Bytes& f, const Layout& l) { put16(f, l.data + 14, 0x1FF0); }},
        {"row starting inside the row table",
         [](Bytes& f, const Layout& l) { put16(f, l.data + 14, 0x0010); }},
        {"rows overlapping", [](Bytes& f, const Layout& l) { put16(f, l.data + 16, get16(f, l.data + 14)); }},
        {"row claiming more columns than it holds",
         [](Bytes& f, const Layout& l) { put16(f, l.firstRow, 0xFFFF); }},
        {"absurd variable-column count",
         [](Bytes& f, const Layout& l) { put16(f, l.data + kPage - 1 - 2, 0x0FFF); }},
        {"variable offset beyond the row",
         [](Bytes& f, const Layout& l) { put16(f, l.data + kPage - 1 - 2 - 2, 0x0FFF); }},
        {"overflow pointer to itself",
         [](Bytes& f, const Layout& l) {
             put16(f, l.data + 14, static_cast<uint16_t>(get16(f, l.data + 14) | 0x4000));
             f[l.firstRow] = 0;
             f[l.firstRow + 1] = static_cast<uint8_t>(l.data / kPage);
             f[l.firstRow + 2] = 0;
             f[l.firstRow + 3] = 0;
         }},
        {"overflow pointer to another table's page",
         [](Bytes& f, const Layout& l) {
             put16(f, l.data + 14, static_cast<uint16_t>(get16(f, l.data + 14) | 0x4000));
             put32(f, l.firstRow, 3u << 8);
         }},
    };
    for (const auto& c : cases) {
        Bytes file = memberFile();
        const Layout layout = locate(file);
        c.damage(file, layout);
        EXPECT_THROW(openAndReadAll(file), jet4::Error) << c.what;
    }
}

// A cut file must not pass for a shorter member list: the cut rows, or the whole catalog, would read as
// empty. Whole pages and nothing else make a file.
TEST(MalformedFile, LengthNotAWholeNumberOfPages) {
    std::vector<std::u16string> members;
    for (int i = 0; i < 600; ++i)
        members.push_back(u"RZ" + jet4::fromUtf8(std::to_string(i)));
    const Bytes whole = jet4::writeMemberDatabase(members, u"", kCreated);
    ASSERT_EQ(jet4::Database(whole, u"").table(u"main").rowCount(), members.size());
    const struct {
        const char* what;
        size_t size;
    } cases[] = {
        {"cut by 3000 bytes", whole.size() - 3000},
        {"cut by one byte", whole.size() - 1},
        {"cut one byte into the last page", whole.size() - kPage + 1},
        {"cut inside the catalog", 2 * kPage + 1000},
        {"a stray byte after the last page", whole.size() + 1},
    };
    for (const auto& c : cases) {
        Bytes file = whole;
        file.resize(c.size, 0);
        EXPECT_THROW(jet4::Database(file, u""), jet4::Error) << c.what;
    }
}

TEST(MalformedFile, PagesOfOtherTablesAndDeletedRowsAreSkipped) {
    Bytes file = memberFile();
    const Layout l = locate(file);
    Bytes foreign = file;
    put32(foreign, l.data + 4, 3); // the map still names the page, but it belongs to another table
    EXPECT_EQ(jet4::Database(foreign, u"").table(u"main").rowCount(), 0u);
    put16(file, l.data + 14, static_cast<uint16_t>(get16(file, l.data + 14) | 0x8000));
    const jet4::Table t = jet4::Database(file, u"").table(u"main");
    ASSERT_EQ(t.rowCount(), 2u);
    EXPECT_EQ(t.text(0, 0), u"RK1ZZ");
    expectIndexAgreesWithTable(jet4::Database(foreign, u""), u"main");
    const jet4::Database db(file, u"");
    expectIndexAgreesWithTable(db, u"main");
    EXPECT_FALSE(db.memberIndex(u"main", 0).contains(u"UA3ABC")) << "the deleted row";
}

TEST(MutatedFile, MovedRowIsReadThroughItsOverflowPointer) {
    Bytes file = memberFile();
    const Layout l = locate(file);
    const Bytes moved(file.begin() + static_cast<long>(l.firstRow),
                      file.begin() + static_cast<long>(l.data + kPage));
    Bytes page = dataPage(static_cast<uint32_t>(l.tdef / kPage), {moved});
    put16(page, 14, static_cast<uint16_t>(get16(page, 14) | 0x8000)); // the moved copy: skipped by a scan
    const uint32_t target = appendPage(file, page);
    put16(file, l.data + 14, static_cast<uint16_t>(get16(file, l.data + 14) | 0x4000));
    put32(file, l.firstRow, target << 8); // row 0 of the new page

    const jet4::Table t = jet4::Database(file, u"").table(u"main");
    ASSERT_EQ(t.rowCount(), 3u);
    EXPECT_EQ(t.text(0, 0), u"UA3ABC");
    EXPECT_EQ(t.text(2, 0), u"UA3АБВ");
    const jet4::Database db(file, u"");
    expectIndexAgreesWithTable(db, u"main");
    EXPECT_TRUE(db.memberIndex(u"main", 0).contains(u"ua3abc")) << "the moved row";
}

TEST(MutatedFile, MemoValuesInlineInOneRowAndInAChain) {
    const jet4::Table t = jet4::Database(memoMemberFile(), u"").table(u"main");
    ASSERT_EQ(t.columns()[0].type, jet4::ColumnType::Memo);
    ASSERT_EQ(t.rowCount(), 3u);
    for (size_t row = 0; row < 3; ++row)
        EXPECT_EQ(t.text(row, 0), kMemoValues[row]) << row;
    expectIndexAgreesWithTable(jet4::Database(memoMemberFile(), u""), u"main");
}

// Only Text and Memo hold callsigns: a Binary column must not pass for a column of empty ones.
TEST(MutatedFile, MemberIndexOverTextAndMemoOnly) {
    Bytes binary = memberFile();
    setCallsignType(binary, locate(binary), 0x09);
    const jet4::Table bytes = jet4::Database(binary, u"").table(u"main");
    ASSERT_EQ(bytes.columns()[0].type, jet4::ColumnType::Binary);
    ASSERT_EQ(bytes.rowCount(), 3u);
    const jet4::MemberIndex none(bytes, 0);
    const jet4::MemberIndex direct = jet4::Database(binary, u"").memberIndex(u"main", 0);
    for (const char16_t* key : {u"", u"UA3ABC", u"ua3abc"}) {
        EXPECT_FALSE(none.contains(key)) << jet4::toUtf8(key);
        EXPECT_FALSE(direct.contains(key)) << jet4::toUtf8(key);
    }

    const jet4::MemberIndex memo(jet4::Database(memoMemberFile(), u"").table(u"main"), 0);
    EXPECT_TRUE(memo.contains(u"INLINE MEMO"));
    EXPECT_TRUE(memo.contains(u"одна строка lval"));
    EXPECT_FALSE(memo.contains(u""));
}

TEST(MutatedFile, TableDefinitionContinuesOnAnotherPage) {
    Bytes file = memberFile();
    const Layout l = locate(file);
    // Skipped index entries push the column descriptors across the page end.
    const uint32_t entries = 335;
    Bytes definition(file.begin() + static_cast<long>(l.tdef),
                     file.begin() + static_cast<long>(l.tdef + kPage));
    ASSERT_EQ(get32(definition, 51), 0u);
    definition.insert(definition.begin() + 63, size_t{12} * entries, 0xEE);
    put32(definition, 51, entries);
    Bytes continuation(kPage, 0);
    continuation[0] = 0x02;
    continuation[1] = 0x01;
    std::copy(definition.begin() + kPage, definition.begin() + 2 * kPage - 8, continuation.begin() + 8);
    put32(definition, 4, appendPage(file, continuation));
    std::copy(definition.begin(), definition.begin() + kPage, file.begin() + static_cast<long>(l.tdef));

    const jet4::Table t = jet4::Database(file, u"").table(u"main");
    ASSERT_EQ(t.columns().size(), 1u);
    EXPECT_EQ(t.columns()[0].name, u"Callsign");
    ASSERT_EQ(t.rowCount(), 3u);
    EXPECT_EQ(t.text(1, 0), u"RK1ZZ");
    const jet4::Database db(file, u"");
    EXPECT_EQ(db.columns(u"main")[0].name, u"Callsign");
    expectIndexAgreesWithTable(db, u"main");
}

} // namespace
