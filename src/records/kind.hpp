// Record kinds as data. A record kind names its fields once (each with a type-erased way to
// read and write it), lists the lines of its text file by field name, and, for kinds with a
// table, the columns of that table (database/table.hpp). Generic code walks these
// descriptions to save and load files and to list, read, add and delete rows.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "orvane/detail/record.hpp"
#include "orvane/lists.hpp"
#include "orvane/types.hpp"

namespace OrvaneLib::detail {

enum class FieldType : std::uint8_t {
    Text,
    Boolean,
    Integer,
    Long,
    Single,
    List,       // an owned encoded list, as its canonical text
    Modifiers,  // a fixed array of six Integers, one line joined by "|"
    Block,      // a nested record that writes its own lines into the owner's file
};

enum class ListKind : std::uint8_t {
    None,
    Simple,
    Level,
    Bonus,
    Synergy,
    SubSynergy,
    OrSimple,
    OrLevel,
    Triple
};

// Type-erased access to one value of a record; only the members for its type are set.
struct Slot {
    FieldType type = FieldType::Text;
    ListKind listKind = ListKind::None;
    std::string (*getText)(const void*) = nullptr;  // Text, List
    void (*setText)(void*, const std::string&) = nullptr;
    bool (*hasValue)(const void*) = nullptr;        // List: the list has entries
    std::int64_t (*getInt)(const void*) = nullptr;  // Boolean, Integer, Long
    void (*setInt)(void*, std::int64_t) = nullptr;
    double (*getReal)(const void*) = nullptr;  // Single
    void (*setReal)(void*, double) = nullptr;
    const Object* (*object)(const void*) = nullptr;  // List, Block: the owned object
    Integer (*getAt)(const void*, int) = nullptr;    // Modifiers
    void (*setAt)(void*, int, Integer) = nullptr;
    void (*saveBlock)(const void*, Integer file) = nullptr;
    void (*loadBlock)(void*, Integer file) = nullptr;
};

template <class T>
struct MemberOf;
template <class C, class T>
struct MemberOf<T C::*> {
    using Class = C;
    using Type = T;
};

template <class T>
constexpr ListKind ListKindOf() {
    if constexpr (std::is_same_v<T, clsListSimple>)
        return ListKind::Simple;
    else if constexpr (std::is_same_v<T, clsListLevel>)
        return ListKind::Level;
    else if constexpr (std::is_same_v<T, clsListBonus>)
        return ListKind::Bonus;
    else if constexpr (std::is_same_v<T, clsListSynergy>)
        return ListKind::Synergy;
    else if constexpr (std::is_same_v<T, clsListSubSynergy>)
        return ListKind::SubSynergy;
    else if constexpr (std::is_same_v<T, clsListOrSimple>)
        return ListKind::OrSimple;
    else if constexpr (std::is_same_v<T, clsListOrLevel>)
        return ListKind::OrLevel;
    else if constexpr (std::is_same_v<T, clsListTripleSimple>)
        return ListKind::Triple;
    else
        return ListKind::None;
}

// A slot over a data member: a field (text, Boolean, Integer, Long, Single) or an owned list.
template <auto M>
Slot Member() {
    using R = typename MemberOf<decltype(M)>::Class;
    using T = typename MemberOf<decltype(M)>::Type;
    Slot s;
    if constexpr (std::is_same_v<T, std::string>) {
        s.type = FieldType::Text;
        s.getText = [](const void* r) { return static_cast<const R*>(r)->*M; };
        s.setText = [](void* r, const std::string& v) { static_cast<R*>(r)->*M = v; };
    } else if constexpr (std::is_same_v<T, bool>) {
        s.type = FieldType::Boolean;
        s.getInt = [](const void* r) -> std::int64_t {
            return (static_cast<const R*>(r)->*M) ? 1 : 0;
        };
        s.setInt = [](void* r, std::int64_t v) { static_cast<R*>(r)->*M = v != 0; };
    } else if constexpr (std::is_same_v<T, Integer> || std::is_same_v<T, Long>) {
        s.type = std::is_same_v<T, Integer> ? FieldType::Integer : FieldType::Long;
        s.getInt = [](const void* r) -> std::int64_t { return static_cast<const R*>(r)->*M; };
        s.setInt = [](void* r, std::int64_t v) { static_cast<R*>(r)->*M = static_cast<T>(v); };
    } else if constexpr (std::is_same_v<T, Single>) {
        s.type = FieldType::Single;
        s.getReal = [](const void* r) -> double { return static_cast<const R*>(r)->*M; };
        s.setReal = [](void* r, double v) { static_cast<R*>(r)->*M = static_cast<Single>(v); };
    } else {
        static_assert(ListKindOf<T>() != ListKind::None, "unsupported field type");
        s.type = FieldType::List;
        s.listKind = ListKindOf<T>();
        s.getText = [](const void* r) { return (static_cast<const R*>(r)->*M).GetList(); };
        s.setText = [](void* r, const std::string& v) { (static_cast<R*>(r)->*M).SetList(v); };
        s.hasValue = [](const void* r) { return (static_cast<const R*>(r)->*M).HasList(); };
        s.object = [](const void* r) -> const Object* { return &(static_cast<const R*>(r)->*M); };
    }
    return s;
}

// A list slot whose text goes in through a record operation rather than straight to the
// list (for operations that do more, such as sizing the special-quality object slots).
template <auto List, auto Setter>
Slot ListVia() {
    using R = typename MemberOf<decltype(List)>::Class;
    Slot s = Member<List>();
    s.setText = [](void* r, const std::string& v) { (static_cast<R*>(r)->*Setter)(v); };
    return s;
}

// A text slot written through a record operation (such as name completion) and read back
// through its getter.
template <auto Getter, auto Setter, class R>
Slot TextVia() {
    Slot s;
    s.type = FieldType::Text;
    s.getText = [](const void* r) { return (static_cast<const R*>(r)->*Getter)(); };
    s.setText = [](void* r, const std::string& v) { (static_cast<R*>(r)->*Setter)(v); };
    return s;
}

// The six ability modifiers as one array line.
template <class R>
Slot Modifiers() {
    Slot s;
    s.type = FieldType::Modifiers;
    s.getAt = [](const void* r, int i) {
        return static_cast<const R*>(r)->GetModifier(static_cast<Integer>(i));
    };
    s.setAt = [](void* r, int i, Integer v) {
        static_cast<R*>(r)->SetModifier(static_cast<Integer>(i), v);
    };
    return s;
}

// A nested block reports its own failures and lets its owner go on; a block that failed
// while its owner saves to a file of its own is counted here, so that the owner's Save keeps
// the previous file instead of replacing it with one cut off inside the block.
int& BlockSaveFailures();

// A nested record held by reference (the requirements of a feat, skill or prestige class):
// it writes and reads its own block of lines inside the owner's file.
template <auto M>
Slot Nested() {
    using R = typename MemberOf<decltype(M)>::Class;
    using X = typename MemberOf<decltype(M)>::Type::element_type;
    Slot s;
    s.type = FieldType::Block;
    s.saveBlock = [](const void* r, Integer file) {
        const auto& nested = static_cast<const R*>(r)->*M;
        if (nested) {
            nested->Save(file);
        } else {
            X().Save(file);  // no object attached: an empty block keeps the file's shape
        }
    };
    s.loadBlock = [](void* r, Integer file) {
        auto& nested = static_cast<R*>(r)->*M;
        if (!nested) nested = std::make_shared<X>();
        nested->Load(file);
    };
    s.object = [](const void* r) -> const Object* { return (static_cast<const R*>(r)->*M).get(); };
    return s;
}

// One ability modifier (index I) as an Integer, for its table column.
template <class R, int I>
Slot Modifier() {
    Slot s;
    s.type = FieldType::Integer;
    s.getInt = [](const void* r) -> std::int64_t {
        return static_cast<const R*>(r)->GetModifier(static_cast<Integer>(I));
    };
    s.setInt = [](void* r, std::int64_t v) {
        static_cast<R*>(r)->SetModifier(static_cast<Integer>(I), static_cast<Integer>(v));
    };
    return s;
}

struct FieldDesc;
template <class R>
std::vector<FieldDesc> ModifierFields();

// A list held by a nested object (a record's requirements), reached through the nested
// object's own operations: `Set` takes the text, `Get` gives the canonical text and `Has`
// tells whether it has entries. A missing nested object reads as empty and is created when
// a value is stored.
template <auto Owner, auto Set, auto Get, auto Has>
Slot NestedList() {
    using R = typename MemberOf<decltype(Owner)>::Class;
    using X = typename MemberOf<decltype(Owner)>::Type::element_type;
    Slot s;
    s.type = FieldType::List;
    s.getText = [](const void* r) -> std::string {
        const auto& nested = static_cast<const R*>(r)->*Owner;
        return nested ? ((*nested).*Get)() : std::string();
    };
    s.setText = [](void* r, const std::string& v) {
        auto& nested = static_cast<R*>(r)->*Owner;
        if (!nested) nested = std::make_shared<X>();
        ((*nested).*Set)(v);
    };
    s.hasValue = [](const void* r) {
        const auto& nested = static_cast<const R*>(r)->*Owner;
        return nested && ((*nested).*Has)();
    };
    return s;
}

// A Boolean or Integer field of a nested object.
template <auto Owner, auto Field>
Slot NestedField() {
    using R = typename MemberOf<decltype(Owner)>::Class;
    using X = typename MemberOf<decltype(Owner)>::Type::element_type;
    using T = typename MemberOf<decltype(Field)>::Type;
    static_assert(std::is_same_v<T, bool> || std::is_same_v<T, Integer> || std::is_same_v<T, Long>);
    Slot s;
    s.type = std::is_same_v<T, bool>      ? FieldType::Boolean
             : std::is_same_v<T, Integer> ? FieldType::Integer
                                          : FieldType::Long;
    s.getInt = [](const void* r) -> std::int64_t {
        const auto& nested = static_cast<const R*>(r)->*Owner;
        return nested ? static_cast<std::int64_t>((*nested).*Field) : 0;
    };
    s.setInt = [](void* r, std::int64_t v) {
        auto& nested = static_cast<R*>(r)->*Owner;
        if (!nested) nested = std::make_shared<X>();
        if constexpr (std::is_same_v<T, bool>)
            (*nested).*Field = v != 0;
        else
            (*nested).*Field = static_cast<T>(v);
    };
    return s;
}

enum class TextForm : std::uint8_t {
    Plain,        // the text itself
    Description,  // line breaks written as "[CRLF]" and restored on reading
    Note,         // line breaks removed on writing
};

struct FieldDesc {
    std::string_view name;
    Slot slot;
    bool shown = true;  // false for views of a field that exist only for a table column
};

// Joins vectors of descriptions (fields, columns) into one, in order.
template <class T>
std::vector<T> Join(std::initializer_list<std::vector<T>> parts) {
    std::vector<T> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// The six ability modifiers of a record: one array field "Modifiers" for the file line, and
// one hidden Integer field per table column "Str" to "Cha".
template <class R>
std::vector<FieldDesc> ModifierFields() {
    return {{"Modifiers", Modifiers<R>()},    {"Str", Modifier<R, 0>(), false},
            {"Dex", Modifier<R, 1>(), false}, {"Con", Modifier<R, 2>(), false},
            {"Int", Modifier<R, 3>(), false}, {"Wis", Modifier<R, 4>(), false},
            {"Cha", Modifier<R, 5>(), false}};
}

struct LineDesc {
    std::string_view field;
    TextForm form = TextForm::Plain;
    // 0: always read. n > 0: optional group n, read only when the file has another line.
    std::uint8_t group = 0;
    const Slot* slot = nullptr;  // resolved from `field`
};

struct RecordKind {
    std::string_view className;
    std::shared_ptr<Object> (*create)() = nullptr;
    void (*clear)(void*) = nullptr;
    std::vector<FieldDesc> fields;
    std::vector<LineDesc> lines;
    bool overlay = false;  // Load leaves values in place instead of clearing first

    const FieldDesc* Find(std::string_view name) const;
    // Resolves every line's field; a name that is not a field is a fault of the description.
    void Resolve();
};

// Builds the common parts of a kind for record class R.
template <class R>
RecordKind KindOf(std::string_view className, std::vector<FieldDesc> fields,
                  std::vector<LineDesc> lines, bool overlay = false) {
    RecordKind k;
    k.className = className;
    k.create = []() -> std::shared_ptr<Object> { return std::make_shared<R>(); };
    k.clear = [](void* r) { static_cast<R*>(r)->Clear(); };
    k.fields = std::move(fields);
    k.lines = std::move(lines);
    k.overlay = overlay;
    k.Resolve();
    return k;
}

// ---------------------------------------------------------------------------------------
// The text file

// Writes and reads a record's lines at the current position of an open numbered file;
// failures throw (the callers show the message boxes).
void WriteLines(const void* record, const RecordKind& kind, Integer file);
void ReadLines(void* record, const RecordKind& kind, Integer file);

// Save/Load/SaveAppend/LoadAppend with their message boxes.
void SaveRecord(const void* record, const RecordKind& kind, const std::string& fileName);
void LoadRecord(void* record, const RecordKind& kind, const std::string& fileName);
void SaveAppendRecord(const void* record, const RecordKind& kind, Integer file);
// `clearFirst`: clear before reading and again after a failure.
void LoadAppendRecord(void* record, const RecordKind& kind, Integer file, bool clearFirst);

// Print forms of numbers in record files.
std::string PrintInteger(std::int64_t value);  // " 5 ", "-3 "
std::string PrintSingle(double value);         // " 1.5 ", " .25 "
// Reading a number line: blanks ignored, fractions rounded half to even; throws
// "Type mismatch" or "Overflow".
std::int64_t ReadWhole(const std::string& line, std::int64_t min, std::int64_t max);
double ReadSingle(const std::string& line);
bool ReadBoolean(const std::string& line);

}  // namespace OrvaneLib::detail
