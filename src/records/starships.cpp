// Starship and station components and starship and vehicle weapons. Every one of their
// tables is optional in a rules database: each operation first tests its table and quietly
// does nothing when it is absent.
#include "orvane/records/starships.hpp"

#include "host/internal.hpp"
#include "records/describe.hpp"

namespace OrvaneLib {

namespace detail {
namespace {

// A starship or station component's table: its name, the table, and whether its rows are
// split by a "Station" flag (station lists name the flag after the operation:
// "Property Get: StarshipCrewList(True)"). Everything else follows from them.
TableDesc Component(std::string_view name, std::string_view table, bool station) {
    return {.name = name,
            .table = table,
            .station = station,
            .test = TableTest::All,
            .read = station ? Form::Station : Form::B,
            .list = {.filter = station ? ListFilter::Station : ListFilter::None},
            .clear = ClearGroup::DroidsAndStarships};
}

// A component whose deletion is a "Property Let" despite its station flag.
TableDesc LetDeleted(TableDesc table) {
    table.delMember = "Property Let: ";
    return table;
}

}  // namespace
}  // namespace detail

// Crew quarters and life support share their record and their columns.
ORVANE_DESCRIBE_RECORD(clsStarshipCrew) {
    return {.fields = {Key<&R::Points>("Points").NoNegative(), F<&R::Station>("Station"),
                       F<&R::MinCrew>("MinCrew"), F<&R::MaxCrew>("MaxCrew"),
                       F<&R::sizes_>("Sizes", Col::Value).Names(Ref::StarshipSize)},
            .tables = {Component("Starship crew", "tblStarshipCrew", true),
                       Component("Starship life", "tblStarshipLife", true)}};
}

ORVANE_DESCRIBE_RECORD(clsStarshipEmplacement) {
    return {.fields = {Key<&R::Points>("Points").NoNegative(), F<&R::Station>("Station"),
                       F<&R::MinEmplace>("MinEmplace"), F<&R::MaxEmplace>("MaxEmplace"),
                       F<&R::sizes_>("Sizes", Col::Value).Names(Ref::StarshipSize)},
            .tables = {Component("Starship emplacement", "tblStarshipEmplace", true)}};
}

ORVANE_DESCRIBE_RECORD(clsStarshipHull) {
    return {.fields = {Key<&R::Points>("Points").NoNegative(), F<&R::Station>("Station"),
                       F<&R::MinHull>("MinHull"), F<&R::MaxHull>("MaxHull"),
                       F<&R::sizes_>("Sizes", Col::Value).Names(Ref::StarshipSize)},
            .tables = {Component("Starship hull", "tblStarshipHull", true)}};
}

ORVANE_DESCRIBE_RECORD(clsStarshipShields) {
    return {.fields = {Key<&R::Points>("Points").NoNegative(), F<&R::Station>("Station"),
                       F<&R::MinShields>("MinShields", Col::Always, "MinShield"),
                       F<&R::MaxShields>("MaxShields", Col::Always, "MaxShield"),
                       F<&R::sizes_>("Sizes", Col::Value).Names(Ref::StarshipSize),
                       F<&R::doubleCost_>("DoubleCost", Col::Value, "DoublePoints")
                           .Names(Ref::StarshipSize)},
            .tables = {Component("Starship shield", "tblStarshipShields", true)}};
}

// The hyperdrive's file has Station fourth, after the two costs; its sizes are those that
// pay double for a backup. An unnamed drive is simply nothing to delete.
ORVANE_DESCRIBE_RECORD(clsStarshipHyperdrive) {
    TableDesc table = Component("Starship hyperdrive", "tblStarshipHyper", true);
    table.delEmptyKeySilent = true;
    return {.fields = {Key<&R::Drive>("Drive"), F<&R::NormalPoints>("NormalPoints"),
                       F<&R::BackupPoints>("BackupPoints"), F<&R::Station>("Station"),
                       F<&R::sizes_>("Sizes", Col::Value, "BackupDouble").Names(Ref::StarshipSize)},
            .tables = {table}};
}

ORVANE_DESCRIBE_RECORD(clsStarshipStowage) {
    return {.fields = {Key<&R::Points>("Points").NoNegative(), F<&R::Station>("Station"),
                       F<&R::MinCargo>("MinCargo"), F<&R::MinMetric>("MinMetric"),
                       F<&R::MaxCargo>("MaxCargo"), F<&R::MaxMetric>("MaxMetric"),
                       F<&R::sizes_>("Sizes", Col::Value).Names(Ref::StarshipSize)},
            .tables = {Component("Starship stowage", "tblStarshipStowage", true)}};
}

ORVANE_DESCRIBE_RECORD(clsStarshipSupply) {
    return {.fields = {Key<&R::Points>("Points").NoNegative(), F<&R::Station>("Station"),
                       F<&R::Time>("Time"), F<&R::Day>("Day"), F<&R::Week>("Week"),
                       F<&R::Month>("Month"), F<&R::Year>("Year"),
                       F<&R::sizes_>("Sizes", Col::Value, "Size").Names(Ref::StarshipSize)},
            .tables = {Component("Starship supply", "tblStarshipSupply", true)}};
}

ORVANE_DESCRIBE_RECORD(clsStarshipEngine) {
    return {.fields = {F<&R::Speed>("Speed", Col::Always, "MaxSpeed"),
                       Key<&R::Points>("Points").NoNegative(), F<&R::Station>("Station"),
                       F<&R::Quality>("Quality"), F<&R::AttackBonus>("AttackBonus"),
                       F<&R::PilotBonus>("PilotBonus"),
                       F<&R::sizes_>("Sizes", Col::Value).Names(Ref::StarshipSize)},
            .tables = {LetDeleted(Component("Starship engine", "tblStarshipEngine", true))}};
}

// The size class's deletion statement selects "Points" (its read selects the key).
ORVANE_DESCRIBE_RECORD(clsStarshipSize) {
    TableDesc table = LetDeleted(Component("Starship size", "tblStarshipSize", true));
    table.delSelectColumn = "Points";
    return {
        .fields = {Key<&R::Size>("Size", "Name"), F<&R::Station>("Station"),
                   F<&R::SizeType>("SizeType", Col::Always, "Class"), F<&R::Modifier>("Modifier"),
                   F<&R::Points>("Points"), F<&R::DR>("DR"), F<&R::Armor>("Armor"),
                   F<&R::MinLength>("MinLength", Col::Always, "MinLenght"),
                   F<&R::MaxLength>("MaxLength", Col::Always, "MaxLenght"),
                   F<&R::MinWeight>("MinWeight", Col::Always, "MinMass"),
                   F<&R::MaxWeight>("MaxWeight", Col::Always, "MaxMass"),
                   F<&R::MaxSlips>("MaxSlips"),
                   F<&R::BackupGenCost>("BackupGenCost", Col::Always, "BackupCost"),
                   F<&R::BackupEmpCost>("BackupEmpCost", Col::Always, "BackupEmplace"),
                   F<&R::SlaveCircCost>("SlaveCircCost", Col::Always, "SlaveCost")},
        .tables = {table}};
}

ORVANE_DESCRIBE_RECORD(clsStarshipArmor) {
    return {.fields = {Key<&R::Size>("Size").Names(Ref::StarshipSize), F<&R::DR>("DR"),
                       F<&R::Armor>("Armor"), F<&R::Cost>("Cost"), F<&R::PilotBonus>("PilotBonus")},
            .tables = {Component("Starship armor", "tblStarshipArmor", false)}};
}

ORVANE_DESCRIBE_RECORD(clsStarshipCost) {
    return {
        .fields = {Key<&R::MinPoints>("MinPoints").NoNegative(), F<&R::MaxPoints>("MaxPoints"),
                   F<&R::BaseCost>("BaseCost"),
                   F<&R::BaseMega>("BaseMega", Col::Always, "megaBase"), F<&R::ModCost>("ModCost"),
                   F<&R::ModMega>("ModMega", Col::Always, "megaMod")},
        .tables = {Component("Starship cost", "tblStarshipCost", false)}};
}

ORVANE_DESCRIBE_RECORD(clsStarshipYards) {
    return {.fields = {Key<&R::Yard>("Yard", "Name"),
                       F<&R::Multiplier>("Multiplier", Col::Always, "Multiple")},
            .tables = {Component("Starship yard", "tblStarshipYards", false)}};
}

// Older starship-weapon files end after the ranges, or after the fire modes, or after the
// emplacement: each later group is read only when the file goes on. Newer tables add the
// same columns. A new weapon has damage type "0" (a zero written as text) and emplacement 5.
ORVANE_DESCRIBE_RECORD(clsStarshipWeapon) {
    return {.fields = {Key<&R::Name>("Name"), F<&R::Size>("Size", Col::Value),
                       F<&R::FireControl>("FireControl"), F<&R::BatteryFire>("BatteryFire"),
                       F<&R::DamageNum>("DamageNum", Col::Always, "NumDamage"),
                       F<&R::DamageType>("DamageType", Col::Value),
                       F<&R::PointBlank>("PointBlank", Col::Value),
                       F<&R::ShortRange>("ShortRange", Col::Value, "Short"),
                       F<&R::MediumRange>("MediumRange", Col::Value, "Medium"),
                       F<&R::LongRange>("LongRange", Col::Value, "Long"),
                       F<&R::MultFire>("MultFire", Col::Newer).Group(1),
                       F<&R::AutoFire>("AutoFire", Col::Newer).Group(1),
                       F<&R::Emplacement>("Emplacement", Col::Newer, "Emplace").Group(2),
                       F<&R::Cost>("Cost", Col::Newer).Group(3)},
            .tables = {{.name = "Starship weapon",
                        .table = "tblStarshipWeapons",
                        .test = TableTest::All,
                        .read = Form::C,
                        .clear = ClearGroup::Weapons}},
            .afterClear = [](Object& o) {
                auto& r = As<R>(o);
                r.DamageType.assign(1, '0');
                r.Emplacement = 5;
            }};
}

// Older tables spell the range column "Ramge"; newer ones "Range".
ORVANE_DESCRIBE_RECORD(clsVehicleWeapon) {
    return {.fields = {Key<&R::Name>("Name"), F<&R::Size>("Size", Col::Value),
                       F<&R::FireControl>("FireControl"), F<&R::PriDamageNum>("PriDamageNum"),
                       F<&R::PriDamageType>("PriDamageType", Col::Value),
                       F<&R::SecDamageNum>("SecDamageNum"),
                       F<&R::SecDamageType>("SecDamageType", Col::Value),
                       F<&R::Range>("Range", Col::Always, "Ramge")
                           .Rules(Read::NotNull, Write::Always)
                           .Alt("Range"),
                       F<&R::MaxIncrements>("MaxIncrements")},
            .tables = {{.name = "Vehicle weapon",
                        .table = "tblVehicleWeapons",
                        .test = TableTest::All,
                        .read = Form::C,
                        .clear = ClearGroup::Weapons}}};
}

}  // namespace OrvaneLib
