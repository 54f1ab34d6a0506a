// Read-only access to Jet 4.0 (.mdb) files: header probe, password check, catalog and whole-table reads.
// Portable C++ (no platform headers). Every malformed input ends in jet4::Error; memory stays within a
// small multiple of the file size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace jet4 {

// The file is malformed or of an unsupported kind.
class Error : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class WrongPassword : public Error {
  public:
    using Error::Error;
};

// The requested table is not in the catalog.
class NotFound : public Error {
  public:
    using Error::Error;
};

struct FileInfo {
    int version = 0;    // byte 0x14 of page 0: 0 Jet 3, 1 Jet 4, 2 and up ACE
    std::string format; // "Jet 3", "Jet 4", "ACE 12", ...
    bool encoded = false;
    bool hasPassword = false;
};

// Looks at page 0 only. Throws Error if the bytes are not a Jet/ACE database.
FileInfo probe(const uint8_t* data, size_t size);

enum class ColumnType : uint8_t {
    Boolean = 1,
    Byte = 2,
    Integer = 3,
    Long = 4,
    Currency = 5,
    Single = 6,
    Double = 7,
    DateTime = 8,
    Binary = 9,
    Text = 10,
    Ole = 11,
    Memo = 12,
    Guid = 15,
    Numeric = 16,
};

// The types that hold text (and so callsigns).
inline bool isText(ColumnType type) {
    return type == ColumnType::Text || type == ColumnType::Memo;
}

struct Column {
    std::u16string name;
    ColumnType type{}; // may hold a code outside the enumeration for types this reader only shows as bytes
    int number = 0;    // column number in the file; gaps where columns were deleted
    bool fixedLength = false;
    int length = 0; // declared length in bytes (Text(n) has 2n)
    int precision = 0;
    int scale = 0;
};

// Access names ignore letter case; -1 when absent.
int findColumn(const std::vector<Column>& columns, std::u16string_view name);

class TableBuilder;
class MemberIndex;

// A whole table held in memory, column by column.
class Table {
  public:
    const std::vector<Column>& columns() const { return columns_; }
    int findColumn(std::u16string_view name) const; // as jet4::findColumn
    size_t rowCount() const { return rowCount_; }
    bool isNull(size_t row, size_t col) const;
    // Text and Memo columns; empty for NULL and for other types.
    std::u16string_view text(size_t row, size_t col) const;
    // UTF-8 rendering of any value; empty for NULL.
    std::string display(size_t row, size_t col) const;
    // Bytes this object holds on the heap (for measurements).
    size_t memoryUsage() const;

    struct ColumnData {
        std::vector<uint32_t> ends;    // per row: end of its value in chars or bytes
        std::u16string chars;          // Text and Memo values
        std::vector<uint8_t> bytes;    // values of every other type, as stored
        std::vector<uint64_t> present; // bit per row: 1 = has a value
    };

  private:
    friend class TableBuilder;
    const ColumnData& data(size_t row, size_t col) const;
    std::vector<Column> columns_;
    std::vector<ColumnData> data_;
    size_t rowCount_ = 0;
};

class Database {
  public:
    // Takes the whole file. Jet 4 only. A file with a database password opens only with that password;
    // a file without one opens with any. Throws WrongPassword or Error.
    Database(std::vector<uint8_t> bytes, std::u16string_view password);
    // The same over the caller's bytes, which must outlive the Database (a mapped file, say).
    Database(const uint8_t* data, size_t size, std::u16string_view password);
    ~Database();
    Database(Database&&) noexcept;
    Database& operator=(Database&&) noexcept;

    const FileInfo& info() const;
    // User tables: catalog type 1 without a system flag, in catalog order.
    std::vector<std::u16string> tableNames() const;
    // Reads the whole table (any local table, system ones included); NotFound if missing.
    Table table(std::u16string_view name) const;
    // The columns of a table from its definition alone, no row read; NotFound if missing.
    std::vector<Column> columns(std::u16string_view table) const;
    // One column of a table read straight into a member index (see member_index.h), in one pass over
    // its rows; the other columns are not decoded. NotFound if the table is missing.
    MemberIndex memberIndex(std::u16string_view table, size_t column) const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

std::string toUtf8(std::u16string_view text);
// Malformed sequences become U+FFFD.
std::u16string fromUtf8(std::string_view text);
// Empty when the text is not well-formed UTF-8.
std::optional<std::u16string> fromUtf8Strict(std::string_view text);

} // namespace jet4
