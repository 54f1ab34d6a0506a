// Test helpers: whole-file reads and the shared sample files (absent on some machines).
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

inline std::vector<uint8_t> readWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::string sampleFile(const std::string& name) {
    return std::string(ZVK_MDB_FIXTURES) + "/" + name;
}

inline bool haveSampleFile(const std::string& name) {
    return std::ifstream(sampleFile(name)).good();
}
