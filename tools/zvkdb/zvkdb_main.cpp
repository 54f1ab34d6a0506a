// zvkdb: inspect, query and create member databases.
#include "commands.h"
#include "console_text.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    try {
        zvkdb::Options options;
        try {
            options = zvkdb::parseOptions(zvkdb::utf8Arguments(argc, argv));
        } catch (const zvkdb::UsageError& e) {
            std::cerr << "zvkdb: " << e.what() << "\n" << zvkdb::kUsage;
            return zvkdb::kFailure;
        }
        zvkdb::makeInputBinary();
        if (options.csv)
            zvkdb::makeOutputBinary();
        zvkdb::Console console{std::cin, std::cout, std::cerr, zvkdb::consoleText};
        const int code = zvkdb::runCommand(options, console);
        std::cout.flush();
        return code;
    } catch (...) {
        std::cerr << "zvkdb: unexpected failure\n";
        return zvkdb::kFailure;
    }
}
