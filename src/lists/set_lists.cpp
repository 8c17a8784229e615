// Alternative-set lists and class/feat replacement triples.
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

// Whether `items` holds `name` exactly.
bool Holds(const std::vector<std::string>& items, const std::string& name) {
    return std::find(items.begin(), items.end(), name) != items.end();
}

// Failure descriptions of clsListOrLevel, shown after "Class: SetList, ".
constexpr const char* kTypeMismatch = "Type mismatch";
constexpr const char* kRankOutOfRange = "Rank out of range";
constexpr const char* kEmptySet = "Empty alternative set";
constexpr const char* kEmptyPair = "Empty alternative";
constexpr const char* kTooManyPairs = "Too many alternatives";
constexpr const char* kTooManySets = "Too many alternative sets";

// Reads one set of name/rank pairs, 'Climb:4|Jump:4', into `set`; the description of what is
// wrong with it, or nullptr when it is well formed.
template <class OrLevelSet>
const char* ReadOrLevelSet(std::string_view raw, OrLevelSet& set) {
    std::string_view text = detail::TrimBlanks(raw);
    if (text.empty()) return kEmptySet;
    std::size_t count = detail::CountPieces(text, detail::kPartSeparator);
    if (count > detail::kMaxEntries) return kTooManyPairs;
    set.Names.reserve(count);
    set.Ranks.reserve(count);
    detail::PieceCutter cut(text, detail::kPartSeparator);
    for (std::string_view pair; cut.Next(pair);) {
        pair = detail::TrimBlanks(pair);
        if (pair.empty()) return kEmptyPair;
        // The first piece is the name, the last the rank; with no colon one piece is both,
        // so a bare name has a rank that is not a number.
        detail::Ends fields = detail::FirstAndLast(pair, detail::kFieldSeparator);
        Integer rank = 0;
        switch (detail::ReadInteger(fields.last, rank)) {
            case NumberRead::NotANumber:
                return kTypeMismatch;
            case NumberRead::OutOfRange:
                return kRankOutOfRange;
            case NumberRead::Ok:
                break;
        }
        set.Names.emplace_back(detail::TrimBlanks(fields.first));
        set.Ranks.push_back(rank);
    }
    return nullptr;
}

}  // namespace

// ---- clsListOrSimple -----------------------------------------------------------------------

clsListOrSimple::clsListOrSimple() { Clear(); }
std::string clsListOrSimple::ClassName() const { return "clsListOrSimple"; }

void clsListOrSimple::Clear() {
    hasList_ = false;
    sets_.clear();
}

void clsListOrSimple::SetList(const std::string& strList) {
    ListRead read = detail::ReadEntries(strList, sets_, [](std::string_view raw, OrSet& set) {
        // A set with nothing but blanks has no alternatives, as an empty one has: that
        // is how both are written back (', , '), and reading them again must agree.
        if (detail::IsBlank(raw)) return true;
        detail::SizeOnce(set.Items, raw, detail::kFieldSeparator);
        detail::PieceCutter cut(raw, detail::kFieldSeparator);
        for (std::string_view item; cut.Next(item);) {
            if (set.Items.size() == detail::kMaxEntries) return false;
            set.Items.emplace_back(detail::TrimBlanks(item));
        }
        return true;
    });
    if (read == ListRead::Ok) {
        hasList_ = true;
    } else {
        // Blank text, or more sets or alternatives than an index reaches: the empty list.
        Clear();
    }
}

bool clsListOrSimple::HasList() const { return hasList_; }

Integer clsListOrSimple::GetSize() const {
    return hasList_ ? static_cast<Integer>(sets_.size()) : Integer{0};
}

Integer clsListOrSimple::GetNumber(Integer iList) const {
    const OrSet* set = EntryAt(hasList_, sets_, iList);
    return set ? static_cast<Integer>(set->Items.size()) : Integer{0};
}

std::string clsListOrSimple::GetItem(Integer iList, Integer iNumber) const {
    const OrSet* set = EntryAt(hasList_, sets_, iList);
    const std::string* item = set ? EntryAt(true, set->Items, iNumber) : nullptr;
    return item ? *item : std::string("0");
}

bool clsListOrSimple::InList(Integer iList, const std::string& strItem) const {
    const OrSet* set = EntryAt(hasList_, sets_, iList);
    return set && Holds(set->Items, strItem);
}

namespace {
// Room for a set's items joined by ":".
std::size_t ItemsSize(const std::vector<std::string>& items) {
    std::size_t size = items.size();
    for (const std::string& item : items) size += item.size();
    return size;
}

void PutItems(CanonicalWriter& out, const std::vector<std::string>& items) {
    out.PutJoined(items, ":", [](CanonicalWriter& o, const std::string& item) { o.Put(item); });
}
}  // namespace

std::string clsListOrSimple::GetSetList(Integer iList) const {
    std::string out;
    if (const OrSet* set = EntryAt(hasList_, sets_, iList)) {
        CanonicalWriter writer(out, ItemsSize(set->Items));
        PutItems(writer, set->Items);
    }
    return out;
}

std::string clsListOrSimple::GetList() const {
    if (!hasList_) return std::string();
    return detail::CanonicalText(
        sets_, [](const OrSet& set) { return ItemsSize(set.Items); },
        [](CanonicalWriter& out, const OrSet& set) { PutItems(out, set.Items); });
}

ORVANE_REGISTER_CLASS(clsListOrSimple)

// ---- clsListOrLevel ------------------------------------------------------------------------

clsListOrLevel::clsListOrLevel() { Clear(); }
std::string clsListOrLevel::ClassName() const { return "clsListOrLevel"; }

void clsListOrLevel::Clear() {
    hasList_ = false;
    sets_.clear();
}

void clsListOrLevel::SetList(const std::string& strList) {
    // The sets are counted first: a text with more of them than an index reaches keeps none,
    // whatever is wrong inside them.
    std::size_t count = detail::CountPieces(strList, detail::kListSeparator);
    const char* failure = nullptr;
    ListRead read = ListRead::TooMany;
    if (count <= detail::kMaxEntries) {
        read =
            detail::ReadEntries(strList, sets_, [&failure](std::string_view raw, OrLevelSet& set) {
                failure = ReadOrLevelSet(raw, set);
                return failure == nullptr;
            });
    }
    switch (read) {
        case ListRead::Blank:
            Clear();
            return;
        case ListRead::Ok:
            hasList_ = true;
            return;
        case ListRead::TooMany:
            // The sets cannot even be counted: none of them is kept.
            failure = kTooManySets;
            count = 0;
            break;
        case ListRead::Failed:
            break;
    }
    // The sets before the failing one stay complete; it and those after it hold no
    // alternatives. The list still counts as set, and the failure is reported, not raised.
    sets_.resize(count);
    hasList_ = true;
    detail::ShowMessage(std::string("Class: SetList, ") + failure, MsgIcon::Critical,
                        "Database Error");
}

bool clsListOrLevel::HasList() const { return hasList_; }

Integer clsListOrLevel::GetSize() const {
    return hasList_ ? static_cast<Integer>(sets_.size()) : Integer{0};
}

Integer clsListOrLevel::GetNumber(Integer iList) const {
    const OrLevelSet* set = EntryAt(hasList_, sets_, iList);
    return set ? static_cast<Integer>(set->Names.size()) : Integer{0};
}

std::string clsListOrLevel::GetName(Integer iList, Integer iNumber) const {
    const OrLevelSet* set = EntryAt(hasList_, sets_, iList);
    const std::string* name = set ? EntryAt(true, set->Names, iNumber) : nullptr;
    return name ? *name : std::string("0");
}

std::string clsListOrLevel::GetRank(Integer iList, Integer iNumber) const {
    const OrLevelSet* set = EntryAt(hasList_, sets_, iList);
    const Integer* rank = set ? EntryAt(true, set->Ranks, iNumber) : nullptr;
    return rank ? detail::IntegerText(*rank) : std::string("0");
}

bool clsListOrLevel::InList(Integer iList, const std::string& strItem) const {
    const OrLevelSet* set = EntryAt(hasList_, sets_, iList);
    return set && Holds(set->Names, strItem);
}

namespace {
// Room for a set's pairs, 'Name:Rank' joined by "|".
template <class OrLevelSet>
std::size_t PairsSize(const OrLevelSet& set) {
    return ItemsSize(set.Names) + set.Names.size() * (1 + CanonicalWriter::kIntegerRoom);
}

template <class OrLevelSet>
void PutPairs(CanonicalWriter& out, const OrLevelSet& set) {
    for (std::size_t i = 0; i < set.Names.size(); ++i) {
        if (i > 0) out.Put(detail::kPartSeparator);
        out.Put(set.Names[i]);
        out.Put(detail::kFieldSeparator);
        out.PutInteger(set.Ranks[i]);
    }
}
}  // namespace

std::string clsListOrLevel::GetSetList(Integer iList) const {
    std::string out;
    if (const OrLevelSet* set = EntryAt(hasList_, sets_, iList)) {
        CanonicalWriter writer(out, PairsSize(*set));
        PutPairs(writer, *set);
    }
    return out;
}

std::string clsListOrLevel::GetList() const {
    if (!hasList_) return std::string();
    return detail::CanonicalText(
        sets_, [](const OrLevelSet& set) { return PairsSize(set); },
        [](CanonicalWriter& out, const OrLevelSet& set) { PutPairs(out, set); });
}

// Not registered for CreateObject: only the library creates it.

// ---- clsListTripleSimple -------------------------------------------------------------------

clsListTripleSimple::clsListTripleSimple() { Clear(); }
std::string clsListTripleSimple::ClassName() const { return "clsListTripleSimple"; }

void clsListTripleSimple::Clear() {
    hasList_ = false;
    entries_.clear();
}

bool clsListTripleSimple::HasList() const { return hasList_; }

void clsListTripleSimple::SetList(const std::string& strTriple) {
    ListRead read =
        detail::ReadEntries(strTriple, entries_, [](std::string_view raw, TripleEntry& entry) {
            // 'Class:OldFeat:NewFeat'; pieces between the second and the last are ignored,
            // fewer than three pieces leave the entry empty. (Trimming the entry as a whole
            // first would change nothing: every field is trimmed.)
            detail::Fields f = detail::CutFields(raw, detail::kFieldSeparator);
            if (f.count >= 3) {
                entry.Class = detail::TrimBlanks(f.first);
                entry.OldFeat = detail::TrimBlanks(f.second);
                entry.NewFeat = detail::TrimBlanks(f.last);
            }
            return true;
        });
    if (read == ListRead::Ok) {
        hasList_ = true;
    } else {
        // Blank text, or more triples than an index reaches: the empty list.
        Clear();
    }
}

Integer clsListTripleSimple::GetSize() const {
    return hasList_ ? static_cast<Integer>(entries_.size()) : Integer{0};
}

bool clsListTripleSimple::InList(const std::string& strItem) const {
    return FindFirst(hasList_, entries_, strItem,
                     [](const TripleEntry& e) -> const std::string& { return e.Class; }) != nullptr;
}

std::string clsListTripleSimple::GetClass(Integer iTriple) const {
    const TripleEntry* entry = EntryAt(hasList_, entries_, iTriple);
    return entry ? entry->Class : std::string();
}

std::string clsListTripleSimple::GetOldFeat(Integer iTriple) const {
    const TripleEntry* entry = EntryAt(hasList_, entries_, iTriple);
    return entry ? entry->OldFeat : std::string();
}

std::string clsListTripleSimple::GetNewFeat(Integer iTriple) const {
    const TripleEntry* entry = EntryAt(hasList_, entries_, iTriple);
    return entry ? entry->NewFeat : std::string();
}

std::string clsListTripleSimple::GetList() const {
    if (!hasList_) return std::string();
    return detail::CanonicalText(
        entries_,
        [](const TripleEntry& e) {
            return e.Class.size() + e.OldFeat.size() + e.NewFeat.size() + 2;
        },
        [](CanonicalWriter& out, const TripleEntry& e) {
            out.Put(e.Class);
            out.Put(detail::kFieldSeparator);
            out.Put(e.OldFeat);
            out.Put(detail::kFieldSeparator);
            out.Put(e.NewFeat);
        });
}

ORVANE_REGISTER_CLASS(clsListTripleSimple)

}  // namespace OrvaneLib
