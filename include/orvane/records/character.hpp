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
// outright, and skills restricted to a level. Both name their families alike.
#define ORVANE_RESTRICTION_FAMILIES                                                                \
    ORVANE_SIMPLE_FAMILY(forbidClasses_, SetForbiddenClasses, HasForbiddenClass,                   \
                         GetNumForbiddenClasses, IsForbiddenClass, GetForbiddenClass,              \
                         GetForbidClassList)                                                       \
    ORVANE_SIMPLE_FAMILY(forbidSkills_, SetForbiddenSkill, HasForbiddenSkill,                      \
                         GetNumForbiddenSkill, IsForbiddenSkill, GetForbiddenSkill,                \
                         GetForbidSkillList)                                                       \
    ORVANE_SIMPLE_FAMILY(forbidFeats_, SetForbiddenFeats, HasForbiddenFeats, GetNumForbiddenFeats, \
                         IsForbiddenFeats, GetForbiddenFeats, GetForbidFeatList)                   \
    ORVANE_LEVEL_FAMILY(restricted_, HasRestrictedSkill, SetRestrictedSkill,                       \
                        GetNumRestrictedSkill, IsRestrictedSkill, GetRestrictedSkillName,          \
                        GetRestrictedSkillLevel, GetRestSkillList)                                 \
    ORVANE_FWD_BYNAME(restricted_, GetRestSkillLevelFromName, GetRankFromName)

namespace OrvaneLib {

// A named ability that class levels and other entries grant, with what it brings along.
class ORVANE_API clsSpecialQualities : public Record {
    ORVANE_RECORD(clsSpecialQualities)
    clsSpecialQualities() { Clear(); }
    std::string Name;
    std::string Description;

    ORVANE_SIMPLE_FAMILY(specQual_, SetSpecQual, HasSpecQual, GetNumSpecQual, IsSpecQual,
                         GetSpecQual, SpecQualList)
    ORVANE_SIMPLE_FAMILY(givenFeats_, SetBonusFeat, HasBonusFeats, GetNumBonusFeat, IsBonusFeat,
                         GetBonusFeat, BonusFeatList)
    ORVANE_SIMPLE_FAMILY(bypassFeats_, SetBypassFeat, HasBypassFeats, GetNumBypassFeat,
                         IsBypassFeat, GetBypassFeat, BypassFeatList)
    ORVANE_SYNERGY_CORE(synergy_)
    ORVANE_FWD_HAS(synergy_, HasSynergy)
    ORVANE_SYNERGY_BY_SKILL(synergy_)
    ORVANE_FWD_TEXT(synergy_, GetSynergyList)
    ORVANE_SIMPLE_FAMILY(selections_, SetBonusSelections, HasBonusSelections, GetNumBonusSelections,
                         IsBonusSelection, GetBonusSelection, GetBonusSelectionList)

  private:
    clsListSimple specQual_;
    clsListSimple givenFeats_;
    clsListSimple bypassFeats_;
    clsListSimple selections_;
    clsListSynergy synergy_;
};

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

    ORVANE_SIMPLE_FAMILY(feats_, SetFeats, HasFeats, GetNumFeats, IsFeat, GetFeat, GetFeatList)
    ORVANE_SYNERGY_CORE(synergy_)
    ORVANE_SYNERGY_BY_SKILL(synergy_)
    ORVANE_FWD_TEXT(synergy_, GetSynergyList)

    ORVANE_FWD_HAS(specQual_, HasSpecQual)
    // Sets the list and gives the object slots one empty slot per entry.
    void SetSpecQual(const std::string& strSpecQual);
    ORVANE_FWD_SIZE(specQual_, GetNumSpecQual)
    ORVANE_FWD_IN(specQual_, IsSpecQual)
    ORVANE_FWD_AT(specQual_, GetSpecQual, GetItem)
    ORVANE_FWD_TEXT(specQual_, GetSpecQualList)

    ORVANE_SIMPLE_FAMILY(classSkills_, SetClsSkill, HasClsSkill, GetNumClsSkill, IsClsSkill,
                         GetClsSkill, GetClsSkillList)

    ORVANE_RESTRICTION_FAMILIES

    ORVANE_SIMPLE_FAMILY(speak_, SetSpeak, HasSpeak, GetNumSpeak, IsSpeak, GetSpeak, GetSpeakList)
    ORVANE_SIMPLE_FAMILY(write_, SetWrite, HasWrite, GetNumWrite, IsWrite, GetWrite, GetWriteList)
    ORVANE_SIMPLE_FAMILY(bonusFeats_, SetBonusFeats, HasBonusFeats, GetNumBonusFeats, IsBonusFeat,
                         GetBonusFeat, GetBonusFeatList)

    ORVANE_FWD_HAS(featReplace_, HasFeatReplace)
    ORVANE_FWD_SET(featReplace_, SetFeatReplace)
    ORVANE_FWD_SIZE(featReplace_, GetNumFeatReplace)
    ORVANE_FWD_AT(featReplace_, GetFeatReplaceClass, GetClass)
    ORVANE_FWD_AT(featReplace_, GetFeatReplaceOldFeat, GetOldFeat)
    ORVANE_FWD_AT(featReplace_, GetFeatReplaceNewFeat, GetNewFeat)
    ORVANE_FWD_IN(featReplace_, IsFeatReplaceClass)
    ORVANE_FWD_TEXT(featReplace_, GetFeatReplaceList)

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

// Entry requirements of a prestige class.
class ORVANE_API clsPrestige : public Record {
    ORVANE_RECORD(clsPrestige)
    clsPrestige();
    clsPrestige(const clsPrestige& other);  // owns a copy of the requirements
    clsPrestige& operator=(const clsPrestige& other);
    std::string Name;
    std::shared_ptr<clsRequirements> Requirements;
};

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

    ORVANE_SIMPLE_FAMILY(classSkills_, SetClassSkills, HasClassSkills, GetNumSkills, IsClassSkill,
                         GetClassSkill, GetClassSklList)

    ORVANE_RESTRICTION_FAMILIES

    ORVANE_SIMPLE_FAMILY(tradeLevels_, SetTradeLevels, HasTradeLevels, GetNumTradeLevels,
                         IsTradeLevels, GetTradeLevels, GetTradeLevelsList)

  private:
    clsListSimple classSkills_;
    clsListSimple forbidClasses_;
    clsListSimple forbidSkills_;
    clsListSimple forbidFeats_;
    clsListLevel restricted_;
    clsListSimple tradeLevels_;
};

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
    ORVANE_FWD_SIZE(specQual_, GetNumSpecQuals)
    ORVANE_FWD_IN(specQual_, IsSpecQual)
    ORVANE_FWD_AT(specQual_, GetSpecialQuality, GetItem)
    ORVANE_FWD_HAS(specQual_, HasSpecQual)
    ORVANE_FWD_TEXT(specQual_, GetSpecQualList)

    ORVANE_FWD_SET(givenFeats_, SetGivenFeats)
    ORVANE_FWD_HAS(givenFeats_, HasGivenFeats)
    ORVANE_FWD_SIZE(givenFeats_, GetNumGivenFeats)
    ORVANE_FWD_AT(givenFeats_, GetGivenFeatName, GetName)
    ORVANE_FWD_AT(givenFeats_, GetGivenFeatLevel, GetRank)
    ORVANE_FWD_TEXT(givenFeats_, GetGivenFeatList)

    ORVANE_BONUS_FAMILY(bonusFeats_, SetBonusFeats, HasBonusFeats, GetNumBonusFeats,
                        GetBonusFeatName, GetBonusFeatNum, GetBonusFeatLevel, GetBonusFeatQuan,
                        GetBonusFeatList)

    ORVANE_BONUS_FAMILY(crossClass_, SetCrossClass, HasCrossClass, GetNumCrossClass,
                        GetCrossClassName, GetCrossClassNum, GetCrossClassLevel, GetCrossClassQuan,
                        GetCrossClassList)

    ORVANE_BONUS_FAMILY_V(skillMastery_, SetSkillMastery, HasSkillMastery, GetNumSkillMastery,
                          GetSkillMasteryName, GetSkillMasteryNum, GetSkillMasteryLevel,
                          GetSkillMasteryQuan, GetSkillMasteryList)

    ORVANE_BONUS_FAMILY_V(bonusFeatures_, SetBonusFeatures, HasBonusFeatures, GetNumBonusFeatures,
                          GetBonusFeaturesName, GetBonusFeaturesNum, GetBonusFeaturesLevel,
                          GetBonusFeaturesQuan, GetBonusFeaturesList)

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

    ORVANE_SYNERGY_CORE(synergy_)
    ORVANE_FWD_HAS(synergy_, HasSynergy)
    ORVANE_FWD_TEXT(synergy_, SynergyList)

    ORVANE_SIMPLE_FAMILY(exclClass_, SetExclClass, HasExclClass, GetNumExclClass, IsExclClass,
                         GetExclClass, ExclClassList)

    ORVANE_FWD_SET(subSynergy_, SetSubSynergy)
    ORVANE_FWD_HAS(subSynergy_, HasSubSynergy)
    ORVANE_FWD_SIZE(subSynergy_, GetNumSubSynergy)
    ORVANE_FWD_AT(subSynergy_, GetSubSynergySub, GetSubSkill)
    ORVANE_FWD_AT(subSynergy_, GetSubSynergyLevel, GetLevel)
    ORVANE_FWD_AT(subSynergy_, GetSubSynergySkill, GetSkill)
    ORVANE_FWD_AT(subSynergy_, GetSubSynergyBonus, GetBonus)
    ORVANE_FWD_TEXT(subSynergy_, SubSynergyList)

    ORVANE_SIMPLE_FAMILY(subSuggest_, SetSubSuggest, HasSubSuggest, GetNumSubSuggest, IsSubSuggest,
                         GetSubSuggest, SubSuggestList)

  private:
    std::string ability_;
    std::string secondary_;
    clsListSynergy synergy_;
    clsListSimple exclClass_;  // kept in memory and in files, never in the database
    clsListSubSynergy subSynergy_;
    clsListSimple subSuggest_;
};

// A named set of skills with a number; class levels grant skill mastery by name.
class ORVANE_API clsSkillMastery : public Record {
    ORVANE_RECORD(clsSkillMastery)
    clsSkillMastery() { Clear(); }
    std::string Name;
    Integer Number = 0;

    ORVANE_SIMPLE_FAMILY(skills_, SetSkills, HasSkills, GetNumSkill, IsSkill, GetSkill, SkillList)
    // True when Number is 0.
    bool UseWisScore() const { return Number == 0; }

  private:
    clsListSimple skills_;
};

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

    ORVANE_LEVEL_FAMILY(bonus_, SkillBonus, SetGivBonus, GetNumGivBonus, IsGivBonus,
                        GetGivBonusName, GetGivBonusRank, BonusList)

  private:
    clsListLevel bonus_;  // skill name with its bonus; not part of the text file
};

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

    ORVANE_FWD_SET(feats_, SetFeats)
    ORVANE_FWD_SIZE(feats_, GetNumFeats)
    ORVANE_FWD_IN(feats_, IsFeat)
    ORVANE_FWD_AT(feats_, GetFeat, GetItem)
    ORVANE_FWD_TEXT(feats_, FeatList)

  private:
    clsListSimple feats_;
};

// A named pool of bonus features.
class ORVANE_API clsFeatures : public Record {
    ORVANE_RECORD(clsFeatures)
    clsFeatures() { Clear(); }
    std::string Name;
    bool Multiple = false;
    Integer Number = 0;

    ORVANE_SIMPLE_FAMILY(features_, SetFeatures, HasFeatures, GetNumFeatures, IsFeature, GetFeature,
                         FeatureList)

  private:
    clsListSimple features_;
};

// A named list of skills a class level can open as cross-class skills.
class ORVANE_API clsCrossClass : public Record {
    ORVANE_RECORD(clsCrossClass)
    clsCrossClass() { Clear(); }
    std::string Name;

    ORVANE_SIMPLE_FAMILY(skills_, SetCrossClass, HasCrossClass, GetNumCrossClass, IsCrossClass,
                         GetCrossClass, CrossClassList)

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
