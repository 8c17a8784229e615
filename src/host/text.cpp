// Text encodings and the timestamp.
#include <cctype>
#include <cstdlib>
#include <ctime>
#include <stdexcept>

#include "host/internal.hpp"

namespace OrvaneLib::detail {

bool IsValidUtf8(std::string_view s) {
    std::size_t i = 0, n = s.size();
    while (i < n) {
        auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t len;
        unsigned int cp;
        if ((c & 0xE0) == 0xC0) {
            len = 2;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            len = 3;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            len = 4;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + len > n) return false;
        for (std::size_t k = 1; k < len; ++k) {
            auto cc = static_cast<unsigned char>(s[i + k]);
            if ((cc & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        // Reject overlong forms, surrogates and values beyond the Unicode range.
        if ((len == 2 && cp < 0x80) || (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000) ||
            (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF)
            return false;
        i += len;
    }
    return true;
}

std::string Cp1252ToUtf8(std::string_view bytes) {
    // Code points of 0x80..0x9F in Windows-1252; the five undefined bytes map to themselves.
    static constexpr unsigned short kHigh[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    auto codePoint = [](unsigned char c) -> unsigned int {
        return c < 0x80 ? c : c < 0xA0 ? kHigh[c - 0x80] : c;
    };
    // The exact size first, so a long text is converted into one allocation of its own.
    std::size_t size = 0;
    for (char ch : bytes) {
        const unsigned int cp = codePoint(static_cast<unsigned char>(ch));
        size += cp < 0x80 ? 1 : cp < 0x800 ? 2 : 3;
    }
    std::string out;
    out.reserve(size);
    for (char ch : bytes) {
        const unsigned int cp = codePoint(static_cast<unsigned char>(ch));
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

std::string NowText() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[64];
    std::size_t n = std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return std::string(text, n);
}

}  // namespace OrvaneLib::detail

namespace OrvaneLib::detail {

bool ParseNumberText(std::string_view text, double& value) {
    std::size_t b = 0, e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
    std::string_view s = text.substr(b, e - b);
    std::size_t i = 0, digits = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t j = i + 1, expDigits = 0;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9') ++j, ++expDigits;
        if (expDigits == 0) return false;
        i = j;
    }
    if (i != s.size()) return false;
    std::string copy(s);
    value = std::strtod(copy.c_str(), nullptr);
    return true;
}

bool TextToBoolean(std::string_view text) {
    std::size_t b = 0, e = text.size();
    while (b < e && text[b] == ' ') ++b;
    while (e > b && text[e - 1] == ' ') --e;
    std::string_view t = text.substr(b, e - b);
    auto same = [&](std::string_view word) {
        if (t.size() != word.size()) return false;
        for (std::size_t i = 0; i < t.size(); ++i)
            if (std::tolower(static_cast<unsigned char>(t[i])) != word[i]) return false;
        return true;
    };
    if (same("true")) return true;
    if (same("false")) return false;
    double d = 0;
    if (ParseNumberText(t, d)) return d != 0;
    throw std::runtime_error("Type mismatch");
}

}  // namespace OrvaneLib::detail
