// The fuzzer's input form: Jet files are mostly zeros, so a zero byte followed by n stands for n + 1 zeros.
// Mutations then land on structure instead of padding, and seed files stay a few hundred bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

inline std::vector<uint8_t> expandZeroRuns(const uint8_t* data, size_t size) {
    std::vector<uint8_t> out;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] != 0)
            out.push_back(data[i]);
        else if (i + 1 < size)
            out.insert(out.end(), size_t{data[++i]} + 1, 0);
    }
    return out;
}

inline std::vector<uint8_t> compressZeroRuns(const std::vector<uint8_t>& file) {
    std::vector<uint8_t> out;
    for (size_t i = 0; i < file.size();) {
        if (file[i] != 0) {
            out.push_back(file[i++]);
            continue;
        }
        size_t run = 0;
        while (i < file.size() && file[i] == 0 && run < 256)
            ++i, ++run;
        out.push_back(0);
        out.push_back(static_cast<uint8_t>(run - 1));
    }
    return out;
}
