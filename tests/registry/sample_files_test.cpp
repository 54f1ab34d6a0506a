// Real Access files: known contents, password handling, and (natively) agreement with mdb-export.
#include "registry/jet4/jet4_reader.h"
#include "index_agreement.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

namespace {

using jet4::Database;

#define REQUIRE_SAMPLE(name)                                                                                 \
    if (!haveSampleFile(name))                                                                               \
    GTEST_SKIP() << "sample file absent: " << name

std::vector<std::string> column(const jet4::Table& t, const char16_t* name) {
    const int col = t.findColumn(name);
    EXPECT_GE(col, 0);
    std::vector<std::string> values;
    for (size_t row = 0; col >= 0 && row < t.rowCount(); ++row)
        values.push_back(t.display(row, static_cast<size_t>(col)));
    return values;
}

TEST(SampleFiles, KnownContents) {
    REQUIRE_SAMPLE("jackcess_delTestV2003.mdb");
    REQUIRE_SAMPLE("jackcess_testUnicodeCompV2003.mdb");
    REQUIRE_SAMPLE("mdbreader_V2003_no-password.mdb");

    Database deleted(readWholeFile(sampleFile("jackcess_delTestV2003.mdb")), u"");
    const jet4::Table table = deleted.table(u"TABLE"); // names ignore case
    EXPECT_EQ(column(table, u"A"), (std::vector<std::string>{"z", "v"}));
    EXPECT_EQ(column(table, u"b"), (std::vector<std::string>{"y", "u"}));

    Database unicode(readWholeFile(sampleFile("jackcess_testUnicodeCompV2003.mdb")), u"");
    const jet4::Table texts = unicode.table(u"Table");
    const int col = texts.findColumn(u"Unicode");
    ASSERT_GE(col, 0);
    ASSERT_EQ(texts.rowCount(), 8u);
    EXPECT_EQ(texts.text(1, static_cast<size_t>(col)), u"ääkkösiä"); // compressed
    EXPECT_EQ(texts.text(2, static_cast<size_t>(col)), u"Мир");      // UCS-2
    EXPECT_EQ(texts.text(7, static_cast<size_t>(col)).size(), 255u); // U+0001..U+00FF

    Database plain(readWholeFile(sampleFile("mdbreader_V2003_no-password.mdb")), u"");
    EXPECT_EQ(plain.tableNames(), std::vector<std::u16string>{u"Table1"});
    EXPECT_FALSE(plain.info().hasPassword);
    EXPECT_EQ(column(plain.table(u"Table1"), u"Data"), (std::vector<std::string>{"One", "Two", "Three"}));
    EXPECT_THROW(plain.table(u"Table2"), jet4::NotFound);
    EXPECT_THROW(plain.table(u"MSysObjectsX"), jet4::NotFound);
}

TEST(SampleFiles, PasswordDecidesWhetherAFileOpens) {
    REQUIRE_SAMPLE("mdbreader_V2003_with-password.mdb");
    REQUIRE_SAMPLE("mdbreader_V2003_no-password.mdb");
    const auto locked = readWholeFile(sampleFile("mdbreader_V2003_with-password.mdb"));
    const auto open = readWholeFile(sampleFile("mdbreader_V2003_no-password.mdb"));

    const jet4::FileInfo info = jet4::probe(locked.data(), locked.size());
    EXPECT_EQ(info.format, "Jet 4");
    EXPECT_TRUE(info.hasPassword);
    EXPECT_FALSE(info.encoded);

    EXPECT_EQ(Database(locked, u"password").table(u"Table1").rowCount(), 3u);
    for (const char16_t* wrong : {u"", u"Password", u"passwor", u"password "})
        EXPECT_THROW(Database(locked, wrong), jet4::WrongPassword) << jet4::toUtf8(wrong);
    for (const char16_t* any : {u"", u"password", u"w52rt7jh"})
        EXPECT_NO_THROW(Database(open, any));
}

#ifdef ZVK_MDB_EXPORT

// mdb-export's CSV: text quoted with doubled quotes, NULL as an empty unquoted field.
struct Cell {
    bool null;
    std::string text;
    bool operator==(const Cell& o) const { return null == o.null && text == o.text; }
};
using Rows = std::vector<std::vector<Cell>>;

Rows parseCsv(const std::string& csv) {
    Rows rows(1);
    size_t i = 0;
    std::vector<Cell>* row = &rows.back();
    while (i < csv.size()) {
        Cell cell{true, {}};
        if (csv[i] == '"') {
            cell.null = false;
            for (++i; i < csv.size(); ++i) {
                if (csv[i] == '"' && i + 1 < csv.size() && csv[i + 1] == '"')
                    cell.text.push_back(csv[i++]);
                else if (csv[i] == '"')
                    break;
                else
                    cell.text.push_back(csv[i]);
            }
            ++i;
        } else {
            while (i < csv.size() && csv[i] != ',' && csv[i] != '\n')
                cell.text.push_back(csv[i++]);
            cell.null = cell.text.empty();
        }
        row->push_back(cell);
        if (i < csv.size() && csv[i] == '\n' && i + 1 < csv.size())
            row = &rows.emplace_back();
        ++i;
    }
    return rows;
}

std::string runMdbExport(const std::string& file, const std::string& table) {
    const std::string command = std::string(ZVK_MDB_EXPORT) + " '" + file + "' '" + table + "'";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string out;
    char buffer[65536];
    size_t n;
    while (pipe && (n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0)
        out.append(buffer, n);
    return out;
}

class AgreesWithMdbExport : public testing::TestWithParam<const char*> {};

TEST_P(AgreesWithMdbExport, EveryTableCellByCell) {
    const std::string name = GetParam();
    REQUIRE_SAMPLE(name);
    const std::string path = sampleFile(name);
    Database db(readWholeFile(path), u"password");
    ASSERT_FALSE(db.tableNames().empty());
    for (const std::u16string& tableName : db.tableNames()) {
        const jet4::Table table = db.table(tableName);
        Rows expected = parseCsv(runMdbExport(path, jet4::toUtf8(tableName)));
        ASSERT_FALSE(expected.empty());
        std::vector<Cell> header;
        for (const jet4::Column& c : table.columns())
            header.push_back({false, jet4::toUtf8(c.name)});
        for (Cell& c : expected[0])
            c.null = false; // header names are not quoted
        EXPECT_EQ(expected[0], header);
        Rows actual;
        for (size_t row = 0; row < table.rowCount(); ++row) {
            auto& cells = actual.emplace_back();
            for (size_t col = 0; col < table.columns().size(); ++col)
                cells.push_back({table.isNull(row, col), table.display(row, col)});
        }
        expected.erase(expected.begin());
        EXPECT_EQ(actual, expected) << name << " / " << jet4::toUtf8(tableName);
        expectIndexAgreesWithTable(db, tableName);
    }
}

INSTANTIATE_TEST_SUITE_P(SampleFiles, AgreesWithMdbExport,
                         testing::Values("jackcess_compIndexTestV2003.mdb", "jackcess_delTestV2003.mdb",
                                         "jackcess_testUnicodeCompV2003.mdb",
                                         "mdbreader_V2003_no-password.mdb",
                                         "mdbreader_V2003_with-password.mdb"));

#endif

} // namespace
