#include "host/host_log.h"

#include <stdarg.h>
#include <stdio.h>

namespace brevlog {

void HostLog(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    fputs("brevlog: ", stdout);
    vfprintf(stdout, format, arguments);
    fputc('\n', stdout);
    fflush(stdout);
    va_end(arguments);
}

} // namespace brevlog
