#include "registry/jet4/writer/jet4_tdef.h"

#include "registry/jet4/format/tdef.h"
#include "registry/jet4/format/text.h"
#include "registry/jet4/writer/jet4_text.h"

#include <algorithm>
#include <stdexcept>

namespace jet4::write {

using namespace format::tdef;

namespace {

void appendDescriptor(Bytes& out, const ColumnDef& column, uint16_t number) {
    using namespace format::column;
    Bytes d(kDescriptorSize, 0);
    d[kTypeOffset] = static_cast<uint8_t>(column.type);
    put16(&d[kNumberOffset], number);
    put16(&d[kVarIndexOffset], column.variable ? column.variableIndex : 0);
    put16(&d[kNumberAgainOffset], number);
    if (column.type == ColumnType::Text) {
        put16(&d[kSortOrderOffset], format::text::kGeneralSortOrder);
        d[kExtFlagsOffset] = kCompressedUnicodeFlag;
    }
    d[kFlagsOffset] = static_cast<uint8_t>(kUpdatableFlag | (column.variable ? 0 : kFixedLengthFlag));
    put16(&d[kFixedDataOffset], column.variable ? 0 : column.fixedOffset);
    put16(&d[kLengthOffset], column.lengthBytes);
    out.insert(out.end(), d.begin(), d.end());
}

} // namespace

Bytes tdefPage(const TableDef& table) {
    const auto columnCount = static_cast<uint16_t>(table.columns.size());
    const auto variableCount = static_cast<uint16_t>(std::count_if(
        table.columns.begin(), table.columns.end(), [](const ColumnDef& c) { return c.variable; }));
    // No indexes: the column descriptors follow the header directly.
    Bytes page(kRealIndexEntriesOffset, 0);
    putPageType(page.data(), format::kTableDefPage);
    put32(&page[kRowCountOffset], table.rowCount);
    put32(&page[kNextAutonumberOffset], 1);
    page[kTableTypeOffset] = table.system ? kSystemTable : kUserTable;
    put16(&page[kMaxColumnsOffset], columnCount);
    put16(&page[kNumVarColumnsOffset], variableCount);
    put16(&page[kNumColumnsOffset], columnCount);
    put32(&page[kOwnedPagesOffset], table.ownedPagesMap);
    put32(&page[kFreeSpacePagesOffset], table.freeSpaceMap);

    for (uint16_t i = 0; i < columnCount; ++i)
        appendDescriptor(page, table.columns[i], i);
    for (const ColumnDef& column : table.columns) {
        const Bytes name = utf16le(column.name);
        append16(page, static_cast<uint16_t>(name.size()));
        page.insert(page.end(), name.begin(), name.end());
    }
    // End of the (empty) list of long-value column usage maps.
    append16(page, kEndOfColumnMaps);

    if (page.size() > kPageSize)
        throw std::length_error("table definition does not fit one page");
    put16(&page[kFreeSpaceOffset], static_cast<uint16_t>(kPageSize - page.size()));
    put32(&page[kDefinitionLengthOffset], static_cast<uint32_t>(page.size() - kDefinitionLengthOffset));
    page.resize(kPageSize, 0);
    return page;
}

} // namespace jet4::write
