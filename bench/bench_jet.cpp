// The Jet converter against the usual command-line pipeline, on the same file in the same
// run: "mdb-schema FILE sqlite" and "mdb-export -I sqlite" of every table, piped into the
// sqlite3 shell. Prints "ratio convert_jet VALUE" (converter time over pipeline time, median
// of the repetitions; the goal is at most 0.5), "noise convert_jet MIN MAX", the converter's
// peak memory on the file ("peak convert_jet_kb VALUE", with the peak of a process that only
// started) and a summary line.
//
// The pipeline exports BLOBs as hex (-b hex): with its default, the raw bytes of an OLE
// picture end the shell's reading of the statement and the rows after it are not loaded.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "orvane/jet.hpp"
#include "peak_memory.hpp"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

std::string Quote(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Runs this program again in `mode` and reads the peak it reports; the child's peak counts
// from its own start, so nothing of this process is in it.
long ChildPeakKb(const char* self, const std::string& mode, const std::string& from,
                 const std::string& to) {
    const std::string command =
        Quote(self) + " --peak " + mode + " " + Quote(from) + " " + Quote(to);
    FILE* child = ::popen(command.c_str(), "r");
    if (!child) return 0;
    long kb = 0;
    if (std::fscanf(child, "%ld", &kb) != 1) kb = 0;
    ::pclose(child);
    return kb;
}

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::string(argv[1]) == "--peak") {
        const std::string mode = argv[2];
        if (mode == "convert") {
            const auto report = OrvaneLib::ConvertJetDatabase(argv[3], argv[4]);
            if (!report.ok) std::fprintf(stderr, "bench: %s\n", report.error.c_str());
        }
        std::printf("%ld\n", PeakKbOfThisProcess());
        return 0;
    }
    const std::string file = argc > 1 ? argv[1] : ORVANE_JET_BENCH_FILE;
    if (std::system("command -v mdb-export >/dev/null && command -v sqlite3 >/dev/null") != 0) {
        std::fprintf(stderr, "bench: mdb-export and sqlite3 are needed (scripts/deps)\n");
        return 1;
    }
    const fs::path work =
        fs::temp_directory_path() / ("orvane-bench-jet-" + std::to_string(::getpid()));
    fs::create_directories(work);
    const std::string converted = (work / "converted.mdb").string();
    const std::string piped = (work / "piped.db").string();

    // The tables, listed once, outside the timing.
    std::string exports;
    {
        const auto report = OrvaneLib::ConvertJetDatabase(file, converted);
        if (!report.ok) {
            std::fprintf(stderr, "bench: %s\n", report.error.c_str());
            return 1;
        }
        for (const auto& t : report.tables)
            exports += "mdb-export -I sqlite -b hex " + Quote(file) + " " + Quote(t.name) + "; ";
        fs::remove(converted);
    }
    // mdbtools converts its arguments by the locale: table names such as "Umsätze" need a
    // UTF-8 one, which a bare machine does not set.
    const std::string pipeline = "export LC_ALL=C.UTF-8; { mdb-schema " + Quote(file) +
                                 " sqlite; " + exports + "} | sqlite3 " + Quote(piped);
    const std::string shell = "bash -c " + Quote(pipeline) + " >/dev/null 2>&1";

    std::vector<double> converter, baseline, ratios;
    for (int rep = 0; rep < 7; ++rep) {
        auto start = Clock::now();
        const auto report = OrvaneLib::ConvertJetDatabase(file, converted);
        const double c = Seconds(Clock::now() - start);
        if (!report.ok) {
            std::fprintf(stderr, "bench: %s\n", report.error.c_str());
            return 1;
        }
        start = Clock::now();
        if (std::system(shell.c_str()) != 0) {
            std::fprintf(stderr, "bench: the pipeline failed: %s\n", pipeline.c_str());
            return 1;
        }
        const double p = Seconds(Clock::now() - start);
        converter.push_back(c);
        baseline.push_back(p);
        ratios.push_back(c / p);
        fs::remove(converted);
        fs::remove(piped);
    }
    std::sort(ratios.begin(), ratios.end());
    const double ratio = Median(converter) / Median(baseline);
    std::printf("ratio convert_jet %.2f\n", ratio);
    std::printf("noise convert_jet %.2f %.2f\n", ratios.front(), ratios.back());

    const long idle = ChildPeakKb(argv[0], "idle", file, converted);
    const long peak = ChildPeakKb(argv[0], "convert", file, converted);
    std::printf("peak convert_jet_kb %ld (a process that only started: %ld)\n", peak, idle);
    std::printf("summary: convert_jet %s its goal of 0.5 (%.3f s against %.3f s)\n",
                ratio <= 0.5 ? "within" : "outside", Median(converter), Median(baseline));
    fs::remove_all(work);
    return 0;
}
