// The data-access components over member files: the connection string, the query, the lookup rule.
#include <gtest/gtest.h>

#include "registry/ado_query.h"
#include "registry/connection_string.h"
#include "registry/select_statement.h"
#include "runtime/cp1251.h"
#include "runtime/exception.h"
#include "temp_folder.h"
#include "tests/registry/member_file_layout.h"
#include "registry/jet4/writer/jet4_writer.h"

using namespace zvk;
using testing_support::TempFolder;

namespace {

const char* const Password = "w52rt7jh";

std::wstring connectionString(const std::string& path, const std::string& password,
                              const std::string& extra = "Mode=Read") {
    return WideFromCp1251("Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin;Data Source=" + path + ";" + extra +
                          ";Persist Security Info=False;Jet OLEDB:Database Password=" + password);
}

std::u16string u16(const std::string& text1251) {
    std::wstring wide = WideFromCp1251(text1251);
    return std::u16string(wide.begin(), wide.end());
}

TEST(ConnectionString, KeysIgnoreCaseAndValuesMayBeQuoted) {
    TConnectionString settings(L" provider = Microsoft.Jet.OLEDB.4.0 ;DATA SOURCE=\"C:\\a;b\\zvk.mdb\";"
                               L"Jet OLEDB:Database Password='it''s';;Mode=Read");
    EXPECT_EQ(settings.Value(L"Provider"), L"Microsoft.Jet.OLEDB.4.0");
    EXPECT_EQ(settings.Value(L"Data Source"), L"C:\\a;b\\zvk.mdb");
    EXPECT_EQ(settings.Value(L"jet oledb:database password"), L"it's");
    EXPECT_EQ(settings.Value(L"Mode"), L"Read");
    EXPECT_FALSE(settings.Has(L"User ID"));
    EXPECT_THROW(TConnectionString(L"Provider=x;garbage;"), Exception);
    EXPECT_THROW(TConnectionString(L"Data Source=\"C:\\open"), Exception);
}

TEST(SelectStatement, OnlySelectAllFromOneTable) {
    EXPECT_EQ(SelectAllTable("SELECT * FROM main"), "main");
    EXPECT_EQ(SelectAllTable("  select *from [my table] ;"), "my table");
    EXPECT_EQ(SelectAllTable("Select\t*\nFrom `main`"), "main");
    for (const char* bad : {"", "SELECT Callsign FROM main", "SELECT * FROM", "SELECT * FROM a b",
                            "DELETE * FROM main", "SELECT * FROM [main", "SELECT * FROM []"}) {
        EXPECT_THROW(SelectAllTable(bad), Exception) << bad;
    }
}

class MemberQuery : public ::testing::Test {
  protected:
    MemberQuery() {
        query.Connection = &db;
        query.SQL = "SELECT * FROM main";
        query.IndexFieldNames = "Callsign"; // as the plug-in sets it
    }
    std::string makeFile(const std::vector<std::string>& callsigns1251,
                         const std::string& password = Password) {
        std::vector<std::u16string> rows;
        for (const std::string& callsign : callsigns1251) {
            rows.push_back(u16(callsign));
        }
        std::string path = folder.file("zvk" + std::to_string(++files) + ".mdb");
        TempFolder::write(path, jet4::writeMemberDatabase(rows, u16(password)));
        return path;
    }
    void open(const std::wstring& connection) {
        query.Close();
        db.Close();
        db.ConnectionString = connection;
        db.Open();
        query.Open();
    }

    TempFolder folder;
    int files = 0;
    TADOConnection db;
    TADOQuery query;
};

TEST_F(MemberQuery, OpensOnlyWhatTheConnectionStringAllows) {
    const std::string locked = makeFile({"UA3AAA"});
    const std::string unlocked = makeFile({"UA3AAA"}, "");
    struct Case {
        std::wstring connection;
        bool opens;
    } cases[] = {
        {connectionString(locked, Password), true},
        {connectionString(locked, "W52RT7JH"), false}, // passwords are case-sensitive
        {connectionString(locked, ""), false},
        {connectionString(unlocked, "anything"), true},
        {connectionString(folder.file("absent.mdb"), Password), false},
        {connectionString(locked, Password, "Mode=ReadWrite"), false},
        {connectionString(locked, Password, "Mode=Read|Share Deny None"), true},
        {WideFromCp1251("Provider=Microsoft.ACE.OLEDB.12.0;Data Source=" + locked), false},
        {WideFromCp1251("Provider=Microsoft.Jet.OLEDB.4.0;User ID=guest;Data Source=" + locked +
                        ";Jet OLEDB:Database Password=w52rt7jh"),
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Cp1251FromWide(c.connection));
        if (c.opens) {
            EXPECT_NO_THROW(open(c.connection));
            EXPECT_TRUE(query.Active());
        } else {
            EXPECT_THROW(open(c.connection), Exception);
            EXPECT_FALSE(query.Active());
        }
    }
}

TEST_F(MemberQuery, OpensWhileAnotherProgramHasTheFileOpenForWriting) {
    const std::string path = makeFile({"UA3AAA"});
    HANDLE editor = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(editor, INVALID_HANDLE_VALUE);
    EXPECT_NO_THROW(open(connectionString(path, Password)));
    EXPECT_TRUE(query.Locate("Callsign", "UA3AAA"));
    CloseHandle(editor);
}

TEST_F(MemberQuery, LocateMatchesWholeValuesIgnoringLetterCaseOnly) {
    // Cyrillic in Windows-1251: "RА3ЁЖ" with Cyrillic А, Ё, Ж; "ҐАНОК".
    open(connectionString(makeFile({"UA3AAA", "UA3AAA", "dl1abc",
                                    "R\xC0"
                                    "3\xA8\xC6",
                                    "", "UA9XX/P", "\xA5\xC0\xCD\xCE\xCA"}),
                          Password));
    struct Case {
        const char* text;
        bool member;
    } cases[] = {
        {"UA3AAA", true},
        {"ua3aaa", true},
        {"DL1ABC", true},
        {"r\xE0"
         "3\xB8\xE6",
         true},
        {"UA3AA", false},
        {"UA3AAAB", false},
        {" UA3AAA", false},
        {"UA3AAA ", false},
        {"UA9XX/P", true},
        {"UA9XX", false},
        {"", true},
        {"UA3A%", false},
        {"RA3\xA8\xC6", false},          // Latin A where the member has Cyrillic А
        {"\xB4\xE0\xED\xEE\xEA", true},  // ґанок
        {"\xC3\xE0\xED\xEE\xEA", false}, // ганок: Г is not Ґ
    };
    for (const Case& c : cases) {
        EXPECT_EQ(query.Locate("Callsign", c.text), c.member) << c.text;
    }
    EXPECT_FALSE(query.Locate("Allsign", "UA3AAA")) << "a table without the key field answers false";
    EXPECT_TRUE(query.Locate("callsign", "UA3AAA"));
}

// Open indexes the key field and then keeps neither the rows nor the file: with the file gone, the indexed
// field still answers, and a field left unindexed has nothing to be read from.
TEST_F(MemberQuery, OpenIndexesTheKeyFieldAndLetsTheFileGo) {
    const struct {
        const char* indexFieldNames;
        bool answers;
    } cases[] = {{"Callsign", true}, {"CALLSIGN", true}, {"", false}, {"Allsign", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.indexFieldNames);
        const std::string path = makeFile({"UA3AAA", "RK1ZZ"});
        query.IndexFieldNames = c.indexFieldNames;
        open(connectionString(path, Password));
        EXPECT_FALSE(db.HoldsFile());
        ASSERT_EQ(DeleteFileA(path.c_str()), TRUE);
        EXPECT_TRUE(db.Connected());
        EXPECT_TRUE(query.Active());
        EXPECT_EQ(query.Locate("Callsign", "ua3aaa"), c.answers);
        EXPECT_EQ(query.Locate("callsign", "RK1ZZ"), c.answers);
        EXPECT_FALSE(query.Locate("Callsign", "UA3AAB"));
        EXPECT_FALSE(query.Locate("Allsign", "UA3AAA"));
    }
}

TEST_F(MemberQuery, AFieldNotIndexedAtOpenIsIndexedAtItsFirstLocate) {
    const std::string path = makeFile({"UA3AAA"});
    query.IndexFieldNames = "";
    open(connectionString(path, Password));
    EXPECT_TRUE(query.Locate("Callsign", "UA3AAA")) << "the file is read again for it";
    ASSERT_EQ(DeleteFileA(path.c_str()), TRUE);
    EXPECT_TRUE(query.Locate("callsign", "ua3aaa")) << "and its index kept";
}

TEST_F(MemberQuery, LocateInAColumnWithoutTextFindsNothing) {
    Bytes bytes = memberFile();                  // UA3ABC, RK1ZZ, UA3АБВ
    setCallsignType(bytes, locate(bytes), 0x09); // Binary
    const std::string path = folder.file("binary.mdb");
    TempFolder::write(path, bytes);
    open(connectionString(path, Password));
    EXPECT_FALSE(query.Locate("Callsign", ""));
    EXPECT_FALSE(query.Locate("Callsign", "UA3ABC"));
}

TEST_F(MemberQuery, EmptyTableAndEmptyTextAndMissingTable) {
    open(connectionString(makeFile({}), Password));
    EXPECT_TRUE(query.Active());
    EXPECT_FALSE(query.Locate("Callsign", "UA3AAA"));
    EXPECT_FALSE(query.Locate("Callsign", "")) << "no row holds an empty callsign";

    query.SQL = "SELECT * FROM members";
    EXPECT_THROW(query.Open(), Exception);
    EXPECT_FALSE(query.Active());
    EXPECT_FALSE(db.HoldsFile()) << "the file read for the failed open is let go too";
    EXPECT_FALSE(query.Locate("Callsign", "UA3AAA")) << "a closed query answers false";
}

TEST_F(MemberQuery, DamagedFilesFailCleanly) {
    const std::string path = makeFile({"UA3AAA", "UA3BBB"});
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    const std::vector<std::vector<uint8_t>> damaged = {
        {},
        std::vector<uint8_t>(bytes.begin(), bytes.begin() + 100),
        std::vector<uint8_t>(bytes.begin(), bytes.begin() + 4096 + 17),
        std::vector<uint8_t>(bytes.begin(), bytes.end() - 3000), // members cut off, not just fewer
        std::vector<uint8_t>(8192, 0xFF),
    };
    for (size_t i = 0; i < damaged.size(); ++i) {
        const std::string bad = folder.file("bad" + std::to_string(i) + ".mdb");
        TempFolder::write(bad, damaged[i]);
        EXPECT_THROW(open(connectionString(bad, Password)), Exception) << i;
        EXPECT_FALSE(query.Active());
    }
}

} // namespace
