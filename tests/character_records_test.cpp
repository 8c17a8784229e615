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
    void Put(const std::string& path, const std::vector<std::string>& lines) {
        std::string out;
        for (const auto& line : lines) out += line + "\r\n";
        WriteFile(path, out);
    }
    // Keeps the first `count` lines of a file.
    void Keep(const std::string& path, std::size_t count) {
        std::vector<std::string> lines = Lines(path);
        lines.resize(count);
        Put(path, lines);
    }
    bool LoadFailed() const {
        return boxes_.size() == 1 && boxes_.last().prompt.rfind("Sub: Load.\r\n", 0) == 0;
    }
};

TEST(Requirements, FamiliesForwardToTheirOwnLists) {
    clsRequirements r;
    EXPECT_FALSE(r.HasFeats() || r.HasSkills() || r.HasAbility() || r.MinRequirements() ||
                 r.MaxRequirements() || r.HasOrFeats() || r.HasOrSkills());
    EXPECT_EQ(r.NumAbilitiy(), 0);
    r.SetSkill("Climb:4, Jump:2");
    r.SetClass("Scout:3");
    r.SetAbility("Wisdom:13, Charisma:11");
    r.SetMinRequire("Attack:5");
    r.SetMaxRequire("Reputation:9");
    r.SetSpeak("Trade Cant, Orvanic");
    r.SetReadWrite("Orvanic");
    EXPECT_EQ(r.NumSkill(), 2);
    EXPECT_EQ(r.GetSkillRank(1), 2);
    EXPECT_TRUE(r.IsSkill("Jump"));
    EXPECT_EQ(r.SkillList(), "Climb:4, Jump:2");
    EXPECT_EQ(r.GetSkillRank(2), 0);
    EXPECT_EQ(r.GetClassRank(0), 3);
    EXPECT_EQ(r.NumAbilitiy(), 2);
    EXPECT_EQ(r.GetAbilityScore(1), 11);
    EXPECT_EQ(r.GetMinRequireRank(0), 5);
    EXPECT_TRUE(r.IsMaxRequire("Reputation"));
    EXPECT_FALSE(r.IsMinRequire("Reputation"));
    EXPECT_EQ(r.NumSpeak(), 2);
    EXPECT_FALSE(r.IsReadWrite("Trade Cant"));

    r.SetOrSkills("Climb:4|Jump:4");
    r.SetOrClasses("Scout:2|Soldier:3, Vael Guardian:1");
    r.SetOrFeats("Dodge:Mobility, Toughness");
    r.SetOrSpecial("Shadow Bond");
    EXPECT_EQ(r.NumOrSkillSets(), 1);
    EXPECT_EQ(r.NumOrSkills(0), 2);
    EXPECT_EQ(r.GetOrSkillRank(0, 1), "4");
    EXPECT_EQ(r.GetOrSkillRank(0, 2), "0");
    EXPECT_EQ(r.GetOrClassRank(0, 1), "3");
    EXPECT_TRUE(r.IsOrClass(1, "Vael Guardian"));
    EXPECT_EQ(r.OrClassSetList(0), "Scout:2|Soldier:3");
    EXPECT_EQ(r.GetOrFeat(0, 1), "Mobility");
    EXPECT_EQ(r.GetOrFeat(2, 0), "0");
    EXPECT_EQ(r.GetOrSpecial(0, 1), "0");
    r.Clear();
    EXPECT_FALSE(r.HasSkills() || r.HasOrSpecial());
}

TEST_F(CharacterRecordTest, RequirementsBlockInsideAnOwnersFile) {
    clsPrestige p;
    p.Name = "Khor Adept";
    clsRequirements& r = *p.Requirements;
    r.ReqTainted = true;
    r.ReqSpecLvl = 3;  // kept in the table only
    r.SetAbility("Charisma:13");
    r.SetOrFeats("Iron Will:Alertness");
    r.SetOrClasses("Vael Guardian:3|Scout:6");
    r.SetOrSkills("Dread Grip:4");
    r.SetOrSpecial("Shadow Bond:Aumen Attunement");
    std::string path = dir_.file("prestige.txt");
    p.Save(path);
    std::vector<std::string> lines = Lines(path);
    ASSERT_EQ(lines.size(), 18u);  // the name and seventeen block lines
    EXPECT_EQ(lines[1], "True");
    EXPECT_EQ(lines[3], "Charisma:13");
    EXPECT_EQ(lines[15], "Vael Guardian:3|Scout:6");

    clsPrestige back;
    back.Load(path);
    EXPECT_EQ(back.Name, "Khor Adept");
    EXPECT_TRUE(back.Requirements->ReqTainted);
    EXPECT_EQ(back.Requirements->ReqSpecLvl, 0);
    EXPECT_EQ(back.Requirements->OrFeatList(), "Iron Will:Alertness");
    EXPECT_EQ(back.Requirements->OrClassList(), "Vael Guardian:3|Scout:6");
    EXPECT_EQ(back.Requirements->OrSkillList(), "Dread Grip:4");
    EXPECT_EQ(back.Requirements->OrSpecialList(), "Shadow Bond:Aumen Attunement");

    Keep(path, 14);  // an older block of thirteen lines
    back.Load(path);
    EXPECT_EQ(back.Requirements->AbilityList(), "Charisma:13");
    EXPECT_FALSE(back.Requirements->HasOrFeats() || back.Requirements->HasOrSpecial());
    EXPECT_EQ(boxes_.size(), 0u);

    clsPrestige().Save(path);  // two flags and fifteen empty lines
    std::vector<std::string> empty(18);
    empty[1] = empty[2] = "False";
    EXPECT_EQ(Lines(path), empty);
}

TEST_F(CharacterRecordTest, AFailingBlockFailsItsOwnersLoad) {
    std::string path = dir_.file("feat.txt");
    // The block's first line is no Boolean: the feat's Load fails as a whole, with one box,
    // and the feat is cleared rather than left with half a file in it.
    Put(path, {"Iron Will", "False", "False", "Core", "note", "maybe"});
    clsFeats feat;
    feat.Requirements->SetFeats("Alertness");
    feat.Load(path);
    ASSERT_TRUE(LoadFailed());
    EXPECT_EQ(boxes_.last().prompt, "Sub: Load.\r\nType mismatch");
    EXPECT_EQ(boxes_.last().title, "Error");
    EXPECT_EQ(boxes_.last().icon, MsgIcon::Critical);
    EXPECT_EQ(feat.Name, "");
    EXPECT_EQ(feat.Source, "");
    EXPECT_FALSE(feat.Requirements->HasFeats());

    // A block cut short reports the end of the file, and the feat is cleared as well.
    Put(path, {"Iron Will", "True", "False", "Core", "note", "True", "False", "Wisdom:11"});
    boxes_.clear();
    feat.Load(path);
    EXPECT_TRUE(LoadFailed());
    EXPECT_FALSE(feat.GainMultiple);
    EXPECT_FALSE(feat.Requirements->HasAbility());
}

clsSpecies FullSpecies() {
    clsSpecies s;
    s.Name = "Thessin";
    for (Integer i = 0; i < 6; ++i) s.SetModifier(i, Integer(i - 2));
    s.Homeworld = "Thessaly Drift";
    s.NPC = true;
    s.BonusFeat = 2;
    s.Size = "Small";
    s.Move = s.Swim = 8;
    s.FlyType = "poor";
    s.Other = 2;
    s.Description = "Tide people.\r\nQuiet.";
    s.MaxChild = 14;
    s.MaxOld = 40000;
    s.MinHeight = 1.25f;
    s.MaxWeight = 45;
    s.SetSpecQual("Tidewalker, Low-Light Eyes, Breath Hold");
    s.SetSpeak("Velmoran, Trade Cant");
    s.SetBonusFeats("Alertness, Toughness");
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
    EXPECT_EQ(lines[18], " 40000 ");
    EXPECT_EQ(lines[19], " 1.25 ");
    EXPECT_EQ(lines[27], "Alertness, Toughness");
    EXPECT_EQ(lines[34], "Tide people.[CRLF]Quiet.");

    clsSpecies back;
    back.Load(path);
    back.Save(dir_.file("again.txt"));
    EXPECT_EQ(ReadFile(dir_.file("again.txt")), ReadFile(path));
    EXPECT_EQ(back.Description, s.Description);
    EXPECT_EQ(back.BonusFeat, 2);
    EXPECT_EQ(back.GetNumBonusFeats(), 2);
    EXPECT_EQ(back.GetFeatReplaceNewFeat(1), "Sharp Eye");
    EXPECT_TRUE(back.IsFeatReplaceClass("Scout"));
    EXPECT_EQ(back.GetRestSkillLevelFromName("Computer Use"), 4);

    Keep(path, 34);  // description and replacements stay empty
    back.Load(path);
    EXPECT_EQ(boxes_.size(), 0u);
    EXPECT_EQ(back.Description, "");
    EXPECT_FALSE(back.HasFeatReplace());
    EXPECT_EQ(back.GetForbidClassList(), "Khor Adept");
    s.Save(path);
    Keep(path, 35);  // the group is read as a whole: the load fails and clears
    back.Load(path);
    EXPECT_TRUE(LoadFailed());
    EXPECT_EQ(back.Name, "");

    lines[18] = "old";  // MaxOld is no number
    Put(path, lines);
    boxes_.clear();
    back = s;
    back.Load(path);
    EXPECT_TRUE(LoadFailed());
    EXPECT_EQ(back.MaxChild, 0);
}

TEST_F(CharacterRecordTest, SpeciesQualitySlotsAndAttachedSize) {
    auto q = std::make_shared<clsSpecialQualities>();
    clsSpecies s;
    s.SetSpecQual("Tidewalker, Low-Light Eyes, Breath Hold");
    s.SetSpecialQualityObj(2, q);
    s.SetSpecialQualityObj(-1, q);
    EXPECT_EQ(s.GetSpecialQualityObj(2), q);
    EXPECT_EQ(s.GetSpecialQualityObj(3), nullptr);
    EXPECT_EQ(clsSpecies(s).GetSpecialQualityObj(2), q);  // attached objects are shared
    s.SetSpecQual("Tidewalker, Low-Light Eyes, Breath Hold");
    EXPECT_EQ(s.GetSpecialQualityObj(2), nullptr);

    // Loading fills the list without sizing the slots: only slot 0 exists.
    std::string path = dir_.file("species.txt");
    FullSpecies().Save(path);
    s.Load(path);
    EXPECT_EQ(s.GetNumSpecQual(), 3);
    s.SetSpecialQualityObj(1, q);
    EXPECT_EQ(s.GetSpecialQualityObj(1), nullptr);

    auto size = std::make_shared<clsSizes>();
    size->Name = "Small";
    s.objSize = size;
    s.Clear();
    EXPECT_EQ(s.objSize, size);  // the attachment stays, cleared
    EXPECT_EQ(size->Name, "");
}

TEST(Species, AgeRangeAndSizeModifier) {
    clsSpecies s;
    s.MaxChild = 11;
    s.MaxYoung = 17;
    s.MaxAdult = 39;
    s.MaxMiddle = 59;
    s.MaxOld = 80;
    auto range = [&](const std::string& age) {
        std::string lower, upper;
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
    s.MaxOld = 2147483647;  // the successor of the largest limit does not wrap around
    EXPECT_EQ(range("Venerable"), "2147483648..2147483648+");

    for (auto [size, modifier] : {std::pair{"Small", "+1"}, std::pair{"Large", "-1"},
                                  std::pair{"small", "+0"}, std::pair{"", "+0"}}) {
        s.Size = size;
        EXPECT_EQ(s.SizeModifier(), modifier) << size;
    }
}

TEST_F(CharacterRecordTest, ClassLevelsAppendedToOneFileComeBackInOrder) {
    clsClassLevel a, b;
    a.Name = b.Name = "Scout";
    a.Level = 1;
    a.SetSpecialQualities("Trailblazer");
    b.Level = 10;
    b.Glowblade = "2d8";
    b.SetBonusFeats("Scout Bonus:3|10:10:10");
    b.SetBonusFeatures("Scout Talent:2|10:10");
    std::string path = dir_.file("levels.txt");
    Integer n = FreeFile();
    FileOpen(n, path, FileMode::Output);
    a.SaveAppend(n);
    b.SaveAppend(n);
    FileClose(n);
    EXPECT_EQ(Lines(path).size(), 30u);

    FileOpen(n, path, FileMode::Input);
    clsClassLevel x, y, z;
    x.SetCrossClass("Leftover:1|1");
    z.Name = "kept?";
    x.LoadAppend(n);
    y.LoadAppend(n);
    z.LoadAppend(n);  // nothing left: reported, and cleared
    EXPECT_TRUE(FileIsOpen(n));
    FileClose(n);
    EXPECT_EQ(x.Level, 1);
    EXPECT_FALSE(x.HasCrossClass());
    EXPECT_EQ(y.Level, 10);
    EXPECT_EQ(y.GetBonusFeatQuan(0, 0), 3);
    EXPECT_EQ(y.GetBonusFeaturesList(), "Scout Talent:2|10:10");
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_.last().prompt.rfind("Sub: LoadAppend.\r\n", 0), 0u);
    EXPECT_EQ(z.Name, "");

    // A loaded level answers the names, but its slots are those Clear left.
    a.SetSpecialQualities("Trailblazer, Keen Pilot");
    a.Save(path);
    clsClassLevel loaded;
    loaded.Load(path);
    EXPECT_TRUE(loaded.IsSpecQual("Keen Pilot"));
    EXPECT_EQ(loaded.GetSpecialQualityObj(0), nullptr);
    loaded.SetSpecialQualityObj(1, std::make_shared<clsSpecialQualities>());
    EXPECT_EQ(loaded.GetSpecialQualityObj(1), nullptr);
}

TEST(ClassLevel, QualitySlotsAndVariantIndexes) {
    auto q = std::make_shared<clsSpecialQualities>();
    clsClassLevel l;
    l.SetSpecialQualities("");
    l.SetSpecialQualityObj(0, q);
    EXPECT_EQ(l.GetSpecialQualityObj(0), nullptr);
    l.SetSpecialQualities("Uncanny Dodge, Trailblazer, Keen Pilot");
    l.SetSpecialQualityObj(2, q);
    l.SetSpecialQualityObj(3, q);
    EXPECT_EQ(l.GetSpecialQualityObj(2), q);
    l.SetSpecialQualities("Uncanny Dodge");
    EXPECT_EQ(l.GetSpecialQualityObj(0), nullptr);

    l.SetSkillMastery("Scout Mastery:3|2:2:6");
    l.SetBonusFeatures("Aumen Gift:2|3:7");
    EXPECT_EQ(l.GetSkillMasteryLevel(0, 2), 6);
    EXPECT_EQ(l.GetSkillMasteryLevel(0, "2"), 6);
    EXPECT_EQ(l.GetSkillMasteryQuan(0, "0"), 2);
    EXPECT_EQ(l.GetBonusFeaturesLevel(0, "1"), 7);
    EXPECT_THROW(l.GetSkillMasteryLevel(0, "two"), std::invalid_argument);
    EXPECT_THROW(l.GetBonusFeaturesQuan(0, ""), std::invalid_argument);
}

TEST_F(CharacterRecordTest, ClassFileOverlaysAndKeepsWhatAShortFileLacks) {
    clsClass c;
    c.Name = "Vael Guardian";
    c.Aumen = c.Vael = true;
    c.AumenSklPts = 2;
    c.MaxLevel = 20;
    c.Description = "Knight.\r\nGuardian.";
    c.SetClassSkills("Balance, Sense Aumen");
    c.SetRestrictedSkill("Intimidate:6");
    c.SetTradeLevels("Scout");
    std::string path = dir_.file("class.txt");
    c.Save(path);
    ASSERT_EQ(Lines(path).size(), 20u);
    clsClass back;
    back.Load(path);
    back.Save(dir_.file("again.txt"));
    EXPECT_EQ(ReadFile(dir_.file("again.txt")), ReadFile(path));

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

    auto prestige = std::make_shared<clsPrestige>();  // attached: shared, cleared with the class
    prestige->Name = "Khor Adept";
    held.objPrestige = prestige;
    EXPECT_EQ(clsClass(held).objPrestige, prestige);
    held.Clear();
    EXPECT_EQ(held.objPrestige, prestige);
    EXPECT_EQ(prestige->Name, "");
}

TEST(Copies, SkillsFeatsAndPrestigeClassesOwnTheirRequirements) {
    clsSkills skill;
    skill.Name = "Dread Grip";
    skill.SetAbility("Con");
    skill.SetExclClass("Vael Guardian");
    skill.objRequirements->SetSkill("Sense Aumen:6");
    clsSkills skillCopy = skill;
    skillCopy.objRequirements->SetSkill("Veil Mind:2");
    EXPECT_EQ(skill.objRequirements->SkillList(), "Sense Aumen:6");
    EXPECT_EQ(skillCopy.GetAbility(), "Constitution");
    EXPECT_EQ(skillCopy.ExclClassList(), "Vael Guardian");

    clsFeats feat;
    feat.SetGivBonus("Dread Grip:2");
    feat.Requirements->ReqDarkSide = true;
    clsFeats featCopy;
    featCopy = feat;
    featCopy.Requirements->ReqDarkSide = false;
    EXPECT_TRUE(feat.Requirements->ReqDarkSide);
    EXPECT_EQ(featCopy.GetGivBonusRank(0), 2);

    clsPrestige prestige;
    prestige.Requirements->SetOrFeats("Iron Will:Alertness");
    clsPrestige prestigeCopy = prestige;
    prestigeCopy.Requirements->Clear();
    EXPECT_TRUE(prestige.Requirements->HasOrFeats());
    prestige.Requirements = nullptr;  // none stays none, and Clear copes with it
    clsPrestige(prestige).Clear();
}

TEST(Skills, AbilityNamesAndMasteryNumbers) {
    clsSkills s;
    auto ability = [&](const std::string& text) {
        s.SetAbility(text);
        return s.GetAbility();
    };
    auto secondary = [&](const std::string& text) {
        s.SetSecondary(text);
        return s.GetSecondary();
    };
    EXPECT_EQ(ability("Str"), "Strength");
    EXPECT_EQ(ability("Aumen power"), "Aumen");
    EXPECT_EQ(ability("dex"), "dex");
    EXPECT_EQ(ability("In"), "In");
    EXPECT_EQ(ability("Non"), "Non");
    EXPECT_EQ(ability(""), "");
    EXPECT_EQ(secondary(""), "None");
    EXPECT_EQ(secondary("Nonexistent"), "None");
    EXPECT_EQ(secondary("Cha"), "Charisma");
    EXPECT_EQ(secondary("Luck"), "Luck");
    s.Clear();
    EXPECT_EQ(s.GetSecondary(), "");

    clsSkillMastery m;
    EXPECT_TRUE(m.UseWisScore());
    m.Number = -1;
    EXPECT_FALSE(m.UseWisScore());
}

TEST_F(CharacterRecordTest, SkillFileWithItsBlockAndOptionalGroups) {
    clsSkills s;
    s.Name = "Knowledge";
    s.SetAbility("Int");
    s.SetSecondary("Wis");
    s.SubNumber = 3;
    s.Notes = "Once per\r\nfield.";
    s.Description = "Learning.\r\nIn one field.";
    s.DroidUse = true;
    s.objRequirements->SetFeats("Alertness");
    s.SetExclClass("Soldier");
    s.SetSynergy("5:Pilot:2");
    s.SetSubSynergy("5:Astrogation:Pilot:2");
    s.SetSubSuggest("Astrogation, History");
    std::string path = dir_.file("skill.txt");
    s.Save(path);
    std::vector<std::string> lines = Lines(path);
    ASSERT_EQ(lines.size(), 12u + 17u + 8u);
    EXPECT_EQ(lines[10], "Once perfield.");

    clsSkills back;
    back.Load(path);
    EXPECT_EQ(back.Notes, "Once perfield.");
    EXPECT_EQ(back.Description, "Learning.\r\nIn one field.");
    EXPECT_EQ(back.GetSecondary(), "Wisdom");
    EXPECT_EQ(back.objRequirements->FeatList(), "Alertness");
    EXPECT_EQ(back.ExclClassList(), "Soldier");
    EXPECT_EQ(back.GetSubSynergySub(0), "Astrogation");
    EXPECT_EQ(back.SubSuggestList(), "Astrogation, History");

    lines[1] = "Int";  // ability texts are stored as read
    Put(path, lines);
    back.Load(path);
    EXPECT_EQ(back.GetAbility(), "Int");

    // Ending after the synergies, after the two flags, or before the suggestions.
    for (std::size_t count : {31u, 33u, 36u}) {
        s.Save(path);
        Keep(path, count);
        back.Load(path);
        EXPECT_EQ(back.SynergyList(), "5:Pilot:2");
        EXPECT_EQ(back.DroidUse, count > 31) << count;
        EXPECT_EQ(back.GetSecondary(), count > 33 ? "Wisdom" : "") << count;
        EXPECT_FALSE(back.HasSubSuggest());
    }
    EXPECT_EQ(boxes_.size(), 0u);
}

TEST_F(CharacterRecordTest, FeatBonusAndSmallListFiles) {
    clsFeats f;
    f.Name = "Alertness";
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

    clsBonus b;
    b.Name = "Scout Bonus";
    b.SetFeats("Alertness, Track");
    b.IncludeSklNormal = b.RequireSklRanks = true;
    b.Save(path);
    EXPECT_EQ(Lines(path), (std::vector<std::string>{"Scout Bonus", "Alertness, Track", "False",
                                                     "True", "False", "False", "False", "True"}));
    Keep(path, 2);
    clsBonus bb;
    bb.RequireSklRanks = true;
    bb.Load(path);
    EXPECT_FALSE(bb.RequireSklRanks);
    EXPECT_EQ(bb.GetFeat(1), "Track");

    clsFeatures features;
    features.SetFeatures("Deep Focus, Aumen Sight");
    features.Multiple = true;
    features.Number = 2;
    features.Save(path);
    Keep(path, 2);
    clsFeatures fb;
    fb.Load(path);
    EXPECT_EQ(fb.GetNumFeatures(), 2);
    EXPECT_FALSE(fb.Multiple);
    EXPECT_EQ(fb.Number, 0);

    clsSpecialQualities q;
    q.Name = "Shadow Bond";
    q.SetBonusSelections("Khor Bonus");
    q.SetSynergy("3:Veil Mind:2");
    q.Description = "Bound.\r\nTo the Khor.";
    q.Save(path);
    clsSpecialQualities qb;
    qb.Load(path);
    EXPECT_EQ(qb.Description, q.Description);
    EXPECT_EQ(qb.GetSynergyLevelFromSkill("Veil Mind"), 3);
    Keep(path, 6);
    qb.Load(path);
    EXPECT_EQ(qb.Description, "");
    EXPECT_EQ(qb.GetBonusSelectionList(), "Khor Bonus");
    EXPECT_EQ(boxes_.size(), 0u);
}

}  // namespace
}  // namespace orvane_test
