#include "database/convert.hpp"

#include "host/internal.hpp"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <stdexcept>

namespace OrvaneLib::detail {

namespace {

[[noreturn]] void Null() { throw std::runtime_error("Invalid use of Null"); }
[[noreturn]] void Mismatch() { throw std::runtime_error("Type mismatch"); }
[[noreturn]] void Overflow() { throw std::runtime_error("Overflow"); }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

double Number(const dal::Value& v) {
    switch (v.type()) {
        case dal::Value::Type::Null:
            Null();
        case dal::Value::Type::Integer:
            return static_cast<double>(v.AsInt());
        case dal::Value::Type::Real:
            return v.AsReal();
        case dal::Value::Type::Text: {
            double d = 0;
            if (!ParseNumberText(v.AsText(), d)) {
                std::string_view t = Trim(v.AsText());
                // Booleans stored as text convert the way the engine converts them.
                if (t.size() == 4 || t.size() == 5) {
                    try {
                        return TextToBool(std::string(t)) ? -1.0 : 0.0;
                    } catch (const std::runtime_error&) {
                    }
                }
                Mismatch();
            }
            return d;
        }
    }
    Mismatch();
}

template <class T>
T Whole(const dal::Value& v) {
    if (v.type() == dal::Value::Type::Integer) {
        auto i = v.AsInt();
        if (i < std::numeric_limits<T>::min() || i > std::numeric_limits<T>::max()) Overflow();
        return static_cast<T>(i);
    }
    double d = std::nearbyint(Number(v));  // the default rounding mode rounds halves to even
    if (!(d >= std::numeric_limits<T>::min() && d <= std::numeric_limits<T>::max())) Overflow();
    return static_cast<T>(d);
}

}  // namespace

std::string RealText(double d) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, d);
    return std::string(buf, res.ptr);
}

std::string CellText(const dal::Value& v) {
    switch (v.type()) {
        case dal::Value::Type::Null:
            Null();
        case dal::Value::Type::Integer:
            return std::to_string(v.AsInt());
        case dal::Value::Type::Real:
            return RealText(v.AsReal());
        case dal::Value::Type::Text:
            return v.AsText();
    }
    return {};
}

Integer CellInteger(const dal::Value& v) { return Whole<Integer>(v); }
Long CellLong(const dal::Value& v) { return Whole<Long>(v); }

Single CellSingle(const dal::Value& v) {
    double d = Number(v);
    if (std::isfinite(d) && std::fabs(d) > std::numeric_limits<float>::max()) Overflow();
    return static_cast<Single>(d);
}

bool CellBool(const dal::Value& v) { return Number(v) != 0; }

bool TextToBool(const std::string& text) { return TextToBoolean(text); }

}  // namespace OrvaneLib::detail
