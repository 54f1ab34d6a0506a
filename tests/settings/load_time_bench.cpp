// How long TConfig::Load takes on settings files shaped to make the parser or the child walk work hard,
// at several sizes. A measuring program, not a test: run it under Wine and read the table.
#include <windows.h>
#include <objbase.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "settings/config.h"
#include "settings_files.h"

namespace zvk::test {
namespace {

const std::string kDeclaration = "<?xml version=\"1.0\"?>\n";

// Distinct short names: a0, a1, ... in base 36.
std::string ShortName(std::size_t n) {
    const char digits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string name;
    do {
        name += digits[n % 36];
        n /= 36;
    } while (n != 0);
    return "a" + name;
}

// Repeats piece(i) until the file would exceed `size` bytes.
std::string Fill(std::size_t size, const std::string& head,
                 const std::function<std::string(std::size_t)>& piece, const std::string& tail) {
    std::string text = head;
    for (std::size_t i = 0;; ++i) {
        const std::string next = piece(i);
        if (text.size() + next.size() + tail.size() > size)
            break;
        text += next;
    }
    return text + tail;
}

std::string Children(std::size_t size) {
    return Fill(
        size, kDeclaration + "<Configuration>", [](std::size_t) { return "<x type=\"\"/>"; },
        "</Configuration>\n");
}

std::string Attributes(std::size_t size) {
    return Fill(
        size, kDeclaration + "<Configuration", [](std::size_t i) { return " " + ShortName(i) + "=\"\""; },
        "/>\n");
}

std::string Namespaces(std::size_t size) {
    const std::string declarations = Fill(
        size / 2, "", [](std::size_t i) { return " xmlns:" + ShortName(i) + "=\"u\""; }, "");
    const std::size_t count = std::count(declarations.begin(), declarations.end(), ':');
    return Fill(
        size, kDeclaration + "<Configuration" + declarations + ">",
        [count](std::size_t i) { return "<" + ShortName(i % count) + ":x type=\"\"/>"; },
        "</Configuration>\n");
}

std::string Nesting(std::size_t size) {
    const std::size_t depth = (size - 64) / 7;
    std::string text = kDeclaration;
    for (std::size_t i = 0; i < depth; ++i)
        text += "<a>";
    text += "<Configuration/>";
    for (std::size_t i = 0; i < depth; ++i)
        text += "</a>";
    return text;
}

std::string LongText(std::size_t size) {
    return Fill(
        size, kDeclaration + "<Configuration><x type=\"String\">", [](std::size_t) { return "&amp;"; },
        "</x></Configuration>\n");
}

// A small file whose internal entities would expand to about ten million characters.
std::string EntityExpansion(std::size_t) {
    std::string doctype = "<!DOCTYPE Configuration [<!ENTITY e0 \"" + std::string(1000, 'x') + "\">";
    for (int level = 1; level <= 4; ++level) {
        std::string body;
        for (int i = 0; i < 10; ++i)
            body += "&e" + std::to_string(level - 1) + ";";
        doctype += "<!ENTITY e" + std::to_string(level) + " \"" + body + "\">";
    }
    return kDeclaration + doctype + "]><Configuration><x type=\"String\">&e4;</x></Configuration>";
}

std::string RealFile(std::size_t) {
    return kDeclaration + "<Configuration><SelectColor type=\"Integer\">10354687</SelectColor>"
                          "<EnableSound type=\"Integer\">1</EnableSound></Configuration>\n";
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

// The median and the slowest of `runs` loads of the file. The first load in the process also loads the XML
// library, as the plug-in's first run call does.
void Measure(const TempFolder& folder, const char* shape, const std::string& bytes, int runs) {
    const std::string file = folder.File("configuration.xml");
    WriteBytes(file, bytes);
    std::vector<double> times;
    bool result = false;
    for (int i = 0; i < runs; ++i) {
        TConfig config;
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        result = config.Load(file);
        QueryPerformanceCounter(&end);
        times.push_back(Milliseconds(start, end));
    }
    std::sort(times.begin(), times.end());
    std::printf("%-18s %9zu bytes  %-5s %10.1f ms %10.1f ms\n", shape, bytes.size(),
                result ? "true" : "false", times[times.size() / 2], times.back());
    std::fflush(stdout);
}

} // namespace
} // namespace zvk::test

// Usage: settings_load_bench [MAX_BYTES]   (sizes from 4 KiB up to MAX_BYTES, default 1 MiB)
int main(int argc, char** argv) {
    using namespace zvk::test;
    const std::size_t largest = argc > 1 ? std::stoul(argv[1]) : 1024 * 1024;
    if (FAILED(CoInitialize(nullptr)))
        return 1;
    std::printf("%-18s %15s  %-5s %13s %13s\n", "shape", "size", "Load", "median", "slowest");
    {
        TempFolder folder;
        Measure(folder, "real file", RealFile(0), 9);
        Measure(folder, "entity expansion", EntityExpansion(0), 3);
        const struct {
            const char* name;
            std::string (*make)(std::size_t);
        } shapes[] = {{"children", Children},
                      {"attributes", Attributes},
                      {"namespaces", Namespaces},
                      {"nesting", Nesting},
                      {"long text", LongText}};
        for (std::size_t size = 4 * 1024; size <= largest; size *= 4)
            for (const auto& shape : shapes)
                Measure(folder, shape.name, shape.make(size), size > 64 * 1024 ? 1 : 5);
        if (largest >= 960 * 1024) {
            Measure(folder, "children", Children(960 * 1024), 1);
            Measure(folder, "attributes", Attributes(90000 * 9), 1);
        }
    }
    CoUninitialize();
    return 0;
}
