// The text grammar every encoded list shares: cutting at separators, trimming blanks and
// reading numbers. The list classes add only their own entry shapes on top of it; record
// text files reuse the number reader.
//
// Cutting has no quoting or escaping: a text is cut at every separator. Trimming removes
// the blank (U+0020) only; tabs and other white space stay part of a field. Everything
// works on views of the caller's text, so reading a list allocates only for what its
// entries keep.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "orvane/types.hpp"

namespace OrvaneLib::detail {

// Entry separator, field separator and the bar between a bonus entry's head and levels.
inline constexpr char kListSeparator = ',';
inline constexpr char kFieldSeparator = ':';
inline constexpr char kPartSeparator = '|';

// The most entries, sets or alternatives a list can hold: they are indexed by Integer.
inline constexpr std::size_t kMaxEntries = std::numeric_limits<Integer>::max();

// Strips leading and trailing blanks (U+0020 only).
inline std::string_view TrimBlanks(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && text[begin] == ' ') ++begin;
    while (end > begin && text[end - 1] == ' ') --end;
    return text.substr(begin, end - begin);
}

// True when the text is empty or made of blanks only.
inline bool IsBlank(std::string_view text) { return TrimBlanks(text).empty(); }

// Number of pieces cutting at `separator` gives: the separators plus one.
inline std::size_t CountPieces(std::string_view text, char separator) {
    std::size_t n = 1;
    for (char c : text) n += c == separator;
    return n;
}

// Walks the pieces of a text cut at every separator, in order, without copying:
//   PieceCutter cut(text, ','); for (std::string_view piece; cut.Next(piece);) ...
// An empty text has one empty piece; "a," has two, the second empty.
class PieceCutter {
  public:
    PieceCutter(std::string_view text, char separator) : rest_(text), separator_(separator) {}
    bool Next(std::string_view& piece) {
        if (done_) return false;
        std::size_t at = rest_.find(separator_);
        if (at == std::string_view::npos) {
            piece = rest_;
            done_ = true;
        } else {
            piece = rest_.substr(0, at);
            rest_.remove_prefix(at + 1);
        }
        return true;
    }

  private:
    std::string_view rest_;
    char separator_;
    bool done_ = false;
};

// The pieces of a field list that the entry grammars look at, untrimmed. With one piece,
// `first` and `last` are the same piece; `second` and `third` are empty when missing.
struct Fields {
    std::size_t count = 0;
    std::string_view first;
    std::string_view second;
    std::string_view third;
    std::string_view last;
};
inline Fields CutFields(std::string_view text, char separator) {
    Fields fields;
    PieceCutter cut(text, separator);
    for (std::string_view piece; cut.Next(piece);) {
        if (fields.count == 0)
            fields.first = piece;
        else if (fields.count == 1)
            fields.second = piece;
        else if (fields.count == 2)
            fields.third = piece;
        fields.last = piece;
        ++fields.count;
    }
    return fields;
}

// A decimal number as written: its sign and its digits before and after the point.
struct Decimal {
    bool negative = false;
    std::string_view whole;     // digits before the point, possibly empty
    std::string_view fraction;  // digits after the point, possibly empty
};

// True when the text, trimmed of blanks, is a decimal number in its entirety: an optional
// sign, digits, an optional point and fraction digits, with at least one digit in all
// ('5', '-2.5', '+3.', '.5'). Exponents, grouping and currency marks are not numbers.
bool ParseDecimal(std::string_view text, Decimal& number);

// Rounds a decimal to a whole number, an exact half going to the even neighbour. Works on
// the digits themselves, so '2.5000001' rounds up where a double would not tell. False when
// the result does not fit into 64 bits.
bool RoundHalfEven(const Decimal& number, std::int64_t& value);

// How a numeric list field reads.
enum class NumberRead {
    Ok,          // a number within the Integer range
    NotANumber,  // not a number (the empty field included); the value is 0
    OutOfRange,  // a number outside -32768..32767; the value is 0
};

// Reads a numeric list field: trimmed, converted when it is a number and rounded half to
// even; anything that is not a number gives 0.
NumberRead ReadInteger(std::string_view field, Integer& value);

// True when an index addresses one of `size` entries.
inline bool InRange(Integer index, std::size_t size) {
    return index >= 0 && static_cast<std::size_t>(index) < size;
}

// Entry `index` of a list, or nullptr when the list is not set or the index is out of range.
template <class Entry>
const Entry* EntryAt(bool hasList, const std::vector<Entry>& entries, Integer index) {
    return hasList && InRange(index, entries.size()) ? &entries[static_cast<std::size_t>(index)]
                                                     : nullptr;
}

// The first entry whose `key(entry)` equals `name` exactly, or nullptr.
template <class Entry, class Key>
const Entry* FindFirst(bool hasList, const std::vector<Entry>& entries, std::string_view name,
                       Key&& key) {
    if (!hasList) return nullptr;
    for (const Entry& entry : entries) {
        if (key(entry) == name) return &entry;
    }
    return nullptr;
}

// Appends a number in plain decimal, "-" for negatives, no blank or plus sign.
void AppendInteger(std::string& out, Integer value);
// The number in plain decimal.
std::string IntegerText(Integer value);

// The canonical separator between entries.
inline constexpr std::string_view kCanonicalSeparator = ", ";

// The outcome of reading a list text entry by entry.
enum class ListRead {
    Blank,    // the text is blank: no entries
    TooMany,  // more raw entries than Integer can index; nothing was parsed
    Failed,   // an entry was rejected; `entries` holds those before it
    Ok,       // every raw entry was read
};

// Empties an entry for reuse, keeping the storage its texts and arrays already have.
inline void ResetEntry(std::string& entry) { entry.clear(); }
template <class Entry>
void ResetEntry(Entry& entry) {
    entry.Reset();
}

// Reads a list text: tells blank text and texts with too many entries apart, then cuts the
// untrimmed text at every comma and hands each raw entry, in order, to
// `parse(raw, entry) -> bool` with an empty entry to fill. `entries` ends up holding the
// entries read (on a rejection, those before it); `count` receives the number of raw
// entries. Stops at the first rejection.
template <class Entry, class Parse>
ListRead ReadEntries(std::string_view text, std::vector<Entry>& entries, std::size_t& count,
                     Parse&& parse) {
    count = 0;
    if (IsBlank(text)) {
        entries.clear();
        return ListRead::Blank;
    }
    count = CountPieces(text, kListSeparator);
    if (count > kMaxEntries) {
        entries.clear();
        return ListRead::TooMany;
    }
    // The entries of the previous text are reused, so reading a list again into the same
    // object allocates only where a new text is longer than the old one.
    if (entries.size() > count) entries.resize(count);
    entries.reserve(count);
    PieceCutter cut(text, kListSeparator);
    std::size_t i = 0;
    for (std::string_view raw; cut.Next(raw); ++i) {
        if (i == entries.size())
            entries.emplace_back();
        else
            ResetEntry(entries[i]);
        if (!parse(raw, entries[i])) {
            entries.resize(i);
            return ListRead::Failed;
        }
    }
    return ListRead::Ok;
}

// Appends `items` to `out`, each written by `write(out, item)`, with `separator` between.
template <class Range, class Write>
void AppendJoined(std::string& out, const Range& items, std::string_view separator, Write&& write) {
    out.reserve(out.size() + std::size(items) * 16);  // typical entries fit, so one allocation
    bool first = true;
    for (const auto& item : items) {
        if (!first) out.append(separator);
        first = false;
        write(out, item);
    }
}

}  // namespace OrvaneLib::detail
