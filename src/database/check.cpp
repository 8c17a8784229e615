// The reference check: every field that names another entry (as its kind's description
// says) is resolved against the names the database holds, and every list text is read back.
// Each table is scanned once, reading only its key columns and the columns that hold names
// or lists, so a whole database is checked in one pass per table.
#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <map>
#include <set>

#include "database/access.hpp"
#include "orvane/host.hpp"
#include "orvane/maintenance.hpp"

namespace OrvaneLib {

namespace detail {
namespace {

// The names of one target: the bytes of all names in one buffer and an open-addressing table
// of (hash, index) pairs, so that a lookup touches one slot and one name, where a node-based
// set would chase pointers through the heap; a check makes millions of lookups.
class NameSet {
  public:
    void Add(std::string_view name) {
        ends_.push_back(0);
        bytes_.append(name);
        ends_.back() = static_cast<std::uint32_t>(bytes_.size());
        built_ = false;
    }
    void Build() {
        std::size_t size = 16;
        while (size < 2 * ends_.size()) size *= 2;
        slots_.assign(size, 0);
        mask_ = size - 1;
        for (std::uint32_t i = 0; i < ends_.size(); ++i) {
            const auto h = Hash(Name(i));
            std::size_t at = h & mask_;
            while (slots_[at]) at = (at + 1) & mask_;
            slots_[at] = (std::uint64_t{static_cast<std::uint32_t>(h)} << 32) | (i + 1);
        }
        built_ = true;
    }
    bool Contains(std::string_view name) const {
        if (!built_ || ends_.empty()) return false;
        const auto h = Hash(name);
        const auto tag = static_cast<std::uint32_t>(h);
        for (std::size_t at = h & mask_;; at = (at + 1) & mask_) {
            const std::uint64_t slot = slots_[at];
            if (!slot) return false;
            if ((slot >> 32) == tag && Name(static_cast<std::uint32_t>(slot) - 1) == name)
                return true;
        }
    }
    // Looking up many names at once: the slot of each name is fetched from memory while the
    // others are hashed, and the bytes of each candidate while the others are probed, so that
    // the waits for memory overlap instead of following one another.
    static std::size_t Hash(std::string_view s) { return std::hash<std::string_view>{}(s); }
    void PrefetchSlot(std::size_t hash) const {
        if (built_ && !ends_.empty()) __builtin_prefetch(&slots_[hash & mask_]);
    }
    // The first name whose slot carries the hash's tag (index + 1), or 0; its bytes are
    // fetched meanwhile. A match still needs Name(i) == name (else Contains decides).
    std::uint32_t Candidate(std::size_t hash) const {
        if (!built_ || ends_.empty()) return 0;
        const auto tag = static_cast<std::uint32_t>(hash);
        for (std::size_t at = hash & mask_;; at = (at + 1) & mask_) {
            const std::uint64_t slot = slots_[at];
            if (!slot) return 0;
            if ((slot >> 32) == tag) {
                const auto i = static_cast<std::uint32_t>(slot);
                __builtin_prefetch(bytes_.data() + (i > 1 ? ends_[i - 2] : 0));
                return i;
            }
        }
    }
    std::size_t Size() const { return ends_.size(); }
    std::string_view Name(std::uint32_t i) const {
        const std::uint32_t begin = i ? ends_[i - 1] : 0;
        return std::string_view(bytes_).substr(begin, ends_[i] - begin);
    }

  private:
    std::string bytes_;
    std::vector<std::uint32_t> ends_;
    std::vector<std::uint64_t> slots_;
    std::size_t mask_ = 0;
    bool built_ = false;
};

// Where the names of a target come from: the key column of a record kind's table, or the
// column of a lookup list. Sub-skills are the entries of the skills' suggested sub-skills.
struct Source {
    std::string_view table, column;
    bool listItems = false;
};

Source SourceOf(Ref ref) {
    switch (ref) {
        case Ref::Skill:
            return {"tblSkills", "Name"};
        case Ref::SubSkill:
            return {"tblSkills", "SubSuggest", true};
        case Ref::Feat:
            return {"tblFeats", "Feat"};
        case Ref::Class:
            return {"tblClasses", "Class"};
        case Ref::SpecialQuality:
            return {"tblSpecialQualities", "Name"};
        case Ref::BonusFeatSelection:
            return {"tblClassesBonus", "Name"};
        case Ref::CrossClassSet:
            return {"tblCrossClass", "Name"};
        case Ref::SkillMastery:
            return {"tblSkillMastery", "Name"};
        case Ref::BonusFeature:
            return {"tblClassFeatures", "Name"};
        case Ref::Species:
            return {"tblSpecies", "Species"};
        case Ref::Homeworld:
            return {"tblHomeworlds", "Name"};
        case Ref::Size:
            return {"tblSizes", "Name"};
        case Ref::CreatureType:
            return {"tblCreatureClasses", "Name"};
        case Ref::StarshipSize:
            return {"tblStarshipSize", "Name"};
        case Ref::Ability:
            return {"tblAbility", "Name"};
        case Ref::Language:
            return {"tblLanguages", "Language"};
        case Ref::Region:
            return {"tblRegion", "Name"};
        case Ref::None:
            break;
    }
    return {};
}

constexpr std::size_t kRefs = static_cast<std::size_t>(Ref::Region) + 1;

// The names of every target, read once per check (an absent table has none).
class Names {
  public:
    explicit Names(DatabaseState& s) : s_(s) {}

    Status Load(Ref ref) {
        const auto i = static_cast<std::size_t>(ref);
        if (loaded_[i]) return {};
        loaded_[i] = true;
        const Source src = SourceOf(ref);
        bool exists = false;
        if (Status st = s_.TableExists(src.table, exists); !st.Ok()) return st;
        if (!exists) return {};
        std::vector<std::string> values;
        if (Status st = ColumnValues(*s_.dbData, src.table, src.column, values); !st.Ok()) {
            // A table without the column (an older one) names nothing.
            if (st.Code() == StatusCode::Engine &&
                st.Message().find(src.column) != std::string::npos)
                return {};
            return st;
        }
        NameSet& set = sets_[i];
        for (auto& v : values) {
            if (!src.listItems) {
                set.Add(v);
                continue;
            }
            clsListSimple items;
            items.SetList(v);
            for (Integer n = 0; n < items.GetSize(); ++n) set.Add(items.GetItem(n));
        }
        set.Build();
        if (ref == Ref::Ability)
            for (std::uint32_t n = 0; n < set.Size(); ++n)
                if (set.Name(n).size() >= 3)
                    abbreviations_.insert(std::string(set.Name(n).substr(0, 3)));
        return {};
    }

    const NameSet& Of(Ref ref) const { return sets_[static_cast<std::size_t>(ref)]; }
    // The rules beyond the set itself: the library completes an ability from its first three
    // letters, and "None" is the secondary ability of a skill that has none.
    bool HasOtherwise(Ref ref, const std::string& name) const {
        return ref == Ref::Ability &&
               (name == "None" || (name.size() >= 3 &&
                                   abbreviations_.find(name.substr(0, 3)) != abbreviations_.end()));
    }

  private:
    DatabaseState& s_;
    std::array<NameSet, kRefs> sets_;
    std::array<bool, kRefs> loaded_{};
    std::set<std::string> abbreviations_;
};

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// Edit distance, letter case ignored, giving up beyond `limit`.
std::size_t Distance(const std::string& a, const std::string& b, std::size_t limit) {
    const std::size_t n = a.size(), m = b.size();
    if ((n > m ? n - m : m - n) > limit) return limit + 1;
    std::vector<std::size_t> row(m + 1);
    for (std::size_t j = 0; j <= m; ++j) row[j] = j;
    for (std::size_t i = 1; i <= n; ++i) {
        std::size_t diagonal = row[0], best = row[0] = i;
        for (std::size_t j = 1; j <= m; ++j) {
            const std::size_t up = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = up;
            best = std::min(best, row[j]);
        }
        if (best > limit) return limit + 1;
    }
    return row[m];
}

// The existing names closest to a dangling one, best first: those within a third of its
// length in edits (at least two), and those it begins or ends a word of.
std::vector<std::string> Closest(const NameSet& names, const std::string& wanted) {
    const std::string w = Lower(wanted);
    const std::size_t limit = std::max<std::size_t>(2, w.size() / 3);
    std::vector<std::pair<std::size_t, std::string>> found;
    for (std::uint32_t i = 0; i < names.Size(); ++i) {
        const std::string name(names.Name(i));
        const std::string n = Lower(name);
        std::size_t d = Distance(w, n, limit);
        if (d > limit && w.size() >= 4 && n.find(w) != std::string::npos) d = limit;
        if (d <= limit) found.emplace_back(d, name);
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> best;
    for (const auto& [distance, name] : found) {
        if (best.size() == 3) break;
        if (std::find(best.begin(), best.end(), name) == best.end()) best.push_back(name);
    }
    return best;
}

// Calls `each(part, name)` for every named part of every entry of a list, in entry order.
template <class F>
void EachName(const EncodedList& list, F&& each) {
    auto n = [](int i) { return static_cast<Integer>(i); };
    if (auto* simple = dynamic_cast<const clsListSimple*>(&list)) {
        for (int i = 0; i < simple->GetSize(); ++i) each(0, simple->GetItem(n(i)));
        return;
    }
    if (auto* level = dynamic_cast<const clsListLevel*>(&list)) {
        for (int i = 0; i < level->GetSize(); ++i) each(0, level->GetName(n(i)));
        return;
    }
    if (auto* bonus = dynamic_cast<const clsListBonus*>(&list)) {
        for (int i = 0; i < bonus->GetSize(); ++i) each(0, bonus->GetName(n(i)));
        return;
    }
    if (auto* synergy = dynamic_cast<const clsListSynergy*>(&list)) {
        for (int i = 0; i < synergy->GetSize(); ++i) each(0, synergy->GetSkill(n(i)));
        return;
    }
    if (auto* sub = dynamic_cast<const clsListSubSynergy*>(&list)) {
        for (int i = 0; i < sub->GetSize(); ++i) {
            each(0, sub->GetSubSkill(n(i)));
            each(1, sub->GetSkill(n(i)));
        }
        return;
    }
    if (auto* sets = dynamic_cast<const clsListOrSimple*>(&list)) {
        for (int i = 0; i < sets->GetSize(); ++i)
            for (int k = 0; k < sets->GetNumber(n(i)); ++k) each(0, sets->GetItem(n(i), n(k)));
        return;
    }
    if (auto* pairs = dynamic_cast<const clsListOrLevel*>(&list)) {
        for (int i = 0; i < pairs->GetSize(); ++i)
            for (int k = 0; k < pairs->GetNumber(n(i)); ++k) each(0, pairs->GetName(n(i), n(k)));
        return;
    }
    if (auto* triples = dynamic_cast<const clsListTripleSimple*>(&list)) {
        for (int i = 0; i < triples->GetSize(); ++i) {
            each(0, triples->GetClass(n(i)));
            each(1, triples->GetOldFeat(n(i)));
            each(2, triples->GetNewFeat(n(i)));
        }
    }
}

// One field of a kind that names entries: where its value lives in a record (the record
// itself, or the nested block) and what each part names.
struct NamingField {
    std::string label;     // "ClassSkills", "Requirements.Skill"
    const Field* field;    // the row whose access reads the value
    bool inBlock = false;  // the access reads the block's nested record
};

std::vector<NamingField> NamingFields(const RecordKind& kind) {
    std::vector<NamingField> out;
    for (const auto& f : kind.fields) {
        if (f.shown && f.NamesAnything()) out.push_back({std::string(f.name), &f});
        if (f.type() == FieldType::Block)
            for (const auto& b : f.access->blockKind().fields)
                if (b.NamesAnything())
                    out.push_back({std::string(f.name) + "." + std::string(b.name), &b, true});
    }
    return out;
}

// Collects the findings of records: dangling names now, suggestions at the end (once per
// name and target).
class Checker {
  public:
    explicit Checker(DatabaseState& s) : names_(s) {}

    Status Prepare(const std::vector<NamingField>& fields) {
        for (const auto& nf : fields)
            for (Ref r : nf.field->names)
                if (r != Ref::None)
                    if (Status st = names_.Load(r); !st.Ok()) return st;
        return {};
    }

    // Resolves the names of one record (already read into `record`): all its names are
    // gathered first and then looked up together (see NameSet).
    void Names(const TableKind& kind, const Object& record, const std::vector<NamingField>& fields,
               const std::function<ReferenceFinding()>& base) {
        const Field* block = BlockRow(*kind.record);
        lookups_.clear();
        for (const auto& nf : fields) {
            const Object* holder = &record;
            if (nf.inBlock) {
                holder = block->access->nested(record);
                if (!holder) continue;
            }
            const Access& a = *nf.field->access;
            auto gather = [&](int part, const std::string& name) {
                const Ref ref = nf.field->names[static_cast<std::size_t>(part)];
                if (ref == Ref::None || name.empty()) return;
                const std::size_t hash = NameSet::Hash(name);
                names_.Of(ref).PrefetchSlot(hash);
                lookups_.push_back({&nf, ref, name, hash, 0});
            };
            if (a.type == FieldType::Text)
                gather(0, a.getText(*holder));
            else if (a.list)
                EachName(*a.list(*holder), gather);
        }
        for (auto& l : lookups_) l.candidate = names_.Of(l.ref).Candidate(l.hash);
        for (const auto& l : lookups_) {
            const NameSet& set = names_.Of(l.ref);
            if (l.candidate && set.Name(l.candidate - 1) == l.name) continue;
            if (set.Contains(l.name) || names_.HasOtherwise(l.ref, l.name)) continue;
            ReferenceFinding f = base();
            f.Type = ReferenceFinding::Problem::Dangling;
            f.Field = l.field->label;
            f.Name = l.name;
            f.Target = std::string(RefName(l.ref));
            pending_.emplace_back(findings_.size(), l.ref);
            findings_.push_back(std::move(f));
        }
    }

    void Mangled(ReferenceFinding f, std::string field, std::string text, std::string canonical) {
        f.Type = ReferenceFinding::Problem::Mangled;
        f.Field = std::move(field);
        f.Text = std::move(text);
        f.Canonical = std::move(canonical);
        findings_.push_back(std::move(f));
    }

    std::vector<ReferenceFinding> Finish() {
        std::map<std::pair<Ref, std::string>, std::vector<std::string>> suggested;
        for (auto [at, ref] : pending_) {
            ReferenceFinding& f = findings_[at];
            auto key = std::make_pair(ref, f.Name);
            auto it = suggested.find(key);
            if (it == suggested.end())
                it = suggested.emplace(key, Closest(names_.Of(ref), f.Name)).first;
            f.Suggestions = it->second;
        }
        return std::move(findings_);
    }

  private:
    struct Lookup {
        const NamingField* field;
        Ref ref;
        std::string name;
        std::size_t hash;
        std::uint32_t candidate;
    };
    detail::Names names_;
    std::vector<Lookup> lookups_;
    std::vector<ReferenceFinding> findings_;
    std::vector<std::pair<std::size_t, Ref>> pending_;
};

// Keeps message boxes away while lists are read: a list that fails to parse (an
// alternative set without a rank) shows one, and here it is a finding instead.
class NoBoxes {
  public:
    NoBoxes()
        : previous_(SetMessageBoxHandler([](const std::string&, MsgIcon, const std::string&) {})) {}
    ~NoBoxes() { SetMessageBoxHandler(previous_); }
    NoBoxes(const NoBoxes&) = delete;
    NoBoxes& operator=(const NoBoxes&) = delete;

  private:
    MessageBoxHandler previous_;
};

Status CheckTable(DatabaseState& s, const TableKind& kind, Checker& checker) {
    bool exists = false;
    if (Status st = s.TableExists(kind.table, exists); !st.Ok()) return st;
    if (!exists) return {};
    const auto naming = NamingFields(*kind.record);
    if (Status st = checker.Prepare(naming); !st.Ok()) return st;
    const Field* block = BlockRow(*kind.record);
    const Field* station = kind.station ? kind.record->Find("Station") : nullptr;

    // The columns read: the keys, the station flag, lists and named texts.
    std::vector<const Field*> rows;
    for (const Field* c : kind.columns) {
        if (c->read == Read::Never) continue;
        const bool list = c->type() == FieldType::List;
        if (c->key || c == station || list || c->NamesAnything()) rows.push_back(c);
    }
    std::vector<std::string_view> columns;
    for (const Field* c : rows) {
        columns.push_back(c->column);
        columns.push_back(c->altColumn.empty() ? c->column : c->altColumn);
    }
    std::shared_ptr<Object> scratch = kind.record->create();
    std::vector<std::string> keys(kind.keys.size());
    bool stationRow = false;
    std::vector<int> pos;
    std::string raw;
    auto base = [&] {
        ReferenceFinding f;
        f.Kind = kind.name;
        f.Keys = keys;
        f.Station = stationRow;
        return f;
    };
    auto sink = [&](std::int64_t, const dal::RowView& row) -> Status {
        std::vector<std::pair<const Field*, std::string>> mangled;
        for (std::size_t j = 0; j < rows.size(); ++j) {
            const Field& c = *rows[j];
            int p = pos[2 * j];
            if (p < 0) p = pos[2 * j + 1];
            raw = p < 0 ? std::string() : CellAsText(row, p);
            if (c.key) {
                for (std::size_t k = 0; k < kind.keys.size(); ++k)
                    if (kind.keys[k] == &c) keys[k] = raw;
                if (c.type() != FieldType::Text) continue;
            }
            if (&c == station) {
                stationRow = p >= 0 && row.TypeAt(p) != dal::Value::Type::Null &&
                             row.TypeAt(p) == dal::Value::Type::Integer && row.IntAt(p) != 0;
                continue;
            }
            try {
                c.In().setText(*scratch, raw);
            } catch (const std::exception&) {
                continue;
            }
            if (c.type() != FieldType::List) continue;
            std::string canonical = c.access->getText(*scratch);
            if (!ListReadsBack(raw, canonical)) mangled.emplace_back(&c, std::move(canonical));
        }
        for (auto& [c, canonical] : mangled) {
            const std::string field = c->within.empty()
                                          ? std::string(c->name)
                                          : std::string(block->name) + "." + std::string(c->within);
            int p = -1;
            for (std::size_t j = 0; j < rows.size(); ++j)
                if (rows[j] == c) p = pos[2 * j] >= 0 ? pos[2 * j] : pos[2 * j + 1];
            checker.Mangled(base(), field, CellAsText(row, p), std::move(canonical));
        }
        checker.Names(kind, *scratch, naming, base);
        return {};
    };
    dal::ScanResult scan;
    return dal::Scan(*s.dbData, kind.table, columns, pos, sink, scan);
}

}  // namespace
}  // namespace detail

using namespace detail;

bool ListReadsBack(const std::string& text, const std::string& canonical) {
    // Blanks next to a separator, and at either end, are what the grammar trims away.
    auto squeeze = [](const std::string& s) {
        std::string out;
        out.reserve(s.size());
        for (std::size_t i = 0; i < s.size(); ++i) {
            const char c = s[i];
            if (c == ' ') {
                std::size_t j = i;
                while (j < s.size() && s[j] == ' ') ++j;
                const bool atEdge = out.empty() || j == s.size();
                const bool besideSeparator =
                    (!out.empty() &&
                     (out.back() == ',' || out.back() == ':' || out.back() == '|')) ||
                    (j < s.size() && (s[j] == ',' || s[j] == ':' || s[j] == '|'));
                if (!atEdge && !besideSeparator) out.append(s, i, j - i);
                i = j - 1;
                continue;
            }
            out += c;
        }
        return out;
    };
    if (text == canonical) return true;
    return squeeze(text) == squeeze(canonical);
}

Result<std::vector<ReferenceFinding>> CheckReferences(clsDatabase& db) {
    using R = Result<std::vector<ReferenceFinding>>;
    DatabaseState& s = StateAccess::Of(db);
    if (Status st = s.EnsureOpen(); !st.Ok()) return R{st};
    NoBoxes quiet;
    Checker checker(s);
    try {
        for (const TableKind* kind : RecordTables())
            if (Status st = CheckTable(s, *kind, checker); !st.Ok()) return R{st};
    } catch (const std::exception& e) {
        return R{Status(StatusCode::BadValue, e.what())};
    }
    return R{{}, checker.Finish()};
}

Result<std::vector<ReferenceFinding>> CheckRecordNames(clsDatabase& db, const KindInfo& info,
                                                       const Object& record) {
    using R = Result<std::vector<ReferenceFinding>>;
    DatabaseState& s = StateAccess::Of(db);
    const TableKind& kind = TableOf(info);
    kind.record->Check(record);
    if (Status st = s.EnsureOpen(); !st.Ok()) return R{st};
    Checker checker(s);
    const auto naming = NamingFields(*kind.record);
    if (Status st = checker.Prepare(naming); !st.Ok()) return R{st};
    auto base = [&] {
        ReferenceFinding f;
        f.Kind = kind.name;
        for (const Field* k : kind.keys)
            f.Keys.push_back(k->type() == FieldType::Text
                                 ? k->access->getText(record)
                                 : std::to_string(k->access->getInt(record)));
        if (const Field* st = kind.station ? kind.record->Find("Station") : nullptr)
            f.Station = st->access->getInt(record) != 0;
        return f;
    };
    checker.Names(kind, record, naming, base);
    return R{{}, checker.Finish()};
}

}  // namespace OrvaneLib
