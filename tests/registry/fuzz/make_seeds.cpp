// Writes the fuzzer's seed corpus: small member files from the zvkdb writer (one altered to hold
// Memo values) in the zero-run form. Run once;
// the output is committed.
#include "registry/jet4/writer/jet4_writer.h"
#include "member_file_layout.h"
#include "zero_runs.h"

#include <cstdio>
#include <string>

namespace {

void save(const std::string& dir, const char* name, const std::vector<uint8_t>& file) {
    const std::vector<uint8_t> seed = compressZeroRuns(file);
    FILE* out = std::fopen((dir + "/" + name).c_str(), "wb");
    if (out == nullptr || std::fwrite(seed.data(), 1, seed.size(), out) != seed.size())
        std::perror(name);
    if (out)
        std::fclose(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS_DIR\n", argv[0]);
        return 2;
    }
    const double created = 45000.0;
    const std::vector<std::u16string> few = {u"UA3ABC", u"RK1ZZ/P", u"UA3АБВ", u"", u"DL1ÄÖ"};
    std::vector<std::u16string> many;
    for (int i = 0; i < 300; ++i)
        many.push_back(u"R" + std::u16string(1, char16_t(u'A' + i % 26)));
    save(argv[1], "empty.zr", jet4::writeMemberDatabase({}, u"", created));
    save(argv[1], "few.zr", jet4::writeMemberDatabase(few, u"", created));
    save(argv[1], "few-password.zr", jet4::writeMemberDatabase(few, u"w52rt7jh", created));
    save(argv[1], "two-pages.zr", jet4::writeMemberDatabase(many, u"", created));
    save(argv[1], "memo.zr", memoMemberFile());
    return 0;
}
