#include "registry/jet4/writer/jet4_tdef.h"

#include "registry/jet4/writer/jet4_text.h"

#include <algorithm>
#include <stdexcept>

namespace jet4::write {
namespace {

constexpr std::size_t kHeaderSize = 63; // with no index entries after it
constexpr std::size_t kDescriptorSize = 25;
constexpr uint16_t kGeneralSortOrder = 1033;

enum : uint8_t {
    kFixedLength = 0x01,
    kUpdatable = 0x02,
};
constexpr uint8_t kCompressedUnicodeAllowed = 0x01;

void appendDescriptor(Bytes& out, const ColumnDef& column, uint16_t number) {
    Bytes d(kDescriptorSize, 0);
    d[0] = static_cast<uint8_t>(column.type);
    put16(&d[5], number);
    put16(&d[7], column.variable ? column.variableIndex : 0);
    put16(&d[9], number);
    if (column.type == ColumnType::Text) {
        put16(&d[11], kGeneralSortOrder);
        d[16] = kCompressedUnicodeAllowed;
    }
    d[15] = static_cast<uint8_t>(kUpdatable | (column.variable ? 0 : kFixedLength));
    put16(&d[21], column.variable ? 0 : column.fixedOffset);
    put16(&d[23], column.lengthBytes);
    out.insert(out.end(), d.begin(), d.end());
}

} // namespace

Bytes tdefPage(const TableDef& table) {
    const auto columnCount = static_cast<uint16_t>(table.columns.size());
    const auto variableCount = static_cast<uint16_t>(std::count_if(
        table.columns.begin(), table.columns.end(), [](const ColumnDef& c) { return c.variable; }));
    Bytes page(kHeaderSize, 0);
    putPageType(page.data(), format::kTableDefPage);
    put32(&page[16], table.rowCount);
    put32(&page[20], 1); // next autonumber
    page[40] = table.system ? 0x53 : 0x4E;
    put16(&page[41], columnCount);
    put16(&page[43], variableCount);
    put16(&page[45], columnCount);
    put32(&page[55], table.ownedPagesMap);
    put32(&page[59], table.freeSpaceMap);

    for (uint16_t i = 0; i < columnCount; ++i)
        appendDescriptor(page, table.columns[i], i);
    for (const ColumnDef& column : table.columns) {
        const Bytes name = utf16le(column.name);
        append16(page, static_cast<uint16_t>(name.size()));
        page.insert(page.end(), name.begin(), name.end());
    }
    // End of the (empty) list of long-value column usage maps.
    append16(page, 0xFFFF);

    if (page.size() > kPageSize)
        throw std::length_error("table definition does not fit one page");
    put16(&page[2], static_cast<uint16_t>(kPageSize - page.size()));
    put32(&page[8], static_cast<uint32_t>(page.size() - 8));
    page.resize(kPageSize, 0);
    return page;
}

} // namespace jet4::write
