// What every record class shares: the persistence members (implemented once, from the
// record kind's description), forwarding macros for the list families, the ability
// modifiers and the special-quality object slots. Not meant to be used by callers directly.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "orvane/types.hpp"

namespace OrvaneLib {

class clsSpecialQualities;

namespace detail {

struct RecordKind;

// The description of record class R: its fields, its text file and, through the database
// layer, its table. Each record family's source defines Describe<R>::Kind(); record
// classes befriend Describe<R> so that the description can reach their owned lists.
template <class R>
struct Describe;

// What every record class shares: its class name, Save and Load, all driven by its kind.
class RecordBase : public Object {
  public:
    std::string ClassName() const override;
    void Save(const std::string& FileName);
    void Load(const std::string& FileName);
    virtual const RecordKind& Kind() const = 0;
};

template <class R>
class Record : public RecordBase {
  public:
    const RecordKind& Kind() const override { return Describe<R>::Kind(); }
};

// Converts a variant index given as text to an Integer: std::invalid_argument when it is not
// a number, std::overflow_error when it is out of range; halves round to even.
Integer VariantToInteger(const std::string& value);

// The six ability modifiers (Strength to Charisma), index 0 to 5.
class AbilityModifiers {
  public:
    Integer GetModifier(Integer iModifier) const {
        return iModifier >= 0 && iModifier <= 5 ? modifiers_[static_cast<std::size_t>(iModifier)]
                                                : Integer{0};
    }
    void SetModifier(Integer iModifier, Integer iValue) {
        if (iModifier >= 0 && iModifier <= 5)
            modifiers_[static_cast<std::size_t>(iModifier)] = iValue;
    }

  protected:
    void ClearModifiers() { modifiers_.fill(0); }
    std::array<Integer, 6> modifiers_{};
};

// Special-quality objects a caller attaches, one slot per entry of the special-quality list.
// D provides `Integer SpecQualCount() const` (befriending this class).
template <class D>
class QualitySlots {
  public:
    std::shared_ptr<clsSpecialQualities> GetSpecialQualityObj(Integer iSpecQuals) const {
        if (!InRange(iSpecQuals)) return nullptr;
        return slots_[static_cast<std::size_t>(iSpecQuals)];
    }
    void SetSpecialQualityObj(Integer iSpecQuals, std::shared_ptr<clsSpecialQualities> objSpecial) {
        if (InRange(iSpecQuals))
            slots_[static_cast<std::size_t>(iSpecQuals)] = std::move(objSpecial);
    }

  protected:
    // One empty slot per entry of the list (one slot when it is empty); attached objects go.
    void ResizeSlots(Integer count) {
        slots_.assign(count > 0 ? static_cast<std::size_t>(count) : 1u, nullptr);
    }

  private:
    bool InRange(Integer i) const {
        return i >= 0 && i < static_cast<const D*>(this)->SpecQualCount() &&
               static_cast<std::size_t>(i) < slots_.size();
    }
    std::vector<std::shared_ptr<clsSpecialQualities>> slots_ =
        std::vector<std::shared_ptr<clsSpecialQualities>>(1);
};

}  // namespace detail
}  // namespace OrvaneLib

// Declares that record class R has a description (before R's definition).
#define ORVANE_DESCRIBED(R)              \
    class R;                             \
    namespace detail {                   \
    template <>                          \
    struct Describe<R> {                 \
        static const RecordKind& Kind(); \
    };                                   \
    }

// Forwarding members of the list families: each hands its call to one operation of an owned
// list object and returns the answer unchanged.
#define ORVANE_FWD_SET(list, Name) \
    void Name(const std::string& text) { list.SetList(text); }
#define ORVANE_FWD_HAS(list, Name) \
    bool Name() const { return list.HasList(); }
#define ORVANE_FWD_SIZE(list, Name) \
    ::OrvaneLib::Integer Name() const { return list.GetSize(); }
#define ORVANE_FWD_IN(list, Name) \
    bool Name(const std::string& item) const { return list.InList(item); }
#define ORVANE_FWD_TEXT(list, Name) \
    std::string Name() const { return list.GetList(); }
#define ORVANE_FWD_AT(list, Name, Op) \
    auto Name(::OrvaneLib::Integer index) const { return list.Op(index); }
#define ORVANE_FWD_AT2(list, Name, Op)                                         \
    auto Name(::OrvaneLib::Integer index, ::OrvaneLib::Integer second) const { \
        return list.Op(index, second);                                         \
    }
// Two-index members whose second index is a variant: an Integer and a text overload.
#define ORVANE_FWD_AT2V(list, Name, Op)                                       \
    ORVANE_FWD_AT2(list, Name, Op)                                            \
    auto Name(::OrvaneLib::Integer index, const std::string& second) const {  \
        return list.Op(index, ::OrvaneLib::detail::VariantToInteger(second)); \
    }
#define ORVANE_FWD_BYNAME(list, Name, Op) \
    auto Name(const std::string& item) const { return list.Op(item); }
// An alternative-set member taking a set index and an item name.
#define ORVANE_FWD_SET_IN(list, Name)                                    \
    bool Name(::OrvaneLib::Integer set, const std::string& item) const { \
        return list.InList(set, item);                                   \
    }

// The complete family of a simple item list: set, has, count, is, get by index, text.
#define ORVANE_SIMPLE_FAMILY(list, Set, Has, Num, Is, Get, Text)                         \
    ORVANE_FWD_SET(list, Set)                                                            \
    ORVANE_FWD_HAS(list, Has)                                                            \
    ORVANE_FWD_SIZE(list, Num) ORVANE_FWD_IN(list, Is) ORVANE_FWD_AT(list, Get, GetItem) \
        ORVANE_FWD_TEXT(list, Text)

// The synergy family core: has, set, count, level, skill and bonus by index.
#define ORVANE_SYNERGY_CORE(list)                                                       \
    ORVANE_FWD_HAS(list, GivesSynergyBonus)                                             \
    ORVANE_FWD_SET(list, SetSynergy)                                                    \
    ORVANE_FWD_SIZE(list, GetNumSynergy) ORVANE_FWD_AT(list, GetSynergyLevel, GetLevel) \
        ORVANE_FWD_AT(list, GetSynergySkill, GetSkill)                                  \
            ORVANE_FWD_AT(list, GetSynergyBonus, GetBonus)
// ... and its by-skill questions.
#define ORVANE_SYNERGY_BY_SKILL(list)                                    \
    ORVANE_FWD_IN(list, IsSynergySkill)                                  \
    ORVANE_FWD_BYNAME(list, GetSynergyLevelFromSkill, GetLevelFromSkill) \
    ORVANE_FWD_BYNAME(list, GetSynergyBonusFromSkill, GetBonusFromSkill)

// The complete family of a name-and-rank list: has, set, count, is, name and rank by index, text.
#define ORVANE_LEVEL_FAMILY(list, Has, Set, Num, Is, Name, Rank, Text)           \
    ORVANE_FWD_HAS(list, Has)                                                    \
    ORVANE_FWD_SET(list, Set) ORVANE_FWD_SIZE(list, Num) ORVANE_FWD_IN(list, Is) \
        ORVANE_FWD_AT(list, Name, GetName) ORVANE_FWD_AT(list, Rank, GetRank)    \
            ORVANE_FWD_TEXT(list, Text)

// The complete family of a bonus list: set, has, count, name and number by index, level and
// quantity by index and instance, text. The _V form takes the instance as a variant too.
#define ORVANE_BONUS_FAMILY(list, Set, Has, Num, Name, Number, Level, Quantity, Text)       \
    ORVANE_FWD_SET(list, Set)                                                               \
    ORVANE_FWD_HAS(list, Has) ORVANE_FWD_SIZE(list, Num) ORVANE_FWD_AT(list, Name, GetName) \
        ORVANE_FWD_AT(list, Number, GetNumber) ORVANE_FWD_AT2(list, Level, GetLevel)        \
            ORVANE_FWD_AT2(list, Quantity, GetQuantity) ORVANE_FWD_TEXT(list, Text)
#define ORVANE_BONUS_FAMILY_V(list, Set, Has, Num, Name, Number, Level, Quantity, Text)     \
    ORVANE_FWD_SET(list, Set)                                                               \
    ORVANE_FWD_HAS(list, Has) ORVANE_FWD_SIZE(list, Num) ORVANE_FWD_AT(list, Name, GetName) \
        ORVANE_FWD_AT(list, Number, GetNumber) ORVANE_FWD_AT2V(list, Level, GetLevel)       \
            ORVANE_FWD_AT2V(list, Quantity, GetQuantity) ORVANE_FWD_TEXT(list, Text)

// The families of alternative-set lists: has, set, count of sets, count within a set, is (in
// a set), the items (or names and ranks) by set and index, a set's text, the whole text.
#define ORVANE_OR_SIMPLE_FAMILY(list, Has, Set, NumSets, Num, Is, Item, SetText, Text)           \
    ORVANE_FWD_HAS(list, Has)                                                                    \
    ORVANE_FWD_SET(list, Set) ORVANE_FWD_SIZE(list, NumSets) ORVANE_FWD_AT(list, Num, GetNumber) \
        ORVANE_FWD_SET_IN(list, Is) ORVANE_FWD_AT2(list, Item, GetItem)                          \
            ORVANE_FWD_AT(list, SetText, GetSetList) ORVANE_FWD_TEXT(list, Text)
#define ORVANE_OR_LEVEL_FAMILY(list, Has, Set, NumSets, Num, Is, Name, Rank, SetText, Text)      \
    ORVANE_FWD_HAS(list, Has)                                                                    \
    ORVANE_FWD_SET(list, Set) ORVANE_FWD_SIZE(list, NumSets) ORVANE_FWD_AT(list, Num, GetNumber) \
        ORVANE_FWD_SET_IN(list, Is) ORVANE_FWD_AT2(list, Name, GetName)                          \
            ORVANE_FWD_AT2(list, Rank, GetRank) ORVANE_FWD_AT(list, SetText, GetSetList)         \
                ORVANE_FWD_TEXT(list, Text)
