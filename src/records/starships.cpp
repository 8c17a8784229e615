// Starship and station components and starship and vehicle weapons: their resets and their
// descriptions (fields and file lines).
#include "orvane/records/starships.hpp"

#include "records/kind.hpp"

namespace OrvaneLib {

void clsStarshipCrew::Clear() {
    Points = 0;
    Station = false;
    MinCrew = MaxCrew = 0;
    sizes_.Clear();
}

void clsStarshipEmplacement::Clear() {
    Points = 0;
    Station = false;
    MinEmplace = MaxEmplace = 0;
    sizes_.Clear();
}

void clsStarshipHull::Clear() {
    Points = 0;
    Station = false;
    MinHull = MaxHull = 0;
    sizes_.Clear();
}

void clsStarshipShields::Clear() {
    Points = 0;
    Station = false;
    MinShields = MaxShields = 0;
    sizes_.Clear();
    doubleCost_.Clear();
}

void clsStarshipHyperdrive::Clear() {
    Drive.clear();
    Station = false;
    NormalPoints = BackupPoints = 0;
    sizes_.Clear();
}

void clsStarshipStowage::Clear() {
    Points = 0;
    Station = false;
    MinCargo = MaxCargo = 0;
    MinMetric = MaxMetric = false;
    sizes_.Clear();
}

void clsStarshipSupply::Clear() {
    Points = 0;
    Station = false;
    Time = 0;
    Day = Week = Month = Year = false;
    sizes_.Clear();
}

void clsStarshipEngine::Clear() {
    Speed.clear();
    Points = 0;
    Station = false;
    Quality.clear();
    AttackBonus = PilotBonus = 0;
    sizes_.Clear();
}

void clsStarshipSize::Clear() {
    Size.clear();
    Station = false;
    SizeType.clear();
    Modifier = DR = Armor = MaxSlips = 0;
    Points = MinLength = MaxLength = MinWeight = MaxWeight = 0;
    BackupGenCost = BackupEmpCost = SlaveCircCost = 0;
}

void clsStarshipArmor::Clear() {
    Size.clear();
    DR = Armor = PilotBonus = 0;
    Cost = 0;
}

void clsStarshipCost::Clear() {
    MinPoints = MaxPoints = 0;
    BaseCost = ModCost = 0;
    BaseMega = ModMega = false;
}

void clsStarshipYards::Clear() {
    Yard.clear();
    Multiplier = 0;
}

void clsStarshipWeapon::Clear() {
    Name.clear();
    Size.clear();
    Cost = 0;
    FireControl = BatteryFire = DamageNum = 0;
    DamageType.assign(1, '0');  // a zero written as text
    PointBlank.clear();
    ShortRange.clear();
    MediumRange.clear();
    LongRange.clear();
    MultFire = AutoFire = false;
    Emplacement = 5;
}

void clsVehicleWeapon::Clear() {
    Name.clear();
    Size.clear();
    FireControl = PriDamageNum = SecDamageNum = MaxIncrements = 0;
    PriDamageType.clear();
    SecDamageType.clear();
    Range = 0;
}

namespace detail {

namespace {

// Most of these records write one file line per field, in the order of their fields.
template <class R>
RecordKind LinePerField(std::string_view className, std::vector<FieldDesc> fields) {
    std::vector<LineDesc> lines;
    lines.reserve(fields.size());
    for (const auto& f : fields) lines.push_back({f.name});
    return KindOf<R>(className, std::move(fields), std::move(lines));
}

}  // namespace

const RecordKind& Describe<clsStarshipCrew>::Kind() {
    using R = clsStarshipCrew;
    static const RecordKind kind =
        LinePerField<R>("clsStarshipCrew", {{"Points", Member<&R::Points>()},
                                            {"Station", Member<&R::Station>()},
                                            {"MinCrew", Member<&R::MinCrew>()},
                                            {"MaxCrew", Member<&R::MaxCrew>()},
                                            {"Sizes", Member<&R::sizes_>()}});
    return kind;
}

const RecordKind& Describe<clsStarshipEmplacement>::Kind() {
    using R = clsStarshipEmplacement;
    static const RecordKind kind =
        LinePerField<R>("clsStarshipEmplacement", {{"Points", Member<&R::Points>()},
                                                   {"Station", Member<&R::Station>()},
                                                   {"MinEmplace", Member<&R::MinEmplace>()},
                                                   {"MaxEmplace", Member<&R::MaxEmplace>()},
                                                   {"Sizes", Member<&R::sizes_>()}});
    return kind;
}

const RecordKind& Describe<clsStarshipHull>::Kind() {
    using R = clsStarshipHull;
    static const RecordKind kind =
        LinePerField<R>("clsStarshipHull", {{"Points", Member<&R::Points>()},
                                            {"Station", Member<&R::Station>()},
                                            {"MinHull", Member<&R::MinHull>()},
                                            {"MaxHull", Member<&R::MaxHull>()},
                                            {"Sizes", Member<&R::sizes_>()}});
    return kind;
}

const RecordKind& Describe<clsStarshipShields>::Kind() {
    using R = clsStarshipShields;
    static const RecordKind kind =
        LinePerField<R>("clsStarshipShields", {{"Points", Member<&R::Points>()},
                                               {"Station", Member<&R::Station>()},
                                               {"MinShields", Member<&R::MinShields>()},
                                               {"MaxShields", Member<&R::MaxShields>()},
                                               {"Sizes", Member<&R::sizes_>()},
                                               {"DoubleCost", Member<&R::doubleCost_>()}});
    return kind;
}

// The hyperdrive's file has Station fourth, after the two costs.
const RecordKind& Describe<clsStarshipHyperdrive>::Kind() {
    using R = clsStarshipHyperdrive;
    static const RecordKind kind =
        KindOf<R>("clsStarshipHyperdrive",
                  {{"Drive", Member<&R::Drive>()},
                   {"Station", Member<&R::Station>()},
                   {"NormalPoints", Member<&R::NormalPoints>()},
                   {"BackupPoints", Member<&R::BackupPoints>()},
                   {"Sizes", Member<&R::sizes_>()}},
                  {{"Drive"}, {"NormalPoints"}, {"BackupPoints"}, {"Station"}, {"Sizes"}});
    return kind;
}

const RecordKind& Describe<clsStarshipStowage>::Kind() {
    using R = clsStarshipStowage;
    static const RecordKind kind =
        LinePerField<R>("clsStarshipStowage", {{"Points", Member<&R::Points>()},
                                               {"Station", Member<&R::Station>()},
                                               {"MinCargo", Member<&R::MinCargo>()},
                                               {"MinMetric", Member<&R::MinMetric>()},
                                               {"MaxCargo", Member<&R::MaxCargo>()},
                                               {"MaxMetric", Member<&R::MaxMetric>()},
                                               {"Sizes", Member<&R::sizes_>()}});
    return kind;
}

const RecordKind& Describe<clsStarshipSupply>::Kind() {
    using R = clsStarshipSupply;
    static const RecordKind kind =
        LinePerField<R>("clsStarshipSupply", {{"Points", Member<&R::Points>()},
                                              {"Station", Member<&R::Station>()},
                                              {"Time", Member<&R::Time>()},
                                              {"Day", Member<&R::Day>()},
                                              {"Week", Member<&R::Week>()},
                                              {"Month", Member<&R::Month>()},
                                              {"Year", Member<&R::Year>()},
                                              {"Sizes", Member<&R::sizes_>()}});
    return kind;
}

const RecordKind& Describe<clsStarshipEngine>::Kind() {
    using R = clsStarshipEngine;
    static const RecordKind kind =
        LinePerField<R>("clsStarshipEngine", {{"Speed", Member<&R::Speed>()},
                                              {"Points", Member<&R::Points>()},
                                              {"Station", Member<&R::Station>()},
                                              {"Quality", Member<&R::Quality>()},
                                              {"AttackBonus", Member<&R::AttackBonus>()},
                                              {"PilotBonus", Member<&R::PilotBonus>()},
                                              {"Sizes", Member<&R::sizes_>()}});
    return kind;
}

const RecordKind& Describe<clsStarshipSize>::Kind() {
    using R = clsStarshipSize;
    static const RecordKind kind =
        LinePerField<R>("clsStarshipSize", {{"Size", Member<&R::Size>()},
                                            {"Station", Member<&R::Station>()},
                                            {"SizeType", Member<&R::SizeType>()},
                                            {"Modifier", Member<&R::Modifier>()},
                                            {"Points", Member<&R::Points>()},
                                            {"DR", Member<&R::DR>()},
                                            {"Armor", Member<&R::Armor>()},
                                            {"MinLength", Member<&R::MinLength>()},
                                            {"MaxLength", Member<&R::MaxLength>()},
                                            {"MinWeight", Member<&R::MinWeight>()},
                                            {"MaxWeight", Member<&R::MaxWeight>()},
                                            {"MaxSlips", Member<&R::MaxSlips>()},
                                            {"BackupGenCost", Member<&R::BackupGenCost>()},
                                            {"BackupEmpCost", Member<&R::BackupEmpCost>()},
                                            {"SlaveCircCost", Member<&R::SlaveCircCost>()}});
    return kind;
}

const RecordKind& Describe<clsStarshipArmor>::Kind() {
    using R = clsStarshipArmor;
    static const RecordKind kind =
        LinePerField<R>("clsStarshipArmor", {{"Size", Member<&R::Size>()},
                                             {"DR", Member<&R::DR>()},
                                             {"Armor", Member<&R::Armor>()},
                                             {"Cost", Member<&R::Cost>()},
                                             {"PilotBonus", Member<&R::PilotBonus>()}});
    return kind;
}

const RecordKind& Describe<clsStarshipCost>::Kind() {
    using R = clsStarshipCost;
    static const RecordKind kind =
        LinePerField<R>("clsStarshipCost", {{"MinPoints", Member<&R::MinPoints>()},
                                            {"MaxPoints", Member<&R::MaxPoints>()},
                                            {"BaseCost", Member<&R::BaseCost>()},
                                            {"BaseMega", Member<&R::BaseMega>()},
                                            {"ModCost", Member<&R::ModCost>()},
                                            {"ModMega", Member<&R::ModMega>()}});
    return kind;
}

const RecordKind& Describe<clsStarshipYards>::Kind() {
    using R = clsStarshipYards;
    static const RecordKind kind =
        LinePerField<R>("clsStarshipYards",
                        {{"Yard", Member<&R::Yard>()}, {"Multiplier", Member<&R::Multiplier>()}});
    return kind;
}

// Older starship-weapon files end after the ranges, or after the fire modes, or after the
// emplacement: each later group is read only when the file goes on.
const RecordKind& Describe<clsStarshipWeapon>::Kind() {
    using R = clsStarshipWeapon;
    static const RecordKind kind = KindOf<R>("clsStarshipWeapon",
                                             {{"Name", Member<&R::Name>()},
                                              {"Size", Member<&R::Size>()},
                                              {"Cost", Member<&R::Cost>()},
                                              {"FireControl", Member<&R::FireControl>()},
                                              {"BatteryFire", Member<&R::BatteryFire>()},
                                              {"DamageNum", Member<&R::DamageNum>()},
                                              {"DamageType", Member<&R::DamageType>()},
                                              {"PointBlank", Member<&R::PointBlank>()},
                                              {"ShortRange", Member<&R::ShortRange>()},
                                              {"MediumRange", Member<&R::MediumRange>()},
                                              {"LongRange", Member<&R::LongRange>()},
                                              {"MultFire", Member<&R::MultFire>()},
                                              {"AutoFire", Member<&R::AutoFire>()},
                                              {"Emplacement", Member<&R::Emplacement>()}},
                                             {{"Name"},
                                              {"Size"},
                                              {"FireControl"},
                                              {"BatteryFire"},
                                              {"DamageNum"},
                                              {"DamageType"},
                                              {"PointBlank"},
                                              {"ShortRange"},
                                              {"MediumRange"},
                                              {"LongRange"},
                                              {"MultFire", TextForm::Plain, 1},
                                              {"AutoFire", TextForm::Plain, 1},
                                              {"Emplacement", TextForm::Plain, 2},
                                              {"Cost", TextForm::Plain, 3}});
    return kind;
}

const RecordKind& Describe<clsVehicleWeapon>::Kind() {
    using R = clsVehicleWeapon;
    static const RecordKind kind =
        LinePerField<R>("clsVehicleWeapon", {{"Name", Member<&R::Name>()},
                                             {"Size", Member<&R::Size>()},
                                             {"FireControl", Member<&R::FireControl>()},
                                             {"PriDamageNum", Member<&R::PriDamageNum>()},
                                             {"PriDamageType", Member<&R::PriDamageType>()},
                                             {"SecDamageNum", Member<&R::SecDamageNum>()},
                                             {"SecDamageType", Member<&R::SecDamageType>()},
                                             {"Range", Member<&R::Range>()},
                                             {"MaxIncrements", Member<&R::MaxIncrements>()}});
    return kind;
}

}  // namespace detail

ORVANE_REGISTER_CLASS(clsStarshipCrew)
ORVANE_REGISTER_CLASS(clsStarshipEmplacement)
ORVANE_REGISTER_CLASS(clsStarshipHull)
ORVANE_REGISTER_CLASS(clsStarshipShields)
ORVANE_REGISTER_CLASS(clsStarshipHyperdrive)
ORVANE_REGISTER_CLASS(clsStarshipStowage)
ORVANE_REGISTER_CLASS(clsStarshipSupply)
ORVANE_REGISTER_CLASS(clsStarshipEngine)
ORVANE_REGISTER_CLASS(clsStarshipSize)
ORVANE_REGISTER_CLASS(clsStarshipArmor)
ORVANE_REGISTER_CLASS(clsStarshipCost)
ORVANE_REGISTER_CLASS(clsStarshipYards)
ORVANE_REGISTER_CLASS(clsStarshipWeapon)
ORVANE_REGISTER_CLASS(clsVehicleWeapon)

}  // namespace OrvaneLib
