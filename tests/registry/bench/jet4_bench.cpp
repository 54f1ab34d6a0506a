// Opening a member file and looking callsigns up: against mdb-export, against reading the bytes alone, and
// against a linear scan. Memory per member is reported as a counter.
#include "registry/jet4/case_fold.h"
#include "registry/jet4/jet4_reader.h"
#include "registry/jet4/member_index.h"
#include "tools/zvkdb/jet4_writer.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

namespace {

constexpr size_t kFileMembers = 100000;
const char* const kFile = "bench-members.mdb";

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

const std::string& memberFile() {
    static const std::string path = [] {
        const std::vector<uint8_t> bytes = jet4::writeMemberDatabase(callsigns(kFileMembers), u"w52rt7jh");
        std::ofstream(kFile, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return std::string(kFile);
    }();
    return path;
}

std::vector<uint8_t> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    in.seekg(0, std::ios::end);
    std::vector<uint8_t> bytes(static_cast<size_t>(in.tellg()));
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

void ReadFileBytes(benchmark::State& state) {
    const std::string& path = memberFile();
    for (auto _ : state)
        benchmark::DoNotOptimize(readBytes(path).data());
}
BENCHMARK(ReadFileBytes)->Unit(benchmark::kMillisecond)->UseRealTime();

void OpenAndLoadMain(benchmark::State& state) {
    const std::string& path = memberFile();
    size_t fileSize = 0, rows = 0, tableBytes = 0;
    for (auto _ : state) {
        std::vector<uint8_t> bytes = readBytes(path);
        fileSize = bytes.size();
        const jet4::Database db(std::move(bytes), u"w52rt7jh");
        const jet4::Table table = db.table(u"main");
        rows = table.rowCount();
        tableBytes = table.memoryUsage();
        benchmark::DoNotOptimize(rows);
    }
    const jet4::Table table = jet4::Database(readBytes(path), u"w52rt7jh").table(u"main");
    const jet4::MemberIndex index(table, 0);
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["file_bytes"] = static_cast<double>(fileSize);
    state.counters["table_B_per_member"] = static_cast<double>(tableBytes) / static_cast<double>(rows);
    state.counters["index_B_per_member"] =
        static_cast<double>(index.memoryUsage()) / static_cast<double>(rows);
    state.counters["total_B_per_member"] =
        static_cast<double>(tableBytes + index.memoryUsage()) / static_cast<double>(rows);
}
BENCHMARK(OpenAndLoadMain)->Unit(benchmark::kMillisecond)->UseRealTime();

void MdbExportMain(benchmark::State& state) {
    const std::string command = "mdb-export -H '" + memberFile() + "' main > /dev/null";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("mdb-export failed");
}
BENCHMARK(MdbExportMain)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// Half the keys are members (in another letter case), half are not.
std::vector<std::u16string> lookupKeys(size_t members) {
    std::vector<std::u16string> keys;
    for (size_t i = 0; i < 1024; ++i) {
        std::u16string key = callsign((i * 7919) % members);
        if (i % 2)
            key += u"/P";
        else
            for (char16_t& c : key)
                c = jet4::foldCase(c);
        keys.push_back(key);
    }
    return keys;
}

void Contains(benchmark::State& state) {
    const size_t members = static_cast<size_t>(state.range(0));
    const jet4::MemberIndex index(callsigns(members));
    const std::vector<std::u16string> keys = lookupKeys(members);
    size_t i = 0, found = 0;
    for (auto _ : state)
        found += index.contains(keys[i++ & 1023]);
    benchmark::DoNotOptimize(found);
    state.counters["index_B_per_member"] =
        static_cast<double>(index.memoryUsage()) / static_cast<double>(members);
}
BENCHMARK(Contains)->Arg(1000)->Arg(100000)->Arg(1000000);

void LinearScan(benchmark::State& state) {
    const size_t members = static_cast<size_t>(state.range(0));
    const std::vector<std::u16string> values = callsigns(members);
    const std::vector<std::u16string> keys = lookupKeys(members);
    size_t i = 0, found = 0;
    for (auto _ : state) {
        const std::u16string& key = keys[i++ & 1023];
        for (const std::u16string& v : values)
            if (jet4::equalFolded(v, key)) {
                ++found;
                break;
            }
    }
    benchmark::DoNotOptimize(found);
}
BENCHMARK(LinearScan)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

// Prints the runs as usual, then the ratios that matter against the baselines of the same run.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.iterations > 0) {
                seconds_[run.benchmark_name()] =
                    run.real_accumulated_time / static_cast<double>(run.iterations);
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        auto ratio = [&](const char* what, const std::string& a, const std::string& b) {
            if (seconds_.count(a) && seconds_.count(b) && seconds_[b] > 0) {
                std::printf("%-44s %8.1fx\n", what, seconds_[a] / seconds_[b]);
            }
        };
        std::printf("\nRatios (same run):\n");
        ratio("mdb-export / open and load main", "MdbExportMain/iterations:5/real_time",
              "OpenAndLoadMain/real_time");
        ratio("open and load main / read the bytes", "OpenAndLoadMain/real_time", "ReadFileBytes/real_time");
        ratio("lookup at 1 000 000 / lookup at 1 000", "Contains/1000000", "Contains/1000");
        for (const char* n : {"1000", "100000", "1000000"}) {
            ratio((std::string("linear scan / lookup at ") + n).c_str(), std::string("LinearScan/") + n,
                  std::string("Contains/") + n);
        }
    }

  private:
    std::map<std::string, double> seconds_;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
