// Creatures: creature types, their levels and size details, templates and climates.
#pragma once

#include <string>

#include "orvane/lists.hpp"
#include "orvane/record.hpp"

namespace OrvaneLib {

// A creature type: its mental ability bounds, vitality and skill-point figures, class skills,
// feats and special qualities.
class ORVANE_API clsClassCreature : public Record {
    ORVANE_RECORD(clsClassCreature)
    clsClassCreature() { Clear(); }
    std::string Name;
    Integer MinInt = 0;
    Integer MaxInt = 0;
    Integer MinWis = 0;
    Integer MaxWis = 0;
    Integer MinCha = 0;
    Integer MaxCha = 0;
    Integer Vitality = 0;
    Integer SkillPtsFirst = 0;
    Integer SkillPtsLevel = 0;
    Integer MaxLevel = 0;
    // Clear resets the name, the ability bounds and the lists. Vitality, the skill points and
    // the level cap come only from the database and are left as they are, so loading a file
    // (which does not carry them) keeps them.

    ORVANE_SIMPLE_FAMILY(classSkills_, SetClassSkills, HasClassSkills, GetNumSkills, IsClassSkill,
                         GetClassSkill, GetClassSklList)
    ORVANE_SIMPLE_FAMILY(specQual_, SetSpecialQualities, HasSpecQual, GetNumSpecQuals, IsSpecQual,
                         GetSpecialQuality, GetSpecQualList)
    ORVANE_FWD_SET(feats_, SetFeats)
    ORVANE_FWD_SIZE(feats_, GetNumFeats)
    ORVANE_FWD_IN(feats_, IsFeat)
    ORVANE_FWD_AT(feats_, GetFeat, GetItem)
    ORVANE_FWD_TEXT(feats_, FeatList)

  private:
    clsListSimple feats_;
    clsListSimple classSkills_;
    clsListSimple specQual_;
};

// One level of a creature type: base attack and saves.
class ORVANE_API clsCreatureLevel : public Record {
    ORVANE_RECORD(clsCreatureLevel)
    clsCreatureLevel() { Clear(); }
    std::string Name;
    Integer Level = 0;
    Integer Attack = 0;
    Integer FortSave = 0;
    Integer RefSave = 0;
    Integer WillSave = 0;
    // Write or read this record's lines at the current position of a numbered file the
    // caller has open, so several levels share one file. Neither clears the record.
    void SaveAppend(Integer iFileNum);
    void LoadAppend(const std::string& iFileNum);
};

// One size of a creature type: physical ability bounds, vitality scale, natural attacks.
class ORVANE_API clsCreatureDetail : public Record {
    ORVANE_RECORD(clsCreatureDetail)
    clsCreatureDetail() { Clear(); }
    std::string Name;
    std::string Size;
    Integer MinStr = 0;
    Integer MaxStr = 0;
    Integer MinDex = 0;
    Integer MaxDex = 0;
    Integer MinCon = 0;
    Integer MaxCon = 0;
    Single VPScale = 0;
    std::string Slam;
    std::string Bite;
    std::string Gore;
    std::string Claw;
    void SaveAppend(Integer iFileNum);
    void LoadAppend(const std::string& iFileNum);
};

// A template laid over a creature.
class ORVANE_API clsCreatureTemplate : public Record {
    ORVANE_RECORD(clsCreatureTemplate)
    clsCreatureTemplate() { Clear(); }
    std::string Name;
    Integer AttackBonus = 0;
    Integer MinStr = 0;
    Integer MaxStr = 0;
    Integer MinDex = 0;
    Integer MaxDex = 0;
    Integer MinCon = 0;
    Integer MaxCon = 0;
    Integer MinInt = 0;
    Integer MaxInt = 0;
    Integer MinWis = 0;
    Integer MaxWis = 0;
    Integer MinCha = 0;
    Integer MaxCha = 0;
    Integer Vitality = 0;
    Integer VitBonus = 0;
    bool IncreaseDamage = false;
    bool DecreaseDamage = false;

    ORVANE_SIMPLE_FAMILY(feats_, SetFeats, HasFeats, GetNumFeats, IsFeat, GetFeat, GetFeatList)
    ORVANE_SIMPLE_FAMILY(specQual_, SetSpecQual, HasSpecQual, GetNumSpecQual, IsSpecQual,
                         GetSpecQual, GetSpecQualList)
    ORVANE_SYNERGY_CORE(synergy_)
    ORVANE_SYNERGY_BY_SKILL(synergy_)
    ORVANE_FWD_TEXT(synergy_, GetSynergyList)
    ORVANE_LEVEL_FAMILY(attackDamage_, HasAttackDamages, SetAttackDamage, NumAttackDamages,
                        IsAttackDamage, GetAttackDamageName, GetAttackDamageBonus, AttackDamageList)

  private:
    clsListSimple feats_;
    clsListSimple specQual_;
    clsListSynergy synergy_;
    clsListLevel attackDamage_;
};

// A climate or terrain with its skill synergies and special qualities.
class ORVANE_API clsCreatureClimate : public Record {
    ORVANE_RECORD(clsCreatureClimate)
    clsCreatureClimate() { Clear(); }
    std::string Name;

    ORVANE_SYNERGY_CORE(synergy_)
    ORVANE_SYNERGY_BY_SKILL(synergy_)
    ORVANE_FWD_TEXT(synergy_, GetSynergyList)
    ORVANE_SIMPLE_FAMILY(specQual_, SetSpecQual, HasSpecQual, GetNumSpecQual, IsSpecQual,
                         GetSpecQual, GetSpecQualList)

  private:
    clsListSimple specQual_;
    clsListSynergy synergy_;
};

}  // namespace OrvaneLib

// The kinds of this family and their clsDatabase operations (see ORVANE_DECLARE_KIND).
#define ORVANE_CREATURE_KINDS(X)                                                            \
    X(clsClassCreature, 0, TEXT, ClassCreatureList, GetClassCreatureInfo, AddClassCreature, \
      DelClassCreature)                                                                     \
    X(clsCreatureLevel, 0, TEXT_LEVEL, GetCreatureLevelList, GetCreatureLevelInfo,          \
      AddCreatureLevel, DelCreatureLevel)                                                   \
    X(clsCreatureDetail, 0, TEXT_TEXT, GetCreatureDetailList, GetCreatureDetailInfo,        \
      AddCreatureDetail, DelCreatureDetail)                                                 \
    X(clsCreatureTemplate, 0, TEXT, CreatureTemplateList, GetCreatureTemplateInfo,          \
      AddCreatureTemplate, DelCreatureTemplate)                                             \
    X(clsCreatureClimate, 0, TEXT, CreatureClimateList, GetCreatureClimateInfo,             \
      AddCreatureClimate, DelCreatureClimate)

namespace OrvaneLib {
ORVANE_CREATURE_KINDS(ORVANE_DESCRIBED_KIND)
}  // namespace OrvaneLib
