#include "utf8_text.h"

#include "registry/jet4/jet4_reader.h"

namespace zvkdb {

std::optional<std::u16string> decodeUtf8(std::string_view text) {
    return jet4::fromUtf8Strict(text);
}

std::string encodeUtf8(std::u16string_view text) {
    return jet4::toUtf8(text);
}

} // namespace zvkdb
