// Reads every live row of a table into a Table, or one column of it into a member index.
#pragma once

#include "registry/jet4/member_index.h"
#include "registry/jet4/table_def.h"

namespace jet4 {

class TableBuilder {
  public:
    // Reads the columns of `def` (which may be a subset of the table's columns).
    static Table build(const PageStore& pages, const TableDef& def);
    // Reads column `column` of `def` alone, straight into an index; the other columns stay undecoded.
    static MemberIndex index(const PageStore& pages, const TableDef& def, size_t column);
};

} // namespace jet4
