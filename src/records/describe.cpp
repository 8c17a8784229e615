// Building and checking record kind descriptions, and what every record class shares.
#include "records/describe.hpp"

#include <algorithm>
#include <cctype>

namespace OrvaneLib::detail {

namespace {

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

RecordKind BuildKind(std::string_view className, const std::type_info& type,
                     std::shared_ptr<Object> (*create)(), bool (*holds)(const Object&),
                     KindDescription description) {
    RecordKind k;
    k.className = className;
    k.create = create;
    k.holds = holds;
    k.overlay = description.overlay;
    k.afterClear = description.afterClear;
    k.tables = std::move(description.tables);
    for (auto& group : description.fields)
        for (auto& row : group.rows) k.fields.push_back(row);

    auto fault = [&](const std::string& what) {
        throw std::logic_error("record kind " + std::string(className) + ": " + what);
    };
    std::size_t keys = 0;
    for (std::size_t i = 0; i < k.fields.size(); ++i) {
        const Field& f = k.fields[i];
        if (!f.access || !f.access->owner || *f.access->owner != type)
            fault("the field " + std::string(f.name) + " does not belong to the class");
        if (f.columnAccess && *f.columnAccess->owner != type)
            fault("the column of " + std::string(f.name) + " does not belong to the class");
        if (f.type() == FieldType::Block && !f.line)
            fault("the block " + std::string(f.name) + " has no line in the file");
        if ((f.type() == FieldType::Modifiers || f.type() == FieldType::Block) && !f.column.empty())
            fault("the field " + std::string(f.name) + " cannot have a column");
        if (f.NamesAnything() && f.type() != FieldType::Text && f.type() != FieldType::List)
            fault("the field " + std::string(f.name) + " names entries but holds no text");
        keys += f.key;
        for (std::size_t j = 0; j < i; ++j) {
            const Field& g = k.fields[j];
            if (g.name == f.name) fault("the field " + std::string(f.name) + " is described twice");
            if (!f.column.empty() && !g.column.empty() &&
                (SameName(f.column, g.column) ||
                 (!f.altColumn.empty() && SameName(f.altColumn, g.column))))
                fault("the column " + std::string(f.column) + " is described twice");
        }
        if (f.line) k.lines.push_back(&f);
    }
    if (keys > 2) fault("a kind has at most two keys");
    if (!k.tables.empty() && keys == 0) fault("a stored kind needs a key");
    for (const auto& t : k.tables)
        if (t.station && (!k.Find("Station") || k.Find("Station")->type() != FieldType::Boolean))
            fault("the table " + std::string(t.table) + " splits its rows by a Station flag");
    return k;
}

std::string_view RefName(Ref ref) {
    switch (ref) {
        case Ref::None:
            return "";
        case Ref::Skill:
            return "skill";
        case Ref::SubSkill:
            return "sub-skill";
        case Ref::Feat:
            return "feat";
        case Ref::Class:
            return "class";
        case Ref::SpecialQuality:
            return "special-quality";
        case Ref::BonusFeatSelection:
            return "bonus-feat-selection";
        case Ref::CrossClassSet:
            return "cross-class-skills";
        case Ref::SkillMastery:
            return "skill-mastery";
        case Ref::BonusFeature:
            return "bonus-feature";
        case Ref::Species:
            return "species";
        case Ref::Homeworld:
            return "homeworld";
        case Ref::Size:
            return "size";
        case Ref::CreatureType:
            return "creature-type";
        case Ref::StarshipSize:
            return "starship-size";
        case Ref::Ability:
            return "abilities";
        case Ref::Language:
            return "languages";
        case Ref::Region:
            return "regions";
    }
    return "";
}

const Field* RecordKind::Find(std::string_view name) const {
    for (const auto& f : fields)
        if (f.name == name) return &f;
    return nullptr;
}

void RecordKind::Clear(Object& record) const {
    for (const auto& f : fields)
        if (f.cleared && f.access->reset) f.access->reset(record);
    if (afterClear) afterClear(record);
}

void RecordKind::Check(const Object& record) const {
    if (!holds(record))
        throw std::invalid_argument("A " + record.ClassName() + " is not a " +
                                    std::string(className));
}

}  // namespace OrvaneLib::detail

namespace OrvaneLib {

using detail::RecordAccess;

std::string Record::ClassName() const { return std::string(Kind().className); }

void Record::Clear() { Kind().Clear(*this); }

void Record::Save(const std::string& FileName) {
    detail::ShowFileFailure("Save", detail::SaveRecord(*this, Kind(), FileName));
}

void Record::Load(const std::string& FileName) {
    detail::ShowFileFailure("Load", detail::LoadRecord(*this, Kind(), FileName));
}

}  // namespace OrvaneLib
