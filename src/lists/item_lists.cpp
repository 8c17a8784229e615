// Item, name-and-rank and bonus lists.
#include <algorithm>
#include <string>
#include "host/internal.hpp"

#include "lists/grammar.hpp"
#include "orvane/lists.hpp"

namespace OrvaneLib {

using detail::CanonicalWriter;
using detail::EntryAt;
using detail::FindFirst;
using detail::ListRead;
using detail::NumberRead;

namespace {

// A name and a number written 'Name:Number': the first piece is the name, the last piece the
// number (with no colon, one piece is both). Pieces in between are ignored. False when the
// number is outside 16 bits.
bool ReadNamedNumber(std::string_view raw, std::string& name, Integer& number) {
    detail::Ends ends = detail::FirstAndLast(raw, detail::kFieldSeparator);
    name = detail::TrimBlanks(ends.first);
    return detail::ReadInteger(ends.last, number) != NumberRead::OutOfRange;
}

void PutNamedNumber(CanonicalWriter& out, const std::string& name, Integer number) {
    out.Put(name);
    out.Put(detail::kFieldSeparator);
    out.PutInteger(number);
}

// Room for 'Name:Number' in a canonical text.
std::size_t NamedNumberSize(const std::string& name) {
    return name.size() + 1 + CanonicalWriter::kIntegerRoom;
}

}  // namespace

// ---- clsListSimple -------------------------------------------------------------------------

clsListSimple::clsListSimple() { Clear(); }
std::string clsListSimple::ClassName() const { return "clsListSimple"; }

void clsListSimple::Clear() { hasList_ = false; }
bool clsListSimple::HasList() const { return hasList_; }

void clsListSimple::SetList(const std::string& strList) {
    ListRead read =
        detail::ReadEntries(strList, items_, [](std::string_view raw, std::string& item) {
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
    if (!hasList_) return std::string();
    return detail::CanonicalText(
        items_, [](const std::string& item) { return item.size(); },
        [](CanonicalWriter& out, const std::string& item) { out.Put(item); });
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
    ListRead read =
        detail::ReadEntries(strList, entries_, [](std::string_view raw, LevelEntry& entry) {
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
    if (!hasList_) return std::string();
    return detail::CanonicalText(
        entries_, [](const LevelEntry& e) { return NamedNumberSize(e.Name); },
        [](CanonicalWriter& out, const LevelEntry& e) { PutNamedNumber(out, e.Name, e.Rank); });
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
    ListRead read =
        detail::ReadEntries(strList, entries_, [](std::string_view raw, BonusEntry& entry) {
            if (raw.empty()) return false;
            // Head 'Name:Number' before the first bar, levels after the last; with no bar the
            // whole entry is both.
            detail::Ends parts = detail::FirstAndLast(raw, detail::kPartSeparator);
            if (!ReadNamedNumber(parts.first, entry.Name, entry.Number)) return false;
            std::string_view levels = parts.last;
            if (levels.empty()) return false;
            detail::SizeOnce(entry.Levels, levels, detail::kFieldSeparator);
            detail::PieceCutter cut(levels, detail::kFieldSeparator);
            for (std::string_view piece; cut.Next(piece);) {
                // More levels than an Integer counts could not be answered by GetQuantity.
                if (entry.Levels.size() == detail::kMaxEntries) return false;
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
    if (!hasList_) return std::string();
    return detail::CanonicalText(
        entries_,
        [](const BonusEntry& e) {
            return NamedNumberSize(e.Name) + 1 +
                   e.Levels.size() * (CanonicalWriter::kIntegerRoom + 1);
        },
        [](CanonicalWriter& out, const BonusEntry& e) {
            PutNamedNumber(out, e.Name, e.Number);
            out.Put(detail::kPartSeparator);
            out.PutJoined(e.Levels, ":",
                          [](CanonicalWriter& o, Integer level) { o.PutInteger(level); });
        });
}

ORVANE_REGISTER_CLASS(clsListBonus)

}  // namespace OrvaneLib
