#include "registry/jet4/row_fields.h"

#include "registry/jet4/format/row.h"

namespace jet4 {

using namespace format::row;

namespace {
// The column count, the variable count and the end of the variable data, with no variable value.
constexpr size_t kLeastVariableRow = kColumnCountSize + 2 * kVarEntrySize;
} // namespace

RowLayout::RowLayout(ByteView row, const TableDef& table)
    : row_(row), storedColumns_(row.u16(kColumnCountOffset)) {
    const size_t length = row.size();
    const size_t maskSize = nullMaskSize(storedColumns_);
    if (kColumnCountSize + maskSize > length)
        throw Error("malformed file: row shorter than its null mask");
    maskStart_ = length - maskSize;
    dataEnd_ = maskStart_;
    if (table.hasVariableColumns) {
        if (maskStart_ < kLeastVariableRow)
            throw Error("malformed file: row too short for its variable-column table");
        varCount_ = row.u16(varCountEntry(maskStart_));
        if (varCount_ > (maskStart_ - kLeastVariableRow) / kVarEntrySize)
            throw Error("malformed file: absurd variable-column count in a row");
        dataEnd_ = varOffsetEntry(maskStart_, varCount_);
    }
}

Field RowLayout::field(const ColumnDef& c) const {
    const size_t number = static_cast<size_t>(c.column.number);
    const bool bit = number < storedColumns_ && (row_.data()[maskStart_ + number / 8] >> (number % 8) & 1);
    Field f;
    if (c.column.type == ColumnType::Boolean) {
        f.present = bit;
        return f;
    }
    if (!bit)
        return f;
    if (c.column.fixedLength) {
        const size_t start = kFixedDataOffset + size_t{c.fixedOffset};
        if (start + c.dataSize > dataEnd_)
            throw Error("malformed file: fixed column data outside its row");
        f.bytes = row_.sub(start, c.dataSize);
    } else {
        if (c.varIndex >= varCount_)
            return f; // column added after this row was written
        const size_t start = row_.u16(varOffsetEntry(maskStart_, c.varIndex));
        const size_t end = row_.u16(varOffsetEntry(maskStart_, size_t{c.varIndex} + 1));
        if (start < kFixedDataOffset || start > end || end > dataEnd_)
            throw Error("malformed file: variable column offsets outside their row");
        f.bytes = row_.sub(start, end - start);
    }
    f.present = true;
    return f;
}

void splitRow(ByteView row, const TableDef& table, std::vector<Field>& out) {
    const RowLayout layout(row, table);
    out.resize(table.columns.size());
    for (size_t i = 0; i < table.columns.size(); ++i)
        out[i] = layout.field(table.columns[i]);
}

} // namespace jet4
