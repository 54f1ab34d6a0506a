// A folder of its own for one test, removed with everything in it.
#pragma once
#include <windows.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace testing_support {

class TempFolder {
  public:
    TempFolder() {
        char base[MAX_PATH];
        GetTempPathA(MAX_PATH, base);
        static int counter = 0;
        // Process identifiers come round again, and a folder an earlier test left behind may hold files
        // this test must not find: only a folder made here is taken.
        do {
            path_ = std::string(base) + "zvk-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                    std::to_string(++counter);
        } while (!CreateDirectoryA(path_.c_str(), nullptr) && GetLastError() == ERROR_ALREADY_EXISTS);
    }
    ~TempFolder() { removeTree(path_); }
    TempFolder(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "\\" + name; }
    std::string folder(const std::string& name) const {
        std::string sub = file(name);
        CreateDirectoryA(sub.c_str(), nullptr);
        return sub;
    }
    static void write(const std::string& path, const std::vector<uint8_t>& bytes) {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
    static void write(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }

  private:
    static void removeTree(const std::string& path) {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                std::string name = found.cFileName;
                if (name == "." || name == "..") {
                    continue;
                }
                std::string child = path + "\\" + name;
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    removeTree(child);
                } else {
                    DeleteFileA(child.c_str());
                }
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(path.c_str());
    }
    std::string path_;
};

} // namespace testing_support
