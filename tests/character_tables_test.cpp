// The character-rules tables through clsDatabase: the sample content, every label and
// message, the lists counting from 0, optional columns, null columns, requirement columns
// and duplicate rows.
#include <functional>

#include "orvane/records/character.hpp"
#include "support.hpp"

namespace orvane_test {
namespace {

using namespace OrvaneLib;

class CharacterTableTest : public OrvaneTest {};

TEST_F(CharacterTableTest, SampleContentOfEveryKind) {
    auto db = OpenScratch("", true);
    auto orvani = db->GetSpeciesInfo("orvani", true);
    ASSERT_NE(orvani, nullptr);
    EXPECT_EQ(orvani->Name, "orvani");
    EXPECT_EQ(orvani->BonusFeat, 1);                                            // "BonusFeats"
    EXPECT_EQ(orvani->GetBonusFeatList(), "Alertness, Toughness, Quick Draw");  // "BonusFeat"
    EXPECT_EQ(orvani->Description,
              "The founders of the Halcyon worlds.\r\nAdaptable and everywhere.");
    auto plain = db->GetSpeciesInfo("Orvani");
    EXPECT_EQ(plain->Description, "");
    EXPECT_EQ(plain->GetFeatReplaceList(), "Soldier:Armor Proficiency (light):Toughness");
    auto thessin = db->GetSpeciesInfo("Thessin");  // the column goes through SetSpecQual
    auto q = std::make_shared<clsSpecialQualities>();
    thessin->SetSpecialQualityObj(1, q);
    EXPECT_EQ(thessin->GetSpecialQualityObj(1), q);

    auto bond = db->GetSpecialQualityInfo("Shadow Bond", true);
    EXPECT_EQ(bond->SpecQualList(), "Aumen Attunement");
    EXPECT_EQ(bond->BonusFeatList(), "Dread Focus");
    EXPECT_EQ(bond->BypassFeatList(), "Iron Will");
    EXPECT_EQ(bond->GetBonusSelection(0), "Khor Bonus");
    EXPECT_EQ(bond->GetSynergyBonusFromSkill("Dread Grip"), 2);
    EXPECT_EQ(db->GetSpecialQualityInfo("Shadow Bond")->Description, "");

    ListResult all = db->GetAllSkillList();
    EXPECT_EQ(all.LBound(), 0);
    EXPECT_EQ(all.size(), 32u);
    EXPECT_EQ(db->GetSkillList().size(), 27u);
    EXPECT_EQ(db->GetSkillList().Values(), db->GetSkillList(false).Values());
    EXPECT_EQ(db->GetSkillList(true)[0], "Dread Grip");
    auto grip = db->GetSkillInfo("Dread Grip");
    EXPECT_EQ(grip->GetAbility(), "Constitution");
    EXPECT_EQ(grip->GetSecondary(), "Charisma");
    EXPECT_EQ(grip->objRequirements->FeatList(), "Aumen Sensitive");
    EXPECT_EQ(grip->objRequirements->MaxList(), "Reputation:8");
    EXPECT_EQ(db->GetSkillInfo("Kindle Calm")->objRequirements->ClassList(), "Vael Guardian:3");
    EXPECT_EQ(db->GetSkillInfo("Balance")->GetSecondary(), "None");  // a null SecAbility
    EXPECT_TRUE(db->GetSkillMasteryInfo("Vael Mastery")->UseWisScore());

    ListResult feats = db->GetFeatList();  // through qryFeats, by name
    EXPECT_EQ(feats.LBound(), 1);
    EXPECT_EQ(feats[5], "Armor Proficiency (light)");
    auto focus = db->GetFeatInfo("Dread Focus");
    const clsRequirements& fr = *focus->Requirements;
    EXPECT_TRUE(fr.ReqTainted && fr.ReqDarkSide);
    EXPECT_EQ(fr.GetOrClassName(0, 1), "Vael Guardian");
    EXPECT_EQ(fr.GetOrSkillRank(0, 1), "6");
    ListResult bonus = db->GetBonusList();
    EXPECT_EQ(bonus.LBound(), 0);
    EXPECT_EQ(bonus[0], "Soldier Bonus");
    auto scout = db->GetBonusInfo("Scout Bonus");
    EXPECT_TRUE(scout->IncludeSklNormal && scout->RequireSklRanks && !scout->IncludeExotic);

    auto soldier = db->GetClassInfo("Soldier", true);
    EXPECT_EQ(soldier->Description, "Trained for war.\r\nHard to kill.");
    EXPECT_EQ(soldier->GetTradeLevels(0), "Scout");
    auto vael = db->GetClassInfo("Vael Guardian");
    EXPECT_TRUE(vael->Aumen && vael->Vael && !vael->Khor);
    EXPECT_EQ(vael->AumenSklPts, 2);
    ListResult levels = db->GetClassLevelList();
    ASSERT_EQ(levels.size(), 35u);
    EXPECT_EQ(levels[35], "Khor Adept:5");
    auto top = db->GetClassLevelInfo("Scout", 10);
    EXPECT_EQ(top->GetBonusFeatQuan(0, 0), 3);
    EXPECT_EQ(top->GetSkillMasteryName(0), "Scout Mastery");
    auto adept = db->GetClassPrestigeInfo("Khor Adept");
    const clsRequirements& pr = *adept->Requirements;
    EXPECT_EQ(pr.ReqSpecLvl, 3);
    EXPECT_EQ(pr.OrSpecialSetList(0), "Shadow Bond:Aumen Attunement");
    EXPECT_EQ(db->GetFeatureInfo("Khor Secret")->Number, 2);
    EXPECT_EQ(db->GetCrossClassInfo("Vael Cross")->GetNumCrossClass(), 3);
    EXPECT_EQ(boxes_.size(), 0u);

    db->Clear();  // whatever other tables it misses, none of these is reported
    for (const auto& box : boxes_.boxes())
        for (const char* table :
             {"tblSpecies)", "tblSpecialQualities)", "tblSkills)", "tblSkillMastery)", "tblFeats)",
              "tblClassesBonus)", "tblClasses)", "tblClassesLevels)", "tblClassPrestige)",
              "tblClassFeatures)", "tblCrossClass)"})
            EXPECT_EQ(box.prompt.find(table), std::string::npos) << box.prompt;
    db->Messaging(false);
    EXPECT_TRUE(db->GetClassLevelList().IsEmptyForm());
}

TEST_F(CharacterTableTest, LabelsAndMessagesOfEveryOperation) {
    auto db = OpenScratch();
    std::vector<std::string> expected;
    const std::string field = " Search field was not corretly Identified.";
    // A kind's five reports: its list on an empty table, then an empty key and a missing row
    // ("X") on the read and on the delete.
    auto kind = [&](const std::string& list, const std::string& what, const std::string& read,
                    const std::string& readX, const std::string& del, const std::string& delWhat,
                    const std::string& missing, const std::string& delMissing) {
        expected.push_back(list + "\r\nThere are no " + what + " Records in the Database!");
        expected.push_back(read + "\r\nA " + what + field);
        expected.push_back(readX + "\r\n" + missing);
        expected.push_back(del + "()\r\nA " + delWhat + field);
        expected.push_back(del + "(X)\r\n" + delMissing);
    };
    auto unable = [](const std::string& what) {
        return "Unable to locate a " + what + " matching your criteria.";
    };
    auto run = [](std::initializer_list<std::function<void()>> calls) {
        for (const auto& call : calls) call();
    };

    run({[&] { db->SpeciesList(); }, [&] { db->GetSpeciesInfo("", true); },
         [&] { db->GetSpeciesInfo("X"); }, [&] { db->DelSpecies(""); },
         [&] { db->DelSpecies("X"); }});
    kind("Property Get: SpeciesList", "Species", "Property Get: GetSpeciesInfo(, True)",
         "Property Get: GetSpeciesInfo(X, False)", "Property Let: DelSpecies", "Species",
         unable("Species"), "Unable to locate Species matching your criteria.");
    run({[&] { db->GetClassList(); }, [&] { db->GetClassInfo(""); },
         [&] { db->GetClassInfo("X", true); }, [&] { db->DelClass(""); },
         [&] { db->DelClass("X"); }});
    const std::string mathcing = "Unable to locate a class mathcing your criteria.";
    kind("Property Get: GetClassList", "Class", "Property Get: GetClassInfo(, False)",
         "Property Get: GetClassInfo(X, True)", "Property Let: DelClass", "Class", mathcing,
         mathcing);
    run({[&] { db->GetClassPrestigeList(); }, [&] { db->GetClassPrestigeInfo(""); },
         [&] { db->GetClassPrestigeInfo("X"); }, [&] { db->DelClassPresitige(""); },
         [&] { db->DelClassPresitige("X"); }});
    kind("Property Get: GetClassPrestigeList", "Prestige Class",
         "Property Get: GetClassPrestigeInfo()", "Property Get: GetClassPrestigeInfo(X)",
         "Property Let: DelClassPresitige", "Prestige Class", unable("Prestige Class"),
         unable("Prestige Class"));
    run({[&] { db->GetBonusList(); }, [&] { db->GetBonusInfo(""); }, [&] { db->GetBonusInfo("X"); },
         [&] { db->DelBonus(""); }, [&] { db->DelBonus("X"); }});
    kind("Property Get: GetBonusList", "Bonus Feat Selection", "Property Get: GetBonusInfo()",
         "Property Get: GetBonusInfo(X)", "Property Let: DelBonus", "Bonus",
         unable("Bonus Feat Selection"), unable("Bonus Feat Selection"));
    run({[&] { db->GetFeatList(); }, [&] { db->GetFeatInfo(""); }, [&] { db->GetFeatInfo("X"); },
         [&] { db->DelFeat(""); }, [&] { db->DelFeat("X"); }});
    kind("Property Get: GetFeatList", "Feat", "Property Get: GetFeatInfo(, False)",
         "Property Get: GetFeatInfo(X, False)", "Property Let: DelFeat", "Feat", unable("Feat"),
         unable("Feat"));
    run({[&] { db->GetSpecialQualityList(); }, [&] { db->GetSpecialQualityInfo(""); },
         [&] { db->GetSpecialQualityInfo("X", true); }, [&] { db->DelSpecialQuality(""); },
         [&] { db->DelSpecialQuality("X"); }});
    kind("Property Get: GetSpecialQualityList", "Special Quality",
         "Property Get: GetSpecialQualityInfo(, False)",
         "Property Get: GetSpecialQualityInfo(X, True)", "Property Let: DelSpecialQuality",
         "Special Quality", unable("Special Quality"), unable("Special Quality"));
    run({[&] { db->GetAllSkillList(); }, [&] { db->GetSkillInfo(""); },
         [&] { db->GetSkillInfo("X", true); }, [&] { db->DelSkill(""); },
         [&] { db->DelSkill("X"); }});
    kind("Property Get: GetAllSkillList", "Skill", "Property Get: GetSkillInfo(, False)",
         "Property Get: GetSkillInfo(X, True)", "Property Let: DelSkill", "Skill", unable("Skill"),
         unable("Skill"));
    run({[&] { db->CrossClassList(); }, [&] { db->GetCrossClassInfo(""); },
         [&] { db->GetCrossClassInfo("X"); }, [&] { db->DelCrossClass(""); },
         [&] { db->DelCrossClass("X"); }});
    kind("Property Get: CrossClassList", "Cross Class", "Property Get: GetCrossClassInfo()",
         "Property Get: GetCrossClassInfo(X)", "Property Let: DelCrossClass", "Cross Class",
         unable("Cross Class"), unable("Cross Class"));
    run({[&] { db->SkillMasteryList(); }, [&] { db->GetSkillMasteryInfo(""); },
         [&] { db->GetSkillMasteryInfo("X"); }, [&] { db->DelSkillMastery(""); },
         [&] { db->DelSkillMastery("X"); }});
    kind("Property Get: SkillMasteryList", "Skill Mastery", "Property Get: GetSkillMasteryInfo()",
         "Property Get: GetSkillMasteryInfo(X)", "Property Let: DelSkillMastery", "Skill Mastery",
         unable("Skill Mastery"), unable("Skill Mastery"));
    run({[&] { db->BonusFeatureList(); }, [&] { db->GetFeatureInfo(""); },
         [&] { db->GetFeatureInfo("X"); }, [&] { db->DelFeature(""); },
         [&] { db->DelFeature("X"); }});
    kind("Property Get: BonusFeatureList", "Bonus Feature", "Property Get: GetFeatureInfo()",
         "Property Get: GetFeatureInfo(X)", "Property Let: DelFeature", "Bonus Feature",
         unable("Bonus Feature"), unable("Bonus Feature"));
    run({[&] { db->GetSkillList(); }, [&] { db->GetSkillList(true); },
         [&] { db->GetClassLevelList(); }, [&] { db->GetClassLevelInfo("", 3); },
         [&] { db->GetClassLevelInfo("X", 0); }, [&] { db->DelClassLevel("", 3); },
         [&] { db->DelClassLevel("X", -2); }});
    const std::string noSkills = "\r\nThere are no Skill Records in the Database!";
    const std::string noLevel = "\r\n" + unable("Class and/or Level");
    for (const std::string& prompt :
         {"Property Get: GetSkillList(False)" + noSkills,
          "Property Get: GetSkillList(True)" + noSkills,
          std::string("Property Get: GetClassLevelList\r\nThere are no Class Level Records in the "
                      "Database!"),
          "Function: GetClassLevelInfo(, 3)\r\nA Class Level" + field,
          "Function: GetClassLevelInfo(X, 0)" + noLevel,
          "Sub: DelClassLevel(, 3)\r\nA Class" + field, "Sub: DelClassLevel(X, -2)" + noLevel})
        expected.push_back(prompt);
    EXPECT_EQ(boxes_.prompts(), expected);
}

TEST_F(CharacterTableTest, ZeroBasedListsAndRowsOfWhichNoneQualifies) {
    auto db = OpenScratch(R"(
        INSERT INTO tblSkills (Name, Aumen) VALUES (NULL, 0), ('', 0), ('Sense', NULL), ('Pilot', 0);
        INSERT INTO tblClassesBonus (Name) VALUES (NULL), ('Scout Bonus');)");
    ListResult all = db->GetAllSkillList();  // names that are not null, empty ones included
    EXPECT_EQ(all.LBound(), 0);
    EXPECT_EQ(all.Values(), (std::vector<std::string>{"", "Pilot", "Sense"}));
    EXPECT_EQ(db->GetSkillList().Values(), std::vector<std::string>{"Pilot"});
    EXPECT_EQ(db->GetSkillList().LBound(), 0);
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
    const std::string always =
        "INSERT INTO tblSpecies (Species, Str, Dex, Con, \"Int\", Wis, Cha, BonusFeats, NPC, "
        "BonusSkillPts, Move, Swim, Fly, Other, Size";
    auto db = OpenScratch(always +
                          ", MaxOld) VALUES ('NoMove', 0, 0, 0, 0, 0, 0, 0, 0, 0, NULL, 0, 0, 0, "
                          "'Medium', 60);" +
                          always +
                          ") VALUES ('NoAges', 0, 0, 0, 0, 0, 0, 0, 0, 0, 10, 0, 0, 0, 'Medium');");
    EXPECT_EQ(db->GetSpeciesInfo("NoMove"), nullptr);
    EXPECT_EQ(db->GetSpeciesInfo("NoAges"), nullptr);  // "MaxChild" is there, and null
    EXPECT_EQ(boxes_.prompts(),
              (std::vector<std::string>{
                  "Property Get: GetSpeciesInfo(NoMove, False)\r\nInvalid use of Null",
                  "Property Get: GetSpeciesInfo(NoAges, False)\r\nInvalid use of Null"}));

    boxes_.clear();
    clsSpecies s;
    s.Name = "Stored";
    s.SetModifier(2, -1);
    s.NPC = true;
    s.BonusFeat = 2;
    s.Size = "Small";
    s.MaxOld = 70;
    s.MinHeight = 0.75f;
    s.MaxWeight = 40;
    s.Description = "Short.";
    s.SetSpecQual("Breath Hold");
    s.SetBonusFeats("Alertness, Toughness");
    s.SetFeatReplace("Scout:Track:Endurance");
    db->AddSpecies(&s);
    auto back = db->GetSpeciesInfo("Stored", true);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->GetModifier(2), -1);
    EXPECT_TRUE(back->NPC);
    EXPECT_EQ(back->BonusFeat, 2);
    EXPECT_EQ(back->GetNumBonusFeats(), 2);
    EXPECT_EQ(back->FlyType, "");
    EXPECT_EQ(back->MaxOld, 70);
    EXPECT_FLOAT_EQ(back->MinHeight, 0.75f);
    EXPECT_EQ(back->MaxWeight, 40);
    EXPECT_EQ(back->Description, "Short.");
    EXPECT_EQ(back->GetFeatReplaceList(), "Scout:Track:Endurance");
    db->DelSpecies("stored");
    EXPECT_EQ(db->SpeciesList().size(), 2u);

    // An older table without the ages, bonus-feat list, heights, weights, description and
    // replacements reads and stores without them.
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
    EXPECT_FALSE(older->HasFeatReplace() || older->HasBonusFeats());
    EXPECT_EQ(older->GetSpecQualList(), "Breath Hold");
    EXPECT_EQ(boxes_.size(), 0u);
}

TEST_F(CharacterTableTest, SpecialQualitiesWithAndWithoutTheirNewerColumns) {
    clsSpecialQualities q;
    q.Name = "Shadow Bond";
    q.SetSpecQual("Aumen Attunement");
    q.SetBypassFeat("Iron Will");
    q.SetBonusSelections("Khor Bonus");
    q.SetSynergy("3:Veil Mind:2");
    q.Description = "Bound.";
    auto db = OpenScratch();
    db->AddSpecialQuality(&q);
    auto back = db->GetSpecialQualityInfo("Shadow Bond", true);
    EXPECT_EQ(back->GetBonusSelectionList(), "Khor Bonus");
    EXPECT_EQ(back->GetSynergyList(), "3:Veil Mind:2");
    EXPECT_EQ(back->Description, "Bound.");
    EXPECT_FALSE(back->HasBonusFeats());

    auto old = OpenScratch(R"(
        DROP TABLE tblSpecialQualities;
        CREATE TABLE tblSpecialQualities (Name TEXT, SpecialQualities TEXT, GivenFeats TEXT,
            BypassFeats TEXT);)");
    old->AddSpecialQuality(&q);
    auto stored = old->GetSpecialQualityInfo("Shadow Bond", true);
    ASSERT_NE(stored, nullptr);
    EXPECT_FALSE(stored->HasSynergy() || stored->HasBonusSelections());
    EXPECT_EQ(stored->Description, "");
    EXPECT_EQ(stored->BypassFeatList(), "Iron Will");
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
    feat.Description = "Jinks.";
    feat.SetGivBonus("Pilot:2");
    *feat.Requirements = AllRequirements();
    db->AddFeat(&feat);
    auto f = db->GetFeatInfo("Starship Dodge", true);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Description, "Jinks.");
    EXPECT_EQ(f->BonusList(), "Pilot:2");
    const clsRequirements& fr = *f->Requirements;
    EXPECT_TRUE(fr.ReqTainted);
    for (auto [got, want] : {std::pair{fr.MinList(), "Attack:5"},
                             {fr.MaxList(), "Reputation:9"},
                             {fr.AbilityList(), "Wisdom:13"},
                             {fr.SkillList(), "Sense Aumen:6"},
                             {fr.FeatList(), "Alertness"},
                             {fr.SpeciesList(), "Thessin"},
                             {fr.HomeworldList(), "Kesh"},
                             {fr.ClassList(), "Scout:3"},
                             {fr.OrFeatList(), "Iron Will:Toughness"},
                             {fr.OrClassList(), "Scout:2|Soldier:2"},
                             {fr.OrSkillList(), "Pilot:4|Repair:6"}})
        EXPECT_EQ(got, want);
    EXPECT_FALSE(fr.HasReadWrite() || fr.HasSpeak() || fr.HasQualities() || fr.HasOrSpecial());

    clsSkills skill;
    skill.Name = "Pilot";
    skill.SetExclClass("Soldier");
    *skill.objRequirements = AllRequirements();
    db->AddSkill(&skill);
    auto s = db->GetSkillInfo("Pilot");
    ASSERT_NE(s, nullptr);
    EXPECT_FALSE(s->HasExclClass());
    const clsRequirements& sr = *s->objRequirements;
    for (auto [got, want] : {std::pair{sr.FeatList(), "Alertness"},
                             {sr.SkillList(), "Sense Aumen:6"},
                             {sr.SpeciesList(), "Thessin"},
                             {sr.MinList(), "Attack:5"},
                             {sr.MaxList(), "Reputation:9"},
                             {sr.AbilityList(), "Wisdom:13"}})
        EXPECT_EQ(got, want);
    EXPECT_FALSE(sr.HasClasses());  // never written
    EXPECT_FALSE(sr.ReqTainted || sr.HasHomeworld() || sr.HasOrFeats());
    EXPECT_EQ(s->GetSecondary(), "None");  // written empty, read back through completion

    clsPrestige prestige;
    prestige.Name = "Khor Adept";
    *prestige.Requirements = AllRequirements();
    db->AddClassPrestige(&prestige);
    auto adept = db->GetClassPrestigeInfo("Khor Adept");
    const clsRequirements& pr = *adept->Requirements;
    EXPECT_EQ(pr.ReqSpecLvl, 4);
    for (auto [got, want] : {std::pair{pr.ReadWriteList(), "Orvanic"},
                             {pr.SpeakList(), "Trade Cant"},
                             {pr.QualityList(), "Shadow Bond"},
                             {pr.ClassList(), "Scout:3"},
                             {pr.OrSpecialList(), "Keen Pilot:Trailblazer"},
                             {pr.OrSkillList(), "Pilot:4|Repair:6"}})
        EXPECT_EQ(got, want);
    EXPECT_EQ(boxes_.size(), 0u);

    // Tables without the newer requirement and skill columns.
    auto old = OpenScratch(R"(
        ALTER TABLE tblClassPrestige DROP COLUMN OrFeatRequirements;
        ALTER TABLE tblClassPrestige DROP COLUMN OrSkillRequirements;
        ALTER TABLE tblClassPrestige DROP COLUMN OrClassRequirements;
        ALTER TABLE tblClassPrestige DROP COLUMN OrSpecialRequirements;
        ALTER TABLE tblFeats DROP COLUMN OrFeatRequirements;
        ALTER TABLE tblFeats DROP COLUMN ClassRequirements;
        DROP VIEW qrySkills; DROP TABLE tblSkills;
        CREATE TABLE tblSkills (Name TEXT, Attribute TEXT, SubNumber INTEGER, ArmorCheck INTEGER,
            SubSkills INTEGER, Aumen INTEGER, DarkSide INTEGER, LightSide INTEGER,
            TrainedOnly INTEGER, Synergy TEXT, Source TEXT, Notes TEXT, Feat TEXT);)");
    old->AddClassPrestige(&prestige);
    old->AddFeat(&feat);
    skill.CreatureUse = true;
    skill.Description = "Flies.";
    skill.SetSubSuggest("Skimmers");
    old->AddSkill(&skill);
    auto op = old->GetClassPrestigeInfo("Khor Adept");
    auto of = old->GetFeatInfo("Starship Dodge");
    auto os = old->GetSkillInfo("Pilot", true);
    ASSERT_TRUE(op && of && os);
    EXPECT_EQ(op->Requirements->QualityList(), "Shadow Bond");
    EXPECT_FALSE(op->Requirements->HasOrSkills());
    EXPECT_FALSE(of->Requirements->HasClasses() || of->Requirements->HasOrFeats());
    EXPECT_EQ(of->Requirements->OrSkillList(), "Pilot:4|Repair:6");
    EXPECT_EQ(os->objRequirements->FeatList(), "Alertness");
    EXPECT_FALSE(os->objRequirements->HasSkills() || os->CreatureUse || os->HasSubSuggest());
    EXPECT_EQ(os->Description, "");
    EXPECT_EQ(os->GetSecondary(), "None");  // no SecAbility column
    EXPECT_EQ(boxes_.size(), 0u);
}

TEST_F(CharacterTableTest, SkillFeatBonusAndFeatureColumns) {
    auto db = OpenScratch(R"(
        INSERT INTO tblSkills (Name, Attribute, SubNumber, ArmorCheck, SubSkills, Aumen, DarkSide,
            LightSide, TrainedOnly, CreatureUse, DroidUse, UntrainedHeuristic, SecAbility)
            VALUES ('Odd', 'dex', 0, 0, 0, 0, 0, 0, 0, 0, NULL, 0, 'Wis');
        INSERT INTO tblFeats (Feat, GainMultiple, AumenFeat, ReqTainted, ReqDarkSide, Description)
            VALUES ('Null Flag', 0, 0, NULL, 0, 'Hidden');)");
    EXPECT_EQ(db->GetSkillInfo("Odd"), nullptr);  // a null Boolean fails the read
    EXPECT_EQ(db->GetFeatInfo("Null Flag"), nullptr);
    EXPECT_EQ(boxes_.prompts(),
              (std::vector<std::string>{
                  "Property Get: GetSkillInfo(Odd, False)\r\nInvalid use of Null",
                  "Property Get: GetFeatInfo(Null Flag, False)\r\nInvalid use of Null"}));
    Exec(db->Name(), "UPDATE tblSkills SET DroidUse = 1; UPDATE tblFeats SET ReqTainted = 0;");
    auto odd = db->GetSkillInfo("Odd");
    ASSERT_NE(odd, nullptr);
    EXPECT_EQ(odd->GetAbility(), "dex");
    EXPECT_EQ(odd->GetSecondary(), "Wisdom");
    EXPECT_EQ(db->GetFeatInfo("Null Flag", true)->Description, "Hidden");

    auto old = OpenScratch(R"(
        DROP TABLE tblClassesBonus; CREATE TABLE tblClassesBonus (Name TEXT, Feats TEXT);
        DROP TABLE tblClassFeatures; CREATE TABLE tblClassFeatures (Name TEXT, List TEXT);)");
    clsBonus b;
    b.Name = "Vael Bonus";
    b.IncludeSklAumen = true;
    clsFeatures features;
    features.Name = "Aumen Gift";
    features.Multiple = true;
    features.Number = 2;
    clsCrossClass cross;
    cross.Name = "Empty Cross";
    old->AddBonus(&b);
    old->AddFeature(&features);
    old->AddCrossClass(&cross);
    auto bb = old->GetBonusInfo("Vael Bonus");
    auto fb = old->GetFeatureInfo("Aumen Gift");
    auto cb = old->GetCrossClassInfo("Empty Cross");
    ASSERT_TRUE(bb && fb && cb);
    EXPECT_FALSE(bb->IncludeSklAumen || fb->Multiple || cb->HasCrossClass());
    EXPECT_EQ(fb->Number, 0);
    EXPECT_EQ(boxes_.size(), 0u);

    auto full = OpenScratch();  // with the newer columns, flags and numbers go both ways
    b.SetFeats("Deflect Bolts");
    full->AddBonus(&b);
    full->AddFeature(&features);
    EXPECT_TRUE(full->GetBonusInfo("Vael Bonus")->IncludeSklAumen);
    EXPECT_EQ(full->GetFeatureInfo("Aumen Gift")->Number, 2);
}

TEST_F(CharacterTableTest, ClassesAndClassLevelsDuplicatesAndOlderTables) {
    auto db = OpenScratch(R"(
        INSERT INTO tblClassesLevels (Class, Level, Attack, SV_Fort, SV_Ref, SV_Will, Defense,
            Reputation) VALUES ('  Scout  ', 2, 1, 2, 2, 2, 2, 0);)");
    EXPECT_EQ(db->GetClassLevelList().Values(), std::vector<std::string>{"Scout:2"});
    clsClassLevel l;
    l.Name = "Scout";
    l.SetSpecialQualities("Trailblazer");
    l.SetGivenFeats("Track:1");
    l.SetCrossClass("Scout Cross:1|3");
    l.SetSkillMastery("Scout Mastery:1|2");
    l.Glowblade = "1d8";
    l.Defense = 3;
    db->AddClassLevel(&l);
    db->AddClassLevel(&l);
    auto zero = db->GetClassLevelInfo("scout", 0);  // level 0 is looked up exactly
    ASSERT_NE(zero, nullptr);
    EXPECT_EQ(zero->Name, "scout");
    EXPECT_EQ(zero->Defense, 3);
    EXPECT_EQ(zero->GetGivenFeatList(), "Track:1");
    EXPECT_EQ(zero->GetCrossClassList(), "Scout Cross:1|3");
    EXPECT_EQ(zero->GetSkillMasteryList(), "Scout Mastery:1|2");
    EXPECT_EQ(zero->Glowblade, "1d8");
    EXPECT_EQ(db->GetClassLevelInfo("Scout", 1), nullptr);
    db->DelClassLevel("Scout", 0);
    EXPECT_NE(db->GetClassLevelInfo("Scout", 0), nullptr);
    db->DelClassLevel("Scout", 0);
    db->DelClassLevel("Scout", 0);
    EXPECT_EQ(db->GetClassLevelList().size(), 1u);
    const std::string noLevel = "\r\nUnable to locate a Class and/or Level matching your criteria.";
    EXPECT_EQ(boxes_.prompts(),
              (std::vector<std::string>{"Function: GetClassLevelInfo(Scout, 1)" + noLevel,
                                        "Sub: DelClassLevel(Scout, 0)" + noLevel}));

    boxes_.clear();
    Exec(db->Name(), "CREATE UNIQUE INDEX uqLevel ON tblClassesLevels (Class, Level);");
    l.Name = "  Scout  ";
    l.Level = 2;
    db->AddClassLevel(&l);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_.last().prompt.rfind("Property Let: AddClassLevel(  Scout  , 2)\r\n", 0), 0u);

    boxes_.clear();
    clsClass c;
    c.Name = "Soldier";
    c.Vitality = 10;
    c.Description = "War.";
    c.SetTradeLevels("Scout");
    db->AddClass(&c);
    db->AddClass(&c);
    auto soldier = db->GetClassInfo("SOLDIER", true);
    ASSERT_NE(soldier, nullptr);
    EXPECT_EQ(soldier->Name, "SOLDIER");
    EXPECT_EQ(soldier->Description, "War.");
    EXPECT_EQ(soldier->GetTradeLevelsList(), "Scout");
    db->DelClass("Soldier");
    EXPECT_EQ(db->GetClassList().size(), 1u);

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

TEST(CharacterClasses, EveryOneIsCreatableByName) {
    for (const char* name : {"clsSpecies", "clsClass", "clsClassLevel", "clsPrestige", "clsSkills",
                             "clsSkillMastery", "clsFeats", "clsBonus", "clsSpecialQualities",
                             "clsFeatures", "clsCrossClass", "clsRequirements"}) {
        auto object = CreateObject(std::string("OrvaneLib.") + name);
        ASSERT_NE(object, nullptr) << name;
        EXPECT_EQ(object->ClassName(), name);
    }
    auto prestige = std::dynamic_pointer_cast<clsPrestige>(CreateObject("OrvaneLib.clsPrestige"));
    EXPECT_NE(prestige->Requirements, nullptr);
}

}  // namespace
}  // namespace orvane_test
