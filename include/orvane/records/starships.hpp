// Starship and station components (crew quarters and life support, emplacements, hulls,
// hyperdrives, shields, stowage, supplies, engines, size classes, armour, cost bands, yards)
// and the weapons mounted on starships and vehicles.
#pragma once

#include <string>

#include "orvane/lists.hpp"
#include "orvane/record.hpp"

// The sizes family: the names of the ship sizes a component row applies to.
#define ORVANE_SIZES_FAMILY(list) \
    ORVANE_SIMPLE_FAMILY(list, SetSizes, HasSizes, GetNumSizes, IsSize, GetSize, GetSizeList)

namespace OrvaneLib {

// Crew quarters, or life support, for a band of design points.
class ORVANE_API clsStarshipCrew : public Record {
    ORVANE_RECORD(clsStarshipCrew)
    clsStarshipCrew() { Clear(); }
    Integer Points = 0;
    bool Station = false;
    Long MinCrew = 0;
    Long MaxCrew = 0;

    ORVANE_SIZES_FAMILY(sizes_)

  private:
    clsListSimple sizes_;
};

// Weapon emplacements for a band of design points.
class ORVANE_API clsStarshipEmplacement : public Record {
    ORVANE_RECORD(clsStarshipEmplacement)
    clsStarshipEmplacement() { Clear(); }
    Long Points = 0;
    bool Station = false;
    Long MinEmplace = 0;
    Long MaxEmplace = 0;

    ORVANE_SIZES_FAMILY(sizes_)

  private:
    clsListSimple sizes_;
};

// Hull points for a band of design points.
class ORVANE_API clsStarshipHull : public Record {
    ORVANE_RECORD(clsStarshipHull)
    clsStarshipHull() { Clear(); }
    Long Points = 0;
    bool Station = false;
    Long MinHull = 0;
    Long MaxHull = 0;

    ORVANE_SIZES_FAMILY(sizes_)

  private:
    clsListSimple sizes_;
};

// Shields for a band of design points, with the sizes that pay double for them.
class ORVANE_API clsStarshipShields : public Record {
    ORVANE_RECORD(clsStarshipShields)
    clsStarshipShields() { Clear(); }
    Long Points = 0;
    bool Station = false;
    Long MinShields = 0;
    Long MaxShields = 0;

    ORVANE_SIZES_FAMILY(sizes_)
    ORVANE_SIMPLE_FAMILY(doubleCost_, SetDoubleCost, HasDoubleCost, GetNumDoubleCost, IsDoubleCost,
                         GetDoubleCost, GetDoubleCostList)

  private:
    clsListSimple sizes_;
    clsListSimple doubleCost_;
};

// A hyperdrive class with its normal and backup costs.
class ORVANE_API clsStarshipHyperdrive : public Record {
    ORVANE_RECORD(clsStarshipHyperdrive)
    clsStarshipHyperdrive() { Clear(); }
    std::string Drive;
    bool Station = false;
    Long NormalPoints = 0;
    Long BackupPoints = 0;

    ORVANE_SIZES_FAMILY(sizes_)

  private:
    clsListSimple sizes_;
};

// Cargo space for a band of design points.
class ORVANE_API clsStarshipStowage : public Record {
    ORVANE_RECORD(clsStarshipStowage)
    clsStarshipStowage() { Clear(); }
    Long Points = 0;
    bool Station = false;
    Long MinCargo = 0;
    bool MinMetric = false;
    Long MaxCargo = 0;
    bool MaxMetric = false;

    ORVANE_SIZES_FAMILY(sizes_)

  private:
    clsListSimple sizes_;
};

// Supplies for a band of design points: how long they last and in which unit.
class ORVANE_API clsStarshipSupply : public Record {
    ORVANE_RECORD(clsStarshipSupply)
    clsStarshipSupply() { Clear(); }
    Long Points = 0;
    bool Station = false;
    Long Time = 0;
    bool Day = false;
    bool Week = false;
    bool Month = false;
    bool Year = false;

    ORVANE_SIZES_FAMILY(sizes_)

  private:
    clsListSimple sizes_;
};

// An engine for a band of design points.
class ORVANE_API clsStarshipEngine : public Record {
    ORVANE_RECORD(clsStarshipEngine)
    clsStarshipEngine() { Clear(); }
    std::string Speed;
    Long Points = 0;
    bool Station = false;
    std::string Quality;
    Integer AttackBonus = 0;
    Integer PilotBonus = 0;

    ORVANE_SIZES_FAMILY(sizes_)

  private:
    clsListSimple sizes_;
};

// A size class of starships or stations.
class ORVANE_API clsStarshipSize : public Record {
    ORVANE_RECORD(clsStarshipSize)
    clsStarshipSize() { Clear(); }
    std::string Size;
    bool Station = false;
    std::string SizeType;
    Integer Modifier = 0;
    Long Points = 0;
    Integer DR = 0;
    Integer Armor = 0;
    Long MinLength = 0;
    Long MaxLength = 0;
    Long MinWeight = 0;
    Long MaxWeight = 0;
    Integer MaxSlips = 0;
    Long BackupGenCost = 0;
    Long BackupEmpCost = 0;
    Long SlaveCircCost = 0;
};

// The armour of one size class.
class ORVANE_API clsStarshipArmor : public Record {
    ORVANE_RECORD(clsStarshipArmor)
    clsStarshipArmor() { Clear(); }
    std::string Size;
    Integer DR = 0;
    Integer Armor = 0;
    Long Cost = 0;
    Integer PilotBonus = 0;
};

// A cost band, keyed by its minimum design points.
class ORVANE_API clsStarshipCost : public Record {
    ORVANE_RECORD(clsStarshipCost)
    clsStarshipCost() { Clear(); }
    Long MinPoints = 0;
    Long MaxPoints = 0;
    Single BaseCost = 0;
    bool BaseMega = false;
    Single ModCost = 0;
    bool ModMega = false;
};

// A shipyard and its price multiplier.
class ORVANE_API clsStarshipYards : public Record {
    ORVANE_RECORD(clsStarshipYards)
    clsStarshipYards() { Clear(); }
    std::string Yard;
    Single Multiplier = 0;
};

// A weapon mounted on a starship. A new one has damage type "0" and emplacement 5.
class ORVANE_API clsStarshipWeapon : public Record {
    ORVANE_RECORD(clsStarshipWeapon)
    clsStarshipWeapon() { Clear(); }
    std::string Name;
    std::string Size;
    Long Cost = 0;
    Integer FireControl = 0;
    Integer BatteryFire = 0;
    Integer DamageNum = 0;
    std::string DamageType = "0";
    std::string PointBlank;
    std::string ShortRange;
    std::string MediumRange;
    std::string LongRange;
    bool MultFire = false;
    bool AutoFire = false;
    Integer Emplacement = 5;
};

// A weapon mounted on a vehicle.
class ORVANE_API clsVehicleWeapon : public Record {
    ORVANE_RECORD(clsVehicleWeapon)
    clsVehicleWeapon() { Clear(); }
    std::string Name;
    std::string Size;
    Integer FireControl = 0;
    Integer PriDamageNum = 0;
    std::string PriDamageType;
    Integer SecDamageNum = 0;
    std::string SecDamageType;
    Long Range = 0;
    Integer MaxIncrements = 0;
};

}  // namespace OrvaneLib

#undef ORVANE_SIZES_FAMILY

// The kinds of this family and their clsDatabase operations (see ORVANE_DECLARE_KIND). Crew
// quarters and life support share their record class and are stored in two tables.
#define ORVANE_STARSHIP_KINDS(X)                                                                   \
    X(clsStarshipWeapon, 0, TEXT, StarshipWeaponList, GetStarshipWeaponInfo, AddStarshipWeapon,    \
      DelStarshipWeapon)                                                                           \
    X(clsVehicleWeapon, 0, TEXT, VehicleWeaponList, GetVehicleWeaponInfo, AddVehicleWeapon,        \
      DelVehicleWeapon)                                                                            \
    X(clsStarshipArmor, 0, TEXT, StarshipArmorList, StarshipArmorInfo, AddStarshipArmor,           \
      DelStarshipArmor)                                                                            \
    X(clsStarshipCost, 0, NUMBER, StarshipCostList, StarshipCostInfo, AddStarshipCost,             \
      DelStarshipCost)                                                                             \
    X(clsStarshipCrew, 0, STATION_NUMBER, StarshipCrewList, StarshipCrewInfo, AddStarshipCrew,     \
      DelStarshipCrew)                                                                             \
    X(clsStarshipEmplacement, 0, STATION_NUMBER, StarshipEmplacementList, StarshipEmplacementInfo, \
      AddStarshipEmplacement, DelStarshipEmplacement)                                              \
    X(clsStarshipHull, 0, STATION_NUMBER, StarshipHullList, StarshipHullInfo, AddStarshipHull,     \
      DelStarshipHull)                                                                             \
    X(clsStarshipCrew, 1, STATION_NUMBER, StarshipLifeList, StarshipLifeInfo, AddStarshipLife,     \
      DelStarshipLife)                                                                             \
    X(clsStarshipHyperdrive, 0, STATION_TEXT, StarshipHyperdriveList, StarshipHyperdriveInfo,      \
      AddStarshipHyperdrive, DelStarshipHyperdrive)                                                \
    X(clsStarshipShields, 0, STATION_NUMBER, StarshipShieldsList, StarshipShieldsInfo,             \
      AddStarshipShields, DelStarshipShields)                                                      \
    X(clsStarshipSize, 0, STATION_TEXT, StarshipSizeList, StarshipSizeInfo, AddStarshipSize,       \
      DelStarshipSize)                                                                             \
    X(clsStarshipStowage, 0, STATION_NUMBER, StarshipStowageList, StarshipStowageInfo,             \
      AddStarshipStowage, DelStarshipStowage)                                                      \
    X(clsStarshipSupply, 0, STATION_NUMBER, StarshipSupplyList, StarshipSupplyInfo,                \
      AddStarshipSupply, DelStarshipSupply)                                                        \
    X(clsStarshipEngine, 0, STATION_NUMBER, StarshipEngineList, StarshipEngineInfo,                \
      AddStarshipEngine, DelStarshipEngine)                                                        \
    X(clsStarshipYards, 0, TEXT, StarshipYardsList, StarshipYardsInfo, AddStarshipYards,           \
      DelStarshipYards)

namespace OrvaneLib {
ORVANE_STARSHIP_KINDS(ORVANE_DESCRIBED_KIND)
}  // namespace OrvaneLib
