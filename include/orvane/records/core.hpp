// Homeworlds, age categories and size categories.
#pragma once

#include <string>

#include "orvane/detail/record.hpp"
#include "orvane/lists.hpp"

namespace OrvaneLib {

ORVANE_DESCRIBED(clsHomeworld)
ORVANE_DESCRIBED(clsAge)
ORVANE_DESCRIBED(clsSizes)

// One homeworld of a species.
class clsHomeworld : public detail::Record<clsHomeworld> {
  public:
    clsHomeworld() { Clear(); }
    std::string Name;
    std::string Sector;
    std::string Region;
    void Clear();
};

// One age category of a species.
class clsAge : public detail::Record<clsAge>, public detail::AbilityModifiers {
  public:
    clsAge() { Clear(); }
    std::string Name;
    bool Dead = false;
    Integer Order = 0;
    void Clear();

    ORVANE_SIMPLE_FAMILY(specQual_, SetSpecQual, HasSpecQual, GetNumSpecQual, IsSpecQual,
                         GetSpecQual, GetSpecQualList)
    ORVANE_SYNERGY_CORE(synergy_)
    ORVANE_FWD_TEXT(synergy_, GetSynergyList)

  private:
    friend struct detail::Describe<clsAge>;
    clsListSimple specQual_;
    clsListSynergy synergy_;
};

// One size category.
class clsSizes : public detail::Record<clsSizes> {
  public:
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
    void Clear();
};

}  // namespace OrvaneLib
