// The character record classes on their own: list families, computed answers, special-quality
// object slots, copies, and their text files with the embedded requirements block.
#include <stdexcept>

#include "orvane/records/character.hpp"
#include "support.hpp"

namespace orvane_test {
namespace {

using namespace OrvaneLib;

class CharacterRecordTest : public OrvaneTest {
  protected:
    // The lines of a record file, without their CR LF ends.
    std::vector<std::string> Lines(const std::string& path) {
        std::vector<std::string> lines;
        std::string all = ReadFile(path);
        for (std::size_t start = 0; start < all.size();) {
            std::size_t end = all.find("\r\n", start);
            lines.push_back(all.substr(start, end - start));
            start = end + 2;
        }
        return lines;
    }
    // Writes the first `count` lines back.
    void Keep(const std::string& path, std::size_t count) {
        std::vector<std::string> lines = Lines(path);
        std::string out;
        for (std::size_t i = 0; i < count; ++i) out += lines[i] + "\r\n";
        WriteFile(path, out);
    }
};

// ---------------------------------------------------------------------------------------
// Requirements

TEST(Requirements, FamiliesForwardToTheirOwnLists) {
    clsRequirements r;
    EXPECT_FALSE(r.HasFeats() || r.HasSkills() || r.HasClasses() || r.HasAbility() ||
                 r.MinRequirements() || r.MaxRequirements() || r.HasOrFeats() || r.HasOrClasses() ||
                 r.HasOrSkills() || r.HasOrSpecial());
    EXPECT_EQ(r.NumAbilitiy(), 0);

    r.SetSkill("Climb:4, Jump:2");
    r.SetClass("Scout:3");
    r.SetAbility("Wisdom:13, Charisma:11");
    r.SetMinRequire("Attack:5");
    r.SetMaxRequire("Reputation:9");
    r.SetFeats("Alertness, Toughness");
    r.SetReadWrite("Orvanic");
    r.SetSpeak("Trade Cant, Orvanic");
    r.SetSpecies("Thessin");
    r.SetHomeworld("Kesh");
    r.SetQualities("Shadow Bond");
    EXPECT_EQ(r.NumSkill(), 2);
    EXPECT_EQ(r.GetSkillRank(1), 2);
    EXPECT_EQ(r.GetSkillName(0), "Climb");
    EXPECT_TRUE(r.IsSkill("Jump"));
    EXPECT_EQ(r.SkillList(), "Climb:4, Jump:2");
    EXPECT_EQ(r.GetSkillRank(2), 0);
    EXPECT_EQ(r.GetClassName(0), "Scout");
    EXPECT_EQ(r.GetClassRank(0), 3);
    EXPECT_EQ(r.NumAbilitiy(), 2);
    EXPECT_EQ(r.GetAbilityScore(1), 11);
    EXPECT_EQ(r.GetAbilityName(1), "Charisma");
    EXPECT_EQ(r.GetMinRequireRank(0), 5);
    EXPECT_EQ(r.GetMaxRequireName(0), "Reputation");
    EXPECT_TRUE(r.IsMaxRequire("Reputation"));
    EXPECT_FALSE(r.IsMinRequire("Reputation"));
    EXPECT_EQ(r.GetFeat(1), "Toughness");
    EXPECT_EQ(r.GetFeat(2), "");
    EXPECT_EQ(r.NumSpeak(), 2);
    EXPECT_TRUE(r.IsReadWrite("Orvanic"));
    EXPECT_FALSE(r.IsReadWrite("Trade Cant"));
    EXPECT_EQ(r.GetSpecies(0), "Thessin");
    EXPECT_EQ(r.HomeworldList(), "Kesh");
    EXPECT_EQ(r.GetQuality(0), "Shadow Bond");

    r.SetOrSkills("Climb:4|Jump:4");
    r.SetOrClasses("Scout:2|Soldier:3, Vael Guardian:1");
    r.SetOrFeats("Dodge:Mobility, Toughness");
    r.SetOrSpecial("Shadow Bond");
    EXPECT_EQ(r.NumOrSkillSets(), 1);
    EXPECT_EQ(r.NumOrSkills(0), 2);
    EXPECT_EQ(r.GetOrSkillRank(0, 1), "4");
    EXPECT_EQ(r.GetOrSkillRank(0, 2), "0");
    EXPECT_EQ(r.GetOrSkillName(1, 0), "0");
    EXPECT_EQ(r.NumOrClassSets(), 2);
    EXPECT_EQ(r.GetOrClassName(0, 1), "Soldier");
    EXPECT_EQ(r.GetOrClassRank(0, 1), "3");
    EXPECT_TRUE(r.IsOrClass(1, "Vael Guardian"));
    EXPECT_EQ(r.OrClassSetList(0), "Scout:2|Soldier:3");
    EXPECT_EQ(r.NumOrFeats(0), 2);
    EXPECT_EQ(r.GetOrFeat(0, 1), "Mobility");
    EXPECT_EQ(r.GetOrFeat(2, 0), "0");
    EXPECT_TRUE(r.IsOrFeat(1, "Toughness"));
    EXPECT_EQ(r.OrFeatList(), "Dodge:Mobility, Toughness");
    EXPECT_EQ(r.GetOrSpecial(0, 0), "Shadow Bond");
    EXPECT_EQ(r.GetOrSpecial(0, 1), "0");
    EXPECT_EQ(r.NumOrSpecial(0), 1);

    r.Clear();
    EXPECT_FALSE(r.HasSkills());
    EXPECT_FALSE(r.HasOrSpecial());
    auto created = CreateObject("OrvaneLib.clsRequirements");
    ASSERT_NE(std::dynamic_pointer_cast<clsRequirements>(created), nullptr);
    EXPECT_EQ(created->ClassName(), "clsRequirements");
}

TEST_F(CharacterRecordTest, RequirementsBlockInsideAnOwnersFile) {
    clsPrestige p;
    p.Name = "Khor Adept";
    clsRequirements& r = *p.Requirements;
    r.ReqTainted = true;
    r.ReqSpecLvl = 3;  // kept in the table only
    r.SetAbility("Charisma:13");
    r.SetSkill("Sense Aumen:6");
    r.SetOrFeats("Iron Will:Alertness");
    r.SetOrClasses("Vael Guardian:3|Scout:6");
    r.SetOrSkills("Dread Grip:4");
    r.SetOrSpecial("Shadow Bond:Aumen Attunement");
    std::string path = dir_.file("prestige.txt");
    p.Save(path);
    std::vector<std::string> lines = Lines(path);
    ASSERT_EQ(lines.size(), 18u);  // the name and seventeen block lines
    EXPECT_EQ(lines[1], "True");
    EXPECT_EQ(lines[2], "False");
    EXPECT_EQ(lines[3], "Charisma:13");
    EXPECT_EQ(lines[5], "Sense Aumen:6");
    EXPECT_EQ(lines[15], "Vael Guardian:3|Scout:6");

    clsPrestige back;
    back.Load(path);
    EXPECT_EQ(boxes_.size(), 0u);
    EXPECT_EQ(back.Name, "Khor Adept");
    EXPECT_TRUE(back.Requirements->ReqTainted);
    EXPECT_EQ(back.Requirements->ReqSpecLvl, 0);
    EXPECT_EQ(back.Requirements->GetAbilityScore(0), 13);
    EXPECT_EQ(back.Requirements->OrFeatList(), "Iron Will:Alertness");
    EXPECT_EQ(back.Requirements->OrClassList(), "Vael Guardian:3|Scout:6");
    EXPECT_EQ(back.Requirements->OrSkillList(), "Dread Grip:4");
    EXPECT_EQ(back.Requirements->OrSpecialList(), "Shadow Bond:Aumen Attunement");

    // An older block of thirteen lines: the alternatives stay empty.
    Keep(path, 14);
    back.Load(path);
    EXPECT_EQ(boxes_.size(), 0u);
    EXPECT_EQ(back.Requirements->SkillList(), "Sense Aumen:6");
    EXPECT_FALSE(back.Requirements->HasOrFeats());
    EXPECT_FALSE(back.Requirements->HasOrSpecial());

    // An empty object writes two flags and fifteen empty lines.
    clsPrestige empty;
    empty.Save(path);
    std::string expected = "\r\nFalse\r\nFalse\r\n";
    for (int i = 0; i < 15; ++i) expected += "\r\n";
    EXPECT_EQ(ReadFile(path), expected);
}

TEST_F(CharacterRecordTest, AFailingBlockLeavesItsOwnerGoingOn) {
    std::string path = dir_.file("feat.txt");
    // The block's first line is no Boolean: the block reports and clears, the feat keeps
    // what it read and goes on to its (absent) description.
    WriteFile(path, "Iron Will\r\nFalse\r\nFalse\r\nCore\r\nnote\r\nmaybe\r\n");
    clsFeats feat;
    feat.Requirements->SetFeats("Alertness");
    feat.Load(path);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_.last().prompt, "Sub: Load.\r\nType mismatch");
    EXPECT_EQ(boxes_.last().title, "Error");
    EXPECT_EQ(boxes_.last().icon, MsgIcon::Critical);
    EXPECT_EQ(feat.Name, "Iron Will");
    EXPECT_EQ(feat.Source, "Core");
    EXPECT_FALSE(feat.Requirements->HasFeats());

    // A block cut short reports the end of the file; the owner has nothing more to read.
    WriteFile(path, "Iron Will\r\nTrue\r\nFalse\r\nCore\r\nnote\r\nTrue\r\nFalse\r\nWisdom:11\r\n");
    boxes_.clear();
    feat.Load(path);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_.last().prompt.rfind("Sub: Load.\r\n", 0), 0u);
    EXPECT_TRUE(feat.GainMultiple);
    EXPECT_FALSE(feat.Requirements->HasAbility());
}

// ---------------------------------------------------------------------------------------
// Species

clsSpecies FullSpecies() {
    clsSpecies s;
    s.Name = "Thessin";
    for (Integer i = 0; i < 6; ++i) s.SetModifier(i, Integer(i - 2));
    s.Homeworld = "Thessaly Drift";
    s.NPC = true;
    s.BonusFeat = 2;
    s.Size = "Small";
    s.BonusSkillPts = 4;
    s.Move = 8;
    s.Swim = 8;
    s.Fly = 3;
    s.FlyType = "poor";
    s.Other = 2;
    s.OtherType = "burrow";
    s.Source = "Drift Atlas";
    s.Description = "Tide people.\r\nQuiet.";
    s.MaxChild = 14;
    s.MaxYoung = 22;
    s.MaxAdult = 55;
    s.MaxMiddle = 85;
    s.MaxOld = 40000;
    s.MinHeight = 1.25f;
    s.MaxHeight = 1.5f;
    s.MinWeight = 25;
    s.MaxWeight = 45;
    s.SetSpecQual("Tidewalker, Low-Light Eyes, Breath Hold");
    s.SetSpeak("Velmoran, Trade Cant");
    s.SetWrite("Velmoran");
    s.SetFeats("Endurance");
    s.SetBonusFeats("Alertness, Toughness");
    s.SetClsSkill("Swim, Survival");
    s.SetForbiddenSkill("Dread Grip");
    s.SetForbiddenFeats("Dread Focus");
    s.SetRestrictedSkill("Diplomacy:2, Computer Use:4");
    s.SetSynergy("0:Swim:2, 3:Survival:1");
    s.SetForbiddenClasses("Khor Adept");
    s.SetFeatReplace("Scout:Track:Endurance, Soldier:Quick Draw:Sharp Eye");
    return s;
}

TEST_F(CharacterRecordTest, SpeciesFileRoundTripAndItsOptionalGroup) {
    clsSpecies s = FullSpecies();
    std::string path = dir_.file("species.txt");
    s.Save(path);
    std::vector<std::string> lines = Lines(path);
    ASSERT_EQ(lines.size(), 36u);
    EXPECT_EQ(lines[1], "-2|-1|0|1|2|3");
    EXPECT_EQ(lines[4], " 2 ");
    EXPECT_EQ(lines[18], " 40000 ");
    EXPECT_EQ(lines[19], " 1.25 ");
    EXPECT_EQ(lines[27], "Alertness, Toughness");
    EXPECT_EQ(lines[34], "Tide people.[CRLF]Quiet.");

    clsSpecies back;
    back.Load(path);
    EXPECT_EQ(boxes_.size(), 0u);
    std::string again = dir_.file("again.txt");
    back.Save(again);
    EXPECT_EQ(ReadFile(again), ReadFile(path));
    EXPECT_EQ(back.Description, "Tide people.\r\nQuiet.");
    EXPECT_EQ(back.MaxOld, 40000);
    EXPECT_EQ(back.GetModifier(5), 3);
    EXPECT_EQ(back.BonusFeat, 2);
    EXPECT_EQ(back.GetNumBonusFeats(), 2);
    EXPECT_EQ(back.GetFeatReplaceNewFeat(1), "Sharp Eye");
    EXPECT_TRUE(back.IsFeatReplaceClass("Scout"));
    EXPECT_EQ(back.GetRestSkillLevelFromName("Computer Use"), 4);
    EXPECT_EQ(back.GetSynergyBonusFromSkill("Survival"), 1);

    // Thirty-four lines: description and replacements stay empty. Thirty-five: the group is
    // cut, the load fails and the record is cleared.
    Keep(path, 34);
    back.Load(path);
    EXPECT_EQ(boxes_.size(), 0u);
    EXPECT_EQ(back.Description, "");
    EXPECT_FALSE(back.HasFeatReplace());
    EXPECT_EQ(back.GetForbidClassList(), "Khor Adept");
    s.Save(path);
    Keep(path, 35);
    back.Load(path);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_.last().prompt.rfind("Sub: Load.\r\n", 0), 0u);
    EXPECT_EQ(back.Name, "");
    EXPECT_FALSE(back.HasSpeak());

    // A MaxOld line that is no number fails and clears.
    s.Save(path);
    std::vector<std::string> bad = Lines(path);
    bad[18] = "old";
    std::string out;
    for (const auto& line : bad) out += line + "\r\n";
    WriteFile(path, out);
    boxes_.clear();
    back = FullSpecies();
    back.Load(path);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(back.Name, "");
    EXPECT_EQ(back.MaxChild, 0);
}

TEST_F(CharacterRecordTest, SpeciesQualitySlotsAndAttachedSize) {
    auto q = std::make_shared<clsSpecialQualities>();
    clsSpecies s;
    s.SetSpecQual("Tidewalker, Low-Light Eyes, Breath Hold");
    s.SetSpecialQualityObj(2, q);
    EXPECT_EQ(s.GetSpecialQualityObj(2), q);
    EXPECT_EQ(s.GetSpecialQualityObj(3), nullptr);
    s.SetSpecialQualityObj(-1, q);
    clsSpecies copy = s;
    EXPECT_EQ(copy.GetSpecialQualityObj(2), q);  // attached objects are shared
    s.SetSpecQual("Tidewalker, Low-Light Eyes, Breath Hold");
    EXPECT_EQ(s.GetSpecialQualityObj(2), nullptr);
    s.SetSpecQual("");
    s.SetSpecialQualityObj(0, q);
    EXPECT_EQ(s.GetSpecialQualityObj(0), nullptr);

    // Loading fills the list without sizing the slots: only slot 0 exists, unused.
    std::string path = dir_.file("species.txt");
    FullSpecies().Save(path);
    s.Load(path);
    EXPECT_EQ(s.GetNumSpecQual(), 3);
    s.SetSpecialQualityObj(1, q);
    EXPECT_EQ(s.GetSpecialQualityObj(1), nullptr);
    s.SetSpecialQualityObj(0, q);
    EXPECT_EQ(s.GetSpecialQualityObj(0), q);

    auto size = std::make_shared<clsSizes>();
    size->Name = "Small";
    size->Hide = 4;
    s.objSize = size;
    s.Clear();
    EXPECT_EQ(s.objSize, size);  // the attachment stays, cleared
    EXPECT_EQ(size->Name, "");
    EXPECT_EQ(size->Hide, 0);
}

TEST(Species, AgeRangeSizeModifierAndModifiers) {
    clsSpecies s;
    s.MaxChild = 11;
    s.MaxYoung = 17;
    s.MaxAdult = 39;
    s.MaxMiddle = 59;
    s.MaxOld = 80;
    std::string lower, upper;
    auto range = [&](const std::string& age) {
        s.AgeRange(age, lower, upper);
        return lower + ".." + upper;
    };
    EXPECT_EQ(range("Child"), "1..11");
    EXPECT_EQ(range("Young Adult"), "12..17");
    EXPECT_EQ(range("Adult"), "18..39");
    EXPECT_EQ(range("Middle Age"), "40..59");
    EXPECT_EQ(range("Old"), "60..80");
    EXPECT_EQ(range("Venerable"), "81..81+");
    EXPECT_EQ(range("adult"), "1..1+");
    EXPECT_EQ(range(""), "1..1+");
    s.MaxOld = 2147483647;  // the successor of the largest limit does not wrap around
    EXPECT_EQ(range("Venerable"), "2147483648..2147483648+");

    EXPECT_EQ(s.SizeModifier(), "+0");
    s.Size = "Small";
    EXPECT_EQ(s.SizeModifier(), "+1");
    s.Size = "small";
    EXPECT_EQ(s.SizeModifier(), "+0");
    s.Size = "Large";
    EXPECT_EQ(s.SizeModifier(), "-1");
    s.Size = "Medium";
    EXPECT_EQ(s.SizeModifier(), "+0");

    s.SetModifier(-1, 2);
    s.SetModifier(6, 2);
    EXPECT_EQ(s.GetModifier(6), 0);
    for (Integer i = 0; i < 6; ++i) EXPECT_EQ(s.GetModifier(i), 0);
}

// ---------------------------------------------------------------------------------------
// Classes, class levels and prestige classes

TEST_F(CharacterRecordTest, ClassLevelsAppendedToOneFileComeBackInOrder) {
    clsClassLevel a, b;
    a.Name = "Scout";
    a.Level = 1;
    a.Attack = 0;
    a.SetSpecialQualities("Trailblazer");
    a.SetGivenFeats("Track:1");
    b.Name = "Scout";
    b.Level = 10;
    b.Attack = 7;
    b.Glowblade = "2d8";
    b.SetBonusFeats("Scout Bonus:3|10:10:10");
    b.SetSkillMastery("Scout Mastery:1|10");
    b.SetBonusFeatures("Scout Talent:2|10:10");
    b.SetCrossClass("Scout Cross:1|3");
    std::string path = dir_.file("levels.txt");
    Integer n = FreeFile();
    FileOpen(n, path, FileMode::Output);
    a.SaveAppend(n);
    b.SaveAppend(n);
    FileClose(n);
    EXPECT_EQ(Lines(path).size(), 30u);

    FileOpen(n, path, FileMode::Input);
    clsClassLevel x, y;
    x.SetCrossClass("Leftover:1|1");
    x.LoadAppend(n);
    y.LoadAppend(n);
    EXPECT_TRUE(FileIsOpen(n));
    clsClassLevel z;
    z.Name = "kept?";
    z.LoadAppend(n);  // nothing left: reported, and cleared again
    FileClose(n);
    EXPECT_EQ(x.Level, 1);
    EXPECT_FALSE(x.HasCrossClass());
    EXPECT_EQ(x.GetGivenFeatName(0), "Track");
    EXPECT_EQ(y.Level, 10);
    EXPECT_EQ(y.Glowblade, "2d8");
    EXPECT_EQ(y.GetBonusFeatQuan(0, 0), 3);
    EXPECT_EQ(y.GetBonusFeaturesList(), "Scout Talent:2|10:10");
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_.last().prompt.rfind("Sub: LoadAppend.\r\n", 0), 0u);
    EXPECT_EQ(z.Name, "");

    // A loaded level answers the names but has no object slots beyond slot 0.
    auto q = std::make_shared<clsSpecialQualities>();
    x.SetSpecialQualityObj(0, q);
    EXPECT_EQ(x.GetSpecialQualityObj(0), q);
    EXPECT_TRUE(x.IsSpecQual("Trailblazer"));
    a.Save(path);
    clsClassLevel loaded;
    loaded.Load(path);
    EXPECT_EQ(loaded.GetSpecialQuality(0), "Trailblazer");
    EXPECT_EQ(loaded.GetSpecialQualityObj(0), nullptr);
}

TEST(ClassLevel, QualitySlotsAndVariantIndexes) {
    auto q = std::make_shared<clsSpecialQualities>();
    clsClassLevel l;
    l.SetSpecialQualities("");
    EXPECT_EQ(l.GetSpecialQualityObj(0), nullptr);
    l.SetSpecialQualities("Uncanny Dodge, Trailblazer, Keen Pilot");
    l.SetSpecialQualityObj(2, q);
    l.SetSpecialQualityObj(3, q);
    l.SetSpecialQualityObj(-1, q);
    EXPECT_EQ(l.GetSpecialQualityObj(2), q);
    EXPECT_EQ(l.GetSpecialQualityObj(1), nullptr);
    l.SetSpecialQualities("Uncanny Dodge, Trailblazer, Keen Pilot");
    EXPECT_EQ(l.GetSpecialQualityObj(2), nullptr);

    l.SetSkillMastery("Scout Mastery:3|2:2:6");
    l.SetBonusFeatures("Aumen Gift:2|3:7");
    EXPECT_EQ(l.GetSkillMasteryLevel(0, 2), 6);
    EXPECT_EQ(l.GetSkillMasteryLevel(0, "2"), 6);
    EXPECT_EQ(l.GetSkillMasteryQuan(0, " 0 "), 2);
    EXPECT_EQ(l.GetBonusFeaturesLevel(0, "1"), 7);
    EXPECT_EQ(l.GetBonusFeaturesQuan(0, std::string("0")), 1);
    EXPECT_THROW(l.GetSkillMasteryLevel(0, "two"), std::invalid_argument);
    EXPECT_THROW(l.GetBonusFeaturesQuan(0, ""), std::invalid_argument);
}

TEST_F(CharacterRecordTest, ClassFileOverlaysAndKeepsWhatAShortFileLacks) {
    clsClass c;
    c.Name = "Vael Guardian";
    c.Hero = c.Aumen = c.Vael = true;
    c.Vitality = 10;
    c.SkillPoints = 4;
    c.NormalSklPts = 1;
    c.AumenSklPts = 2;
    c.WisVitality = 1;
    c.MaxLevel = 20;
    c.Source = "Core";
    c.Description = "Knight.\r\nGuardian.";
    c.SetClassSkills("Balance, Sense Aumen");
    c.SetForbiddenClasses("Khor Adept");
    c.SetForbiddenSkill("Dread Grip");
    c.SetForbiddenFeats("Dread Focus");
    c.SetRestrictedSkill("Intimidate:6");
    c.SetTradeLevels("Scout");
    std::string path = dir_.file("class.txt");
    c.Save(path);
    ASSERT_EQ(Lines(path).size(), 20u);
    clsClass back;
    back.Load(path);
    back.Save(dir_.file("again.txt"));
    EXPECT_EQ(ReadFile(dir_.file("again.txt")), ReadFile(path));
    EXPECT_EQ(back.Description, "Knight.\r\nGuardian.");
    EXPECT_EQ(back.GetRestrictedSkillLevel(0), 6);

    Keep(path, 18);
    clsClass held;
    held.Description = "Held.";
    held.SetTradeLevels("Soldier");
    held.Khor = true;
    held.Load(path);
    EXPECT_EQ(boxes_.size(), 0u);
    EXPECT_EQ(held.Name, "Vael Guardian");
    EXPECT_FALSE(held.Khor);
    EXPECT_EQ(held.Description, "Held.");
    EXPECT_EQ(held.GetTradeLevelsList(), "Soldier");

    // Clear clears an attached prestige record and keeps the attachment.
    auto prestige = std::make_shared<clsPrestige>();
    prestige->Name = "Khor Adept";
    prestige->Requirements->SetFeats("Dread Focus");
    held.objPrestige = prestige;
    clsClass copy = held;
    EXPECT_EQ(copy.objPrestige, prestige);
    held.Clear();
    EXPECT_EQ(held.objPrestige, prestige);
    EXPECT_EQ(prestige->Name, "");
    EXPECT_FALSE(prestige->Requirements->HasFeats());
}

TEST(Copies, SkillsFeatsAndPrestigeClassesOwnTheirRequirements) {
    clsSkills skill;
    skill.Name = "Dread Grip";
    skill.SetAbility("Con");
    skill.SetSynergy("5:Veil Mind:2");
    skill.SetExclClass("Vael Guardian");
    skill.objRequirements->SetSkill("Sense Aumen:6");
    clsSkills skillCopy = skill;
    skillCopy.objRequirements->SetSkill("Veil Mind:2");
    EXPECT_EQ(skill.objRequirements->SkillList(), "Sense Aumen:6");
    EXPECT_EQ(skillCopy.GetAbility(), "Constitution");
    EXPECT_EQ(skillCopy.SynergyList(), "5:Veil Mind:2");
    EXPECT_EQ(skillCopy.ExclClassList(), "Vael Guardian");
    skillCopy = skill;
    EXPECT_NE(skillCopy.objRequirements, skill.objRequirements);
    EXPECT_EQ(skillCopy.objRequirements->SkillList(), "Sense Aumen:6");

    clsFeats feat;
    feat.Name = "Dread Focus";
    feat.SetGivBonus("Dread Grip:2");
    feat.Requirements->ReqDarkSide = true;
    clsFeats featCopy(feat);
    featCopy.Requirements->ReqDarkSide = false;
    EXPECT_TRUE(feat.Requirements->ReqDarkSide);
    EXPECT_EQ(featCopy.GetGivBonusRank(0), 2);

    clsPrestige prestige;
    prestige.Requirements->SetOrFeats("Iron Will:Alertness");
    clsPrestige prestigeCopy;
    prestigeCopy = prestige;
    prestigeCopy.Requirements->Clear();
    EXPECT_TRUE(prestige.Requirements->HasOrFeats());

    prestige.Requirements = nullptr;  // none stays none, and Clear copes with it
    clsPrestige noneCopy = prestige;
    EXPECT_EQ(noneCopy.Requirements, nullptr);
    noneCopy.Clear();
}

// ---------------------------------------------------------------------------------------
// Skills, feats, bonus-feat selections and the small lists

TEST(Skills, AbilityNamesAndSkillMastery) {
    clsSkills s;
    EXPECT_EQ(s.GetAbility(), "");
    EXPECT_EQ(s.GetSecondary(), "");
    s.SetAbility("Str");
    EXPECT_EQ(s.GetAbility(), "Strength");
    s.SetAbility("Wisdom");
    EXPECT_EQ(s.GetAbility(), "Wisdom");
    s.SetAbility("Aumen power");
    EXPECT_EQ(s.GetAbility(), "Aumen");
    s.SetAbility("dex");
    EXPECT_EQ(s.GetAbility(), "dex");
    s.SetAbility("In");
    EXPECT_EQ(s.GetAbility(), "In");
    s.SetAbility("Non");
    EXPECT_EQ(s.GetAbility(), "Non");
    s.SetAbility("");
    EXPECT_EQ(s.GetAbility(), "");
    s.SetSecondary("");
    EXPECT_EQ(s.GetSecondary(), "None");
    s.SetSecondary("Nonexistent");
    EXPECT_EQ(s.GetSecondary(), "None");
    s.SetSecondary("Cha");
    EXPECT_EQ(s.GetSecondary(), "Charisma");
    s.SetSecondary("Luck");
    EXPECT_EQ(s.GetSecondary(), "Luck");
    s.Clear();
    EXPECT_EQ(s.GetSecondary(), "");

    s.SetSynergy("5:Tumble:2");
    EXPECT_TRUE(s.GivesSynergyBonus());
    EXPECT_TRUE(s.HasSynergy());
    s.SetSubSynergy("2:Navigation:Knowledge:1");
    EXPECT_EQ(s.GetSubSynergySub(0), "Navigation");
    EXPECT_EQ(s.GetSubSynergySkill(0), "Knowledge");

    clsSkillMastery m;
    EXPECT_TRUE(m.UseWisScore());
    m.Number = 1;
    EXPECT_FALSE(m.UseWisScore());
    m.Number = -1;
    EXPECT_FALSE(m.UseWisScore());
}

TEST_F(CharacterRecordTest, SkillFileWithItsBlockAndOptionalGroups) {
    clsSkills s;
    s.Name = "Knowledge";
    s.SetAbility("Int");
    s.SetSecondary("Wis");
    s.SubSkills = true;
    s.SubNumber = 3;
    s.TrainedOnly = true;
    s.Source = "Core";
    s.Notes = "Once per\r\nfield.";
    s.Description = "Learning.\r\nIn one field.";
    s.CreatureUse = true;
    s.DroidUse = true;
    s.UntrainedHeuristic = true;
    s.objRequirements->SetFeats("Alertness");
    s.SetExclClass("Soldier");
    s.SetSynergy("5:Pilot:2");
    s.SetSubSynergy("5:Astrogation:Pilot:2");
    s.SetSubSuggest("Astrogation, History");
    std::string path = dir_.file("skill.txt");
    s.Save(path);
    std::vector<std::string> lines = Lines(path);
    ASSERT_EQ(lines.size(), 12u + 17u + 8u);
    EXPECT_EQ(lines[1], "Intelligence");
    EXPECT_EQ(lines[10], "Once perfield.");

    clsSkills back;
    back.Load(path);
    EXPECT_EQ(boxes_.size(), 0u);
    EXPECT_EQ(back.Notes, "Once perfield.");
    EXPECT_EQ(back.Description, "Learning.\r\nIn one field.");
    EXPECT_EQ(back.GetSecondary(), "Wisdom");
    EXPECT_EQ(back.objRequirements->FeatList(), "Alertness");
    EXPECT_EQ(back.ExclClassList(), "Soldier");
    EXPECT_EQ(back.SubSuggestList(), "Astrogation, History");
    EXPECT_TRUE(back.UntrainedHeuristic);

    // Ability texts are stored as read, without name completion.
    lines[1] = "Int";
    std::string out;
    for (const auto& line : lines) out += line + "\r\n";
    WriteFile(path, out);
    back.Load(path);
    EXPECT_EQ(back.GetAbility(), "Int");

    // Ending after the synergies, after the two flags, or before the suggestions.
    s.Save(path);
    for (std::size_t count : {31u, 33u, 36u}) {
        Keep(path, count);
        back.Load(path);
        EXPECT_EQ(boxes_.size(), 0u) << count;
        EXPECT_EQ(back.SynergyList(), "5:Pilot:2");
        EXPECT_EQ(back.DroidUse, count > 31) << count;
        EXPECT_EQ(back.GetSecondary(), count > 33 ? "Wisdom" : "") << count;
        EXPECT_EQ(back.HasSubSuggest(), false);
        s.Save(path);
    }
}

TEST_F(CharacterRecordTest, FeatBonusAndSmallListFiles) {
    clsFeats f;
    f.Name = "Alertness";
    f.GainMultiple = true;
    f.Source = "Core";
    f.Notes = "Always\r\non guard.";
    f.Description = "Sharp.\r\nAwake.";
    f.SetGivBonus("Perception:2");
    f.Requirements->SetSkill("Perception:1");
    std::string path = dir_.file("feat.txt");
    f.Save(path);
    ASSERT_EQ(Lines(path).size(), 5u + 17u + 1u);
    clsFeats back;
    back.Load(path);
    EXPECT_EQ(back.Notes, "Alwayson guard.");
    EXPECT_EQ(back.Description, "Sharp.\r\nAwake.");
    EXPECT_FALSE(back.SkillBonus());  // the skill bonuses live in the table only
    EXPECT_EQ(back.Requirements->SkillList(), "Perception:1");
    Keep(path, 22);
    back.Load(path);
    EXPECT_EQ(back.Description, "");
    EXPECT_TRUE(back.GainMultiple);

    clsBonus b;
    b.Name = "Scout Bonus";
    b.SetFeats("Alertness, Track");
    b.IncludeSklNormal = b.RequireSklRanks = true;
    b.Save(path);
    EXPECT_EQ(ReadFile(path),
              "Scout Bonus\r\nAlertness, Track\r\nFalse\r\nTrue\r\nFalse\r\nFalse\r\nFalse\r\n"
              "True\r\n");
    clsBonus bb;
    bb.Load(path);
    EXPECT_TRUE(bb.RequireSklRanks);
    EXPECT_EQ(bb.GetFeat(1), "Track");
    Keep(path, 2);
    bb.Load(path);
    EXPECT_FALSE(bb.IncludeSklNormal || bb.RequireSklRanks);
    EXPECT_EQ(bb.GetNumFeats(), 2);

    clsFeatures features;
    features.Name = "Aumen Gift";
    features.SetFeatures("Deep Focus, Aumen Sight");
    features.Multiple = true;
    features.Number = 2;
    features.Save(path);
    Keep(path, 2);
    clsFeatures fb;
    fb.Load(path);
    EXPECT_EQ(fb.FeatureList(), "Deep Focus, Aumen Sight");
    EXPECT_FALSE(fb.Multiple);
    EXPECT_EQ(fb.Number, 0);

    clsCrossClass cross;
    cross.Name = "Vael Cross";
    cross.SetCrossClass("Pilot, Repair");
    cross.Save(path);
    clsCrossClass cb;
    cb.Load(path);
    EXPECT_EQ(cb.GetCrossClass(1), "Repair");

    clsSpecialQualities q;
    q.Name = "Shadow Bond";
    q.SetSpecQual("Aumen Attunement");
    q.SetBonusFeat("Dread Focus");
    q.SetBypassFeat("Iron Will");
    q.SetBonusSelections("Khor Bonus");
    q.SetSynergy("3:Veil Mind:2");
    q.Description = "Bound.\r\nTo the Khor.";
    q.Save(path);
    clsSpecialQualities qb;
    qb.Load(path);
    EXPECT_EQ(qb.Description, q.Description);
    EXPECT_EQ(qb.GetBonusSelectionList(), "Khor Bonus");
    EXPECT_EQ(qb.GetSynergyLevelFromSkill("Veil Mind"), 3);
    Keep(path, 6);
    qb.Load(path);
    EXPECT_EQ(qb.Description, "");
    EXPECT_EQ(qb.BypassFeatList(), "Iron Will");
    EXPECT_EQ(boxes_.size(), 0u);
}

}  // namespace
}  // namespace orvane_test
