// A table definition (TDEF): its columns and where its owned-pages map lives.
#pragma once

#include "registry/jet4/page_store.h"

#include <cstdint>
#include <vector>

namespace jet4 {

struct ColumnDef {
    Column column;
    uint16_t varIndex = 0;    // slot in a row's variable-offset table
    uint16_t fixedOffset = 0; // offset of fixed data after the row's column count
    uint16_t dataSize = 0;    // bytes of fixed data
};

struct TableDef {
    uint32_t page = 0;
    std::vector<ColumnDef> columns; // in column-number order
    bool hasVariableColumns = false;
    uint32_t ownedPagesMap = 0; // row pointer
};

// Follows the TDEF page chain from `page`; Error on a cycle, a wrong page type or impossible counts.
TableDef readTableDef(const PageStore& pages, uint32_t page);

} // namespace jet4
