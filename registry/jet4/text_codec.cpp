#include "registry/jet4/text_codec.h"

#include <cstring>

namespace jet4 {

void appendStoredText(const uint8_t* data, size_t size, std::u16string& out) {
    if (size >= 2 && data[0] == 0xFF && data[1] == 0xFE) {
        // Compressed: one byte per Latin-1 character; a zero byte toggles to UCS-2 and back.
        if (std::memchr(data + 2, 0, size - 2) == nullptr) {
            const size_t at = out.size();
            out.resize(at + size - 2);
            for (size_t k = 2; k < size; ++k)
                out[at + k - 2] = data[k];
            return;
        }
        bool compressed = true;
        size_t i = 2;
        while (i < size) {
            if (data[i] == 0) {
                compressed = !compressed;
                ++i;
            } else if (compressed) {
                out.push_back(static_cast<char16_t>(data[i]));
                ++i;
            } else {
                if (i + 1 >= size)
                    break;
                out.push_back(static_cast<char16_t>(data[i] | data[i + 1] << 8));
                i += 2;
            }
        }
        return;
    }
    const size_t units = size / 2;
    const size_t at = out.size();
    out.resize(at + units);
    for (size_t k = 0; k < units; ++k)
        out[at + k] = static_cast<char16_t>(data[2 * k] | data[2 * k + 1] << 8);
}

std::string toUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        uint32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD; // unpaired surrogate
        }
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | c >> 6));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | c >> 12));
            out.push_back(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | c >> 18));
            out.push_back(static_cast<char>(0x80 | (c >> 12 & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

std::u16string fromUtf8(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const uint8_t b = static_cast<uint8_t>(text[i]);
        size_t extra;
        uint32_t c;
        uint32_t minimum;
        if (b < 0x80) {
            out.push_back(b);
            ++i;
            continue;
        } else if ((b & 0xE0) == 0xC0) {
            extra = 1, c = b & 0x1F, minimum = 0x80;
        } else if ((b & 0xF0) == 0xE0) {
            extra = 2, c = b & 0x0F, minimum = 0x800;
        } else if ((b & 0xF8) == 0xF0) {
            extra = 3, c = b & 0x07, minimum = 0x10000;
        } else {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        size_t k = 1;
        for (; k <= extra && i + k < text.size(); ++k) {
            const uint8_t next = static_cast<uint8_t>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                break;
            c = c << 6 | (next & 0x3F);
        }
        if (k <= extra || c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            out.push_back(0xFFFD); // malformed sequence: replace its lead byte, resync on the next
            ++i;
            continue;
        }
        i += k;
        if (c >= 0x10000) {
            c -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(c));
        }
    }
    return out;
}

} // namespace jet4
