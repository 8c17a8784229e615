// Conversion of database cells into the rules types, with the failures the rules expect:
// a null where a value is required, a text that is not a number, a number out of range.
#pragma once

#include <string>

#include "database/dal.hpp"
#include "orvane/types.hpp"

namespace OrvaneLib::detail {

std::string CellText(const dal::Value& v);  // null fails
Integer CellInteger(const dal::Value& v);   // rounds half to even; out of range fails
Long CellLong(const dal::Value& v);
Single CellSingle(const dal::Value& v);
bool CellBool(const dal::Value& v);  // 0 false, any other number true

// Text "True"/"False" in any letter case or a number (non-zero true); throws "Type mismatch".
bool TextToBool(const std::string& text);

// Decimal text of a Real as the engine would show it (shortest round-trip form).
std::string RealText(double d);

}  // namespace OrvaneLib::detail
