// clsDatabase's operations on homeworlds, ages and sizes.
#include "database/front.hpp"
#include "orvane/records/core.hpp"

namespace OrvaneLib {

ORVANE_CORE_KINDS(ORVANE_DEFINE_KIND)

}  // namespace OrvaneLib
