// Gear: suits of armour, weapons and items of general equipment.
#pragma once

#include <string>

#include "orvane/lists.hpp"
#include "orvane/record.hpp"

namespace OrvaneLib {

// The members of clsArmor beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsArmor(X)                \
    X(SYNERGY_CORE, synergy_)                     \
    X(FWD_TEXT, synergy_, SynergyList)            \
    X(FWD_HAS, ability_, AbilityBonus)            \
    X(FWD_SET, ability_, SetBonAttr)              \
    X(FWD_SIZE, ability_, GetNumBonAttr)          \
    X(FWD_IN, ability_, IsBonAttr)                \
    X(FWD_AT, ability_, GetBonAttrScore, GetRank) \
    X(FWD_TEXT, ability_, AbilityList)            \
    X(DECLARED, GetBonAttrName)

// One suit of armour, with the skill synergies it gives and the ability bonuses it grants.
class ORVANE_API clsArmor : public Record {
    ORVANE_RECORD(clsArmor)
    clsArmor() { Clear(); }
    std::string Name;
    std::string Feat;
    Long Cost = 0;
    Integer Mass = 0;
    Integer DefenseBonus = 0;
    Integer MaxDexBonus = 0;
    Integer ArmorCheck = 0;
    Integer Move10 = 0;
    Integer Move6 = 0;
    std::string Notes;
    std::string Source;
    std::string Description;
    Integer DR = 0;

    ORVANE_MEMBERS(clsArmor)

    // The ability's name, its usual three-letter abbreviation written out in full.
    std::string GetBonAttrName(Integer iAbility) const;

  private:
    clsListSynergy synergy_;
    clsListLevel ability_;
};

// The members of clsWeapon beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsWeapon(X) \
    X(DECLARED, IsLight)            \
    X(DECLARED, IsRanged)           \
    X(DECLARED, IsMelee)

// One weapon. A weapon allows normal attacks unless told otherwise, so NormFire starts true.
class ORVANE_API clsWeapon : public Record {
    ORVANE_RECORD(clsWeapon)
    clsWeapon() { Clear(); }
    std::string Name;
    std::string Feat;
    bool NormFire = true;
    bool MultFire = false;
    bool AutoFire = false;
    bool Personal = false;
    Integer FireControl = 0;
    Integer MultFireCtl = 0;
    Integer AutoFireCtl = 0;
    std::string Size;
    Integer Cost = 0;
    Integer Mass = 0;
    Integer Range = 0;
    Integer Critical = 0;
    std::string Damage;
    std::string Stun;
    std::string FortDC;
    std::string WeapType;
    std::string AtkType;
    std::string Source;
    std::string Notes;
    std::string Description;
    std::string Craft;

    // Exact, case-sensitive tests of the size and attack type.
    bool IsLight() const;
    bool IsRanged() const;
    bool IsMelee() const;

    ORVANE_MEMBERS(clsWeapon)
};

// The members of clsEquipment beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsEquipment(X) \
    X(SYNERGY_CORE, synergy_)          \
    X(FWD_TEXT, synergy_, SynergyList)

// One item of general equipment.
class ORVANE_API clsEquipment : public Record {
    ORVANE_RECORD(clsEquipment)
    clsEquipment() { Clear(); }
    std::string Name;
    Integer Cost = 0;
    Integer Mass = 0;
    std::string Source;
    std::string Notes;
    std::string Description;

    ORVANE_MEMBERS(clsEquipment)

  private:
    clsListSynergy synergy_;
};

}  // namespace OrvaneLib

// The kinds of this family and their clsDatabase operations (see ORVANE_DECLARE_KIND).
#define ORVANE_GEAR_KINDS(X)                                                             \
    X(clsArmor, 0, TEXT_DESCRIBED, GetArmorList, GetArmorInfo, AddArmor, DelArmor)       \
    X(clsEquipment, 0, TEXT_DESCRIBED, GetEquipmentList, GetEquipmentInfo, AddEquipment, \
      DelEquipment)                                                                      \
    X(clsWeapon, 0, TEXT_DESCRIBED, GetWeaponList, GetWeaponInfo, AddWeapon, DelWeapon)

namespace OrvaneLib {
ORVANE_GEAR_KINDS(ORVANE_DESCRIBED_KIND)
}  // namespace OrvaneLib
