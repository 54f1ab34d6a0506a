// The connection to the member database: takes the provider's connection string and holds the opened
// file, read-only, in memory.
#pragma once
#include <memory>
#include <string>

#include "registry/jet4/jet4_reader.h"

namespace zvk {

class TADOConnection {
  public:
    std::wstring ConnectionString;
    bool LoginPrompt = false; // no login dialog is ever shown
    bool ClientCursor = true; // rows are fetched into memory when a query opens

    // Honours Provider, Data Source, Mode, User ID and the database password. Raises zvk::Exception
    // with the provider's message when the file cannot be opened.
    void Open();
    void Close() { database_.reset(); }
    bool Connected() const { return database_ != nullptr; }
    const jet4::Database& Database() const;

  private:
    std::unique_ptr<jet4::Database> database_;
};

} // namespace zvk
