// The character-rules tables through clsDatabase: the sample content, every label and
// message, the lists counting from 0, optional columns, null columns, requirement columns
// and duplicate rows.
#include <functional>

#include "orvane/records/character.hpp"
#include "support.hpp"

namespace orvane_test {
namespace {

using namespace OrvaneLib;

class CharacterTableTest : public OrvaneTest {
  protected:
    std::vector<std::string> Prompts() const {
        std::vector<std::string> prompts;
        for (const auto& box : boxes_.boxes()) prompts.push_back(box.prompt);
        return prompts;
    }
};

TEST_F(CharacterTableTest, SampleSpeciesQualitiesAndSkills) {
    auto db = OpenScratch("", true);
    ListResult species = db->SpeciesList();
    ASSERT_EQ(species.size(), 4u);
    EXPECT_EQ(species[1], "Orvani");

    auto orvani = db->GetSpeciesInfo("orvani", true);
    ASSERT_NE(orvani, nullptr);
    EXPECT_EQ(orvani->Name, "orvani");
    EXPECT_EQ(orvani->BonusFeat, 1);  // "BonusFeats", the number
    EXPECT_EQ(orvani->GetBonusFeatList(), "Alertness, Toughness, Quick Draw");  // "BonusFeat"
    EXPECT_EQ(orvani->Description,
              "The founders of the Halcyon worlds.\r\nAdaptable and everywhere.");
    EXPECT_EQ(orvani->GetFeatReplaceOldFeat(0), "Armor Proficiency (light)");
    EXPECT_EQ(orvani->MaxOld, 79);
    EXPECT_FLOAT_EQ(orvani->MaxHeight, 2.0f);
    auto plain = db->GetSpeciesInfo("Orvani");
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->Description, "");
    EXPECT_EQ(plain->GetFeatReplaceList(), "Soldier:Armor Proficiency (light):Toughness");

    auto skarth = db->GetSpeciesInfo("Skarth");
    ASSERT_NE(skarth, nullptr);
    EXPECT_EQ(skarth->GetModifier(0), 2);
    EXPECT_EQ(skarth->GetModifier(5), -2);
    EXPECT_EQ(skarth->SizeModifier(), "-1");
    EXPECT_EQ(skarth->GetRestSkillLevelFromName("Computer Use"), 4);
    EXPECT_TRUE(skarth->IsForbiddenClass("Vael Guardian"));
    EXPECT_FALSE(skarth->HasBonusFeats());
    auto thessin = db->GetSpeciesInfo("Thessin");
    ASSERT_NE(thessin, nullptr);
    // The column goes through SetSpecQual: one empty slot per entry.
    auto q = std::make_shared<clsSpecialQualities>();
    thessin->SetSpecialQualityObj(1, q);
    EXPECT_EQ(thessin->GetSpecialQualityObj(1), q);
    EXPECT_EQ(thessin->GetSynergySkill(1), "Survival");

    auto bond = db->GetSpecialQualityInfo("Shadow Bond", true);
    ASSERT_NE(bond, nullptr);
    EXPECT_EQ(bond->SpecQualList(), "Aumen Attunement");
    EXPECT_EQ(bond->BonusFeatList(), "Dread Focus");
    EXPECT_EQ(bond->BypassFeatList(), "Iron Will");
    EXPECT_EQ(bond->GetBonusSelection(0), "Khor Bonus");
    EXPECT_EQ(bond->GetSynergyBonusFromSkill("Dread Grip"), 2);
    EXPECT_EQ(bond->Description, "Binds the mystic to the Khor.");
    EXPECT_EQ(db->GetSpecialQualityInfo("Shadow Bond")->Description, "");

    ListResult all = db->GetAllSkillList();
    EXPECT_EQ(all.LBound(), 0);
    ASSERT_EQ(all.size(), 18u);
    EXPECT_EQ(all[0], "Balance");
    EXPECT_EQ(all[13], "Dread Grip");
    ListResult normal = db->GetSkillList();
    EXPECT_EQ(normal.LBound(), 0);
    EXPECT_EQ(normal.size(), 13u);
    EXPECT_EQ(normal.Values(), db->GetSkillList(false).Values());
    ListResult aumen = db->GetSkillList(true);
    ASSERT_EQ(aumen.size(), 5u);
    EXPECT_EQ(aumen[4], "Veil Mind");

    auto grip = db->GetSkillInfo("Dread Grip", true);
    ASSERT_NE(grip, nullptr);
    EXPECT_EQ(grip->GetAbility(), "Constitution");
    EXPECT_EQ(grip->GetSecondary(), "Charisma");
    EXPECT_TRUE(grip->DarkSide && grip->Aumen && grip->TrainedOnly);
    EXPECT_EQ(grip->Description, "Chokes a foe from afar.");
    const clsRequirements& req = *grip->objRequirements;
    EXPECT_EQ(req.FeatList(), "Aumen Sensitive");
    EXPECT_EQ(req.GetSkillRank(0), 6);
    EXPECT_EQ(req.MinList(), "Attack:2");
    EXPECT_EQ(req.MaxList(), "Reputation:8");
    EXPECT_EQ(req.GetAbilityScore(0), 13);
    EXPECT_EQ(db->GetSkillInfo("Kindle Calm")->objRequirements->ClassList(), "Vael Guardian:3");
    auto knowledge = db->GetSkillInfo("Knowledge");
    ASSERT_NE(knowledge, nullptr);
    EXPECT_EQ(knowledge->GetSubSynergySub(1), "Engineering");
    EXPECT_EQ(knowledge->GetNumSubSuggest(), 4);
    EXPECT_EQ(knowledge->SubNumber, 3);
    EXPECT_EQ(db->GetSkillInfo("Balance")->GetSecondary(), "None");  // a null SecAbility

    auto mastery = db->GetSkillMasteryInfo("Vael Mastery");
    ASSERT_NE(mastery, nullptr);
    EXPECT_TRUE(mastery->UseWisScore());
    EXPECT_EQ(mastery->GetSkill(2), "Kindle Calm");
    EXPECT_EQ(db->SkillMasteryList().size(), 3u);
    EXPECT_EQ(boxes_.size(), 0u);
}

TEST_F(CharacterTableTest, SampleFeatsClassesAndTheirLevels) {
    auto db = OpenScratch("", true);
    ListResult feats = db->GetFeatList();  // through qryFeats, by name
    EXPECT_EQ(feats.LBound(), 1);
    EXPECT_EQ(feats.size(), 14u);
    EXPECT_EQ(feats[1], "Alertness");
    EXPECT_EQ(feats[2], "Armor Proficiency (light)");
    auto focus = db->GetFeatInfo("Dread Focus");
    ASSERT_NE(focus, nullptr);
    EXPECT_EQ(focus->Description, "");
    EXPECT_EQ(focus->GetGivBonusRank(0), 2);
    const clsRequirements& r = *focus->Requirements;
    EXPECT_TRUE(r.ReqTainted && r.ReqDarkSide);
    EXPECT_EQ(r.OrFeatList(), "Iron Will:Alertness");
    EXPECT_EQ(r.GetOrClassName(0, 1), "Vael Guardian");
    EXPECT_EQ(r.GetOrSkillRank(0, 1), "6");
    EXPECT_EQ(r.SkillList(), "Dread Grip:4");
    EXPECT_EQ(db->GetFeatInfo("Deflect Bolts")->Requirements->GetClassRank(0), 2);
    EXPECT_EQ(db->GetFeatInfo("Sharp Eye")->Requirements->HomeworldList(), "Thessaly Drift");

    ListResult bonus = db->GetBonusList();
    EXPECT_EQ(bonus.LBound(), 0);
    ASSERT_EQ(bonus.size(), 5u);
    EXPECT_EQ(bonus[0], "Soldier Bonus");
    auto scout = db->GetBonusInfo("Scout Bonus");
    ASSERT_NE(scout, nullptr);
    EXPECT_TRUE(scout->IncludeSklNormal && scout->RequireSklRanks);
    EXPECT_FALSE(scout->IncludeExotic || scout->IncludeAllAumen);
    EXPECT_EQ(scout->GetNumFeats(), 4);
    EXPECT_EQ(db->GetBonusInfo("Any Feat")->GetNumFeats(), 0);

    ListResult classes = db->GetClassList();
    ASSERT_EQ(classes.size(), 4u);
    auto soldier = db->GetClassInfo("Soldier", true);
    ASSERT_NE(soldier, nullptr);
    EXPECT_EQ(soldier->Description, "Trained for war.\r\nHard to kill.");
    EXPECT_EQ(soldier->GetTradeLevels(0), "Scout");
    EXPECT_EQ(soldier->Vitality, 10);
    auto vael = db->GetClassInfo("Vael Guardian");
    ASSERT_NE(vael, nullptr);
    EXPECT_TRUE(vael->Aumen && vael->Vael && !vael->Khor);
    EXPECT_EQ(vael->AumenSklPts, 2);
    EXPECT_EQ(vael->WisVitality, 1);
    EXPECT_EQ(vael->GetRestrictedSkillLevel(0), 6);
    EXPECT_EQ(vael->Description, "");

    ListResult levels = db->GetClassLevelList();
    ASSERT_EQ(levels.size(), 35u);
    EXPECT_EQ(levels[1], "Soldier:1");
    EXPECT_EQ(levels[35], "Khor Adept:5");
    auto top = db->GetClassLevelInfo("Scout", 10);
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(top->Attack, 7);
    EXPECT_EQ(top->GetBonusFeatQuan(0, 0), 3);
    EXPECT_EQ(top->GetSkillMasteryName(0), "Scout Mastery");
    EXPECT_EQ(top->GetBonusFeaturesNum(0), 2);
    auto first = db->GetClassLevelInfo("Vael Guardian", 1);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Glowblade, "2d8");
    EXPECT_EQ(first->GetGivenFeatLevel(1), 1);
    EXPECT_EQ(first->GetSpecialQualityObj(0), nullptr);

    auto adept = db->GetClassPrestigeInfo("Khor Adept");
    ASSERT_NE(adept, nullptr);
    const clsRequirements& p = *adept->Requirements;
    EXPECT_EQ(p.ReqSpecLvl, 3);
    EXPECT_EQ(p.ReadWriteList(), "Orvanic");
    EXPECT_EQ(p.NumSpeak(), 2);
    EXPECT_EQ(p.QualityList(), "Aumen Attunement");
    EXPECT_EQ(p.OrSpecialSetList(0), "Shadow Bond:Aumen Attunement");
    EXPECT_EQ(p.GetOrSkillName(0, 1), "Intimidate");

    EXPECT_EQ(db->BonusFeatureList().size(), 4u);
    auto secret = db->GetFeatureInfo("Khor Secret");
    ASSERT_NE(secret, nullptr);
    EXPECT_EQ(secret->Number, 2);
    EXPECT_EQ(secret->GetFeature(1), "Fearsome Aura");
    EXPECT_EQ(db->CrossClassList()[3], "Vael Cross");
    EXPECT_EQ(db->GetCrossClassInfo("Vael Cross")->GetNumCrossClass(), 3);
    EXPECT_EQ(boxes_.size(), 0u);
}

TEST_F(CharacterTableTest, ClearEmptiesEveryCharacterTableWithoutAReport) {
    auto db = OpenScratch("", true);
    db->Clear();
    for (const auto& box : boxes_.boxes())
        for (const char* table :
             {"tblSpecies", "tblSpecialQualities", "tblSkills", "tblSkillMastery", "tblFeats",
              "tblClassesBonus", "tblClasses", "tblClassesLevels", "tblClassPrestige",
              "tblClassFeatures", "tblCrossClass"})
            EXPECT_EQ(box.prompt.find(std::string(table) + ")"), std::string::npos) << box.prompt;
    boxes_.clear();
    db->Messaging(false);
    EXPECT_TRUE(db->GetClassLevelList().IsEmptyForm());
    EXPECT_TRUE(db->GetAllSkillList().IsEmptyForm());
    EXPECT_TRUE(db->GetBonusList().IsEmptyForm());
}

TEST_F(CharacterTableTest, LabelsAndMessagesOfEveryOperation) {
    auto db = OpenScratch();
    std::vector<std::string> expected;
    // Each kind: its list on an empty table, an empty key and a missing row, for the read
    // and for the delete.
    auto expect = [&](const std::string& list, const std::string& read, const std::string& del,
                      const std::string& what, const std::string& readEmpty,
                      const std::string& delEmpty, const std::string& readMissing,
                      const std::string& delMissing) {
        expected.push_back(list + "\r\nThere are no " + what + " Records in the Database!");
        expected.push_back(read + readEmpty);
        expected.push_back(read + readMissing);
        expected.push_back(del + delEmpty);
        expected.push_back(del + delMissing);
    };
    auto searchField = [](const std::string& what) {
        return "\r\nA " + what + " Search field was not corretly Identified.";
    };
    auto unable = [](const std::string& what) {
        return "\r\nUnable to locate a " + what + " matching your criteria.";
    };

    db->SpeciesList();
    db->GetSpeciesInfo("", true);
    db->GetSpeciesInfo("X");
    db->DelSpecies("");
    db->DelSpecies("X");
    expected.push_back(
        "Property Get: SpeciesList\r\nThere are no Species Records in the Database!");
    expected.push_back("Property Get: GetSpeciesInfo(, True)" + searchField("Species"));
    expected.push_back("Property Get: GetSpeciesInfo(X, False)" + unable("Species"));
    expected.push_back("Property Let: DelSpecies()" + searchField("Species"));
    expected.push_back(
        "Property Let: DelSpecies(X)\r\nUnable to locate Species matching your "
        "criteria.");

    db->GetClassList();
    db->GetClassInfo("");
    db->GetClassInfo("X", true);
    db->DelClass("");
    db->DelClass("X");
    expected.push_back("Property Get: GetClassList\r\nThere are no Class Records in the Database!");
    expected.push_back("Property Get: GetClassInfo(, False)" + searchField("Class"));
    expected.push_back(
        "Property Get: GetClassInfo(X, True)\r\nUnable to locate a class mathcing your criteria.");
    expected.push_back("Property Let: DelClass()" + searchField("Class"));
    expected.push_back(
        "Property Let: DelClass(X)\r\nUnable to locate a class mathcing your criteria.");

    db->GetClassLevelList();
    db->GetClassLevelInfo("", 3);
    db->GetClassLevelInfo("X", 0);
    db->DelClassLevel("", 3);
    db->DelClassLevel("X", -2);
    expected.push_back(
        "Property Get: GetClassLevelList\r\nThere are no Class Level Records in the Database!");
    expected.push_back("Function: GetClassLevelInfo(, 3)" + searchField("Class Level"));
    expected.push_back("Function: GetClassLevelInfo(X, 0)" + unable("Class and/or Level"));
    expected.push_back("Sub: DelClassLevel(, 3)" + searchField("Class"));
    expected.push_back("Sub: DelClassLevel(X, -2)" + unable("Class and/or Level"));

    db->GetClassPrestigeList();
    db->GetClassPrestigeInfo("");
    db->GetClassPrestigeInfo("X");
    db->DelClassPresitige("");
    db->DelClassPresitige("X");
    expected.push_back(
        "Property Get: GetClassPrestigeList\r\nThere are no Prestige Class Records "
        "in the Database!");
    expected.push_back("Property Get: GetClassPrestigeInfo()" + searchField("Prestige Class"));
    expected.push_back("Property Get: GetClassPrestigeInfo(X)" + unable("Prestige Class"));
    expected.push_back("Property Let: DelClassPresitige()" + searchField("Prestige Class"));
    expected.push_back("Property Let: DelClassPresitige(X)" + unable("Prestige Class"));

    db->GetBonusList();
    db->GetBonusInfo("");
    db->GetBonusInfo("X");
    db->DelBonus("");
    db->DelBonus("X");
    expected.push_back(
        "Property Get: GetBonusList\r\nThere are no Bonus Feat Selection Records in "
        "the Database!");
    expected.push_back("Property Get: GetBonusInfo()" + searchField("Bonus Feat Selection"));
    expected.push_back("Property Get: GetBonusInfo(X)" + unable("Bonus Feat Selection"));
    expected.push_back("Property Let: DelBonus()" + searchField("Bonus"));
    expected.push_back("Property Let: DelBonus(X)" + unable("Bonus Feat Selection"));

    db->GetAllSkillList();
    db->GetSkillList();
    db->GetSkillList(true);
    db->GetSkillInfo("");
    db->GetSkillInfo("X", true);
    db->DelSkill("");
    db->DelSkill("X");
    expected.push_back(
        "Property Get: GetAllSkillList\r\nThere are no Skill Records in the Database!");
    expected.push_back(
        "Property Get: GetSkillList(False)\r\nThere are no Skill Records in the Database!");
    expected.push_back(
        "Property Get: GetSkillList(True)\r\nThere are no Skill Records in the Database!");
    expected.push_back("Property Get: GetSkillInfo(, False)" + searchField("Skill"));
    expected.push_back("Property Get: GetSkillInfo(X, True)" + unable("Skill"));
    expected.push_back("Property Let: DelSkill()" + searchField("Skill"));
    expected.push_back("Property Let: DelSkill(X)" + unable("Skill"));

    db->GetFeatList();
    db->GetFeatInfo("");
    db->GetFeatInfo("X");
    db->DelFeat("");
    db->DelFeat("X");
    expected.push_back("Property Get: GetFeatList\r\nThere are no Feat Records in the Database!");
    expected.push_back("Property Get: GetFeatInfo(, False)" + searchField("Feat"));
    expected.push_back("Property Get: GetFeatInfo(X, False)" + unable("Feat"));
    expected.push_back("Property Let: DelFeat()" + searchField("Feat"));
    expected.push_back("Property Let: DelFeat(X)" + unable("Feat"));

    struct Simple {
        std::function<void()> list, readEmpty, readMissing, delEmpty, delMissing;
        std::string listLabel, readLabel, delLabel, what;
    };
    for (const Simple& k : std::vector<Simple>{
             {[&] { db->CrossClassList(); }, [&] { db->GetCrossClassInfo(""); },
              [&] { db->GetCrossClassInfo("X"); }, [&] { db->DelCrossClass(""); },
              [&] { db->DelCrossClass("X"); }, "Property Get: CrossClassList",
              "Property Get: GetCrossClassInfo(", "Property Let: DelCrossClass(", "Cross Class"},
             {[&] { db->SkillMasteryList(); }, [&] { db->GetSkillMasteryInfo(""); },
              [&] { db->GetSkillMasteryInfo("X"); }, [&] { db->DelSkillMastery(""); },
              [&] { db->DelSkillMastery("X"); }, "Property Get: SkillMasteryList",
              "Property Get: GetSkillMasteryInfo(", "Property Let: DelSkillMastery(",
              "Skill Mastery"},
             {[&] { db->BonusFeatureList(); }, [&] { db->GetFeatureInfo(""); },
              [&] { db->GetFeatureInfo("X"); }, [&] { db->DelFeature(""); },
              [&] { db->DelFeature("X"); }, "Property Get: BonusFeatureList",
              "Property Get: GetFeatureInfo(", "Property Let: DelFeature(", "Bonus Feature"}}) {
        k.list();
        k.readEmpty();
        k.readMissing();
        k.delEmpty();
        k.delMissing();
        expect(k.listLabel, k.readLabel, k.delLabel, k.what, ")" + searchField(k.what),
               ")" + searchField(k.what), "X)" + unable(k.what), "X)" + unable(k.what));
    }

    db->GetSpecialQualityList();
    db->GetSpecialQualityInfo("");
    db->GetSpecialQualityInfo("X", true);
    db->DelSpecialQuality("");
    db->DelSpecialQuality("X");
    expected.push_back(
        "Property Get: GetSpecialQualityList\r\nThere are no Special Quality "
        "Records in the Database!");
    expected.push_back("Property Get: GetSpecialQualityInfo(, False)" +
                       searchField("Special Quality"));
    expected.push_back("Property Get: GetSpecialQualityInfo(X, True)" + unable("Special Quality"));
    expected.push_back("Property Let: DelSpecialQuality()" + searchField("Special Quality"));
    expected.push_back("Property Let: DelSpecialQuality(X)" + unable("Special Quality"));

    EXPECT_EQ(Prompts(), expected);
}

TEST_F(CharacterTableTest, ZeroBasedListsAndRowsOfWhichNoneQualifies) {
    auto db = OpenScratch(R"(
        INSERT INTO tblSkills (Name, Aumen) VALUES (NULL, 0), ('', 0), ('Sense', NULL), ('Pilot', 0);
        INSERT INTO tblClassesBonus (Name) VALUES (NULL), ('Scout Bonus');)");
    ListResult all = db->GetAllSkillList();  // names that are not null, empty ones included
    EXPECT_EQ(all.LBound(), 0);
    EXPECT_EQ(all.Values(), (std::vector<std::string>{"", "Pilot", "Sense"}));
    ListResult normal = db->GetSkillList();
    EXPECT_EQ(normal.LBound(), 0);
    EXPECT_EQ(normal.Values(), std::vector<std::string>{"Pilot"});
    EXPECT_EQ(db->GetBonusList().Values(), std::vector<std::string>{"Scout Bonus"});
    EXPECT_EQ(db->GetBonusList().LBound(), 0);
    EXPECT_EQ(boxes_.size(), 0u);

    // Rows, but none that the list takes: a reported failure and the empty form.
    EXPECT_TRUE(db->GetSkillList(true).IsEmptyForm());
    Exec(db->Name(),
         "DELETE FROM tblSkills WHERE Name IS NOT NULL; DELETE FROM tblClassesBonus "
         "WHERE Name IS NOT NULL;");
    EXPECT_TRUE(db->GetAllSkillList().IsEmptyForm());
    EXPECT_TRUE(db->GetBonusList().IsEmptyForm());
    ASSERT_EQ(boxes_.size(), 3u);
    EXPECT_EQ(boxes_.boxes()[0].prompt.rfind("Property Get: GetSkillList(True)\r\n", 0), 0u);
    EXPECT_EQ(boxes_.boxes()[1].prompt.rfind("Property Get: GetAllSkillList\r\n", 0), 0u);
    EXPECT_EQ(boxes_.boxes()[2].prompt.rfind("Property Get: GetBonusList\r\n", 0), 0u);
    EXPECT_EQ(boxes_.boxes()[2].prompt.find("Records in the Database"), std::string::npos);
}

TEST_F(CharacterTableTest, SpeciesColumnsNullsAndOlderTables) {
    auto db = OpenScratch(R"(
        INSERT INTO tblSpecies (Species, Str, Dex, Con, "Int", Wis, Cha, BonusFeats, NPC,
            BonusSkillPts, Move, Swim, Fly, Other, Size, BonusFeat, MaxChild, MaxYoung, MaxAdult,
            MaxMiddle, MaxOld, MinHeight, MaxHeight, MinWeight, MaxWeight)
            VALUES ('Twofold', 0, 0, 0, 0, 0, 0, 2, -1, 0, 10, 0, 0, 0, 'Medium', 'Alertness, Toughness',
            1, 2, 3, 4, 5, 1.5, 2, 40, 80);
        INSERT INTO tblSpecies (Species, Str, Dex, Con, "Int", Wis, Cha, BonusFeats, NPC,
            BonusSkillPts, Move, Swim, Fly, Other, Size)
            VALUES ('NoMove', 0, 0, 0, 0, 0, 0, 0, 0, 0, NULL, 0, 0, 0, 'Medium');
        INSERT INTO tblSpecies (Species, Str, Dex, Con, "Int", Wis, Cha, BonusFeats, NPC,
            BonusSkillPts, Move, Swim, Fly, Other, Size)
            VALUES ('NoSize', 0, 0, 0, 0, 0, 0, 0, 0, 0, 10, 0, 0, 0, NULL);)");
    auto two = db->GetSpeciesInfo("Twofold");
    ASSERT_NE(two, nullptr);
    EXPECT_EQ(two->BonusFeat, 2);
    EXPECT_EQ(two->GetNumBonusFeats(), 2);
    EXPECT_TRUE(two->NPC);
    EXPECT_EQ(two->MaxOld, 5);
    EXPECT_EQ(db->GetSpeciesInfo("NoMove"), nullptr);
    EXPECT_EQ(db->GetSpeciesInfo("NoSize"), nullptr);
    EXPECT_EQ(Prompts(),
              (std::vector<std::string>{
                  "Property Get: GetSpeciesInfo(NoMove, False)\r\nInvalid use of Null",
                  "Property Get: GetSpeciesInfo(NoSize, False)\r\nInvalid use of Null"}));

    // A species stored and read back keeps every column.
    boxes_.clear();
    clsSpecies s;
    s.Name = "Stored";
    s.SetModifier(2, -1);
    s.Size = "Small";
    s.Homeworld = "Kesh";
    s.MaxOld = 70;
    s.MinHeight = 0.75f;
    s.MaxWeight = 40;
    s.Description = "Short.";
    s.SetSpecQual("Breath Hold");
    s.SetBonusFeats("Track");
    s.SetFeatReplace("Scout:Track:Endurance");
    s.SetSynergy("0:Swim:2");
    db->AddSpecies(&s);
    auto back = db->GetSpeciesInfo("Stored", true);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->GetModifier(2), -1);
    EXPECT_EQ(back->Homeworld, "Kesh");
    EXPECT_EQ(back->FlyType, "");
    EXPECT_EQ(back->MaxOld, 70);
    EXPECT_FLOAT_EQ(back->MinHeight, 0.75f);
    EXPECT_EQ(back->MaxWeight, 40);
    EXPECT_EQ(back->Description, "Short.");
    EXPECT_EQ(back->GetBonusFeatList(), "Track");
    EXPECT_EQ(back->GetFeatReplaceList(), "Scout:Track:Endurance");
    EXPECT_EQ(back->GetSynergyList(), "0:Swim:2");
    db->DelSpecies("stored");
    EXPECT_EQ(db->GetSpeciesInfo("Stored"), nullptr);
    EXPECT_EQ(boxes_.size(), 1u);

    // An older table without the age, bonus-feat list, height, weight, description and
    // replacement columns reads and stores without them.
    auto old = OpenScratch(R"(
        DROP TABLE tblSpecies;
        CREATE TABLE tblSpecies (Species TEXT, Str INTEGER, Dex INTEGER, Con INTEGER, "Int" INTEGER,
            Wis INTEGER, Cha INTEGER, BonusFeats INTEGER, NPC INTEGER, BonusSkillPts INTEGER,
            Move INTEGER, Swim INTEGER, Fly INTEGER, Other INTEGER, Size TEXT, Homeworld TEXT,
            FlyType TEXT, OtherType TEXT, SpecialQualities TEXT, Speak TEXT, ReadWrite TEXT,
            Synergy TEXT, ClassSkills TEXT, ForbiddenFeats TEXT, ForbiddenSkills TEXT,
            ForbiddenClass TEXT, RestrictedSkills TEXT, AddFeat TEXT, Source TEXT);)");
    old->AddSpecies(&s);
    auto older = old->GetSpeciesInfo("Stored", true);
    ASSERT_NE(older, nullptr);
    EXPECT_EQ(older->MaxOld, 0);
    EXPECT_EQ(older->Description, "");
    EXPECT_FALSE(older->HasFeatReplace());
    EXPECT_FALSE(older->HasBonusFeats());
    EXPECT_EQ(older->GetSpecQualList(), "Breath Hold");
    EXPECT_EQ(boxes_.size(), 0u);
}

TEST_F(CharacterTableTest, SpecialQualitiesWithAndWithoutTheirNewerColumns) {
    auto db = OpenScratch();
    clsSpecialQualities q;
    q.Name = "Shadow Bond";
    q.SetSpecQual("Aumen Attunement");
    q.SetBonusFeat("Dread Focus");
    q.SetBypassFeat("Iron Will");
    q.SetBonusSelections("Khor Bonus");
    q.SetSynergy("3:Veil Mind:2");
    q.Description = "Bound.";
    db->AddSpecialQuality(&q);
    auto back = db->GetSpecialQualityInfo("Shadow Bond", true);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->SpecQualList(), "Aumen Attunement");
    EXPECT_EQ(back->BonusFeatList(), "Dread Focus");
    EXPECT_EQ(back->BypassFeatList(), "Iron Will");
    EXPECT_EQ(back->GetBonusSelectionList(), "Khor Bonus");
    EXPECT_EQ(back->GetSynergyList(), "3:Veil Mind:2");
    EXPECT_EQ(back->Description, "Bound.");

    auto old = OpenScratch(R"(
        DROP TABLE tblSpecialQualities;
        CREATE TABLE tblSpecialQualities (Name TEXT, SpecialQualities TEXT, GivenFeats TEXT,
            BypassFeats TEXT);
        INSERT INTO tblSpecialQualities VALUES ('Old', 'A', NULL, 'B');)");
    old->AddSpecialQuality(&q);
    auto stored = old->GetSpecialQualityInfo("Shadow Bond", true);
    ASSERT_NE(stored, nullptr);
    EXPECT_FALSE(stored->HasSynergy());
    EXPECT_FALSE(stored->HasBonusSelections());
    EXPECT_EQ(stored->Description, "");
    EXPECT_EQ(stored->BypassFeatList(), "Iron Will");
    auto read = old->GetSpecialQualityInfo("Old");
    ASSERT_NE(read, nullptr);
    EXPECT_FALSE(read->HasBonusFeats());
    EXPECT_EQ(old->GetSpecialQualityList().size(), 2u);
    EXPECT_EQ(boxes_.size(), 0u);
}

clsRequirements AllRequirements() {
    clsRequirements r;
    r.ReqTainted = true;
    r.ReqSpecLvl = 4;
    r.SetMinRequire("Attack:5");
    r.SetMaxRequire("Reputation:9");
    r.SetAbility("Wisdom:13");
    r.SetSkill("Sense Aumen:6");
    r.SetClass("Scout:3");
    r.SetFeats("Alertness");
    r.SetReadWrite("Orvanic");
    r.SetSpeak("Trade Cant");
    r.SetSpecies("Thessin");
    r.SetHomeworld("Kesh");
    r.SetQualities("Shadow Bond");
    r.SetOrFeats("Iron Will:Toughness");
    r.SetOrSkills("Pilot:4|Repair:6");
    r.SetOrClasses("Scout:2|Soldier:2");
    r.SetOrSpecial("Keen Pilot:Trailblazer");
    return r;
}

TEST_F(CharacterTableTest, RequirementColumnsOfFeatsSkillsAndPrestigeClasses) {
    auto db = OpenScratch();
    clsFeats feat;
    feat.Name = "Starship Dodge";
    feat.AumenFeat = true;
    feat.Notes = "note";
    feat.Description = "Jinks.";
    feat.SetGivBonus("Pilot:2");
    *feat.Requirements = AllRequirements();
    db->AddFeat(&feat);
    auto f = db->GetFeatInfo("Starship Dodge", true);
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->AumenFeat);
    EXPECT_EQ(f->Description, "Jinks.");
    EXPECT_EQ(f->BonusList(), "Pilot:2");
    const clsRequirements& fr = *f->Requirements;
    EXPECT_TRUE(fr.ReqTainted);
    EXPECT_EQ(fr.MinList(), "Attack:5");
    EXPECT_EQ(fr.MaxList(), "Reputation:9");
    EXPECT_EQ(fr.AbilityList(), "Wisdom:13");
    EXPECT_EQ(fr.SkillList(), "Sense Aumen:6");
    EXPECT_EQ(fr.FeatList(), "Alertness");
    EXPECT_EQ(fr.SpeciesList(), "Thessin");
    EXPECT_EQ(fr.HomeworldList(), "Kesh");
    EXPECT_EQ(fr.ClassList(), "Scout:3");
    EXPECT_EQ(fr.OrFeatList(), "Iron Will:Toughness");
    EXPECT_EQ(fr.OrClassList(), "Scout:2|Soldier:2");
    EXPECT_EQ(fr.OrSkillList(), "Pilot:4|Repair:6");
    EXPECT_FALSE(fr.HasReadWrite() || fr.HasSpeak() || fr.HasQualities() || fr.HasOrSpecial());

    clsSkills skill;
    skill.Name = "Pilot";
    skill.SetAbility("Dex");
    skill.SetExclClass("Soldier");
    *skill.objRequirements = AllRequirements();
    db->AddSkill(&skill);
    auto s = db->GetSkillInfo("Pilot");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->GetAbility(), "Dexterity");
    EXPECT_FALSE(s->HasExclClass());
    const clsRequirements& sr = *s->objRequirements;
    EXPECT_EQ(sr.FeatList(), "Alertness");  // column "Feat"
    EXPECT_EQ(sr.SkillList(), "Sense Aumen:6");
    EXPECT_EQ(sr.SpeciesList(), "Thessin");
    EXPECT_EQ(sr.MinList(), "Attack:5");
    EXPECT_EQ(sr.MaxList(), "Reputation:9");
    EXPECT_EQ(sr.AbilityList(), "Wisdom:13");
    EXPECT_FALSE(sr.HasClasses());  // never written
    EXPECT_FALSE(sr.ReqTainted || sr.HasHomeworld() || sr.HasOrFeats());
    EXPECT_EQ(s->GetSecondary(), "None");  // written empty, read back through completion

    clsPrestige prestige;
    prestige.Name = "Khor Adept";
    *prestige.Requirements = AllRequirements();
    db->AddClassPrestige(&prestige);
    auto p = db->GetClassPrestigeInfo("Khor Adept");
    ASSERT_NE(p, nullptr);
    const clsRequirements& pr = *p->Requirements;
    EXPECT_EQ(pr.ReqSpecLvl, 4);
    EXPECT_EQ(pr.ReadWriteList(), "Orvanic");
    EXPECT_EQ(pr.SpeakList(), "Trade Cant");
    EXPECT_EQ(pr.QualityList(), "Shadow Bond");
    EXPECT_EQ(pr.ClassList(), "Scout:3");
    EXPECT_EQ(pr.OrSpecialList(), "Keen Pilot:Trailblazer");
    EXPECT_EQ(pr.OrSkillList(), "Pilot:4|Repair:6");
    EXPECT_EQ(boxes_.size(), 0u);

    // Tables without the newer requirement columns.
    auto old = OpenScratch(R"(
        ALTER TABLE tblClassPrestige DROP COLUMN OrFeatRequirements;
        ALTER TABLE tblClassPrestige DROP COLUMN OrSkillRequirements;
        ALTER TABLE tblClassPrestige DROP COLUMN OrClassRequirements;
        ALTER TABLE tblClassPrestige DROP COLUMN OrSpecialRequirements;
        ALTER TABLE tblFeats DROP COLUMN OrFeatRequirements;
        ALTER TABLE tblFeats DROP COLUMN ClassRequirements;
        ALTER TABLE tblFeats DROP COLUMN OrClassRequirements;
        ALTER TABLE tblFeats DROP COLUMN OrSkillRequirements;
        DROP VIEW qrySkills; DROP TABLE tblSkills;
        CREATE TABLE tblSkills (Name TEXT, Attribute TEXT, SubNumber INTEGER, ArmorCheck INTEGER,
            SubSkills INTEGER, Aumen INTEGER, DarkSide INTEGER, LightSide INTEGER,
            TrainedOnly INTEGER, Synergy TEXT, Source TEXT, Notes TEXT, Feat TEXT);
        CREATE VIEW qrySkills AS SELECT Name, Aumen FROM tblSkills;)");
    old->AddClassPrestige(&prestige);
    old->AddFeat(&feat);
    skill.CreatureUse = true;
    skill.Description = "Flies.";
    skill.SetSubSuggest("Skimmers");
    old->AddSkill(&skill);
    auto op = old->GetClassPrestigeInfo("Khor Adept");
    auto of = old->GetFeatInfo("Starship Dodge");
    auto os = old->GetSkillInfo("Pilot", true);
    ASSERT_NE(op, nullptr);
    ASSERT_NE(of, nullptr);
    ASSERT_NE(os, nullptr);
    EXPECT_EQ(op->Requirements->QualityList(), "Shadow Bond");
    EXPECT_FALSE(op->Requirements->HasOrSkills());
    EXPECT_EQ(of->Requirements->HomeworldList(), "Kesh");
    EXPECT_FALSE(of->Requirements->HasClasses());
    EXPECT_EQ(os->objRequirements->FeatList(), "Alertness");
    EXPECT_FALSE(os->objRequirements->HasSkills());
    EXPECT_FALSE(os->CreatureUse);
    EXPECT_EQ(os->Description, "");
    EXPECT_EQ(os->GetSecondary(), "None");  // no SecAbility column
    EXPECT_EQ(boxes_.size(), 0u);
}

TEST_F(CharacterTableTest, SkillFeatBonusAndFeatureColumns) {
    auto db = OpenScratch(R"(
        INSERT INTO tblSkills (Name, Attribute, SubNumber, ArmorCheck, SubSkills, Aumen, DarkSide,
            LightSide, TrainedOnly, CreatureUse, DroidUse, UntrainedHeuristic, SecAbility)
            VALUES ('Odd', 'dex', 0, 0, 0, 0, 0, 0, NULL, 0, 0, 0, 'Wis');
        INSERT INTO tblFeats (Feat, GainMultiple, AumenFeat, ReqTainted, ReqDarkSide, Source,
            Notes, Description) VALUES ('Null Flag', 0, 0, NULL, 0, NULL, NULL, 'Hidden');)");
    EXPECT_EQ(db->GetSkillInfo("Odd"), nullptr);  // a null Boolean fails the read
    EXPECT_EQ(db->GetFeatInfo("Null Flag"), nullptr);
    ASSERT_EQ(boxes_.size(), 2u);
    EXPECT_EQ(boxes_.boxes()[0].prompt,
              "Property Get: GetSkillInfo(Odd, False)\r\nInvalid use of Null");
    EXPECT_EQ(boxes_.boxes()[1].prompt,
              "Property Get: GetFeatInfo(Null Flag, False)\r\nInvalid use of Null");
    Exec(db->Name(), "UPDATE tblSkills SET TrainedOnly = 1; UPDATE tblFeats SET ReqTainted = 0;");
    auto odd = db->GetSkillInfo("Odd");
    ASSERT_NE(odd, nullptr);
    EXPECT_EQ(odd->GetAbility(), "dex");
    EXPECT_EQ(odd->GetSecondary(), "Wisdom");
    EXPECT_EQ(db->GetFeatInfo("Null Flag", true)->Description, "Hidden");

    clsSkillMastery m;
    m.Name = "Pilot Mastery";
    m.Number = 2;
    db->AddSkillMastery(&m);
    auto mb = db->GetSkillMasteryInfo("Pilot Mastery");
    ASSERT_NE(mb, nullptr);
    EXPECT_EQ(mb->Number, 2);
    EXPECT_FALSE(mb->HasSkills());

    auto old = OpenScratch(R"(
        DROP TABLE tblClassesBonus; CREATE TABLE tblClassesBonus (Name TEXT, Feats TEXT);
        DROP TABLE tblClassFeatures; CREATE TABLE tblClassFeatures (Name TEXT, List TEXT);
        INSERT INTO tblClassFeatures VALUES ('Old Gift', 'Deep Focus');)");
    clsBonus b;
    b.Name = "Vael Bonus";
    b.IncludeSklAumen = true;
    old->AddBonus(&b);
    auto bb = old->GetBonusInfo("Vael Bonus");
    ASSERT_NE(bb, nullptr);
    EXPECT_FALSE(bb->IncludeSklAumen);
    EXPECT_EQ(bb->GetNumFeats(), 0);
    clsFeatures features;
    features.Name = "Aumen Gift";
    features.Multiple = true;
    features.Number = 2;
    old->AddFeature(&features);
    auto fb = old->GetFeatureInfo("Aumen Gift");
    ASSERT_NE(fb, nullptr);
    EXPECT_FALSE(fb->Multiple);
    EXPECT_EQ(fb->Number, 0);
    EXPECT_EQ(old->GetFeatureInfo("Old Gift")->FeatureList(), "Deep Focus");
    clsCrossClass cross;
    cross.Name = "Empty Cross";
    old->AddCrossClass(&cross);
    auto cb = old->GetCrossClassInfo("Empty Cross");
    ASSERT_NE(cb, nullptr);
    EXPECT_FALSE(cb->HasCrossClass());
    EXPECT_EQ(boxes_.size(), 0u);

    // The new columns present: bonus flags and feature numbers go both ways.
    auto full = OpenScratch();
    b.SetFeats("Deflect Bolts");
    full->AddBonus(&b);
    full->AddFeature(&features);
    EXPECT_TRUE(full->GetBonusInfo("Vael Bonus")->IncludeSklAumen);
    EXPECT_EQ(full->GetFeatureInfo("Aumen Gift")->Number, 2);
    full->DelBonus("Vael Bonus");
    EXPECT_TRUE(full->GetBonusList().IsEmptyForm());
}

TEST_F(CharacterTableTest, ClassesAndClassLevelsDuplicatesAndOlderTables) {
    auto db = OpenScratch(R"(
        INSERT INTO tblClassesLevels (Class, Level, Attack, SV_Fort, SV_Ref, SV_Will, Defense,
            Reputation) VALUES ('  Scout  ', 2, 1, 2, 2, 2, 2, 0);)");
    EXPECT_EQ(db->GetClassLevelList().Values(), std::vector<std::string>{"Scout:2"});
    clsClassLevel l;
    l.Name = "Scout";
    l.Level = 0;
    l.SetSpecialQualities("Trailblazer");
    l.SetGivenFeats("Track:1");
    l.SetBonusFeats("Scout Bonus:1|2");
    l.SetCrossClass("Scout Cross:1|3");
    l.SetSkillMastery("Scout Mastery:1|2");
    l.SetBonusFeatures("Scout Talent:1|5");
    l.Glowblade = "1d8";
    l.Defense = 3;
    db->AddClassLevel(&l);
    db->AddClassLevel(&l);
    auto zero = db->GetClassLevelInfo("scout", 0);  // level 0 is looked up exactly
    ASSERT_NE(zero, nullptr);
    EXPECT_EQ(zero->Name, "scout");
    EXPECT_EQ(zero->Defense, 3);
    EXPECT_EQ(zero->GetSpecQualList(), "Trailblazer");
    EXPECT_EQ(zero->GetGivenFeatList(), "Track:1");
    EXPECT_EQ(zero->GetBonusFeatList(), "Scout Bonus:1|2");
    EXPECT_EQ(zero->GetCrossClassList(), "Scout Cross:1|3");
    EXPECT_EQ(zero->GetSkillMasteryList(), "Scout Mastery:1|2");
    EXPECT_EQ(zero->GetBonusFeaturesList(), "Scout Talent:1|5");
    EXPECT_EQ(zero->Glowblade, "1d8");
    EXPECT_EQ(db->GetClassLevelInfo("Scout", 1), nullptr);
    db->DelClassLevel("Scout", 0);
    EXPECT_NE(db->GetClassLevelInfo("Scout", 0), nullptr);
    db->DelClassLevel("Scout", 0);
    db->DelClassLevel("Scout", 0);
    EXPECT_EQ(db->GetClassLevelList().size(), 1u);
    EXPECT_EQ(Prompts(), (std::vector<std::string>{
                             "Function: GetClassLevelInfo(Scout, 1)\r\nUnable to locate a "
                             "Class and/or Level matching your criteria.",
                             "Sub: DelClassLevel(Scout, 0)\r\nUnable to locate a Class "
                             "and/or Level matching your criteria."}));

    boxes_.clear();
    Exec(db->Name(), "CREATE UNIQUE INDEX uqLevel ON tblClassesLevels (Class, Level);");
    l.Level = 2;
    l.Name = "  Scout  ";
    db->AddClassLevel(&l);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_.last().prompt.rfind("Property Let: AddClassLevel(  Scout  , 2)\r\n", 0), 0u);

    // Classes: one row deleted per call, and a table without the two newer columns.
    boxes_.clear();
    clsClass c;
    c.Name = "Soldier";
    c.Hero = true;
    c.Vitality = 10;
    c.Description = "War.";
    c.SetTradeLevels("Scout");
    c.SetRestrictedSkill("Sense Aumen:0");
    db->AddClass(&c);
    db->AddClass(&c);
    auto soldier = db->GetClassInfo("SOLDIER", true);
    ASSERT_NE(soldier, nullptr);
    EXPECT_EQ(soldier->Name, "SOLDIER");
    EXPECT_EQ(soldier->Description, "War.");
    EXPECT_EQ(soldier->GetTradeLevelsList(), "Scout");
    EXPECT_EQ(soldier->GetRestSkillList(), "Sense Aumen:0");
    db->DelClass("Soldier");
    EXPECT_EQ(db->GetClassList().size(), 1u);
    db->DelClass("Soldier");
    EXPECT_TRUE(db->GetClassList().IsEmptyForm());
    ASSERT_EQ(boxes_.size(), 1u);  // the empty list

    auto old = OpenScratch(R"(
        ALTER TABLE tblClasses DROP COLUMN TradeLevels;
        ALTER TABLE tblClasses DROP COLUMN Description;)");
    old->AddClass(&c);
    auto oc = old->GetClassInfo("Soldier", true);
    ASSERT_NE(oc, nullptr);
    EXPECT_FALSE(oc->HasTradeLevels());
    EXPECT_EQ(oc->Description, "");
    EXPECT_EQ(oc->Vitality, 10);
    EXPECT_EQ(boxes_.size(), 0u);
}

TEST_F(CharacterTableTest, EveryCharacterClassIsCreatableByName) {
    for (const char* name : {"clsSpecies", "clsClass", "clsClassLevel", "clsPrestige", "clsSkills",
                             "clsSkillMastery", "clsFeats", "clsBonus", "clsSpecialQualities",
                             "clsFeatures", "clsCrossClass", "clsRequirements"}) {
        auto object = CreateObject(std::string("OrvaneLib.") + name);
        ASSERT_NE(object, nullptr) << name;
        EXPECT_EQ(object->ClassName(), name);
    }
    EXPECT_NE(
        std::dynamic_pointer_cast<clsPrestige>(CreateObject("OrvaneLib.clsPrestige"))->Requirements,
        nullptr);
}

}  // namespace
}  // namespace orvane_test
