#include "run_shell.h"

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <sys/wait.h>

CommandResult runShell(const std::string& command) {
    struct Closer {
        int* status;
        void operator()(FILE* f) const { *status = pclose(f); }
    };
    int status = -1;
    CommandResult result;
    {
        std::unique_ptr<FILE, Closer> pipe(popen(command.c_str(), "r"), Closer{&status});
        if (!pipe)
            throw std::runtime_error("cannot run: " + command);
        char buffer[65536];
        std::size_t got;
        while ((got = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0)
            result.out.append(buffer, got);
    }
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string shellQuote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}
