// Strict UTF-8 to UTF-16 and back for the tool's arguments, input lists and native output.
#ifndef ZVKDB_UTF8_TEXT_H
#define ZVKDB_UTF8_TEXT_H

#include <optional>
#include <string>
#include <string_view>

namespace zvkdb {

// Empty when `text` is not well-formed UTF-8 (overlong forms and surrogates included).
std::optional<std::u16string> decodeUtf8(std::string_view text);

// Unpaired surrogates become U+FFFD.
std::string encodeUtf8(std::u16string_view text);

} // namespace zvkdb

#endif
