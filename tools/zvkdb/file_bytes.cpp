#include "file_bytes.h"

#include "commands.h"
#include "database_file.h"

#include <filesystem>
#include <fstream>

#if !defined(_WIN32)
#include <csignal>
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

#if !defined(_WIN32)
// A file another program cuts short while it is mapped loses the pages past its new end, and reading them
// raises SIGBUS. The tool then stops as for any file it cannot read, instead of dying of the signal.
void onBusError(int) {
    static const char message[] = "zvkdb: the file was cut short while it was being read\n";
    [[maybe_unused]] const auto written = ::write(STDERR_FILENO, message, sizeof message - 1);
    ::_exit(kFailure);
}

void stopCleanlyOnBusError() {
    struct sigaction action {};
    action.sa_handler = onBusError;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGBUS, &action, nullptr);
}
#endif

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
    if (mapped_) {
        stopCleanlyOnBusError();
        return;
    }
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
