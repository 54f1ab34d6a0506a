// Windows-1251, the code page of the texts the host hands us.
#pragma once

#include <string>
#include <string_view>

namespace jet4 {

// Byte 0x98, undefined in the code page, becomes U+FFFD.
std::u16string cp1251ToUtf16(std::string_view text);

} // namespace jet4
