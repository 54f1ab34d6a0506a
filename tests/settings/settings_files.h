// A scratch folder per test and whole-file reads and writes, with paths in Windows-1251 as the store takes.
#pragma once
#include <windows.h>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "runtime/cp1251.h"

namespace zvk::test {

class TempFolder {
  public:
    TempFolder() {
        static std::atomic<int> counter{0};
        // Process identifiers come round again: a folder an earlier test left behind is not taken.
        do {
            path_ =
                std::filesystem::temp_directory_path() /
                ("zvk-settings-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter));
        } while (!std::filesystem::create_directory(path_));
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    // The path of an entry in this folder, as Windows-1251 text.
    std::string File(const std::string& name) const {
        return Cp1251FromWide((path_ / WideFromCp1251(name)).wstring());
    }

    // The names of the files and folders in this folder.
    std::set<std::string> Entries() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            names.insert(Cp1251FromWide(entry.path().filename().wstring()));
        return names;
    }

  private:
    std::filesystem::path path_;
};

inline std::filesystem::path PathOf(const std::string& file) {
    return std::filesystem::path(WideFromCp1251(file));
}

inline bool Exists(const std::string& file) {
    return std::filesystem::exists(PathOf(file));
}

inline std::string ReadBytes(const std::string& file) {
    std::ifstream in(PathOf(file), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& file, const std::string& bytes) {
    std::ofstream out(PathOf(file), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The file as a settings file whose root holds the given children.
inline void WriteConfiguration(const std::string& file, const std::string& children) {
    WriteBytes(file, "<?xml version=\"1.0\"?>\n<Configuration>" + children + "</Configuration>\n");
}

} // namespace zvk::test
