// The member query: runs "SELECT * FROM main" over its connection and answers whether a key value is
// present. Open reads the table's columns and indexes the key field (IndexFieldNames) in one pass over the
// rows; after it only that index stays in memory, not the rows, not the file.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "registry/ado_connection.h"
#include "registry/jet4/jet4_reader.h"
#include "registry/jet4/member_index.h"

namespace zvk {

class TADOQuery {
  public:
    TADOConnection* Connection = nullptr;
    std::string SQL;
    bool ReadOnly = true; // the member database is never written
    // The field Locate looks values up in, indexed while Open runs so that the first lookup does not wait
    // for it. Another field is indexed at its first Locate.
    std::string IndexFieldNames;

    // Opens the connection if it is closed, runs SQL and indexes IndexFieldNames. Raises zvk::Exception.
    void Open();
    void Close();
    bool Active() const { return active_; }

    // Whether some row's KeyField equals KeyValue (Windows-1251), letter case aside for every letter of
    // the code page; nothing else is folded. Never raises: any failure answers false.
    bool Locate(const std::string& KeyField, const std::string& KeyValue) noexcept;

  private:
    // Reads the column into the index; the connection's file goes afterwards, also on failure.
    void indexColumn(size_t column);

    bool active_ = false;
    std::u16string table_;
    std::vector<jet4::Column> columns_;
    std::optional<size_t> indexedColumn_;
    std::string indexedField_; // the KeyField last resolved to indexedColumn_, as given
    jet4::MemberIndex index_;
};

} // namespace zvk
