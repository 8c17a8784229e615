// Creature types, levels, size details, templates and climates: optional tables, two-key
// lists and lookups, column rules, messages, text files and records appended to one file.
#include "orvane/records/creatures.hpp"
#include "database/dal.hpp"
#include "support.hpp"

namespace orvane_test {
namespace {

using namespace OrvaneLib;

class CreatureTest : public OrvaneTest {};

TEST_F(CreatureTest, AbsentTablesGiveEmptyResultsSilently) {
    auto db = OpenScratch(
        "DROP TABLE tblCreatureClasses; DROP TABLE tblCreatureLevels; DROP TABLE "
        "tblCreatureDetails; DROP TABLE tblCreatureTemplates; DROP TABLE tblCreatureClimates;");
    EXPECT_TRUE(db->ClassCreatureList().IsEmptyForm());
    EXPECT_TRUE(db->GetCreatureLevelList().IsEmptyForm());
    EXPECT_TRUE(db->GetCreatureDetailList().IsEmptyForm());
    EXPECT_TRUE(db->CreatureTemplateList().IsEmptyForm());
    EXPECT_TRUE(db->CreatureClimateList().IsEmptyForm());
    EXPECT_EQ(db->GetClassCreatureInfo("Beast"), nullptr);
    EXPECT_EQ(db->GetCreatureLevelInfo("Beast", 1), nullptr);
    EXPECT_EQ(db->GetCreatureDetailInfo("Beast", "Small"), nullptr);
    EXPECT_EQ(db->GetCreatureTemplateInfo("Feral"), nullptr);
    EXPECT_EQ(db->GetCreatureClimateInfo("Ice"), nullptr);
    clsClassCreature c;
    c.Name = "Beast";
    clsCreatureLevel l;
    l.Name = "Beast";
    clsCreatureDetail d;
    d.Name = "Beast";
    clsCreatureTemplate t;
    t.Name = "Feral";
    clsCreatureClimate m;
    m.Name = "Ice";
    db->AddClassCreature(&c);
    db->AddCreatureLevel(&l);
    db->AddCreatureDetail(&d);
    db->AddCreatureTemplate(&t);
    db->AddCreatureClimate(&m);
    db->DelClassCreature("Beast");
    db->DelCreatureLevel("Beast", 1);
    db->DelCreatureDetail("Beast", "Small");
    db->DelCreatureTemplate("Feral");
    db->DelCreatureClimate("Ice");
    EXPECT_EQ(boxes_.size(), 0u);
}

TEST_F(CreatureTest, SampleListsAndReads) {
    auto db = OpenScratch("", true);
    ListResult levels = db->GetCreatureLevelList();
    ASSERT_EQ(levels.size(), 15u);
    EXPECT_EQ(levels[1], "Beast:1");
    EXPECT_EQ(db->GetCreatureDetailList()[2], "Beast:Medium");
    EXPECT_EQ(db->ClassCreatureList()[3], "Vermin");

    auto beast = db->GetClassCreatureInfo("beast");
    ASSERT_NE(beast, nullptr);
    EXPECT_EQ(beast->Name, "beast");
    EXPECT_EQ(beast->MaxLevel, 20);
    EXPECT_EQ(beast->GetFeat(1), "Run");
    EXPECT_EQ(beast->GetSpecialQuality(1), "Scent");

    auto level = db->GetCreatureLevelInfo("Beast", 4);
    ASSERT_NE(level, nullptr);
    EXPECT_EQ(level->Attack, 3);
    EXPECT_EQ(level->RefSave, 4);
    auto large = db->GetCreatureDetailInfo("Beast", "large");
    ASSERT_NE(large, nullptr);
    EXPECT_EQ(large->Size, "large");
    EXPECT_FLOAT_EQ(large->VPScale, 1.5f);
    EXPECT_EQ(large->Gore, "1d8");

    auto touched = db->GetCreatureTemplateInfo("Void-Touched");
    ASSERT_NE(touched, nullptr);
    EXPECT_EQ(touched->VitBonus, 4);
    EXPECT_TRUE(touched->IncreaseDamage);
    EXPECT_EQ(touched->GetAttackDamageBonus(0), 2);
    EXPECT_EQ(touched->GetSynergyBonusFromSkill("Intimidate"), 2);
    auto desert = db->GetCreatureClimateInfo("Ash Desert");
    ASSERT_NE(desert, nullptr);
    EXPECT_TRUE(desert->IsSynergySkill("Hide"));
    EXPECT_EQ(desert->GetSpecQual(1), "Dust Sight");
    EXPECT_EQ(boxes_.size(), 0u);
}

TEST_F(CreatureTest, LabelsAndMessages) {
    auto db = OpenScratch();
    db->ClassCreatureList();
    db->GetCreatureLevelList();
    db->GetCreatureDetailList();
    db->CreatureTemplateList();
    db->CreatureClimateList();
    db->GetClassCreatureInfo("");
    db->DelClassCreature("Wolf");
    db->GetCreatureLevelInfo("", 2);
    db->GetCreatureLevelInfo("Wolf", -1);  // any level is a key
    db->DelCreatureLevel("Wolf", 3);
    db->GetCreatureDetailInfo("Wolf", "");  // a missing size counts even with a name
    db->DelCreatureDetail("", "Small");
    db->GetCreatureDetailInfo("Wolf", "Small");
    db->DelCreatureDetail("Wolf", "Small");
    db->GetCreatureTemplateInfo("Feral");
    db->DelCreatureTemplate("");
    db->GetCreatureClimateInfo("");
    db->DelCreatureClimate("Ice");
    EXPECT_EQ(
        boxes_.prompts(),
        (std::vector<std::string>{
            "Property Get: ClassCreatureList\r\nThere are no Creature Class Records in the "
            "Database!",
            "Property Get: GetCreatureLevelList\r\nThere are no Creature Level Records in the "
            "Database!",
            "Property Get: GetCreatureDetailList\r\nThere are no Creature Characteristic Records "
            "in the Database!",
            "Property Get: CreatureTemplateList\r\nThere are no Creature Template Records in the "
            "Database!",
            "Property Get: CreatureClimateList\r\nThere are no Creature Climate Records in the "
            "Database!",
            "Property Get: GetClassCreatureInfo()\r\nA Creature Class Search field was not "
            "corretly Identified.",
            "Property Let: DelClassCreature(Wolf)\r\nUnable to locate a Creature Class matching "
            "your criteria.",
            "Property Get: GetCreatureLevelInfo(, 2)\r\nA Creature Level Search field was not "
            "corretly Identified.",
            "Property Get: GetCreatureLevelInfo(Wolf, -1)\r\nUnable to locate a Creature and/or "
            "Level matching your criteria.",
            "Sub: DelCreatureLevel(Wolf, 3)\r\nUnable to locate a Creature and/or Level matching "
            "your criteria.",
            "Property Get: GetCreatureDetailInfo(Wolf, )\r\nA Creature Characteristic Search "
            "field was not corretly Identified.",
            "Sub: DelCreatureDetail(, Small)\r\nA Creature Characteristic Search field was not "
            "corretly Identified.",
            "Property Get: GetCreatureDetailInfo(Wolf, Small)\r\nUnable to locate a Creature "
            "and/or Size matching your criteria.",
            "Sub: DelCreatureDetail(Wolf, Small)\r\nUnable to locate a Creature Characteristic "
            "matching your criteria.",
            "Property Get: GetCreatureTemplateInfo(Feral)\r\nUnable to locate a Creature "
            "Template matching your criteria.",
            "Property Let: DelCreatureTemplate()\r\nA Creature Template Search field was not "
            "corretly Identified.",
            "Property Get: GetCreatureClimateInfo()\r\nA Creature Climate Search field was not "
            "corretly Identified.",
            "Property Let: DelCreatureClimate(Ice)\r\nUnable to locate a Creature Climate "
            "matching your criteria.",
        }));
}

TEST_F(CreatureTest, RequiredColumnsAndTwoKeyLists) {
    auto db = OpenScratch(R"(
        INSERT INTO tblCreatureClasses (Name, MinInt, MaxInt, MinWis, MaxWis, MinCha, MaxCha,
            SkillPtsFirst, SkillPtsLevel, Vitality, MaxLevel, Feat)
            VALUES ('Ooze', 0, 0, 1, 1, 1, 1, 0, 0, NULL, 10, 'Slam'),
                   ('Wolf', 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, NULL);
        INSERT INTO tblCreatureDetails VALUES ('Wolf', 'Small', 1, 2, 3, 4, 5, 6, NULL, '', '', '', 1);
        INSERT INTO tblCreatureLevels VALUES ('Wolf  ', 1, 0, 0, 0, 0), ('Wolf', 2, 1, 1, 1, 1);)");
    EXPECT_EQ(db->GetClassCreatureInfo("Ooze"), nullptr);
    auto wolf = db->GetClassCreatureInfo("Wolf");
    ASSERT_NE(wolf, nullptr);
    EXPECT_EQ(wolf->GetNumFeats(), 0);
    EXPECT_EQ(wolf->Vitality, 9);
    EXPECT_EQ(db->GetCreatureDetailInfo("Wolf", "Small"), nullptr);  // texts are required too
    EXPECT_EQ(db->GetCreatureLevelList().Values(), (std::vector<std::string>{"Wolf:1", "Wolf:2"}));
    ASSERT_EQ(boxes_.size(), 2u);
    EXPECT_EQ(boxes_.boxes()[0].prompt,
              "Property Get: GetClassCreatureInfo(Ooze)\r\nInvalid use of Null");
    EXPECT_EQ(boxes_.boxes()[1].prompt,
              "Property Get: GetCreatureDetailInfo(Wolf, Small)\r\nInvalid use of Null");
    db.reset();

    // A null in either key column fails the whole two-key list.
    db = OpenScratch(
        "INSERT INTO tblCreatureDetails (Name, Size) VALUES ('Wolf', 'Small'), "
        "('Wolf', NULL);");
    EXPECT_TRUE(db->GetCreatureDetailList().IsEmptyForm());
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_.last().prompt, "Property Get: GetCreatureDetailList\r\nInvalid use of Null");
}

TEST_F(CreatureTest, SizeDetailKeysWithQuotesMatchLiterallyAndTheLogShowsEachQuoting) {
    auto db = OpenScratch(R"(
        INSERT INTO tblCreatureDetails VALUES
            ('Varro''s Hound', 'Medium', 1, 2, 3, 4, 5, 6, '1d6', '', '', '', 1),
            ('Other', 'Medium', 9, 9, 9, 9, 9, 9, '', '', '', '', 2);)");
    auto hound = db->GetCreatureDetailInfo("Varro's Hound", "Medium");
    ASSERT_NE(hound, nullptr);
    EXPECT_EQ(hound->MinStr, 1);
    EXPECT_EQ(db->GetCreatureDetailInfo("x') OR ('1'='1", "Medium"), nullptr);
    db->DelCreatureDetail("Other\" OR \"1\"=\"1", "Medium");
    db->DelCreatureDetail("Varro's Hound", "Medium");
    EXPECT_EQ(db->GetCreatureDetailList().Values(), (std::vector<std::string>{"Other:Medium"}));

    db->Logging(true);
    db->Messaging(false);
    db->GetCreatureDetailInfo("Wolf", "Tiny");
    db->DelCreatureDetail("Wolf", "Tiny");
    db->Logging(false);
    std::string log = ReadFile(LogPath(1));
    EXPECT_NE(log.find("\tSELECT tblCreatureDetails.* From tblCreatureDetails WHERE "
                       "(((tblCreatureDetails.Name)='Wolf') AND "
                       "((tblCreatureDetails.Size)='Tiny'));\r\n"),
              std::string::npos);
    EXPECT_NE(log.find("\tSELECT tblCreatureDetails.* From tblCreatureDetails WHERE "
                       "(((tblCreatureDetails.Name)=\"Wolf\") AND "
                       "((tblCreatureDetails.Size)=\"Tiny\"));\r\n"),
              std::string::npos);
}

TEST_F(CreatureTest, AddsWriteTheirColumnsAndReadBack) {
    auto db = OpenScratch();
    clsCreatureTemplate t;
    t.Name = "Gaunt";
    t.MaxCha = -2;
    t.DecreaseDamage = true;
    t.SetAttackDamage("Bite:-1");
    db->AddCreatureTemplate(&t);
    clsCreatureDetail d;
    d.Name = "Wolf";
    d.Size = "Small";
    d.VPScale = 0.75f;
    d.Claw = "1d2";
    db->AddCreatureDetail(&d);  // empty texts are stored as empty texts, not nulls
    clsCreatureLevel l;
    l.Name = "Wolf";
    l.Level = 3;
    l.WillSave = 2;
    db->AddCreatureLevel(&l);
    clsClassCreature c;
    c.Name = "Wolf";
    c.Vitality = 8;
    c.SetClassSkills("Track");
    db->AddClassCreature(&c);
    EXPECT_EQ(boxes_.size(), 0u);

    auto conn = Connect(db->Name());
    auto rs = Rows(*conn, "tblCreatureTemplates");
    rs.MoveFirst();
    EXPECT_TRUE(Cell(rs, "Synergy").IsNull());
    EXPECT_EQ(Cell(rs, "ReduceDamage").AsInt(), 1);
    auto back = db->GetCreatureTemplateInfo("Gaunt");
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->MaxCha, -2);
    EXPECT_EQ(back->AttackDamageList(), "Bite:-1");
    auto detail = db->GetCreatureDetailInfo("Wolf", "Small");
    ASSERT_NE(detail, nullptr);
    EXPECT_EQ(detail->Claw, "1d2");
    EXPECT_FLOAT_EQ(detail->VPScale, 0.75f);
    EXPECT_EQ(db->GetClassCreatureInfo("Wolf")->Vitality, 8);
    db->DelCreatureLevel("Wolf", 3);
    EXPECT_TRUE(db->GetCreatureLevelList().IsEmptyForm());
}

TEST_F(CreatureTest, CreatureTypeFilesLeaveOutTheDatabaseOnlyNumbers) {
    clsClassCreature c;
    c.Name = "Beast";
    c.MinInt = 1;
    c.MaxCha = 8;
    c.Vitality = 8;
    c.SkillPtsFirst = 4;
    c.SkillPtsLevel = 2;
    c.MaxLevel = 20;
    c.SetFeats("Track");
    c.SetClassSkills("Climb, Jump");
    c.SetSpecialQualities("Scent");
    std::string path = dir_.file("beast.txt");
    c.Save(path);
    EXPECT_EQ(
        ReadFile(path),
        "Beast\r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 8 \r\nTrack\r\nClimb, Jump\r\nScent\r\n");
    clsClassCreature fresh;
    fresh.Load(path);
    EXPECT_EQ(fresh.MaxCha, 8);
    EXPECT_EQ(fresh.GetClassSklList(), "Climb, Jump");
    EXPECT_EQ(fresh.Vitality, 0);
    EXPECT_EQ(fresh.MaxLevel, 0);

    // Clearing (and so loading) keeps the four numbers that only the database holds.
    c.Clear();
    EXPECT_EQ(c.Name, "");
    EXPECT_FALSE(c.HasSpecQual());
    EXPECT_EQ(c.Vitality, 8);
    c.Load(path);
    EXPECT_EQ(c.SkillPtsFirst, 4);
    EXPECT_EQ(boxes_.size(), 0u);

    // A short file fails; the creature type is cleared again.
    WriteFile(path, "Beast\r\n 1 \r\n");
    c.Load(path);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_.last().prompt, "Sub: Load.\r\nInput past end of file");
    EXPECT_EQ(c.Name, "");
    EXPECT_EQ(c.MinInt, 0);
}

TEST_F(CreatureTest, ClearingAndOverlayingLoads) {
    std::string missing = dir_.file("missing.txt");
    clsCreatureDetail d;
    d.Name = "Wolf";
    d.VPScale = 2;
    d.Load(missing);
    EXPECT_EQ(d.Name, "");  // details clear first
    clsCreatureTemplate t;
    t.Name = "Feral";
    t.SetFeats("Run");
    t.Load(missing);
    clsCreatureClimate m;
    m.Name = "Ice";
    m.Load(missing);
    EXPECT_EQ(t.Name, "Feral");  // the others keep their values
    EXPECT_TRUE(t.IsFeat("Run"));
    EXPECT_EQ(m.Name, "Ice");
    EXPECT_EQ(boxes_.size(), 3u);

    t.VitBonus = 3;
    t.IncreaseDamage = true;
    t.SetSynergy("0:Survival:2");
    t.SetAttackDamage("Claw:1");
    std::string path = dir_.file("template.txt");
    t.Save(path);
    clsCreatureTemplate back;
    back.Load(path);
    EXPECT_EQ(back.VitBonus, 3);
    EXPECT_TRUE(back.IncreaseDamage);
    EXPECT_EQ(back.GetSynergyList(), "0:Survival:2");
    EXPECT_EQ(back.GetAttackDamageName(0), "Claw");

    m.SetSpecQual("Cold Resistance");
    m.SetSynergy("0:Survival:1");
    m.Save(path);
    EXPECT_EQ(ReadFile(path), "Ice\r\nCold Resistance\r\n0:Survival:1\r\n");
    clsCreatureTemplate copy = back;  // a copy owns its lists
    copy.SetFeats("Toughness");
    EXPECT_EQ(back.GetFeat(0), "Run");
}

TEST_F(CreatureTest, AppendedLevelsAndDetailsReadBackInOrder) {
    std::string path = dir_.file("levels.txt");
    Integer n = FreeFile();
    FileOpen(n, path, FileMode::Output);
    for (Integer i = 1; i <= 3; ++i) {
        clsCreatureLevel l;
        l.Name = "Wolf";
        l.Level = i;
        l.Attack = static_cast<Integer>(i - 1);
        l.FortSave = static_cast<Integer>(i + 1);
        l.SaveAppend(n);
    }
    clsCreatureDetail d;
    d.Name = "Wolf";
    d.Size = "Small";
    d.VPScale = 0.25f;
    d.Bite = "1d4";
    d.SaveAppend(n);
    FileClose(n);

    FileOpen(n, path, FileMode::Input);
    const std::string number = " " + std::to_string(n) + " ";
    std::vector<clsCreatureLevel> levels(3);
    for (auto& l : levels) l.LoadAppend(number);
    clsCreatureDetail detail;
    detail.LoadAppend(number);
    EXPECT_TRUE(FileIsOpen(n));
    EXPECT_EQ(boxes_.size(), 0u);
    for (Integer i = 0; i < 3; ++i) {
        EXPECT_EQ(levels[static_cast<std::size_t>(i)].Level, i + 1);
        EXPECT_EQ(levels[static_cast<std::size_t>(i)].FortSave, i + 2);
    }
    EXPECT_EQ(detail.Bite, "1d4");
    EXPECT_FLOAT_EQ(detail.VPScale, 0.25f);

    // Past the end: reported, the file stays open, and nothing is cleared.
    clsCreatureLevel extra;
    extra.Name = "kept";
    extra.LoadAppend(number);
    EXPECT_EQ(extra.Name, "kept");
    EXPECT_TRUE(FileIsOpen(n));
    FileClose(n);
    // A file number that is not a number is reported inside the same trap.
    extra.LoadAppend("two");
    ASSERT_EQ(boxes_.size(), 2u);
    EXPECT_EQ(boxes_.boxes()[0].prompt, "Sub: LoadAppend.\r\nInput past end of file");
    EXPECT_EQ(boxes_.boxes()[1].prompt, "Sub: LoadAppend.\r\nType mismatch");
    EXPECT_EQ(boxes_.last().icon, MsgIcon::Critical);
    EXPECT_EQ(extra.Name, "kept");
}

}  // namespace
}  // namespace orvane_test
