// Reads every live row of a table into a Table.
#pragma once

#include "registry/jet4/table_def.h"

namespace jet4 {

class TableBuilder {
  public:
    // Reads the columns of `def` (which may be a subset of the table's columns).
    static Table build(const PageStore& pages, const TableDef& def);
};

} // namespace jet4
