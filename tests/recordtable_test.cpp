// The record-table pattern on homeworlds, ages and sizes: column rules, labels and messages,
// list forms, duplicates, the caller's key text, and log lines.
#include "orvane/records/core.hpp"
#include "support.hpp"

#include <map>
#include <set>

namespace orvane_test {
namespace {

using namespace OrvaneLib;

class RecordTableTest : public OrvaneTest {};

TEST_F(RecordTableTest, SampleHomeworldsAgesAndSizes) {
    auto db = OpenScratch("", true);
    ListResult worlds = db->HomeworldList();
    EXPECT_EQ(worlds.LBound(), 1);
    EXPECT_EQ(worlds[1], "Orvane Prime");
    auto kesh = db->HomeworldInfo("kesh");
    ASSERT_NE(kesh, nullptr);
    EXPECT_EQ(kesh->Name, "kesh");  // the caller's text, not the stored one
    EXPECT_EQ(kesh->Sector, "Lantern");
    EXPECT_EQ(kesh->Region, "Mid Spiral");
    auto deep = db->HomeworldInfo("Nimbus Deep");
    ASSERT_NE(deep, nullptr);
    EXPECT_EQ(deep->Sector, "");  // null keeps the cleared value

    ListResult ages = db->AgeList();  // through qryAges, in its order
    ASSERT_EQ(ages.size(), 7u);
    EXPECT_EQ(ages[1], "Child");
    EXPECT_EQ(ages[6], "Venerable");
    auto old = db->GetAgeInfo("Old");
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(old->GetModifier(0), -2);
    EXPECT_EQ(old->GetModifier(5), 1);
    EXPECT_EQ(old->Order, 5);
    EXPECT_EQ(old->GetSpecQualList(), "Steady Hand");
    EXPECT_EQ(old->GetNumSynergy(), 2);
    auto departed = db->GetAgeInfo("Departed");
    ASSERT_NE(departed, nullptr);
    EXPECT_TRUE(departed->Dead);  // -1 from older files reads as true

    EXPECT_EQ(db->SizeList()[1], "Diminutive");
    auto small = db->GetSizeInfo("Small");
    ASSERT_NE(small, nullptr);
    EXPECT_EQ(small->Hide, 4);
    EXPECT_FLOAT_EQ(small->MaxHeight, 1.2f);
    EXPECT_EQ(small->BiteAttack, "1d3");
    EXPECT_EQ(boxes_.size(), 0u);
}

TEST_F(RecordTableTest, ListsFallBackToTheTableWithoutTheirQuery) {
    auto db = OpenScratch(
        "DROP VIEW qryAges; INSERT INTO tblAges (Age, \"Order\") VALUES ('B', 2), ('A', 1);");
    ListResult ages = db->AgeList();
    ASSERT_EQ(ages.size(), 2u);
    EXPECT_EQ(ages[1], "B");
}

TEST_F(RecordTableTest, EmptyTablesEmptyKeysAndMissingRows) {
    auto db = OpenScratch();
    EXPECT_TRUE(db->HomeworldList().IsEmptyForm());
    EXPECT_TRUE(db->AgeList().IsEmptyForm());
    EXPECT_TRUE(db->SizeList().IsEmptyForm());
    EXPECT_EQ(db->HomeworldInfo(""), nullptr);
    EXPECT_EQ(db->GetAgeInfo(""), nullptr);
    EXPECT_EQ(db->GetSizeInfo("Huge"), nullptr);
    db->DelHomeworld("");
    db->DelAge("Old");
    db->DelSize("");
    db->DelHomeworld("Nowhere");  // homeworlds ignore a missing row
    std::vector<std::string> expected = {
        "Property Get: HomeworldList\r\nThere are no Homeworld Records in the Database!",
        "Property Get: AgeList\r\nThere are no Age Records in the Database!",
        "Property Get: SizeList\r\nThere are no Size Records in the Database!",
        "Property Get: HomeworldInfo()\r\nA Homeworld Search field was not corretly Identified.",
        "Property Get: GetAgeInfo()\r\nAn Age Search field was not corretly Identified.",
        "Property Get: GetSizeInfo(Huge)\r\nUnable to locate a Size matching your criteria.",
        "Property Let: DelHomeworld()\r\nA Homeworld Search field was not corretly Identified.",
        "Property Let: DelAge(Old)\r\nUnable to locate an Age matching your criteria.",
        "Property Let: DelSize()\r\nA Size Search field was not corretly Identified.",
    };
    ASSERT_EQ(boxes_.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(boxes_.boxes()[i].prompt, expected[i]);
}

TEST_F(RecordTableTest, AddAppendsDuplicatesAndDeleteRemovesOnePerCall) {
    auto db = OpenScratch();
    clsAge age;
    age.Name = "Adult";
    age.SetModifier(3, 2);
    age.SetSynergy("1:Jump:2");
    db->AddAge(&age);
    db->AddAge(&age);
    db->AddAge(nullptr);
    EXPECT_EQ(db->AgeList().size(), 2u);
    auto back = db->GetAgeInfo("ADULT");
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->Name, "ADULT");
    EXPECT_EQ(back->GetModifier(3), 2);
    EXPECT_EQ(back->GetSynergyList(), "1:Jump:2");
    EXPECT_FALSE(back->HasSpecQual());  // nothing written for an empty list
    db->DelAge("adult");
    EXPECT_EQ(db->AgeList().size(), 1u);
    db->DelAge("Adult");
    EXPECT_TRUE(db->AgeList().IsEmptyForm());
}

TEST_F(RecordTableTest, NullInAnAlwaysReadColumnFailsTheRead) {
    auto db = OpenScratch(
        "INSERT INTO tblAges (Age, Dead, Str, Dex, Con, Int, Wis, Cha) VALUES ('Young', 0, 0, "
        "NULL, 0, 0, 0, 0);"
        "INSERT INTO tblAges (Age, Dead, Str, Dex, Con, Int, Wis, Cha, \"Order\") VALUES ('Old', "
        "0, 0, 0, 0, 0, 0, 0, NULL);"
        "INSERT INTO tblSizes (Name, Attack, Defense, Hide, Punch) VALUES ('Big', 1, 2, 'x', 4);");
    EXPECT_EQ(db->GetAgeInfo("Young"), nullptr);
    EXPECT_EQ(db->GetAgeInfo("Old"), nullptr);  // "Order" exists, so its null fails too
    EXPECT_EQ(db->GetSizeInfo("Big"), nullptr);
    ASSERT_EQ(boxes_.size(), 3u);
    EXPECT_EQ(boxes_.boxes()[0].prompt, "Property Get: GetAgeInfo(Young)\r\nInvalid use of Null");
    EXPECT_EQ(boxes_.boxes()[2].prompt, "Property Get: GetSizeInfo(Big)\r\nType mismatch");
}

TEST_F(RecordTableTest, OptionalColumnsAreSkippedOnReadAndAdd) {
    auto db = OpenScratch(R"(
        DROP VIEW qrySizes; DROP TABLE tblSizes;
        CREATE TABLE tblSizes (Name TEXT, Attack INTEGER, Defense INTEGER, Hide INTEGER, Punch INTEGER);
        INSERT INTO tblSizes VALUES ('Old Small', 1, 1, 4, -1);
        DROP TABLE tblHomeworlds; CREATE TABLE tblHomeworlds (Name TEXT, Sector TEXT);
        INSERT INTO tblHomeworlds VALUES ('Kesh', 'Lantern');)");
    auto size = db->GetSizeInfo("Old Small");
    ASSERT_NE(size, nullptr);
    EXPECT_EQ(size->DR, 0);
    EXPECT_EQ(size->BiteAttack, "");
    clsSizes big;
    big.Name = "Big";
    big.DR = 3;
    big.BiteAttack = "1d8";
    db->AddSize(&big);
    auto world = db->HomeworldInfo("Kesh");
    ASSERT_NE(world, nullptr);
    EXPECT_EQ(world->Region, "");
    clsHomeworld w;
    w.Name = "Ivo";
    w.Region = "Rim";
    db->AddHomeworld(&w);
    EXPECT_EQ(db->HomeworldList().size(), 2u);
    EXPECT_EQ(db->SizeList().size(), 2u);
    EXPECT_EQ(boxes_.size(), 0u);
}

TEST_F(RecordTableTest, HomeworldReadsTestTheirTableButOtherOperationsReport) {
    auto db = OpenScratch("DROP TABLE tblHomeworlds;");
    EXPECT_EQ(db->HomeworldInfo("Kesh"), nullptr);
    EXPECT_EQ(boxes_.size(), 0u);
    EXPECT_TRUE(db->HomeworldList().IsEmptyForm());
    clsHomeworld w;
    w.Name = "Kesh";
    db->AddHomeworld(&w);
    db->DelHomeworld("Kesh");
    ASSERT_EQ(boxes_.size(), 3u);
    EXPECT_EQ(boxes_.boxes()[1].prompt.rfind("Property Let: AddHomeworld(Kesh)\r\n", 0), 0u);
    EXPECT_EQ(boxes_.boxes()[2].prompt.rfind("Property Let: DelHomeworld(Kesh)\r\n", 0), 0u);
}

TEST_F(RecordTableTest, RefusedRowsAreReportedUnderTheAddLabel) {
    auto db = OpenScratch("CREATE UNIQUE INDEX uq ON tblAges (Age);");
    clsAge age;
    age.Name = "Child";
    db->AddAge(&age);
    db->AddAge(&age);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_.last().prompt.rfind("Property Let: AddAge(Child)\r\n", 0), 0u);
    EXPECT_NE(boxes_.last().prompt.find("UNIQUE"), std::string::npos);
    EXPECT_EQ(db->AgeList().size(), 1u);
}

TEST_F(RecordTableTest, KeysWithQuotesOrColumnNamesMatchOnlyThemselves) {
    auto db = OpenScratch(R"(
        INSERT INTO tblHomeworlds VALUES ('Name', 'a', 'b'), ('Say "hi"', 'c', 'd'), ('Other', 'e', 'f');)");
    auto quoted = db->HomeworldInfo("Say \"hi\"");
    ASSERT_NE(quoted, nullptr);
    EXPECT_EQ(quoted->Sector, "c");
    auto column = db->HomeworldInfo("Name");
    ASSERT_NE(column, nullptr);
    EXPECT_EQ(column->Sector, "a");
    EXPECT_EQ(db->HomeworldInfo("\" OR \"\"=\""), nullptr);
    db->DelHomeworld("Name");
    EXPECT_EQ(db->HomeworldList().size(), 2u);
}

TEST_F(RecordTableTest, LogLinesOfReadsCarryTheirStatement) {
    auto db = OpenScratch();
    db->Logging(true);
    db->Messaging(false);
    db->GetAgeInfo("Old");
    db->GetSizeInfo("Huge");
    db->HomeworldInfo("Addis");  // "Add" in the key: three fields
    db->AgeList();
    clsAge age;
    db->Logging(false);
    std::string log = ReadFile(LogPath(1));
    EXPECT_NE(
        log.find(
            "\tProperty Get: GetAgeInfo(Old)\tUnable to locate an Age matching your criteria.\t"
            "SELECT tblAges.*, tblAges.Age From tblAges Where (((tblAges.Age) = \"Old\"))\r\n"),
        std::string::npos);
    EXPECT_NE(log.find("\tSELECT tblSizes.*, tblSizes.Name From tblSizes Where (((tblSizes.Name) = "
                       "\"Huge\"))\r\n"),
              std::string::npos);
    EXPECT_NE(
        log.find("\tProperty Get: HomeworldInfo(Addis)\tUnable to locate a Homeworld matching your "
                 "criteria.\r\n"),
        std::string::npos);
    EXPECT_NE(log.find("\tProperty Get: AgeList\tThere are no Age Records in the Database!\r\n"),
              std::string::npos);
}

TEST_F(RecordTableTest, ClosedDatabaseGivesEmptyResults) {
    clsDatabase db;  // nothing next to the library
    boxes_.clear();
    EXPECT_TRUE(db.AgeList().IsEmptyForm());
    EXPECT_EQ(db.GetAgeInfo("Old"), nullptr);
    clsAge age;
    age.Name = "Old";
    db.AddAge(&age);
    db.DelAge("Old");
    EXPECT_EQ(boxes_.size(), 4u);  // each reports the missing database
    for (const auto& box : boxes_.boxes()) EXPECT_EQ(box.prompt.rfind("Sub: OpenDB", 0), 0u);
}

}  // namespace
}  // namespace orvane_test

#include "database/table.hpp"

namespace orvane_test {
namespace {

using namespace OrvaneLib;
using namespace OrvaneLib::detail;

class DescriptionTest : public OrvaneTest {};

// The schema's tables and their columns (names in lower case).
std::map<std::string, std::set<std::string>> SchemaColumns(const std::string& path) {
    auto db = Connect(path);
    EXPECT_TRUE(db->Execute("CREATE TEMP VIEW columns AS SELECT m.name AS tbl, p.name AS col "
                            "FROM sqlite_schema m, pragma_table_info(m.name) p "
                            "WHERE m.type = 'table'")
                    .Ok());
    auto rs = Rows(*db, "columns");
    std::map<std::string, std::set<std::string>> tables;
    auto lower = [](std::string t) {
        for (char& c : t) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return t;
    };
    for (rs.MoveFirst(); !rs.EndOfRows(); rs.MoveNext())
        tables[lower(Cell(rs, "tbl").AsText())].insert(lower(Cell(rs, "col").AsText()));
    return tables;
}

// Every described table and column is in the schema, and every record table of the schema
// is described: a kind cannot drift from the database it reads.
TEST_F(DescriptionTest, DescriptionsAndSchemaAgree) {
    auto schema = SchemaColumns(MakeDatabase("schema.mdb"));
    auto lower = [](std::string_view t) {
        std::string out(t);
        for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return out;
    };
    std::set<std::string> described;
    for (auto factory : RegisteredTables()) {
        const TableKind& kind = factory();
        const std::string table = lower(kind.table);
        ASSERT_TRUE(schema.count(table)) << kind.name << ": no table " << kind.table;
        described.insert(table);
        for (const Field* c : kind.columns)
            EXPECT_TRUE(schema[table].count(lower(c->column)) ||
                        (!c->altColumn.empty() && schema[table].count(lower(c->altColumn))))
                << kind.name << ": no column " << c->column;
    }
    // The lookup lists and the database information are no record kinds.
    for (const char* other :
         {"tblinfo", "tblkeywords", "tblregion", "tblcolors", "tbllanguages", "tblability"})
        schema.erase(other);
    for (const auto& [table, columns] : schema) EXPECT_TRUE(described.count(table)) << table;
    EXPECT_EQ(RegisteredTables().size(), 43u);
}

// A described record of its own, to build faulty descriptions from.
struct Probe : Object {
    std::string ClassName() const override { return "Probe"; }
    std::string A, B;
    Integer N = 0;
};
struct Other : Object {
    std::string ClassName() const override { return "Other"; }
    std::string A;
};

// Faults of a description are found when it is built, with the kind named.
TEST(Descriptions, FaultsAreFoundWhenBuiltAndNameTheKind) {
    auto fault = [](std::vector<FieldGroup> fields) -> std::string {
        try {
            BuildKindOf<Probe>("Probe", {.fields = std::move(fields),
                                         .tables = {{.name = "Probe", .table = "tblProbe"}}});
        } catch (const std::logic_error& e) {
            return e.what();
        }
        return "";
    };
    EXPECT_EQ(fault({Key<&Probe::A>("A"), F<&Probe::B>("B")}), "");
    EXPECT_EQ(fault({Key<&Probe::A>("A"), F<&Probe::B>("A", Col::Always, "B")}),
              "record kind Probe: the field A is described twice");
    EXPECT_EQ(fault({Key<&Probe::A>("A"), F<&Probe::B>("B", Col::Always, "a")}),
              "record kind Probe: the column a is described twice");
    EXPECT_EQ(fault({Key<&Probe::A>("A"), Key<&Probe::B>("B"), Key<&Probe::N>("N")}),
              "record kind Probe: a kind has at most two keys");
    EXPECT_EQ(fault({F<&Probe::A>("A")}), "record kind Probe: a stored kind needs a key");
    EXPECT_EQ(fault({Key<&Probe::A>("A"), F<&Other::A>("OtherA", Col::Always, "X")}),
              "record kind Probe: the field OtherA does not belong to the class");

    // A table whose operations do not fit its keys is refused when the table is made.
    const RecordKind kind = BuildKindOf<Probe>(
        "Probe", {.fields = {Key<&Probe::A>("A")}, .tables = {{.name = "Probe", .table = "t"}}});
    EXPECT_THROW(MakeTable(kind, 0, {"L", "R", "A", "D"}, Shape::NUMBER), std::logic_error);
    EXPECT_THROW(MakeTable(kind, 1, {"L", "R", "A", "D"}, Shape::TEXT), std::logic_error);
    const TableKind table =
        MakeTable(kind, 0, {"ProbeList", "ProbeInfo", "AddProbe", "DelProbe"}, Shape::TEXT);
    EXPECT_EQ(table.readLabel, "Property Get: ProbeInfo(");
    EXPECT_EQ(table.delLabel, "Property Let: DelProbe(");
    EXPECT_EQ(table.emptyTable, "There are no Probe Records in the Database!");
    EXPECT_EQ(table.readEmptyKey, "A Probe Search field was not corretly Identified.");
}

}  // namespace
}  // namespace orvane_test

namespace orvane_test {
namespace {

// Optional tables dropped or created by another program while the database is open.
TEST_F(RecordTableTest, OptionalTablesChangedByAnotherConnectionAreSeen) {
    auto db = OpenScratch("", true);
    ASSERT_FALSE(db->DroidBonusList().IsEmptyForm());
    Exec(DefaultDatabasePath(), "DROP TABLE tblDroidBonus;");
    EXPECT_TRUE(db->DroidBonusList().IsEmptyForm());
    EXPECT_EQ(db->DroidBonusInfo("Anything"), nullptr);
    db->DelDroidBonus("Anything");
    EXPECT_EQ(boxes_.size(), 0u);

    Exec(DefaultDatabasePath(),
         "CREATE TABLE tblDroidBonus (Name TEXT, Multiple INTEGER, Skills TEXT);"
         "INSERT INTO tblDroidBonus VALUES ('Servo Grip', 0, 'Climb');");
    ListResult list = db->DroidBonusList();
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[1], "Servo Grip");
}

}  // namespace
}  // namespace orvane_test
