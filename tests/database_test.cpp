// clsDatabase: creation, registry configuration, error reporting and logging, opening and
// reopening, FileDate/Version and Clear.
#include <unistd.h>

#include "support.hpp"

namespace orvane_test {
namespace {

using namespace OrvaneLib;

constexpr const char* kKey = "SOFTWARE\\Velmora Technologies\\Database Interface";

std::string Reg(const char* name) { return QueryRegValue(RegRoot::LocalMachine, kKey, name); }

class DatabaseTest : public OrvaneTest {};

TEST_F(DatabaseTest, CreationOnAFreshMachineOpensTheSampleAndFillsTheRegistry) {
    InstallSampleDatabase();
    clsDatabase db;
    EXPECT_EQ(boxes_.size(), 0u);
    EXPECT_EQ(db.Name(), DefaultDatabasePath());
    EXPECT_TRUE(db.Messaging());
    EXPECT_FALSE(db.Logging());
    EXPECT_EQ(Reg("Version"), LibraryVersion());
    EXPECT_EQ(Reg("Path"), libDir_);
    EXPECT_EQ(Reg("Name"), LibraryFileName());
    EXPECT_EQ(Reg("Debug"), "False");
    EXPECT_EQ(Reg("Logging"), "False");
    EXPECT_EQ(db.FileDate(), "2026-12-01");
    EXPECT_EQ(db.Version(), "Orvane Sample Rules 1.0");
}

TEST_F(DatabaseTest, MissingDatabaseIsReportedAndPickedUpOnceItAppears) {
    clsDatabase db;
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_.last().title, "Database Error");
    EXPECT_EQ(boxes_.last().icon, MsgIcon::Exclamation);
    EXPECT_EQ(boxes_.last().prompt,
              "Sub: OpenDB\r\nUnable to Open/Locate the Database: " + DefaultDatabasePath());
    EXPECT_EQ(db.Version(), "Database Error!");
    EXPECT_EQ(boxes_.size(), 2u);
    EXPECT_TRUE(db.LanguageList().IsEmptyForm());

    InstallSampleDatabase();
    boxes_.clear();
    EXPECT_EQ(db.LanguageList().size(), 5u);
    EXPECT_EQ(boxes_.size(), 0u);
}

TEST_F(DatabaseTest, FilesThatAreNotDatabasesAreReportedWhenOpened) {
    auto db = OpenScratch();
    std::string garbage = dir_.file("garbage.mdb");
    WriteFile(garbage, std::string(4096, 'x'));
    db->Name(garbage);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_.last().prompt.rfind("Sub: OpenDB\r\n", 0), 0u);
    EXPECT_NE(boxes_.last().prompt.find("not a database"), std::string::npos);
    // The failed open closed the connection; the next operation tries again and reports.
    boxes_.clear();
    EXPECT_TRUE(db->RegionList().IsEmptyForm());
    EXPECT_EQ(boxes_.size(), 1u);

    std::string folder = dir_.file("folder.mdb");
    fs::create_directories(folder);
    boxes_.clear();
    db->Name(folder);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_NE(boxes_.last().prompt.find("Unable to Open/Locate the Database"), std::string::npos);
}

TEST_F(DatabaseTest, UnreadableFileIsReportedByOpen) {
    if (::geteuid() == 0) GTEST_SKIP() << "file permissions do not bind the superuser";
    auto db = OpenScratch();
    std::string path = MakeDatabase("locked.mdb");
    fs::permissions(path, fs::perms::none);
    db->Name(path);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_NE(boxes_.last().prompt.find("Unable to open the database"), std::string::npos);
}

TEST_F(DatabaseTest, MessagingSwitchAndDebugOverride) {
    auto db = OpenScratch();
    db->Messaging(false);
    db->DelRegion("");
    EXPECT_EQ(boxes_.size(), 0u);

    SetRegValue(RegRoot::LocalMachine, kKey, "Debug", "true");
    clsDatabase debug;
    debug.Messaging(false);
    boxes_.clear();
    debug.DelRegion("");
    EXPECT_EQ(boxes_.size(), 1u);
}

TEST_F(DatabaseTest, RegistrySwitchesMustBeBooleanTexts) {
    InstallSampleDatabase();
    SetRegValue(RegRoot::LocalMachine, kKey, "Debug", "maybe");
    EXPECT_THROW(clsDatabase(), std::exception);
    SetRegValue(RegRoot::LocalMachine, kKey, "Debug", "0");
    SetRegValue(RegRoot::LocalMachine, kKey, "Logging", "-1");
    clsDatabase db;
    EXPECT_TRUE(db.Logging());
}

TEST_F(DatabaseTest, LogLinesHaveThreeOrFourTabSeparatedFields) {
    InstallSampleDatabase();
    SetRegValue(RegRoot::LocalMachine, kKey, "Logging", "True");
    {
        clsDatabase db;
        ASSERT_TRUE(db.Logging());
        db.Messaging(false);
        db.DelRegion("");             // a keyed operation: statement field, empty here
        db.AddLanguage("");           // "Add" in the label: three fields
        db.DelColor("Addled");        // no match: nothing logged
        db.Name(dir_.file("x.mdb"));  // "Sub: OpenDB": four fields, message of one line
        EXPECT_EQ(boxes_.size(), 0u);
    }
    std::string log = ReadFile(LogPath(1));
    std::vector<std::string> lines;
    for (std::size_t pos = 0; pos < log.size();) {
        std::size_t end = log.find("\r\n", pos);
        ASSERT_NE(end, std::string::npos) << "every line ends with CR LF";
        lines.push_back(log.substr(pos, end - pos));
        pos = end + 2;
    }
    ASSERT_EQ(lines.size(), 3u);
    auto fields = [](const std::string& line) {
        std::vector<std::string> out;
        std::size_t start = 0;
        for (;;) {
            std::size_t tab = line.find('\t', start);
            out.push_back(line.substr(start, tab - start));
            if (tab == std::string::npos) return out;
            start = tab + 1;
        }
    };
    auto f0 = fields(lines[0]);
    ASSERT_EQ(f0.size(), 4u);
    EXPECT_EQ(f0[1], "Property Let: DelRegion()");
    EXPECT_EQ(f0[2], "A Region Search field was not corretly Identified.");
    EXPECT_EQ(f0[3], "");
    auto f1 = fields(lines[1]);
    ASSERT_EQ(f1.size(), 3u);
    EXPECT_EQ(f1[1], "Property Let: AddLanguage()");
    EXPECT_EQ(fields(lines[2]).size(), 4u);
}

TEST_F(DatabaseTest, FailedKeyLookupLogsItsStatementAndJoinsCrLfInMessages) {
    auto db = OpenScratch("DROP TABLE tblRegion;");
    db->Logging(true);
    db->Messaging(false);
    db->DelRegion("Add\r\nOn");  // label holds "Add": three fields despite being a delete
    db->DelRegion("Core");
    db->Logging(false);
    std::string log = ReadFile(LogPath(1));
    auto second = log.substr(log.find("\r\n") + 2);
    // The line break inside the key does not split the entry.
    EXPECT_NE(log.find("\tProperty Let: DelRegion(Add On)\t"), std::string::npos);
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 2);
    EXPECT_EQ(std::count(second.begin(), second.end(), '\t'), 3);
    EXPECT_NE(second.find("\tSelect * From tblRegion Where tblRegion.Name = \"Core\"\r\n"),
              std::string::npos);
}

TEST_F(DatabaseTest, MessagesWithLineBreaksAreLoggedOnOneLine) {
    auto db = OpenScratch();
    db->Logging(true);
    db->Messaging(false);
    // A file that is not a database yields an engine message; CR LF pairs become blanks.
    std::string bad = dir_.file("bad\r\nname.mdb");
    WriteFile(bad, "not a database at all, but long enough to have a header.............");
    db->Name(bad);
    db->Logging(false);
    std::string log = ReadFile(LogPath(1));
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1);
    EXPECT_NE(log.find("bad name.mdb"), std::string::npos);
}

TEST_F(DatabaseTest, LoggingThatCannotOpenItsFileFailsAndStaysQuiet) {
    auto db = OpenScratch();
    fs::create_directories(LogPath(1));  // a folder where the log file should be
    EXPECT_THROW(db->Logging(true), std::exception);
    EXPECT_TRUE(db->Logging());
    db->Messaging(false);
    // A record file opened later under the same number must not receive log lines.
    Integer n = FreeFile();
    std::string other = dir_.file("other.txt");
    FileOpen(n, other, FileMode::Output);
    db->DelRegion("");
    FileClose(n);
    EXPECT_EQ(ReadFile(other), "");
}

TEST_F(DatabaseTest, EmptyInfoTableAndNullDate) {
    auto db = OpenScratch();
    EXPECT_EQ(db->FileDate(), "Database Error!");
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_.last().prompt,
              "Property Get: FileDate\r\nThere are no Database Information Records!");
    EXPECT_EQ(db->Version(), "Database Error!");
    EXPECT_EQ(boxes_.last().prompt.rfind("Property Get: FileVersion", 0), 0u);

    auto nulls = OpenScratch("INSERT INTO tblInfo VALUES (NULL, 'v2');");
    EXPECT_EQ(nulls->FileDate(), "Database Error!");
    EXPECT_EQ(nulls->Version(), "v2");
    EXPECT_EQ(boxes_.size(), 0u);
}

// The optional groups start absent, whatever the schema holds, so each test decides which
// of their tables exist.
const char* kBaseTablesSql = R"(
DROP TABLE IF EXISTS tblCreatureDetails; DROP TABLE IF EXISTS tblCreatureClasses;
DROP TABLE IF EXISTS tblCreatureClimates; DROP TABLE IF EXISTS tblCreatureLevels;
DROP TABLE IF EXISTS tblCreatureTemplates; DROP TABLE IF EXISTS tblDroidBonus;
DROP TABLE IF EXISTS tblDroidDegree; DROP TABLE IF EXISTS tblDroidEquip;
DROP TABLE IF EXISTS tblDroidMakers; DROP TABLE IF EXISTS tblDroidQuirks;
CREATE TABLE IF NOT EXISTS tblAges (x); CREATE TABLE IF NOT EXISTS tblArmor (x);
CREATE TABLE IF NOT EXISTS tblClasses (x); CREATE TABLE IF NOT EXISTS tblClassesBonus (x);
CREATE TABLE IF NOT EXISTS tblClassPrestige (x); CREATE TABLE IF NOT EXISTS tblClassesLevels (x);
CREATE TABLE IF NOT EXISTS tblCrossClass (x); CREATE TABLE IF NOT EXISTS tblEquipment (x);
CREATE TABLE IF NOT EXISTS tblFeats (x); CREATE TABLE IF NOT EXISTS tblHomeworlds (x);
CREATE TABLE IF NOT EXISTS tblSizes (x); CREATE TABLE IF NOT EXISTS tblSkillMastery (x);
CREATE TABLE IF NOT EXISTS tblSkills (x); CREATE TABLE IF NOT EXISTS tblSpecialQualities (x);
CREATE TABLE IF NOT EXISTS tblSpecies (x); CREATE TABLE IF NOT EXISTS tblWeapons (x);
CREATE TABLE IF NOT EXISTS tblClassFeatures (x);
INSERT INTO tblSpecies (Species) VALUES (1), (2); INSERT INTO tblColors VALUES ('Amber');
INSERT INTO tblRegion VALUES ('Core'); INSERT INTO tblInfo VALUES ('d', 'i');
)";

TEST_F(DatabaseTest, ClearEmptiesTheBaseTablesButNeverInfoKeywordsOrRegions) {
    auto db =
        OpenScratch(kBaseTablesSql + std::string("DROP TABLE IF EXISTS tblStarshipWeapons;"
                                                 "INSERT INTO tblAbility VALUES ('Str', 1);"));
    db->Clear();
    EXPECT_EQ(boxes_.size(), 0u);
    EXPECT_TRUE(db->GetColorList().IsEmptyForm());
    EXPECT_EQ(db->RegionList().size(), 1u);
    EXPECT_EQ(db->Version(), "i");
    // No starship weapons table: the ability group is left alone.
    EXPECT_EQ(db->GetAbility("Str"), 1);
}

TEST_F(DatabaseTest, ClearTakesTheOptionalGroupsWhenTheirFirstTableExists) {
    auto db = OpenScratch(kBaseTablesSql + std::string(R"(
        CREATE TABLE IF NOT EXISTS tblStarshipWeapons (x); CREATE TABLE IF NOT EXISTS tblVehicleWeapons (x);
        INSERT INTO tblAbility VALUES ('Str', 1);
        CREATE TABLE IF NOT EXISTS tblCreatureDetails (x);)"));
    db->Clear();
    // The creature group lacks four tables: each is reported, the rest still cleared.
    EXPECT_EQ(boxes_.size(), 4u);
    EXPECT_EQ(boxes_.boxes()[0].prompt.rfind("Sub: ClearTable(tblCreatureClasses)", 0), 0u);
    boxes_.clear();
    EXPECT_EQ(db->GetAbility("Str"), 0);
}

}  // namespace
}  // namespace orvane_test

namespace orvane_test {
namespace {

TEST_F(DatabaseTest, TransactionsCommitOrDiscardABatch) {
    auto db = OpenScratch();
    db->BeginTrans();
    for (int i = 0; i < 50; ++i) db->AddLanguage("Tongue " + std::to_string(i));
    db->Rollback();
    boxes_.clear();
    EXPECT_TRUE(db->LanguageList().IsEmptyForm());  // nothing of the batch is left

    db->BeginTrans();
    for (int i = 0; i < 50; ++i) db->AddLanguage("Tongue " + std::to_string(i));
    db->CommitTrans();
    EXPECT_EQ(db->LanguageList().size(), 50u);

    boxes_.clear();
    db->CommitTrans();  // nothing to commit: reported, not thrown
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_.last().prompt.rfind("Sub: CommitTrans\r\n", 0), 0u);
}

}  // namespace
}  // namespace orvane_test
