#include "file_bytes.h"

#include "database_file.h"

#include <filesystem>
#include <fstream>

#if !defined(_WIN32)
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zvkdb {

namespace {

std::vector<uint8_t> readWhole(const std::string& utf8Path) {
    const std::filesystem::path path = std::filesystem::u8path(utf8Path);
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    std::ifstream in(path, std::ios::binary);
    if (error || !in)
        throw Failure(utf8Path + ": cannot open the file");
    std::vector<uint8_t> bytes(static_cast<std::size_t>(size));
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
        throw Failure(utf8Path + ": cannot read the file");
    return bytes;
}

} // namespace

FileBytes::FileBytes(const std::string& utf8Path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(std::filesystem::u8path(utf8Path), error))
        throw Failure(utf8Path + ": no such file");
#if !defined(_WIN32)
    // Mapping spares copying the file and faulting in a buffer for it, most of the time a read takes.
    const int fd = ::open(utf8Path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat st {};
    if (fd >= 0 && ::fstat(fd, &st) == 0 && st.st_size > 0) {
        int flags = MAP_PRIVATE;
#if defined(MAP_POPULATE)
        flags |= MAP_POPULATE;
#endif
        void* at = ::mmap(nullptr, static_cast<std::size_t>(st.st_size), PROT_READ, flags, fd, 0);
        if (at != MAP_FAILED) {
            data_ = static_cast<const uint8_t*>(at);
            size_ = static_cast<std::size_t>(st.st_size);
            mapped_ = true;
        }
    }
    if (fd >= 0)
        ::close(fd);
    if (mapped_)
        return;
#endif
    read_ = readWhole(utf8Path);
    data_ = read_.data();
    size_ = read_.size();
}

FileBytes::~FileBytes() {
#if !defined(_WIN32)
    if (mapped_)
        ::munmap(const_cast<uint8_t*>(data_), size_);
#endif
}

} // namespace zvkdb
