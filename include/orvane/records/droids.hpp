// Droids: bonuses, degrees, equipment, makers and quirks.
#pragma once

#include <string>

#include "orvane/detail/record.hpp"
#include "orvane/lists.hpp"

namespace OrvaneLib {

ORVANE_DESCRIBED(clsDroidBonus)
ORVANE_DESCRIBED(clsDroidDegree)
ORVANE_DESCRIBED(clsDroidEquip)
ORVANE_DESCRIBED(clsDroidMakers)
ORVANE_DESCRIBED(clsDroidQuirks)

// A droid bonus that grants skills.
class clsDroidBonus : public detail::Record<clsDroidBonus> {
  public:
    clsDroidBonus() { Clear(); }
    std::string Name;
    bool GainMultiple = false;
    void Clear();

    ORVANE_SIMPLE_FAMILY(skills_, SetSkills, HasSkills, GetNumSkill, IsSkill, GetSkill, SkillList)

  private:
    friend struct detail::Describe<clsDroidBonus>;
    clsListSimple skills_;
};

// A droid degree: six ability modifiers and the classes open to it.
class clsDroidDegree : public detail::Record<clsDroidDegree>, public detail::AbilityModifiers {
  public:
    clsDroidDegree() { Clear(); }
    std::string Name;
    void Clear();

    ORVANE_SIMPLE_FAMILY(classes_, SetClasses, HasClass, GetNumClasses, IsClass, GetClass,
                         GetClassList)

  private:
    friend struct detail::Describe<clsDroidDegree>;
    clsListSimple classes_;
};

// An item of droid equipment.
class clsDroidEquip : public detail::Record<clsDroidEquip> {
  public:
    clsDroidEquip() { Clear(); }
    std::string Name;
    Long Cost = 0;
    Long Mass = 0;
    std::string Source;
    std::string Notes;
    void Clear();

    ORVANE_SYNERGY_CORE(synergy_)
    ORVANE_FWD_TEXT(synergy_, SynergyList)

  private:
    friend struct detail::Describe<clsDroidEquip>;
    clsListSynergy synergy_;
};

// A droid manufacturer: ability modifiers, movement, skill bonuses and penalties, extra
// quirks, special qualities, synergies and the skill bonuses a buyer chooses.
class clsDroidMakers : public detail::Record<clsDroidMakers>, public detail::AbilityModifiers {
  public:
    clsDroidMakers() { Clear(); }
    std::string Name;
    Integer MoveModifier = 0;
    Integer MaxMove = 0;
    Integer SkillBonusNum = 0;
    Integer SkillBonusAmt = 0;
    Integer SkillPenaltyNum = 0;
    Integer SkillPenaltyAmt = 0;
    Integer BonusQuirks = 0;
    void Clear();

    ORVANE_SYNERGY_CORE(synergy_)
    ORVANE_SYNERGY_BY_SKILL(synergy_)
    ORVANE_FWD_TEXT(synergy_, GetSynergyList)
    ORVANE_SIMPLE_FAMILY(specQual_, SetSpecQual, HasSpecQual, GetNumSpecQual, IsSpecQual,
                         GetSpecQual, GetSpecQualList)
    ORVANE_BONUS_FAMILY_V(skillBonus_, SetSkillBonus, HasSkillBonus, GetNumSkillBonus,
                          GetSkillBonusName, GetSkillBonusNum, GetSkillBonusAmt, GetSkillBonusQuan,
                          GetSkillBonusList)

  private:
    friend struct detail::Describe<clsDroidMakers>;
    clsListSimple specQual_;
    clsListSynergy synergy_;
    clsListBonus skillBonus_;
};

// A droid quirk: movement change, feats, special qualities, synergies and skill mastery.
class clsDroidQuirks : public detail::Record<clsDroidQuirks> {
  public:
    clsDroidQuirks() { Clear(); }
    std::string Name;
    Integer Move = 0;
    void Clear();

    ORVANE_SYNERGY_CORE(synergy_)
    ORVANE_SYNERGY_BY_SKILL(synergy_)
    ORVANE_FWD_TEXT(synergy_, GetSynergyList)
    ORVANE_SIMPLE_FAMILY(specQual_, SetSpecQual, HasSpecQual, GetNumSpecQual, IsSpecQual,
                         GetSpecQual, GetSpecQualList)
    ORVANE_SIMPLE_FAMILY(feats_, SetFeats, HasFeats, GetNumFeats, IsFeat, GetFeat, GetFeatList)
    ORVANE_BONUS_FAMILY_V(skillMastery_, SetSkillMastery, HasSkillMastery, GetNumSkillMastery,
                          GetSkillMasteryName, GetSkillMasteryNum, GetSkillMasteryLevel,
                          GetSkillMasteryQuan, GetSkillMasteryList)

  private:
    friend struct detail::Describe<clsDroidQuirks>;
    clsListSimple specQual_;
    clsListSimple feats_;
    clsListSynergy synergy_;
    clsListBonus skillMastery_;
};

}  // namespace OrvaneLib
