#include "bench/SayingsFiles.h"
#include "platform/InputFile.h"
#include "platform/LineInput.h"
#include "platform/RandomSource.h"
#include "sayings/SayingDraw.h"
#include "sayings/SayingTable.h"
#include "sayings/SayingsReader.h"
#include "sayings/TextDecoding.h"
#include "support/TempDir.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <map>
#include <ostream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace jestrel::bench
{

namespace
{

// The file part of one draw, composed as drawSaying composes it: a fresh table filled from the
// file, and the decoding of the saying shown (the last, a long one).
int readFilePart(const std::string &path)
{
    SayingTable table;
    InputFile file(path);
    LineInput input(
        path, [&file](std::span<char> buffer) { return file.read(buffer); }, kMaxSayingLineBytes);
    const int count = readSayings(input, table);
    std::string shown = decodeLine(table.at(count - 2));
    benchmark::DoNotOptimize(shown);
    return count;
}

// The floor any reader of the whole file pays: one read of all of it, then a split on line feeds.
std::size_t readFloor(const std::string &path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat status {
    };
    ::fstat(fd, &status);
    std::string bytes(static_cast<std::size_t>(status.st_size), '\0');
    const ssize_t count = ::read(fd, bytes.data(), bytes.size());
    ::close(fd);
    bytes.resize(static_cast<std::size_t>(std::max<ssize_t>(count, 0)));

    std::vector<std::string_view> lines;
    const char *first = bytes.data();
    const char *last = first + bytes.size();
    while (first < last) {
        const auto *feed = static_cast<const char *>(std::memchr(first, '\n', static_cast<std::size_t>(last - first)));
        const char *end = feed ? feed : last;
        lines.emplace_back(first, static_cast<std::size_t>(end - first));
        first = end + 1;
    }
    benchmark::DoNotOptimize(lines.data());
    return lines.size();
}

// What a reader written without care pays, for scale.
std::size_t readCarelessly(const std::string &path)
{
    std::ifstream file(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    benchmark::DoNotOptimize(lines.data());
    return lines.size();
}

template<class Read> void measure(benchmark::State &state, const std::string &path, std::size_t expected, Read read)
{
    if (static_cast<std::size_t>(read(path)) != expected) {
        state.SkipWithError("the file did not read as expected");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(read(path));
}

// Keeps the medians of the benchmarks and, after the run, prints the side-by-side ratios the
// targets are stated in.
class TargetReporter : public benchmark::ConsoleReporter
{
public:
    TargetReporter() : ConsoleReporter(::isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) { }

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.aggregate_name == "median" || (run.aggregate_name.empty() && run.repetitions <= 1))
                m_cpuMicroseconds[run.run_name.function_name] = run.GetAdjustedCPUTime();
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::ostream &out = GetOutputStream();
        out << "\nSide by side (median CPU time):\n";
        for (const char *kind : { "ascii", "utf8", "windows1252" })
            ratio(out, std::string("file_part/") + kind, std::string("floor/") + kind, "at most 3");
        ratio(out, "file_part/utf8_dense", "floor/utf8_dense", "for scale");
        ratio(out, "file_part/count3_100MB", "file_part/count3_small", "about 1");
        ratio(out, "careless/ascii", "floor/ascii", "for scale");
    }

private:
    void ratio(std::ostream &out, const std::string &measured, const std::string &against, const char *target) const
    {
        const auto top = m_cpuMicroseconds.find(measured);
        const auto bottom = m_cpuMicroseconds.find(against);
        if (top == m_cpuMicroseconds.end() || bottom == m_cpuMicroseconds.end() || bottom->second <= 0)
            return;
        char line[200];
        std::snprintf(line, sizeof line, "  %-24s / %-24s %6.2f  (%.1f us / %.1f us; target: %s)\n", measured.c_str(),
                      against.c_str(), top->second / bottom->second, top->second, bottom->second, target);
        out << line;
    }

    std::map<std::string, double> m_cpuMicroseconds;
};

} // namespace

} // namespace jestrel::bench

int main(int argc, char **argv)
{
    using namespace jestrel;
    using namespace jestrel::bench;

    // Interleaved repetitions keep a busy machine from favouring one benchmark; later arguments
    // override these.
    std::vector<char *> arguments { argv[0] };
    std::string defaults[] = { "--benchmark_repetitions=9", "--benchmark_enable_random_interleaving=true",
                               "--benchmark_report_aggregates_only=true", "--benchmark_min_time=0.05" };
    for (std::string &flag : defaults)
        arguments.push_back(flag.data());
    arguments.insert(arguments.end(), argv + 1, argv + argc);
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    if (benchmark::ReportUnrecognizedArguments(count, arguments.data()))
        return 1;

    // Written once, so every iteration reads from a warm page cache.
    const test::TempDir dir;
    const auto file
        = [&dir](const std::string &name, const std::string &bytes) { return dir.write(name, bytes).string(); };
    const std::map<std::string, std::string> full {
        { "ascii", file("ascii.ini", sayingsFile(TextKind::Ascii, kFullCount)) },
        { "utf8", file("utf8.ini", sayingsFile(TextKind::Utf8, kFullCount)) },
        { "windows1252", file("windows1252.ini", sayingsFile(TextKind::Windows1252, kFullCount)) },
        { "utf8_dense", file("utf8_dense.ini", sayingsFile(TextKind::Utf8Dense, kFullCount)) },
    };
    constexpr std::size_t kHugeBytes = 100 * 1000 * 1000;
    const std::string small3 = file("count3_small.ini", sayingsFile(TextKind::Ascii, 3));
    const std::string huge3 = file("count3_100MB.ini", sayingsFile(TextKind::Ascii, 3, kHugeBytes / kLineBytes));

    // The count, and the lines a whole reading splits the file into.
    const auto lines = static_cast<std::size_t>(kFullCount);
    for (const auto &[kind, path] : full) {
        benchmark::RegisterBenchmark(("file_part/" + kind).c_str(), [path = path](benchmark::State &state) {
            measure(state, path, lines, readFilePart);
        })->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("floor/" + kind).c_str(), [path = path](benchmark::State &state) {
            measure(state, path, lines, readFloor);
        })->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark("careless/ascii", [path = full.at("ascii")](benchmark::State &state) {
        measure(state, path, lines, readCarelessly);
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("file_part/count3_small", [small3](benchmark::State &state) {
        measure(state, small3, 3, readFilePart);
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("file_part/count3_100MB", [huge3](benchmark::State &state) {
        measure(state, huge3, 3, readFilePart);
    })->Unit(benchmark::kMicrosecond);

    benchmark::RegisterBenchmark("draw/pick", [](benchmark::State &state) {
        ClockRandom random;
        for (auto _ : state) {
            random.reseed();
            benchmark::DoNotOptimize(pickIndex(kFullCount, random.next()));
        }
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("draw/whole_ascii", [path = full.at("ascii")](benchmark::State &state) {
        ClockRandom random;
        std::size_t captions = 0;
        for (auto _ : state)
            drawSaying(random, { [&captions](const std::string &caption) { captions += caption.size(); } },
                       SayingsFile(path));
        benchmark::DoNotOptimize(captions);
    })->Unit(benchmark::kMicrosecond);

    TargetReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
