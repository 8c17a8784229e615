// Starship components and starship and vehicle weapons in the rules database: the station
// filter, the key rules, labels and messages of every kind, absent tables, optional and
// renamed columns, and round trips through every table.
#include <functional>

#include "database/dal.hpp"
#include "starships_records.hpp"

namespace orvane_test {
namespace {

using namespace OrvaneLib;
using namespace starships;

class StarshipTablesTest : public OrvaneTest {
  protected:
    // The first cell of a query against the installed database, as text ("NULL" for null).
    std::string Cell(const std::string& sql) {
        auto db = Connect(DefaultDatabasePath());
        EXPECT_TRUE(db->Execute("CREATE TEMP VIEW probe AS " + sql).Ok());
        auto rs = Rows(*db, "probe");
        if (rs.RecordCount() == 0) return "no row";
        rs.MoveFirst();
        const dal::Value& v = orvane_test::Cell(rs, rs.ColumnSet().names[0]);
        if (v.IsNull()) return "NULL";
        if (v.type() == dal::Value::Type::Integer) return std::to_string(v.AsInt());
        return v.AsText();
    }
};

std::vector<std::string> Values(const ListResult& list) { return list.Values(); }

TEST_F(StarshipTablesTest, SampleShipsAndStationsListApart) {
    auto db = OpenScratch("", true);
    EXPECT_EQ(Values(db->StarshipCrewList()), (std::vector<std::string>{"10", "20", "40"}));
    EXPECT_EQ(Values(db->StarshipCrewList(true)), (std::vector<std::string>{"30", "60"}));
    // A stored -1 is a station too.
    EXPECT_EQ(Values(db->StarshipSizeList(true)), (std::vector<std::string>{"Outpost", "Citadel"}));
    EXPECT_EQ(Values(db->StarshipCostList()), (std::vector<std::string>{"0", "50", "200"}));
    auto citadel = db->StarshipSizeInfo("citadel", true);
    ASSERT_NE(citadel, nullptr);
    EXPECT_EQ(citadel->Size, "citadel");  // the caller's text
    EXPECT_EQ(citadel->MaxWeight, 2000000);
    auto shields = db->StarshipShieldsInfo(5);
    ASSERT_NE(shields, nullptr);
    EXPECT_FALSE(shields->HasDoubleCost());  // a null double-cost column
    EXPECT_EQ(db->GetVehicleWeaponInfo("Thumper Mortar")->Range, 120);
    EXPECT_EQ(boxes_.prompts(), std::vector<std::string>{});
}

TEST_F(StarshipTablesTest, ShipsOnlyTableListsNothingForStations) {
    auto db = OpenScratch(
        "INSERT INTO tblStarshipCrew (Points, Station, MinCrew, MaxCrew) VALUES "
        "(10, 0, 1, 2), (20, NULL, 3, 4), (30, 0, 5, 6);");
    EXPECT_TRUE(db->StarshipCrewList(true).IsEmptyForm());
    ListResult ships = db->StarshipCrewList();
    EXPECT_EQ(ships.LBound(), 1);
    EXPECT_EQ(Values(ships), (std::vector<std::string>{"10", "30"}));  // a null never matches
    EXPECT_EQ(db->StarshipCrewInfo(20), nullptr);
    EXPECT_EQ(
        boxes_.prompts(),
        (std::vector<std::string>{"Property Get: StarshipCrewInfo(20, False)\r\nUnable to locate a "
                                  "Starship Crew matching your criteria."}));
}

TEST_F(StarshipTablesTest, StationFlagPicksTheRowToReadAndDelete) {
    auto db = OpenScratch();
    clsStarshipCrew ship = Crew(12, false), station = Crew(12, true);
    station.MaxCrew = 9;
    db->AddStarshipCrew(&ship);
    db->AddStarshipCrew(&station);
    auto read = db->StarshipCrewInfo(12, true);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->MaxCrew, 9);
    EXPECT_TRUE(read->Station);
    db->DelStarshipCrew(12, true);
    EXPECT_TRUE(db->StarshipCrewList(true).IsEmptyForm());
    EXPECT_EQ(Values(db->StarshipCrewList()), (std::vector<std::string>{"12"}));
    // Life support keeps crew records in a table of its own.
    db->AddStarshipLife(&station);
    EXPECT_EQ(db->StarshipLifeInfo(12, true)->MaxCrew, 9);
    EXPECT_TRUE(db->StarshipCrewList(true).IsEmptyForm());
    EXPECT_EQ(boxes_.prompts(), std::vector<std::string>{});
}

TEST_F(StarshipTablesTest, NegativeNumberKeysDeleteNothingAndZeroIsAKey) {
    auto db = OpenScratch("", true);
    db->DelStarshipCost(-1);
    db->DelStarshipCrew(-1);
    db->DelStarshipHull(-3, true);
    EXPECT_EQ(boxes_.prompts(), std::vector<std::string>{});
    EXPECT_EQ(db->StarshipCostList().size(), 3u);
    EXPECT_EQ(db->StarshipCrewList().size(), 3u);
    EXPECT_EQ(db->StarshipHullList(true).size(), 1u);
    db->DelStarshipCost(0);
    EXPECT_EQ(db->StarshipCostInfo(0), nullptr);
    EXPECT_EQ(boxes_.prompts(),
              (std::vector<std::string>{
                  "Property Get: StarshipCostInfo(0)\r\nUnable to locate a Starship "
                  "Cost matching your criteria."}));
}

// One kind on a database that holds its table without rows. `run` lists, reads a missing
// key, with `bad` reads an empty or negative key, deletes a missing key, with `bad` deletes
// an empty key where that is reported, and adds a record; it returns whether every list came
// back empty and every read gave none. `labels` are those of the expected reports, in order.
struct KindCase {
    const char* table;
    const char* noun;  // as the messages name the kind
    std::vector<std::string> labels;
    std::function<bool(clsDatabase&, bool bad)> run;

    std::vector<std::string> Prompts() const {
        const std::string n(noun);
        const std::string messages[] = {"There are no " + n + " Records in the Database!",
                                        "Unable to locate a " + n + " matching your criteria.",
                                        "A " + n + " Search field was not corretly Identified.",
                                        "Unable to locate a " + n + " matching your criteria.",
                                        "A " + n + " Search field was not corretly Identified."};
        std::vector<std::string> out;
        for (std::size_t i = 0; i < labels.size(); ++i)
            out.push_back(labels[i] + "\r\n" + messages[i]);
        return out;
    }
};

// The address of a temporary record, for an add within the same expression.
template <class R>
const R* Addr(const R& record) {
    return &record;
}

std::vector<KindCase> KindCases() {
    return {
        {"tblStarshipArmor",
         "Starship Armor",
         {"Property Get: StarshipArmorList", "Property Get: StarshipArmorInfo(Skiff)",
          "Property Get: StarshipArmorInfo()", "Property Let: DelStarshipArmor(Skiff)",
          "Property Let: DelStarshipArmor()"},
         [](clsDatabase& db, bool bad) {
             bool empty = db.StarshipArmorList().IsEmptyForm() && !db.StarshipArmorInfo("Skiff") &&
                          (!bad || !db.StarshipArmorInfo(""));
             db.DelStarshipArmor("Skiff");
             if (bad) db.DelStarshipArmor("");
             db.AddStarshipArmor(Addr(Armor()));
             return empty;
         }},
        {"tblStarshipCost",
         "Starship Cost",
         {"Property Get: StarshipCostList", "Property Get: StarshipCostInfo(50)",
          "Property Get: StarshipCostInfo(-2)", "Property Let: DelStarshipCost(50)"},
         [](clsDatabase& db, bool bad) {
             bool empty = db.StarshipCostList().IsEmptyForm() && !db.StarshipCostInfo(50) &&
                          (!bad || !db.StarshipCostInfo(-2));
             db.DelStarshipCost(50);
             db.AddStarshipCost(Addr(Cost()));
             return empty;
         }},
        {"tblStarshipCrew",
         "Starship Crew",
         {"Property Get: StarshipCrewList(True)", "Property Get: StarshipCrewInfo(10, False)",
          "Property Get: StarshipCrewInfo(-1, False)", "Sub: DelStarshipCrew(10, True)"},
         [](clsDatabase& db, bool bad) {
             bool empty = db.StarshipCrewList(true).IsEmptyForm() && !db.StarshipCrewInfo(10) &&
                          (!bad || !db.StarshipCrewInfo(-1));
             db.DelStarshipCrew(10, true);
             db.AddStarshipCrew(Addr(Crew(10, false)));
             return empty;
         }},
        {"tblStarshipEmplace",
         "Starship Emplacement",
         {"Property Get: StarshipEmplacementList(False)",
          "Property Get: StarshipEmplacementInfo(5, True)",
          "Property Get: StarshipEmplacementInfo(-1, True)",
          "Sub: DelStarshipEmplacement(5, False)"},
         [](clsDatabase& db, bool bad) {
             bool empty = db.StarshipEmplacementList().IsEmptyForm() &&
                          !db.StarshipEmplacementInfo(5, true) &&
                          (!bad || !db.StarshipEmplacementInfo(-1, true));
             db.DelStarshipEmplacement(5);
             db.AddStarshipEmplacement(Addr(Emplacement()));
             return empty;
         }},
        {"tblStarshipHull",
         "Starship Hull",
         {"Property Get: StarshipHullList(True)", "Property Get: StarshipHullInfo(10, False)",
          "Property Get: StarshipHullInfo(-1, False)", "Sub: DelStarshipHull(10, False)"},
         [](clsDatabase& db, bool bad) {
             bool empty = db.StarshipHullList(true).IsEmptyForm() && !db.StarshipHullInfo(10) &&
                          (!bad || !db.StarshipHullInfo(-1));
             db.DelStarshipHull(10);
             db.AddStarshipHull(Addr(Hull()));
             return empty;
         }},
        {"tblStarshipLife",
         "Starship Life",
         {"Property Get: StarshipLifeList(False)", "Property Get: StarshipLifeInfo(5, True)",
          "Property Get: StarshipLifeInfo(-5, False)", "Sub: DelStarshipLife(5, True)"},
         [](clsDatabase& db, bool bad) {
             bool empty = db.StarshipLifeList().IsEmptyForm() && !db.StarshipLifeInfo(5, true) &&
                          (!bad || !db.StarshipLifeInfo(-5));
             db.DelStarshipLife(5, true);
             db.AddStarshipLife(Addr(Crew(5, true)));
             return empty;
         }},
        {"tblStarshipHyper",
         "Starship Hyperdrive",
         {"Property Get: StarshipHyperdriveList(True)",
          "Property Get: StarshipHyperdriveInfo(Class 1, False)",
          "Property Get: StarshipHyperdriveInfo(, False)",
          "Sub: DelStarshipHyperdrive(Class 1, True)"},
         [](clsDatabase& db, bool bad) {
             bool empty = db.StarshipHyperdriveList(true).IsEmptyForm() &&
                          !db.StarshipHyperdriveInfo("Class 1") &&
                          (!bad || !db.StarshipHyperdriveInfo(""));
             db.DelStarshipHyperdrive("Class 1", true);
             if (bad) db.DelStarshipHyperdrive("", true);  // silent
             db.AddStarshipHyperdrive(Addr(Hyperdrive()));
             return empty;
         }},
        {"tblStarshipShields",
         "Starship Shield",
         {"Property Get: StarshipShieldsList(False)", "Property Get: StarshipShieldsInfo(15, True)",
          "Property Get: StarshipShieldsInfo(-15, False)", "Sub: DelStarshipShields(15, False)"},
         [](clsDatabase& db, bool bad) {
             bool empty = db.StarshipShieldsList().IsEmptyForm() &&
                          !db.StarshipShieldsInfo(15, true) &&
                          (!bad || !db.StarshipShieldsInfo(-15));
             db.DelStarshipShields(15);
             db.AddStarshipShields(Addr(Shields()));
             return empty;
         }},
        {"tblStarshipSize",
         "Starship Size",
         {"Property Get: StarshipSizeList(True)", "Property Get: StarshipSizeInfo(Skiff, False)",
          "Property Get: StarshipSizeInfo(, True)", "Property Let: DelStarshipSize(Skiff, False)",
          "Property Let: DelStarshipSize(, False)"},
         [](clsDatabase& db, bool bad) {
             bool empty = db.StarshipSizeList(true).IsEmptyForm() &&
                          !db.StarshipSizeInfo("Skiff") && (!bad || !db.StarshipSizeInfo("", true));
             db.DelStarshipSize("Skiff");
             if (bad) db.DelStarshipSize("");
             db.AddStarshipSize(Addr(Size()));
             return empty;
         }},
        {"tblStarshipStowage",
         "Starship Stowage",
         {"Property Get: StarshipStowageList(False)", "Property Get: StarshipStowageInfo(8, False)",
          "Property Get: StarshipStowageInfo(-8, True)", "Sub: DelStarshipStowage(8, False)"},
         [](clsDatabase& db, bool bad) {
             bool empty = db.StarshipStowageList().IsEmptyForm() && !db.StarshipStowageInfo(8) &&
                          (!bad || !db.StarshipStowageInfo(-8, true));
             db.DelStarshipStowage(8);
             db.AddStarshipStowage(Addr(Stowage()));
             return empty;
         }},
        {"tblStarshipSupply",
         "Starship Supply",
         {"Property Get: StarshipSupplyList(True)", "Property Get: StarshipSupplyInfo(4, True)",
          "Property Get: StarshipSupplyInfo(-4, False)", "Sub: DelStarshipSupply(4, True)"},
         [](clsDatabase& db, bool bad) {
             bool empty = db.StarshipSupplyList(true).IsEmptyForm() &&
                          !db.StarshipSupplyInfo(4, true) && (!bad || !db.StarshipSupplyInfo(-4));
             db.DelStarshipSupply(4, true);
             db.AddStarshipSupply(Addr(Supply()));
             return empty;
         }},
        {"tblStarshipEngine",
         "Starship Engine",
         {"Property Get: StarshipEngineList(False)", "Property Get: StarshipEngineInfo(60, False)",
          "Property Get: StarshipEngineInfo(-60, False)",
          "Property Let: DelStarshipEngine(60, True)"},
         [](clsDatabase& db, bool bad) {
             bool empty = db.StarshipEngineList().IsEmptyForm() && !db.StarshipEngineInfo(60) &&
                          (!bad || !db.StarshipEngineInfo(-60));
             db.DelStarshipEngine(60, true);
             db.AddStarshipEngine(Addr(Engine()));
             return empty;
         }},
        {"tblStarshipYards",
         "Starship Yard",
         {"Property Get: StarshipYardsList", "Property Get: StarshipYardsInfo(Ember)",
          "Property Get: StarshipYardsInfo()", "Property Let: DelStarshipYards(Ember)",
          "Property Let: DelStarshipYards()"},
         [](clsDatabase& db, bool bad) {
             bool empty = db.StarshipYardsList().IsEmptyForm() && !db.StarshipYardsInfo("Ember") &&
                          (!bad || !db.StarshipYardsInfo(""));
             db.DelStarshipYards("Ember");
             if (bad) db.DelStarshipYards("");
             db.AddStarshipYards(Addr(Yards()));
             return empty;
         }},
        {"tblStarshipWeapons",
         "Starship Weapon",
         {"Property Get: StarshipWeaponList", "Property Get: GetStarshipWeaponInfo(Lance)",
          "Property Get: GetStarshipWeaponInfo()", "Property Let: DelStarshipWeapon(Lance)",
          "Property Let: DelStarshipWeapon()"},
         [](clsDatabase& db, bool bad) {
             bool empty = db.StarshipWeaponList().IsEmptyForm() &&
                          !db.GetStarshipWeaponInfo("Lance") &&
                          (!bad || !db.GetStarshipWeaponInfo(""));
             db.DelStarshipWeapon("Lance");
             if (bad) db.DelStarshipWeapon("");
             db.AddStarshipWeapon(Addr(StarshipWeapon()));
             return empty;
         }},
        {"tblVehicleWeapons",
         "Vehicle Weapon",
         {"Property Get: VehicleWeaponList", "Property Get: GetVehicleWeaponInfo(Pod)",
          "Property Get: GetVehicleWeaponInfo()", "Property Let: DelVehicleWeapon(Pod)",
          "Property Let: DelVehicleWeapon()"},
         [](clsDatabase& db, bool bad) {
             bool empty = db.VehicleWeaponList().IsEmptyForm() && !db.GetVehicleWeaponInfo("Pod") &&
                          (!bad || !db.GetVehicleWeaponInfo(""));
             db.DelVehicleWeapon("Pod");
             if (bad) db.DelVehicleWeapon("");
             db.AddVehicleWeapon(Addr(VehicleWeapon()));
             return empty;
         }},
    };
}

TEST_F(StarshipTablesTest, EveryKindReportsItsOwnLabelsAndMessages) {
    auto db = OpenScratch();
    for (const auto& kind : KindCases()) {
        SCOPED_TRACE(kind.table);
        boxes_.clear();
        EXPECT_TRUE(kind.run(*db, true));
        EXPECT_EQ(boxes_.prompts(), kind.Prompts());
        // The add went through without a report.
        EXPECT_EQ(Cell(std::string("SELECT COUNT(*) FROM ") + kind.table), "1");
    }
}

TEST_F(StarshipTablesTest, AbsentTablesAreSilentForEveryOperation) {
    std::string drops;
    for (const auto& kind : KindCases()) drops += std::string("DROP TABLE ") + kind.table + ";";
    auto db = OpenScratch(drops);
    for (const auto& kind : KindCases()) {
        SCOPED_TRACE(kind.table);
        EXPECT_TRUE(kind.run(*db, false));
    }
    EXPECT_EQ(boxes_.prompts(), std::vector<std::string>{});
    // A missing key is reported before the table is looked for.
    EXPECT_EQ(db->StarshipSizeInfo(""), nullptr);
    EXPECT_EQ(boxes_.size(), 1u);
}

TEST_F(StarshipTablesTest, EveryKindRoundTripsThroughItsTable) {
    auto db = OpenScratch();
    auto same = [&](const auto& added, const auto& read) {
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(SavedBytes(*read, dir_), SavedBytes(added, dir_)) << added.ClassName();
    };
    clsStarshipCrew crew = Crew(12, true);
    db->AddStarshipCrew(&crew);
    same(crew, db->StarshipCrewInfo(12, true));
    db->AddStarshipLife(&crew);
    same(crew, db->StarshipLifeInfo(12, true));
    clsStarshipEmplacement emplacement = Emplacement();
    db->AddStarshipEmplacement(&emplacement);
    same(emplacement, db->StarshipEmplacementInfo(15, true));
    clsStarshipHull hull = Hull();
    db->AddStarshipHull(&hull);
    same(hull, db->StarshipHullInfo(30));
    clsStarshipShields shields = Shields();
    db->AddStarshipShields(&shields);
    same(shields, db->StarshipShieldsInfo(15, true));
    clsStarshipHyperdrive drive = Hyperdrive();
    db->AddStarshipHyperdrive(&drive);
    same(drive, db->StarshipHyperdriveInfo("Class 3", true));
    clsStarshipStowage stowage = Stowage();
    db->AddStarshipStowage(&stowage);
    same(stowage, db->StarshipStowageInfo(8));
    clsStarshipSupply supply = Supply();
    db->AddStarshipSupply(&supply);
    same(supply, db->StarshipSupplyInfo(4, true));
    clsStarshipEngine engine = Engine();
    db->AddStarshipEngine(&engine);
    same(engine, db->StarshipEngineInfo(60));
    clsStarshipSize size = Size();
    db->AddStarshipSize(&size);
    same(size, db->StarshipSizeInfo("Corvette"));
    clsStarshipArmor armor = Armor();
    db->AddStarshipArmor(&armor);
    same(armor, db->StarshipArmorInfo("Corvette"));
    clsStarshipCost cost = Cost();
    db->AddStarshipCost(&cost);
    same(cost, db->StarshipCostInfo(75));
    clsStarshipYards yards = Yards();
    db->AddStarshipYards(&yards);
    same(yards, db->StarshipYardsInfo("Ember Slips"));
    clsStarshipWeapon weapon = StarshipWeapon();
    db->AddStarshipWeapon(&weapon);
    same(weapon, db->GetStarshipWeaponInfo("Needle Array"));
    clsVehicleWeapon vehicle = VehicleWeapon();
    db->AddVehicleWeapon(&vehicle);
    same(vehicle, db->GetVehicleWeaponInfo("Flechette Pod"));
    EXPECT_EQ(boxes_.prompts(), std::vector<std::string>{});

    // The columns the rules name, spellings included.
    EXPECT_EQ(Cell("SELECT MinLenght || ',' || MaxLenght || ',' || MinMass || ',' || Class "
                   "FROM tblStarshipSize"),
              "30,90,200,Capital");
    EXPECT_EQ(Cell("SELECT megaBase || ',' || megaMod FROM tblStarshipCost"), "1,0");
    EXPECT_EQ(Cell("SELECT MinShield || ',' || DoublePoints FROM tblStarshipShields"),
              "30,Citadel");
    EXPECT_EQ(Cell("SELECT BackupDouble FROM tblStarshipHyper"), "Citadel");
    EXPECT_EQ(Cell("SELECT Size FROM tblStarshipSupply"), "Outpost");
    EXPECT_EQ(Cell("SELECT MaxSpeed FROM tblStarshipEngine"), "Attack");
    EXPECT_EQ(Cell("SELECT CAST(Multiple AS TEXT) FROM tblStarshipYards"), "1.25");
    EXPECT_EQ(Cell("SELECT NumDamage || ',' || Short || ',' || Emplace FROM tblStarshipWeapons"),
              "3,2-5,2");
}

TEST_F(StarshipTablesTest, EmptyTextsAndListsAreLeftOutOfTheRowExceptTheEngines) {
    auto db = OpenScratch();
    clsStarshipShields shields;
    shields.Points = 5;
    db->AddStarshipShields(&shields);
    EXPECT_EQ(Cell("SELECT typeof(Sizes) || typeof(DoublePoints) FROM tblStarshipShields"),
              "nullnull");
    clsStarshipEngine engine;
    db->AddStarshipEngine(&engine);
    EXPECT_EQ(Cell("SELECT '[' || MaxSpeed || Quality || ']' FROM tblStarshipEngine"), "[]");
    clsStarshipWeapon weapon;
    weapon.Name = "Bare";
    weapon.DamageType.clear();
    db->AddStarshipWeapon(&weapon);
    EXPECT_EQ(Cell("SELECT typeof(Size) || typeof(DamageType) FROM tblStarshipWeapons"),
              "nullnull");
    auto back = db->GetStarshipWeaponInfo("Bare");
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->DamageType, "0");  // a null keeps the cleared value
    EXPECT_EQ(back->Emplacement, 5);
}

TEST_F(StarshipTablesTest, NullsInAlwaysReadColumnsFailTheRead) {
    auto db = OpenScratch(R"(
        INSERT INTO tblStarshipEngine VALUES ('Attack', 20, 0, NULL, 0, 0, NULL);
        INSERT INTO tblStarshipCrew VALUES (10, 1, 1, NULL, 'Outpost');
        INSERT INTO tblStarshipWeapons (Name, FireControl, BatteryFire, NumDamage)
            VALUES ('No Fire', NULL, 1, 1);
        INSERT INTO tblStarshipWeapons (Name, FireControl, BatteryFire, NumDamage, MultFire,
            AutoFire, Emplace, Cost) VALUES ('No Cost', 1, 1, 1, 0, 0, 2, NULL);
        INSERT INTO tblVehicleWeapons (Name, FireControl, PriDamageNum, SecDamageNum,
            MaxIncrements, Ramge) VALUES ('No Range', 1, 1, 1, 1, NULL);)");
    EXPECT_EQ(db->StarshipEngineInfo(20), nullptr);
    EXPECT_EQ(db->StarshipCrewInfo(10, true), nullptr);
    EXPECT_EQ(db->GetStarshipWeaponInfo("No Fire"), nullptr);
    // Columns read when present have no null test either.
    EXPECT_EQ(db->GetStarshipWeaponInfo("No Cost"), nullptr);
    auto noRange = db->GetVehicleWeaponInfo("No Range");  // read only when not null
    ASSERT_NE(noRange, nullptr);
    EXPECT_EQ(noRange->Range, 0);
    EXPECT_EQ(boxes_.prompts(),
              (std::vector<std::string>{
                  "Property Get: StarshipEngineInfo(20, False)\r\nInvalid use of Null",
                  "Property Get: StarshipCrewInfo(10, True)\r\nInvalid use of Null",
                  "Property Get: GetStarshipWeaponInfo(No Fire)\r\nInvalid use of Null",
                  "Property Get: GetStarshipWeaponInfo(No Cost)\r\nInvalid use of Null"}));
}

TEST_F(StarshipTablesTest, OlderStarshipWeaponTablesWithoutTheNewerColumns) {
    auto db = OpenScratch(R"(
        DROP TABLE tblStarshipWeapons;
        CREATE TABLE tblStarshipWeapons (Name TEXT, Size TEXT, FireControl INTEGER,
            BatteryFire INTEGER, NumDamage INTEGER, DamageType TEXT, PointBlank TEXT,
            Short TEXT, Medium TEXT, Long TEXT);
        INSERT INTO tblStarshipWeapons VALUES ('Old Gun', 'Light', 1, 2, 3, 'd6', '0', '1-2',
            '3-4', '5-6');)");
    auto old = db->GetStarshipWeaponInfo("Old Gun");
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(old->DamageNum, 3);
    EXPECT_FALSE(old->MultFire);
    EXPECT_EQ(old->Emplacement, 5);
    EXPECT_EQ(old->Cost, 0);
    clsStarshipWeapon weapon = StarshipWeapon();
    db->AddStarshipWeapon(&weapon);
    EXPECT_EQ(db->StarshipWeaponList().size(), 2u);
    EXPECT_EQ(boxes_.prompts(), std::vector<std::string>{});
}

TEST_F(StarshipTablesTest, VehicleRangeColumnUnderEitherName) {
    const std::string rangeTable = R"(
        DROP TABLE tblVehicleWeapons;
        CREATE TABLE tblVehicleWeapons (Name TEXT, Size TEXT, FireControl INTEGER,
            PriDamageNum INTEGER, PriDamageType TEXT, SecDamageNum INTEGER, SecDamageType TEXT,
            MaxIncrements INTEGER, "Range" INTEGER);)";
    for (const std::string column : {"Ramge", "Range"}) {
        SCOPED_TRACE(column);
        auto db = OpenScratch(column == "Range" ? rangeTable : "");
        clsVehicleWeapon weapon = VehicleWeapon();
        db->AddVehicleWeapon(&weapon);
        EXPECT_EQ(Cell("SELECT \"" + column + "\" FROM tblVehicleWeapons"), "75");
        auto back = db->GetVehicleWeaponInfo("Flechette Pod");
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(back->Range, 75);
        EXPECT_EQ(boxes_.prompts(), std::vector<std::string>{});
    }
    // A table with both reads and writes only "Ramge".
    auto db = OpenScratch("ALTER TABLE tblVehicleWeapons ADD COLUMN \"Range\" INTEGER;");
    clsVehicleWeapon weapon = VehicleWeapon();
    db->AddVehicleWeapon(&weapon);
    EXPECT_EQ(Cell("SELECT Ramge || ',' || typeof(\"Range\") FROM tblVehicleWeapons"), "75,null");
}

TEST_F(StarshipTablesTest, RefusedAddsCarryTheRecordsKeysAndStation) {
    auto db = OpenScratch(R"(
        CREATE UNIQUE INDEX uqCrew ON tblStarshipCrew (Points);
        CREATE UNIQUE INDEX uqHyper ON tblStarshipHyper (Drive);
        CREATE UNIQUE INDEX uqCost ON tblStarshipCost (MinPoints);)");
    clsStarshipCrew crew = Crew(12, true);
    clsStarshipHyperdrive drive = Hyperdrive();
    drive.Station = false;
    clsStarshipCost cost = Cost();
    for (int i = 0; i < 2; ++i) {
        db->AddStarshipCrew(&crew);
        db->AddStarshipHyperdrive(&drive);
        db->AddStarshipCost(&cost);
    }
    ASSERT_EQ(boxes_.size(), 3u);
    EXPECT_EQ(boxes_.boxes()[0].prompt.rfind("Property Let: AddStarshipCrew(12, True)\r\n", 0), 0u);
    EXPECT_EQ(boxes_.boxes()[1].prompt.rfind(
                  "Property Let: AddStarshipHyperdrive(Class 3, False)\r\n", 0),
              0u);
    EXPECT_EQ(boxes_.boxes()[2].prompt.rfind("Property Let: AddStarshipCost(75)\r\n", 0), 0u);
}

TEST_F(StarshipTablesTest, LoggedStatementsOfReadsAndDeletions) {
    auto db = OpenScratch();
    db->Logging(true);
    db->Messaging(false);
    db->StarshipCrewInfo(7, true);
    db->StarshipHyperdriveInfo("Class 9");
    db->StarshipSizeInfo("Tiny", true);
    db->DelStarshipSize("Tiny", true);
    db->StarshipCostInfo(3);
    db->StarshipArmorInfo("Skiff");
    db->DelVehicleWeapon("Gun");
    db->Logging(false);
    std::string log = ReadFile(LogPath(1));
    for (const char* statement : {
             "SELECT tblStarshipCrew.*, tblStarshipCrew.Points From tblStarshipCrew WHERE ( "
             "(((tblStarshipCrew.Points)=7)) AND (((tblStarshipCrew.Station)=True)) );\r\n",
             "SELECT tblStarshipHyper.*, tblStarshipHyper.Drive From tblStarshipHyper WHERE ( "
             "(((tblStarshipHyper.Drive)=\"Class 9\")) AND (((tblStarshipHyper.Station)=False)) "
             ");\r\n",
             "SELECT tblStarshipSize.*, tblStarshipSize.Name From tblStarshipSize WHERE ( "
             "(((tblStarshipSize.Name)=\"Tiny\")) AND (((tblStarshipSize.Station)=True)) );\r\n",
             "\tProperty Let: DelStarshipSize(Tiny, True)\tUnable to locate a Starship Size "
             "matching your criteria.\tSELECT tblStarshipSize.*, tblStarshipSize.Points From "
             "tblStarshipSize WHERE ( (((tblStarshipSize.Name)=\"Tiny\")) AND "
             "(((tblStarshipSize.Station)=True)) );\r\n",
             "SELECT tblStarshipCost.*, tblStarshipCost.MinPoints From tblStarshipCost WHERE "
             "(((tblStarshipCost.MinPoints)=3));\r\n",
             "SELECT tblStarshipArmor.*, tblStarshipArmor.Size From tblStarshipArmor WHERE "
             "(((tblStarshipArmor.Size)=\"Skiff\"));\r\n",
             "SELECT tblVehicleWeapons.Name, tblVehicleWeapons.* From tblVehicleWeapons WHERE "
             "(((tblVehicleWeapons.Name)=\"Gun\"));\r\n",
         })
        EXPECT_NE(log.find(statement), std::string::npos) << statement;
}

}  // namespace
}  // namespace orvane_test
