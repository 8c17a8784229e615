// clsDatabase's operations on droid bonuses, degrees, equipment, makers and quirks.
#include "database/front.hpp"
#include "orvane/records/droids.hpp"

namespace OrvaneLib {

ORVANE_DROID_KINDS(ORVANE_DEFINE_KIND)

}  // namespace OrvaneLib
