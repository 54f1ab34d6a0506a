// The one statement the member query runs: "SELECT * FROM table".
#pragma once
#include <string>

namespace zvk {

// The table name of "SELECT * FROM name" (keywords in any letter case, the name bare, [bracketed] or
// `quoted`, an optional closing semicolon). Raises zvk::Exception for anything else.
std::string SelectAllTable(const std::string& sql);

} // namespace zvk
