#include "commands.h"

#include "database_file.h"
#include "utf8_text.h"

#include <ostream>

namespace zvkdb {
namespace {

// RFC 4180: a field holding a quote, comma, CR or LF is quoted, its quotes doubled. So is an empty one, which
// would otherwise be a blank line that many CSV readers skip. The console's encodings keep these ASCII.
std::string csvField(const std::string& text) {
    if (!text.empty() && text.find_first_of("\",\r\n") == std::string::npos)
        return text;
    std::string field = "\"";
    for (const char c : text) {
        if (c == '"')
            field += '"';
        field += c;
    }
    return field + '"';
}

} // namespace

// NULLs are left out, as the member lookup leaves them out. Plain output is one value a line, as typed; CSV
// records end in CRLF, as RFC 4180 has them.
int runList(const Options& options, Console& console) {
    const DatabaseFile file(options.file, options.password);
    const ColumnRef found = findColumn(file.database(), options);
    const jet4::Table table = file.database().table(found.table);
    const bool text = jet4::isText(found.type);
    for (std::size_t row = 0; row < table.rowCount(); ++row) {
        if (table.isNull(row, found.column))
            continue;
        const std::u16string value = text ? std::u16string(table.text(row, found.column))
                                          : decodeUtf8(table.display(row, found.column)).value_or(u"?");
        if (options.csv)
            console.out << csvField(console.encode(value)) << "\r\n";
        else
            console.out << console.encode(value) << "\n";
    }
    return kSuccess;
}

} // namespace zvkdb
