// Encoded lists: the list-valued attributes of rules entries, stored as short texts
// ('Climb:4, Jump:2'). Each class parses such a text once with SetList, answers indexed and
// by-name questions about it and writes it back in canonical form with GetList.
//
// Common to all of them: entries are separated by "," and fields by ":", every field is
// trimmed of blanks, numbers are rounded half to even into 16 bits, indexes count from 0 and
// an index out of range gets an empty answer, names compare exactly (case-sensitive, first
// match wins). HasList tells whether the last SetList held a list; while it is false every
// query answers as for an empty list.
#pragma once

#include <string>
#include <vector>

#include "orvane/export.hpp"
#include "orvane/types.hpp"

namespace OrvaneLib {

// What every encoded list offers, whatever its entries look like: parse a text, tell whether
// it held a list, count the entries, write the canonical text back, and clear. Tools and
// tests decode any list field through it.
class ORVANE_API EncodedList : public Object {
  public:
    virtual void Clear() = 0;
    virtual bool HasList() const = 0;
    virtual void SetList(const std::string& strList) = 0;
    virtual Integer GetSize() const = 0;  // entries (sets, for the alternative-set lists)
    virtual std::string GetList() const = 0;
};

// Every encoded-list class, named once: X(class).
#define ORVANE_LIST_CLASSES(X)                                                                \
    X(clsListSimple)                                                                          \
    X(clsListLevel) X(clsListBonus) X(clsListSynergy) X(clsListSubSynergy) X(clsListOrSimple) \
        X(clsListOrLevel) X(clsListTripleSimple)

// A list of plain items: 'Alertness, Endurance'. Any text parses.
class ORVANE_API clsListSimple : public EncodedList {
  public:
    clsListSimple();
    std::string ClassName() const override;

    void Clear() override;
    bool HasList() const override;
    void SetList(const std::string& strList) override;
    Integer GetSize() const override;
    bool InList(const std::string& strItem) const;
    std::string GetItem(Integer iItem) const;
    std::string GetList() const override;

  private:
    bool hasList_ = false;
    std::vector<std::string> items_;
};

// A list of names with a whole-number rank each: 'Climb:4, Jump:2'. An empty entry or a
// rank outside 16 bits empties the whole list.
class ORVANE_API clsListLevel : public EncodedList {
  public:
    clsListLevel();
    std::string ClassName() const override;

    void Clear() override;
    void SetList(const std::string& strList) override;
    bool HasList() const override;
    Integer GetSize() const override;
    bool InList(const std::string& strItem) const;
    std::string GetName(Integer iItem) const;
    Integer GetRank(Integer iItem) const;
    Integer GetRankFromName(const std::string& strItem) const;
    std::string GetList() const override;

  private:
    struct LevelEntry {
        std::string Name;
        Integer Rank = 0;
        void Reset() { Name.clear(), Rank = 0; }
    };
    bool hasList_ = false;
    std::vector<LevelEntry> entries_;
};

// A list of names with a count and one level per counted instance: 'Bonus Feat:3|1:1:4'.
// An empty entry, an empty levels part or a number outside 16 bits empties the whole list.
class ORVANE_API clsListBonus : public EncodedList {
  public:
    clsListBonus();
    std::string ClassName() const override;

    void Clear() override;
    bool HasList() const override;
    void SetList(const std::string& strList) override;
    Integer GetSize() const override;
    std::string GetName(Integer iBonus) const;
    Integer GetNumber(Integer iBonus) const;
    Integer GetLevel(Integer iBonus, Integer iNumber) const;
    // How many of the levels from position iNumber on equal the level at iNumber.
    Integer GetQuantity(Integer iBonus, Integer iNumber) const;
    std::string GetList() const override;

  private:
    struct BonusEntry {
        std::string Name;
        Integer Number = 0;
        std::vector<Integer> Levels;
        void Reset() { Name.clear(), Number = 0, Levels.clear(); }
    };
    // The entry and its level iNumber, or nullptr when either index is out of range.
    const BonusEntry* Entry(Integer iBonus, Integer iNumber) const;

    bool hasList_ = false;
    std::vector<BonusEntry> entries_;
};

// Level/skill/bonus triples: '5:Tumble:2, 5:Balance:2'. A number outside 16 bits empties
// the whole list.
class ORVANE_API clsListSynergy : public EncodedList {
  public:
    clsListSynergy();
    std::string ClassName() const override;

    void Clear() override;
    bool HasList() const override;
    void SetList(const std::string& strSynergy) override;
    Integer GetSize() const override;
    bool InList(const std::string& strItem) const;
    Integer GetLevel(Integer iSynergy) const;
    std::string GetSkill(Integer iSynergy) const;
    Integer GetBonus(Integer iSynergy) const;
    Integer GetLevelFromSkill(const std::string& strItem) const;
    Integer GetBonusFromSkill(const std::string& strItem) const;
    std::string GetList() const override;

  private:
    struct SynergyEntry {
        Integer Level = 0;
        std::string Skill;
        Integer Bonus = 0;
        void Reset() { Level = 0, Skill.clear(), Bonus = 0; }
    };
    bool hasList_ = false;
    std::vector<SynergyEntry> entries_;
};

// Level/sub-skill/skill/bonus quadruples: '2:Navigation:Knowledge:1'. The by-name queries
// look at the skill, never at the sub-skill.
class ORVANE_API clsListSubSynergy : public EncodedList {
  public:
    clsListSubSynergy();
    std::string ClassName() const override;

    void Clear() override;
    bool HasList() const override;
    void SetList(const std::string& strSynergy) override;
    Integer GetSize() const override;
    bool InList(const std::string& strItem) const;
    Integer GetLevel(Integer iSynergy) const;
    std::string GetSubSkill(Integer iSynergy) const;
    std::string GetSkill(Integer iSynergy) const;
    Integer GetBonus(Integer iSynergy) const;
    Integer GetLevelFromSkill(const std::string& strItem) const;
    Integer GetBonusFromSkill(const std::string& strItem) const;
    std::string GetList() const override;

  private:
    struct SubSynergyEntry {
        Integer Level = 0;
        std::string SubSkill;
        std::string Skill;
        Integer Bonus = 0;
        void Reset() { Level = 0, SubSkill.clear(), Skill.clear(), Bonus = 0; }
    };
    bool hasList_ = false;
    std::vector<SubSynergyEntry> entries_;
};

// Sets of alternative names: 'Dodge:Mobility, Toughness' holds two sets. Any text parses.
class ORVANE_API clsListOrSimple : public EncodedList {
  public:
    clsListOrSimple();
    std::string ClassName() const override;

    void Clear() override;
    void SetList(const std::string& strList) override;
    bool HasList() const override;
    Integer GetSize() const override;
    Integer GetNumber(Integer iList) const;
    // "0" when either index is out of range.
    std::string GetItem(Integer iList, Integer iNumber) const;
    bool InList(Integer iList, const std::string& strItem) const;
    std::string GetSetList(Integer iList) const;
    std::string GetList() const override;

  private:
    struct OrSet {
        std::vector<std::string> Items;
        void Reset() { Items.clear(); }
    };
    bool hasList_ = false;
    std::vector<OrSet> sets_;
};

// Sets of alternative name/rank pairs: 'Climb:4|Jump:4, Tumble:2'. Only the library creates
// it (requirements hold one). A malformed set is reported in a message box; the sets before
// it are kept and it and the sets after it hold no alternatives.
class ORVANE_API clsListOrLevel : public EncodedList {
  public:
    clsListOrLevel();
    std::string ClassName() const override;

    void Clear() override;
    void SetList(const std::string& strList) override;
    bool HasList() const override;
    Integer GetSize() const override;
    Integer GetNumber(Integer iList) const;
    // "0" when either index is out of range.
    std::string GetName(Integer iList, Integer iNumber) const;
    // The rank in decimal; "0" when either index is out of range.
    std::string GetRank(Integer iList, Integer iNumber) const;
    bool InList(Integer iList, const std::string& strItem) const;
    std::string GetSetList(Integer iList) const;
    std::string GetList() const override;

  private:
    struct OrLevelSet {
        std::vector<std::string> Names;
        std::vector<Integer> Ranks;  // parallel to Names
        void Reset() { Names.clear(), Ranks.clear(); }
    };
    bool hasList_ = false;
    std::vector<OrLevelSet> sets_;
};

// Class/old feat/new feat triples: 'Soldier:Armor Proficiency:Toughness'. Any text parses.
class ORVANE_API clsListTripleSimple : public EncodedList {
  public:
    clsListTripleSimple();
    std::string ClassName() const override;

    void Clear() override;
    bool HasList() const override;
    void SetList(const std::string& strTriple) override;
    Integer GetSize() const override;
    bool InList(const std::string& strItem) const;
    std::string GetClass(Integer iTriple) const;
    std::string GetOldFeat(Integer iTriple) const;
    std::string GetNewFeat(Integer iTriple) const;
    std::string GetList() const override;

  private:
    struct TripleEntry {
        std::string Class;
        std::string OldFeat;
        std::string NewFeat;
        void Reset() { Class.clear(), OldFeat.clear(), NewFeat.clear(); }
    };
    bool hasList_ = false;
    std::vector<TripleEntry> entries_;
};

}  // namespace OrvaneLib
