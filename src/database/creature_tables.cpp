// clsDatabase's operations on creature types, levels, size details, templates and climates.
#include "database/front.hpp"
#include "orvane/records/creatures.hpp"

namespace OrvaneLib {

ORVANE_CREATURE_KINDS(ORVANE_DEFINE_KIND)

}  // namespace OrvaneLib
