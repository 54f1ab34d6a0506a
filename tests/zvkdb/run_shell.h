// Runs a shell command and collects what it writes to standard output (POSIX only).
#ifndef ZVKDB_TEST_RUN_SHELL_H
#define ZVKDB_TEST_RUN_SHELL_H

#include <string>

struct CommandResult {
    int exitCode = -1;
    std::string out;
};

CommandResult runShell(const std::string& command);

// Wraps a path or argument in single quotes for the shell.
std::string shellQuote(const std::string& text);

#endif
