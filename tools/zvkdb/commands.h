// The zvkdb commands over the project's own reader, writer and member lookup.
#ifndef ZVKDB_COMMANDS_H
#define ZVKDB_COMMANDS_H

#include "cli_options.h"

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

namespace zvkdb {

enum ExitCode : int { kSuccess = 0, kNotAllMembers = 1, kFailure = 2 };

struct Console {
    std::istream& in; // binary
    std::ostream& out;
    std::ostream& err;
    // Values and callsigns as the console expects them (UTF-8, or Windows-1251 on Windows).
    std::function<std::string(std::u16string_view)> encode;
};

// Runs one parsed command line; every failure becomes a message on `err` and kFailure.
int runCommand(const Options& options, Console& console);

// The command bodies; they throw on failure and runCommand reports it.
int runInfo(const Options& options, Console& console);
int runList(const Options& options, Console& console);
int runCheck(const Options& options, Console& console);
int runCreate(const Options& options, Console& console);

} // namespace zvkdb

#endif
