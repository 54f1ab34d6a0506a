// What the host did, one line each on stdout (UTF-8).
#pragma once

namespace brevlog {

void HostLog(const char* format, ...) __attribute__((format(printf, 1, 2)));

} // namespace brevlog
