// The zvkdb command line: verb, file, options and operands.
#ifndef ZVKDB_CLI_OPTIONS_H
#define ZVKDB_CLI_OPTIONS_H

#include <stdexcept>
#include <string>
#include <vector>

namespace zvkdb {

// The plug-in's own database password; the default for reading and for new files.
inline constexpr char kDefaultPassword[] = "w52rt7jh";

enum class Verb { Help, Info, List, Check, Create };

struct Options {
    Verb verb = Verb::Help;
    std::string file; // UTF-8, like every text here
    std::string table = "main";
    std::string column = "Callsign";
    std::string password = kDefaultPassword;
    bool force = false;
    bool csv = false;                   // list
    std::vector<std::string> callsigns; // check
};

class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// `args` without the program name. Throws UsageError with a one-line reason.
Options parseOptions(const std::vector<std::string>& args);

extern const char kUsage[];

} // namespace zvkdb

#endif
