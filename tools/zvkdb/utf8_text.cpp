#include "utf8_text.h"

#include "registry/jet4/jet4_reader.h"

namespace zvkdb {

std::optional<std::u16string> decodeUtf8(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int extra;
        char32_t c, min;
        if (lead < 0x80) {
            extra = 0, c = lead, min = 0;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1, c = lead & 0x1F, min = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2, c = lead & 0x0F, min = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3, c = lead & 0x07, min = 0x10000;
        } else {
            return std::nullopt;
        }
        if (text.size() - i <= static_cast<std::size_t>(extra))
            return std::nullopt;
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            c = (c << 6) | (next & 0x3F);
        }
        if (c < min || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000))
            return std::nullopt;
        if (c >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
        i += extra + 1;
    }
    return out;
}

std::string encodeUtf8(std::u16string_view text) {
    return jet4::toUtf8(text);
}

} // namespace zvkdb
