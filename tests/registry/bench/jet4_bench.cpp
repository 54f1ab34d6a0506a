// The member list against its baselines, like with like, every figure the median of several rounds of the
// same run:
//   whole processes  `zvkdb check` (open, index, one lookup) against `mdb-export` of the table and `cat`;
//   in one process   open-to-ready (file to index, file let go) against reading the file's bytes;
//   lookups          hot (a few keys again and again) and cold (every key once, far more than the caches
//                    hold), hits and misses, against a linear scan;
//   memory           what the index holds while the list is open, and the process's peak resident memory
//                    while it opens (the file's mapped bytes included), per member.
// Argument: the zvkdb program. Rounds default to 5; ZVK_BENCH_ROUNDS changes that.
#include "registry/jet4/case_fold.h"
#include "registry/jet4/jet4_reader.h"
#include "registry/jet4/member_index.h"
#include "tools/zvkdb/file_bytes.h"
#include "registry/jet4/writer/jet4_writer.h"

#include <fcntl.h>
#include <malloc.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
const char16_t* const kPassword = u"w52rt7jh";
const size_t kSizes[] = {1000, 100000, 1000000};

int rounds() {
    const char* text = std::getenv("ZVK_BENCH_ROUNDS");
    return text != nullptr && std::atoi(text) > 0 ? std::atoi(text) : 5;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

template <typename F> double seconds(F&& f) {
    const auto start = Clock::now();
    f();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Callsign-like values: prefix, digit, suffix; distinct for distinct i.
std::u16string callsign(size_t i) {
    static const char16_t* prefixes[] = {u"UA", u"RA", u"RK", u"UR", u"DL", u"OH", u"ЮА", u"EW"};
    std::u16string s = prefixes[i % 8];
    s.push_back(static_cast<char16_t>(u'0' + i / 8 % 10));
    for (size_t rest = i / 80 + 1; rest > 0; rest /= 26)
        s.push_back(static_cast<char16_t>(u'A' + rest % 26));
    return s;
}

std::vector<std::u16string> callsigns(size_t count) {
    std::vector<std::u16string> out;
    out.reserve(count);
    for (size_t i = 0; i < count; ++i)
        out.push_back(callsign(i));
    return out;
}

std::string memberFile(size_t members) {
    const std::string path = "bench-members-" + std::to_string(members) + ".mdb";
    const std::vector<uint8_t> bytes = jet4::writeMemberDatabase(callsigns(members), kPassword, 45000.0);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

// Started directly, no shell, its output thrown away: the time a user waits for the command.
double runProcess(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = Clock::now();
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", argv[0]);
        std::exit(2);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    const double took = std::chrono::duration<double>(Clock::now() - start).count();
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) > 1) {
        std::fprintf(stderr, "%s failed\n", argv[0]);
        std::exit(2);
    }
    return took;
}

void wholeProcesses(const std::string& zvkdb, const std::vector<std::string>& files) {
    std::printf("Whole processes, median of %d rounds (ms)\n", rounds());
    std::printf("%10s %12s %12s %8s %17s %10s\n", "members", "zvkdb check", "mdb-export", "cat",
                "mdb-export/check", "check/cat");
    for (size_t i = 0; i < files.size(); ++i) {
        const std::string& file = files[i];
        std::vector<double> check, exporting, cat;
        for (int r = 0; r < rounds(); ++r) { // interleaved, so that load from elsewhere hits all alike
            check.push_back(runProcess({zvkdb, "check", file, "UA3X"}));
            exporting.push_back(runProcess({"mdb-export", file, "main"}));
            cat.push_back(runProcess({"cat", file}));
        }
        const double c = median(check), e = median(exporting), k = median(cat);
        std::printf("%10zu %12.2f %12.2f %8.2f %16.1fx %9.1fx\n", kSizes[i], c * 1e3, e * 1e3, k * 1e3, e / c,
                    c / k);
    }
}

// Open to ready as the tool and the plug-in do it: the file's bytes, the catalog, the key column indexed,
// the bytes let go.
jet4::MemberIndex openToReady(const std::string& file) {
    const zvkdb::FileBytes bytes(file);
    const jet4::Database db(bytes.data(), bytes.size(), kPassword);
    return db.memberIndex(u"main", 0);
}

size_t readTheBytes(const std::string& file) {
    const zvkdb::FileBytes bytes(file);
    size_t sum = 0;
    for (size_t at = 0; at < bytes.size(); at += 64)
        sum += bytes.data()[at];
    return sum;
}

// Resident memory from the kernel: current and peak (VmHWM), which writing 5 to clear_refs resets. It counts
// what the heap takes and the file's mapped pages alike, as a page is touched.
size_t residentKb(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0)
            return static_cast<size_t>(std::atol(line.c_str() + std::strlen(field)));
    return 0;
}

void inProcess(const std::vector<std::string>& files) {
    std::printf("\nIn one process, median of %d rounds (ms); memory per member\n", rounds());
    std::printf("%10s %14s %14s %12s %14s %20s\n", "members", "open-to-ready", "read bytes", "ready/read",
                "held B/member", "peak RSS B/member");
    for (size_t i = 0; i < files.size(); ++i) {
        std::vector<double> ready, read;
        size_t sink = 0;
        for (int r = 0; r < rounds(); ++r) {
            read.push_back(seconds([&] { sink += readTheBytes(files[i]); }));
            ready.push_back(seconds([&] { sink += openToReady(files[i]).size(); }));
        }
        const size_t before = residentKb("VmRSS:");
        std::ofstream("/proc/self/clear_refs") << "5";
        const jet4::MemberIndex index = openToReady(files[i]);
        const double members = static_cast<double>(kSizes[i]);
        const double held = static_cast<double>(index.memoryUsage()) / members;
        const size_t highWater = residentKb("VmHWM:");
        const double peak = static_cast<double>(highWater - std::min(before, highWater)) * 1024 / members;
        std::printf("%10zu %14.2f %14.2f %11.1fx %14.1f %20.1f%s\n", kSizes[i], median(ready) * 1e3,
                    median(read) * 1e3, median(ready) / median(read), held, peak, sink == 0 ? " " : "");
    }
}

// Keys back to back in one buffer, so that reading them streams and the index's misses are what counts.
struct Keys {
    std::u16string chars;
    std::vector<uint32_t> ends;
    std::u16string_view operator[](size_t i) const {
        const size_t begin = i == 0 ? 0 : ends[i - 1];
        return std::u16string_view(chars).substr(begin, ends[i] - begin);
    }
    size_t size() const { return ends.size(); }
    void add(std::u16string key) {
        chars += key;
        ends.push_back(static_cast<uint32_t>(chars.size()));
    }
};

// Members in lower case (as typed) and non-members (portable suffix), in random order.
Keys lookupKeys(size_t members, size_t count, bool hits, uint32_t seed) {
    std::vector<size_t> order(count);
    for (size_t i = 0; i < count; ++i)
        order[i] = i % members;
    std::shuffle(order.begin(), order.end(), std::mt19937(seed));
    Keys keys;
    for (size_t i : order) {
        std::u16string key = callsign(i);
        if (hits)
            for (char16_t& c : key)
                c = jet4::foldCase(c);
        else
            key += u"/P";
        keys.add(std::move(key));
    }
    return keys;
}

double nanosPerLookup(const jet4::MemberIndex& index, const Keys& keys, size_t lookups, bool expected) {
    std::vector<double> times;
    for (int r = 0; r < rounds(); ++r) {
        size_t found = 0;
        const double s = seconds([&] {
            for (size_t i = 0, k = 0; i < lookups; ++i, k = k + 1 == keys.size() ? 0 : k + 1)
                found += index.contains(keys[k]);
        });
        if (found != (expected ? lookups : 0)) {
            std::fprintf(stderr, "lookup answers are wrong\n");
            std::exit(2);
        }
        times.push_back(s);
    }
    return median(times) * 1e9 / static_cast<double>(lookups);
}

double linearScan(const std::vector<std::u16string>& values, const Keys& keys) {
    std::vector<double> times;
    const size_t lookups = std::max<size_t>(4, 4000000 / values.size());
    for (int r = 0; r < rounds(); ++r) {
        size_t found = 0;
        times.push_back(seconds([&] {
            for (size_t i = 0; i < lookups; ++i)
                for (const std::u16string& v : values)
                    if (jet4::equalFolded(v, keys[i % keys.size()])) {
                        ++found;
                        break;
                    }
        }));
        if (found != 0)
            std::exit(2);
    }
    return median(times) * 1e9 / static_cast<double>(lookups);
}

void lookups() {
    std::printf(
        "\nLookups, median of %d rounds (ns a lookup): hot = 1024 keys again and again, cold = every key "
        "once in random order\n",
        rounds());
    std::printf("%10s %9s %9s %9s %9s %12s %14s %15s\n", "members", "hot hit", "hot miss", "cold hit",
                "cold miss", "linear scan", "scan/hot miss", "scan/cold miss");
    for (size_t members : kSizes) {
        const std::vector<std::u16string> values = callsigns(members);
        const jet4::MemberIndex index(values);
        // Cold: as many distinct keys as there are members, at least a million, so that neither the keys
        // nor the touched part of the index stay cached between two uses.
        const size_t coldCount = std::max<size_t>(members, 1000000);
        const Keys hotHits = lookupKeys(members, 1024, true, 1),
                   hotMisses = lookupKeys(members, 1024, false, 2);
        const Keys coldHits = lookupKeys(members, coldCount, true, 3);
        const Keys coldMisses = lookupKeys(members, coldCount, false, 4);
        const double hh = nanosPerLookup(index, hotHits, 1000000, true);
        const double hm = nanosPerLookup(index, hotMisses, 1000000, false);
        const double ch = nanosPerLookup(index, coldHits, coldCount, true);
        const double cm = nanosPerLookup(index, coldMisses, coldCount, false);
        const double scan = linearScan(values, hotMisses);
        std::printf("%10zu %9.1f %9.1f %9.1f %9.1f %12.0f %13.0fx %14.0fx\n", members, hh, hm, ch, cm, scan,
                    scan / hm, scan / cm);
    }
}

} // namespace

int main(int argc, char** argv) {
    // A fixed threshold keeps large blocks mapped and returned at free (the default one rises after the
    // first such free), so that resident memory follows what the index takes.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    if (argc != 2) {
        std::fprintf(stderr, "usage: jet4_bench ZVKDB\n");
        return 2;
    }
    std::vector<std::string> files;
    for (size_t members : kSizes)
        files.push_back(memberFile(members));
    wholeProcesses(argv[1], files);
    inProcess(files);
    lookups();
    for (const std::string& file : files)
        std::remove(file.c_str());
    return 0;
}
