// MSysObjects, the catalog of a database's objects: an ordinary table whose definition is always on the
// same page. Its columns are found by name (Id, ParentId, Name, Type, Flags).
#pragma once

#include <cstdint>

namespace jet4::format::catalog {

// The page number of the catalog's own table definition.
constexpr uint32_t kCatalogTableDefPage = 2;

// Column Type.
constexpr uint16_t kLocalTable = 1;
constexpr uint16_t kContainer = 3;
// Column Flags: either bit marks a system object.
constexpr uint32_t kSystemObjectFlags = 0x80000002;
// A table's Id holds its TDEF page in the low three bytes.
constexpr uint32_t kTableDefPageMask = 0x00FFFFFF;
// ParentId: of every table, the Tables container; of the containers, the database.
constexpr uint32_t kTablesContainerId = 0x0F000001;
constexpr uint32_t kDatabaseParentId = 0x0F000000;

} // namespace jet4::format::catalog
