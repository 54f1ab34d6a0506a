#include "commands.h"

#include "database_file.h"
#include "registry/jet4/member_index.h"

#include <ostream>

namespace zvkdb {

// The plug-in's own lookup, so the answers are the ones the operator will see.
int runCheck(const Options& options, Console& console) {
    const jet4::Database database = openDatabase(options.file, options.password);
    const TableColumn found = readColumn(database, options);
    const jet4::MemberIndex members(found.table, found.column);
    if (!jet4::isText(found.table.columns()[found.column].type))
        console.err << "zvkdb: " << options.file << ": column '" << options.column
                    << "' holds no text, so no callsign is a member\n";
    bool all = true;
    for (const std::string& argument : options.callsigns) {
        const std::u16string callsign = argumentText(argument, "a callsign");
        const bool member = members.contains(callsign);
        all = all && member;
        console.out << console.encode(callsign) << ": " << (member ? "member" : "not a member") << "\n";
    }
    return all ? kSuccess : kNotAllMembers;
}

} // namespace zvkdb
