// Memo/OLE values: inline, one LVAL row, LVAL chains, and the damaged forms of each.
#include "registry/jet4/long_value.h"
#include "page_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using jet4::ByteView;

constexpr uint32_t kInline = 0x80000000, kSingleRow = 0x40000000, kChain = 0;

Bytes header(uint32_t length, uint32_t type, uint32_t pointer) {
    Bytes h(12, 0);
    put32(h, 0, length | type);
    put32(h, 4, pointer);
    return h;
}

Bytes chainRow(uint32_t next, const std::string& data) {
    Bytes row(4 + data.size(), 0);
    put32(row, 0, next);
    std::copy(data.begin(), data.end(), row.begin() + 4);
    return row;
}

// Page 1 holds LVAL rows: 0 = "single row", 1..2 = a chain "abc" -> "defg", 3 points to itself.
jet4::PageStore lvalFile() {
    Bytes page0(4096, 0);
    const Bytes page1 = dataPage(0x4C41564C, {Bytes{'s', 'i', 'n', 'g', 'l', 'e'}, chainRow(0x0102, "abc"),
                                              chainRow(0, "defg"), chainRow(0x0103, "loop")});
    return jet4::PageStore(concat({page0, page1}), 0);
}

std::string read(const jet4::PageStore& pages, const Bytes& field) {
    jet4::MemoryBudget budget(pages.fileSize());
    std::vector<uint8_t> out;
    jet4::readLongValue(pages, ByteView(field.data(), field.size()), budget, out);
    return std::string(out.begin(), out.end());
}

TEST(LongValue, ReadsEveryStorageForm) {
    const jet4::PageStore pages = lvalFile();
    Bytes inlineField = header(5, kInline, 0);
    inlineField.insert(inlineField.end(), {'H', 'e', 'l', 'l', 'o'});
    EXPECT_EQ(read(pages, inlineField), "Hello");
    EXPECT_EQ(read(pages, header(4, kSingleRow, 0x0100)), "sing");
    EXPECT_EQ(read(pages, header(7, kChain, 0x0101)), "abcdefg");
    EXPECT_EQ(read(pages, header(5, kChain, 0x0101)), "abcde");
}

TEST(LongValue, DamagedValuesEndInError) {
    const jet4::PageStore pages = lvalFile();
    const struct {
        const char* what;
        Bytes field;
    } cases[] = {
        {"header cut short", Bytes(8, 0)},
        {"inline data beyond the field", header(50, kInline, 0)},
        {"longer than the file", header(0x3FFFFFFF, kInline, 0)},
        {"single row shorter than the length", header(7, kSingleRow, 0x0100)},
        {"row on a page beyond the file", header(4, kSingleRow, 0x0900)},
        {"row beyond the page's rows", header(4, kSingleRow, 0x0109)},
        {"chain ends early", header(20, kChain, 0x0101)},
        {"chain loops", header(100, kChain, 0x0103)},
        {"unknown storage type", header(4, 0xC0000000, 0x0100)},
    };
    for (const auto& c : cases)
        EXPECT_THROW(read(pages, c.field), jet4::Error) << c.what;
}

} // namespace
