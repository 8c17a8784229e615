// The shared grammar of encoded lists: the number reader and the canonical writer.
#include "lists/grammar.hpp"

#include <algorithm>
#include <charconv>

namespace OrvaneLib::detail {

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the run of digits at the start of a text.
std::size_t DigitRun(std::string_view text) {
    std::size_t n = 0;
    while (n < text.size() && IsDigit(text[n])) ++n;
    return n;
}
}  // namespace

bool ParseDecimal(std::string_view text, Decimal& number) {
    text = TrimBlanks(text);
    Decimal parsed;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        parsed.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::size_t whole = DigitRun(text);
    parsed.whole = text.substr(0, whole);
    text.remove_prefix(whole);
    if (!text.empty() && text.front() == '.') {
        text.remove_prefix(1);
        std::size_t fraction = DigitRun(text);
        parsed.fraction = text.substr(0, fraction);
        text.remove_prefix(fraction);
    }
    if (!text.empty() || (parsed.whole.empty() && parsed.fraction.empty())) return false;
    number = parsed;
    return true;
}

bool RoundHalfEven(const Decimal& number, std::int64_t& value) {
    // The magnitude is gathered unsigned; a negative result may reach one further.
    constexpr std::uint64_t kMaxPositive =
        static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    const std::uint64_t limit = number.negative ? kMaxPositive + 1 : kMaxPositive;

    std::uint64_t magnitude = 0;
    for (char c : number.whole) {
        auto digit = static_cast<std::uint64_t>(c - '0');
        if (magnitude > (limit - digit) / 10) return false;
        magnitude = magnitude * 10 + digit;
    }

    bool up = false;
    if (!number.fraction.empty()) {
        char first = number.fraction.front();
        if (first > '5') {
            up = true;
        } else if (first == '5') {
            std::string_view after = number.fraction.substr(1);
            bool exactHalf = after.find_first_not_of('0') == std::string_view::npos;
            up = !exactHalf || (magnitude % 2 == 1);
        }
    }
    if (up) {
        if (magnitude == limit) return false;
        ++magnitude;
    }

    if (number.negative) {
        // -(magnitude) computed without overflowing at the lowest 64-bit value.
        value = magnitude == 0 ? 0 : -static_cast<std::int64_t>(magnitude - 1) - 1;
    } else {
        value = static_cast<std::int64_t>(magnitude);
    }
    return true;
}

NumberRead ReadDecimalInteger(std::string_view field, Integer& value) {
    value = 0;
    Decimal number;
    if (!ParseDecimal(field, number)) return NumberRead::NotANumber;
    std::int64_t rounded = 0;
    if (!RoundHalfEven(number, rounded) || rounded < std::numeric_limits<Integer>::min() ||
        rounded > std::numeric_limits<Integer>::max()) {
        return NumberRead::OutOfRange;
    }
    value = static_cast<Integer>(rounded);
    return NumberRead::Ok;
}

std::string IntegerText(Integer value) {
    char buffer[8];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

void CanonicalWriter::Grow(std::size_t n) {
    out_.resize(std::max(size_ + n, 2 * out_.size()));
    out_.resize(out_.capacity());  // whatever the string got is room as well
    data_ = out_.data();
    room_ = out_.size();
}

}  // namespace OrvaneLib::detail
