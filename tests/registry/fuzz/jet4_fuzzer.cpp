// libFuzzer entry: whatever the bytes, probe, open, read every table and index its columns, ending
// either normally or in jet4::Error. The index read straight from the rows checks no more than the whole
// table does, and must answer as the index built from the table.
#include "registry/jet4/header.h"
#include "registry/jet4/jet4_reader.h"
#include "registry/jet4/member_index.h"
#include "zero_runs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        jet4::probe(data, size);
    } catch (const jet4::Error&) {
    }
    std::vector<uint8_t> file = expandZeroRuns(data, size);
    // Most mutations shift the length, which the reader refuses unless it is whole pages: round it up so
    // that they still reach the structures behind page 0.
    file.resize((file.size() + jet4::kPageSize - 1) / jet4::kPageSize * jet4::kPageSize, 0);
    try {
        // Open with the stored password so that protected files are read as deeply as plain ones.
        const std::u16string password = jet4::decodeHeader(file.data(), file.size()).password;
        const jet4::Database db(std::move(file), password);
        for (const std::u16string& name : db.tableNames()) {
            const jet4::Table table = db.table(name);
            for (size_t col = 0; col < table.columns().size(); ++col) {
                for (size_t row = 0; row < table.rowCount(); ++row)
                    table.display(row, col);
                const jet4::MemberIndex whole(table, col);
                jet4::MemberIndex direct;
                try {
                    direct = db.memberIndex(name, col);
                } catch (const jet4::Error&) {
                    __builtin_trap(); // the table read, so its column must
                }
                if (direct.size() != whole.size() || direct.contains(u"UA3ABC") != whole.contains(u"UA3ABC"))
                    __builtin_trap();
                for (size_t row = 0; row < table.rowCount(); ++row)
                    if (!table.isNull(row, col) && !direct.contains(table.text(row, col)) &&
                        jet4::isText(table.columns()[col].type))
                        __builtin_trap();
            }
        }
    } catch (const jet4::Error&) {
    }
    return 0;
}
