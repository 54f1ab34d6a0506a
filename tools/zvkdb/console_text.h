// What differs between the native and the Windows console: how arguments arrive, how text goes out.
#ifndef ZVKDB_CONSOLE_TEXT_H
#define ZVKDB_CONSOLE_TEXT_H

#include <string>
#include <string_view>
#include <vector>

namespace zvkdb {

// The arguments after the program name, as UTF-8 (on Windows taken from the wide command line).
std::vector<std::string> utf8Arguments(int argc, char** argv);

// Text for the console: UTF-8 here, Windows-1251 on Windows.
std::string consoleText(std::u16string_view text);

// Standard input delivers bytes unchanged.
void makeInputBinary();

// Standard output writes bytes unchanged (on Windows, LF would otherwise become CRLF inside CSV values).
void makeOutputBinary();

} // namespace zvkdb

#endif
