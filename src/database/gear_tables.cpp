// clsDatabase's operations on armour, weapons and equipment.
#include "database/front.hpp"
#include "orvane/records/gear.hpp"

namespace OrvaneLib {

ORVANE_GEAR_KINDS(ORVANE_DEFINE_KIND)

}  // namespace OrvaneLib
