#include "registry/jet4/row_fields.h"

namespace jet4 {

void splitRow(ByteView row, const TableDef& table, std::vector<Field>& out) {
    const size_t length = row.size();
    const size_t storedColumns = row.u16(0);
    const size_t maskSize = (storedColumns + 7) / 8;
    if (2 + maskSize > length)
        throw Error("malformed file: row shorter than its null mask");
    const size_t maskStart = length - maskSize;
    const uint8_t* mask = row.data() + maskStart;

    // Layout from the end: null mask, variable count, variable offsets (last one = end of data).
    size_t varCount = 0;
    size_t dataEnd = maskStart;
    if (table.hasVariableColumns) {
        if (maskStart < 6)
            throw Error("malformed file: row too short for its variable-column table");
        varCount = row.u16(maskStart - 2);
        if (varCount > (maskStart - 6) / 2)
            throw Error("malformed file: absurd variable-column count in a row");
        dataEnd = maskStart - 4 - 2 * varCount;
    }
    auto varOffset = [&](size_t k) -> size_t { return row.u16(maskStart - 4 - 2 * k); };

    out.resize(table.columns.size());
    for (size_t i = 0; i < table.columns.size(); ++i) {
        const ColumnDef& c = table.columns[i];
        const size_t number = static_cast<size_t>(c.column.number);
        const bool bit = number < storedColumns && (mask[number / 8] >> (number % 8) & 1);
        Field& f = out[i];
        f = Field{};
        if (c.column.type == ColumnType::Boolean) {
            f.present = bit;
            continue;
        }
        if (!bit)
            continue;
        if (c.column.fixedLength) {
            const size_t start = 2 + size_t{c.fixedOffset};
            if (start + c.dataSize > dataEnd)
                throw Error("malformed file: fixed column data outside its row");
            f.bytes = row.sub(start, c.dataSize);
        } else {
            if (c.varIndex >= varCount)
                continue; // column added after this row was written
            const size_t start = varOffset(c.varIndex);
            const size_t end = varOffset(c.varIndex + size_t{1});
            if (start < 2 || start > end || end > dataEnd)
                throw Error("malformed file: variable column offsets outside their row");
            f.bytes = row.sub(start, end - start);
        }
        f.present = true;
    }
}

} // namespace jet4
