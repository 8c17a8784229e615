// A generated rules database: every field of every kind set through the kind descriptions,
// names drawn from the entries the generator makes itself.
#include "generate.hpp"

#include <set>
#include <stdexcept>

#include <orvane/orvane.hpp>

namespace orvane_test {

using namespace OrvaneLib;

namespace {

const char* const kAbilities[] = {"Strength",     "Dexterity", "Constitution",
                                  "Intelligence", "Wisdom",    "Charisma"};

// The name of entry j of what a field names.
std::string Target(const std::string& target, long j) {
    if (target.empty()) return "Item " + std::to_string(j);
    if (target == "abilities") return kAbilities[j % 6];
    if (target == "languages") return "Language " + std::to_string(j % 50);
    if (target == "regions") return "Region " + std::to_string(j % 20);
    if (target == "sub-skill") return "Sub-skill " + std::to_string(j);
    const auto kind = FindKind(target);
    if (!kind) throw std::logic_error("no kind " + target);
    return kind->Name() + " " + std::to_string(j);
}

// A list text of the field's class whose entries name entries 'a', 'b', 'c' of its targets.
std::string ListText(const std::string& cls, const std::vector<std::string>& names, long a, long b,
                     long c) {
    auto part = [&](std::size_t i, long j) {
        return Target(i < names.size() ? names[i] : std::string(), j);
    };
    if (cls == "clsListSimple") return part(0, a) + ", " + part(0, b);
    if (cls == "clsListLevel") return part(0, a) + ":2, " + part(0, b) + ":4";
    if (cls == "clsListBonus") return part(0, a) + ":1|3, " + part(0, b) + ":2|2:5";
    if (cls == "clsListSynergy") return "5:" + part(0, a) + ":2, 3:" + part(0, b) + ":1";
    if (cls == "clsListSubSynergy") return "5:" + part(0, a) + ":" + part(1, b) + ":2";
    if (cls == "clsListOrSimple") return part(0, a) + ":" + part(0, b) + ", " + part(0, c);
    if (cls == "clsListOrLevel")
        return part(0, a) + ":4|" + part(0, b) + ":2, " + part(0, c) + ":6";
    if (cls == "clsListTripleSimple") return part(0, a) + ":" + part(1, b) + ":" + part(2, c);
    throw std::logic_error("no list class " + cls);
}

// The value of field `name` for record i.
std::string Value(const KindInfo& kind, const Object& record, const FieldInfo& f,
                  const std::string& name, long i, long rows) {
    const long a = (i * 7 + 1) % rows, b = (i * 13 + 2) % rows, c = (i * 31 + 3) % rows;
    if (!f.Names.empty() && f.Type == FieldKind::Text) return Target(f.Names[0], f.Key ? i : a);
    switch (f.Type) {
        case FieldKind::Text:
            if (f.Key) return kind.Name() + " " + std::to_string(i);
            if (f.Name == "Description")
                return "Generated entry " + std::to_string(i) + ".\r\nIt names " +
                       std::to_string(a) + " and " + std::to_string(b) + ".";
            return f.Name + " " + std::to_string(i % 97);
        case FieldKind::Boolean:
            return (i + static_cast<long>(f.Name.size())) % 2 ? "True" : "False";
        case FieldKind::IntegerNumber:
            return std::to_string(f.Key ? i % 30000 : (i + static_cast<long>(f.Name.size())) % 40);
        case FieldKind::LongNumber:
            return std::to_string(i * 3 + 1);
        case FieldKind::SingleNumber:
            return std::to_string(static_cast<double>(i % 400) / 4.0);
        case FieldKind::Modifiers:
            return std::to_string(i % 3 - 1) + "|0|" + std::to_string(i % 5 - 2) + "|1|0|-1";
        case FieldKind::List: {
            const Object* list = kind.FieldObject(record, name);
            // A skill's suggested sub-skills are what sub-skill names name.
            if (name == "SubSuggest") return Target("sub-skill", i) + ", " + Target("sub-skill", a);
            return ListText(list->ClassName(), f.Names, a, b, c);
        }
        case FieldKind::Block:
            break;
    }
    return {};
}

void Check(clsDatabase&, const Status& st, const std::string& what) {
    if (!st.Ok()) throw std::runtime_error(what + ": " + st.Message());
}

}  // namespace

void GenerateRules(const std::string& path, int rows) {
    auto previous =
        SetMessageBoxHandler([](const std::string& prompt, MsgIcon, const std::string& title) {
            throw std::runtime_error(title + ": " + prompt);
        });
    struct Restore {
        MessageBoxHandler handler;
        ~Restore() { SetMessageBoxHandler(handler); }
    } restore{previous};
    clsDatabase db;
    db.Name(path);
    db.BeginTrans();
    for (const auto& table : PlainTables()) {
        if (table.Name == "info") continue;
        const int count = table.Name == "abilities" ? 6 : table.Name == "languages" ? 50 : 20;
        for (int j = 0; j < count; ++j) {
            PlainRow row;
            if (table.Name == "abilities")
                row = {std::string(kAbilities[j]), std::to_string(j + 1)};
            else if (table.Name == "keywords")
                row = {"Keyword " + std::to_string(j), std::to_string(j)};
            else if (table.Name == "languages")
                row = {Target("languages", j)};
            else if (table.Name == "regions")
                row = {Target("regions", j)};
            else
                row = {"Colour " + std::to_string(j)};
            Check(db, AddPlainRow(db, table, row), table.Table);
        }
    }
    std::set<std::string> tables;
    for (const auto& kind : RecordKinds()) {
        if (!tables.insert(kind.Table()).second) continue;
        std::vector<std::pair<FieldInfo, std::string>> fields;
        for (const auto& f : kind.Fields()) {
            if (f.Type != FieldKind::Block) {
                fields.emplace_back(f, f.Name);
                continue;
            }
            for (const auto& inner : kind.BlockFields(f.Name))
                fields.emplace_back(inner, f.Name + "." + inner.Name);
        }
        for (long i = 0; i < rows; ++i) {
            const auto record = kind.NewRecord();
            for (const auto& [f, name] : fields)
                kind.SetFieldText(*record, name, Value(kind, *record, f, name, i, rows));
            Check(db, StoreWholeRecord(db, kind, *record), kind.Table());
        }
    }
    db.CommitTrans();
}

}  // namespace orvane_test
