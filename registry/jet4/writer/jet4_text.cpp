#include "registry/jet4/writer/jet4_text.h"

#include "registry/jet4/format/text.h"

#include <algorithm>
#include <iterator>

namespace jet4::write {

Bytes utf16le(std::u16string_view text) {
    Bytes out;
    out.reserve(2 * text.size());
    for (char16_t c : text)
        append16(out, c);
    return out;
}

Bytes encodeText(std::u16string_view text) {
    const bool compressible = text.size() > 2 && std::all_of(text.begin(), text.end(),
                                                             [](char16_t c) { return c >= 1 && c <= 0xFF; });
    if (!compressible)
        return utf16le(text);
    Bytes out(std::begin(format::text::kCompressedMarker), std::end(format::text::kCompressedMarker));
    for (char16_t c : text)
        out.push_back(static_cast<uint8_t>(c));
    return out;
}

} // namespace jet4::write
