// The member query: runs "SELECT * FROM main" over its connection, holds every row in memory, and
// answers whether a key value is present through an index built at the first lookup.
#pragma once
#include <memory>
#include <optional>
#include <string>

#include "registry/ado_connection.h"
#include "registry/jet4/jet4_reader.h"
#include "registry/jet4/member_index.h"

namespace zvk {

class TADOQuery {
  public:
    TADOConnection* Connection = nullptr;
    std::string SQL;
    bool ReadOnly = true; // the member database is never written

    // Opens the connection if it is closed, runs SQL and fetches every row. Raises zvk::Exception.
    void Open();
    void Close();
    bool Active() const { return table_.has_value(); }

    // Whether some row's KeyField equals KeyValue (Windows-1251), letter case aside for every letter of
    // the code page; nothing else is folded. Never raises: any failure answers false.
    bool Locate(const std::string& KeyField, const std::string& KeyValue) noexcept;

  private:
    std::optional<jet4::Table> table_;
    std::string indexedField_;
    std::unique_ptr<jet4::MemberIndex> index_;
};

} // namespace zvk
