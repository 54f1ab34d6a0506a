// UTF-16 to UTF-8 for comparing with what command-line programs print.
#ifndef ZVKDB_TEST_UTF8_H
#define ZVKDB_TEST_UTF8_H

#include <string>

#include "registry/jet4/jet4_reader.h"

inline std::string utf8(std::u16string_view text) {
    return jet4::toUtf8(text);
}

#endif
