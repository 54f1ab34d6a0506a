// Formatting of resource-string templates: each "%s" takes the next argument, "%%" is a percent sign.
// Arguments are inserted as they are, so a "%" inside an argument stays text.
#pragma once
#include <initializer_list>
#include <string>

namespace zvk {

std::string FormatText(const std::string& pattern, std::initializer_list<std::string> arguments);

} // namespace zvk
