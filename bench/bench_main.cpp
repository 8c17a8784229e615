// Benchmarks of the library against the same work written directly on the SQLite C API.
// Prints one "ratio NAME VALUE" line per figure (library time over baseline time, median of
// the repetitions), a "noise NAME MIN MAX" line with the spread of the repetitions, and a
// summary line counting the figures within their goals.
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <benchmark/benchmark.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "orvane/orvane.hpp"
#include "peak_memory.hpp"

namespace {

using namespace OrvaneLib;
namespace fs = std::filesystem;

// ---------------------------------------------------------------------------------------
// Generated rules databases

void Check(int rc, sqlite3* db, const char* what) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
        std::fprintf(stderr, "bench: %s: %s\n", what, sqlite3_errmsg(db));
        std::exit(1);
    }
}

std::string SpeciesName(int i) { return "Species " + std::to_string(i); }
std::string ClassName(int i) { return "Class " + std::to_string(i / 20); }
int ClassLevel(int i) { return i % 20 + 1; }

constexpr const char* kSpeciesColumns =
    "Species, Str, Dex, Con, Int, Wis, Cha, BonusFeats, NPC, BonusSkillPts, Move, Swim, Fly, "
    "Other, "
    "Size, Homeworld, FlyType, OtherType, SpecialQualities, Speak, ReadWrite, Synergy, "
    "ClassSkills, "
    "ForbiddenFeats, ForbiddenSkills, ForbiddenClass, RestrictedSkills, AddFeat, Source, MaxChild, "
    "MaxYoung, MaxAdult, MaxMiddle, MaxOld, BonusFeat, MinHeight, MaxHeight, MinWeight, MaxWeight, "
    "Description, ReplaceClsFeats";

// The values of one generated species row, in the order of kSpeciesColumns.
void BindSpecies(sqlite3_stmt* st, const std::string& name) {
    int c = 1;
    auto text = [&](const char* v) { sqlite3_bind_text(st, c++, v, -1, SQLITE_TRANSIENT); };
    auto num = [&](int v) { sqlite3_bind_int(st, c++, v); };
    sqlite3_bind_text(st, c++, name.c_str(), -1, SQLITE_TRANSIENT);
    for (int m : {0, 2, -2, 0, 1, 0}) num(m);
    num(1), num(0), num(4), num(10), num(4), num(0), num(0);
    text("Medium"), text("Orvane Prime"), text("Gliding"), text("Burrow");
    text("Low-Light Vision, Keen Scent, Thick Hide");
    text("Orvanic, Trade Cant");
    text("Orvanic");
    text("0:Survival:2, 0:Listen:2, 3:Spot:1");
    text("Climb, Jump, Survival, Listen, Spot");
    text("Aumen Adept");
    text("Pilot");
    text("Vael Guardian, Khor Adept");
    text("Climb:4, Jump:2, Swim:1");
    text("Alertness, Toughness");
    text("Rules Core p.12");
    num(12), num(18), num(40), num(60), num(80);
    text("Alertness, Endurance, Track");
    sqlite3_bind_double(st, c++, 1.5), sqlite3_bind_double(st, c++, 2.1);
    num(50), num(120);
    text("A hardy people of the drift worlds.\r\nThey keep to their clans.");
    text("Soldier:Armor Proficiency:Toughness, Scout:Track:Alertness");
}

void Populate(const std::string& path, int rows) {
    sqlite3* db = nullptr;
    Check(sqlite3_open(path.c_str(), &db), db, "open");
    Check(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr), db, "begin");
    sqlite3_stmt* st = nullptr;
    std::string sql = std::string("INSERT INTO tblSpecies (") + kSpeciesColumns + ") VALUES (?";
    for (int i = 2; i <= 41; ++i) sql += ",?";
    sql += ")";
    Check(sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr), db, "prepare species");
    for (int i = 0; i < rows; ++i) {
        BindSpecies(st, SpeciesName(i));
        Check(sqlite3_step(st), db, "insert species");
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    Check(sqlite3_prepare_v2(
              db,
              "INSERT INTO tblClassesLevels (Class, Level, Attack, SV_Fort, SV_Ref, SV_Will, "
              "SpecialQualities, GivenFeats, GivenBonus, GlowbladeDamage, Defense, Reputation, "
              "SkillMastery, CrossClass, BonusFeatures) VALUES (?1, ?2, ?2, 2, 1, 1, 'Tactics', "
              "'Armor Proficiency:1', 'Bonus Feat:2|1:3', '1d6', 1, 0, 'Mastery:1|2', "
              "'Cross:1|1', 'Feature:1|1')",
              -1, &st, nullptr),
          db, "prepare levels");
    for (int i = 0; i < rows; ++i) {
        sqlite3_bind_text(st, 1, ClassName(i).c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(st, 2, ClassLevel(i));
        Check(sqlite3_step(st), db, "insert level");
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    Check(
        sqlite3_prepare_v2(db,
                           "INSERT INTO tblStarshipCrew (Points, Station, MinCrew, MaxCrew, Sizes) "
                           "VALUES (?1, 0, 2, 12, 'Small, Medium, Large')",
                           -1, &st, nullptr),
        db, "prepare crew");
    for (int i = 0; i < rows; ++i) {
        sqlite3_bind_int(st, 1, i % 30000);
        Check(sqlite3_step(st), db, "insert crew");
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    Check(sqlite3_prepare_v2(
              db, "INSERT INTO tblSkills (Name, Aumen, Attribute) VALUES (?1, ?2, 'Dex')", -1, &st,
              nullptr),
          db, "prepare skills");
    for (int i = 0; i < rows; ++i) {
        sqlite3_bind_text(st, 1, ("Skill " + std::to_string(i)).c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(st, 2, i % 3 == 0);
        Check(sqlite3_step(st), db, "insert skill");
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    Check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), db, "commit");
    sqlite3_close(db);
}

std::string Workspace() {
    static const std::string dir = [] {
        fs::path p = fs::temp_directory_path() / ("orvane-bench-" + std::to_string(::getpid()));
        fs::create_directories(p);
        ::setenv("ORVANE_REGISTRY_DIR", (p / "registry").c_str(), 1);
        return p.string();
    }();
    return dir;
}

std::string DatabaseFor(int rows) {
    std::string path = Workspace() + "/rules-" + std::to_string(rows) + ".mdb";
    if (!fs::exists(path)) {
        CreateRulesDatabase(path, false);
        Populate(path, rows);
    }
    return path;
}

// The library and a raw connection on one generated database.
struct Fixture {
    int rows;
    std::string path;
    std::unique_ptr<clsDatabase> db;
    sqlite3* raw = nullptr;
    std::map<std::string, sqlite3_stmt*> statements;

    explicit Fixture(int n) : rows(n), path(DatabaseFor(n)) {
        SetMessageBoxHandler([](const std::string& prompt, MsgIcon, const std::string&) {
            std::fprintf(stderr, "bench: unexpected report: %s\n", prompt.c_str());
        });
        db = std::make_unique<clsDatabase>();
        db->Name(path);
        Check(sqlite3_open(path.c_str(), &raw), raw, "open raw");
    }
    sqlite3_stmt* Statement(const std::string& sql) {
        auto& st = statements[sql];
        if (!st)
            Check(sqlite3_prepare_v3(raw, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &st, nullptr),
                  raw, "prepare");
        return st;
    }
};

Fixture& FixtureFor(int rows) {
    static std::map<int, std::unique_ptr<Fixture>> fixtures;
    auto& f = fixtures[rows];
    if (!f) f = std::make_unique<Fixture>(rows);
    return *f;
}

// Reads the current row's columns the way a caller would keep them: texts and numbers.
struct RawRow {
    std::vector<std::string> texts;
    std::vector<std::int64_t> numbers;
    std::vector<double> reals;
};

RawRow ReadRow(sqlite3_stmt* st) {
    RawRow row;
    int n = sqlite3_column_count(st);
    for (int i = 0; i < n; ++i) {
        switch (sqlite3_column_type(st, i)) {
            case SQLITE_INTEGER:
                row.numbers.push_back(sqlite3_column_int64(st, i));
                break;
            case SQLITE_FLOAT:
                row.reals.push_back(sqlite3_column_double(st, i));
                break;
            case SQLITE_TEXT:
                row.texts.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st, i)),
                                       static_cast<std::size_t>(sqlite3_column_bytes(st, i)));
                break;
            default:
                break;
        }
    }
    return row;
}

// Runs a prepared lookup with its parameters bound and reads the first row.
template <class Bind>
RawRow RawLookup(sqlite3_stmt* st, Bind bind) {
    bind(st);
    RawRow row;
    if (sqlite3_step(st) == SQLITE_ROW) row = ReadRow(st);
    sqlite3_reset(st);
    return row;
}

std::vector<std::string> RawScan(sqlite3_stmt* st) {
    std::vector<std::string> values;
    while (sqlite3_step(st) == SQLITE_ROW)
        values.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)),
                            static_cast<std::size_t>(sqlite3_column_bytes(st, 0)));
    sqlite3_reset(st);
    return values;
}

// ---------------------------------------------------------------------------------------
// The pairs of benchmarks

struct Figure {
    std::string name;
    double goal;
};
std::vector<Figure> figures;

void Pair(const std::string& figure, double goal, std::function<void(benchmark::State&)> lib,
          std::function<void(benchmark::State&)> raw, int iterations = 0) {
    figures.push_back({figure, goal});
    auto* a = benchmark::RegisterBenchmark((figure + "/lib").c_str(), lib);
    auto* b = benchmark::RegisterBenchmark((figure + "/raw").c_str(), raw);
    for (auto* bm : {a, b}) {
        bm->Unit(benchmark::kMicrosecond)->Repetitions(3)->ReportAggregatesOnly(false);
        if (iterations) bm->Iterations(iterations);
    }
}

void RegisterReads(int rows, const std::string& suffix) {
    Pair(
        "read_species" + suffix, 1.2,
        [rows](benchmark::State& state) {
            auto& f = FixtureFor(rows);
            int i = 0;
            for (auto _ : state) {
                auto s = f.db->GetSpeciesInfo(SpeciesName(i++ % rows), true);
                benchmark::DoNotOptimize(s);
            }
        },
        [rows](benchmark::State& state) {
            auto& f = FixtureFor(rows);
            auto* st = f.Statement("SELECT * FROM tblSpecies WHERE Species = ?1 COLLATE NOCASE");
            int i = 0;
            for (auto _ : state) {
                std::string key = SpeciesName(i++ % rows);
                auto row = RawLookup(st, [&](sqlite3_stmt* s) {
                    sqlite3_bind_text(s, 1, key.c_str(), -1, SQLITE_STATIC);
                });
                benchmark::DoNotOptimize(row);
            }
        });
}

void RegisterAll() {
    const int main = 10000;
    RegisterReads(main, "");
    RegisterReads(100, "@100");
    RegisterReads(100000, "@100000");
    Pair(
        "read_class_level", 1.2,
        [](benchmark::State& state) {
            auto& f = FixtureFor(main);
            int i = 0;
            for (auto _ : state) {
                int k = i++ % main;
                auto s = f.db->GetClassLevelInfo(ClassName(k), static_cast<Integer>(ClassLevel(k)));
                benchmark::DoNotOptimize(s);
            }
        },
        [](benchmark::State& state) {
            auto& f = FixtureFor(main);
            auto* st = f.Statement(
                "SELECT * FROM tblClassesLevels WHERE Class = ?1 COLLATE NOCASE AND Level = ?2");
            int i = 0;
            for (auto _ : state) {
                int k = i++ % main;
                std::string key = ClassName(k);
                auto row = RawLookup(st, [&](sqlite3_stmt* s) {
                    sqlite3_bind_text(s, 1, key.c_str(), -1, SQLITE_STATIC);
                    sqlite3_bind_int(s, 2, ClassLevel(k));
                });
                benchmark::DoNotOptimize(row);
            }
        });
    Pair(
        "read_starship_crew", 1.2,
        [](benchmark::State& state) {
            auto& f = FixtureFor(main);
            int i = 0;
            for (auto _ : state) {
                auto s = f.db->StarshipCrewInfo(static_cast<Integer>(i++ % main), false);
                benchmark::DoNotOptimize(s);
            }
        },
        [](benchmark::State& state) {
            auto& f = FixtureFor(main);
            auto* st = f.Statement(
                "SELECT * FROM tblStarshipCrew WHERE Points = ?1 AND (Station <> 0) = ?2");
            int i = 0;
            for (auto _ : state) {
                int k = i++ % main;
                auto row = RawLookup(st, [&](sqlite3_stmt* s) {
                    sqlite3_bind_int(s, 1, k);
                    sqlite3_bind_int(s, 2, 0);
                });
                benchmark::DoNotOptimize(row);
            }
        });
    Pair(
        "list_skills", 1.3,
        [](benchmark::State& state) {
            auto& f = FixtureFor(main);
            for (auto _ : state) benchmark::DoNotOptimize(f.db->GetAllSkillList());
        },
        [](benchmark::State& state) {
            auto& f = FixtureFor(main);
            auto* st = f.Statement("SELECT Name FROM qrySkills");
            for (auto _ : state) benchmark::DoNotOptimize(RawScan(st));
        });
    Pair(
        "list_species", 1.3,
        [](benchmark::State& state) {
            auto& f = FixtureFor(main);
            for (auto _ : state) benchmark::DoNotOptimize(f.db->SpeciesList());
        },
        [](benchmark::State& state) {
            auto& f = FixtureFor(main);
            auto* st = f.Statement("SELECT Species FROM tblSpecies");
            for (auto _ : state) benchmark::DoNotOptimize(RawScan(st));
        });
    static clsSpecies sample = [] {
        clsSpecies s;
        s.Name = "Added Species";
        s.Homeworld = "Orvane Prime";
        s.Size = "Medium";
        s.Move = 10;
        for (Integer m = 0; m < 6; ++m) s.SetModifier(m, static_cast<Integer>(m - 2));
        s.SetSpecQual("Low-Light Vision, Keen Scent, Thick Hide");
        s.SetSpeak("Orvanic, Trade Cant");
        s.SetWrite("Orvanic");
        s.SetSynergy("0:Survival:2, 0:Listen:2, 3:Spot:1");
        s.SetClsSkill("Climb, Jump, Survival, Listen, Spot");
        s.SetForbiddenFeats("Aumen Adept");
        s.SetForbiddenSkill("Pilot");
        s.SetForbiddenClasses("Vael Guardian, Khor Adept");
        s.SetRestrictedSkill("Climb:4, Jump:2, Swim:1");
        s.SetFeats("Alertness, Toughness");
        s.SetBonusFeats("Alertness, Endurance, Track");
        s.SetFeatReplace("Soldier:Armor Proficiency:Toughness, Scout:Track:Alertness");
        s.Source = "Rules Core p.12";
        s.MaxChild = 12, s.MaxYoung = 18, s.MaxAdult = 40, s.MaxMiddle = 60, s.MaxOld = 80;
        s.Description = "A hardy people of the drift worlds.\r\nThey keep to their clans.";
        return s;
    }();
    auto rawInsert = [](Fixture& f) {
        std::string sql = std::string("INSERT INTO tblSpecies (") + kSpeciesColumns + ") VALUES (?";
        for (int i = 2; i <= 41; ++i) sql += ",?";
        return f.Statement(sql + ")");
    };
    Pair(
        "add_species", 1.2,
        [](benchmark::State& state) {
            auto& f = FixtureFor(100);
            for (auto _ : state) f.db->AddSpecies(&sample);
        },
        [rawInsert](benchmark::State& state) {
            auto& f = FixtureFor(100);
            auto* st = rawInsert(f);
            for (auto _ : state) {
                BindSpecies(st, "Added Species");
                sqlite3_step(st);
                sqlite3_reset(st);
            }
        },
        200);
    Pair(
        "add_bulk", 1.2,
        [](benchmark::State& state) {
            auto& f = FixtureFor(100);
            for (auto _ : state) {
                f.db->BeginTrans();
                for (int i = 0; i < 10000; ++i) f.db->AddSpecies(&sample);
                f.db->CommitTrans();
            }
        },
        [rawInsert](benchmark::State& state) {
            auto& f = FixtureFor(100);
            auto* st = rawInsert(f);
            for (auto _ : state) {
                sqlite3_exec(f.raw, "BEGIN", nullptr, nullptr, nullptr);
                for (int i = 0; i < 10000; ++i) {
                    BindSpecies(st, "Added Species");
                    sqlite3_step(st);
                    sqlite3_reset(st);
                }
                sqlite3_exec(f.raw, "COMMIT", nullptr, nullptr, nullptr);
            }
        },
        2);
    // Typical list texts for every list class; the baseline only cuts them at separators.
    static const std::vector<std::string> texts = {
        "Alertness, Endurance, Track, Toughness",
        "Climb:4, Jump:2, Swim:1, Tumble:6",
        "Bonus Feat:3|1:1:4, Skill Point:1|3",
        "5:Tumble:2, 5:Balance:2, 0:Listen:1",
        "2:Navigation:Knowledge:1, 1:Repair:Craft:2",
        "Dodge:Mobility, Toughness, Alertness:Track",
        "Climb:4|Jump:4, Tumble:2|Balance:3",
        "Soldier:Armor Proficiency:Toughness, Scout:Track:Alertness"};
    Pair(
        "parse_lists", 3.0,
        [](benchmark::State& state) {
            clsListSimple simple;
            clsListLevel level;
            clsListBonus bonus;
            clsListSynergy synergy;
            clsListSubSynergy sub;
            clsListOrSimple orSimple;
            clsListTripleSimple triple;
            clsListSynergy orLevelStandIn;  // clsListOrLevel is the library's own
            for (auto _ : state) {
                simple.SetList(texts[0]);
                level.SetList(texts[1]);
                bonus.SetList(texts[2]);
                synergy.SetList(texts[3]);
                sub.SetList(texts[4]);
                orSimple.SetList(texts[5]);
                orLevelStandIn.SetList(texts[3]);
                triple.SetList(texts[7]);
                std::size_t n = simple.GetList().size() + level.GetList().size() +
                                bonus.GetList().size() + synergy.GetList().size() +
                                sub.GetList().size() + orSimple.GetList().size() +
                                orLevelStandIn.GetList().size() + triple.GetList().size();
                benchmark::DoNotOptimize(n);
            }
        },
        [](benchmark::State& state) {
            std::vector<std::string_view> pieces;
            for (auto _ : state) {
                for (std::size_t t : {0u, 1u, 2u, 3u, 4u, 5u, 3u, 7u}) {
                    pieces.clear();
                    std::string_view s = texts[t];
                    std::size_t start = 0;
                    for (std::size_t i = 0; i <= s.size(); ++i)
                        if (i == s.size() || s[i] == ',' || s[i] == ':' || s[i] == '|') {
                            pieces.push_back(s.substr(start, i - start));
                            start = i + 1;
                        }
                    benchmark::DoNotOptimize(pieces.data());
                }
            }
        });
}

// Collects the time per iteration of every repetition of every benchmark.
class Collector : public benchmark::ConsoleReporter {
  public:
    std::map<std::string, std::vector<double>> times;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                times[run.run_name.function_name].push_back(run.GetAdjustedRealTime());
        ConsoleReporter::ReportRuns(runs);
    }
};

// ---------------------------------------------------------------------------------------
// Peak memory of listing every species, in a fresh process for each side.

long ChildPeakKb(const char* self, const char* mode, const std::string& path) {
    // The child reports its own peak (VmHWM belongs to the memory it got at exec, so what
    // this larger process holds does not count).
    std::string command = std::string("'") + self + "' --memory " + mode + " '" + path + "'";
    FILE* child = ::popen(command.c_str(), "r");
    if (!child) return 1;
    long kb = 1;
    if (std::fscanf(child, "%ld", &kb) != 1) kb = 1;
    ::pclose(child);
    return kb;
}

int MemoryChild(const std::string& mode, const std::string& path) {
    SetMessageBoxHandler([](const std::string&, MsgIcon, const std::string&) {});
    if (mode == "lib" || mode == "lib-idle") {
        clsDatabase db;
        db.Name(path);
        if (mode == "lib") {
            ListResult list = db.SpeciesList();
            benchmark::DoNotOptimize(list.size());
        }
    } else {
        sqlite3* db = nullptr;
        sqlite3_open(path.c_str(), &db);
        if (mode == "raw") {
            sqlite3_stmt* st = nullptr;
            sqlite3_prepare_v2(db, "SELECT Species FROM tblSpecies", -1, &st, nullptr);
            auto values = RawScan(st);
            benchmark::DoNotOptimize(values.size());
            sqlite3_finalize(st);
        }
        sqlite3_close(db);
    }
    std::printf("%ld\n", PeakKbOfThisProcess());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--memory") return MemoryChild(argv[2], argv[3]);
    RegisterAll();
    benchmark::Initialize(&argc, argv);
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);

    struct Line {
        std::string name;
        double value, min, max, goal;
    };
    std::vector<Line> lines;
    auto ratios = [&](const std::string& figure) {
        const auto& lib = collector.times[figure + "/lib"];
        const auto& raw = collector.times[figure + "/raw"];
        std::vector<double> r;
        for (std::size_t i = 0; i < std::min(lib.size(), raw.size()); ++i)
            r.push_back(lib[i] / raw[i]);
        std::sort(r.begin(), r.end());
        return r;
    };
    for (const auto& f : figures) {
        auto r = ratios(f.name);
        if (r.empty()) continue;
        lines.push_back({f.name, r[r.size() / 2], r.front(), r.back(), f.goal});
    }
    // Scaling: time per read with 100,000 rows over the time with 100.
    {
        auto big = collector.times["read_species@100000/lib"];
        auto small = collector.times["read_species@100/lib"];
        std::vector<double> r;
        for (std::size_t i = 0; i < std::min(big.size(), small.size()); ++i)
            r.push_back(big[i] / small[i]);
        std::sort(r.begin(), r.end());
        if (!r.empty())
            lines.push_back({"read_scaling", r[r.size() / 2], r.front(), r.back(), 1.5});
    }
    // Memory: the peak resident memory that listing 100,000 species adds to a process that
    // opened the database, over what the raw scan adds.
    {
        std::string path = DatabaseFor(100000);
        std::vector<double> r;
        for (int rep = 0; rep < 3; ++rep) {
            long libIdle = ChildPeakKb(argv[0], "lib-idle", path),
                 lib = ChildPeakKb(argv[0], "lib", path);
            long rawIdle = ChildPeakKb(argv[0], "raw-idle", path),
                 raw = ChildPeakKb(argv[0], "raw", path);
            // What listing adds to each process, over the process that only opened the file.
            r.push_back(static_cast<double>(std::max(lib - libIdle, 1L)) /
                        static_cast<double>(std::max(raw - rawIdle, 1L)));
            std::printf("memory kb lib-idle %ld lib %ld raw-idle %ld raw %ld\n", libIdle, lib,
                        rawIdle, raw);
        }
        std::sort(r.begin(), r.end());
        lines.push_back({"memory_list_species", r[1], r.front(), r.back(), 2.0});
    }
    int within = 0;
    for (const auto& l : lines) {
        std::printf("ratio %s %.2f\n", l.name.c_str(), l.value);
        std::printf("noise %s %.2f %.2f\n", l.name.c_str(), l.min, l.max);
        within += l.value <= l.goal;
    }
    std::printf("summary: %d of %zu figures within their goals\n", within, lines.size());
    fs::remove_all(Workspace());
    return 0;
}
