#include "commands.h"

#include "database_file.h"
#include "registry/jet4/member_index.h"

#include <ostream>

namespace zvkdb {

// The plug-in's own lookup, so the answers are the ones the operator will see: the key column alone read
// straight into the index, the file let go before the first lookup.
int runCheck(const Options& options, Console& console) {
    jet4::MemberIndex members;
    {
        const DatabaseFile file(options.file, options.password);
        const ColumnRef found = findColumn(file.database(), options);
        if (!jet4::isText(found.type))
            console.err << "zvkdb: " << options.file << ": column '" << options.column
                        << "' holds no text, so no callsign is a member\n";
        members = file.database().memberIndex(found.table, found.column);
    }
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
