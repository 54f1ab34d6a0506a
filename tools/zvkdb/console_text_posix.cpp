#include "console_text.h"

#include "utf8_text.h"

namespace zvkdb {

std::vector<std::string> utf8Arguments(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

std::string consoleText(std::u16string_view text) {
    return encodeUtf8(text);
}

void makeInputBinary() {}

void makeOutputBinary() {}

} // namespace zvkdb
