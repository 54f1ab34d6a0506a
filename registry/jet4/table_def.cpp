#include "registry/jet4/table_def.h"

#include "registry/jet4/format/tdef.h"

#include <algorithm>

namespace jet4 {

using namespace format::tdef;
namespace column = format::column;

namespace {

std::vector<uint8_t> loadDefinitionBuffer(const PageStore& pages, uint32_t first) {
    std::vector<uint8_t> buffer;
    std::vector<bool> visited(pages.pageCount(), false);
    uint32_t number = first;
    do {
        ByteView p = pages.page(number, kTableDefPage);
        if (visited[number])
            throw Error("malformed file: table definition pages form a cycle");
        visited[number] = true;
        const size_t from = buffer.empty() ? 0 : kContinuationDataOffset;
        buffer.insert(buffer.end(), p.data() + from, p.data() + p.size());
        number = p.u32(kNextPageOffset);
    } while (number != 0);
    return buffer;
}

uint16_t fixedDataSize(ColumnType type, uint16_t declared) {
    switch (type) {
    case ColumnType::Boolean:
        return 0;
    case ColumnType::Byte:
        return 1;
    case ColumnType::Integer:
        return 2;
    case ColumnType::Long:
    case ColumnType::Single:
        return 4;
    case ColumnType::Currency:
    case ColumnType::Double:
    case ColumnType::DateTime:
        return 8;
    case ColumnType::Guid:
        return 16;
    case ColumnType::Numeric:
        return 17;
    default:
        return declared;
    }
}

} // namespace

TableDef readTableDef(const PageStore& pages, uint32_t page) {
    const std::vector<uint8_t> buffer = loadDefinitionBuffer(pages, page);
    const ByteView def(buffer.data(), buffer.size());

    TableDef table;
    table.page = page;
    const size_t numColumns = def.u16(kNumColumnsOffset);
    const size_t numRealIndexes = def.u32(kNumRealIndexesOffset);
    table.ownedPagesMap = def.u32(kOwnedPagesOffset);
    // Counts are bounded by the buffer before anything is sized from them.
    if (numRealIndexes > buffer.size() / kRealIndexEntrySize)
        throw Error("malformed file: absurd index count in a table definition");
    size_t pos = kRealIndexEntriesOffset + numRealIndexes * kRealIndexEntrySize;
    if (numColumns > (buffer.size() - std::min(pos, buffer.size())) / column::kDescriptorSize)
        throw Error("malformed file: absurd column count in a table definition");

    table.columns.resize(numColumns);
    for (ColumnDef& c : table.columns) {
        const ByteView d = def.sub(pos, column::kDescriptorSize);
        c.column.type = static_cast<ColumnType>(d.u8(column::kTypeOffset));
        c.column.number = d.u16(column::kNumberOffset);
        c.varIndex = d.u16(column::kVarIndexOffset);
        c.column.fixedLength = (d.u8(column::kFlagsOffset) & column::kFixedLengthFlag) != 0;
        c.fixedOffset = d.u16(column::kFixedDataOffset);
        c.column.length = d.u16(column::kLengthOffset);
        if (c.column.type == ColumnType::Numeric) {
            c.column.precision = d.u8(column::kPrecisionOffset);
            c.column.scale = d.u8(column::kScaleOffset);
        }
        c.dataSize = fixedDataSize(c.column.type, d.u16(column::kLengthOffset));
        table.hasVariableColumns |= !c.column.fixedLength;
        pos += column::kDescriptorSize;
    }
    for (ColumnDef& c : table.columns) {
        const size_t length = def.u16(pos);
        const ByteView name = def.sub(pos + kNameLengthSize, length);
        for (size_t i = 0; i + 1 < length; i += 2)
            c.column.name.push_back(static_cast<char16_t>(name.u16(i)));
        pos += kNameLengthSize + length;
    }
    std::stable_sort(table.columns.begin(), table.columns.end(), [](const ColumnDef& a, const ColumnDef& b) {
        return a.column.number < b.column.number;
    });
    return table;
}

} // namespace jet4
