// Prerequisites of a prestige class, skill or feat: ability scores, skill ranks, class
// levels, feats, languages, species, homeworlds, special qualities, upper and lower limits,
// and sets of alternatives. The owning record keeps one and embeds its block of lines in its
// own text file.
#pragma once

#include <string>

#include "orvane/detail/record.hpp"
#include "orvane/lists.hpp"

namespace OrvaneLib {

ORVANE_DESCRIBED(clsRequirements)

class clsRequirements : public Object {
  public:
    clsRequirements() { Clear(); }
    std::string ClassName() const override { return "clsRequirements"; }

    bool ReqTainted = false;
    bool ReqDarkSide = false;
    Integer ReqSpecLvl = 0;  // stored in the owner's row only, never in the block

    void Clear();
    // Write or read the block at the current position of a file the owner has open. A
    // failure is shown in a message box here (a failed read also clears), so the owner
    // goes on with its own lines.
    void Save(Integer iFileNum) const;
    void Load(Integer iFileNum);

    ORVANE_SIMPLE_FAMILY(feats_, SetFeats, HasFeats, NumFeats, IsFeat, GetFeat, FeatList)
    ORVANE_SIMPLE_FAMILY(readWrite_, SetReadWrite, HasReadWrite, NumReadWrite, IsReadWrite,
                         GetReadWrite, ReadWriteList)
    ORVANE_SIMPLE_FAMILY(speak_, SetSpeak, HasSpeak, NumSpeak, IsSpeak, GetSpeak, SpeakList)

    ORVANE_FWD_HAS(skills_, HasSkills)
    ORVANE_FWD_SET(skills_, SetSkill)
    ORVANE_FWD_SIZE(skills_, NumSkill)
    ORVANE_FWD_IN(skills_, IsSkill)
    ORVANE_FWD_AT(skills_, GetSkillName, GetName)
    ORVANE_FWD_AT(skills_, GetSkillRank, GetRank)
    ORVANE_FWD_TEXT(skills_, SkillList)

    ORVANE_FWD_HAS(classes_, HasClasses)
    ORVANE_FWD_SET(classes_, SetClass)
    ORVANE_FWD_SIZE(classes_, NumClasses)
    ORVANE_FWD_IN(classes_, IsClass)
    ORVANE_FWD_AT(classes_, GetClassName, GetName)
    ORVANE_FWD_AT(classes_, GetClassRank, GetRank)
    ORVANE_FWD_TEXT(classes_, ClassList)

    ORVANE_FWD_HAS(abilities_, HasAbility)
    ORVANE_FWD_SET(abilities_, SetAbility)
    ORVANE_FWD_SIZE(abilities_, NumAbilitiy)
    ORVANE_FWD_IN(abilities_, IsAbility)
    ORVANE_FWD_AT(abilities_, GetAbilityName, GetName)
    ORVANE_FWD_AT(abilities_, GetAbilityScore, GetRank)
    ORVANE_FWD_TEXT(abilities_, AbilityList)

    ORVANE_SIMPLE_FAMILY(species_, SetSpecies, HasSpecies, NumSpecies, IsSpecies, GetSpecies,
                         SpeciesList)
    ORVANE_SIMPLE_FAMILY(homeworlds_, SetHomeworld, HasHomeworld, NumHomeworld, IsHomeworld,
                         GetHomeworld, HomeworldList)

    ORVANE_FWD_HAS(minimums_, MinRequirements)
    ORVANE_FWD_SET(minimums_, SetMinRequire)
    ORVANE_FWD_SIZE(minimums_, NumMinRequire)
    ORVANE_FWD_IN(minimums_, IsMinRequire)
    ORVANE_FWD_AT(minimums_, GetMinRequireName, GetName)
    ORVANE_FWD_AT(minimums_, GetMinRequireRank, GetRank)
    ORVANE_FWD_TEXT(minimums_, MinList)

    ORVANE_FWD_HAS(maximums_, MaxRequirements)
    ORVANE_FWD_SET(maximums_, SetMaxRequire)
    ORVANE_FWD_SIZE(maximums_, NumMaxRequire)
    ORVANE_FWD_IN(maximums_, IsMaxRequire)
    ORVANE_FWD_AT(maximums_, GetMaxRequireName, GetName)
    ORVANE_FWD_AT(maximums_, GetMaxRequireRank, GetRank)
    ORVANE_FWD_TEXT(maximums_, MaxList)

    ORVANE_SIMPLE_FAMILY(qualities_, SetQualities, HasQualities, NumQualities, IsQuality,
                         GetQuality, QualityList)

    // Alternative sets: a set index, then an index or a name within the set; out of range
    // the indexed getters answer "0".
    ORVANE_FWD_HAS(orFeats_, HasOrFeats)
    ORVANE_FWD_SET(orFeats_, SetOrFeats)
    ORVANE_FWD_SIZE(orFeats_, NumOrFeatSets)
    ORVANE_FWD_AT(orFeats_, NumOrFeats, GetNumber)
    ORVANE_FWD_SET_IN(orFeats_, IsOrFeat)
    ORVANE_FWD_AT2(orFeats_, GetOrFeat, GetItem)
    ORVANE_FWD_AT(orFeats_, OrFeatSetList, GetSetList)
    ORVANE_FWD_TEXT(orFeats_, OrFeatList)

    ORVANE_FWD_HAS(orClasses_, HasOrClasses)
    ORVANE_FWD_SET(orClasses_, SetOrClasses)
    ORVANE_FWD_SIZE(orClasses_, NumOrClassSets)
    ORVANE_FWD_AT(orClasses_, NumOrClasses, GetNumber)
    ORVANE_FWD_SET_IN(orClasses_, IsOrClass)
    ORVANE_FWD_AT2(orClasses_, GetOrClassName, GetName)
    ORVANE_FWD_AT2(orClasses_, GetOrClassRank, GetRank)
    ORVANE_FWD_AT(orClasses_, OrClassSetList, GetSetList)
    ORVANE_FWD_TEXT(orClasses_, OrClassList)

    ORVANE_FWD_HAS(orSkills_, HasOrSkills)
    ORVANE_FWD_SET(orSkills_, SetOrSkills)
    ORVANE_FWD_SIZE(orSkills_, NumOrSkillSets)
    ORVANE_FWD_AT(orSkills_, NumOrSkills, GetNumber)
    ORVANE_FWD_SET_IN(orSkills_, IsOrSkill)
    ORVANE_FWD_AT2(orSkills_, GetOrSkillName, GetName)
    ORVANE_FWD_AT2(orSkills_, GetOrSkillRank, GetRank)
    ORVANE_FWD_AT(orSkills_, OrSkillSetList, GetSetList)
    ORVANE_FWD_TEXT(orSkills_, OrSkillList)

    ORVANE_FWD_HAS(orSpecial_, HasOrSpecial)
    ORVANE_FWD_SET(orSpecial_, SetOrSpecial)
    ORVANE_FWD_SIZE(orSpecial_, NumOrSpecialSets)
    ORVANE_FWD_AT(orSpecial_, NumOrSpecial, GetNumber)
    ORVANE_FWD_SET_IN(orSpecial_, IsOrSpecial)
    ORVANE_FWD_AT2(orSpecial_, GetOrSpecial, GetItem)
    ORVANE_FWD_AT(orSpecial_, OrSpecialSetList, GetSetList)
    ORVANE_FWD_TEXT(orSpecial_, OrSpecialList)

  private:
    friend struct detail::Describe<clsRequirements>;
    // In the order of the block's lines.
    clsListLevel abilities_;
    clsListSimple feats_;
    clsListLevel skills_;
    clsListSimple readWrite_;
    clsListSimple speak_;
    clsListLevel classes_;
    clsListSimple species_;
    clsListSimple homeworlds_;
    clsListLevel minimums_;
    clsListLevel maximums_;
    clsListSimple qualities_;
    clsListOrSimple orFeats_;
    clsListOrLevel orClasses_;
    clsListOrLevel orSkills_;
    clsListOrSimple orSpecial_;
};

}  // namespace OrvaneLib
