// Record kinds at run time: the kind descriptions seen through a small public interface.
#include "orvane/kinds.hpp"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <typeinfo>

#include "database/table.hpp"
#include "host/internal.hpp"
#include "orvane/database.hpp"

namespace OrvaneLib {

namespace {

using detail::FieldType;

static_assert(static_cast<int>(FieldType::Integer) == static_cast<int>(FieldKind::IntegerNumber) &&
                  static_cast<int>(FieldType::Block) == static_cast<int>(FieldKind::Block),
              "the public field kinds follow the library's field types");

const detail::Field& FieldOf(const detail::RecordKind& kind, const std::string& name) {
    const detail::Field* f = kind.Find(name);
    if (!f) throw std::invalid_argument("No field " + name + " in " + std::string(kind.className));
    return *f;
}

const detail::Field& FieldOf(const detail::TableKind& kind, const std::string& name) {
    return FieldOf(*kind.record, name);
}

// A field and the object holding it: the record itself, or for "Block.Field" the nested
// record behind the block (which every record with a block owns from its creation).
template <class O>
std::pair<const detail::Field*, O*> Resolve(const detail::TableKind& kind, O& record,
                                            const std::string& name) {
    kind.record->Check(record);
    const auto dot = name.find('.');
    if (dot == std::string::npos) return {&FieldOf(kind, name), &record};
    const detail::Field& block = FieldOf(kind, name.substr(0, dot));
    if (block.type() != FieldType::Block)
        throw std::invalid_argument(name.substr(0, dot) + " is no block of fields");
    auto* nested = const_cast<O*>(block.access->nested(record));
    if (!nested) throw std::invalid_argument("The record has no " + name.substr(0, dot));
    return {&FieldOf(block.access->blockKind(), name.substr(dot + 1)), nested};
}

std::vector<detail::KeyArg> KeyArgs(const detail::TableKind& kind,
                                    const std::vector<std::string>& keys,
                                    std::vector<std::int64_t>& numbers) {
    if (keys.size() != kind.keys.size())
        throw std::invalid_argument(kind.name + " takes " + std::to_string(kind.keys.size()) +
                                    " key(s)");
    std::vector<detail::KeyArg> args;
    numbers.resize(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (kind.keys[i]->type() != FieldType::Text) {
            numbers[i] = VariantToInteger(keys[i]);
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

std::vector<FieldInfo> FieldsOf(const detail::RecordKind& record) {
    std::vector<FieldInfo> fields;
    for (const auto& f : record.fields) {
        if (!f.shown) continue;
        std::vector<std::string> names;
        if (f.NamesAnything()) {
            std::size_t parts = f.names.size();
            while (f.names[parts - 1] == detail::Ref::None) --parts;
            for (std::size_t i = 0; i < parts; ++i) names.emplace_back(detail::RefName(f.names[i]));
        }
        fields.push_back({std::string(f.name), static_cast<FieldKind>(f.type()),
                          std::string(f.column), f.line, f.key, std::move(names)});
    }
    return fields;
}

// A number written in a field's text form, converted with the rules of the record files.
std::int64_t Whole(const std::string& text, std::int64_t min, std::int64_t max) {
    try {
        return detail::ReadWhole(text, min, max);
    } catch (const std::exception& e) {
        throw std::invalid_argument(std::string(e.what()) + ": '" + text + "'");
    }
}

}  // namespace

std::string KindInfo::Name() const { return kind_->name; }
std::string KindInfo::Table() const { return kind_->table; }
std::string KindInfo::RecordClass() const { return std::string(kind_->record->className); }
bool KindInfo::HasStation() const { return kind_->station; }
bool KindInfo::HasDescript() const { return kind_->descript; }
bool KindInfo::HasListFlag() const { return kind_->desc->list.filter != detail::ListFilter::None; }

std::vector<KeyInfo> KindInfo::Keys() const {
    std::vector<KeyInfo> keys;
    for (const auto* k : kind_->keys)
        keys.push_back(
            {std::string(k->column), std::string(k->name), k->type() != FieldType::Text});
    return keys;
}

std::vector<FieldInfo> KindInfo::Fields() const { return FieldsOf(*kind_->record); }

std::vector<FieldInfo> KindInfo::BlockFields(const std::string& field) const {
    const detail::Field& f = FieldOf(*kind_, field);
    if (f.type() != FieldType::Block) return {};
    return FieldsOf(f.access->blockKind());
}

std::vector<FileLineInfo> KindInfo::FileLines() const {
    std::vector<FileLineInfo> lines;
    for (const auto* l : kind_->record->lines) {
        const char* form = l->form == detail::TextForm::Description ? "description"
                           : l->form == detail::TextForm::Note      ? "note"
                                                                    : "plain";
        lines.push_back({std::string(l->name), static_cast<FieldKind>(l->type()), l->group, form});
    }
    return lines;
}

Result<ListResult> KindInfo::TryList(clsDatabase& db, bool flag) const {
    return detail::ListRows(*db.state_, *kind_, flag);
}

Result<std::shared_ptr<Object>> KindInfo::TryRead(clsDatabase& db,
                                                  const std::vector<std::string>& keys,
                                                  bool bDescript, bool bStation) const {
    std::vector<std::int64_t> numbers;
    auto args = KeyArgs(*kind_, keys, numbers);
    return detail::ReadRow(*db.state_, *kind_, args, bDescript, bStation);
}

Status KindInfo::TryAdd(clsDatabase& db, const Object& record) const {
    return detail::AddRow(*db.state_, *kind_, &record);
}

Status KindInfo::TryDelete(clsDatabase& db, const std::vector<std::string>& keys,
                           bool bStation) const {
    std::vector<std::int64_t> numbers;
    auto args = KeyArgs(*kind_, keys, numbers);
    return detail::DeleteRow(*db.state_, *kind_, args, bStation);
}

ListResult KindInfo::List(clsDatabase& db, bool flag) const {
    return db.state_->Reported(TryList(db, flag));
}

std::shared_ptr<Object> KindInfo::Read(clsDatabase& db, const std::vector<std::string>& keys,
                                       bool bDescript, bool bStation) const {
    return db.state_->Reported(TryRead(db, keys, bDescript, bStation));
}

void KindInfo::Add(clsDatabase& db, const Object& record) const {
    db.state_->Report(TryAdd(db, record));
}

void KindInfo::Delete(clsDatabase& db, const std::vector<std::string>& keys, bool bStation) const {
    db.state_->Report(TryDelete(db, keys, bStation));
}

std::shared_ptr<Object> KindInfo::NewRecord() const { return kind_->record->create(); }

std::string KindInfo::FieldText(const Object& in, const std::string& field) const {
    const auto [f, holder] = Resolve(*kind_, in, field);
    const Object& record = *holder;
    const detail::Access& a = *f->access;
    switch (a.type) {
        case FieldType::Text:
        case FieldType::List:
            return a.getText(record);
        case FieldType::Boolean:
            return a.getInt(record) ? "True" : "False";
        case FieldType::Integer:
        case FieldType::Long:
            return std::to_string(a.getInt(record));
        case FieldType::Single: {
            std::string text = detail::PrintSingle(a.getReal(record));
            text.erase(0, text.find_first_not_of(' '));
            text.erase(text.find_last_not_of(' ') + 1);
            if (text.rfind(".", 0) == 0) text.insert(0, "0");
            if (text.rfind("-.", 0) == 0) text.insert(1, "0");
            return text;
        }
        case FieldType::Modifiers: {
            std::string text;
            for (int i = 0; i < 6; ++i) text += (i ? "|" : "") + std::to_string(a.getAt(record, i));
            return text;
        }
        case FieldType::Block:
            return {};
    }
    return {};
}

void KindInfo::SetFieldText(Object& in, const std::string& field, const std::string& text) const {
    const auto [f, holder] = Resolve(*kind_, in, field);
    Object& record = *holder;
    const detail::Access& a = *f->access;
    switch (a.type) {
        case FieldType::Text:
        case FieldType::List:
            a.setText(record, text);
            return;
        case FieldType::Boolean:
            try {
                a.setInt(record, detail::TextToBoolean(text) ? 1 : 0);
            } catch (const std::exception&) {
                throw std::invalid_argument(field + " must be True or False: '" + text + "'");
            }
            return;
        case FieldType::Integer:
            a.setInt(record, Whole(text, std::numeric_limits<Integer>::min(),
                                   std::numeric_limits<Integer>::max()));
            return;
        case FieldType::Long:
            a.setInt(record, Whole(text, std::numeric_limits<Long>::min(),
                                   std::numeric_limits<Long>::max()));
            return;
        case FieldType::Single:
            try {
                a.setReal(record, detail::ReadSingle(text));
            } catch (const std::exception& e) {
                throw std::invalid_argument(std::string(e.what()) + ": '" + text + "'");
            }
            return;
        case FieldType::Modifiers: {
            Integer values[6] = {};
            std::size_t start = 0;
            for (int i = 0; i < 6; ++i) {
                const std::size_t bar = text.find('|', start);
                if ((bar == std::string::npos) != (i == 5))
                    throw std::invalid_argument(field + " takes six numbers joined by '|': '" +
                                                text + "'");
                values[i] =
                    static_cast<Integer>(Whole(text.substr(start, bar - start), -32768, 32767));
                start = bar + 1;
            }
            for (int i = 0; i < 6; ++i) a.setAt(record, i, values[i]);
            return;
        }
        case FieldType::Block:
            throw std::invalid_argument(field + " is a block of its own fields, not a text");
    }
}

const Object* KindInfo::FieldObject(const Object& record, const std::string& field) const {
    const auto [f, holder] = Resolve(*kind_, record, field);
    const detail::Access& a = *f->access;
    if (a.list) return a.list(*holder);
    if (a.nested) return a.nested(*holder);
    return nullptr;
}

const EncodedList* KindInfo::FieldList(const Object& record, const std::string& field) const {
    const auto [f, holder] = Resolve(*kind_, record, field);
    const detail::Access& a = *f->access;
    return a.list ? a.list(*holder) : nullptr;
}

Status KindInfo::TrySave(const Object& record, const std::string& fileName) const {
    return detail::SaveRecord(record, *kind_->record, fileName);
}

Status KindInfo::TryLoad(Object& record, const std::string& fileName) const {
    return detail::LoadRecord(record, *kind_->record, fileName);
}

void KindInfo::Save(const Object& record, const std::string& fileName) const {
    detail::ShowFileFailure("Save", TrySave(record, fileName));
}

void KindInfo::Load(Object& record, const std::string& fileName) const {
    detail::ShowFileFailure("Load", TryLoad(record, fileName));
}

namespace {

const char* TypeName(FieldKind type) {
    switch (type) {
        case FieldKind::Text:
            return "a Text";
        case FieldKind::Boolean:
            return "a Boolean";
        case FieldKind::IntegerNumber:
            return "an Integer";
        case FieldKind::LongNumber:
            return "a Long";
        case FieldKind::SingleNumber:
            return "a Single";
        case FieldKind::List:
            return "a List";
        case FieldKind::Modifiers:
            return "a Modifiers";
        case FieldKind::Block:
            return "a Block";
    }
    return "a";
}

}  // namespace

// The class test is the exact type first (the common case, one comparison), then the
// description's own test (classes derived from the record's).
const detail::Access& FieldHandle::Checked(const Object& record,
                                           std::initializer_list<FieldKind> types) const {
    if (!field_) throw std::logic_error("An empty field handle reaches no field");
    const detail::Access& a = *field_->access;
    if (typeid(record) != *a.owner) record_->Check(record);
    if (std::find(types.begin(), types.end(), type_) == types.end())
        throw std::logic_error(std::string(field_->name) + " is " + TypeName(type_) + " field");
    return a;
}

std::string FieldHandle::Name() const { return field_ ? std::string(field_->name) : ""; }
std::string FieldHandle::RecordClass() const {
    return record_ ? std::string(record_->className) : "";
}

std::string FieldHandle::GetText(const Object& record) const {
    return Checked(record, {FieldKind::Text, FieldKind::List}).getText(record);
}

void FieldHandle::SetText(Object& record, std::string_view text) const {
    Checked(record, {FieldKind::Text, FieldKind::List}).setText(record, text);
}

std::int64_t FieldHandle::GetNumber(const Object& record) const {
    return Checked(record, {FieldKind::Boolean, FieldKind::IntegerNumber, FieldKind::LongNumber})
        .getInt(record);
}

void FieldHandle::SetNumber(Object& record, std::int64_t value) const {
    const auto& a =
        Checked(record, {FieldKind::Boolean, FieldKind::IntegerNumber, FieldKind::LongNumber});
    auto fits = [&](auto limits) {
        using T = decltype(limits);
        return value >= std::numeric_limits<T>::min() && value <= std::numeric_limits<T>::max();
    };
    if ((type_ == FieldKind::IntegerNumber && !fits(Integer{})) ||
        (type_ == FieldKind::LongNumber && !fits(Long{})))
        throw std::out_of_range(std::to_string(value) + " does not fit " + Name() + ", " +
                                TypeName(type_) + " field");
    a.setInt(record, type_ == FieldKind::Boolean ? value != 0 : value);
}

Single FieldHandle::GetSingle(const Object& record) const {
    return static_cast<Single>(Checked(record, {FieldKind::SingleNumber}).getReal(record));
}

void FieldHandle::SetSingle(Object& record, double value) const {
    const auto& a = Checked(record, {FieldKind::SingleNumber});
    if (std::isfinite(value) && std::fabs(value) > std::numeric_limits<Single>::max())
        throw std::out_of_range(std::to_string(value) + " does not fit " + Name() +
                                ", a Single field");
    a.setReal(record, value);
}

Integer FieldHandle::GetModifier(const Object& record, int ability) const {
    const auto& a = Checked(record, {FieldKind::Modifiers});
    if (ability < 0 || ability > 5)
        throw std::out_of_range("No ability modifier " + std::to_string(ability));
    return a.getAt(record, ability);
}

void FieldHandle::SetModifier(Object& record, int ability, Integer value) const {
    const auto& a = Checked(record, {FieldKind::Modifiers});
    if (ability < 0 || ability > 5)
        throw std::out_of_range("No ability modifier " + std::to_string(ability));
    a.setAt(record, ability, value);
}

const Object* FieldHandle::GetObject(const Object& record) const {
    const auto& a = Checked(record, {FieldKind::List, FieldKind::Block});
    if (a.list) return a.list(record);
    return a.nested ? a.nested(record) : nullptr;
}

FieldHandle::FieldHandle(const detail::Field& field, const detail::RecordKind& record)
    : field_(&field), record_(&record), type_(static_cast<FieldKind>(field.type())) {}

FieldHandle KindInfo::Handle(const std::string& field) const {
    return FieldHandle(FieldOf(*kind_, field), *kind_->record);
}

FieldHandle KindInfo::BlockHandle(const std::string& block, const std::string& field) const {
    const detail::Field& b = FieldOf(*kind_, block);
    if (b.type() != FieldType::Block)
        throw std::invalid_argument(block + " of " + std::string(kind_->record->className) +
                                    " is no block");
    const detail::RecordKind& nested = b.access->blockKind();
    const detail::Field* f = nested.Find(field);
    if (!f)
        throw std::invalid_argument("No field " + field + " in " + std::string(nested.className));
    return FieldHandle(*f, nested);
}

std::string KindInfo::BlockClass(const std::string& field) const {
    const detail::Field& f = FieldOf(*kind_, field);
    return f.type() == FieldType::Block ? std::string(f.access->blockKind().className) : "";
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
