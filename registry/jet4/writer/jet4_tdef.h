// Table definition pages (type 0x02) for tables without indexes.
#pragma once

#include "registry/jet4/jet4_reader.h"
#include "registry/jet4/writer/jet4_bytes.h"

#include <string>

namespace jet4::write {

struct ColumnDef {
    std::u16string name;
    ColumnType type;
    uint16_t lengthBytes; // Text(n): 2n; 0 for OLE
    bool variable;
    uint16_t fixedOffset;   // into the row's fixed area; fixed columns only
    uint16_t variableIndex; // variable columns only
};

struct TableDef {
    bool system;
    uint32_t rowCount;
    std::vector<ColumnDef> columns; // column number = position
    uint32_t ownedPagesMap;         // row pointers to the usage maps
    uint32_t freeSpaceMap;
};

// One page; throws std::length_error if the definition needs more.
Bytes tdefPage(const TableDef& table);

} // namespace jet4::write
