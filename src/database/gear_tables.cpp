// The tables of armour, weapons and equipment.
#include "database/table.hpp"
#include "orvane/database.hpp"
#include "orvane/records/gear.hpp"

namespace OrvaneLib {

namespace {

using namespace detail;

// Armour lists from index 0 and leaves out rows without a name.
const TableKind& Armor() {
    static const TableKind kind = [] {
        TableKind k{
            .name = "Armour",
            .record = &Describe<clsArmor>::Kind(),
            .table = "tblArmor",
            .keys = {{"Name", "Name"}},
            .descript = true,
            .readStatement = {Form::B},
            .delStatement = {Form::B},
            .list = {.lbound = 0, .skipNull = true},
            .listLabel = "Property Get: GetArmorList",
            .readLabel = "Property Get: GetArmorInfo(",
            .addLabel = "Property Let: AddArmor(",
            .delLabel = "Property Let: DelArmor(",
            .emptyTable = "There are no Armor Records in the Database!",
            .readEmptyKey = "A Armor Search field was not corretly Identified.",
            .readNoMatch = "Unable to locate an Armor matching your criteria.",
            .columns = {{"Name", "Name", Read::Key, Write::Always},
                        {"Feat", "Feat", Read::NotNull, Write::IfValue},
                        {"Cost", "Cost"},
                        {"Mass", "Mass"},
                        {"DefenseBonus", "DefenseBonus"},
                        {"MaxDexBonus", "MaxDexBonus"},
                        {"ArmorCheck", "ArmorCheck"},
                        {"Move10", "Move10"},
                        {"Move6", "Move6"},
                        {"Source", "Source", Read::NotNull, Write::IfValue},
                        {"Notes", "Notes", Read::NotNull, Write::IfValue},
                        {"Synergy", "Synergy", Read::NotNull, Write::IfValue},
                        {"AbilityBonus", "AbilityBonus", Read::NotNull, Write::IfValue},
                        {"Description", "Description", Read::IfDescript, Write::IfPresentAndValue},
                        {"DR", "DR", Read::IfPresentNotNull, Write::IfPresent}}};
        k.Resolve();
        return k;
    }();
    return kind;
}

// Weapons grew newer columns (notes, description, fire modes, craft), each used only when
// the table has it; without "NormalAttack" a weapon keeps allowing normal attacks.
const TableKind& Weapons() {
    static const TableKind kind = [] {
        TableKind k{
            .name = "Weapon",
            .record = &Describe<clsWeapon>::Kind(),
            .table = "tblWeapons",
            .keys = {{"Name", "Name"}},
            .descript = true,
            .readStatement = {Form::A},
            .delStatement = {Form::A},
            .listLabel = "Property Get: GetWeaponList",
            .readLabel = "Property Get: GetWeaponInfo(",
            .addLabel = "Property Let: AddWeapon(",
            .delLabel = "Property Let: DelWeapon(",
            .emptyTable = "There are no Weapon Records in the Database!",
            .readEmptyKey = "A Weapon Search field was not corretly Identified.",
            .readNoMatch = "Unable to locate a Weapon matching your criteria.",
            .columns = {{"Name", "Name", Read::Key, Write::Always},
                        {"MultFire", "MultFire"},
                        {"AutoFire", "AutoFire"},
                        {"Personal", "Personal"},
                        {"FireControl", "FireControl"},
                        {"AtkType", "AtkType", Read::NotNull, Write::IfValue},
                        {"Feat", "Feat", Read::NotNull, Write::IfValue},
                        {"Size", "Size", Read::NotNull, Write::IfValue},
                        {"Cost", "Cost"},
                        {"Damage", "Damage", Read::NotNull, Write::IfValue},
                        {"Stun", "Stun", Read::NotNull, Write::IfValue},
                        {"FortDC", "FortDC", Read::NotNull, Write::IfValue},
                        {"Critical", "Critical"},
                        {"Mass", "Mass"},
                        {"Range", "Range"},
                        {"Type", "WeapType", Read::NotNull, Write::IfValue},
                        {"Source", "Source", Read::NotNull, Write::IfValue},
                        {"Notes", "Notes", Read::IfPresentNotNull, Write::IfPresentAndValue},
                        {"Description", "Description", Read::IfDescript, Write::IfPresentAndValue},
                        {"NormalAttack", "NormFire", Read::IfPresent, Write::IfPresent},
                        {"MultBonus", "MultFireCtl", Read::IfPresent, Write::IfPresent},
                        {"AutoBonus", "AutoFireCtl", Read::IfPresent, Write::IfPresent},
                        {"Craft", "Craft", Read::IfPresentNotNull, Write::IfPresentAndValue}}};
        k.Resolve();
        return k;
    }();
    return kind;
}

const TableKind& Equipment() {
    static const TableKind kind = [] {
        TableKind k{.name = "Equipment",
                    .record = &Describe<clsEquipment>::Kind(),
                    .table = "tblEquipment",
                    .keys = {{"Name", "Name"}},
                    .descript = true,
                    .readStatement = {Form::B},
                    .delStatement = {Form::B},
                    .listLabel = "Property Get: GetEquipmentList",
                    .readLabel = "Property Get: GetEquipmentInfo(",
                    .addLabel = "Property Let: AddEquipment(",
                    .delLabel = "Property Let: DelEquipment(",
                    .emptyTable = "There are no Equipment Records in the Database!",
                    .readEmptyKey = "An Equipment Search field was not corretly Identified.",
                    .readNoMatch = "Unable to locate an Equipment matching your criteria.",
                    .columns = {{"Name", "Name", Read::Key, Write::Always},
                                {"Cost", "Cost"},
                                {"Mass", "Mass"},
                                {"Synergy", "Synergy", Read::NotNull, Write::IfValue},
                                {"Source", "Source", Read::NotNull, Write::IfValue},
                                {"Notes", "Notes", Read::NotNull, Write::IfValue},
                                {"Description", "Description", Read::IfDescript,
                                 Write::IfPresentAndValue}}};
        k.Resolve();
        return k;
    }();
    return kind;
}

}  // namespace

ORVANE_REGISTER_TABLE(Armor)
ORVANE_REGISTER_TABLE(Weapons)
ORVANE_REGISTER_TABLE(Equipment)

ListResult clsDatabase::GetArmorList() { return ListRows(*state_, Armor()); }
std::shared_ptr<clsArmor> clsDatabase::GetArmorInfo(const std::string& strArmor, bool bDescript) {
    return ReadAs<clsArmor>(*state_, Armor(), {strArmor}, bDescript);
}
void clsDatabase::AddArmor(const clsArmor* record) { AddRow(*state_, Armor(), record); }
void clsDatabase::DelArmor(const std::string& name) { DeleteRow(*state_, Armor(), {name}); }

ListResult clsDatabase::GetWeaponList() { return ListRows(*state_, Weapons()); }
std::shared_ptr<clsWeapon> clsDatabase::GetWeaponInfo(const std::string& strWeapons,
                                                      bool bDescript) {
    return ReadAs<clsWeapon>(*state_, Weapons(), {strWeapons}, bDescript);
}
void clsDatabase::AddWeapon(const clsWeapon* record) { AddRow(*state_, Weapons(), record); }
void clsDatabase::DelWeapon(const std::string& name) { DeleteRow(*state_, Weapons(), {name}); }

ListResult clsDatabase::GetEquipmentList() { return ListRows(*state_, Equipment()); }
std::shared_ptr<clsEquipment> clsDatabase::GetEquipmentInfo(const std::string& strEquip,
                                                            bool bDescript) {
    return ReadAs<clsEquipment>(*state_, Equipment(), {strEquip}, bDescript);
}
void clsDatabase::AddEquipment(const clsEquipment* record) { AddRow(*state_, Equipment(), record); }
void clsDatabase::DelEquipment(const std::string& name) { DeleteRow(*state_, Equipment(), {name}); }

}  // namespace OrvaneLib
