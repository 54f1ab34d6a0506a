// Splits one Jet 4 row into its column values.
#pragma once

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

// One field per column of `table`, in its order. Error when the row's offsets or counts do not fit it.
void splitRow(ByteView row, const TableDef& table, std::vector<Field>& out);

} // namespace jet4
