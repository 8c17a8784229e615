// Starship and station components (crew quarters and life support, emplacements, hulls,
// hyperdrives, shields, stowage, supplies, engines, size classes, armour, cost bands, yards)
// and the weapons mounted on starships and vehicles.
#pragma once

#include <string>

#include "orvane/lists.hpp"
#include "orvane/record.hpp"

// The sizes family: the names of the ship sizes a component row applies to, as an entry of a
// list of members (see ORVANE_MEMBER).
#define ORVANE_SIZES_FAMILY(X, list) \
    X(SIMPLE_FAMILY, list, SetSizes, HasSizes, GetNumSizes, IsSize, GetSize, GetSizeList)

namespace OrvaneLib {

// The members of clsStarshipCrew beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsStarshipCrew(X) ORVANE_SIZES_FAMILY(X, sizes_)

// Crew quarters, or life support, for a band of design points.
class ORVANE_API clsStarshipCrew : public Record {
    ORVANE_RECORD(clsStarshipCrew)
    clsStarshipCrew() { Clear(); }
    Integer Points = 0;
    bool Station = false;
    Long MinCrew = 0;
    Long MaxCrew = 0;

    ORVANE_MEMBERS(clsStarshipCrew)

  private:
    clsListSimple sizes_;
};

// The members of clsStarshipEmplacement beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsStarshipEmplacement(X) ORVANE_SIZES_FAMILY(X, sizes_)

// Weapon emplacements for a band of design points.
class ORVANE_API clsStarshipEmplacement : public Record {
    ORVANE_RECORD(clsStarshipEmplacement)
    clsStarshipEmplacement() { Clear(); }
    Long Points = 0;
    bool Station = false;
    Long MinEmplace = 0;
    Long MaxEmplace = 0;

    ORVANE_MEMBERS(clsStarshipEmplacement)

  private:
    clsListSimple sizes_;
};

// The members of clsStarshipHull beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsStarshipHull(X) ORVANE_SIZES_FAMILY(X, sizes_)

// Hull points for a band of design points.
class ORVANE_API clsStarshipHull : public Record {
    ORVANE_RECORD(clsStarshipHull)
    clsStarshipHull() { Clear(); }
    Long Points = 0;
    bool Station = false;
    Long MinHull = 0;
    Long MaxHull = 0;

    ORVANE_MEMBERS(clsStarshipHull)

  private:
    clsListSimple sizes_;
};

// The members of clsStarshipShields beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsStarshipShields(X)                                                    \
    ORVANE_SIZES_FAMILY(X, sizes_)                                                              \
    X(SIMPLE_FAMILY, doubleCost_, SetDoubleCost, HasDoubleCost, GetNumDoubleCost, IsDoubleCost, \
      GetDoubleCost, GetDoubleCostList)

// Shields for a band of design points, with the sizes that pay double for them.
class ORVANE_API clsStarshipShields : public Record {
    ORVANE_RECORD(clsStarshipShields)
    clsStarshipShields() { Clear(); }
    Long Points = 0;
    bool Station = false;
    Long MinShields = 0;
    Long MaxShields = 0;

    ORVANE_MEMBERS(clsStarshipShields)

  private:
    clsListSimple sizes_;
    clsListSimple doubleCost_;
};

// The members of clsStarshipHyperdrive beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsStarshipHyperdrive(X) ORVANE_SIZES_FAMILY(X, sizes_)

// A hyperdrive class with its normal and backup costs.
class ORVANE_API clsStarshipHyperdrive : public Record {
    ORVANE_RECORD(clsStarshipHyperdrive)
    clsStarshipHyperdrive() { Clear(); }
    std::string Drive;
    bool Station = false;
    Long NormalPoints = 0;
    Long BackupPoints = 0;

    ORVANE_MEMBERS(clsStarshipHyperdrive)

  private:
    clsListSimple sizes_;
};

// The members of clsStarshipStowage beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsStarshipStowage(X) ORVANE_SIZES_FAMILY(X, sizes_)

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

    ORVANE_MEMBERS(clsStarshipStowage)

  private:
    clsListSimple sizes_;
};

// The members of clsStarshipSupply beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsStarshipSupply(X) ORVANE_SIZES_FAMILY(X, sizes_)

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

    ORVANE_MEMBERS(clsStarshipSupply)

  private:
    clsListSimple sizes_;
};

// The members of clsStarshipEngine beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsStarshipEngine(X) ORVANE_SIZES_FAMILY(X, sizes_)

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

    ORVANE_MEMBERS(clsStarshipEngine)

  private:
    clsListSimple sizes_;
};

// The members of clsStarshipSize beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsStarshipSize(X)

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

    ORVANE_MEMBERS(clsStarshipSize)
};

// The members of clsStarshipArmor beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsStarshipArmor(X)

// The armour of one size class.
class ORVANE_API clsStarshipArmor : public Record {
    ORVANE_RECORD(clsStarshipArmor)
    clsStarshipArmor() { Clear(); }
    std::string Size;
    Integer DR = 0;
    Integer Armor = 0;
    Long Cost = 0;
    Integer PilotBonus = 0;

    ORVANE_MEMBERS(clsStarshipArmor)
};

// The members of clsStarshipCost beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsStarshipCost(X)

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

    ORVANE_MEMBERS(clsStarshipCost)
};

// The members of clsStarshipYards beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsStarshipYards(X)

// A shipyard and its price multiplier.
class ORVANE_API clsStarshipYards : public Record {
    ORVANE_RECORD(clsStarshipYards)
    clsStarshipYards() { Clear(); }
    std::string Yard;
    Single Multiplier = 0;

    ORVANE_MEMBERS(clsStarshipYards)
};

// The members of clsStarshipWeapon beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsStarshipWeapon(X)

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

    ORVANE_MEMBERS(clsStarshipWeapon)
};

// The members of clsVehicleWeapon beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsVehicleWeapon(X)

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

    ORVANE_MEMBERS(clsVehicleWeapon)
};

}  // namespace OrvaneLib

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
