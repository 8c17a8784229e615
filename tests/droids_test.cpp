// Droid bonuses, degrees, equipment, makers and quirks: modifiers and their file line,
// variant-indexed members, optional tables, column rules and the messages that differ
// between reads and deletes.
#include "orvane/records/droids.hpp"
#include "database/dal.hpp"
#include "support.hpp"

namespace orvane_test {
namespace {

using namespace OrvaneLib;

class DroidTest : public OrvaneTest {};

TEST(DroidRecords, ModifiersAndVariantIndexes) {
    clsDroidDegree degree;
    EXPECT_EQ(degree.GetModifier(6), 0);
    EXPECT_EQ(degree.GetModifier(-1), 0);
    degree.SetModifier(7, 3);
    degree.SetModifier(5, -2);
    EXPECT_EQ(degree.GetModifier(5), -2);
    for (Integer i = 0; i < 5; ++i) EXPECT_EQ(degree.GetModifier(i), 0);

    clsDroidMakers maker;
    maker.SetSkillBonus("Repair:2|1:3, Skill Focus:3|1:1:4");
    EXPECT_EQ(maker.GetSkillBonusAmt(1, "2"), 4);  // the text is the feature number
    EXPECT_EQ(maker.GetSkillBonusAmt(1, Integer{2}), 4);
    EXPECT_EQ(maker.GetSkillBonusQuan(1, " 0 "), 2);
    EXPECT_EQ(maker.GetSkillBonusAmt(0, "2"), 0);  // beyond the entry's number
    EXPECT_THROW(maker.GetSkillBonusAmt(1, "two"), std::invalid_argument);
    clsDroidQuirks quirk;
    quirk.SetSkillMastery("Search:2|1:3");
    EXPECT_EQ(quirk.GetSkillMasteryLevel(0, "1"), 3);
    EXPECT_EQ(quirk.GetSkillMasteryQuan(0, Integer{0}), 1);
    EXPECT_EQ(quirk.GetSkillMasteryName(0), "Search");
    EXPECT_EQ(quirk.GetSkillMasteryNum(0), 2);
}

TEST_F(DroidTest, DegreeModifierLineAndClearingLoads) {
    clsDroidDegree degree;
    degree.Name = "Fourth Degree";
    degree.SetModifier(0, 2);
    degree.SetModifier(2, -2);
    degree.SetClasses("Soldier, Scout");
    std::string path = dir_.file("degree.txt");
    degree.Save(path);
    EXPECT_EQ(ReadFile(path), "Fourth Degree\r\n2|0|-2|0|0|0\r\nSoldier, Scout\r\n");
    clsDroidDegree back;
    back.Load(path);
    EXPECT_EQ(back.GetModifier(0), 2);
    EXPECT_EQ(back.GetModifier(2), -2);
    EXPECT_EQ(back.GetClass(1), "Scout");

    WriteFile(path, "D\r\n1|2|3\r\n\r\n");
    back.Load(path);
    EXPECT_EQ(back.GetModifier(2), 3);
    EXPECT_EQ(back.GetModifier(0) + back.GetModifier(3) + back.GetModifier(5), 1);
    EXPECT_FALSE(back.HasClass());
    WriteFile(path, "D\r\n1|2|3|4|5|6|7|8\r\nExpert\r\n");
    back.Load(path);
    EXPECT_EQ(back.GetModifier(5), 6);
    EXPECT_EQ(boxes_.size(), 0u);

    // A piece that is not a number fails the load, which leaves the degree cleared.
    WriteFile(path, "D\r\n1|x|3\r\nExpert\r\n");
    back.Load(path);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_.last().prompt, "Sub: Load.\r\nType mismatch");
    EXPECT_EQ(back.Name, "");
    EXPECT_EQ(back.GetModifier(0), 0);
    // A missing file leaves it cleared too.
    back.Name = "kept";
    back.Load(dir_.file("missing.txt"));
    EXPECT_EQ(back.Name, "");
}

TEST_F(DroidTest, MakerQuirkBonusAndEquipmentFilesRoundTrip) {
    clsDroidMakers maker;
    maker.Name = "Halden Works";
    maker.SetModifier(1, -1);
    maker.MoveModifier = -2;
    maker.MaxMove = 8;
    maker.SkillBonusNum = 1;
    maker.SkillBonusAmt = 2;
    maker.SkillPenaltyNum = 3;
    maker.SkillPenaltyAmt = -4;
    maker.BonusQuirks = 5;
    maker.SetSpecQual("Reinforced Frame");
    maker.SetSynergy("0:Intimidate:1");
    maker.SetSkillBonus("Repair:2|1:3");
    std::string path = dir_.file("maker.txt");
    maker.Save(path);
    EXPECT_EQ(ReadFile(path),
              "Halden Works\r\n0|-1|0|0|0|0\r\n-2 \r\n 8 \r\n 1 \r\n 2 \r\n 3 \r\n-4 \r\n 5 \r\n"
              "Reinforced Frame\r\n0:Intimidate:1\r\nRepair:2|1:3\r\n");
    clsDroidMakers makerBack;
    makerBack.Load(path);
    EXPECT_EQ(makerBack.SkillPenaltyAmt, -4);
    EXPECT_EQ(makerBack.GetSkillBonusList(), "Repair:2|1:3");
    EXPECT_EQ(makerBack.GetSynergyLevelFromSkill("Intimidate"), 0);

    clsDroidQuirks quirk;
    quirk.Name = "Overtuned";
    quirk.Move = 2;
    quirk.SetFeats("Run");
    quirk.SetSkillMastery("Jump:1|1");
    quirk.Save(path);
    EXPECT_EQ(ReadFile(path), "Overtuned\r\n 2 \r\n\r\nRun\r\n\r\nJump:1|1\r\n");
    clsDroidQuirks quirkBack;
    quirkBack.SetSpecQual("stale");
    quirkBack.Load(path);
    EXPECT_FALSE(quirkBack.HasSpecQual());
    EXPECT_TRUE(quirkBack.IsFeat("Run"));
    EXPECT_EQ(quirkBack.GetSkillMasteryLevel(0, Integer{0}), 1);

    clsDroidEquip equip;
    equip.Name = "Chassis";
    equip.Cost = 75000;
    equip.Mass = 120;
    equip.Notes = "heavy\r\nframe";
    equip.Save(path);
    EXPECT_EQ(ReadFile(path), "Chassis\r\n 75000 \r\n 120 \r\n\r\nheavyframe\r\n\r\n");
    clsDroidEquip equipBack;
    equipBack.Load(path);
    EXPECT_EQ(equipBack.Cost, 75000);
    EXPECT_EQ(boxes_.size(), 0u);
}

TEST_F(DroidTest, AbsentTablesGiveEmptyResultsSilently) {
    auto db = OpenScratch(
        "DROP TABLE tblDroidBonus; DROP TABLE tblDroidDegree; DROP TABLE tblDroidEquip; "
        "DROP TABLE tblDroidMakers; DROP TABLE tblDroidQuirks;");
    EXPECT_TRUE(db->DroidBonusList().IsEmptyForm());
    EXPECT_TRUE(db->DroidDegreeList().IsEmptyForm());
    EXPECT_TRUE(db->DroidEquipmentList().IsEmptyForm());
    EXPECT_TRUE(db->DroidMakersList().IsEmptyForm());
    EXPECT_TRUE(db->DroidQuirksList().IsEmptyForm());
    EXPECT_EQ(db->DroidBonusInfo("a"), nullptr);
    EXPECT_EQ(db->DroidDegreeInfo("a"), nullptr);
    EXPECT_EQ(db->DroidEquipmentInfo("a"), nullptr);
    EXPECT_EQ(db->DroidMakersInfo("a"), nullptr);
    EXPECT_EQ(db->DroidQuirksInfo("a"), nullptr);
    clsDroidBonus b;
    clsDroidDegree d;
    clsDroidEquip e;
    clsDroidMakers m;
    clsDroidQuirks q;
    b.Name = d.Name = e.Name = m.Name = q.Name = "a";
    db->AddDroidBonus(&b);
    db->AddDroidDegree(&d);
    db->AddDroidEquipment(&e);
    db->AddDroidMakers(&m);
    db->AddDroidQuirks(&q);
    db->DelDroidBonus("a");
    db->DelDroidDegree("a");
    db->DelDroidEquipment("a");
    db->DelDroidMakers("a");
    db->DelDroidQuirks("a");
    EXPECT_EQ(boxes_.size(), 0u);
}

TEST_F(DroidTest, LabelsAndMessagesDifferBetweenReadAndDelete) {
    auto db = OpenScratch();
    db->DroidBonusList();
    db->DroidDegreeList();
    db->DroidEquipmentList();
    db->DroidMakersList();
    db->DroidQuirksList();
    db->DroidBonusInfo("");
    db->DelDroidDegree("");
    db->DroidEquipmentInfo("");
    db->DroidMakersInfo("");
    db->DroidQuirksInfo("");
    db->DelDroidQuirks("");
    db->DroidBonusInfo("X");
    db->DelDroidDegree("X");
    db->DroidEquipmentInfo("X");
    db->DroidMakersInfo("X");
    db->DelDroidMakers("X");
    db->DelDroidQuirks("X");
    EXPECT_EQ(
        boxes_.prompts(),
        (std::vector<std::string>{
            "Property Get: DroidBonusList\r\nThere are no Droid Bonus Records in the Database!",
            "Property Get: DroidDegreeList\r\nThere are no Droid Degree Records in the Database!",
            "Property Get: DroidEquipmentList\r\nThere are no Droid Equipment Records in the "
            "Database!",
            "Property Get: DroidMakersList\r\nThere are no Droid Maker Records in the Database!",
            "Property Get: DroidQuirksList\r\nThere are no Droid Quirk Records in the Database!",
            "Property Get: DroidBonusInfo()\r\nA Droid Bonus Search field was not corretly "
            "Identified.",
            "Property Let: DelDroidDegree()\r\nA Droid Degree Search field was not corretly "
            "Identified.",
            "Property Get: DroidEquipmentInfo()\r\nA Droid Equipment Search field was not "
            "corretly Identified.",
            "Property Get: DroidMakersInfo()\r\nA Droid Maker Search field was not corretly "
            "Identified.",
            "Property Get: DroidQuirksInfo()\r\nA Droid Quirks Search field was not corretly "
            "Identified.",
            "Property Let: DelDroidQuirks()\r\nA Droid Quirk Search field was not corretly "
            "Identified.",
            "Property Get: DroidBonusInfo(X)\r\nUnable to locate a Droid Bonus matching your "
            "criteria.",
            "Property Let: DelDroidDegree(X)\r\nUnable to locate a Droid Degree matching your "
            "criteria.",
            "Property Get: DroidEquipmentInfo(X)\r\nUnable to locate a Droid Equipment matching "
            "your criteria.",
            "Property Get: DroidMakersInfo(X)\r\nUnable to locate a Droid Maker matching your "
            "criteria.",
            "Property Let: DelDroidMakers(X)\r\nUnable to locate a Droid Makers matching your "
            "criteria.",
            "Property Let: DelDroidQuirks(X)\r\nUnable to locate a Droid Quirk matching your "
            "criteria.",
        }));
}

TEST_F(DroidTest, SampleReadsAndColumnRules) {
    auto db = OpenScratch(R"(
        INSERT INTO tblDroidDegree VALUES ('Broken', 0, 0, 0, 0, 0, NULL, 'Expert');
        INSERT INTO tblDroidEquip (Name, Cost, Mass) VALUES ('Bolt', 'cheap', 1);)",
                          true);
    EXPECT_EQ(db->DroidDegreeInfo("Broken"), nullptr);
    EXPECT_EQ(db->DroidEquipmentInfo("Bolt"), nullptr);
    ASSERT_EQ(boxes_.size(), 2u);
    EXPECT_EQ(boxes_.boxes()[0].prompt,
              "Property Get: DroidDegreeInfo(Broken)\r\nInvalid use of Null");
    EXPECT_EQ(boxes_.boxes()[1].prompt, "Property Get: DroidEquipmentInfo(Bolt)\r\nType mismatch");
    boxes_.clear();

    auto fifth = db->DroidDegreeInfo("fifth degree");
    ASSERT_NE(fifth, nullptr);
    EXPECT_EQ(fifth->Name, "fifth degree");
    EXPECT_EQ(fifth->GetModifier(3), -4);
    EXPECT_FALSE(fifth->HasClass());  // a null list stays empty
    auto chassis = db->DroidEquipmentInfo("Heavy Chassis");
    ASSERT_NE(chassis, nullptr);
    EXPECT_EQ(chassis->Cost, 75000);
    auto cinder = db->DroidMakersInfo("Cinder Logic");
    ASSERT_NE(cinder, nullptr);
    EXPECT_EQ(cinder->SkillBonusNum, 2);  // "BonusAny"
    EXPECT_EQ(cinder->SkillBonusAmt, 1);  // "BonusAmt"
    EXPECT_EQ(cinder->BonusQuirks, 1);
    EXPECT_EQ(cinder->GetSkillBonusQuan(0, "0"), 2);
    auto curious = db->DroidQuirksInfo("Curious Subroutine");
    ASSERT_NE(curious, nullptr);
    EXPECT_EQ(curious->GetFeat(1), "Skill Focus");
    EXPECT_EQ(curious->GetSkillMasteryLevel(0, "1"), 3);
    auto chip = db->DroidBonusInfo("Skill Chip");
    ASSERT_NE(chip, nullptr);
    EXPECT_TRUE(chip->GainMultiple);
    EXPECT_EQ(chip->GetNumSkill(), 3);
    EXPECT_EQ(boxes_.size(), 0u);
}

TEST_F(DroidTest, AddsWriteOnlyWhatTheRecordHolds) {
    auto db = OpenScratch();
    clsDroidEquip bare;
    bare.Name = "Vocabulator";
    bare.Cost = 50;
    db->AddDroidEquipment(&bare);
    clsDroidMakers maker;
    maker.Name = "Velt";
    maker.SetModifier(4, 1);
    maker.SkillPenaltyNum = 2;
    maker.SetSkillBonus("Repair:2|1:3");
    db->AddDroidMakers(&maker);
    db->AddDroidMakers(&maker);
    EXPECT_EQ(boxes_.size(), 0u);

    auto conn = Connect(db->Name());
    auto rs = Rows(*conn, "tblDroidEquip");
    rs.MoveFirst();
    EXPECT_TRUE(Cell(rs, "Source").IsNull());
    EXPECT_TRUE(Cell(rs, "Notes").IsNull());
    EXPECT_TRUE(Cell(rs, "Synergy").IsNull());
    auto makers = Rows(*conn, "tblDroidMakers");
    makers.MoveFirst();
    EXPECT_EQ(Cell(makers, "PenaltyAny").AsInt(), 2);
    EXPECT_EQ(Cell(makers, "Wis").AsInt(), 1);
    EXPECT_TRUE(Cell(makers, "Synergy").IsNull());

    auto back = db->DroidMakersInfo("VELT");
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->GetModifier(4), 1);
    EXPECT_EQ(back->SkillPenaltyNum, 2);
    EXPECT_EQ(back->GetSkillBonusAmt(0, Integer{1}), 3);
    db->DelDroidMakers("velt");
    EXPECT_EQ(db->DroidMakersList().size(), 1u);
}

}  // namespace
}  // namespace orvane_test
