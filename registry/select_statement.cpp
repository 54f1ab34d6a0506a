#include "registry/select_statement.h"

#include <cctype>
#include <vector>

#include "runtime/exception.h"

namespace zvk {

namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool sameWord(const std::string& a, const char* b) {
    size_t i = 0;
    for (; i < a.size() && b[i]; ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return i == a.size() && !b[i];
}

[[noreturn]] void syntaxError() {
    throw Exception("Syntax error in FROM clause.");
}

} // namespace

std::string SelectAllTable(const std::string& sql) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < sql.size()) {
        if (isSpace(sql[i])) {
            ++i;
            continue;
        }
        if (sql[i] == '[' || sql[i] == '`') {
            const char close = sql[i] == '[' ? ']' : '`';
            size_t end = sql.find(close, i + 1);
            if (end == std::string::npos || end == i + 1) {
                syntaxError();
            }
            words.push_back(sql.substr(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        if (sql[i] == ';' || sql[i] == '*') {
            words.push_back(std::string(1, sql[i++]));
            continue;
        }
        size_t end = i;
        while (end < sql.size() && !isSpace(sql[end]) && sql[end] != ';' && sql[end] != '*') {
            ++end;
        }
        words.push_back(sql.substr(i, end - i));
        i = end;
    }
    if (!words.empty() && words.back() == ";") {
        words.pop_back();
    }
    if (words.size() != 4 || !sameWord(words[0], "SELECT") || words[1] != "*" ||
        !sameWord(words[2], "FROM")) {
        syntaxError();
    }
    return words[3];
}

} // namespace zvk
