// Opening the member database at the first run, and the one question the marking asks of it.
#pragma once
#include <string>

namespace zvk {

// The file lies in "ZVK" under the host's plug-in data folder. Every error is swallowed: without the
// file the plug-in runs on, marking nothing.
void OpenMemberDatabase() noexcept;

// False while the member table is not open.
bool IsMember(const std::string& callsign) noexcept;

extern const char* const MemberDatabasePassword;

} // namespace zvk
