// Starship and station components (crew quarters and life support, emplacements, hulls,
// hyperdrives, shields, stowage, supplies, engines, size classes, armour, cost bands, yards)
// and the weapons mounted on starships and vehicles.
#pragma once

#include <string>

#include "orvane/detail/record.hpp"
#include "orvane/lists.hpp"

// The sizes family: the names of the ship sizes a component row applies to.
#define ORVANE_SIZES_FAMILY(list) \
    ORVANE_SIMPLE_FAMILY(list, SetSizes, HasSizes, GetNumSizes, IsSize, GetSize, GetSizeList)

namespace OrvaneLib {

ORVANE_DESCRIBED(clsStarshipCrew)
ORVANE_DESCRIBED(clsStarshipEmplacement)
ORVANE_DESCRIBED(clsStarshipHull)
ORVANE_DESCRIBED(clsStarshipShields)
ORVANE_DESCRIBED(clsStarshipHyperdrive)
ORVANE_DESCRIBED(clsStarshipStowage)
ORVANE_DESCRIBED(clsStarshipSupply)
ORVANE_DESCRIBED(clsStarshipEngine)
ORVANE_DESCRIBED(clsStarshipSize)
ORVANE_DESCRIBED(clsStarshipArmor)
ORVANE_DESCRIBED(clsStarshipCost)
ORVANE_DESCRIBED(clsStarshipYards)
ORVANE_DESCRIBED(clsStarshipWeapon)
ORVANE_DESCRIBED(clsVehicleWeapon)

// Crew quarters, or life support, for a band of design points.
class clsStarshipCrew : public detail::Record<clsStarshipCrew> {
  public:
    clsStarshipCrew() { Clear(); }
    Integer Points = 0;
    bool Station = false;
    Long MinCrew = 0;
    Long MaxCrew = 0;
    void Clear();

    ORVANE_SIZES_FAMILY(sizes_)

  private:
    friend struct detail::Describe<clsStarshipCrew>;
    clsListSimple sizes_;
};

// Weapon emplacements for a band of design points.
class clsStarshipEmplacement : public detail::Record<clsStarshipEmplacement> {
  public:
    clsStarshipEmplacement() { Clear(); }
    Long Points = 0;
    bool Station = false;
    Long MinEmplace = 0;
    Long MaxEmplace = 0;
    void Clear();

    ORVANE_SIZES_FAMILY(sizes_)

  private:
    friend struct detail::Describe<clsStarshipEmplacement>;
    clsListSimple sizes_;
};

// Hull points for a band of design points.
class clsStarshipHull : public detail::Record<clsStarshipHull> {
  public:
    clsStarshipHull() { Clear(); }
    Long Points = 0;
    bool Station = false;
    Long MinHull = 0;
    Long MaxHull = 0;
    void Clear();

    ORVANE_SIZES_FAMILY(sizes_)

  private:
    friend struct detail::Describe<clsStarshipHull>;
    clsListSimple sizes_;
};

// Shields for a band of design points, with the sizes that pay double for them.
class clsStarshipShields : public detail::Record<clsStarshipShields> {
  public:
    clsStarshipShields() { Clear(); }
    Long Points = 0;
    bool Station = false;
    Long MinShields = 0;
    Long MaxShields = 0;
    void Clear();

    ORVANE_SIZES_FAMILY(sizes_)
    ORVANE_SIMPLE_FAMILY(doubleCost_, SetDoubleCost, HasDoubleCost, GetNumDoubleCost, IsDoubleCost,
                         GetDoubleCost, GetDoubleCostList)

  private:
    friend struct detail::Describe<clsStarshipShields>;
    clsListSimple sizes_;
    clsListSimple doubleCost_;
};

// A hyperdrive class with its normal and backup costs.
class clsStarshipHyperdrive : public detail::Record<clsStarshipHyperdrive> {
  public:
    clsStarshipHyperdrive() { Clear(); }
    std::string Drive;
    bool Station = false;
    Long NormalPoints = 0;
    Long BackupPoints = 0;
    void Clear();

    ORVANE_SIZES_FAMILY(sizes_)

  private:
    friend struct detail::Describe<clsStarshipHyperdrive>;
    clsListSimple sizes_;
};

// Cargo space for a band of design points.
class clsStarshipStowage : public detail::Record<clsStarshipStowage> {
  public:
    clsStarshipStowage() { Clear(); }
    Long Points = 0;
    bool Station = false;
    Long MinCargo = 0;
    bool MinMetric = false;
    Long MaxCargo = 0;
    bool MaxMetric = false;
    void Clear();

    ORVANE_SIZES_FAMILY(sizes_)

  private:
    friend struct detail::Describe<clsStarshipStowage>;
    clsListSimple sizes_;
};

// Supplies for a band of design points: how long they last and in which unit.
class clsStarshipSupply : public detail::Record<clsStarshipSupply> {
  public:
    clsStarshipSupply() { Clear(); }
    Long Points = 0;
    bool Station = false;
    Long Time = 0;
    bool Day = false;
    bool Week = false;
    bool Month = false;
    bool Year = false;
    void Clear();

    ORVANE_SIZES_FAMILY(sizes_)

  private:
    friend struct detail::Describe<clsStarshipSupply>;
    clsListSimple sizes_;
};

// An engine for a band of design points.
class clsStarshipEngine : public detail::Record<clsStarshipEngine> {
  public:
    clsStarshipEngine() { Clear(); }
    std::string Speed;
    Long Points = 0;
    bool Station = false;
    std::string Quality;
    Integer AttackBonus = 0;
    Integer PilotBonus = 0;
    void Clear();

    ORVANE_SIZES_FAMILY(sizes_)

  private:
    friend struct detail::Describe<clsStarshipEngine>;
    clsListSimple sizes_;
};

// A size class of starships or stations.
class clsStarshipSize : public detail::Record<clsStarshipSize> {
  public:
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
    void Clear();
};

// The armour of one size class.
class clsStarshipArmor : public detail::Record<clsStarshipArmor> {
  public:
    clsStarshipArmor() { Clear(); }
    std::string Size;
    Integer DR = 0;
    Integer Armor = 0;
    Long Cost = 0;
    Integer PilotBonus = 0;
    void Clear();
};

// A cost band, keyed by its minimum design points.
class clsStarshipCost : public detail::Record<clsStarshipCost> {
  public:
    clsStarshipCost() { Clear(); }
    Long MinPoints = 0;
    Long MaxPoints = 0;
    Single BaseCost = 0;
    bool BaseMega = false;
    Single ModCost = 0;
    bool ModMega = false;
    void Clear();
};

// A shipyard and its price multiplier.
class clsStarshipYards : public detail::Record<clsStarshipYards> {
  public:
    clsStarshipYards() { Clear(); }
    std::string Yard;
    Single Multiplier = 0;
    void Clear();
};

// A weapon mounted on a starship. A new one has damage type "0" and emplacement 5.
class clsStarshipWeapon : public detail::Record<clsStarshipWeapon> {
  public:
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
    void Clear();
};

// A weapon mounted on a vehicle.
class clsVehicleWeapon : public detail::Record<clsVehicleWeapon> {
  public:
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
    void Clear();
};

}  // namespace OrvaneLib

#undef ORVANE_SIZES_FAMILY
