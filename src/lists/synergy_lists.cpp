// Synergy and sub-skill synergy lists.
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

// Reads a numeric field of a synergy entry; false when it is outside 16 bits.
bool ReadNumber(std::string_view field, Integer& value) {
    return detail::ReadInteger(field, value) != NumberRead::OutOfRange;
}

// The fields of a synergy entry: the entry is cut at every colon. An entry with fewer than
// three pieces is kept with its zero values. (Trimming the entry as a whole first would
// change nothing: every field used is trimmed.)
detail::Fields SynergyFields(std::string_view raw) {
    return detail::CutFields(raw, detail::kFieldSeparator);
}

// Room for the numbers and colons of a synergy entry with `fields` fields.
constexpr std::size_t NumbersSize(std::size_t fields) {
    return 2 * CanonicalWriter::kIntegerRoom + fields - 1;
}

}  // namespace

// ---- clsListSynergy ------------------------------------------------------------------------

clsListSynergy::clsListSynergy() { Clear(); }
std::string clsListSynergy::ClassName() const { return "clsListSynergy"; }

void clsListSynergy::Clear() { hasList_ = false; }
bool clsListSynergy::HasList() const { return hasList_; }

void clsListSynergy::SetList(const std::string& strSynergy) {
    if (detail::IsBlank(strSynergy)) {
        hasList_ = false;
        return;
    }
    ListRead read =
        detail::ReadEntries(strSynergy, entries_, [](std::string_view raw, SynergyEntry& entry) {
            // 'Level:Skill:Bonus'; pieces between the skill and the last one are ignored.
            detail::Fields f = SynergyFields(raw);
            if (f.count < 3) return true;
            entry.Skill = detail::TrimBlanks(f.second);
            return ReadNumber(f.first, entry.Level) && ReadNumber(f.last, entry.Bonus);
        });
    if (read != ListRead::Ok) {
        Clear();
        return;
    }
    hasList_ = true;
}

Integer clsListSynergy::GetSize() const {
    return hasList_ ? static_cast<Integer>(entries_.size()) : Integer{0};
}

namespace {
template <class Entry>
const std::string& SkillOf(const Entry& entry) {
    return entry.Skill;
}
}  // namespace

bool clsListSynergy::InList(const std::string& strItem) const {
    return FindFirst(hasList_, entries_, strItem, SkillOf<SynergyEntry>) != nullptr;
}

Integer clsListSynergy::GetLevel(Integer iSynergy) const {
    const SynergyEntry* entry = EntryAt(hasList_, entries_, iSynergy);
    return entry ? entry->Level : Integer{0};
}

std::string clsListSynergy::GetSkill(Integer iSynergy) const {
    const SynergyEntry* entry = EntryAt(hasList_, entries_, iSynergy);
    return entry ? entry->Skill : std::string();
}

Integer clsListSynergy::GetBonus(Integer iSynergy) const {
    const SynergyEntry* entry = EntryAt(hasList_, entries_, iSynergy);
    return entry ? entry->Bonus : Integer{0};
}

Integer clsListSynergy::GetLevelFromSkill(const std::string& strItem) const {
    const SynergyEntry* entry = FindFirst(hasList_, entries_, strItem, SkillOf<SynergyEntry>);
    return entry ? entry->Level : Integer{0};
}

Integer clsListSynergy::GetBonusFromSkill(const std::string& strItem) const {
    const SynergyEntry* entry = FindFirst(hasList_, entries_, strItem, SkillOf<SynergyEntry>);
    return entry ? entry->Bonus : Integer{0};
}

std::string clsListSynergy::GetList() const {
    if (!hasList_) return std::string();
    return detail::CanonicalText(
        entries_, [](const SynergyEntry& e) { return e.Skill.size() + NumbersSize(3); },
        [](CanonicalWriter& out, const SynergyEntry& e) {
            out.PutInteger(e.Level);
            out.Put(detail::kFieldSeparator);
            out.Put(e.Skill);
            out.Put(detail::kFieldSeparator);
            out.PutInteger(e.Bonus);
        });
}

ORVANE_REGISTER_CLASS(clsListSynergy)

// ---- clsListSubSynergy ---------------------------------------------------------------------

clsListSubSynergy::clsListSubSynergy() { Clear(); }
std::string clsListSubSynergy::ClassName() const { return "clsListSubSynergy"; }

void clsListSubSynergy::Clear() { hasList_ = false; }
bool clsListSubSynergy::HasList() const { return hasList_; }

void clsListSubSynergy::SetList(const std::string& strSynergy) {
    if (detail::IsBlank(strSynergy)) {
        hasList_ = false;
        return;
    }
    ListRead read =
        detail::ReadEntries(strSynergy, entries_, [](std::string_view raw, SubSynergyEntry& entry) {
            // 'Level:SubSkill:Skill:Bonus'; with exactly three pieces the third is both the
            // skill and the bonus.
            detail::Fields f = SynergyFields(raw);
            if (f.count < 3) return true;
            entry.SubSkill = detail::TrimBlanks(f.second);
            entry.Skill = detail::TrimBlanks(f.third);
            return ReadNumber(f.first, entry.Level) && ReadNumber(f.last, entry.Bonus);
        });
    if (read != ListRead::Ok) {
        Clear();
        return;
    }
    hasList_ = true;
}

Integer clsListSubSynergy::GetSize() const {
    return hasList_ ? static_cast<Integer>(entries_.size()) : Integer{0};
}

bool clsListSubSynergy::InList(const std::string& strItem) const {
    return FindFirst(hasList_, entries_, strItem, SkillOf<SubSynergyEntry>) != nullptr;
}

Integer clsListSubSynergy::GetLevel(Integer iSynergy) const {
    const SubSynergyEntry* entry = EntryAt(hasList_, entries_, iSynergy);
    return entry ? entry->Level : Integer{0};
}

std::string clsListSubSynergy::GetSubSkill(Integer iSynergy) const {
    const SubSynergyEntry* entry = EntryAt(hasList_, entries_, iSynergy);
    return entry ? entry->SubSkill : std::string();
}

std::string clsListSubSynergy::GetSkill(Integer iSynergy) const {
    const SubSynergyEntry* entry = EntryAt(hasList_, entries_, iSynergy);
    return entry ? entry->Skill : std::string();
}

Integer clsListSubSynergy::GetBonus(Integer iSynergy) const {
    const SubSynergyEntry* entry = EntryAt(hasList_, entries_, iSynergy);
    return entry ? entry->Bonus : Integer{0};
}

Integer clsListSubSynergy::GetLevelFromSkill(const std::string& strItem) const {
    const SubSynergyEntry* entry = FindFirst(hasList_, entries_, strItem, SkillOf<SubSynergyEntry>);
    return entry ? entry->Level : Integer{0};
}

Integer clsListSubSynergy::GetBonusFromSkill(const std::string& strItem) const {
    const SubSynergyEntry* entry = FindFirst(hasList_, entries_, strItem, SkillOf<SubSynergyEntry>);
    return entry ? entry->Bonus : Integer{0};
}

std::string clsListSubSynergy::GetList() const {
    if (!hasList_) return std::string();
    return detail::CanonicalText(
        entries_,
        [](const SubSynergyEntry& e) {
            return e.SubSkill.size() + e.Skill.size() + NumbersSize(4);
        },
        [](CanonicalWriter& out, const SubSynergyEntry& e) {
            out.PutInteger(e.Level);
            out.Put(detail::kFieldSeparator);
            out.Put(e.SubSkill);
            out.Put(detail::kFieldSeparator);
            out.Put(e.Skill);
            out.Put(detail::kFieldSeparator);
            out.PutInteger(e.Bonus);
        });
}

ORVANE_REGISTER_CLASS(clsListSubSynergy)

}  // namespace OrvaneLib
