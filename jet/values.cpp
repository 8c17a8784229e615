// Decoding stored Jet values.
#include "values.hpp"

#include <iconv.h>

#include <cerrno>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace OrvaneLib::jet {

namespace {

__extension__ typedef unsigned __int128 Magnitude;

constexpr double kFirstDay = -657434;  // 0100-01-01
constexpr double kLastDay = 2958465;   // 9999-12-31

}  // namespace

bool FormatDate(double days, std::string& out) {
    if (!(days > kFirstDay - 1 && days < kLastDay + 1)) return false;  // NaN fails too
    const double whole = std::trunc(days);
    long long day = static_cast<long long>(whole);
    long long seconds = std::llround(std::fabs(days - whole) * 86400.0);
    if (seconds >= 86400) {  // rounded up to the next midnight, the next day
        seconds = 0;
        ++day;
    }
    if (day > static_cast<long long>(kLastDay)) {
        day = static_cast<long long>(kLastDay);
        seconds = 86399;
    }
    // The civil date of a day count (proleptic Gregorian calendar), counted from 0000-03-01
    // so that the leap day ends each 4-, 100- and 400-year cycle.
    long long z = day - 25569 + 719468;  // 1899-12-30 is 25569 days before 1970-01-01
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const long long d = doy - (153 * mp + 2) / 5 + 1;
    const long long m = mp < 10 ? mp + 3 : mp - 9;
    const long long y = yoe + era * 400 + (m <= 2 ? 1 : 0);
    char text[96];
    std::snprintf(text, sizeof text, "%04lld-%02lld-%02lld %02lld:%02lld:%02lld", y, m, d,
                  seconds / 3600, seconds / 60 % 60, seconds % 60);
    out.assign(text);
    return true;
}

double MoneyValue(std::int64_t tenThousandths) {
    // Below 2^53 both numbers are exact doubles and one correctly rounded division gives
    // the nearest double; beyond, the exact decimal text is read, also correctly rounded.
    constexpr std::int64_t kExact = std::int64_t{1} << 53;
    if (tenThousandths > -kExact && tenThousandths < kExact)
        return static_cast<double>(tenThousandths) / 10000.0;
    const bool negative = tenThousandths < 0;
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(tenThousandths)
                                             : static_cast<std::uint64_t>(tenThousandths);
    char text[48];
    std::snprintf(text, sizeof text, "%s%llu.%04llu", negative ? "-" : "",
                  static_cast<unsigned long long>(magnitude / 10000),
                  static_cast<unsigned long long>(magnitude % 10000));
    double value = 0;
    std::from_chars(text, text + std::strlen(text), value);
    return value;
}

std::string DecimalText(Bytes stored, int scale) {
    // The magnitude is four little-endian 32-bit words, the most significant first.
    Magnitude value = 0;
    for (int word = 0; word < 4; ++word) {
        const unsigned char* b = stored.data() + 1 + 4 * word;
        const std::uint32_t w =
            b[0] | b[1] << 8 | b[2] << 16 | static_cast<std::uint32_t>(b[3]) << 24;
        value = value << 32 | w;
    }
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(value % 10)));
        value /= 10;
    } while (value != 0);
    if (scale < 0) scale = 0;
    if (scale > 0) {
        if (digits.size() <= static_cast<std::size_t>(scale))
            digits.insert(0, static_cast<std::size_t>(scale) + 1 - digits.size(), '0');
        digits.insert(digits.size() - static_cast<std::size_t>(scale), 1, '.');
    }
    const bool zero = digits.find_first_not_of("0.") == std::string::npos;
    if ((stored[0] & 0x80) && !zero) digits.insert(0, 1, '-');
    return digits;
}

std::string GuidText(Bytes stored) {
    const unsigned char* b = stored.data();
    char text[40];
    std::snprintf(text, sizeof text,
                  "{%02X%02X%02X%02X-%02X%02X-%02X%02X-%02X%02X-%02X%02X%02X%02X%02X%02X}", b[3],
                  b[2], b[1], b[0], b[5], b[4], b[7], b[6], b[8], b[9], b[10], b[11], b[12], b[13],
                  b[14], b[15]);
    return text;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | c >> 6));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | c >> 12));
        out.push_back(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | c >> 18));
        out.push_back(static_cast<char>(0x80 | (c >> 12 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

bool DecodeJet4Text(Bytes stored, std::string& out) {
    const unsigned char* b = stored.data();
    const std::size_t n = stored.size();
    bool ok = true;
    char32_t high = 0;  // a high surrogate waiting for its low half
    auto unit = [&](char32_t u) {
        if (u >= 0xDC00 && u <= 0xDFFF && high) {
            AppendUtf8(out, 0x10000 + ((high - 0xD800) << 10) + (u - 0xDC00));
            high = 0;
            return;
        }
        if (high) {
            AppendUtf8(out, 0xFFFD);
            ok = false;
            high = 0;
        }
        if (u >= 0xD800 && u <= 0xDBFF) {
            high = u;
        } else if (u >= 0xDC00 && u <= 0xDFFF) {
            AppendUtf8(out, 0xFFFD);
            ok = false;
        } else if (u < 0x80) {
            out.push_back(static_cast<char>(u));
        } else {
            AppendUtf8(out, u);
        }
    };
    std::size_t i = 0;
    if (n >= 2 && b[0] == 0xFF && b[1] == 0xFE) {
        bool compressed = true;
        for (i = 2; i < n;) {
            if (b[i] == 0) {
                compressed = !compressed;
                ++i;
            } else if (compressed) {
                unit(b[i++]);
            } else if (i + 1 < n) {
                unit(static_cast<char32_t>(b[i] | b[i + 1] << 8));
                i += 2;
            } else {
                ok = false;
                break;
            }
        }
    } else {
        out.reserve(out.size() + n / 2);
        for (; i + 1 < n; i += 2) unit(static_cast<char32_t>(b[i] | b[i + 1] << 8));
        if (i < n) ok = false;
    }
    if (high) {
        AppendUtf8(out, 0xFFFD);
        ok = false;
    }
    return ok;
}

// ---------------------------------------------------------------------------------------
// Code pages

CodePage::CodePage(int number) : number_(number > 0 ? number : 1252) {
    iconv_t cd = iconv_open("UTF-8", ("CP" + std::to_string(number_)).c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        number_ = 1252;
        cd = iconv_open("UTF-8", "CP1252");
    }
    table_.resize(256);
    bool twoByte = false;
    for (int c = 0; c < 256; ++c) {
        char in[1] = {static_cast<char>(c)};
        char buffer[8];
        char* src = in;
        char* dst = buffer;
        std::size_t inLeft = 1, outLeft = sizeof buffer;
        if (cd != reinterpret_cast<iconv_t>(-1)) {
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            if (iconv(cd, &src, &inLeft, &dst, &outLeft) != static_cast<std::size_t>(-1)) {
                table_[c].assign(buffer, dst);
                continue;
            }
            if (errno == EINVAL) twoByte = true;  // a lead byte: a page of two-byte characters
        }
        // A byte without a character of its own keeps its value, as Windows reads it.
        AppendUtf8(table_[c], static_cast<char32_t>(c));
    }
    if (twoByte) {
        iconv_ = cd;
    } else if (cd != reinterpret_cast<iconv_t>(-1)) {
        iconv_close(cd);
    }
}

CodePage::~CodePage() {
    if (iconv_) iconv_close(static_cast<iconv_t>(iconv_));
}

bool CodePage::Decode(Bytes stored, std::string& out) const {
    if (!iconv_) {
        for (unsigned char c : stored) {
            if (c < 0x80)
                out.push_back(static_cast<char>(c));
            else
                out += table_[c];
        }
        return true;
    }
    iconv_t cd = static_cast<iconv_t>(iconv_);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    bool ok = true;
    char* src = const_cast<char*>(reinterpret_cast<const char*>(stored.data()));
    std::size_t inLeft = stored.size();
    char buffer[1024];
    while (inLeft > 0) {
        char* dst = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t rc = iconv(cd, &src, &inLeft, &dst, &outLeft);
        out.append(buffer, dst);
        if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
            AppendUtf8(out, 0xFFFD);  // a byte that starts no character, or a cut one
            ok = false;
            ++src;
            --inLeft;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    return ok;
}

}  // namespace OrvaneLib::jet
