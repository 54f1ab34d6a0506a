#include "runtime/text_format.h"

#include "runtime/exception.h"

namespace zvk {

std::string FormatText(const std::string& pattern, std::initializer_list<std::string> arguments) {
    std::string result;
    auto next = arguments.begin();
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%' || i + 1 == pattern.size()) {
            result += pattern[i];
            continue;
        }
        char directive = pattern[++i];
        if (directive == '%') {
            result += '%';
        } else if (directive == 's' && next != arguments.end()) {
            result += *next++;
        } else {
            throw Exception("Format '" + pattern + "' invalid or incompatible with argument");
        }
    }
    return result;
}

} // namespace zvk
