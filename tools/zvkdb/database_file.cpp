#include "database_file.h"

#include "utf8_text.h"

namespace zvkdb {

std::u16string argumentText(const std::string& utf8, const char* what) {
    std::optional<std::u16string> text = decodeUtf8(utf8);
    if (!text)
        throw Failure(std::string(what) + " is not valid text");
    return std::move(*text);
}

DatabaseFile::DatabaseFile(const std::string& utf8Path, const std::string& utf8Password)
    : bytes_(utf8Path), database_(bytes_.data(), bytes_.size(), argumentText(utf8Password, "the password")) {}

ColumnRef findColumn(const jet4::Database& database, const Options& options) {
    ColumnRef found{argumentText(options.table, "the table name"), 0, {}};
    std::vector<jet4::Column> columns;
    try {
        columns = database.columns(found.table);
    } catch (const jet4::NotFound&) {
        throw Failure(options.file + ": no table '" + options.table + "'");
    }
    const int index = jet4::findColumn(columns, argumentText(options.column, "the column name"));
    if (index < 0)
        throw Failure(options.file + ": table '" + options.table + "' has no column '" + options.column +
                      "'");
    found.column = static_cast<std::size_t>(index);
    found.type = columns[found.column].type;
    return found;
}

} // namespace zvkdb
