#include "commands.h"

#include "database_file.h"
#include "utf8_text.h"

#include <ostream>

namespace zvkdb {

int runInfo(const Options& options, Console& console) {
    const FileBytes bytes(options.file);
    // The header alone tells the format and whether a password is set.
    const jet4::FileInfo info = jet4::probe(bytes.data(), bytes.size());
    console.out << "format: " << info.format << "\n";
    console.out << "password: " << (info.hasPassword ? "set" : "none") << "\n";
    if (info.encoded)
        console.out << "encoded: yes\n";

    const jet4::Database database(bytes.data(), bytes.size(), argumentText(options.password, "the password"));
    console.out << "tables:\n";
    for (const std::u16string& name : database.tableNames())
        console.out << "  " << console.encode(name) << ": " << database.table(name).rowCount() << " rows\n";
    return kSuccess;
}

} // namespace zvkdb
