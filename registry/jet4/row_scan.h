// Walks the live rows of a table: its owned data pages in order, deleted rows skipped, moved rows followed.
#pragma once

#include "registry/jet4/table_def.h"

#include <functional>

namespace jet4 {

void forEachRow(const PageStore& pages, const TableDef& table, const std::function<void(ByteView)>& visit);

} // namespace jet4
