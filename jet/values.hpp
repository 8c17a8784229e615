// Decoding the values a Jet file stores, from their bytes: dates from the day count, money
// from its ten-thousandths, text from the file's code page (Jet 3) or from UTF-16 with the
// engine's compression (Jet 4), decimals, replication ids.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace OrvaneLib::jet {

using Bytes = std::span<const unsigned char>;

// The text "YYYY-MM-DD HH:MM:SS" of a stored date: `days` counts from 1899-12-30, its whole
// part the day (before that date too, where the fraction still counts forward from
// midnight) and its fraction the time of day, rounded to the second. False, with `out`
// untouched, for values outside the engine's range (the years 100 to 9999).
bool FormatDate(double days, std::string& out);

// The nearest real to a money value stored as ten-thousandths.
double MoneyValue(std::int64_t tenThousandths);

// The exact decimal text of a stored decimal (17 bytes: a sign byte and a 128-bit
// magnitude), with `scale` digits after the point.
std::string DecimalText(Bytes stored, int scale);

// The text form of a stored replication id (16 bytes): {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}.
std::string GuidText(Bytes stored);

void AppendUtf8(std::string& out, char32_t c);

// Jet 4 text: UTF-16 little-endian, or, when it starts with FF FE, compressed: one byte per
// character (U+0001 to U+00FF) with a 0 byte switching to and from runs of two-byte
// characters. Appends UTF-8 to `out`; returns false when the bytes end inside a character
// or hold a lone surrogate (written as U+FFFD).
bool DecodeJet4Text(Bytes stored, std::string& out);

// Jet 3 text: one or two bytes per character in the file's code page.
class CodePage {
  public:
    explicit CodePage(int number);  // 0 or an unknown page reads as 1252
    CodePage(const CodePage&) = delete;
    CodePage& operator=(const CodePage&) = delete;
    ~CodePage();
    int Number() const { return number_; }
    // Appends UTF-8 to `out`; false when some bytes had no character (written as U+FFFD).
    bool Decode(Bytes stored, std::string& out) const;

  private:
    int number_;
    std::vector<std::string> table_;  // UTF-8 per byte, for single-byte pages
    void* iconv_ = nullptr;           // the converter of a two-byte page, else null
};

}  // namespace OrvaneLib::jet
