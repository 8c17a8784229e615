// Item, name-and-rank and bonus lists.
#include <algorithm>
#include <string>
#include "host/internal.hpp"

#include "lists/grammar.hpp"
#include "orvane/lists.hpp"

namespace OrvaneLib {

using detail::EntryAt;
using detail::FindFirst;
using detail::ListRead;
using detail::NumberRead;

namespace {

// A name and a number written 'Name:Number': the first piece is the name, the last piece the
// number (with no colon, one piece is both). Pieces in between are ignored. False when the
// number is outside 16 bits.
bool ReadNamedNumber(std::string_view raw, std::string& name, Integer& number) {
    detail::Fields fields = detail::CutFields(raw, detail::kFieldSeparator);
    name = detail::TrimBlanks(fields.first);
    return detail::ReadInteger(fields.last, number) != NumberRead::OutOfRange;
}

void AppendNamedNumber(std::string& out, const std::string& name, Integer number) {
    out += name;
    out += detail::kFieldSeparator;
    detail::AppendInteger(out, number);
}

}  // namespace

// ---- clsListSimple -------------------------------------------------------------------------

clsListSimple::clsListSimple() { Clear(); }
std::string clsListSimple::ClassName() const { return "clsListSimple"; }

void clsListSimple::Clear() { hasList_ = false; }
bool clsListSimple::HasList() const { return hasList_; }

void clsListSimple::SetList(const std::string& strList) {
    std::size_t count = 0;
    ListRead read =
        detail::ReadEntries(strList, items_, count, [](std::string_view raw, std::string& item) {
            item = detail::TrimBlanks(raw);
            return true;
        });
    // Blank text, and a text with more items than an index reaches, give the empty list.
    if (read != ListRead::Ok) {
        Clear();
        return;
    }
    hasList_ = true;
}

Integer clsListSimple::GetSize() const {
    return hasList_ ? static_cast<Integer>(items_.size()) : Integer{0};
}

bool clsListSimple::InList(const std::string& strItem) const {
    return FindFirst(hasList_, items_, strItem,
                     [](const std::string& item) -> const std::string& { return item; }) != nullptr;
}

std::string clsListSimple::GetItem(Integer iItem) const {
    const std::string* item = EntryAt(hasList_, items_, iItem);
    return item ? *item : std::string();
}

std::string clsListSimple::GetList() const {
    std::string out;
    if (!hasList_) return out;
    detail::AppendJoined(out, items_, detail::kCanonicalSeparator,
                         [](std::string& text, const std::string& item) { text += item; });
    return out;
}

ORVANE_REGISTER_CLASS(clsListSimple)

// ---- clsListLevel --------------------------------------------------------------------------

clsListLevel::clsListLevel() { Clear(); }
std::string clsListLevel::ClassName() const { return "clsListLevel"; }

void clsListLevel::Clear() { hasList_ = false; }

void clsListLevel::SetList(const std::string& strList) {
    // Blank text turns the list off and keeps the array; any other text replaces it.
    if (detail::IsBlank(strList)) {
        hasList_ = false;
        return;
    }
    std::size_t count = 0;
    ListRead read =
        detail::ReadEntries(strList, entries_, count, [](std::string_view raw, LevelEntry& entry) {
            // An empty raw entry (',,' or a trailing comma) is malformed; blanks are not.
            return !raw.empty() && ReadNamedNumber(raw, entry.Name, entry.Rank);
        });
    if (read != ListRead::Ok) {
        Clear();
        return;
    }
    hasList_ = true;
}

bool clsListLevel::HasList() const { return hasList_; }

Integer clsListLevel::GetSize() const {
    return hasList_ ? static_cast<Integer>(entries_.size()) : Integer{0};
}

bool clsListLevel::InList(const std::string& strItem) const {
    return FindFirst(hasList_, entries_, strItem,
                     [](const LevelEntry& e) -> const std::string& { return e.Name; }) != nullptr;
}

std::string clsListLevel::GetName(Integer iItem) const {
    const LevelEntry* entry = EntryAt(hasList_, entries_, iItem);
    return entry ? entry->Name : std::string();
}

Integer clsListLevel::GetRank(Integer iItem) const {
    const LevelEntry* entry = EntryAt(hasList_, entries_, iItem);
    return entry ? entry->Rank : Integer{0};
}

Integer clsListLevel::GetRankFromName(const std::string& strItem) const {
    const LevelEntry* entry =
        FindFirst(hasList_, entries_, strItem,
                  [](const LevelEntry& e) -> const std::string& { return e.Name; });
    return entry ? entry->Rank : Integer{0};
}

std::string clsListLevel::GetList() const {
    std::string out;
    if (!hasList_) return out;
    detail::AppendJoined(
        out, entries_, detail::kCanonicalSeparator,
        [](std::string& text, const LevelEntry& e) { AppendNamedNumber(text, e.Name, e.Rank); });
    return out;
}

ORVANE_REGISTER_CLASS(clsListLevel)

// ---- clsListBonus --------------------------------------------------------------------------

clsListBonus::clsListBonus() { Clear(); }
std::string clsListBonus::ClassName() const { return "clsListBonus"; }

void clsListBonus::Clear() { hasList_ = false; }
bool clsListBonus::HasList() const { return hasList_; }

void clsListBonus::SetList(const std::string& strList) {
    if (detail::IsBlank(strList)) {
        hasList_ = false;
        return;
    }
    std::size_t count = 0;
    ListRead read =
        detail::ReadEntries(strList, entries_, count, [](std::string_view raw, BonusEntry& entry) {
            if (raw.empty()) return false;
            // Head 'Name:Number' before the first bar, levels after the last; with no bar the
            // whole entry is both.
            detail::Fields parts = detail::CutFields(raw, detail::kPartSeparator);
            if (!ReadNamedNumber(parts.first, entry.Name, entry.Number)) return false;
            std::string_view levels = parts.last;
            if (levels.empty()) return false;
            std::size_t n = detail::CountPieces(levels, detail::kFieldSeparator);
            // More levels than an Integer counts could not be answered by GetQuantity.
            if (n > detail::kMaxEntries) return false;
            entry.Levels.reserve(n);
            detail::PieceCutter cut(levels, detail::kFieldSeparator);
            for (std::string_view piece; cut.Next(piece);) {
                Integer level = 0;
                if (detail::ReadInteger(piece, level) == NumberRead::OutOfRange) return false;
                entry.Levels.push_back(level);
            }
            return true;
        });
    if (read != ListRead::Ok) {
        Clear();
        return;
    }
    hasList_ = true;
}

Integer clsListBonus::GetSize() const {
    return hasList_ ? static_cast<Integer>(entries_.size()) : Integer{0};
}

std::string clsListBonus::GetName(Integer iBonus) const {
    const BonusEntry* entry = EntryAt(hasList_, entries_, iBonus);
    return entry ? entry->Name : std::string();
}

Integer clsListBonus::GetNumber(Integer iBonus) const {
    const BonusEntry* entry = EntryAt(hasList_, entries_, iBonus);
    return entry ? entry->Number : Integer{0};
}

const clsListBonus::BonusEntry* clsListBonus::Entry(Integer iBonus, Integer iNumber) const {
    const BonusEntry* entry = EntryAt(hasList_, entries_, iBonus);
    // An instance index counts against Number; a level beyond the stored ones is 0 as well.
    if (!entry || iNumber < 0 || iNumber >= entry->Number ||
        static_cast<std::size_t>(iNumber) >= entry->Levels.size()) {
        return nullptr;
    }
    return entry;
}

Integer clsListBonus::GetLevel(Integer iBonus, Integer iNumber) const {
    const BonusEntry* entry = Entry(iBonus, iNumber);
    return entry ? entry->Levels[static_cast<std::size_t>(iNumber)] : Integer{0};
}

Integer clsListBonus::GetQuantity(Integer iBonus, Integer iNumber) const {
    const BonusEntry* entry = Entry(iBonus, iNumber);
    if (!entry) return 0;
    auto from = entry->Levels.begin() + iNumber;
    // At most the stored levels, which are limited to what an Integer counts.
    return static_cast<Integer>(std::count(from, entry->Levels.end(), *from));
}

std::string clsListBonus::GetList() const {
    std::string out;
    if (!hasList_) return out;
    detail::AppendJoined(
        out, entries_, detail::kCanonicalSeparator, [](std::string& text, const BonusEntry& e) {
            AppendNamedNumber(text, e.Name, e.Number);
            text += detail::kPartSeparator;
            detail::AppendJoined(text, e.Levels, ":", [](std::string& t, Integer level) {
                detail::AppendInteger(t, level);
            });
        });
    return out;
}

ORVANE_REGISTER_CLASS(clsListBonus)

}  // namespace OrvaneLib
