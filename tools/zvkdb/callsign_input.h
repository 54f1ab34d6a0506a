// The input of `zvkdb create`: one callsign a line.
#ifndef ZVKDB_CALLSIGN_INPUT_H
#define ZVKDB_CALLSIGN_INPUT_H

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zvkdb {

class InputError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// UTF-8 text, with or without a byte-order mark; a trailing CR is dropped from each line. Blank lines are
// skipped: an empty member callsign would match every empty grid cell. Nothing else is trimmed, since
// the plug-in compares callsigns unchanged. Throws InputError naming the line for bad UTF-8 or a
// callsign over 255 UTF-16 units.
std::vector<std::u16string> parseCallsignList(std::string_view text);

} // namespace zvkdb

#endif
