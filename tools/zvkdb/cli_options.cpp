#include "cli_options.h"

#include <map>

namespace zvkdb {

const char kUsage[] =
    "usage:\n"
    "  zvkdb info FILE [--password P]\n"
    "  zvkdb list FILE [--table T] [--column C] [--password P] [--csv]\n"
    "  zvkdb check FILE CALLSIGN... [--password P]\n"
    "  zvkdb create FILE [--password P] [--force] < callsigns.txt\n"
    "The password defaults to the plug-in's own; --password \"\" means none.\n"
    "--csv lists one value a record as RFC 4180 CSV, so that line breaks stay inside values.\n";

namespace {

const std::map<std::string, Verb> kVerbs = {
    {"info", Verb::Info}, {"list", Verb::List}, {"check", Verb::Check}, {"create", Verb::Create}};

bool allowed(Verb verb, const std::string& option) {
    if (option == "--password")
        return true;
    if (option == "--table" || option == "--column" || option == "--csv")
        return verb == Verb::List;
    if (option == "--force")
        return verb == Verb::Create;
    return false;
}

} // namespace

Options parseOptions(const std::vector<std::string>& args) {
    Options options;
    if (args.empty())
        throw UsageError("no command given");
    if (args[0] == "help" || args[0] == "--help" || args[0] == "-h")
        return options;
    const auto verb = kVerbs.find(args[0]);
    if (verb == kVerbs.end())
        throw UsageError("unknown command '" + args[0] + "'");
    options.verb = verb->second;

    std::vector<std::string> operands;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        std::string arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            operands.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        std::string value;
        bool hasValue = false;
        if (const auto eq = arg.find('='); eq != std::string::npos) {
            value = arg.substr(eq + 1);
            arg.resize(eq);
            hasValue = true;
        }
        if (!allowed(options.verb, arg))
            throw UsageError("option " + arg + " does not apply to " + args[0]);
        if (arg == "--force" || arg == "--csv") {
            if (hasValue)
                throw UsageError(arg + " takes no value");
            (arg == "--force" ? options.force : options.csv) = true;
            continue;
        }
        if (!hasValue) {
            if (++i == args.size())
                throw UsageError(arg + " needs a value");
            value = args[i];
        }
        (arg == "--password" ? options.password : arg == "--table" ? options.table : options.column) = value;
    }

    if (operands.empty())
        throw UsageError("no FILE given");
    options.file = operands[0];
    operands.erase(operands.begin());
    if (options.verb == Verb::Check) {
        if (operands.empty())
            throw UsageError("no CALLSIGN given");
        options.callsigns = operands;
    } else if (!operands.empty()) {
        throw UsageError("unexpected argument '" + operands[0] + "'");
    }
    return options;
}

} // namespace zvkdb
