// A file's bytes for the read commands: mapped where the system allows, else read whole.
#ifndef ZVKDB_FILE_BYTES_H
#define ZVKDB_FILE_BYTES_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zvkdb {

class FileBytes {
  public:
    // Throws Failure (database_file.h) when the file cannot be opened or read.
    explicit FileBytes(const std::string& utf8Path);
    ~FileBytes();
    FileBytes(const FileBytes&) = delete;
    FileBytes& operator=(const FileBytes&) = delete;

    const uint8_t* data() const { return data_; }
    std::size_t size() const { return size_; }

  private:
    const uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
    bool mapped_ = false;
    std::vector<uint8_t> read_;
};

} // namespace zvkdb

#endif
