// The file-level helpers for tools: the information row, the schema tables a file lacks and
// the keyword rows with their own numbers.
#include "support.hpp"

namespace orvane_test {
namespace {

using namespace OrvaneLib;

class DatabaseFileTest : public OrvaneTest {};

TEST_F(DatabaseFileTest, SetDatabaseInfoWritesTheRowThatFileDateAndVersionRead) {
    const std::string path = MakeDatabase("rules.mdb");
    SetDatabaseInfo(path, "Kay's \"Rules\"; DROP TABLE tblInfo; --");
    auto db = std::make_unique<clsDatabase>();
    db->Name(path);
    boxes_.clear();
    EXPECT_EQ(db->Version(), "Kay's \"Rules\"; DROP TABLE tblInfo; --");
    EXPECT_EQ(db->FileDate().size(), 10u);  // 2026-12-01
    EXPECT_EQ(boxes_.size(), 0u);

    // Failures throw and leave the files as they were; none is created.
    EXPECT_THROW(SetDatabaseInfo(dir_.file("missing.mdb"), "1"), std::runtime_error);
    EXPECT_FALSE(fs::exists(dir_.file("missing.mdb")));
    const std::string bare = MakeDatabase("bare.mdb", false, "DROP TABLE tblInfo;");
    const std::string before = ReadFile(bare);
    EXPECT_THROW(SetDatabaseInfo(bare, "1"), std::runtime_error);
    EXPECT_EQ(ReadFile(bare), before);
    EXPECT_THROW(SetDatabaseInfo(path, std::string("a\0b", 3)), std::invalid_argument);
    EXPECT_EQ(db->Version(), "Kay's \"Rules\"; DROP TABLE tblInfo; --");
}

TEST_F(DatabaseFileTest, MissingSchemaTablesNamesWhatAFileLacks) {
    const std::string full = MakeDatabase("full.mdb");
    EXPECT_TRUE(MissingSchemaTables(full).empty());
    const std::string older =
        MakeDatabase("older.mdb", false, "DROP VIEW qryAbility; DROP TABLE tblKeywords;");
    EXPECT_EQ(MissingSchemaTables(older), (std::vector<std::string>{"tblKeywords", "qryAbility"}));

    const std::string empty = dir_.file("empty.db");
    WriteFile(empty, "");
    const auto all = MissingSchemaTables(empty);
    EXPECT_GT(all.size(), 40u);
    EXPECT_NE(std::find(all.begin(), all.end(), "tblInfo"), all.end());
    WriteFile(dir_.file("text.db"), "no database at all\n");
    EXPECT_THROW(MissingSchemaTables(dir_.file("text.db")), std::runtime_error);
}

TEST_F(DatabaseFileTest, KeywordRowsKeepEveryRowsOwnNumberInTableOrder) {
    const std::string path =
        MakeDatabase("keywords.mdb", false,
                     "INSERT INTO tblKeywords VALUES ('Fire', 0), ('Ice', 2), ('fire', 3), "
                     "(NULL, NULL), ('Fire', 'x');");
    using Rows = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(KeywordRows(path),
              (Rows{{"Fire", "0"}, {"Ice", "2"}, {"fire", "3"}, {"", ""}, {"Fire", "x"}}));
    EXPECT_TRUE(KeywordRows(MakeDatabase("none.mdb", false, "DROP TABLE tblKeywords;")).empty());
}

}  // namespace
}  // namespace orvane_test
