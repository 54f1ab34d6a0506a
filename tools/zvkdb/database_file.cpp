#include "database_file.h"

#include "utf8_text.h"

#include <filesystem>
#include <fstream>

namespace zvkdb {

std::vector<uint8_t> readWholeFile(const std::string& utf8Path) {
    const std::filesystem::path path = std::filesystem::u8path(utf8Path);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        throw Failure(utf8Path + ": no such file");
    const auto size = std::filesystem::file_size(path, error);
    std::ifstream in(path, std::ios::binary);
    if (error || !in)
        throw Failure(utf8Path + ": cannot open the file");
    std::vector<uint8_t> bytes(static_cast<std::size_t>(size));
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
        throw Failure(utf8Path + ": cannot read the file");
    return bytes;
}

std::u16string argumentText(const std::string& utf8, const char* what) {
    std::optional<std::u16string> text = decodeUtf8(utf8);
    if (!text)
        throw Failure(std::string(what) + " is not valid text");
    return std::move(*text);
}

jet4::Database openDatabase(const std::string& utf8Path, const std::string& utf8Password) {
    return jet4::Database(readWholeFile(utf8Path), argumentText(utf8Password, "the password"));
}

TableColumn readColumn(const jet4::Database& database, const Options& options) {
    TableColumn found{};
    try {
        found.table = database.table(argumentText(options.table, "the table name"));
    } catch (const jet4::NotFound&) {
        throw Failure(options.file + ": no table '" + options.table + "'");
    }
    const int index = found.table.findColumn(argumentText(options.column, "the column name"));
    if (index < 0)
        throw Failure(options.file + ": table '" + options.table + "' has no column '" + options.column +
                      "'");
    found.column = static_cast<std::size_t>(index);
    return found;
}

} // namespace zvkdb
