// The connection to the member database: takes the provider's connection string and checks the file at
// Open. Its bytes stay in memory only until a query has fetched what it needs; a later query reads the
// file again.
#pragma once
#include <cstdint>
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
    void Close();
    bool Connected() const { return connected_; }
    // The opened file, read again if a query has let it go. Raises zvk::Exception.
    const jet4::Database& Database();
    // Whether the file's bytes are in memory now.
    bool HoldsFile() const { return database_ != nullptr; }
    // Lets the file's bytes go; the connection stays open.
    void ReleaseFile() {
        database_.reset();
        file_.reset();
    }

  private:
    void readFile();
    bool connected_ = false;
    std::wstring path_;
    std::u16string password_;
    std::unique_ptr<uint8_t[]> file_; // the bytes database_ reads
    std::unique_ptr<jet4::Database> database_;
};

} // namespace zvk
