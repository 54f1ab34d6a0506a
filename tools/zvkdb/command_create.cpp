#include "commands.h"

#include "callsign_input.h"
#include "database_file.h"
#include "registry/jet4/format/header_page.h"
#include "registry/jet4/writer/jet4_writer.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>

namespace zvkdb {

int runCreate(const Options& options, Console& console) {
    const std::filesystem::path path = std::filesystem::u8path(options.file);
    std::error_code error;
    if (std::filesystem::exists(path, error) && !options.force)
        throw Failure(options.file + " exists; give --force to replace it");
    const std::u16string password = argumentText(options.password, "the password");
    if (password.size() > jet4::format::header_page::kPasswordChars)
        throw Failure("the password is longer than 20 characters");

    const std::string input((std::istreambuf_iterator<char>(console.in)), std::istreambuf_iterator<char>());
    const std::vector<std::u16string> callsigns = parseCallsignList(input);
    const std::vector<uint8_t> file = jet4::writeMemberDatabase(callsigns, password);

    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    out.close();
    if (!out)
        throw Failure(options.file + ": cannot write the file");
    console.out << options.file << ": " << callsigns.size() << " callsigns written\n";
    return kSuccess;
}

} // namespace zvkdb
