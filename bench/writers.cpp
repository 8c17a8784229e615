// Several processes adding to one rules database at once: how long one add can take, how
// evenly the writers share the database, and that no add is lost. Run by scripts/writers.
//
//   orvane-writers [--writers N] [--seconds S] [--wal] [--batch N] [--db PATH]
//
// Each writer is a process of its own with its own clsDatabase; it adds homeworlds for the
// given time (one add per transaction, or --batch adds per BeginTrans/CommitTrans) and
// reports how many it stored, how many failed and its longest add.
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <orvane/orvane.hpp>

namespace {

using Clock = std::chrono::steady_clock;

struct Tally {
    long added = 0;
    long reported = 0;
    double longestMs = 0;
    double totalMs = 0;
};

Tally Write(const std::string& path, int writer, double seconds, int batch, int startFd) {
    Tally tally;
    OrvaneLib::SetMessageBoxHandler(
        [&](const std::string&, OrvaneLib::MsgIcon, const std::string&) { ++tally.reported; });
    OrvaneLib::clsDatabase db;
    db.Name(path);
    tally.reported = 0;  // the library's own Orvane.mdb may be missing: not this run's
    char go;
    if (read(startFd, &go, 1) != 1) std::exit(3);
    OrvaneLib::clsHomeworld world;
    world.Sector = "Writer " + std::to_string(writer);
    const auto end = Clock::now() + std::chrono::duration<double>(seconds);
    for (long i = 0; Clock::now() < end; ++i) {
        const auto start = Clock::now();
        const long before = tally.reported;
        if (batch > 1) db.BeginTrans();
        for (int k = 0; k < std::max(batch, 1); ++k) {
            world.Name =
                "W" + std::to_string(writer) + "-" + std::to_string(i) + "-" + std::to_string(k);
            db.AddHomeworld(&world);
        }
        if (batch > 1) db.CommitTrans();
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        tally.longestMs = std::max(tally.longestMs, ms);
        tally.totalMs += ms;
        if (tally.reported == before) tally.added += std::max(batch, 1);
    }
    return tally;
}

long StoredRows(const std::string& path) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT count(*) FROM tblHomeworlds", -1, &st, nullptr);
    const long n = sqlite3_step(st) == SQLITE_ROW ? sqlite3_column_int64(st, 0) : -1;
    sqlite3_finalize(st);
    sqlite3_close(db);
    return n;
}

}  // namespace

int main(int argc, char** argv) {
    int writers = 4;
    double seconds = 60;
    int batch = 1;
    bool wal = false;
    std::string path = (std::filesystem::temp_directory_path() / "orvane-writers.mdb").string();
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto next = [&] { return i + 1 < argc ? std::string(argv[++i]) : std::string(); };
        if (arg == "--writers")
            writers = std::atoi(next().c_str());
        else if (arg == "--seconds")
            seconds = std::atof(next().c_str());
        else if (arg == "--batch")
            batch = std::atoi(next().c_str());
        else if (arg == "--wal")
            wal = true;
        else if (arg == "--db")
            path = next();
        else {
            std::fprintf(stderr,
                         "usage: %s [--writers N] [--seconds S] [--batch N] [--wal] [--db PATH]\n",
                         argv[0]);
            return 2;
        }
    }
    for (const char* suffix : {"", "-journal", "-wal", "-shm"})
        std::remove((path + suffix).c_str());
    OrvaneLib::CreateRulesDatabase(path, false);
    if (wal) {
        sqlite3* db = nullptr;
        sqlite3_open(path.c_str(), &db);
        sqlite3_exec(db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }

    int go[2], results[2];
    if (pipe(go) != 0 || pipe(results) != 0) return 1;
    std::vector<pid_t> children;
    for (int w = 0; w < writers; ++w) {
        const pid_t child = fork();
        if (child == 0) {
            close(go[1]);
            close(results[0]);
            const Tally t = Write(path, w, seconds, batch, go[0]);
            char line[256];
            const int n = std::snprintf(line, sizeof line, "%d %ld %ld %.3f %.3f\n", w, t.added,
                                        t.reported, t.longestMs, t.totalMs);
            if (write(results[1], line, static_cast<std::size_t>(n)) != n) _exit(1);
            _exit(0);
        }
        children.push_back(child);
    }
    close(go[0]);
    close(results[1]);
    const std::string start(static_cast<std::size_t>(writers), 'g');
    if (write(go[1], start.data(), start.size()) != static_cast<ssize_t>(start.size())) return 1;
    close(go[1]);
    std::string text;
    char buf[4096];
    for (ssize_t n; (n = read(results[0], buf, sizeof buf)) > 0;)
        text.append(buf, static_cast<std::size_t>(n));
    for (pid_t child : children) waitpid(child, nullptr, 0);

    std::vector<Tally> tallies(static_cast<std::size_t>(writers));
    long total = 0, reported = 0;
    double longest = 0;
    for (const char* p = text.c_str(); *p;) {
        int w = 0;
        Tally t;
        int used = 0;
        if (std::sscanf(p, "%d %ld %ld %lf %lf\n%n", &w, &t.added, &t.reported, &t.longestMs,
                        &t.totalMs, &used) != 5)
            break;
        p += used;
        tallies[static_cast<std::size_t>(w)] = t;
        total += t.added;
        reported += t.reported;
        longest = std::max(longest, t.longestMs);
    }
    std::printf("%d writers for %.0f s, %s journal, %d add(s) per transaction\n", writers, seconds,
                wal ? "WAL" : "rollback", batch);
    for (int w = 0; w < writers; ++w) {
        const Tally& t = tallies[static_cast<std::size_t>(w)];
        std::printf("  writer %d: %6ld rows stored (%4.1f%%), %ld reports, longest %.0f ms\n", w,
                    t.added,
                    total ? 100.0 * static_cast<double>(t.added) / static_cast<double>(total) : 0,
                    t.reported, t.longestMs);
    }
    const long stored = StoredRows(path);
    std::printf("stored %ld rows (writers counted %ld), %ld reports, longest add %.0f ms\n", stored,
                total, reported, longest);
    return stored == total ? 0 : 1;
}
