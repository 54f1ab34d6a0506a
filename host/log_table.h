// The records a log grid shows: named columns and rows of Windows-1251 texts.
#pragma once
#include <string>
#include <vector>

namespace brevlog {

struct LogColumn {
    std::string name; // Windows-1251, also the field name
    int width;        // pixels
    bool bold = false;
};

struct LogTable {
    std::vector<LogColumn> columns;
    std::vector<std::vector<std::string>> rows; // rows[r][c], Windows-1251
};

} // namespace brevlog
