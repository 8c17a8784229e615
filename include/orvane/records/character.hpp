// The character rules: species, classes, class levels, prestige classes, skills and skill
// mastery, feats and bonus-feat selections, special qualities, bonus features and
// cross-class sets.
#pragma once

#include <memory>
#include <string>

#include "orvane/lists.hpp"
#include "orvane/record.hpp"
#include "orvane/records/core.hpp"
#include "orvane/records/requirements.hpp"

// What species and classes both forbid or restrict: classes, skills and feats forbidden
// outright, and skills restricted to a level. Both name their families alike; the entries
// belong to their lists of members (see ORVANE_MEMBER).
#define ORVANE_RESTRICTION_FAMILIES(X)                                                          \
    X(SIMPLE_FAMILY, forbidClasses_, SetForbiddenClasses, HasForbiddenClass,                    \
      GetNumForbiddenClasses, IsForbiddenClass, GetForbiddenClass, GetForbidClassList)          \
    X(SIMPLE_FAMILY, forbidSkills_, SetForbiddenSkill, HasForbiddenSkill, GetNumForbiddenSkill, \
      IsForbiddenSkill, GetForbiddenSkill, GetForbidSkillList)                                  \
    X(SIMPLE_FAMILY, forbidFeats_, SetForbiddenFeats, HasForbiddenFeats, GetNumForbiddenFeats,  \
      IsForbiddenFeats, GetForbiddenFeats, GetForbidFeatList)                                   \
    X(LEVEL_FAMILY, restricted_, HasRestrictedSkill, SetRestrictedSkill, GetNumRestrictedSkill, \
      IsRestrictedSkill, GetRestrictedSkillName, GetRestrictedSkillLevel, GetRestSkillList)     \
    X(FWD_BYNAME, restricted_, GetRestSkillLevelFromName, GetRankFromName)

namespace OrvaneLib {

// The members of clsSpecialQualities beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsSpecialQualities(X)                                                      \
    X(SIMPLE_FAMILY, specQual_, SetSpecQual, HasSpecQual, GetNumSpecQual, IsSpecQual, GetSpecQual, \
      SpecQualList)                                                                                \
    X(SIMPLE_FAMILY, givenFeats_, SetBonusFeat, HasBonusFeats, GetNumBonusFeat, IsBonusFeat,       \
      GetBonusFeat, BonusFeatList)                                                                 \
    X(SIMPLE_FAMILY, bypassFeats_, SetBypassFeat, HasBypassFeats, GetNumBypassFeat, IsBypassFeat,  \
      GetBypassFeat, BypassFeatList)                                                               \
    X(SYNERGY_CORE, synergy_)                                                                      \
    X(FWD_HAS, synergy_, HasSynergy)                                                               \
    X(SYNERGY_BY_SKILL, synergy_)                                                                  \
    X(FWD_TEXT, synergy_, GetSynergyList)                                                          \
    X(SIMPLE_FAMILY, selections_, SetBonusSelections, HasBonusSelections, GetNumBonusSelections,   \
      IsBonusSelection, GetBonusSelection, GetBonusSelectionList)

// A named ability that class levels and other entries grant, with what it brings along.
class ORVANE_API clsSpecialQualities : public Record {
    ORVANE_RECORD(clsSpecialQualities)
    clsSpecialQualities() { Clear(); }
    std::string Name;
    std::string Description;

    ORVANE_MEMBERS(clsSpecialQualities)

  private:
    clsListSimple specQual_;
    clsListSimple givenFeats_;
    clsListSimple bypassFeats_;
    clsListSimple selections_;
    clsListSynergy synergy_;
};

// The members of clsSpecies beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsSpecies(X)                                                           \
    X(SIMPLE_FAMILY, feats_, SetFeats, HasFeats, GetNumFeats, IsFeat, GetFeat, GetFeatList)    \
    X(SYNERGY_CORE, synergy_)                                                                  \
    X(SYNERGY_BY_SKILL, synergy_)                                                              \
    X(FWD_TEXT, synergy_, GetSynergyList)                                                      \
    X(FWD_HAS, specQual_, HasSpecQual)                                                         \
    X(FWD_SIZE, specQual_, GetNumSpecQual)                                                     \
    X(FWD_IN, specQual_, IsSpecQual)                                                           \
    X(FWD_AT, specQual_, GetSpecQual, GetItem)                                                 \
    X(FWD_TEXT, specQual_, GetSpecQualList)                                                    \
    X(SIMPLE_FAMILY, classSkills_, SetClsSkill, HasClsSkill, GetNumClsSkill, IsClsSkill,       \
      GetClsSkill, GetClsSkillList)                                                            \
    ORVANE_RESTRICTION_FAMILIES(X)                                                             \
    X(SIMPLE_FAMILY, speak_, SetSpeak, HasSpeak, GetNumSpeak, IsSpeak, GetSpeak, GetSpeakList) \
    X(SIMPLE_FAMILY, write_, SetWrite, HasWrite, GetNumWrite, IsWrite, GetWrite, GetWriteList) \
    X(SIMPLE_FAMILY, bonusFeats_, SetBonusFeats, HasBonusFeats, GetNumBonusFeats, IsBonusFeat, \
      GetBonusFeat, GetBonusFeatList)                                                          \
    X(FWD_HAS, featReplace_, HasFeatReplace)                                                   \
    X(FWD_SET, featReplace_, SetFeatReplace)                                                   \
    X(FWD_SIZE, featReplace_, GetNumFeatReplace)                                               \
    X(FWD_AT, featReplace_, GetFeatReplaceClass, GetClass)                                     \
    X(FWD_AT, featReplace_, GetFeatReplaceOldFeat, GetOldFeat)                                 \
    X(FWD_AT, featReplace_, GetFeatReplaceNewFeat, GetNewFeat)                                 \
    X(FWD_IN, featReplace_, IsFeatReplaceClass)                                                \
    X(FWD_TEXT, featReplace_, GetFeatReplaceList)                                              \
    X(DECLARED, AgeRange)                                                                      \
    X(DECLARED, SizeModifier)                                                                  \
    X(DECLARED, SetSpecQual)                                                                   \
    X(DECLARED, objSize)

// The people a character belongs to.
class ORVANE_API clsSpecies : public Record,
                              public AbilityModifiers,
                              public QualitySlots<clsSpecies> {
    ORVANE_RECORD(clsSpecies)
    clsSpecies() { Clear(); }
    std::string Name;
    std::string Homeworld;
    bool NPC = false;
    Integer BonusFeat = 0;  // how many bonus feats; the list is the bonus-feat family
    std::string Size;
    Integer BonusSkillPts = 0;
    Integer Move = 0;
    Integer Swim = 0;
    Integer Fly = 0;
    std::string FlyType;
    Integer Other = 0;
    std::string OtherType;
    std::string Source;
    std::string Description;
    Long MaxChild = 0;
    Long MaxYoung = 0;
    Long MaxAdult = 0;
    Long MaxMiddle = 0;
    Long MaxOld = 0;
    Single MinHeight = 0;
    Single MaxHeight = 0;
    Integer MinWeight = 0;
    Integer MaxWeight = 0;
    std::shared_ptr<clsSizes> objSize;  // attached by the caller; never filled here

    // The first and last age of an age category ("Child" ... "Venerable").
    void AgeRange(const std::string& sAge, std::string& sLower, std::string& sUpper) const;
    // "+1" for "Small", "-1" for "Large", "+0" otherwise.
    std::string SizeModifier() const;

    ORVANE_MEMBERS(clsSpecies)

    // Sets the list and gives the object slots one empty slot per entry.
    void SetSpecQual(const std::string& strSpecQual);

  private:
    friend class QualitySlots<clsSpecies>;
    Integer SpecQualCount() const { return specQual_.GetSize(); }

    clsListSimple specQual_;
    clsListSimple speak_;
    clsListSimple write_;
    clsListSimple feats_;
    clsListSimple bonusFeats_;
    clsListSimple classSkills_;
    clsListSimple forbidSkills_;
    clsListSimple forbidFeats_;
    clsListLevel restricted_;
    clsListSynergy synergy_;
    clsListSimple forbidClasses_;
    clsListTripleSimple featReplace_;
};

// The members of clsPrestige beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsPrestige(X) X(DECLARED, Requirements)

// Entry requirements of a prestige class.
class ORVANE_API clsPrestige : public Record {
    ORVANE_RECORD(clsPrestige)
    clsPrestige();
    clsPrestige(const clsPrestige& other);  // owns a copy of the requirements
    clsPrestige& operator=(const clsPrestige& other);
    std::string Name;
    std::shared_ptr<clsRequirements> Requirements;

    ORVANE_MEMBERS(clsPrestige)
};

// The members of clsClass beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsClass(X)                                                             \
    X(SIMPLE_FAMILY, classSkills_, SetClassSkills, HasClassSkills, GetNumSkills, IsClassSkill, \
      GetClassSkill, GetClassSklList)                                                          \
    ORVANE_RESTRICTION_FAMILIES(X)                                                             \
    X(SIMPLE_FAMILY, tradeLevels_, SetTradeLevels, HasTradeLevels, GetNumTradeLevels,          \
      IsTradeLevels, GetTradeLevels, GetTradeLevelsList)                                       \
    X(DECLARED, objPrestige)

// A character class: what kind it is, its per-level numbers and the lists that bind it to
// other entries.
class ORVANE_API clsClass : public Record {
    ORVANE_RECORD(clsClass)
    clsClass() { Clear(); }
    std::string Name;
    bool Hero = false;
    bool Prestige = false;
    bool Aumen = false;
    bool Vael = false;
    bool Khor = false;
    Integer Vitality = 0;
    Integer SkillPoints = 0;
    Integer NormalSklPts = 0;
    Integer AumenSklPts = 0;
    Integer WisVitality = 0;
    Integer MaxLevel = 0;
    std::string Source;
    std::string Description;
    std::shared_ptr<clsPrestige> objPrestige;  // attached by the caller; never filled here

    ORVANE_MEMBERS(clsClass)

  private:
    clsListSimple classSkills_;
    clsListSimple forbidClasses_;
    clsListSimple forbidSkills_;
    clsListSimple forbidFeats_;
    clsListLevel restricted_;
    clsListSimple tradeLevels_;
};

// The members of clsClassLevel beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsClassLevel(X)                                                            \
    X(FWD_SIZE, specQual_, GetNumSpecQuals)                                                        \
    X(FWD_IN, specQual_, IsSpecQual)                                                               \
    X(FWD_AT, specQual_, GetSpecialQuality, GetItem)                                               \
    X(FWD_HAS, specQual_, HasSpecQual)                                                             \
    X(FWD_TEXT, specQual_, GetSpecQualList)                                                        \
    X(FWD_SET, givenFeats_, SetGivenFeats)                                                         \
    X(FWD_HAS, givenFeats_, HasGivenFeats)                                                         \
    X(FWD_SIZE, givenFeats_, GetNumGivenFeats)                                                     \
    X(FWD_AT, givenFeats_, GetGivenFeatName, GetName)                                              \
    X(FWD_AT, givenFeats_, GetGivenFeatLevel, GetRank)                                             \
    X(FWD_TEXT, givenFeats_, GetGivenFeatList)                                                     \
    X(BONUS_FAMILY, bonusFeats_, SetBonusFeats, HasBonusFeats, GetNumBonusFeats, GetBonusFeatName, \
      GetBonusFeatNum, GetBonusFeatLevel, GetBonusFeatQuan, GetBonusFeatList)                      \
    X(BONUS_FAMILY, crossClass_, SetCrossClass, HasCrossClass, GetNumCrossClass,                   \
      GetCrossClassName, GetCrossClassNum, GetCrossClassLevel, GetCrossClassQuan,                  \
      GetCrossClassList)                                                                           \
    X(BONUS_FAMILY_V, skillMastery_, SetSkillMastery, HasSkillMastery, GetNumSkillMastery,         \
      GetSkillMasteryName, GetSkillMasteryNum, GetSkillMasteryLevel, GetSkillMasteryQuan,          \
      GetSkillMasteryList)                                                                         \
    X(BONUS_FAMILY_V, bonusFeatures_, SetBonusFeatures, HasBonusFeatures, GetNumBonusFeatures,     \
      GetBonusFeaturesName, GetBonusFeaturesNum, GetBonusFeaturesLevel, GetBonusFeaturesQuan,      \
      GetBonusFeaturesList)                                                                        \
    X(DECLARED, SaveAppend)                                                                        \
    X(DECLARED, LoadAppend)                                                                        \
    X(DECLARED, SetSpecialQualities)

// What a character gains at one level of one class.
class ORVANE_API clsClassLevel : public Record, public QualitySlots<clsClassLevel> {
    ORVANE_RECORD(clsClassLevel)
    clsClassLevel() { Clear(); }
    std::string Name;
    Integer Level = 0;
    Integer Attack = 0;
    Integer FortSave = 0;
    Integer RefSave = 0;
    Integer WillSave = 0;
    Integer Defense = 0;
    Integer Reputation = 0;
    std::string Glowblade;

    // The fifteen lines of the file at the current position of a file the caller has open.
    void SaveAppend(Integer iFileNum) const;
    void LoadAppend(Integer iFileNum);  // clears first

    // Sets the list and gives the object slots one empty slot per entry.
    void SetSpecialQualities(const std::string& strSpecQuals);
    ORVANE_MEMBERS(clsClassLevel)

  private:
    friend class QualitySlots<clsClassLevel>;
    Integer SpecQualCount() const { return specQual_.GetSize(); }

    clsListSimple specQual_;
    clsListLevel givenFeats_;
    clsListBonus bonusFeats_;
    clsListBonus crossClass_;
    clsListBonus skillMastery_;
    clsListBonus bonusFeatures_;
};

// The members of clsSkills beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsSkills(X)                                                             \
    X(SYNERGY_CORE, synergy_)                                                                   \
    X(FWD_HAS, synergy_, HasSynergy)                                                            \
    X(FWD_TEXT, synergy_, SynergyList)                                                          \
    X(SIMPLE_FAMILY, exclClass_, SetExclClass, HasExclClass, GetNumExclClass, IsExclClass,      \
      GetExclClass, ExclClassList)                                                              \
    X(FWD_SET, subSynergy_, SetSubSynergy)                                                      \
    X(FWD_HAS, subSynergy_, HasSubSynergy)                                                      \
    X(FWD_SIZE, subSynergy_, GetNumSubSynergy)                                                  \
    X(FWD_AT, subSynergy_, GetSubSynergySub, GetSubSkill)                                       \
    X(FWD_AT, subSynergy_, GetSubSynergyLevel, GetLevel)                                        \
    X(FWD_AT, subSynergy_, GetSubSynergySkill, GetSkill)                                        \
    X(FWD_AT, subSynergy_, GetSubSynergyBonus, GetBonus)                                        \
    X(FWD_TEXT, subSynergy_, SubSynergyList)                                                    \
    X(SIMPLE_FAMILY, subSuggest_, SetSubSuggest, HasSubSuggest, GetNumSubSuggest, IsSubSuggest, \
      GetSubSuggest, SubSuggestList)                                                            \
    X(DECLARED, objRequirements)                                                                \
    X(DECLARED, SetAbility)                                                                     \
    X(DECLARED, GetAbility)                                                                     \
    X(DECLARED, SetSecondary)                                                                   \
    X(DECLARED, GetSecondary)

// A skill: the abilities it keys off, how it may be used, its synergies and prerequisites.
class ORVANE_API clsSkills : public Record {
    ORVANE_RECORD(clsSkills)
    clsSkills();
    clsSkills(const clsSkills& other);  // owns a copy of the requirements
    clsSkills& operator=(const clsSkills& other);
    std::string Name;
    bool SubSkills = false;
    Integer SubNumber = 0;
    bool TrainedOnly = false;
    bool ArmorCheck = false;
    bool Aumen = false;
    bool DarkSide = false;
    bool LightSide = false;
    std::string Source;
    std::string Notes;
    bool CreatureUse = false;
    std::string Description;
    bool DroidUse = false;
    bool UntrainedHeuristic = false;
    std::shared_ptr<clsRequirements> objRequirements;

    // A text beginning with the first three letters of an ability's name (or "Aumen")
    // stores the full name; any other text is stored as it is.
    void SetAbility(const std::string& strAbility);
    std::string GetAbility() const { return ability_; }
    // As SetAbility; an empty text or one beginning with "Non" stores "None".
    void SetSecondary(const std::string& strSecondary);
    std::string GetSecondary() const { return secondary_; }

    ORVANE_MEMBERS(clsSkills)

  private:
    std::string ability_;
    std::string secondary_;
    clsListSynergy synergy_;
    clsListSimple exclClass_;  // kept in memory and in files, never in the database
    clsListSubSynergy subSynergy_;
    clsListSimple subSuggest_;
};

// The members of clsSkillMastery beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsSkillMastery(X)                                                      \
    X(SIMPLE_FAMILY, skills_, SetSkills, HasSkills, GetNumSkill, IsSkill, GetSkill, SkillList) \
    X(DECLARED, UseWisScore)

// A named set of skills with a number; class levels grant skill mastery by name.
class ORVANE_API clsSkillMastery : public Record {
    ORVANE_RECORD(clsSkillMastery)
    clsSkillMastery() { Clear(); }
    std::string Name;
    Integer Number = 0;

    ORVANE_MEMBERS(clsSkillMastery)
    // True when Number is 0.
    bool UseWisScore() const { return Number == 0; }

  private:
    clsListSimple skills_;
};

// The members of clsFeats beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsFeats(X)                                                                \
    X(LEVEL_FAMILY, bonus_, SkillBonus, SetGivBonus, GetNumGivBonus, IsGivBonus, GetGivBonusName, \
      GetGivBonusRank, BonusList)                                                                 \
    X(DECLARED, Requirements)

// A feat: whether it can be taken again, the skill bonuses it gives, its prerequisites.
class ORVANE_API clsFeats : public Record {
    ORVANE_RECORD(clsFeats)
    clsFeats();
    clsFeats(const clsFeats& other);  // owns a copy of the requirements
    clsFeats& operator=(const clsFeats& other);
    std::string Name;
    bool GainMultiple = false;
    bool AumenFeat = false;
    std::string Source;
    std::string Notes;
    std::string Description;
    std::shared_ptr<clsRequirements> Requirements;

    ORVANE_MEMBERS(clsFeats)

  private:
    clsListLevel bonus_;  // skill name with its bonus; not part of the text file
};

// The members of clsBonus beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsBonus(X)      \
    X(FWD_SET, feats_, SetFeats)        \
    X(FWD_SIZE, feats_, GetNumFeats)    \
    X(FWD_IN, feats_, IsFeat)           \
    X(FWD_AT, feats_, GetFeat, GetItem) \
    X(FWD_TEXT, feats_, FeatList)

// A named pool from which a class level's bonus feats are chosen.
class ORVANE_API clsBonus : public Record {
    ORVANE_RECORD(clsBonus)
    clsBonus() { Clear(); }
    std::string Name;
    bool IncludeExotic = false;
    bool IncludeSklNormal = false;
    bool IncludeSklAumen = false;
    bool IncludeAllNormal = false;
    bool IncludeAllAumen = false;
    bool RequireSklRanks = false;

    ORVANE_MEMBERS(clsBonus)

  private:
    clsListSimple feats_;
};

// The members of clsFeatures beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsFeatures(X)                                                            \
    X(SIMPLE_FAMILY, features_, SetFeatures, HasFeatures, GetNumFeatures, IsFeature, GetFeature, \
      FeatureList)

// A named pool of bonus features.
class ORVANE_API clsFeatures : public Record {
    ORVANE_RECORD(clsFeatures)
    clsFeatures() { Clear(); }
    std::string Name;
    bool Multiple = false;
    Integer Number = 0;

    ORVANE_MEMBERS(clsFeatures)

  private:
    clsListSimple features_;
};

// The members of clsCrossClass beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsCrossClass(X)                                                     \
    X(SIMPLE_FAMILY, skills_, SetCrossClass, HasCrossClass, GetNumCrossClass, IsCrossClass, \
      GetCrossClass, CrossClassList)

// A named list of skills a class level can open as cross-class skills.
class ORVANE_API clsCrossClass : public Record {
    ORVANE_RECORD(clsCrossClass)
    clsCrossClass() { Clear(); }
    std::string Name;

    ORVANE_MEMBERS(clsCrossClass)

  private:
    clsListSimple skills_;
};

}  // namespace OrvaneLib

// The kinds of this family and their clsDatabase operations (see ORVANE_DECLARE_KIND).
// Skills have a second list, GetSkillList, declared by clsDatabase itself.
#define ORVANE_CHARACTER_KINDS(X)                                                              \
    X(clsSpecies, 0, TEXT_DESCRIBED, SpeciesList, GetSpeciesInfo, AddSpecies, DelSpecies)      \
    X(clsClass, 0, TEXT_DESCRIBED, GetClassList, GetClassInfo, AddClass, DelClass)             \
    X(clsClassLevel, 0, TEXT_LEVEL, GetClassLevelList, GetClassLevelInfo, AddClassLevel,       \
      DelClassLevel)                                                                           \
    X(clsPrestige, 0, TEXT, GetClassPrestigeList, GetClassPrestigeInfo, AddClassPrestige,      \
      DelClassPresitige)                                                                       \
    X(clsBonus, 0, TEXT, GetBonusList, GetBonusInfo, AddBonus, DelBonus)                       \
    X(clsSkills, 0, TEXT_DESCRIBED, GetAllSkillList, GetSkillInfo, AddSkill, DelSkill)         \
    X(clsFeats, 0, TEXT_DESCRIBED, GetFeatList, GetFeatInfo, AddFeat, DelFeat)                 \
    X(clsCrossClass, 0, TEXT, CrossClassList, GetCrossClassInfo, AddCrossClass, DelCrossClass) \
    X(clsSkillMastery, 0, TEXT, SkillMasteryList, GetSkillMasteryInfo, AddSkillMastery,        \
      DelSkillMastery)                                                                         \
    X(clsSpecialQualities, 0, TEXT_DESCRIBED, GetSpecialQualityList, GetSpecialQualityInfo,    \
      AddSpecialQuality, DelSpecialQuality)                                                    \
    X(clsFeatures, 0, TEXT, BonusFeatureList, GetFeatureInfo, AddFeature, DelFeature)

namespace OrvaneLib {
ORVANE_CHARACTER_KINDS(ORVANE_DESCRIBED_KIND)
}  // namespace OrvaneLib
