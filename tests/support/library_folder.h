// Which build of vnxfsys.dll the library search finds: the one in the given folder, or none for a folder
// without it, for one test. The test programs' own folders hold none.
#pragma once
#include <windows.h>

#include <string>

namespace testing_support {

inline std::string WindowsPath(std::string path) {
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
    return !path.empty() && path[0] == '\\' ? "Z:" + path : path;
}

class LibraryFolder {
  public:
    explicit LibraryFolder(const char* folder) { SetDllDirectoryA(WindowsPath(folder).c_str()); }
    ~LibraryFolder() { SetDllDirectoryA(nullptr); }
    LibraryFolder(const LibraryFolder&) = delete;
    LibraryFolder& operator=(const LibraryFolder&) = delete;
};

// The probing build's report and answers (vnxfsys/probe.cpp), cleared at the end of a test.
class ProbeEnvironment {
  public:
    ~ProbeEnvironment() {
        for (const char* name : {"VNXFSYS_PROBE_LOADS", "VNXFSYS_PROBE_OWNER", "VNXFSYS_PROBE_FOLDER",
                                 "VNXFSYS_PROBE_FILL", "VNXFSYS_PROBE_RESULT"}) {
            SetEnvironmentVariableA(name, nullptr);
        }
    }
    void set(const char* name, const char* value) { SetEnvironmentVariableA(name, value); }
    std::string get(const char* name) const {
        char text[300] = {};
        return GetEnvironmentVariableA(name, text, sizeof text) ? text : "";
    }
};

} // namespace testing_support
