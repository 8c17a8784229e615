// The shared grammar of encoded lists: cutting, trimming and the number reader.
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

NumberRead ReadInteger(std::string_view field, Integer& value) {
    value = 0;
    // Most fields are a few plain digits: read those directly.
    std::string_view t = TrimBlanks(field);
    if (!t.empty() && t.size() <= 4) {
        bool negative = t.front() == '-';
        std::string_view digits = negative ? t.substr(1) : t;
        int v = 0;
        bool plain = !digits.empty();
        for (char c : digits) {
            plain = plain && IsDigit(c);
            v = v * 10 + (c - '0');
        }
        if (plain) {
            value = static_cast<Integer>(negative ? -v : v);
            return NumberRead::Ok;
        }
    }
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

void AppendInteger(std::string& out, Integer value) {
    if (value >= 0 && value < 10) {
        out += static_cast<char>('0' + value);
        return;
    }
    char buffer[8];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

std::string IntegerText(Integer value) {
    std::string text;
    AppendInteger(text, value);
    return text;
}

}  // namespace OrvaneLib::detail
