// Splits one Jet 4 row into its column values.
#pragma once

#include "registry/jet4/format/row.h"
#include "registry/jet4/table_def.h"

#include <vector>

namespace jet4 {

struct Field {
    bool present = false; // Boolean columns: the value itself
    ByteView bytes;       // fixed data or the variable-length value as stored
};

// Where a row keeps its null mask and variable-column offsets, checked against its length.
class RowLayout {
  public:
    RowLayout(ByteView row, const TableDef& table);
    // The value of one column of the table; Error when its offsets do not fit the row.
    Field field(const ColumnDef& column) const;

  private:
    ByteView row_;
    size_t storedColumns_;
    size_t maskStart_;
    size_t varCount_ = 0;
    size_t dataEnd_;
};

// Inline: a scan splits every row.
namespace detail {
// The column count, the variable count and the end of the variable data, with no variable value.
constexpr size_t kLeastVariableRow = format::row::kColumnCountSize + 2 * format::row::kVarEntrySize;
} // namespace detail

inline RowLayout::RowLayout(ByteView row, const TableDef& table)
    : row_(row), storedColumns_(row.u16(format::row::kColumnCountOffset)) {
    using namespace format::row;
    const size_t length = row.size();
    const size_t maskSize = nullMaskSize(storedColumns_);
    if (kColumnCountSize + maskSize > length)
        throw Error("malformed file: row shorter than its null mask");
    maskStart_ = length - maskSize;
    dataEnd_ = maskStart_;
    if (table.hasVariableColumns) {
        if (maskStart_ < detail::kLeastVariableRow)
            throw Error("malformed file: row too short for its variable-column table");
        varCount_ = row.u16(varCountEntry(maskStart_));
        if (varCount_ > (maskStart_ - detail::kLeastVariableRow) / kVarEntrySize)
            throw Error("malformed file: absurd variable-column count in a row");
        dataEnd_ = varOffsetEntry(maskStart_, varCount_);
    }
}

inline Field RowLayout::field(const ColumnDef& c) const {
    using namespace format::row;
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

// One field per column of `table`, in its order. Error when the row's offsets or counts do not fit it.
void splitRow(ByteView row, const TableDef& table, std::vector<Field>& out);

} // namespace jet4
