#include "commands.h"

#include "callsign_input.h"
#include "database_file.h"

#include <ostream>

namespace zvkdb {

int runCommand(const Options& options, Console& console) {
    const auto fail = [&](const std::string& message) {
        console.err << "zvkdb: " << message << "\n";
        return kFailure;
    };
    try {
        switch (options.verb) {
        case Verb::Help:
            console.out << kUsage;
            return kSuccess;
        case Verb::Info:
            return runInfo(options, console);
        case Verb::List:
            return runList(options, console);
        case Verb::Check:
            return runCheck(options, console);
        case Verb::Create:
            return runCreate(options, console);
        }
        return fail("unknown command");
    } catch (const jet4::WrongPassword&) {
        return fail(options.file + ": wrong database password (give the right one with --password)");
    } catch (const jet4::Error& e) {
        return fail(options.file + ": not a readable Jet 4.0 database: " + e.what());
    } catch (const Failure& e) {
        return fail(e.what());
    } catch (const InputError& e) {
        return fail("input " + std::string(e.what()));
    } catch (const std::exception& e) {
        return fail(e.what());
    }
}

} // namespace zvkdb
