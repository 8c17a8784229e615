// Prerequisites of a prestige class, skill or feat: ability scores, skill ranks, class
// levels, feats, languages, species, homeworlds, special qualities, upper and lower limits,
// and sets of alternatives. The owning record keeps one and embeds its block of lines in its
// own text file.
#pragma once

#include <string>

#include "orvane/lists.hpp"
#include "orvane/record.hpp"

namespace OrvaneLib {

// The members of clsRequirements beyond its fields (see ORVANE_MEMBER). The alternative
// sets (the Or families) take a set index, then an index or a name within the set; out of
// range their indexed getters answer "0".
#define ORVANE_MEMBERS_clsRequirements(X)                                                         \
    X(SIMPLE_FAMILY, feats_, SetFeats, HasFeats, NumFeats, IsFeat, GetFeat, FeatList)             \
    X(SIMPLE_FAMILY, readWrite_, SetReadWrite, HasReadWrite, NumReadWrite, IsReadWrite,           \
      GetReadWrite, ReadWriteList)                                                                \
    X(SIMPLE_FAMILY, speak_, SetSpeak, HasSpeak, NumSpeak, IsSpeak, GetSpeak, SpeakList)          \
    X(LEVEL_FAMILY, skills_, HasSkills, SetSkill, NumSkill, IsSkill, GetSkillName, GetSkillRank,  \
      SkillList)                                                                                  \
    X(LEVEL_FAMILY, classes_, HasClasses, SetClass, NumClasses, IsClass, GetClassName,            \
      GetClassRank, ClassList)                                                                    \
    X(LEVEL_FAMILY, abilities_, HasAbility, SetAbility, NumAbilitiy, IsAbility, GetAbilityName,   \
      GetAbilityScore, AbilityList)                                                               \
    X(SIMPLE_FAMILY, species_, SetSpecies, HasSpecies, NumSpecies, IsSpecies, GetSpecies,         \
      SpeciesList)                                                                                \
    X(SIMPLE_FAMILY, homeworlds_, SetHomeworld, HasHomeworld, NumHomeworld, IsHomeworld,          \
      GetHomeworld, HomeworldList)                                                                \
    X(LEVEL_FAMILY, minimums_, MinRequirements, SetMinRequire, NumMinRequire, IsMinRequire,       \
      GetMinRequireName, GetMinRequireRank, MinList)                                              \
    X(LEVEL_FAMILY, maximums_, MaxRequirements, SetMaxRequire, NumMaxRequire, IsMaxRequire,       \
      GetMaxRequireName, GetMaxRequireRank, MaxList)                                              \
    X(SIMPLE_FAMILY, qualities_, SetQualities, HasQualities, NumQualities, IsQuality, GetQuality, \
      QualityList)                                                                                \
    X(OR_SIMPLE_FAMILY, orFeats_, HasOrFeats, SetOrFeats, NumOrFeatSets, NumOrFeats, IsOrFeat,    \
      GetOrFeat, OrFeatSetList, OrFeatList)                                                       \
    X(OR_LEVEL_FAMILY, orClasses_, HasOrClasses, SetOrClasses, NumOrClassSets, NumOrClasses,      \
      IsOrClass, GetOrClassName, GetOrClassRank, OrClassSetList, OrClassList)                     \
    X(OR_LEVEL_FAMILY, orSkills_, HasOrSkills, SetOrSkills, NumOrSkillSets, NumOrSkills,          \
      IsOrSkill, GetOrSkillName, GetOrSkillRank, OrSkillSetList, OrSkillList)                     \
    X(OR_SIMPLE_FAMILY, orSpecial_, HasOrSpecial, SetOrSpecial, NumOrSpecialSets, NumOrSpecial,   \
      IsOrSpecial, GetOrSpecial, OrSpecialSetList, OrSpecialList)                                 \
    X(DECLARED, Clear)                                                                            \
    X(DECLARED, Save)                                                                             \
    X(DECLARED, Load)

class ORVANE_API clsRequirements : public Object {
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

    ORVANE_MEMBERS(clsRequirements)
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

ORVANE_DESCRIBED(clsRequirements)

}  // namespace OrvaneLib
