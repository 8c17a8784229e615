// Homeworlds, age categories and size categories.
#pragma once

#include <string>

#include "orvane/lists.hpp"
#include "orvane/record.hpp"

namespace OrvaneLib {

// The members of clsHomeworld beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsHomeworld(X)

// One homeworld of a species.
class ORVANE_API clsHomeworld : public Record {
    ORVANE_RECORD(clsHomeworld)
    clsHomeworld() { Clear(); }
    std::string Name;
    std::string Sector;
    std::string Region;

    ORVANE_MEMBERS(clsHomeworld)
};

// The members of clsAge beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsAge(X)                                                                   \
    X(SIMPLE_FAMILY, specQual_, SetSpecQual, HasSpecQual, GetNumSpecQual, IsSpecQual, GetSpecQual, \
      GetSpecQualList)                                                                             \
    X(SYNERGY_CORE, synergy_)                                                                      \
    X(FWD_TEXT, synergy_, GetSynergyList)

// One age category of a species.
class ORVANE_API clsAge : public Record, public AbilityModifiers {
    ORVANE_RECORD(clsAge)
    clsAge() { Clear(); }
    std::string Name;
    bool Dead = false;
    Integer Order = 0;

    ORVANE_MEMBERS(clsAge)

  private:
    clsListSimple specQual_;
    clsListSynergy synergy_;
};

// The members of clsSizes beyond its fields (see ORVANE_MEMBER).
#define ORVANE_MEMBERS_clsSizes(X)

// One size category.
class ORVANE_API clsSizes : public Record {
    ORVANE_RECORD(clsSizes)
    clsSizes() { Clear(); }
    std::string Name;
    Integer Hide = 0;
    Integer Attack = 0;
    Integer Defense = 0;
    Integer Punch = 0;
    Integer Order = 0;
    Integer DR = 0;
    Single MinHeight = 0;
    Single MaxHeight = 0;
    Single MinWeight = 0;
    Single MaxWeight = 0;
    std::string BiteAttack;

    ORVANE_MEMBERS(clsSizes)
};

}  // namespace OrvaneLib

// The kinds of this family and their clsDatabase operations (see ORVANE_DECLARE_KIND).
#define ORVANE_CORE_KINDS(X)                                                           \
    X(clsHomeworld, 0, TEXT, HomeworldList, HomeworldInfo, AddHomeworld, DelHomeworld) \
    X(clsAge, 0, TEXT, AgeList, GetAgeInfo, AddAge, DelAge)                            \
    X(clsSizes, 0, TEXT, SizeList, GetSizeInfo, AddSize, DelSize)

namespace OrvaneLib {
ORVANE_CORE_KINDS(ORVANE_DESCRIBED_KIND)
}  // namespace OrvaneLib
