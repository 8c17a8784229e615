// Database files and surroundings that fight back: read-only files and folders, truncated
// and garbage files, tables without their columns, a registry store of garbage and a log
// that cannot be written. Every operation of every kind reports or answers and returns;
// nothing crashes and nothing is half written.
#include <sqlite3.h>
#include <unistd.h>

#include <random>

#include "faultvfs.hpp"
#include "orvane/registry.hpp"
#include "support.hpp"

namespace {

using namespace OrvaneLib;
namespace fs = std::filesystem;

class HostileDatabase : public orvane_test::OrvaneTest {
  protected:
    // Keys that name nothing in particular: text "Nobody", number 1.
    static std::vector<std::string> Keys(const KindInfo& kind) {
        std::vector<std::string> keys;
        for (const auto& k : kind.Keys()) keys.push_back(k.Number ? "1" : "Nobody");
        return keys;
    }
    // List, read, add and delete of every kind. Each operation either answers or reports;
    // returns how many reported.
    int EveryOperation(clsDatabase& db) {
        int reported = 0;
        for (const auto& kind : RecordKinds()) {
            auto keys = Keys(kind);
            std::size_t before = boxes_.size();
            ListResult list = kind.List(db);
            if (list.IsEmptyForm() && boxes_.size() == before) ++silent_;
            if (!list.IsEmptyForm() && kind.Keys().size() == 1) keys = {list[list.LBound()]};
            before = boxes_.size();
            if (!kind.Read(db, keys) && boxes_.size() == before) ++silent_;
            auto record = kind.NewRecord();
            kind.Add(db, *record);
            kind.Delete(db, keys);
            for (const auto& box : boxes_.boxes()) EXPECT_EQ(box.title, "Database Error");
            reported += static_cast<int>(boxes_.size());
            boxes_.clear();
        }
        return reported;
    }
    // The whole content of a database file, as text.
    static std::string Dump(const std::string& path) {
        sqlite3* db = nullptr;
        std::string out;
        sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
        auto each = [](void* text, int n, char** values, char**) {
            for (int i = 0; i < n; ++i)
                *static_cast<std::string*>(text) += values[i] ? values[i] : "~";
            *static_cast<std::string*>(text) += '\n';
            return 0;
        };
        std::string tables;
        sqlite3_exec(db, "SELECT name FROM sqlite_schema WHERE type = 'table' ORDER BY name", each,
                     &tables, nullptr);
        for (std::size_t b = 0, e; (e = tables.find('\n', b)) != std::string::npos; b = e + 1)
            sqlite3_exec(db, ("SELECT * FROM \"" + tables.substr(b, e - b) + "\"").c_str(), each,
                         &out, nullptr);
        sqlite3_close(db);
        return tables + out;
    }

    int silent_ = 0;  // operations that gave an empty answer without a report
};

TEST_F(HostileDatabase, AReadOnlyFileReportsEveryChangeAndStillAnswers) {
    // Permissions do not bind the superuser that runs the tests, so the engine opens the
    // file read-only as it does when the file's permissions forbid writing.
    InstallSampleDatabase();
    const std::string before = Dump(DefaultDatabasePath());
    orvane_test::FaultVfs vfs;
    vfs.ReadOnlyFiles(true);
    clsDatabase db;
    ASSERT_EQ(boxes_.size(), 0u);
    EXPECT_GT(db.SpeciesList().size(), 1u);
    db.DelSpecies("Skarth");
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_.last().prompt,
              "Property Let: DelSpecies(Skarth)\r\nattempt to write a readonly database");
    db.Clear();
    EXPECT_GT(boxes_.size(), 30u);
    EXPECT_GT(EveryOperation(db), 40);
    EXPECT_TRUE(db.GetSpeciesInfo("Skarth"));
    EXPECT_EQ(Dump(DefaultDatabasePath()), before);
}

TEST_F(HostileDatabase, AFolderThatRefusesTheJournalReportsEveryChange) {
    InstallSampleDatabase();
    const std::string before = Dump(DefaultDatabasePath());
    orvane_test::FaultVfs vfs;
    vfs.NoJournals(true);
    clsDatabase db;
    clsHomeworld world;
    world.Name = "Nowhere";
    db.AddHomeworld(&world);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_.last().prompt,
              "Property Let: AddHomeworld(Nowhere)\r\nunable to open database file");
    boxes_.clear();
    db.Clear();
    EXPECT_GT(boxes_.size(), 30u);
    EXPECT_EQ(Dump(DefaultDatabasePath()), before);
}

TEST_F(HostileDatabase, RealPermissionsReportWhenTheyBind) {
    if (::geteuid() == 0) GTEST_SKIP() << "file permissions do not bind the superuser";
    InstallSampleDatabase();
    fs::permissions(DefaultDatabasePath(), fs::perms::owner_read);
    clsDatabase db;
    db.DelSpecies("Skarth");
    EXPECT_EQ(boxes_.size(), 1u);
    fs::permissions(DefaultDatabasePath(), fs::perms::owner_read | fs::perms::owner_write);
    fs::permissions(libDir_, fs::perms::owner_read | fs::perms::owner_exec);
    boxes_.clear();
    db.DelSpecies("Skarth");
    EXPECT_EQ(boxes_.size(), 1u);
    fs::permissions(libDir_, fs::perms::owner_all);
}

TEST_F(HostileDatabase, ATruncatedFileReportsWhatItCannotRead) {
    InstallSampleDatabase();
    fs::resize_file(DefaultDatabasePath(), fs::file_size(DefaultDatabasePath()) / 2);
    clsDatabase db;
    boxes_.clear();
    EXPECT_GT(EveryOperation(db), 0);
    EXPECT_EQ(silent_, 0);
}

TEST_F(HostileDatabase, GarbageAndEmptyFilesReportOrAnswerEmpty) {
    std::mt19937 random(11);
    std::string garbage(64 * 1024, '\0');
    for (char& c : garbage) c = static_cast<char>(random());
    WriteFile(DefaultDatabasePath(), garbage);
    {
        clsDatabase db;
        ASSERT_GE(boxes_.size(), 1u);
        EXPECT_EQ(boxes_.boxes()[0].prompt.rfind("Sub: OpenDB\r\nUnable to open the database", 0),
                  0u);
        boxes_.clear();
        EXPECT_GT(EveryOperation(db), 4 * 40);  // each operation reports the failed open
    }
    EXPECT_EQ(ReadFile(DefaultDatabasePath()), garbage);

    // An empty file is an empty database to the engine: tables are missing, nothing is added.
    WriteFile(DefaultDatabasePath(), "");
    clsDatabase db;
    EXPECT_GT(EveryOperation(db), 40);
    EXPECT_EQ(fs::file_size(DefaultDatabasePath()), 0u);
}

TEST_F(HostileDatabase, TablesWithoutTheirColumnsReportEveryOperation) {
    // Every rules table rebuilt with one column of no use; stored queries dropped with them.
    std::string sql;
    {
        InstallSampleDatabase();
        sqlite3* raw = nullptr;
        sqlite3_open_v2(DefaultDatabasePath().c_str(), &raw, SQLITE_OPEN_READWRITE, nullptr);
        auto each = [](void* text, int, char** values, char**) {
            *static_cast<std::string*>(text) += values[0];
            return 0;
        };
        sqlite3_exec(raw,
                     "SELECT 'DROP VIEW \"' || name || '\";' FROM sqlite_schema WHERE type = "
                     "'view'",
                     each, &sql, nullptr);
        sqlite3_exec(raw,
                     "SELECT 'DROP TABLE \"' || name || '\"; CREATE TABLE \"' || name || "
                     "'\" (Unused TEXT);' FROM sqlite_schema WHERE type = 'table'",
                     each, &sql, nullptr);
        sqlite3_close(raw);
    }
    Exec(DefaultDatabasePath(), sql);
    clsDatabase db;
    boxes_.clear();
    EveryOperation(db);
    EXPECT_EQ(silent_, 0);
    sqlite3* raw = nullptr;
    sqlite3_open_v2(DefaultDatabasePath().c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(raw, "SELECT count(*) FROM tblSpecies", -1, &st, nullptr);
    ASSERT_EQ(sqlite3_step(st), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(st, 0), 0) << "an add wrote a row it could not fill";
    sqlite3_finalize(st);
    sqlite3_close(raw);
}

TEST_F(HostileDatabase, ATableRebuiltByAnotherConnectionIsReadWithItsNewColumns) {
    // The read's statement was compiled when the table had one column; another connection
    // rebuilds it with three. The engine recompiles the statement on its next use, and the
    // row must be read with the new columns, not the old count of them.
    auto db = OpenScratch(
        "DROP TABLE tblHomeworlds; CREATE TABLE tblHomeworlds (Name TEXT);"
        "INSERT INTO tblHomeworlds VALUES ('Alpha');");
    db->HomeworldInfo("Alpha");
    Exec(DefaultDatabasePath(),
         "DROP TABLE tblHomeworlds; CREATE TABLE tblHomeworlds (Name TEXT, Sector TEXT, Region "
         "TEXT); INSERT INTO tblHomeworlds VALUES ('Alpha', 'S1', 'R1'), ('Beta', 'S2', 'R2');");
    boxes_.clear();
    auto alpha = db->HomeworldInfo("Alpha");
    ASSERT_TRUE(alpha) << boxes_.last().prompt;
    EXPECT_EQ(alpha->Sector, "S1");
    EXPECT_EQ(alpha->Region, "R1");
    EXPECT_EQ(db->HomeworldList().Values(), (std::vector<std::string>{"Alpha", "Beta"}));
}

TEST_F(HostileDatabase, ARegistryStoreOfGarbageReadsAsEmpty) {
    InstallSampleDatabase();
    fs::create_directories(regDir_);
    std::mt19937 random(3);
    std::string garbage(8192, '\0');
    for (char& c : garbage) c = static_cast<char>(random());
    WriteFile(regDir_ + "/LocalMachine.reg", garbage);
    {
        clsDatabase db;
        EXPECT_EQ(boxes_.size(), 0u);
        EXPECT_FALSE(db.Logging());
        EXPECT_TRUE(db.GetSpeciesInfo("Skarth"));
    }
    // A store that cannot be written at all: the folder is a file.
    fs::remove_all(regDir_);
    WriteFile(regDir_, "not a folder");
    clsDatabase db;
    EXPECT_EQ(boxes_.size(), 0u);
    EXPECT_TRUE(db.GetSpeciesInfo("Skarth"));
}

TEST_F(HostileDatabase, ALogThatCannotBeWrittenFailsLoggingClearlyAndNothingElse) {
    // The log file's name is taken by a folder, which the superuser cannot write either.
    InstallSampleDatabase();
    fs::create_directories(LogPath());
    clsDatabase db;
    try {
        db.Logging(true);
        ADD_FAILURE() << "switching the log on succeeded";
    } catch (const std::exception& e) {
        EXPECT_NE(std::string(e.what()).find(LogPath()), std::string::npos) << e.what();
    }
    boxes_.clear();
    EXPECT_FALSE(db.GetSpeciesInfo("Nobody"));
    EXPECT_EQ(boxes_.size(), 1u);  // the report still shows; only its log line is lost

    // Logging switched on in the registry: creation fails, and says why.
    SetRegValue(RegRoot::LocalMachine, "SOFTWARE\\Velmora Technologies\\Database Interface",
                "Logging", "True");
    try {
        clsDatabase logged;
        ADD_FAILURE() << "creation succeeded without its log";
    } catch (const std::exception& e) {
        EXPECT_NE(std::string(e.what()).find(LogPath()), std::string::npos) << e.what();
    }
}

}  // namespace
