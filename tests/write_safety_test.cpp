// Writes that something else gets in the way of: a disk that fills up in the middle of a
// transaction, and another program's change in the middle of a delete.
#include <sqlite3.h>

#include <iostream>

#include "faultvfs.hpp"
#include "support.hpp"

namespace orvane_test {
namespace {

using namespace OrvaneLib;

class WriteSafety : public OrvaneTest {
  protected:
    static long Count(const std::string& path) {
        return Rows(*Connect(path), "tblHomeworlds").RecordCount();
    }
};

// A batch that the disk cannot hold: the engine rolls the transaction back when it runs out
// of room in the middle. From then on every add is refused with a report, none is stored on
// its own, and CommitTrans reports that the batch was rolled back. Once there is room again
// the next batch is stored whole.
TEST_F(WriteSafety, ABatchOnAFullDiskIsStoredWholeOrNotAtAll) {
    constexpr int kBatch = 600;
    const std::string path = MakeDatabase("full.mdb");
    InstallDatabase(path);
    const std::string db = DefaultDatabasePath();
    FaultVfs vfs;
    clsDatabase rules;
    boxes_.clear();
    vfs.DiskSpace(1 << 20);  // the batch needs about five times as much

    clsHomeworld world;
    world.Sector = std::string(8000, 's');
    rules.BeginTrans();
    int firstReported = -1;
    for (int i = 0; i < kBatch; ++i) {
        world.Name = "World " + std::to_string(i);
        const std::size_t before = boxes_.size();
        rules.AddHomeworld(&world);
        if (boxes_.size() != before && firstReported < 0) firstReported = i;
    }
    const std::size_t addReports = boxes_.size();
    rules.CommitTrans();
    const long stored = Count(db);
    std::cout << "[full disk] " << kBatch << " adds in one transaction: " << stored
              << " rows stored, " << addReports << " adds reported (the first at add "
              << firstReported << "), CommitTrans "
              << (boxes_.size() > addReports ? "reported" : "silent") << "\n";

    ASSERT_GE(firstReported, 0) << "the disk never filled";
    EXPECT_EQ(stored, 0);
    // Every add from the one that met the full disk on was refused with a report.
    EXPECT_EQ(addReports, static_cast<std::size_t>(kBatch - firstReported));
    ASSERT_EQ(boxes_.size(), addReports + 1);
    ASSERT_GE(addReports, 2u);
    EXPECT_EQ(boxes_.boxes()[1].prompt.rfind("Property Let: AddHomeworld(World " +
                                                 std::to_string(firstReported + 1) +
                                                 ")\r\nThe transaction was rolled back",
                                             0),
              0u)
        << boxes_.boxes()[1].prompt;
    EXPECT_EQ(boxes_.last().prompt.rfind("Sub: CommitTrans\r\nThe transaction was rolled back", 0),
              0u)
        << boxes_.last().prompt;

    // Room again: the next batch is stored whole.
    vfs.DiskSpace(-1);
    boxes_.clear();
    rules.BeginTrans();
    for (int i = 0; i < 50; ++i) {
        world.Name = "Again " + std::to_string(i);
        rules.AddHomeworld(&world);
    }
    rules.CommitTrans();
    EXPECT_EQ(boxes_.size(), 0u) << boxes_.last().prompt;
    EXPECT_EQ(Count(db), 50);
}

// Deletes and adds of a failed transaction are refused until it is ended, and ending it
// with Rollback says nothing more.
TEST_F(WriteSafety, AFailedTransactionRefusesWritesUntilItIsEnded) {
    const std::string path =
        MakeDatabase("full.mdb", false, "INSERT INTO tblLanguages VALUES ('Orvanic');");
    InstallDatabase(path);
    FaultVfs vfs;
    clsDatabase rules;
    boxes_.clear();
    rules.BeginTrans();
    clsHomeworld world;
    world.Name = "Big";
    world.Sector = std::string(3 << 20, 's');  // more than the page cache holds
    vfs.DiskSpace(64 << 10);
    rules.AddHomeworld(&world);
    ASSERT_EQ(boxes_.size(), 1u);
    vfs.DiskSpace(-1);
    rules.DelLanguage("Orvanic");
    world.Sector = "small";
    rules.AddHomeworld(&world);
    rules.BeginTrans();
    ASSERT_EQ(boxes_.size(), 4u);
    EXPECT_NE(boxes_.boxes()[1].prompt.find("The transaction was rolled back"), std::string::npos)
        << boxes_.boxes()[1].prompt;
    EXPECT_NE(boxes_.boxes()[2].prompt.find("The transaction was rolled back"), std::string::npos)
        << boxes_.boxes()[2].prompt;
    EXPECT_EQ(boxes_.boxes()[3].prompt.rfind("Sub: BeginTrans\r\n", 0), 0u);
    boxes_.clear();
    rules.Rollback();
    EXPECT_EQ(boxes_.size(), 0u) << boxes_.last().prompt;
    EXPECT_EQ(rules.LanguageList().size(), 1u);
    rules.AddHomeworld(&world);
    EXPECT_EQ(boxes_.size(), 0u) << boxes_.last().prompt;
    EXPECT_EQ(Count(DefaultDatabasePath()), 1);
}

// Another program's change (it deletes the record and adds another, which may take the
// deleted row's id) made at each point where a delete takes a lock. Whatever the point, the
// outcome is that of the two running one after the other: the delete never removes a record
// it did not find, nor reports one it did not remove.
class DeleteInterleaving : public OrvaneTest {
  protected:
    struct Outcome {
        bool ok = false;
        bool found = false;
        std::string rows;  // the table's rows after both, in row id order
        bool operator==(const Outcome&) const = default;
    };

    static std::string Table(const std::string& path) {
        sqlite3* db = nullptr;
        sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, "SELECT rowid, Name, Sector FROM tblHomeworlds ORDER BY rowid", -1,
                           &st, nullptr);
        std::string rows;
        while (sqlite3_step(st) == SQLITE_ROW)
            rows += std::to_string(sqlite3_column_int64(st, 0)) + ":" +
                    reinterpret_cast<const char*>(sqlite3_column_text(st, 1)) + "/" +
                    reinterpret_cast<const char*>(sqlite3_column_text(st, 2)) + " ";
        sqlite3_finalize(st);
        sqlite3_close(db);
        return rows;
    }

    // The other program; false when the delete's locks kept it out.
    static bool Other(const std::string& path, const std::string& sql) {
        sqlite3* db = nullptr;
        sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
        const bool ok = sqlite3_exec(db, ("BEGIN IMMEDIATE;" + sql + "COMMIT;").c_str(), nullptr,
                                     nullptr, nullptr) == SQLITE_OK;
        if (!ok) sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        return ok;
    }

    Outcome Delete(const std::string& path, std::string_view source) {
        Outcome out;
        auto db = Connect(path);
        const dal::Condition cond{"Name", dal::Condition::Kind::Text, "X"};
        out.ok = db->DeleteFirst(source, {&cond, 1}, out.found).Ok();
        return out;
    }

    // Runs the delete with the other program's change at every lock the delete takes, and
    // compares each outcome with the two orders one after the other.
    void Sweep(const std::string& setup, std::string_view source, const std::string& change) {
        const std::string original = MakeDatabase("original.mdb", false, setup);
        auto fresh = [&](const char* name) {
            const std::string path = dir_.file(name);
            fs::copy_file(original, path, fs::copy_options::overwrite_existing);
            return path;
        };
        const std::string first = fresh("other-first.mdb");
        Other(first, change);
        Outcome otherFirst = Delete(first, source);
        otherFirst.rows = Table(first);
        const std::string second = fresh("delete-first.mdb");
        Outcome deleteFirst = Delete(second, source);
        Other(second, change);
        deleteFirst.rows = Table(second);
        ASSERT_NE(otherFirst, deleteFirst);

        FaultVfs vfs;
        for (int n = 1;; ++n) {
            const std::string path = fresh("swept.mdb");
            auto db = Connect(path);
            bool during = false;
            vfs.RunAtNth(orvane_test::FaultOp::Lock, n, [&] { during = Other(path, change); });
            Outcome got;
            const dal::Condition cond{"Name", dal::Condition::Kind::Text, "X"};
            got.ok = db->DeleteFirst(source, {&cond, 1}, got.found).Ok();
            const bool fired = vfs.Fired();
            vfs.Disarm();
            db.reset();
            if (!during) Other(path, change);  // kept out (or never run): it comes after
            got.rows = Table(path);
            EXPECT_TRUE(got == otherFirst || got == deleteFirst)
                << "change at lock " << n << (during ? " (made)" : " (kept out)") << ": ok "
                << got.ok << ", found " << got.found << ", rows " << got.rows
                << "\n  other first: " << otherFirst.rows
                << "\n  delete first: " << deleteFirst.rows;
            if (!fired) break;
            ASSERT_LT(n, 50);
        }
    }
};

TEST_F(DeleteInterleaving, ATableRowIsFoundAndDeletedAtOnce) {
    // X is the last row; the row added after its deletion takes its row id.
    Sweep("INSERT INTO tblHomeworlds (Name, Sector) VALUES ('A', 'a'), ('X', 'x');",
          "tblHomeworlds",
          "DELETE FROM tblHomeworlds WHERE Name = 'X';"
          "INSERT INTO tblHomeworlds (Name, Sector) VALUES ('Z', 'z');");
}

TEST_F(DeleteInterleaving, AStoredQueryRowIsFoundAndDeletedInOneTransaction) {
    // The query shows X of sector a first; the other program replaces it by Z.
    Sweep(
        "INSERT INTO tblHomeworlds (Name, Sector) VALUES ('X', 'b'), ('X', 'a'), ('A', 'c');"
        "CREATE VIEW qryHomes AS SELECT Name, Sector FROM tblHomeworlds ORDER BY Sector;",
        "qryHomes",
        "DELETE FROM tblHomeworlds WHERE Name = 'X' AND Sector = 'a';"
        "INSERT INTO tblHomeworlds (Name, Sector) VALUES ('Z', 'a');");
}

}  // namespace
}  // namespace orvane_test
