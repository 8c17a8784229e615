// Armour, weapons and equipment: ability names and weapon tests, their text files (short
// files, clearing and overlaying loads) and their tables (column rules, labels, messages).
#include "orvane/records/gear.hpp"
#include "database/dal.hpp"
#include "support.hpp"

namespace orvane_test {
namespace {

using namespace OrvaneLib;

class GearTest : public OrvaneTest {
  protected:
    // Whether the first row of `table` named `name` holds a null in `column`.
    static bool IsNull(clsDatabase& db, std::string_view table, std::string_view name,
                       std::string_view column) {
        auto c = Connect(db.Name());
        dal::Condition cond{"Name", dal::Condition::Kind::Text, name};
        auto rs = Rows(*c, table, {&cond, 1});
        rs.MoveFirst();
        return Cell(rs, column).IsNull();
    }
};

TEST(GearAnswers, AbilityNamesExpandOnTheirFirstThreeLettersOnly) {
    clsArmor armor;
    armor.SetBonAttr("Dexterity:2, dex:1, Strong Arm:1, Cha:-1, Luck:3, St:1");
    EXPECT_TRUE(armor.AbilityBonus());
    EXPECT_EQ(armor.GetBonAttrName(0), "Dexterity");
    EXPECT_EQ(armor.GetBonAttrName(1), "dex");  // letter case counts
    EXPECT_EQ(armor.GetBonAttrName(2), "Strength");
    EXPECT_EQ(armor.GetBonAttrName(3), "Charisma");
    EXPECT_EQ(armor.GetBonAttrName(4), "Luck");
    EXPECT_EQ(armor.GetBonAttrName(5), "St");
    EXPECT_EQ(armor.GetBonAttrName(6), "");  // out of range
    EXPECT_EQ(armor.GetBonAttrScore(3), -1);
    EXPECT_TRUE(armor.IsBonAttr("Strong Arm"));
    EXPECT_FALSE(armor.IsBonAttr("Strength"));  // the stored name is what is asked about
}

TEST(GearAnswers, WeaponTestsAreExactAndNormalFireStartsTrue) {
    clsWeapon w;
    EXPECT_TRUE(w.NormFire);
    EXPECT_FALSE(w.IsLight());  // an empty size is not light
    for (const char* size : {"Medium", "Small", "Tiny"}) {
        w.Size = size;
        EXPECT_TRUE(w.IsLight()) << size;
    }
    for (const char* size : {"Large", "medium", " Small"}) {
        w.Size = size;
        EXPECT_FALSE(w.IsLight()) << size;
    }
    w.AtkType = "Ranged Attack";
    EXPECT_TRUE(w.IsRanged());
    EXPECT_FALSE(w.IsMelee());
    w.AtkType = "Melee Attack";
    EXPECT_TRUE(w.IsMelee());
    w.AtkType = "ranged attack";
    EXPECT_FALSE(w.IsRanged() || w.IsMelee());
    w.NormFire = false;
    w.Clear();
    EXPECT_TRUE(w.NormFire);
}

TEST_F(GearTest, ArmourFileRoundTripAndShortFilesClear) {
    clsArmor a;
    a.Name = "Ridgeback";
    a.Feat = "Heavy";
    a.Cost = 52000;  // beyond 16 bits
    a.Mass = 18;
    a.ArmorCheck = -6;
    a.Notes = "loud\r\nservos";
    a.SetSynergy("0:Intimidate:2");
    a.SetBonAttr("Strength:2");
    a.Description = "Plates.\r\nServos.";
    a.DR = 3;
    std::string path = dir_.file("armor.txt");
    a.Save(path);
    EXPECT_EQ(ReadFile(path),
              "Ridgeback\r\nHeavy\r\n 52000 \r\n 18 \r\n 0 \r\n 0 \r\n-6 \r\n 0 \r\n 0 \r\n"
              "loudservos\r\n\r\n0:Intimidate:2\r\nStrength:2\r\nPlates.[CRLF]Servos.\r\n 3 \r\n");
    clsArmor back;
    back.Load(path);
    EXPECT_EQ(back.Cost, 52000);
    EXPECT_EQ(back.Notes, "loudservos");
    EXPECT_EQ(back.Description, "Plates.\r\nServos.");
    EXPECT_EQ(back.AbilityList(), "Strength:2");
    EXPECT_EQ(back.DR, 3);

    // Thirteen lines: the description and DR of the filled record go back to empty.
    WriteFile(path, "Vest\r\n\r\n450\r\n2\r\n2\r\n6\r\n0\r\n10\r\n6\r\n\r\nManual\r\n\r\n\r\n");
    back.Load(path);
    EXPECT_EQ(boxes_.size(), 0u);
    EXPECT_EQ(back.Name, "Vest");
    EXPECT_EQ(back.Description, "");
    EXPECT_EQ(back.DR, 0);
    EXPECT_FALSE(back.GivesSynergyBonus());

    clsEquipment e;
    e.Name = "Kit";
    e.Description = "old";
    WriteFile(path, "Rope\r\n 20 \r\n 5 \r\nManual\r\n\r\n0:Climb:2\r\n");
    e.Load(path);
    EXPECT_EQ(boxes_.size(), 0u);
    EXPECT_EQ(e.Description, "");
    EXPECT_EQ(e.GetSynergySkill(0), "Climb");
}

TEST_F(GearTest, WeaponLoadsOverlayTheFieldsAShortFileLacks) {
    clsWeapon w;
    w.Name = "Pistol";
    w.MultFire = true;
    w.Size = "Small";
    w.MultFireCtl = 2;
    w.AutoFireCtl = 4;
    w.NormFire = false;
    w.Craft = "Repair DC 15";
    w.Description = "Compact.";
    std::string path = dir_.file("weapon.txt");
    w.Save(path);
    std::string text = ReadFile(path);
    EXPECT_NE(text.find("\r\nCompact.\r\nFalse\r\n 2 \r\n 4 \r\nRepair DC 15\r\n"),
              std::string::npos);
    clsWeapon back;
    back.Load(path);
    EXPECT_EQ(back.MultFireCtl, 2);
    EXPECT_EQ(back.AutoFireCtl, 4);
    EXPECT_FALSE(back.NormFire);
    EXPECT_EQ(back.Craft, "Repair DC 15");

    // Eighteen lines only: a new weapon keeps its cleared values, a used one its old ones.
    std::size_t pos = 0;
    for (int i = 0; i < 18; ++i) pos = text.find("\r\n", pos) + 2;
    WriteFile(path, text.substr(0, pos));
    clsWeapon fresh;
    fresh.Load(path);
    EXPECT_EQ(boxes_.size(), 0u);
    EXPECT_EQ(fresh.Name, "Pistol");
    EXPECT_TRUE(fresh.NormFire);
    EXPECT_EQ(fresh.MultFireCtl, 0);
    EXPECT_EQ(fresh.Craft, "");
    clsWeapon used;
    used.Craft = "Mechanics DC 10";
    used.Description = "kept";
    used.Load(path);
    EXPECT_EQ(used.Craft, "Mechanics DC 10");
    EXPECT_EQ(used.Description, "kept");

    // A missing file changes nothing; a bad line keeps what was read before it.
    used.Load(dir_.file("missing.txt"));
    EXPECT_EQ(used.Name, "Pistol");
    WriteFile(path, "Carbine\r\nRifles\r\nmaybe\r\n");
    used.Load(path);
    ASSERT_EQ(boxes_.size(), 2u);
    EXPECT_EQ(boxes_.last().prompt, "Sub: Load.\r\nType mismatch");
    EXPECT_EQ(used.Name, "Carbine");
    EXPECT_EQ(used.Size, "Small");
}

TEST_F(GearTest, SampleReadsHonourTheDescriptionSwitch) {
    auto db = OpenScratch("", true);
    ListResult armor = db->GetArmorList();
    EXPECT_EQ(armor.LBound(), 0);
    ASSERT_EQ(armor.size(), 4u);
    EXPECT_EQ(armor[0], "Quilted Vest");
    EXPECT_EQ(armor[3], "Salvager's Harness");
    EXPECT_EQ(db->GetEquipmentList()[1], "Glow Rod");

    auto plate = db->GetArmorInfo("RIDGEBACK PLATE");
    ASSERT_NE(plate, nullptr);
    EXPECT_EQ(plate->Name, "RIDGEBACK PLATE");
    EXPECT_EQ(plate->Description, "");
    EXPECT_EQ(plate->Cost, 52000);
    EXPECT_EQ(plate->GetBonAttrName(1), "Dexterity");
    EXPECT_EQ(plate->GetBonAttrScore(1), -2);
    EXPECT_EQ(plate->DR, 3);
    plate = db->GetArmorInfo("Ridgeback Plate", true);
    ASSERT_NE(plate, nullptr);
    EXPECT_EQ(plate->Description,
              "Segmented plates over a powered frame.\r\nThe servos hum when idle.");
    auto harness = db->GetArmorInfo("Salvager's Harness", true);  // nulls keep defaults
    ASSERT_NE(harness, nullptr);
    EXPECT_EQ(harness->Feat, "");
    EXPECT_EQ(harness->DR, 0);

    auto pistol = db->GetWeaponInfo("Spark Pistol", true);
    ASSERT_NE(pistol, nullptr);
    EXPECT_EQ(pistol->Description, "A compact capacitor pistol.");
    EXPECT_EQ(pistol->Source, "Field Manual");
    EXPECT_EQ(pistol->MultFireCtl, -2);
    auto net = db->GetWeaponInfo("Net Caster");
    ASSERT_NE(net, nullptr);
    EXPECT_FALSE(net->NormFire);
    EXPECT_EQ(net->Craft, "Mechanics DC 10");
    EXPECT_EQ(boxes_.size(), 0u);
}

TEST_F(GearTest, ArmourListCountsFromZeroAndLeavesOutNamelessRows) {
    auto db = OpenScratch(
        "INSERT INTO tblArmor (Name) VALUES (NULL), ('Vest'), (NULL), ('Mesh'), ('');"
        "INSERT INTO tblWeapons (Name) VALUES (NULL);");
    ListResult armor = db->GetArmorList();
    ASSERT_EQ(armor.LBound(), 0);
    EXPECT_EQ(armor.Values(), (std::vector<std::string>{"Vest", "Mesh", ""}));
    db.reset();
    db = OpenScratch("INSERT INTO tblArmor (Name) VALUES (NULL), (NULL);");
    EXPECT_TRUE(db->GetArmorList().IsEmptyForm());  // rows, but none named: quietly empty
    EXPECT_EQ(boxes_.size(), 0u);
}

TEST_F(GearTest, LabelsAndMessagesOfEmptyTablesKeysAndMissingRows) {
    auto db = OpenScratch();
    db->GetArmorList();
    db->GetWeaponList();
    db->GetEquipmentList();
    db->GetArmorInfo("", true);
    db->DelArmor("");
    db->GetWeaponInfo("");
    db->DelWeapon("");
    db->GetEquipmentInfo("", false);
    db->DelEquipment("");
    db->GetArmorInfo("Vest");
    db->DelArmor("Vest");
    db->GetWeaponInfo("Pistol", true);
    db->DelWeapon("Pistol");
    db->GetEquipmentInfo("Rope");
    db->DelEquipment("Rope");
    EXPECT_EQ(
        boxes_.prompts(),
        (std::vector<std::string>{
            "Property Get: GetArmorList\r\nThere are no Armor Records in the Database!",
            "Property Get: GetWeaponList\r\nThere are no Weapon Records in the Database!",
            "Property Get: GetEquipmentList\r\nThere are no Equipment Records in the Database!",
            "Property Get: GetArmorInfo(, True)\r\nA Armor Search field was not corretly "
            "Identified.",
            "Property Let: DelArmor()\r\nA Armor Search field was not corretly Identified.",
            "Property Get: GetWeaponInfo(, False)\r\nA Weapon Search field was not corretly "
            "Identified.",
            "Property Let: DelWeapon()\r\nA Weapon Search field was not corretly Identified.",
            "Property Get: GetEquipmentInfo(, False)\r\nAn Equipment Search field was not "
            "corretly Identified.",
            "Property Let: DelEquipment()\r\nAn Equipment Search field was not corretly "
            "Identified.",
            "Property Get: GetArmorInfo(Vest, False)\r\nUnable to locate an Armor matching your "
            "criteria.",
            "Property Let: DelArmor(Vest)\r\nUnable to locate an Armor matching your criteria.",
            "Property Get: GetWeaponInfo(Pistol, True)\r\nUnable to locate a Weapon matching "
            "your criteria.",
            "Property Let: DelWeapon(Pistol)\r\nUnable to locate a Weapon matching your "
            "criteria.",
            "Property Get: GetEquipmentInfo(Rope, False)\r\nUnable to locate an Equipment "
            "matching your criteria.",
            "Property Let: DelEquipment(Rope)\r\nUnable to locate an Equipment matching your "
            "criteria.",
        }));
}

TEST_F(GearTest, ColumnRulesOnReadAndAdd) {
    // Required columns fail the read on a null; the others keep their cleared values.
    auto db = OpenScratch(R"(
        INSERT INTO tblArmor (Name, Cost, Mass, DefenseBonus, MaxDexBonus, ArmorCheck, Move10, Move6)
            VALUES ('Vest', NULL, 1, 1, 1, 1, 1, 1);
        INSERT INTO tblWeapons (Name, MultFire, AutoFire, Personal, FireControl, Cost, Critical, Mass, Range, NormalAttack)
            VALUES ('Club', 0, 0, 0, 0, 5, 20, 1, 0, NULL);
        INSERT INTO tblEquipment (Name, Cost, Mass) VALUES ('Rope', 5, NULL);)");
    EXPECT_EQ(db->GetArmorInfo("Vest"), nullptr);
    EXPECT_EQ(db->GetWeaponInfo("Club"), nullptr);  // present, so required
    EXPECT_EQ(db->GetEquipmentInfo("Rope"), nullptr);
    ASSERT_EQ(boxes_.size(), 3u);
    EXPECT_EQ(boxes_.boxes()[0].prompt,
              "Property Get: GetArmorInfo(Vest, False)\r\nInvalid use of Null");
    db.reset();

    // Newer columns absent: reads and adds skip them without a report.
    db = OpenScratch(R"(
        DROP TABLE tblWeapons;
        CREATE TABLE tblWeapons (Name, MultFire, AutoFire, Personal, FireControl, AtkType, Feat,
            Size, Cost, Damage, Stun, FortDC, Critical, Mass, Range, Type, Source);
        INSERT INTO tblWeapons VALUES ('Club', 0, 0, 1, 0, 'Melee Attack', NULL, 'Small', 5,
            '1d6', NULL, NULL, 20, 1, 0, 'Bludgeoning', NULL);
        DROP TABLE tblEquipment;
        CREATE TABLE tblEquipment (Name, Cost, Mass, Synergy, Source, Notes);
        DROP TABLE tblArmor;
        CREATE TABLE tblArmor (Name, Feat, Cost, Mass, DefenseBonus, MaxDexBonus, ArmorCheck,
            Move10, Move6, Source, Notes, Synergy, AbilityBonus);)");
    auto club = db->GetWeaponInfo("Club", true);
    ASSERT_NE(club, nullptr);
    EXPECT_TRUE(club->NormFire);
    EXPECT_EQ(club->Craft, "");
    EXPECT_TRUE(club->IsMelee());
    clsWeapon w = *club;
    w.Name = "Mace";
    w.Notes = "n";
    w.Description = "d";
    w.Craft = "c";
    db->AddWeapon(&w);
    clsEquipment e;
    e.Name = "Tarp";
    e.Description = "Waterproof.";
    db->AddEquipment(&e);
    clsArmor a;
    a.Name = "Vest";
    a.DR = 2;
    a.Description = "x";
    db->AddArmor(&a);
    EXPECT_EQ(boxes_.size(), 0u);
    EXPECT_EQ(db->GetWeaponList().size(), 2u);
    ASSERT_NE(db->GetEquipmentInfo("Tarp", true), nullptr);
    auto vest = db->GetArmorInfo("Vest", true);
    ASSERT_NE(vest, nullptr);
    EXPECT_EQ(vest->DR, 0);
    EXPECT_TRUE(IsNull(*db, "tblArmor", "Vest", "Synergy"));  // empty lists stay null
    EXPECT_TRUE(IsNull(*db, "tblArmor", "Vest", "Feat"));
    EXPECT_EQ(boxes_.size(), 0u);
}

TEST_F(GearTest, AddedRecordsReadBackAndDeleteOneRowAtATime) {
    auto db = OpenScratch();
    clsWeapon w;
    w.Name = "Pike";
    w.NormFire = false;
    w.AutoFireCtl = -3;
    db->AddWeapon(&w);
    db->AddWeapon(&w);
    db->AddWeapon(nullptr);
    auto pike = db->GetWeaponInfo("pike");
    ASSERT_NE(pike, nullptr);
    EXPECT_EQ(pike->Name, "pike");
    EXPECT_FALSE(pike->NormFire);
    EXPECT_EQ(pike->AutoFireCtl, -3);
    EXPECT_TRUE(IsNull(*db, "tblWeapons", "Pike", "Craft"));
    db->DelWeapon("PIKE");
    EXPECT_EQ(db->GetWeaponList().size(), 1u);
    EXPECT_EQ(boxes_.size(), 0u);
}

}  // namespace
}  // namespace orvane_test
