// clsDatabase's operations on starship and station components and on starship and vehicle
// weapons.
#include "database/front.hpp"
#include "orvane/records/starships.hpp"

namespace OrvaneLib {

ORVANE_STARSHIP_KINDS(ORVANE_DEFINE_KIND)

}  // namespace OrvaneLib
