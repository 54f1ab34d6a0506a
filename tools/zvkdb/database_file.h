// Opening a member file for the read commands, with failures worded for the operator.
#ifndef ZVKDB_DATABASE_FILE_H
#define ZVKDB_DATABASE_FILE_H

#include "cli_options.h"
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

// The whole file; Failure if it cannot be read.
std::vector<uint8_t> readWholeFile(const std::string& utf8Path);

// UTF-8 text from the command line; Failure naming `what` if it is not UTF-8.
std::u16string argumentText(const std::string& utf8, const char* what);

// Opens the database with the password; jet4::WrongPassword and jet4::Error pass through.
jet4::Database openDatabase(const std::string& utf8Path, const std::string& utf8Password);

// The table and the index of the column the options name; Failure when either is missing.
struct TableColumn {
    jet4::Table table;
    std::size_t column;
};
TableColumn readColumn(const jet4::Database& database, const Options& options);

} // namespace zvkdb

#endif
