#include "callsign_input.h"

#include "utf8_text.h"

namespace zvkdb {

std::vector<std::u16string> parseCallsignList(std::string_view text) {
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (text.substr(0, bom.size()) == bom)
        text.remove_prefix(bom.size());

    std::vector<std::u16string> callsigns;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty())
            continue;
        std::optional<std::u16string> callsign = decodeUtf8(line);
        if (!callsign)
            throw InputError("line " + std::to_string(lineNumber) + ": not UTF-8 text");
        if (callsign->size() > 255)
            throw InputError("line " + std::to_string(lineNumber) + ": callsign longer than 255 characters");
        callsigns.push_back(std::move(*callsign));
    }
    return callsigns;
}

} // namespace zvkdb
