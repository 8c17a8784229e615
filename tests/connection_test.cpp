// Which database the operations reach: after a failed reopen none at all, and after another
// program changed a table, that table as it is now.
#include "support.hpp"

namespace orvane_test {
namespace {

using namespace OrvaneLib;

class ConnectionTest : public OrvaneTest {
  protected:
    static long CountRows(const std::string& path, const char* table, const char* name) {
        auto db = Connect(path);
        const dal::Condition cond{"Name", dal::Condition::Kind::Text, name};
        return Rows(*db, table, {&cond, 1}).RecordCount();
    }
};

// After Name names a file that does not exist, the object has no database: reads, adds and
// deletes report the missing file and none of them reaches the database open before. Once
// the file exists, the next operation opens it.
TEST_F(ConnectionTest, AFailedRenameWritesNowhere) {
    auto db = OpenScratch("INSERT INTO tblHomeworlds (Name) VALUES ('Kept');");
    const std::string first = DefaultDatabasePath();
    const std::string later = dir_.file("later.mdb");
    db->Name(later);
    EXPECT_EQ(db->Name(), later);
    const std::string missing = "Sub: OpenDB\r\nUnable to Open/Locate the Database: " + later;
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_.last().prompt, missing);

    boxes_.clear();
    clsHomeworld world;
    world.Name = "Lost";
    db->AddHomeworld(&world);
    db->DelHomeworld("Kept");
    EXPECT_EQ(db->HomeworldInfo("Kept"), nullptr);
    EXPECT_TRUE(db->HomeworldList().IsEmptyForm());
    db->BeginTrans();
    ASSERT_EQ(boxes_.size(), 5u);
    for (const auto& box : boxes_.boxes()) EXPECT_EQ(box.prompt, missing);
    EXPECT_EQ(CountRows(first, "tblHomeworlds", "Lost"), 0);
    EXPECT_EQ(CountRows(first, "tblHomeworlds", "Kept"), 1);

    // The file appears: the next operation opens it and the row goes there.
    fs::copy_file(MakeDatabase("made.mdb"), later);
    boxes_.clear();
    db->AddHomeworld(&world);
    EXPECT_EQ(boxes_.size(), 0u) << boxes_.last().prompt;
    EXPECT_EQ(CountRows(later, "tblHomeworlds", "Lost"), 1);
    EXPECT_EQ(CountRows(first, "tblHomeworlds", "Lost"), 0);
}

// Another program drops a table and makes it again with other optional columns: the next
// read, add and list of this connection use the columns the table has now, without a report.
TEST_F(ConnectionTest, ATableMadeAgainByAnotherProgramIsUsedAsItIsNow) {
    auto db = OpenScratch(R"(
        INSERT INTO tblVehicleWeapons VALUES ('Old Gun', 'S', 1, 2, 'E', 0, '', 3, 30);
        DROP TABLE tblStarshipCrew;
        CREATE TABLE tblStarshipCrew (Points INTEGER, MinCrew INTEGER, MaxCrew INTEGER);
        INSERT INTO tblStarshipCrew VALUES (10, 1, 2);)");
    const std::string path = DefaultDatabasePath();
    // Every statement shape is used once on the tables as they were.
    ASSERT_NE(db->GetVehicleWeaponInfo("Old Gun"), nullptr);
    EXPECT_EQ(db->GetVehicleWeaponInfo("Old Gun")->Range, 30);
    clsVehicleWeapon gun;
    gun.Name = "First Gun";
    gun.Range = 40;
    db->AddVehicleWeapon(&gun);
    EXPECT_EQ(db->VehicleWeaponList().size(), 2u);
    EXPECT_EQ(boxes_.size(), 0u) << boxes_.last().prompt;
    // A crew table without its Station column cannot be listed.
    EXPECT_TRUE(db->StarshipCrewList().IsEmptyForm());
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_.last().prompt,
              "Property Get: StarshipCrewList(False)\r\nItem not found in this collection: "
              "Station");
    boxes_.clear();

    // Another program: the newer spelling "Range" in place of "Ramge", and the Station
    // column the crew table lacked.
    Exec(path, R"(
        DROP TABLE tblVehicleWeapons;
        CREATE TABLE tblVehicleWeapons (Name TEXT, Range INTEGER, Size TEXT, FireControl INTEGER,
            PriDamageNum INTEGER, PriDamageType TEXT, SecDamageNum INTEGER, SecDamageType TEXT,
            MaxIncrements INTEGER);
        INSERT INTO tblVehicleWeapons VALUES ('New Gun', 90, 'M', 2, 4, 'K', 0, '', 5);
        DROP TABLE tblStarshipCrew;
        CREATE TABLE tblStarshipCrew (Points INTEGER, Station INTEGER, MinCrew INTEGER,
            MaxCrew INTEGER, Sizes TEXT);
        INSERT INTO tblStarshipCrew VALUES (20, 0, 1, 2, 'Small'), (30, 1, 4, 8, 'Large');)");

    gun.Name = "Second Gun";
    gun.Range = 70;
    db->AddVehicleWeapon(&gun);
    auto read = db->GetVehicleWeaponInfo("New Gun");
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Range, 90);
    EXPECT_EQ(read->FireControl, 2);
    EXPECT_EQ(db->VehicleWeaponList().Values(),
              (std::vector<std::string>{"New Gun", "Second Gun"}));
    EXPECT_EQ(db->StarshipCrewList().Values(), std::vector<std::string>{"20"});
    EXPECT_EQ(boxes_.size(), 0u) << boxes_.last().prompt;
    auto added = db->GetVehicleWeaponInfo("Second Gun");
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->Range, 70);

    // And back: the older table again.
    Exec(path, R"(
        DROP TABLE tblVehicleWeapons;
        CREATE TABLE tblVehicleWeapons (Name TEXT, Size TEXT, FireControl INTEGER,
            PriDamageNum INTEGER, PriDamageType TEXT, SecDamageNum INTEGER, SecDamageType TEXT,
            MaxIncrements INTEGER, Ramge INTEGER);)");
    gun.Name = "Third Gun";
    db->AddVehicleWeapon(&gun);
    ASSERT_NE(db->GetVehicleWeaponInfo("Third Gun"), nullptr);
    EXPECT_EQ(db->VehicleWeaponList().Values(), std::vector<std::string>{"Third Gun"});
    EXPECT_EQ(boxes_.size(), 0u) << boxes_.last().prompt;
}

}  // namespace
}  // namespace orvane_test
