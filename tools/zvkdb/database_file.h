// Opening a member file for the read commands, with failures worded for the operator.
#ifndef ZVKDB_DATABASE_FILE_H
#define ZVKDB_DATABASE_FILE_H

#include "cli_options.h"
#include "file_bytes.h"
#include "registry/jet4/jet4_reader.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace zvkdb {

// A failure whose message is ready for the operator.
class Failure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// UTF-8 text from the command line; Failure naming `what` if it is not UTF-8.
std::u16string argumentText(const std::string& utf8, const char* what);

// A database over its file's bytes. Opening takes the password; jet4::WrongPassword and jet4::Error pass
// through.
class DatabaseFile {
  public:
    DatabaseFile(const std::string& utf8Path, const std::string& utf8Password);
    const jet4::Database& database() const { return database_; }

  private:
    FileBytes bytes_;
    jet4::Database database_;
};

// The table and column the options name, by position among the table's columns; Failure when either is
// missing. Only the table's definition is read.
struct ColumnRef {
    std::u16string table;
    std::size_t column;
    jet4::ColumnType type;
};
ColumnRef findColumn(const jet4::Database& database, const Options& options);

} // namespace zvkdb

#endif
