// Droids: bonuses, degrees, equipment, makers and quirks.
#pragma once

#include <string>

#include "orvane/lists.hpp"
#include "orvane/record.hpp"

namespace OrvaneLib {

// The members of clsDroidBonus beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsDroidBonus(X) \
    X(SIMPLE_FAMILY, skills_, SetSkills, HasSkills, GetNumSkill, IsSkill, GetSkill, SkillList)

// A droid bonus that grants skills.
class ORVANE_API clsDroidBonus : public Record {
    ORVANE_RECORD(clsDroidBonus)
    clsDroidBonus() { Clear(); }
    std::string Name;
    bool GainMultiple = false;

    ORVANE_MEMBERS(clsDroidBonus)

  private:
    clsListSimple skills_;
};

// The members of clsDroidDegree beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsDroidDegree(X) \
    X(SIMPLE_FAMILY, classes_, SetClasses, HasClass, GetNumClasses, IsClass, GetClass, GetClassList)

// A droid degree: six ability modifiers and the classes open to it.
class ORVANE_API clsDroidDegree : public Record, public AbilityModifiers {
    ORVANE_RECORD(clsDroidDegree)
    clsDroidDegree() { Clear(); }
    std::string Name;

    ORVANE_MEMBERS(clsDroidDegree)

  private:
    clsListSimple classes_;
};

// The members of clsDroidEquip beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsDroidEquip(X) \
    X(SYNERGY_CORE, synergy_)           \
    X(FWD_TEXT, synergy_, SynergyList)

// An item of droid equipment.
class ORVANE_API clsDroidEquip : public Record {
    ORVANE_RECORD(clsDroidEquip)
    clsDroidEquip() { Clear(); }
    std::string Name;
    Long Cost = 0;
    Long Mass = 0;
    std::string Source;
    std::string Notes;

    ORVANE_MEMBERS(clsDroidEquip)

  private:
    clsListSynergy synergy_;
};

// The members of clsDroidMakers beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsDroidMakers(X)                                                           \
    X(SYNERGY_CORE, synergy_)                                                                      \
    X(SYNERGY_BY_SKILL, synergy_)                                                                  \
    X(FWD_TEXT, synergy_, GetSynergyList)                                                          \
    X(SIMPLE_FAMILY, specQual_, SetSpecQual, HasSpecQual, GetNumSpecQual, IsSpecQual, GetSpecQual, \
      GetSpecQualList)                                                                             \
    X(BONUS_FAMILY_V, skillBonus_, SetSkillBonus, HasSkillBonus, GetNumSkillBonus,                 \
      GetSkillBonusName, GetSkillBonusNum, GetSkillBonusAmt, GetSkillBonusQuan, GetSkillBonusList)

// A droid manufacturer: ability modifiers, movement, skill bonuses and penalties, extra
// quirks, special qualities, synergies and the skill bonuses a buyer chooses.
class ORVANE_API clsDroidMakers : public Record, public AbilityModifiers {
    ORVANE_RECORD(clsDroidMakers)
    clsDroidMakers() { Clear(); }
    std::string Name;
    Integer MoveModifier = 0;
    Integer MaxMove = 0;
    Integer SkillBonusNum = 0;
    Integer SkillBonusAmt = 0;
    Integer SkillPenaltyNum = 0;
    Integer SkillPenaltyAmt = 0;
    Integer BonusQuirks = 0;

    ORVANE_MEMBERS(clsDroidMakers)

  private:
    clsListSimple specQual_;
    clsListSynergy synergy_;
    clsListBonus skillBonus_;
};

// The members of clsDroidQuirks beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsDroidQuirks(X)                                                           \
    X(SYNERGY_CORE, synergy_)                                                                      \
    X(SYNERGY_BY_SKILL, synergy_)                                                                  \
    X(FWD_TEXT, synergy_, GetSynergyList)                                                          \
    X(SIMPLE_FAMILY, specQual_, SetSpecQual, HasSpecQual, GetNumSpecQual, IsSpecQual, GetSpecQual, \
      GetSpecQualList)                                                                             \
    X(SIMPLE_FAMILY, feats_, SetFeats, HasFeats, GetNumFeats, IsFeat, GetFeat, GetFeatList)        \
    X(BONUS_FAMILY_V, skillMastery_, SetSkillMastery, HasSkillMastery, GetNumSkillMastery,         \
      GetSkillMasteryName, GetSkillMasteryNum, GetSkillMasteryLevel, GetSkillMasteryQuan,          \
      GetSkillMasteryList)

// A droid quirk: movement change, feats, special qualities, synergies and skill mastery.
class ORVANE_API clsDroidQuirks : public Record {
    ORVANE_RECORD(clsDroidQuirks)
    clsDroidQuirks() { Clear(); }
    std::string Name;
    Integer Move = 0;

    ORVANE_MEMBERS(clsDroidQuirks)

  private:
    clsListSimple specQual_;
    clsListSimple feats_;
    clsListSynergy synergy_;
    clsListBonus skillMastery_;
};

}  // namespace OrvaneLib

// The kinds of this family and their clsDatabase operations (see ORVANE_DECLARE_KIND).
#define ORVANE_DROID_KINDS(X)                                                                    \
    X(clsDroidBonus, 0, TEXT, DroidBonusList, DroidBonusInfo, AddDroidBonus, DelDroidBonus)      \
    X(clsDroidDegree, 0, TEXT, DroidDegreeList, DroidDegreeInfo, AddDroidDegree, DelDroidDegree) \
    X(clsDroidEquip, 0, TEXT, DroidEquipmentList, DroidEquipmentInfo, AddDroidEquipment,         \
      DelDroidEquipment)                                                                         \
    X(clsDroidMakers, 0, TEXT, DroidMakersList, DroidMakersInfo, AddDroidMakers, DelDroidMakers) \
    X(clsDroidQuirks, 0, TEXT, DroidQuirksList, DroidQuirksInfo, AddDroidQuirks, DelDroidQuirks)

namespace OrvaneLib {
ORVANE_DROID_KINDS(ORVANE_DESCRIBED_KIND)
}  // namespace OrvaneLib
