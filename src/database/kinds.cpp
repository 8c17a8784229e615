// Record kinds at run time: the table descriptions seen through a small public interface.
#include "orvane/kinds.hpp"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "database/table.hpp"
#include "orvane/database.hpp"
#include "orvane/detail/record.hpp"

namespace OrvaneLib {

namespace {

using detail::FieldType;

static_assert(static_cast<int>(FieldType::Integer) == static_cast<int>(FieldKind::IntegerNumber) &&
                  static_cast<int>(FieldType::Block) == static_cast<int>(FieldKind::Block),
              "the public field kinds follow the library's field types");

const detail::FieldDesc& FieldOf(const detail::TableKind& kind, const std::string& name) {
    const detail::FieldDesc* f = kind.record->Find(name);
    if (!f)
        throw std::invalid_argument("No field " + name + " in " +
                                    std::string(kind.record->className));
    return *f;
}

// The record behind an Object, checked to be of the kind's class.
const void* RecordOf(const detail::TableKind& kind, const Object& record) {
    if (record.ClassName() != kind.record->className)
        throw std::invalid_argument("A " + record.ClassName() + " is not a " +
                                    std::string(kind.record->className));
    return dynamic_cast<const void*>(&record);
}

std::vector<detail::KeyArg> KeyArgs(const detail::TableKind& kind,
                                    const std::vector<std::string>& keys,
                                    std::vector<std::int64_t>& numbers) {
    if (keys.size() != kind.keys.size())
        throw std::invalid_argument(std::string(kind.name) + " takes " +
                                    std::to_string(kind.keys.size()) + " key(s)");
    std::vector<detail::KeyArg> args;
    numbers.resize(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (kind.keys[i].number) {
            numbers[i] = detail::VariantToInteger(keys[i]);
            args.emplace_back(numbers[i]);
        } else {
            args.emplace_back(keys[i]);
        }
    }
    return args;
}

std::string Simplified(const std::string& name) {
    std::string out;
    for (char c : name)
        if (c != ' ' && c != '-' && c != '_')
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace

std::string KindInfo::Name() const { return std::string(kind_->name); }
std::string KindInfo::Table() const { return std::string(kind_->table); }
std::string KindInfo::RecordClass() const { return std::string(kind_->record->className); }
bool KindInfo::HasStation() const { return kind_->station; }
bool KindInfo::HasDescript() const { return kind_->descript; }
bool KindInfo::HasListFlag() const { return kind_->list.filter != detail::ListFilter::None; }

std::vector<KeyInfo> KindInfo::Keys() const {
    std::vector<KeyInfo> keys;
    for (const auto& k : kind_->keys)
        keys.push_back({std::string(k.column), std::string(k.field), k.number});
    return keys;
}

std::vector<FieldInfo> KindInfo::Fields() const {
    std::vector<FieldInfo> fields;
    for (const auto& f : kind_->record->fields)
        if (f.shown) fields.push_back({std::string(f.name), static_cast<FieldKind>(f.slot.type)});
    return fields;
}

std::vector<FileLineInfo> KindInfo::FileLines() const {
    std::vector<FileLineInfo> lines;
    for (const auto& l : kind_->record->lines) {
        const char* form = l.form == detail::TextForm::Description ? "description"
                           : l.form == detail::TextForm::Note      ? "note"
                                                                   : "plain";
        lines.push_back({std::string(l.field), static_cast<FieldKind>(l.slot->type), l.group, form});
    }
    return lines;
}

ListResult KindInfo::List(clsDatabase& db, bool flag) const {
    return detail::ListRows(*db.state_, *kind_, flag);
}

std::shared_ptr<Object> KindInfo::Read(clsDatabase& db, const std::vector<std::string>& keys,
                                       bool bDescript, bool bStation) const {
    std::vector<std::int64_t> numbers;
    auto args = KeyArgs(*kind_, keys, numbers);
    if (args.size() == 1)
        return detail::ReadRow(*db.state_, *kind_, {args[0]}, bDescript, bStation);
    return detail::ReadRow(*db.state_, *kind_, {args[0], args[1]}, bDescript, bStation);
}

void KindInfo::Add(clsDatabase& db, const Object& record) const {
    detail::AddRow(*db.state_, *kind_, RecordOf(*kind_, record));
}

void KindInfo::Delete(clsDatabase& db, const std::vector<std::string>& keys, bool bStation) const {
    std::vector<std::int64_t> numbers;
    auto args = KeyArgs(*kind_, keys, numbers);
    if (args.size() == 1)
        detail::DeleteRow(*db.state_, *kind_, {args[0]}, bStation);
    else
        detail::DeleteRow(*db.state_, *kind_, {args[0], args[1]}, bStation);
}

std::shared_ptr<Object> KindInfo::NewRecord() const { return kind_->record->create(); }

std::string KindInfo::FieldText(const Object& record, const std::string& field) const {
    const void* r = RecordOf(*kind_, record);
    const detail::Slot& s = FieldOf(*kind_, field).slot;
    switch (s.type) {
        case FieldType::Text:
        case FieldType::List:
            return s.getText(r);
        case FieldType::Boolean:
            return s.getInt(r) ? "True" : "False";
        case FieldType::Integer:
        case FieldType::Long:
            return std::to_string(s.getInt(r));
        case FieldType::Single: {
            std::string text = detail::PrintSingle(s.getReal(r));
            text.erase(0, text.find_first_not_of(' '));
            text.erase(text.find_last_not_of(' ') + 1);
            if (text.rfind(".", 0) == 0) text.insert(0, "0");
            if (text.rfind("-.", 0) == 0) text.insert(1, "0");
            return text;
        }
        case FieldType::Modifiers: {
            std::string text;
            for (int i = 0; i < 6; ++i) text += (i ? "|" : "") + std::to_string(s.getAt(r, i));
            return text;
        }
        case FieldType::Block:
            return {};
    }
    return {};
}

const Object* KindInfo::FieldObject(const Object& record, const std::string& field) const {
    const detail::Slot& s = FieldOf(*kind_, field).slot;
    return s.object ? s.object(RecordOf(*kind_, record)) : nullptr;
}

void KindInfo::Save(const Object& record, const std::string& fileName) const {
    detail::SaveRecord(RecordOf(*kind_, record), *kind_->record, fileName);
}

void KindInfo::Load(Object& record, const std::string& fileName) const {
    detail::LoadRecord(const_cast<void*>(RecordOf(*kind_, record)), *kind_->record, fileName);
}

std::vector<KindInfo> RecordKinds() {
    std::vector<KindInfo> kinds;
    for (auto factory : detail::RegisteredTables()) kinds.emplace_back(factory());
    std::stable_sort(kinds.begin(), kinds.end(),
                     [](const KindInfo& a, const KindInfo& b) { return a.Name() < b.Name(); });
    return kinds;
}

std::optional<KindInfo> FindKind(const std::string& name) {
    const std::string wanted = Simplified(name);
    for (const auto& kind : RecordKinds())
        if (Simplified(kind.Name()) == wanted) return kind;
    return std::nullopt;
}

}  // namespace OrvaneLib
