// Armour, weapons and equipment: their resets, computed answers and text files.
#include "orvane/records/gear.hpp"

#include <array>
#include <string_view>
#include <utility>

#include "host/internal.hpp"
#include "records/describe.hpp"

namespace OrvaneLib {

std::string clsArmor::GetBonAttrName(Integer iAbility) const {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kFull = {{
        {"Str", "Strength"},
        {"Dex", "Dexterity"},
        {"Con", "Constitution"},
        {"Int", "Intelligence"},
        {"Wis", "Wisdom"},
        {"Cha", "Charisma"},
    }};
    std::string name = ability_.GetName(iAbility);
    // Only the first three characters count, compared case-sensitively.
    const std::string_view head = std::string_view(name).substr(0, 3);
    for (const auto& [abbreviation, full] : kFull)
        if (head == abbreviation) return std::string(full);
    return name;
}

bool clsWeapon::IsLight() const { return Size == "Medium" || Size == "Small" || Size == "Tiny"; }
bool clsWeapon::IsRanged() const { return AtkType == "Ranged Attack"; }
bool clsWeapon::IsMelee() const { return AtkType == "Melee Attack"; }

// Armour files end with the description and the damage reduction, each optional, so that
// files written before either existed still load.
ORVANE_DESCRIBE_RECORD(clsArmor) {
    return {
        .fields =
            {Key<&R::Name>("Name"), F<&R::Feat>("Feat", Col::Value).Names(Ref::Feat),
             F<&R::Cost>("Cost"), F<&R::Mass>("Mass"), F<&R::DefenseBonus>("DefenseBonus"),
             F<&R::MaxDexBonus>("MaxDexBonus"), F<&R::ArmorCheck>("ArmorCheck"),
             F<&R::Move10>("Move10"), F<&R::Move6>("Move6"),
             F<&R::Notes>("Notes", Col::Value).As(TextForm::Note),
             F<&R::Source>("Source", Col::Value),
             F<&R::synergy_>("Synergy", Col::Value).Names(Ref::Skill),
             F<&R::ability_>("AbilityBonus", Col::Value).Names(Ref::Ability),
             F<&R::Description>("Description", Col::Descript).As(TextForm::Description).Group(1),
             F<&R::DR>("DR").Rules(Read::IfPresentNotNull, Write::IfPresent).Group(2)},
        .tables = {{.name = "Armour",
                    .table = "tblArmor",
                    .noun = "Armor",
                    .read = Form::B,
                    .list = {.lbound = 0, .skipNull = true},
                    .readEmptyKey = "A Armor Search field was not corretly Identified."}}};
}

// Weapon files grew twice: a group of four (description and fire modes) and then the craft
// text. Loading overlays, so a shorter file leaves the later fields as they were. The table
// grew newer columns too, each used only when present; without "NormalAttack" a weapon
// keeps allowing normal attacks, which is why NormFire is cleared to true.
ORVANE_DESCRIBE_RECORD(clsWeapon) {
    return {
        .fields =
            {Key<&R::Name>("Name"),
             F<&R::Feat>("Feat", Col::Value).Names(Ref::Feat),
             F<&R::MultFire>("MultFire"),
             F<&R::AutoFire>("AutoFire"),
             F<&R::Personal>("Personal"),
             F<&R::FireControl>("FireControl"),
             F<&R::Size>("Size", Col::Value).Names(Ref::Size),
             F<&R::Cost>("Cost"),
             F<&R::Mass>("Mass"),
             F<&R::Range>("Range"),
             F<&R::Critical>("Critical"),
             F<&R::Damage>("Damage", Col::Value),
             F<&R::Stun>("Stun", Col::Value),
             F<&R::FortDC>("FortDC", Col::Value),
             F<&R::WeapType>("WeapType", Col::Value, "Type"),
             F<&R::AtkType>("AtkType", Col::Value),
             F<&R::Source>("Source", Col::Value),
             F<&R::Notes>("Notes", Col::NewerText).As(TextForm::Note),
             F<&R::Description>("Description", Col::Descript).As(TextForm::Description).Group(1),
             F<&R::NormFire>("NormFire", Col::Newer, "NormalAttack").Group(1),
             F<&R::MultFireCtl>("MultFireCtl", Col::Newer, "MultBonus").Group(1),
             F<&R::AutoFireCtl>("AutoFireCtl", Col::Newer, "AutoBonus").Group(1),
             F<&R::Craft>("Craft", Col::NewerText).Group(2)},
        .tables = {{.name = "Weapon", .table = "tblWeapons"}},
        .overlay = true,
        .afterClear = [](Object& o) { As<R>(o).NormFire = true; }};
}

ORVANE_DESCRIBE_RECORD(clsEquipment) {
    return {
        .fields =
            {Key<&R::Name>("Name"), F<&R::Cost>("Cost"), F<&R::Mass>("Mass"),
             F<&R::Source>("Source", Col::Value),
             F<&R::Notes>("Notes", Col::Value).As(TextForm::Note),
             F<&R::synergy_>("Synergy", Col::Value).Names(Ref::Skill),
             F<&R::Description>("Description", Col::Descript).As(TextForm::Description).Group(1)},
        .tables = {{.name = "Equipment", .table = "tblEquipment", .read = Form::B}}};
}

}  // namespace OrvaneLib
