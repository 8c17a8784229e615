// Armour, weapons and equipment: their resets, computed answers and text files.
#include "orvane/records/gear.hpp"

#include <array>
#include <string_view>
#include <utility>

#include "records/kind.hpp"

namespace OrvaneLib {

void clsArmor::Clear() {
    Name.clear();
    Feat.clear();
    Cost = 0;
    Mass = DefenseBonus = MaxDexBonus = ArmorCheck = Move10 = Move6 = DR = 0;
    Notes.clear();
    Source.clear();
    Description.clear();
    synergy_.Clear();
    ability_.Clear();
}

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

void clsWeapon::Clear() {
    Name.clear();
    Feat.clear();
    NormFire = true;
    MultFire = AutoFire = Personal = false;
    FireControl = MultFireCtl = AutoFireCtl = 0;
    Size.clear();
    Cost = Mass = Range = Critical = 0;
    Damage.clear();
    Stun.clear();
    FortDC.clear();
    WeapType.clear();
    AtkType.clear();
    Source.clear();
    Notes.clear();
    Description.clear();
    Craft.clear();
}

bool clsWeapon::IsLight() const { return Size == "Medium" || Size == "Small" || Size == "Tiny"; }
bool clsWeapon::IsRanged() const { return AtkType == "Ranged Attack"; }
bool clsWeapon::IsMelee() const { return AtkType == "Melee Attack"; }

void clsEquipment::Clear() {
    Name.clear();
    Cost = Mass = 0;
    Source.clear();
    Notes.clear();
    Description.clear();
    synergy_.Clear();
}

namespace detail {

// Armour files end with the description and the damage reduction, each optional, so that
// files written before either existed still load.
const RecordKind& Describe<clsArmor>::Kind() {
    using R = clsArmor;
    static const RecordKind kind = KindOf<R>("clsArmor",
                                             {{"Name", Member<&R::Name>()},
                                              {"Feat", Member<&R::Feat>()},
                                              {"Cost", Member<&R::Cost>()},
                                              {"Mass", Member<&R::Mass>()},
                                              {"DefenseBonus", Member<&R::DefenseBonus>()},
                                              {"MaxDexBonus", Member<&R::MaxDexBonus>()},
                                              {"ArmorCheck", Member<&R::ArmorCheck>()},
                                              {"Move10", Member<&R::Move10>()},
                                              {"Move6", Member<&R::Move6>()},
                                              {"Notes", Member<&R::Notes>()},
                                              {"Source", Member<&R::Source>()},
                                              {"Synergy", Member<&R::synergy_>()},
                                              {"AbilityBonus", Member<&R::ability_>()},
                                              {"Description", Member<&R::Description>()},
                                              {"DR", Member<&R::DR>()}},
                                             {{"Name"},
                                              {"Feat"},
                                              {"Cost"},
                                              {"Mass"},
                                              {"DefenseBonus"},
                                              {"MaxDexBonus"},
                                              {"ArmorCheck"},
                                              {"Move10"},
                                              {"Move6"},
                                              {"Notes", TextForm::Note},
                                              {"Source"},
                                              {"Synergy"},
                                              {"AbilityBonus"},
                                              {"Description", TextForm::Description, 1},
                                              {"DR", TextForm::Plain, 2}});
    return kind;
}

// Weapon files grew twice: a group of four (description and fire modes) and then the craft
// text. Loading overlays, so a shorter file leaves the later fields as they were.
const RecordKind& Describe<clsWeapon>::Kind() {
    using R = clsWeapon;
    static const RecordKind kind = KindOf<R>("clsWeapon",
                                             {{"Name", Member<&R::Name>()},
                                              {"Feat", Member<&R::Feat>()},
                                              {"NormFire", Member<&R::NormFire>()},
                                              {"MultFire", Member<&R::MultFire>()},
                                              {"AutoFire", Member<&R::AutoFire>()},
                                              {"Personal", Member<&R::Personal>()},
                                              {"FireControl", Member<&R::FireControl>()},
                                              {"MultFireCtl", Member<&R::MultFireCtl>()},
                                              {"AutoFireCtl", Member<&R::AutoFireCtl>()},
                                              {"Size", Member<&R::Size>()},
                                              {"Cost", Member<&R::Cost>()},
                                              {"Mass", Member<&R::Mass>()},
                                              {"Range", Member<&R::Range>()},
                                              {"Critical", Member<&R::Critical>()},
                                              {"Damage", Member<&R::Damage>()},
                                              {"Stun", Member<&R::Stun>()},
                                              {"FortDC", Member<&R::FortDC>()},
                                              {"WeapType", Member<&R::WeapType>()},
                                              {"AtkType", Member<&R::AtkType>()},
                                              {"Source", Member<&R::Source>()},
                                              {"Notes", Member<&R::Notes>()},
                                              {"Description", Member<&R::Description>()},
                                              {"Craft", Member<&R::Craft>()}},
                                             {{"Name"},
                                              {"Feat"},
                                              {"MultFire"},
                                              {"AutoFire"},
                                              {"Personal"},
                                              {"FireControl"},
                                              {"Size"},
                                              {"Cost"},
                                              {"Mass"},
                                              {"Range"},
                                              {"Critical"},
                                              {"Damage"},
                                              {"Stun"},
                                              {"FortDC"},
                                              {"WeapType"},
                                              {"AtkType"},
                                              {"Source"},
                                              {"Notes", TextForm::Note},
                                              {"Description", TextForm::Description, 1},
                                              {"NormFire", TextForm::Plain, 1},
                                              {"MultFireCtl", TextForm::Plain, 1},
                                              {"AutoFireCtl", TextForm::Plain, 1},
                                              {"Craft", TextForm::Plain, 2}},
                                             /*overlay=*/true);
    return kind;
}

const RecordKind& Describe<clsEquipment>::Kind() {
    using R = clsEquipment;
    static const RecordKind kind = KindOf<R>("clsEquipment",
                                             {{"Name", Member<&R::Name>()},
                                              {"Cost", Member<&R::Cost>()},
                                              {"Mass", Member<&R::Mass>()},
                                              {"Source", Member<&R::Source>()},
                                              {"Notes", Member<&R::Notes>()},
                                              {"Synergy", Member<&R::synergy_>()},
                                              {"Description", Member<&R::Description>()}},
                                             {{"Name"},
                                              {"Cost"},
                                              {"Mass"},
                                              {"Source"},
                                              {"Notes", TextForm::Note},
                                              {"Synergy"},
                                              {"Description", TextForm::Description, 1}});
    return kind;
}

}  // namespace detail

ORVANE_REGISTER_CLASS(clsArmor)
ORVANE_REGISTER_CLASS(clsWeapon)
ORVANE_REGISTER_CLASS(clsEquipment)

}  // namespace OrvaneLib
