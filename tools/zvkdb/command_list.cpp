#include "commands.h"

#include "database_file.h"
#include "utf8_text.h"

#include <ostream>

namespace zvkdb {

// NULLs are left out, as the member lookup leaves them out.
int runList(const Options& options, Console& console) {
    const jet4::Database database = openDatabase(options.file, options.password);
    const TableColumn found = readColumn(database, options);
    const bool text = jet4::isText(found.table.columns()[found.column].type);
    for (std::size_t row = 0; row < found.table.rowCount(); ++row) {
        if (found.table.isNull(row, found.column))
            continue;
        const std::u16string value = text ? std::u16string(found.table.text(row, found.column))
                                          : decodeUtf8(found.table.display(row, found.column)).value_or(u"?");
        console.out << console.encode(value) << "\n";
    }
    return kSuccess;
}

} // namespace zvkdb
