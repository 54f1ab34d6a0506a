#include "registry/jet4/cp1251.h"

#include <cstdint>

namespace jet4 {

std::u16string cp1251ToUtf16(std::string_view text) {
    std::u16string out(text.size(), u'\0');
    for (size_t i = 0; i < text.size(); ++i)
        out[i] = kCp1251[static_cast<uint8_t>(text[i])].ch;
    return out;
}

} // namespace jet4
