// Creatures: creature types, their levels and size details, templates and climates.
#pragma once

#include <string>

#include "orvane/lists.hpp"
#include "orvane/record.hpp"

namespace OrvaneLib {

// The members of clsClassCreature beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsClassCreature(X)                                                     \
    X(SIMPLE_FAMILY, classSkills_, SetClassSkills, HasClassSkills, GetNumSkills, IsClassSkill, \
      GetClassSkill, GetClassSklList)                                                          \
    X(SIMPLE_FAMILY, specQual_, SetSpecialQualities, HasSpecQual, GetNumSpecQuals, IsSpecQual, \
      GetSpecialQuality, GetSpecQualList)                                                      \
    X(FWD_SET, feats_, SetFeats)                                                               \
    X(FWD_SIZE, feats_, GetNumFeats)                                                           \
    X(FWD_IN, feats_, IsFeat)                                                                  \
    X(FWD_AT, feats_, GetFeat, GetItem)                                                        \
    X(FWD_TEXT, feats_, FeatList)

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

    ORVANE_MEMBERS(clsClassCreature)

  private:
    clsListSimple feats_;
    clsListSimple classSkills_;
    clsListSimple specQual_;
};

// The members of clsCreatureLevel beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsCreatureLevel(X) \
    X(DECLARED, SaveAppend)                \
    X(DECLARED, LoadAppend)

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

    ORVANE_MEMBERS(clsCreatureLevel)
};

// The members of clsCreatureDetail beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsCreatureDetail(X) \
    X(DECLARED, SaveAppend)                 \
    X(DECLARED, LoadAppend)

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

    ORVANE_MEMBERS(clsCreatureDetail)
};

// The members of clsCreatureTemplate beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsCreatureTemplate(X)                                                      \
    X(SIMPLE_FAMILY, feats_, SetFeats, HasFeats, GetNumFeats, IsFeat, GetFeat, GetFeatList)        \
    X(SIMPLE_FAMILY, specQual_, SetSpecQual, HasSpecQual, GetNumSpecQual, IsSpecQual, GetSpecQual, \
      GetSpecQualList)                                                                             \
    X(SYNERGY_CORE, synergy_)                                                                      \
    X(SYNERGY_BY_SKILL, synergy_)                                                                  \
    X(FWD_TEXT, synergy_, GetSynergyList)                                                          \
    X(LEVEL_FAMILY, attackDamage_, HasAttackDamages, SetAttackDamage, NumAttackDamages,            \
      IsAttackDamage, GetAttackDamageName, GetAttackDamageBonus, AttackDamageList)

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

    ORVANE_MEMBERS(clsCreatureTemplate)

  private:
    clsListSimple feats_;
    clsListSimple specQual_;
    clsListSynergy synergy_;
    clsListLevel attackDamage_;
};

// The members of clsCreatureClimate beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsCreatureClimate(X)                                                       \
    X(SYNERGY_CORE, synergy_)                                                                      \
    X(SYNERGY_BY_SKILL, synergy_)                                                                  \
    X(FWD_TEXT, synergy_, GetSynergyList)                                                          \
    X(SIMPLE_FAMILY, specQual_, SetSpecQual, HasSpecQual, GetNumSpecQual, IsSpecQual, GetSpecQual, \
      GetSpecQualList)

// A climate or terrain with its skill synergies and special qualities.
class ORVANE_API clsCreatureClimate : public Record {
    ORVANE_RECORD(clsCreatureClimate)
    clsCreatureClimate() { Clear(); }
    std::string Name;

    ORVANE_MEMBERS(clsCreatureClimate)

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
