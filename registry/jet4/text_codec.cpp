#include "registry/jet4/text_codec.h"

#include "registry/jet4/format/text.h"

#include <optional>

namespace jet4 {

using namespace format::text;

namespace {

// Hands each character of a stored value to put, in order; false as soon as put answers false.
template <typename Put> bool decodeStored(const uint8_t* data, size_t size, Put&& put) {
    if (!isCompressed(data, size)) {
        for (size_t k = 0; k + 1 < size; k += 2)
            if (!put(static_cast<char16_t>(data[k] | data[k + 1] << 8)))
                return false;
        return true;
    }
    // Compressed: one byte per Latin-1 character; a zero byte toggles to UCS-2 and back.
    bool compressed = true;
    for (size_t i = kCompressedMarkerSize; i < size;) {
        if (data[i] == kModeSwitch) {
            compressed = !compressed;
            ++i;
        } else if (compressed) {
            if (!put(static_cast<char16_t>(data[i])))
                return false;
            ++i;
        } else {
            if (i + 1 >= size)
                break;
            if (!put(static_cast<char16_t>(data[i] | data[i + 1] << 8)))
                return false;
            i += 2;
        }
    }
    return true;
}

} // namespace

void appendStoredText(const uint8_t* data, size_t size, std::u16string& out) {
    out.reserve(out.size() + size);
    decodeStored(data, size, [&](char16_t c) {
        out.push_back(c);
        return true;
    });
}

bool decodeShortText(const uint8_t* data, size_t size, char16_t* out, size_t capacity, size_t& length) {
    size_t n = 0;
    const bool fits = decodeStored(data, size, [&](char16_t c) {
        if (n == capacity)
            return false;
        out[n++] = c;
        return true;
    });
    length = n;
    return fits;
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

namespace {

// Decodes the UTF-8 sequence at text[i] into c; the bytes it takes, or 0 when it is malformed
// (bad lead or continuation byte, cut short, overlong, a surrogate or beyond U+10FFFF).
size_t decodeUtf8At(std::string_view text, size_t i, uint32_t& c) {
    const uint8_t b = static_cast<uint8_t>(text[i]);
    size_t extra;
    uint32_t minimum;
    if (b < 0x80) {
        c = b;
        return 1;
    } else if ((b & 0xE0) == 0xC0) {
        extra = 1, c = b & 0x1F, minimum = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        extra = 2, c = b & 0x0F, minimum = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
        extra = 3, c = b & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (text.size() - i <= extra)
        return 0;
    for (size_t k = 1; k <= extra; ++k) {
        const uint8_t next = static_cast<uint8_t>(text[i + k]);
        if ((next & 0xC0) != 0x80)
            return 0;
        c = c << 6 | (next & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    return extra + 1;
}

void appendUtf16(std::u16string& out, uint32_t c) {
    if (c >= 0x10000) {
        c -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
    } else {
        out.push_back(static_cast<char16_t>(c));
    }
}

} // namespace

std::u16string fromUtf8(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        uint32_t c = 0;
        const size_t taken = decodeUtf8At(text, i, c);
        if (taken == 0) {
            out.push_back(0xFFFD); // malformed sequence: replace its lead byte, resync on the next
            ++i;
            continue;
        }
        appendUtf16(out, c);
        i += taken;
    }
    return out;
}

std::optional<std::u16string> fromUtf8Strict(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        uint32_t c = 0;
        const size_t taken = decodeUtf8At(text, i, c);
        if (taken == 0)
            return std::nullopt;
        appendUtf16(out, c);
        i += taken;
    }
    return out;
}

} // namespace jet4
