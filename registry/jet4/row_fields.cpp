#include "registry/jet4/row_fields.h"

namespace jet4 {

void splitRow(ByteView row, const TableDef& table, std::vector<Field>& out) {
    const RowLayout layout(row, table);
    out.resize(table.columns.size());
    for (size_t i = 0; i < table.columns.size(); ++i)
        out[i] = layout.field(table.columns[i]);
}

} // namespace jet4
