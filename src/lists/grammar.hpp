// The text grammar every encoded list shares: cutting at separators, trimming blanks and
// reading numbers. The list classes add only their own entry shapes on top of it; record
// text files reuse the number reader.
//
// Cutting has no quoting or escaping: a text is cut at every separator. Trimming removes
// the blank (U+0020) only; tabs and other white space stay part of a field. Everything
// works on views of the caller's text, so reading a list allocates only for what its
// entries keep, and canonical texts are written straight into their final storage.
#pragma once

#include <algorithm>
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
    for (std::size_t at = text.find(separator); at != std::string_view::npos;
         at = text.find(separator, at + 1))
        ++n;
    return n;
}

// Walks the pieces of a text cut at every separator, in order, without copying:
//   PieceCutter cut(text, ':'); for (std::string_view piece; cut.Next(piece);) ...
// An empty text has one empty piece; "a:" has two, the second empty. Fields are a few
// characters long, so a plain loop finds their separators faster than a library search
// would.
class PieceCutter {
  public:
    PieceCutter(std::string_view text, char separator)
        : at_(text.data()), end_(text.data() + text.size()), separator_(separator) {}
    bool Next(std::string_view& piece) {
        if (done_) return false;
        const char* p = at_;
        while (p != end_ && *p != separator_) ++p;
        piece = std::string_view(at_, static_cast<std::size_t>(p - at_));
        if (p == end_)
            done_ = true;
        else
            at_ = p + 1;
        return true;
    }

  private:
    const char* at_;
    const char* end_;
    char separator_;
    bool done_ = false;
};

// The first and the last piece of a text cut at every separator, untrimmed; with no
// separator both are the whole text. Only the ends of the text are looked at.
struct Ends {
    std::string_view first;
    std::string_view last;
};
inline Ends FirstAndLast(std::string_view text, char separator) {
    const char* begin = text.data();
    const char* end = begin + text.size();
    const char* p = begin;
    while (p != end && *p != separator) ++p;
    if (p == end) return {text, text};
    const char* q = end;
    while (*(q - 1) != separator) --q;  // stops at p + 1 at the latest
    return {std::string_view(begin, static_cast<std::size_t>(p - begin)),
            std::string_view(q, static_cast<std::size_t>(end - q))};
}

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

// ReadInteger for every field that is not a few plain digits.
NumberRead ReadDecimalInteger(std::string_view field, Integer& value);

// Reads a numeric list field: trimmed, converted when it is a number and rounded half to
// even; anything that is not a number gives 0.
inline NumberRead ReadInteger(std::string_view field, Integer& value) {
    // Most fields are up to four plain digits, perhaps after a minus: read those directly.
    std::string_view t = TrimBlanks(field);
    std::string_view digits = !t.empty() && t.front() == '-' ? t.substr(1) : t;
    if (!digits.empty() && digits.size() <= 4) {
        int v = 0;
        bool plain = true;
        for (char c : digits) {
            plain = plain && c >= '0' && c <= '9';
            v = v * 10 + (c - '0');
        }
        if (plain) {
            value = static_cast<Integer>(digits.size() < t.size() ? -v : v);
            return NumberRead::Ok;
        }
    }
    return ReadDecimalInteger(t, value);
}

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

// The number in plain decimal, "-" for negatives, no blank or plus sign.
std::string IntegerText(Integer value);

// The canonical separator between entries.
inline constexpr std::string_view kCanonicalSeparator = ", ";

// The outcome of reading a list text entry by entry.
enum class ListRead {
    Blank,    // the text is blank: no entries
    TooMany,  // more raw entries than Integer can index: no entries
    Failed,   // an entry was rejected; `entries` holds those before it
    Ok,       // every raw entry was read
};

// Empties an entry for reuse, keeping the storage its texts and arrays already have.
inline void ResetEntry(std::string& entry) { entry.clear(); }
template <class Entry>
void ResetEntry(Entry& entry) {
    entry.Reset();
}

// Sizes an array for the pieces of `text` cut at `separator` if it has no storage yet: a new
// list allocates once, a list read before keeps the storage it has (and grows it where a
// text is longer).
template <class Element>
void SizeOnce(std::vector<Element>& elements, std::string_view text, char separator) {
    if (elements.capacity() == 0)
        elements.reserve(std::min(CountPieces(text, separator), kMaxEntries));
}

// Reads a list text: tells blank text and texts with too many entries apart, then cuts the
// untrimmed text at every comma and hands each raw entry, in order, to
// `parse(raw, entry) -> bool` with an empty entry to fill. `entries` ends up holding the
// entries read (on a rejection, those before it). Stops at the first rejection. The entries
// of the previous text are reused, so reading a list again into the same object allocates
// only where a new text is longer than the old one.
template <class Entry, class Parse>
ListRead ReadEntries(std::string_view text, std::vector<Entry>& entries, Parse&& parse) {
    if (IsBlank(text)) {
        entries.clear();
        return ListRead::Blank;
    }
    SizeOnce(entries, text, kListSeparator);
    std::size_t i = 0;
    for (std::string_view rest = text;; ++i) {
        if (i == kMaxEntries) {
            entries.clear();
            return ListRead::TooMany;
        }
        std::size_t at = rest.find(kListSeparator);  // entries are long enough for memchr
        if (i == entries.size())
            entries.emplace_back();
        else
            ResetEntry(entries[i]);
        if (!parse(rest.substr(0, at), entries[i])) {
            entries.resize(i);
            return ListRead::Failed;
        }
        if (at == std::string_view::npos) break;
        rest.remove_prefix(at + 1);
    }
    entries.resize(i + 1);
    return ListRead::Ok;
}

// Writes a canonical text into a string: the string is used to its capacity while writing
// and cut to what was written at the end (in the destructor, so the string is whole on
// every path). Appends check for room inline and copy directly, where std::string would
// call out for every piece. `expected` is the size to make room for at once.
class CanonicalWriter {
  public:
    CanonicalWriter(std::string& out, std::size_t expected) : out_(out) {
        out_.reserve(expected);
        out_.resize(out_.capacity());
        data_ = out_.data();
        room_ = out_.size();
    }
    CanonicalWriter(const CanonicalWriter&) = delete;
    CanonicalWriter& operator=(const CanonicalWriter&) = delete;
    ~CanonicalWriter() { out_.resize(size_); }

    void Put(char c) {
        Room(1);
        data_[size_++] = c;
    }
    void Put(std::string_view text) {
        Room(text.size());
        std::char_traits<char>::copy(data_ + size_, text.data(), text.size());
        size_ += text.size();
    }
    // Appends a number in plain decimal, "-" for negatives, no blank or plus sign.
    void PutInteger(Integer value) {
        Room(kIntegerRoom);
        int v = value;
        if (v < 0) {
            data_[size_++] = '-';
            v = -v;  // an int holds the magnitude of -32768
        }
        if (v < 10) {
            data_[size_++] = static_cast<char>('0' + v);
            return;
        }
        char digits[5];
        int n = 0;
        for (; v > 0; v /= 10) digits[n++] = static_cast<char>('0' + v % 10);
        while (n > 0) data_[size_++] = digits[--n];
    }
    // Appends `items`, each written by `write(*this, item)`, with `separator` between.
    template <class Range, class Write>
    void PutJoined(const Range& items, std::string_view separator, Write&& write) {
        bool first = true;
        for (const auto& item : items) {
            if (!first) Put(separator);
            first = false;
            write(*this, item);
        }
    }

    // The most characters PutInteger writes ("-32768").
    static constexpr std::size_t kIntegerRoom = 6;

  private:
    void Room(std::size_t n) {
        if (n > room_ - size_) Grow(n);
    }
    void Grow(std::size_t n);

    std::string& out_;
    char* data_ = nullptr;
    std::size_t room_ = 0;  // what data_ holds
    std::size_t size_ = 0;  // what is written
};

// The canonical text of a list: its entries, each written by `write(writer, entry)`, joined
// by the canonical separator. `size(entry)` bounds the length of an entry's text, so the
// text is allocated once.
template <class Entry, class Size, class Write>
std::string CanonicalText(const std::vector<Entry>& entries, Size&& size, Write&& write) {
    std::size_t expected = 0;
    for (const Entry& entry : entries) expected += size(entry) + kCanonicalSeparator.size();
    std::string text;
    {
        CanonicalWriter out(text, expected);
        out.PutJoined(entries, kCanonicalSeparator, write);
    }
    return text;
}

}  // namespace OrvaneLib::detail
