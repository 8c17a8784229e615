// Starship and vehicle records with every field set to a distinct value, for round trips
// through tables and files.
#pragma once

#include <string>

#include "orvane/records/starships.hpp"
#include "support.hpp"

namespace orvane_test::starships {

using namespace OrvaneLib;

inline clsStarshipCrew Crew(Integer points, bool station) {
    clsStarshipCrew r;
    r.Points = points;
    r.Station = station;
    r.MinCrew = 3;
    r.MaxCrew = 70000;
    r.SetSizes("Cutter, Frigate");
    return r;
}

inline clsStarshipEmplacement Emplacement() {
    clsStarshipEmplacement r;
    r.Points = 15;
    r.Station = true;
    r.MinEmplace = 2;
    r.MaxEmplace = 9;
    r.SetSizes("Outpost");
    return r;
}

inline clsStarshipHull Hull() {
    clsStarshipHull r;
    r.Points = 30;
    r.MinHull = 60;
    r.MaxHull = 400;
    r.SetSizes("Frigate, Dreadnought");
    return r;
}

inline clsStarshipShields Shields() {
    clsStarshipShields r;
    r.Points = 15;
    r.Station = true;
    r.MinShields = 30;
    r.MaxShields = 120;
    r.SetSizes("Outpost, Citadel");
    r.SetDoubleCost("Citadel");
    return r;
}

inline clsStarshipHyperdrive Hyperdrive() {
    clsStarshipHyperdrive r;
    r.Drive = "Class 3";
    r.Station = true;
    r.NormalPoints = 9;
    r.BackupPoints = 4;
    r.SetSizes("Citadel");
    return r;
}

inline clsStarshipStowage Stowage() {
    clsStarshipStowage r;
    r.Points = 8;
    r.MinCargo = 2;
    r.MinMetric = true;
    r.MaxCargo = 500;
    r.MaxMetric = false;
    r.SetSizes("Frigate");
    return r;
}

inline clsStarshipSupply Supply() {
    clsStarshipSupply r;
    r.Points = 4;
    r.Station = true;
    r.Time = 2;
    r.Week = true;
    r.Year = true;
    r.SetSizes("Outpost");
    return r;
}

inline clsStarshipEngine Engine() {
    clsStarshipEngine r;
    r.Speed = "Attack";
    r.Points = 60;
    r.Quality = "Nimble";
    r.AttackBonus = 1;
    r.PilotBonus = -2;
    r.SetSizes("Skiff, Cutter");
    return r;
}

inline clsStarshipSize Size() {
    clsStarshipSize r;
    r.Size = "Corvette";
    r.Station = false;
    r.SizeType = "Capital";
    r.Modifier = -1;
    r.Points = 90;
    r.DR = 3;
    r.Armor = 4;
    r.MinLength = 30;
    r.MaxLength = 90;
    r.MinWeight = 200;
    r.MaxWeight = 5000;
    r.MaxSlips = 2;
    r.BackupGenCost = 7;
    r.BackupEmpCost = 5;
    r.SlaveCircCost = 11;
    return r;
}

inline clsStarshipArmor Armor() {
    clsStarshipArmor r;
    r.Size = "Corvette";
    r.DR = 3;
    r.Armor = 5;
    r.Cost = 80000;
    r.PilotBonus = -1;
    return r;
}

inline clsStarshipCost Cost() {
    clsStarshipCost r;
    r.MinPoints = 75;
    r.MaxPoints = 149;
    r.BaseCost = 2.5f;
    r.BaseMega = true;
    r.ModCost = 0.25f;
    r.ModMega = false;
    return r;
}

inline clsStarshipYards Yards() {
    clsStarshipYards r;
    r.Yard = "Ember Slips";
    r.Multiplier = 1.25f;
    return r;
}

inline clsStarshipWeapon StarshipWeapon() {
    clsStarshipWeapon r;
    r.Name = "Needle Array";
    r.Size = "Light";
    r.Cost = 6500;
    r.FireControl = 2;
    r.BatteryFire = 4;
    r.DamageNum = 3;
    r.DamageType = "d6";
    r.PointBlank = "0-1";
    r.ShortRange = "2-5";
    r.MediumRange = "6-9";
    r.LongRange = "10-14";
    r.MultFire = true;
    r.AutoFire = false;
    r.Emplacement = 2;
    return r;
}

inline clsVehicleWeapon VehicleWeapon() {
    clsVehicleWeapon r;
    r.Name = "Flechette Pod";
    r.Size = "Light";
    r.FireControl = -1;
    r.PriDamageNum = 2;
    r.PriDamageType = "d8";
    r.SecDamageNum = 1;
    r.SecDamageType = "d4";
    r.Range = 75;
    r.MaxIncrements = 6;
    return r;
}

// The bytes a record writes to its text file: two records with the same bytes hold the
// same values.
template <class R>
std::string SavedBytes(const R& record, const TempDir& dir) {
    std::string path = dir.file("saved-" + record.ClassName() + ".txt");
    R copy = record;
    copy.Save(path);
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace orvane_test::starships
