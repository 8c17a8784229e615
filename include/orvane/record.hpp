// What every record class shares: Clear, Save and Load and the class name, implemented once
// inside the library from the description of the record's kind; the ability modifiers and
// the special-quality object slots some records carry; forwarding macros for the families
// of members that answer from an owned encoded list; and the macros that declare the four
// clsDatabase operations of each record kind.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "orvane/export.hpp"
#include "orvane/types.hpp"

namespace OrvaneLib {

class clsSpecialQualities;

namespace detail {
// The description of a record kind: its fields, its text file and its table. It lives
// inside the library; callers only ever see the classes it describes.
struct RecordKind;
struct KindDescription;
template <class T>
struct Describe {
    using R = T;
    static const RecordKind& Kind();
    static KindDescription Description();
};
struct RecordAccess;
}  // namespace detail

// The base of every record class. Clear sets every field to its cleared value (texts empty,
// numbers 0, flags false, lists empty); Save and Load write and read the record's text file,
// showing a message box of their own when they fail.
class ORVANE_API Record : public Object {
  public:
    std::string ClassName() const override;
    void Clear();
    void Save(const std::string& FileName);
    void Load(const std::string& FileName);

  private:
    friend struct detail::RecordAccess;
    virtual const detail::RecordKind& Kind() const = 0;
};

// Converts a variant index given as text to an Integer: std::invalid_argument when it is not
// a number, std::overflow_error when it is out of range; halves round to even.
ORVANE_API Integer VariantToInteger(const std::string& value);

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

}  // namespace OrvaneLib

// Opens the body of a record class R: gives the library's description of R access to its
// owned lists and ties R to that description.
#define ORVANE_RECORD(R)                                          \
  private:                                                        \
    friend struct ::OrvaneLib::detail::Describe<R>;               \
    const ::OrvaneLib::detail::RecordKind& Kind() const override; \
                                                                  \
  public:

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
#define ORVANE_FWD_AT2V(list, Name, Op)                                      \
    ORVANE_FWD_AT2(list, Name, Op)                                           \
    auto Name(::OrvaneLib::Integer index, const std::string& second) const { \
        return list.Op(index, ::OrvaneLib::VariantToInteger(second));        \
    }
#define ORVANE_FWD_BYNAME(list, Name, Op) \
    auto Name(const std::string& item) const { return list.Op(item); }
// An alternative-set member taking a set index and an item name.
#define ORVANE_FWD_SET_IN(list, Name)                                    \
    bool Name(::OrvaneLib::Integer set, const std::string& item) const { \
        return list.InList(set, item);                                   \
    }

// The complete family of a simple item list: set, has, count, is, get by index, text.
#define ORVANE_SIMPLE_FAMILY(list, Set, Has, Num, Is, Get, Text) \
    ORVANE_FWD_SET(list, Set)                                    \
    ORVANE_FWD_HAS(list, Has)                                    \
    ORVANE_FWD_SIZE(list, Num)                                   \
    ORVANE_FWD_IN(list, Is) ORVANE_FWD_AT(list, Get, GetItem) ORVANE_FWD_TEXT(list, Text)

// The synergy family core: has, set, count, level, skill and bonus by index.
#define ORVANE_SYNERGY_CORE(list)                  \
    ORVANE_FWD_HAS(list, GivesSynergyBonus)        \
    ORVANE_FWD_SET(list, SetSynergy)               \
    ORVANE_FWD_SIZE(list, GetNumSynergy)           \
    ORVANE_FWD_AT(list, GetSynergyLevel, GetLevel) \
    ORVANE_FWD_AT(list, GetSynergySkill, GetSkill) ORVANE_FWD_AT(list, GetSynergyBonus, GetBonus)
// ... and its by-skill questions.
#define ORVANE_SYNERGY_BY_SKILL(list)                                    \
    ORVANE_FWD_IN(list, IsSynergySkill)                                  \
    ORVANE_FWD_BYNAME(list, GetSynergyLevelFromSkill, GetLevelFromSkill) \
    ORVANE_FWD_BYNAME(list, GetSynergyBonusFromSkill, GetBonusFromSkill)

// The complete family of a name-and-rank list: has, set, count, is, name and rank by index, text.
#define ORVANE_LEVEL_FAMILY(list, Has, Set, Num, Is, Name, Rank, Text)                            \
    ORVANE_FWD_HAS(list, Has)                                                                     \
    ORVANE_FWD_SET(list, Set)                                                                     \
    ORVANE_FWD_SIZE(list, Num)                                                                    \
    ORVANE_FWD_IN(list, Is) ORVANE_FWD_AT(list, Name, GetName) ORVANE_FWD_AT(list, Rank, GetRank) \
        ORVANE_FWD_TEXT(list, Text)

// The complete family of a bonus list: set, has, count, name and number by index, level and
// quantity by index and instance, text. The _V form takes the instance as a variant too.
#define ORVANE_BONUS_FAMILY(list, Set, Has, Num, Name, Number, Level, Quantity, Text)     \
    ORVANE_FWD_SET(list, Set)                                                             \
    ORVANE_FWD_HAS(list, Has)                                                             \
    ORVANE_FWD_SIZE(list, Num)                                                            \
    ORVANE_FWD_AT(list, Name, GetName) ORVANE_FWD_AT(list, Number, GetNumber)             \
        ORVANE_FWD_AT2(list, Level, GetLevel) ORVANE_FWD_AT2(list, Quantity, GetQuantity) \
            ORVANE_FWD_TEXT(list, Text)
#define ORVANE_BONUS_FAMILY_V(list, Set, Has, Num, Name, Number, Level, Quantity, Text)     \
    ORVANE_FWD_SET(list, Set)                                                               \
    ORVANE_FWD_HAS(list, Has)                                                               \
    ORVANE_FWD_SIZE(list, Num)                                                              \
    ORVANE_FWD_AT(list, Name, GetName) ORVANE_FWD_AT(list, Number, GetNumber)               \
        ORVANE_FWD_AT2V(list, Level, GetLevel) ORVANE_FWD_AT2V(list, Quantity, GetQuantity) \
            ORVANE_FWD_TEXT(list, Text)

// The families of alternative-set lists: has, set, count of sets, count within a set, is (in
// a set), the items (or names and ranks) by set and index, a set's text, the whole text.
#define ORVANE_OR_SIMPLE_FAMILY(list, Has, Set, NumSets, Num, Is, Item, SetText, Text) \
    ORVANE_FWD_HAS(list, Has)                                                          \
    ORVANE_FWD_SET(list, Set)                                                          \
    ORVANE_FWD_SIZE(list, NumSets)                                                     \
    ORVANE_FWD_AT(list, Num, GetNumber) ORVANE_FWD_SET_IN(list, Is)                    \
        ORVANE_FWD_AT2(list, Item, GetItem) ORVANE_FWD_AT(list, SetText, GetSetList)   \
            ORVANE_FWD_TEXT(list, Text)
#define ORVANE_OR_LEVEL_FAMILY(list, Has, Set, NumSets, Num, Is, Name, Rank, SetText, Text) \
    ORVANE_FWD_HAS(list, Has)                                                               \
    ORVANE_FWD_SET(list, Set)                                                               \
    ORVANE_FWD_SIZE(list, NumSets)                                                          \
    ORVANE_FWD_AT(list, Num, GetNumber) ORVANE_FWD_SET_IN(list, Is)                         \
        ORVANE_FWD_AT2(list, Name, GetName) ORVANE_FWD_AT2(list, Rank, GetRank)             \
            ORVANE_FWD_AT(list, SetText, GetSetList) ORVANE_FWD_TEXT(list, Text)

// Every record class lists the members it has beyond its fields once, before the class, as
// ORVANE_MEMBERS_<class>(X): an entry X(FAMILY, list, names...) for each family of forwarding
// members above (ORVANE_<FAMILY>(list, names...)), and X(DECLARED, Name) for a member the
// class declares itself (an operation of its own or a reference field). The class body
// expands its list with ORVANE_MEMBERS(class): ORVANE_MEMBER defines the families and leaves
// the declared members to the body. The Python module expands the same lists to bind every
// member.
#define ORVANE_MEMBERS(R) ORVANE_MEMBERS_##R(ORVANE_MEMBER)
#define ORVANE_MEMBER(Family, ...) ORVANE_##Family(__VA_ARGS__)
#define ORVANE_DECLARED(Name)

// Declares that the library describes record class R (from a family's list of kinds, at
// namespace scope), so that every use of its description refers to that one.
#define ORVANE_DESCRIBED_KIND(R, T, SHAPE, List, Read, Add, Del) ORVANE_DESCRIBED(R)
#define ORVANE_DESCRIBED(R) \
    template <>             \
    const ::OrvaneLib::detail::RecordKind& ::OrvaneLib::detail::Describe<R>::Kind();

// The four clsDatabase operations of a record kind (list, read, add, delete), declared from
// one entry of a record family's list of kinds: X(R, T, SHAPE, List, Read, Add, Del), where R
// is the record class, T the index of the kind's table among those R's description names (0
// but for a class stored in two tables), SHAPE how the kind is keyed, and List, Read, Add and
// Del the names of the operations. The library defines them from the same entries.
#define ORVANE_DECLARE_KIND(R, T, SHAPE, List, Read, Add, Del) \
    ORVANE_DECLARE_##SHAPE(R, List, Read, Add, Del)

// One text key.
#define ORVANE_DECLARE_TEXT(R, List, Read, Add, Del)    \
    ::OrvaneLib::ListResult List();                     \
    std::shared_ptr<R> Read(const std::string& strKey); \
    void Add(const R* record);                          \
    void Del(const std::string& strKey);
// One text key; the read takes bDescript (read the description too).
#define ORVANE_DECLARE_TEXT_DESCRIBED(R, List, Read, Add, Del)                  \
    ::OrvaneLib::ListResult List();                                             \
    std::shared_ptr<R> Read(const std::string& strKey, bool bDescript = false); \
    void Add(const R* record);                                                  \
    void Del(const std::string& strKey);
// A text key and a level number.
#define ORVANE_DECLARE_TEXT_LEVEL(R, List, Read, Add, Del)                           \
    ::OrvaneLib::ListResult List();                                                  \
    std::shared_ptr<R> Read(const std::string& strKey, ::OrvaneLib::Integer iLevel); \
    void Add(const R* record);                                                       \
    void Del(const std::string& strKey, ::OrvaneLib::Integer iLevel);
// Two text keys.
#define ORVANE_DECLARE_TEXT_TEXT(R, List, Read, Add, Del)                             \
    ::OrvaneLib::ListResult List();                                                   \
    std::shared_ptr<R> Read(const std::string& strKey, const std::string& strSecond); \
    void Add(const R* record);                                                        \
    void Del(const std::string& strKey, const std::string& strSecond);
// One number key.
#define ORVANE_DECLARE_NUMBER(R, List, Read, Add, Del)  \
    ::OrvaneLib::ListResult List();                     \
    std::shared_ptr<R> Read(::OrvaneLib::Integer iKey); \
    void Add(const R* record);                          \
    void Del(::OrvaneLib::Integer iKey);
// Station components: a number or text key, and the flag that selects station rows.
#define ORVANE_DECLARE_STATION_NUMBER(R, List, Read, Add, Del)                 \
    ::OrvaneLib::ListResult List(bool bStation = false);                       \
    std::shared_ptr<R> Read(::OrvaneLib::Integer iKey, bool bStation = false); \
    void Add(const R* record);                                                 \
    void Del(::OrvaneLib::Integer iKey, bool bStation = false);
#define ORVANE_DECLARE_STATION_TEXT(R, List, Read, Add, Del)                   \
    ::OrvaneLib::ListResult List(bool bStation = false);                       \
    std::shared_ptr<R> Read(const std::string& strKey, bool bStation = false); \
    void Add(const R* record);                                                 \
    void Del(const std::string& strKey, bool bStation = false);
