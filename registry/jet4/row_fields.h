// Splits one Jet 4 row into its column values.
#pragma once

#include "registry/jet4/table_def.h"

#include <vector>

namespace jet4 {

struct Field {
    bool present = false; // Boolean columns: the value itself
    ByteView bytes;       // fixed data or the variable-length value as stored
};

// One field per column of `table`, in its order. Error when the row's offsets or counts do not fit it.
void splitRow(ByteView row, const TableDef& table, std::vector<Field>& out);

} // namespace jet4
