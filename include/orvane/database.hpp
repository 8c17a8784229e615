// clsDatabase: the connection to the rules database and every operation on it.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "orvane/types.hpp"

namespace OrvaneLib {

namespace detail {
struct DatabaseState;
}
class KindInfo;

class clsHomeworld;
class clsSpecies;
class clsAge;
class clsClass;
class clsClassLevel;
class clsPrestige;
class clsBonus;
class clsSkills;
class clsArmor;
class clsFeats;
class clsEquipment;
class clsCrossClass;
class clsSkillMastery;
class clsWeapon;
class clsSpecialQualities;
class clsSizes;
class clsFeatures;
class clsStarshipWeapon;
class clsClassCreature;
class clsCreatureLevel;
class clsCreatureDetail;
class clsCreatureTemplate;
class clsCreatureClimate;
class clsVehicleWeapon;
class clsDroidBonus;
class clsDroidDegree;
class clsDroidEquip;
class clsDroidMakers;
class clsDroidQuirks;
class clsStarshipArmor;
class clsStarshipCost;
class clsStarshipCrew;
class clsStarshipEmplacement;
class clsStarshipHull;
class clsStarshipHyperdrive;
class clsStarshipShields;
class clsStarshipSize;
class clsStarshipStowage;
class clsStarshipSupply;
class clsStarshipEngine;
class clsStarshipYards;

// Creates a new rules database file from the library's schema, empty or with the sample
// content. Refuses to overwrite an existing file; throws std::runtime_error on failure.
void CreateRulesDatabase(const std::string& path, bool withSample);

// For tools that make, stamp and inspect rules database files beside a clsDatabase; each
// opens the existing file itself and throws std::runtime_error when it cannot.
// SetDatabaseInfo writes the information row that FileDate and Version read (the first row
// of tblInfo, added when there is none): today's date ("2026-12-01") and `version`.
// MissingSchemaTables names the tables and stored queries of the schema that the file lacks
// (all of them for a file that is no rules database). KeywordRows gives every row of the
// keyword list with its own number as text, in table order (none without the table).
void SetDatabaseInfo(const std::string& path, const std::string& version);
std::vector<std::string> MissingSchemaTables(const std::string& path);
std::vector<std::pair<std::string, std::string>> KeywordRows(const std::string& path);

class clsDatabase : public Object {
  public:
    clsDatabase();  // creation steps; throws if creation fails
    ~clsDatabase() override;
    clsDatabase(const clsDatabase&) = delete;
    clsDatabase& operator=(const clsDatabase&) = delete;
    std::string ClassName() const override { return "clsDatabase"; }

    void Clear();
    std::string Name() const;
    void Name(const std::string& path);
    bool Messaging() const;
    void Messaging(bool value);
    bool Logging() const;
    void Logging(bool value);
    std::string FileDate();
    std::string Version();

    // Bulk work: the operations between BeginTrans and CommitTrans are stored together in
    // one commit (much faster for thousands of adds); Rollback discards them instead.
    // Failures are reported like those of every other operation.
    void BeginTrans();
    void CommitTrans();
    void Rollback();

    // Lookup lists.
    ListResult AbilityList();
    void AddAbility(const std::string& strAbility, Integer iOrder);
    void DelAbility(const std::string& strAbility);
    Integer GetAbility(const std::string& strAbility);
    ListResult KeywordList();
    void AddKeyword(const std::string& strKeyword, Integer strName);
    void DelKeyword(const std::string& strKeyword);
    std::string GetKeyword(const std::string& strKeyword);
    ListResult LanguageList();
    void AddLanguage(const std::string& strLanguage);
    void DelLanguage(const std::string& strLanguage);
    ListResult RegionList();
    void AddRegion(const std::string& strRegion);
    void DelRegion(const std::string& strRegion);
    ListResult GetColorList();
    void AddColor(const std::string& strColor);
    void DelColor(const std::string& strColor);

    // Record kinds: a list, a read (nullptr when there is no record), an add (a null record
    // does nothing) and a delete each.
    ListResult HomeworldList();
    std::shared_ptr<clsHomeworld> HomeworldInfo(const std::string& strHomeworld);
    void AddHomeworld(const clsHomeworld* record);
    void DelHomeworld(const std::string& name);

    ListResult SpeciesList();
    std::shared_ptr<clsSpecies> GetSpeciesInfo(const std::string& strSpecies,
                                               bool bDescript = false);
    void AddSpecies(const clsSpecies* record);
    void DelSpecies(const std::string& name);

    ListResult AgeList();
    std::shared_ptr<clsAge> GetAgeInfo(const std::string& strAge);
    void AddAge(const clsAge* record);
    void DelAge(const std::string& name);

    ListResult GetClassList();
    std::shared_ptr<clsClass> GetClassInfo(const std::string& strClass, bool bDescript = false);
    void AddClass(const clsClass* record);
    void DelClass(const std::string& strClass);

    ListResult GetClassLevelList();
    std::shared_ptr<clsClassLevel> GetClassLevelInfo(const std::string& strClass, Integer iLevel);
    void AddClassLevel(const clsClassLevel* record);
    void DelClassLevel(const std::string& strClass, Integer iLevel);

    ListResult GetClassPrestigeList();
    std::shared_ptr<clsPrestige> GetClassPrestigeInfo(const std::string& strClass);
    void AddClassPrestige(const clsPrestige* record);
    void DelClassPresitige(const std::string& strClass);

    ListResult GetBonusList();
    std::shared_ptr<clsBonus> GetBonusInfo(const std::string& strBonus);
    void AddBonus(const clsBonus* record);
    void DelBonus(const std::string& strBonus);

    ListResult GetAllSkillList();
    ListResult GetSkillList(bool bAumenSkills = false);
    std::shared_ptr<clsSkills> GetSkillInfo(const std::string& strSkill, bool bDescript = false);
    void AddSkill(const clsSkills* record);
    void DelSkill(const std::string& strSkill);

    ListResult GetArmorList();
    std::shared_ptr<clsArmor> GetArmorInfo(const std::string& strArmor, bool bDescript = false);
    void AddArmor(const clsArmor* record);
    void DelArmor(const std::string& name);

    ListResult GetFeatList();
    std::shared_ptr<clsFeats> GetFeatInfo(const std::string& strFeat, bool bDescript = false);
    void AddFeat(const clsFeats* record);
    void DelFeat(const std::string& strFeat);

    ListResult GetEquipmentList();
    std::shared_ptr<clsEquipment> GetEquipmentInfo(const std::string& strEquip,
                                                   bool bDescript = false);
    void AddEquipment(const clsEquipment* record);
    void DelEquipment(const std::string& name);

    ListResult CrossClassList();
    std::shared_ptr<clsCrossClass> GetCrossClassInfo(const std::string& strCrossClass);
    void AddCrossClass(const clsCrossClass* record);
    void DelCrossClass(const std::string& name);

    ListResult SkillMasteryList();
    std::shared_ptr<clsSkillMastery> GetSkillMasteryInfo(const std::string& strSkillMastery);
    void AddSkillMastery(const clsSkillMastery* record);
    void DelSkillMastery(const std::string& name);

    ListResult GetWeaponList();
    std::shared_ptr<clsWeapon> GetWeaponInfo(const std::string& strWeapons, bool bDescript = false);
    void AddWeapon(const clsWeapon* record);
    void DelWeapon(const std::string& name);

    ListResult GetSpecialQualityList();
    std::shared_ptr<clsSpecialQualities> GetSpecialQualityInfo(const std::string& strSpecialQuality,
                                                               bool bDescript = false);
    void AddSpecialQuality(const clsSpecialQualities* record);
    void DelSpecialQuality(const std::string& name);

    ListResult SizeList();
    std::shared_ptr<clsSizes> GetSizeInfo(const std::string& strSize);
    void AddSize(const clsSizes* record);
    void DelSize(const std::string& name);

    ListResult BonusFeatureList();
    std::shared_ptr<clsFeatures> GetFeatureInfo(const std::string& strFeature);
    void AddFeature(const clsFeatures* record);
    void DelFeature(const std::string& name);

    ListResult StarshipWeaponList();
    std::shared_ptr<clsStarshipWeapon> GetStarshipWeaponInfo(const std::string& strWeapon);
    void AddStarshipWeapon(const clsStarshipWeapon* record);
    void DelStarshipWeapon(const std::string& name);

    ListResult ClassCreatureList();
    std::shared_ptr<clsClassCreature> GetClassCreatureInfo(const std::string& strCreature);
    void AddClassCreature(const clsClassCreature* record);
    void DelClassCreature(const std::string& name);

    ListResult GetCreatureLevelList();
    std::shared_ptr<clsCreatureLevel> GetCreatureLevelInfo(const std::string& strCreature,
                                                           Integer iLevel);
    void AddCreatureLevel(const clsCreatureLevel* record);
    void DelCreatureLevel(const std::string& strCreature, Integer iLevel);

    ListResult GetCreatureDetailList();
    std::shared_ptr<clsCreatureDetail> GetCreatureDetailInfo(const std::string& strCreature,
                                                             const std::string& strSize);
    void AddCreatureDetail(const clsCreatureDetail* record);
    void DelCreatureDetail(const std::string& strCreature, const std::string& strSize);

    ListResult CreatureTemplateList();
    std::shared_ptr<clsCreatureTemplate> GetCreatureTemplateInfo(const std::string& strTemplate);
    void AddCreatureTemplate(const clsCreatureTemplate* record);
    void DelCreatureTemplate(const std::string& name);

    ListResult CreatureClimateList();
    std::shared_ptr<clsCreatureClimate> GetCreatureClimateInfo(const std::string& strClimate);
    void AddCreatureClimate(const clsCreatureClimate* record);
    void DelCreatureClimate(const std::string& name);

    ListResult VehicleWeaponList();
    std::shared_ptr<clsVehicleWeapon> GetVehicleWeaponInfo(const std::string& strWeapon);
    void AddVehicleWeapon(const clsVehicleWeapon* record);
    void DelVehicleWeapon(const std::string& name);

    ListResult DroidBonusList();
    std::shared_ptr<clsDroidBonus> DroidBonusInfo(const std::string& strBonus);
    void AddDroidBonus(const clsDroidBonus* record);
    void DelDroidBonus(const std::string& name);

    ListResult DroidDegreeList();
    std::shared_ptr<clsDroidDegree> DroidDegreeInfo(const std::string& strDegree);
    void AddDroidDegree(const clsDroidDegree* record);
    void DelDroidDegree(const std::string& name);

    ListResult DroidEquipmentList();
    std::shared_ptr<clsDroidEquip> DroidEquipmentInfo(const std::string& strEquip);
    void AddDroidEquipment(const clsDroidEquip* record);
    void DelDroidEquipment(const std::string& name);

    ListResult DroidMakersList();
    std::shared_ptr<clsDroidMakers> DroidMakersInfo(const std::string& strMakers);
    void AddDroidMakers(const clsDroidMakers* record);
    void DelDroidMakers(const std::string& name);

    ListResult DroidQuirksList();
    std::shared_ptr<clsDroidQuirks> DroidQuirksInfo(const std::string& strQuirks);
    void AddDroidQuirks(const clsDroidQuirks* record);
    void DelDroidQuirks(const std::string& name);

    ListResult StarshipArmorList();
    std::shared_ptr<clsStarshipArmor> StarshipArmorInfo(const std::string& strSize);
    void AddStarshipArmor(const clsStarshipArmor* record);
    void DelStarshipArmor(const std::string& strSize);

    ListResult StarshipCostList();
    std::shared_ptr<clsStarshipCost> StarshipCostInfo(Integer iMinPoints);
    void AddStarshipCost(const clsStarshipCost* record);
    void DelStarshipCost(Integer iMinPoints);

    ListResult StarshipCrewList(bool bStation = false);
    std::shared_ptr<clsStarshipCrew> StarshipCrewInfo(Integer iPoints, bool bStation = false);
    void AddStarshipCrew(const clsStarshipCrew* record);
    void DelStarshipCrew(Integer iPoints, bool bStation = false);

    ListResult StarshipEmplacementList(bool bStation = false);
    std::shared_ptr<clsStarshipEmplacement> StarshipEmplacementInfo(Integer iPoints,
                                                                    bool bStation = false);
    void AddStarshipEmplacement(const clsStarshipEmplacement* record);
    void DelStarshipEmplacement(Integer iPoints, bool bStation = false);

    ListResult StarshipHullList(bool bStation = false);
    std::shared_ptr<clsStarshipHull> StarshipHullInfo(Integer iPoints, bool bStation = false);
    void AddStarshipHull(const clsStarshipHull* record);
    void DelStarshipHull(Integer iPoints, bool bStation = false);

    ListResult StarshipLifeList(bool bStation = false);
    std::shared_ptr<clsStarshipCrew> StarshipLifeInfo(Integer iPoints, bool bStation = false);
    void AddStarshipLife(const clsStarshipCrew* record);
    void DelStarshipLife(Integer iPoints, bool bStation = false);

    ListResult StarshipHyperdriveList(bool bStation = false);
    std::shared_ptr<clsStarshipHyperdrive> StarshipHyperdriveInfo(const std::string& strDrive,
                                                                  bool bStation = false);
    void AddStarshipHyperdrive(const clsStarshipHyperdrive* record);
    void DelStarshipHyperdrive(const std::string& strDrive, bool bStation = false);

    ListResult StarshipShieldsList(bool bStation = false);
    std::shared_ptr<clsStarshipShields> StarshipShieldsInfo(Integer iPoints, bool bStation = false);
    void AddStarshipShields(const clsStarshipShields* record);
    void DelStarshipShields(Integer iPoints, bool bStation = false);

    ListResult StarshipSizeList(bool bStation = false);
    std::shared_ptr<clsStarshipSize> StarshipSizeInfo(const std::string& strSize,
                                                      bool bStation = false);
    void AddStarshipSize(const clsStarshipSize* record);
    void DelStarshipSize(const std::string& strSize, bool bStation = false);

    ListResult StarshipStowageList(bool bStation = false);
    std::shared_ptr<clsStarshipStowage> StarshipStowageInfo(Integer iPoints, bool bStation = false);
    void AddStarshipStowage(const clsStarshipStowage* record);
    void DelStarshipStowage(Integer iPoints, bool bStation = false);

    ListResult StarshipSupplyList(bool bStation = false);
    std::shared_ptr<clsStarshipSupply> StarshipSupplyInfo(Integer iPoints, bool bStation = false);
    void AddStarshipSupply(const clsStarshipSupply* record);
    void DelStarshipSupply(Integer iPoints, bool bStation = false);

    ListResult StarshipEngineList(bool bStation = false);
    std::shared_ptr<clsStarshipEngine> StarshipEngineInfo(Integer iPoints, bool bStation = false);
    void AddStarshipEngine(const clsStarshipEngine* record);
    void DelStarshipEngine(Integer iPoints, bool bStation = false);

    ListResult StarshipYardsList();
    std::shared_ptr<clsStarshipYards> StarshipYardsInfo(const std::string& strYards);
    void AddStarshipYards(const clsStarshipYards* record);
    void DelStarshipYards(const std::string& strYards);

  private:
    friend class KindInfo;  // runs the record operations by kind
    std::unique_ptr<detail::DatabaseState> state_;
};

}  // namespace OrvaneLib
