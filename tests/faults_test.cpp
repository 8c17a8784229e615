// Injected file-layer faults: for each write operation and each kind of fault, the n-th
// read, write, sync or lock fails, for n from 1 until the operation gets through untouched.
// Every time the operation reports or succeeds and returns normally, the database passes its
// integrity check, the change is either wholly made or not made at all, and the same
// connection makes it afterwards.
#include <sqlite3.h>

#include <functional>

#include "faultvfs.hpp"
#include "support.hpp"

namespace {

using namespace OrvaneLib;
using orvane_test::FaultOp;

// A database file opened directly, without the library.
class Direct {
  public:
    explicit Direct(const std::string& path) {
        if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            ADD_FAILURE() << "cannot open " << path;
    }
    ~Direct() { sqlite3_close(db_); }
    std::string Text(const std::string& sql) {
        sqlite3_stmt* st = nullptr;
        std::string out;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr) != SQLITE_OK)
            return "error: " + std::string(sqlite3_errmsg(db_));
        while (sqlite3_step(st) == SQLITE_ROW) {
            auto* t = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
            out += (out.empty() ? "" : "\n") + std::string(t ? t : "NULL");
        }
        sqlite3_finalize(st);
        return out;
    }
    long Count(const std::string& sql) { return std::stol(Text(sql)); }

  private:
    sqlite3* db_ = nullptr;
};

enum class Outcome { Made, NotMade, Broken };

const char* OutcomeName(Outcome o) {
    return o == Outcome::Made ? "made" : o == Outcome::NotMade ? "not made" : "half made";
}

// One write operation: `run` performs it, `outcome` judges the file afterwards.
struct Operation {
    const char* name;
    std::function<void(clsDatabase&)> run;
    std::function<Outcome(const std::string& path)> outcome;
    // Clear reports a failing table that was empty already; its outcome is then whole.
    bool reportedMayBeMade = false;
};

class Faults : public orvane_test::OrvaneTest {
  protected:
    // A record's whole state, as its text file holds it.
    std::string Saved(const KindInfo& kind, const Object& record) {
        const std::string path = dir_.file("saved.txt");
        kind.Save(record, path);
        return ReadFile(path);
    }

    // The outcome of adding `added` (a record of `kind`, keyed by its Name) to a database
    // that did not hold it.
    Outcome AddOutcome(const KindInfo& kind, const std::string& name, const std::string& added,
                       const std::string& path) {
        long rows = Direct(path).Count("SELECT count(*) FROM " + kind.Table() + " WHERE \"" +
                                       kind.Keys()[0].Column + "\" = '" + name + "'");
        if (rows == 0) return Outcome::NotMade;
        if (rows > 1) return Outcome::Broken;
        clsDatabase db;
        db.Name(path);
        auto back = kind.Read(db, {name});
        return back && Saved(kind, *back) == added ? Outcome::Made : Outcome::Broken;
    }

    Operation AddOf(const std::string& kindName, const std::string& from, const std::string& to) {
        auto kind = *FindKind(kindName);
        auto record = std::make_shared<std::shared_ptr<Object>>();
        auto added = std::make_shared<std::string>();
        {
            InstallSampleDatabase();
            clsDatabase db;
            *record = kind.Read(db, {from});
        }
        EXPECT_TRUE(*record) << kindName;
        // The copy differs from its source only by its name, read back from a saved file.
        const std::string file = dir_.file("record.txt");
        kind.Save(**record, file);
        std::string text = ReadFile(file);
        text.replace(text.find(from), from.size(), to);
        WriteFile(file, text);
        kind.Load(**record, file);
        *added = Saved(kind, **record);
        return {"add", [kind, record](clsDatabase& db) { kind.Add(db, **record); },
                [this, kind, to, added](const std::string& path) {
                    return AddOutcome(kind, to, *added, path);
                }};
    }

    // Runs `op` with the n-th call of `fault` failing, for every n until the operation no
    // longer reaches it; returns how many faults were injected.
    int Sweep(const Operation& op, FaultOp fault, const std::string& source) {
        const std::string where = std::string(op.name) + ", " + FaultOpName(fault);
        int injected = 0;
        for (int n = 1; n < 5000 && !HasFailure(); ++n) {
            if (source.empty()) {
                InstallSampleDatabase();
            } else {
                InstallDatabase(source);
            }
            std::filesystem::remove(DefaultDatabasePath() + "-journal");
            bool fired = false;
            {
                clsDatabase db;
                boxes_.clear();
                vfs_.FailNth(fault, n);
                op.run(db);
                fired = vfs_.Fired();
                vfs_.Disarm();
                const bool reported = boxes_.size() != 0;
                const Outcome after = op.outcome(DefaultDatabasePath());
                EXPECT_NE(after, Outcome::Broken) << where << " #" << n;
                if (fired) {
                    ++injected;
                    // A reported failure changed nothing; an unreported one changed it all.
                    const bool expected =
                        !reported ? after == Outcome::Made
                                  : after == Outcome::NotMade ||
                                        (op.reportedMayBeMade && after == Outcome::Made);
                    EXPECT_TRUE(expected)
                        << where << " #" << n << ": " << OutcomeName(after) << ", "
                        << (reported ? boxes_.boxes().front().prompt : "no report");
                    if (reported) {
                        EXPECT_EQ(boxes_.boxes().front().title, "Database Error");
                    }
                } else {
                    EXPECT_FALSE(reported) << where << ": " << boxes_.boxes().front().prompt;
                    EXPECT_EQ(after, Outcome::Made) << where;
                }
                if (after == Outcome::NotMade) {
                    // The connection that saw the failure still works.
                    boxes_.clear();
                    op.run(db);
                    EXPECT_TRUE(boxes_.size() == 0)
                        << where << " #" << n << ", again: " << boxes_.boxes().front().prompt;
                }
            }
            Direct check(DefaultDatabasePath());
            EXPECT_EQ(check.Text("PRAGMA integrity_check"), "ok") << where << " #" << n;
            EXPECT_EQ(op.outcome(DefaultDatabasePath()), Outcome::Made) << where << " #" << n;
            if (!fired) break;
        }
        return injected;
    }

    // Sweeps every kind of fault over `op` on copies of `source` (the sample when empty).
    void SweepAll(const Operation& op, const std::string& source = "") {
        for (FaultOp fault : orvane_test::kFaultOps) {
            EXPECT_GT(Sweep(op, fault, source), 0)
                << op.name << " never reached a " << FaultOpName(fault);
        }
    }

    orvane_test::FaultVfs vfs_;
};

TEST_F(Faults, AddOfARecordWithListsIsWholeOrAbsent) {
    SweepAll(AddOf("Species", "Skarth", "Skarth Exile"));
}

TEST_F(Faults, AddToATableThatMayBeAbsentReportsRatherThanSkips) {
    // Creature tables are optional: the existence test itself must not turn a fault into a
    // silently skipped add.
    SweepAll(AddOf("Creature type", "Beast", "Beast of Burden"));
}

TEST_F(Faults, DeleteIsWholeOrAbsent) {
    const KindInfo species = *FindKind("Species");
    std::string original;
    {
        InstallSampleDatabase();
        clsDatabase db;
        original = Saved(species, *species.Read(db, {"Thessin"}));
    }
    SweepAll({"delete", [](clsDatabase& db) { db.DelSpecies("Thessin"); },
              [&](const std::string& path) {
                  long rows = Direct(path).Count(
                      "SELECT count(*) FROM tblSpecies WHERE Species = 'Thessin'");
                  if (rows == 0) return Outcome::Made;
                  clsDatabase db;
                  db.Name(path);
                  auto back = species.Read(db, {"Thessin"});
                  return rows == 1 && back && Saved(species, *back) == original ? Outcome::NotMade
                                                                                : Outcome::Broken;
              }});
}

TEST_F(Faults, ClearEmptiesEachTableWhollyOrNotAtAll) {
    // Every table Clear empties keeps all its rows or none; a reported fault leaves the
    // failing table whole. Rows stay in one table of each group Clear treats apart (the
    // others are empty), which keeps the sweep short.
    const std::string source = MakeDatabase("clear.mdb", true);
    std::vector<std::pair<std::string, long>> tables;
    {
        Direct d(source);
        std::string names = d.Text(
            "SELECT name FROM sqlite_schema WHERE type = 'table' AND name NOT IN "
            "('tblInfo', 'tblKeywords', 'tblRegion') AND name NOT LIKE 'sqlite%'");
        for (std::size_t b = 0, e; b < names.size(); b = e + 1) {
            e = names.find('\n', b);
            if (e == std::string::npos) e = names.size();
            std::string name = names.substr(b, e - b);
            if (name != "tblSpecies" && name != "tblAbility" && name != "tblCreatureDetails" &&
                name != "tblStarshipHull")
                d.Text("DELETE FROM \"" + name + "\"");
            tables.emplace_back(name, d.Count("SELECT count(*) FROM \"" + name + "\""));
        }
        d.Text("VACUUM");
    }
    ASSERT_GT(tables.size(), 30u);
    SweepAll({"clear", [](clsDatabase& db) { db.Clear(); },
              [&](const std::string& path) {
                  Direct d(path);
                  bool all = true;
                  for (const auto& [name, rows] : tables) {
                      long now = d.Count("SELECT count(*) FROM \"" + name + "\"");
                      if (now != 0 && now != rows) return Outcome::Broken;
                      all = all && now == 0;
                  }
                  return all ? Outcome::Made : Outcome::NotMade;
              },
              true},
             source);
}

}  // namespace
