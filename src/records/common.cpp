// Conversions shared by the record classes.
#include <limits>
#include <stdexcept>

#include "lists/grammar.hpp"
#include "orvane/record.hpp"

namespace OrvaneLib {

Integer VariantToInteger(const std::string& value) {
    using detail::Decimal, detail::ParseDecimal, detail::RoundHalfEven;
    Decimal number;
    std::int64_t whole = 0;
    if (!ParseDecimal(value, number)) throw std::invalid_argument("Type mismatch: " + value);
    if (!RoundHalfEven(number, whole) || whole < std::numeric_limits<Integer>::min() ||
        whole > std::numeric_limits<Integer>::max())
        throw std::overflow_error("Overflow: " + value);
    return static_cast<Integer>(whole);
}

}  // namespace OrvaneLib
