// Record kinds as typed descriptions. Each record class is described once, next to its
// class: one row per field names the member (by member pointer, so a typo does not compile),
// its line in the record's text file and its column in the kind's table. Clear, Save, Load,
// the table operations, the tool's view of the kinds and the Python bindings all walk these
// rows; nothing else restates a field by name.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeinfo>
#include <vector>

#include "orvane/lists.hpp"
#include "orvane/record.hpp"
#include "orvane/status.hpp"
#include "orvane/types.hpp"

namespace OrvaneLib::detail {

enum class FieldType : std::uint8_t {
    Text,
    Boolean,
    Integer,
    Long,
    Single,
    List,       // an owned encoded list, as its canonical text
    Modifiers,  // the six ability modifiers, one file line joined by "|"
    Block,      // a nested record that writes its own lines into the owner's file
};

// When a column is read into a new record.
enum class Read : std::uint8_t {
    Key,               // never: key fields come from the caller's arguments
    Always,            // a null or a missing column fails the read
    NotNull,           // skipped when null; a missing column fails the read
    IfPresent,         // skipped when the table lacks it; a null fails the read
    IfPresentNotNull,  // skipped when the table lacks it or the cell is null
    IfDescript,        // only with bDescript true, then as IfPresentNotNull
    Never,
};

// When a column is written by an add.
enum class Write : std::uint8_t {
    Always,
    IfValue,            // texts when not empty, lists when they have entries
    IfPresent,          // when the table has the column
    IfPresentAndValue,  // both
    Never,
};

// The usual pairs of column rules.
enum class Col : std::uint8_t {
    Always,     // read and written always (numbers, flags)
    Value,      // read when not null, written when not empty (texts and lists)
    Newer,      // a later column: read and written only when the table has it
    NewerText,  // a later text column: only when the table has it and it holds a value
    Descript,   // the description: read only with bDescript, written when present and not empty
};

// What a field's value or list entries name: the key of another record kind, a value of a
// lookup list, or a sub-skill (an entry of some skill's suggested sub-skills).
enum class Ref : std::uint8_t {
    None,
    Skill,
    SubSkill,
    Feat,
    Class,
    SpecialQuality,
    BonusFeatSelection,
    CrossClassSet,
    SkillMastery,
    BonusFeature,
    Species,
    Homeworld,
    Size,
    CreatureType,
    StarshipSize,
    Ability,
    Language,
    Region,
};
// How a reference target is called outside: "skill", "special-quality", "languages".
std::string_view RefName(Ref ref);

enum class TextForm : std::uint8_t {
    Plain,        // the text itself
    Description,  // line breaks written as "[CRLF]" and restored on reading
    Note,         // line breaks removed on writing
};

// Typed access to one value of a record, erased to the record's Object base. An Access is
// made only from a member pointer of the described class (or an operation of it), and the
// generic code checks an object's class against its kind before it uses one.
struct Access {
    FieldType type = FieldType::Text;
    const std::type_info* owner = nullptr;            // the class the access was made for
    std::string (*getText)(const Object&) = nullptr;  // Text, List
    void (*setText)(Object&, std::string_view) = nullptr;
    bool (*hasValue)(const Object&) = nullptr;        // Text: not empty; List: has entries
    std::int64_t (*getInt)(const Object&) = nullptr;  // Boolean, Integer, Long
    void (*setInt)(Object&, std::int64_t) = nullptr;
    double (*getReal)(const Object&) = nullptr;  // Single
    void (*setReal)(Object&, double) = nullptr;
    const EncodedList* (*list)(const Object&) = nullptr;  // List: the owned list
    Integer (*getAt)(const Object&, int) = nullptr;       // Modifiers
    void (*setAt)(Object&, int, Integer) = nullptr;
    Status (*saveBlock)(const Object&, Integer file) = nullptr;  // Block
    Status (*loadBlock)(Object&, Integer file) = nullptr;
    const Object* (*nested)(const Object&) = nullptr;  // Block: the nested record, if any
    const RecordKind& (*blockKind)() = nullptr;        // Block: the nested record's kind
    // Back to the cleared value; null for a second view of a value another row clears.
    void (*reset)(Object&) = nullptr;
};

template <class T>
struct MemberOf;
template <class C, class T>
struct MemberOf<T C::*> {
    using Class = C;
    using Type = T;
};

template <class T>
constexpr bool kIsList = std::is_base_of_v<EncodedList, T>;

template <class R>
const R& As(const Object& o) {
    return static_cast<const R&>(o);
}
template <class R>
R& As(Object& o) {
    return static_cast<R&>(o);
}

// The access to a data member: a text, Boolean, Integer, Long or Single field, or an owned list.
template <auto M>
constexpr Access MemberAccess() {
    using R = typename MemberOf<decltype(M)>::Class;
    using T = typename MemberOf<decltype(M)>::Type;
    Access a;
    a.owner = &typeid(R);
    if constexpr (std::is_same_v<T, std::string>) {
        a.type = FieldType::Text;
        a.getText = [](const Object& o) { return As<R>(o).*M; };
        a.setText = [](Object& o, std::string_view v) { As<R>(o).*M = v; };
        a.hasValue = [](const Object& o) { return !(As<R>(o).*M).empty(); };
        a.reset = [](Object& o) { (As<R>(o).*M).clear(); };
    } else if constexpr (std::is_same_v<T, bool>) {
        a.type = FieldType::Boolean;
        a.getInt = [](const Object& o) -> std::int64_t { return (As<R>(o).*M) ? 1 : 0; };
        a.setInt = [](Object& o, std::int64_t v) { As<R>(o).*M = v != 0; };
        a.reset = [](Object& o) { As<R>(o).*M = false; };
    } else if constexpr (std::is_same_v<T, Integer> || std::is_same_v<T, Long>) {
        a.type = std::is_same_v<T, Integer> ? FieldType::Integer : FieldType::Long;
        a.getInt = [](const Object& o) -> std::int64_t { return As<R>(o).*M; };
        a.setInt = [](Object& o, std::int64_t v) { As<R>(o).*M = static_cast<T>(v); };
        a.reset = [](Object& o) { As<R>(o).*M = 0; };
    } else if constexpr (std::is_same_v<T, Single>) {
        a.type = FieldType::Single;
        a.getReal = [](const Object& o) -> double { return As<R>(o).*M; };
        a.setReal = [](Object& o, double v) { As<R>(o).*M = static_cast<Single>(v); };
        a.reset = [](Object& o) { As<R>(o).*M = 0; };
    } else {
        static_assert(kIsList<T>, "a field is a text, a Boolean, a number or an encoded list");
        a.type = FieldType::List;
        a.getText = [](const Object& o) { return (As<R>(o).*M).GetList(); };
        a.setText = [](Object& o, std::string_view v) { (As<R>(o).*M).SetList(std::string(v)); };
        a.hasValue = [](const Object& o) { return (As<R>(o).*M).HasList(); };
        a.list = [](const Object& o) -> const EncodedList* { return &(As<R>(o).*M); };
        a.reset = [](Object& o) { (As<R>(o).*M).Clear(); };
    }
    return a;
}

template <auto M>
inline constexpr Access kMember = MemberAccess<M>();

// A list whose text goes in through a record operation that does more than the list's own
// SetList (sizing the special-quality object slots); it never clears on its own.
template <auto List, auto Setter>
constexpr Access ListViaAccess() {
    using R = typename MemberOf<decltype(List)>::Class;
    Access a = MemberAccess<List>();
    a.setText = [](Object& o, std::string_view v) { (As<R>(o).*Setter)(std::string(v)); };
    a.reset = nullptr;
    return a;
}
template <auto List, auto Setter>
inline constexpr Access kListVia = ListViaAccess<List, Setter>();

// A text written through a record operation (such as name completion) and read back through
// its getter.
template <class R, auto Getter, auto Setter>
constexpr Access TextViaAccess() {
    Access a;
    a.owner = &typeid(R);
    a.type = FieldType::Text;
    a.getText = [](const Object& o) { return (As<R>(o).*Getter)(); };
    a.setText = [](Object& o, std::string_view v) { (As<R>(o).*Setter)(std::string(v)); };
    return a;
}

// The six ability modifiers as one value (the file line) ...
template <class R>
constexpr Access ModifiersAccess() {
    Access a;
    a.owner = &typeid(R);
    a.type = FieldType::Modifiers;
    a.getAt = [](const Object& o, int i) { return As<R>(o).GetModifier(static_cast<Integer>(i)); };
    a.setAt = [](Object& o, int i, Integer v) { As<R>(o).SetModifier(static_cast<Integer>(i), v); };
    a.reset = [](Object& o) {
        for (int i = 0; i < 6; ++i) As<R>(o).SetModifier(static_cast<Integer>(i), 0);
    };
    return a;
}
// ... and one of them (index I) as an Integer, for its table column.
template <class R, int I>
constexpr Access ModifierAccess() {
    Access a;
    a.owner = &typeid(R);
    a.type = FieldType::Integer;
    a.getInt = [](const Object& o) -> std::int64_t {
        return As<R>(o).GetModifier(static_cast<Integer>(I));
    };
    a.setInt = [](Object& o, std::int64_t v) {
        As<R>(o).SetModifier(static_cast<Integer>(I), static_cast<Integer>(v));
    };
    return a;
}

// A nested record held by reference (the requirements of a feat, skill or prestige class):
// it writes and reads its own block of lines inside the owner's file.
Status SaveBlock(const Object* nested, const RecordKind& kind, Integer file);
Status LoadBlock(Object& nested, const RecordKind& kind, Integer file);

template <auto M>
constexpr Access NestedAccess() {
    using R = typename MemberOf<decltype(M)>::Class;
    using X = typename MemberOf<decltype(M)>::Type::element_type;
    Access a;
    a.owner = &typeid(R);
    a.type = FieldType::Block;
    a.saveBlock = [](const Object& o, Integer file) {
        return SaveBlock((As<R>(o).*M).get(), Describe<X>::Kind(), file);
    };
    a.loadBlock = [](Object& o, Integer file) {
        auto& nested = As<R>(o).*M;
        if (!nested) nested = std::make_shared<X>();
        return LoadBlock(*nested, Describe<X>::Kind(), file);
    };
    a.reset = [](Object& o) {
        if (auto& nested = As<R>(o).*M) nested->Clear();  // the object itself stays
    };
    a.nested = [](const Object& o) -> const Object* { return (As<R>(o).*M).get(); };
    a.blockKind = &Describe<X>::Kind;
    return a;
}

// A list of a nested object (a record's requirements), reached through the nested object's
// own operations: `Set` takes the text, `Get` gives the canonical text and `Has` tells
// whether it has entries. A missing nested object reads as empty and is created when a
// value is stored.
template <auto Owner, auto Set, auto Get, auto Has>
constexpr Access NestedListAccess() {
    using R = typename MemberOf<decltype(Owner)>::Class;
    using X = typename MemberOf<decltype(Owner)>::Type::element_type;
    Access a;
    a.owner = &typeid(R);
    a.type = FieldType::List;
    a.getText = [](const Object& o) -> std::string {
        const auto& nested = As<R>(o).*Owner;
        return nested ? ((*nested).*Get)() : std::string();
    };
    a.setText = [](Object& o, std::string_view v) {
        auto& nested = As<R>(o).*Owner;
        if (!nested) nested = std::make_shared<X>();
        ((*nested).*Set)(std::string(v));
    };
    a.hasValue = [](const Object& o) {
        const auto& nested = As<R>(o).*Owner;
        return nested && ((*nested).*Has)();
    };
    return a;
}

// A Boolean or Integer field of a nested object.
template <auto Owner, auto FieldM>
constexpr Access NestedFieldAccess() {
    using R = typename MemberOf<decltype(Owner)>::Class;
    using X = typename MemberOf<decltype(Owner)>::Type::element_type;
    using T = typename MemberOf<decltype(FieldM)>::Type;
    static_assert(std::is_same_v<T, bool> || std::is_same_v<T, Integer>);
    Access a;
    a.owner = &typeid(R);
    a.type = std::is_same_v<T, bool> ? FieldType::Boolean : FieldType::Integer;
    a.getInt = [](const Object& o) -> std::int64_t {
        const auto& nested = As<R>(o).*Owner;
        return nested ? static_cast<std::int64_t>((*nested).*FieldM) : 0;
    };
    a.setInt = [](Object& o, std::int64_t v) {
        auto& nested = As<R>(o).*Owner;
        if (!nested) nested = std::make_shared<X>();
        if constexpr (std::is_same_v<T, bool>)
            (*nested).*FieldM = v != 0;
        else
            (*nested).*FieldM = static_cast<T>(v);
    };
    return a;
}

// One field of a record kind: the value it reaches, its line in the text file and its
// column in the table. Rows are made by the builders below and adjusted by the chained
// setters (`F<&R::Notes>("Notes", Col::Value).As(TextForm::Note)`).
struct Field {
    std::string_view name;  // as callers see it (the tool, JSON, Python)
    const Access* access = nullptr;
    // The text file: rows with a line are written in row order.
    bool line = true;
    TextForm form = TextForm::Plain;
    std::uint8_t group = 0;  // 0: always read; n > 0: optional group n, read when lines remain
    // The table.
    std::string_view column;  // empty: the field has no column
    Read read = Read::Never;
    Write write = Write::Never;
    std::string_view altColumn;      // the column's older name, used when the table lacks `column`
    const char* fallback = nullptr;  // text stored when the column is absent or null
    const Access* columnAccess = nullptr;  // how the column's value goes in, when not `access`
    bool key = false;
    bool rejectNegative = false;  // a number key: a negative one counts as a missing key
    bool shown = true;            // false for rows that exist only for a column
    bool cleared = true;          // false: Clear leaves the value as it is
    // What the value names, per named part of a list entry in entry order (a synergy's
    // skill; a triple's class, old feat and new feat); None for parts that name nothing.
    std::array<Ref, 3> names = {};
    // A column of a nested block's value (a requirement column): the block field it fills.
    std::string_view within;

    FieldType type() const { return access->type; }
    const Access& In() const { return columnAccess ? *columnAccess : *access; }

    Field Rules(Col col) const;
    Field Rules(Read r, Write w) const {
        Field f = *this;
        f.read = r;
        f.write = w;
        return f;
    }
    Field Column(std::string_view columnName) const {
        Field f = *this;
        f.column = columnName;
        return f;
    }
    Field NoColumn() const { return Column({}).Rules(Read::Never, Write::Never); }
    Field Alt(std::string_view older) const {
        Field f = *this;
        f.altColumn = older;
        return f;
    }
    Field Fallback(const char* text) const {
        Field f = *this;
        f.fallback = text;
        return f;
    }
    Field As(TextForm textForm) const {
        Field f = *this;
        f.form = textForm;
        return f;
    }
    Field Group(int optionalGroup) const {
        Field f = *this;
        f.group = static_cast<std::uint8_t>(optionalGroup);
        return f;
    }
    Field NoLine() const {
        Field f = *this;
        f.line = false;
        return f;
    }
    // A number key that takes a negative number for a missing key.
    Field NoNegative() const {
        Field f = *this;
        f.rejectNegative = true;
        return f;
    }
    Field KeptByClear() const {
        Field f = *this;
        f.cleared = false;
        return f;
    }
    Field Hidden() const {
        Field f = *this;
        f.shown = false;
        return f;
    }
    // Another access to the same member (one that differs in a detail, such as what counts
    // as a value).
    Field Uses(const Access& other) const {
        Field f = *this;
        f.access = &other;
        return f;
    }
    // The value (a text) or each entry's named part names an entry of `target`.
    Field Names(Ref target) const { return Names(target, Ref::None, Ref::None); }
    // Per named part, for entries with several (sub-synergies, feat replacements).
    Field Names(Ref first, Ref second, Ref third = Ref::None) const {
        Field f = *this;
        f.names = {first, second, third};
        return f;
    }
    bool NamesAnything() const {
        return names[0] != Ref::None || names[1] != Ref::None || names[2] != Ref::None;
    }
    Field ReadVia(const Access& columnIn) const {
        Field f = *this;
        f.columnAccess = &columnIn;
        return f;
    }
};

constexpr std::pair<Read, Write> RulesOf(Col col) {
    switch (col) {
        case Col::Always:
            return {Read::Always, Write::Always};
        case Col::Value:
            return {Read::NotNull, Write::IfValue};
        case Col::Newer:
            return {Read::IfPresent, Write::IfPresent};
        case Col::NewerText:
            return {Read::IfPresentNotNull, Write::IfPresentAndValue};
        case Col::Descript:
            return {Read::IfDescript, Write::IfPresentAndValue};
    }
    return {Read::Never, Write::Never};
}

inline Field Field::Rules(Col col) const {
    auto [r, w] = RulesOf(col);
    return Rules(r, w);
}

// A field with a line in the file and a column of the same name (unless `column` is given).
template <auto M>
Field F(std::string_view name, Col col = Col::Always, std::string_view column = {}) {
    Field f{.name = name, .access = &kMember<M>, .column = column.empty() ? name : column};
    return f.Rules(col);
}

// A key field: the caller's argument, written always, never read from the row.
template <auto M>
Field Key(std::string_view name, std::string_view column = {}) {
    Field f = F<M>(name, Col::Always, column).Rules(Read::Key, Write::Always);
    f.key = true;
    return f;
}

// A field that is only in the file.
template <auto M>
Field InFile(std::string_view name) {
    return Field{.name = name, .access = &kMember<M>};
}

// A row that reaches an owned list through a record operation, only for its column.
template <auto List, auto Setter>
Field ListVia(std::string_view name, Col col, std::string_view column = {}) {
    Field f{.name = name,
            .access = &kListVia<List, Setter>,
            .line = false,
            .column = column.empty() ? name : column,
            .shown = false};
    return f.Rules(col);
}

template <class R>
inline constexpr Access kModifiers = ModifiersAccess<R>();
template <class R, int I>
inline constexpr Access kModifier = ModifierAccess<R, I>();

// The six ability modifiers of a record: the file line "Modifiers", and one hidden Integer
// row per table column "Str" to "Cha", read and written always.
template <class R>
std::vector<Field> Modifiers() {
    auto column = [](std::string_view name, const Access& a) {
        return Field{.name = name,
                     .access = &a,
                     .line = false,
                     .column = name,
                     .read = Read::Always,
                     .write = Write::Always,
                     .shown = false};
    };
    return {Field{.name = "Modifiers", .access = &kModifiers<R>},
            column("Str", kModifier<R, 0>),
            column("Dex", kModifier<R, 1>),
            column("Con", kModifier<R, 2>),
            column("Int", kModifier<R, 3>),
            column("Wis", kModifier<R, 4>),
            column("Cha", kModifier<R, 5>)};
}

template <auto M>
inline constexpr Access kNested = NestedAccess<M>();

// A nested record's block of lines, in the file only.
template <auto M>
Field Nested(std::string_view name) {
    return Field{.name = name, .access = &kNested<M>};
}

// One group of rows: a single row or several made by one builder (Modifiers, requirements).
struct FieldGroup {
    FieldGroup(Field f) : rows{f} {}
    FieldGroup(std::vector<Field> many) : rows(std::move(many)) {}
    std::vector<Field> rows;
};

// ---------------------------------------------------------------------------------------
// The table of a kind

enum class TableTest : std::uint8_t { None, ReadOnly, All };

// The key-lookup statement texts, kept for the log.
enum class Form : std::uint8_t {
    A,                // SELECT t.*, t.k From t Where (((t.k) = "v"))
    B,                // SELECT t.*, t.k From t WHERE (((t.k)="v"));
    C,                // SELECT t.k, t.* From t WHERE (((t.k)="v"));
    D,                // SELECT t.*, t.k1, t.k2 From t WHERE (((t.k1)="v1") AND ((t.k2)=v2));
    Simple,           // Select * From t Where t.k = "v"
    Station,          // ... WHERE ( (((t.k)=v)) AND (((t.Station)=True)) );
    PairSingleQuote,  // SELECT t.* From t WHERE (((t.k1)='v1') AND ((t.k2)='v2'));
    PairDoubleQuote,  // the same with double quotes
    Same,             // (delete only) the read's form
};

enum class ListFilter : std::uint8_t { None, Station, Aumen };

struct ListDesc {
    std::string_view query = {};  // stored query listed instead of the table
    bool queryIfExists = false;   // ...only when it exists, else the table
    int lbound = 1;
    bool skipNull = false;  // rows whose element is null are left out
    ListFilter filter = ListFilter::None;
    bool noneListedFails = false;  // rows but none listed: a reported failure, else silent
};

// Which step of clsDatabase::Clear empties the table: every rules database has the base
// tables; the others come in groups that older databases lack, each emptied only when the
// group's first table exists.
enum class ClearGroup : std::uint8_t { Base, Weapons, Creatures, DroidsAndStarships, Never };

// Where and how a record kind is stored. Labels and messages are derived from the kind's
// noun and the names of its operations; only irregular texts are written out.
struct TableDesc {
    std::string_view name;       // the kind as people call it: "Species", "Class level"
    std::string_view table;      // "tblSpecies"
    std::string_view noun = {};  // in the messages; default: `name` in title case
    bool station = false;  // a Boolean "Station" column splits the rows; operations take bStation
    TableTest test = TableTest::None;
    Form read = Form::A;
    Form del = Form::Same;
    std::string_view delSelectColumn = {};  // the column after "t.*, " in the delete's text,
                                            // when it is not the key
    ListDesc list = {};
    ClearGroup clear = ClearGroup::Base;
    // Irregular labels: how the read's and the delete's labels begin, when not the usual
    // "Property Get: " and ("Sub: " for two keys or a station flag, else "Property Let: ").
    std::string_view readMember = {};
    std::string_view delMember = {};
    // Irregular messages, written out where they depart from the ones the noun gives.
    std::string_view emptyTable = {};
    std::string_view readEmptyKey = {};
    std::string_view readNoMatch = {};
    std::string_view delEmptyKey = {};
    std::string_view delNoMatch = {};
    bool delNoMatchSilent = false;   // a delete that matches nothing reports nothing
    bool delEmptyKeySilent = false;  // nor one without a key
};

// What a description says: the rows, the tables, and how the record loads and clears.
struct KindDescription {
    std::vector<FieldGroup> fields;
    std::vector<TableDesc> tables = {};     // none, one, or several for a class stored twice
    bool overlay = false;                   // Load leaves values in place instead of clearing first
    void (*afterClear)(Object&) = nullptr;  // what Clear does beyond resetting every field
};

// A described record class.
struct RecordKind {
    std::string_view className;
    std::shared_ptr<Object> (*create)() = nullptr;
    bool (*holds)(const Object&) = nullptr;  // the object is of this class (or derived from it)
    std::vector<Field> fields;
    std::vector<const Field*> lines;  // the rows with a file line, in file order
    std::vector<TableDesc> tables;
    bool overlay = false;
    void (*afterClear)(Object&) = nullptr;

    const Field* Find(std::string_view name) const;
    void Clear(Object& record) const;
    // Throws std::logic_error naming the kind when `record` is not of this class.
    void Check(const Object& record) const;
};

// Builds the kind of class R from its description and checks it: field and column names once each,
// at most two keys, every row's access made for R. A fault throws std::logic_error naming R.
RecordKind BuildKind(std::string_view className, const std::type_info& type,
                     std::shared_ptr<Object> (*create)(), bool (*holds)(const Object&),
                     KindDescription description);

template <class R>
RecordKind BuildKindOf(std::string_view className, KindDescription description) {
    std::shared_ptr<Object> (*create)() = nullptr;
    if constexpr (std::is_default_constructible_v<R>)
        create = []() -> std::shared_ptr<Object> { return std::make_shared<R>(); };
    return BuildKind(
        className, typeid(R), create,
        [](const Object& o) { return dynamic_cast<const R*>(&o) != nullptr; },
        std::move(description));
}

// The description of a record class's own kind, reached from a record.
struct RecordAccess {
    static const RecordKind& KindOf(const Record& r) { return r.Kind(); }
};

// ---------------------------------------------------------------------------------------
// The text file

// Writes and reads a record's lines at the current position of an open numbered file. The
// status names the failure and the line of the file where it happened.
Status WriteLines(const Object& record, const RecordKind& kind, Integer file);
Status ReadLines(Object& record, const RecordKind& kind, Integer file);

// Save/Load/SaveAppend/LoadAppend, returning what happened; the record's own members show
// the message boxes.
Status SaveRecord(const Object& record, const RecordKind& kind, const std::string& fileName);
Status LoadRecord(Object& record, const RecordKind& kind, const std::string& fileName);
// The message boxes of the record members: "Sub: Save.", "Unable to locate file: ...".
void ShowFileFailure(const char* operation, const Status& status);
void SaveAppendRecord(const Object& record, const RecordKind& kind, Integer file);
// `clearFirst`: clear before reading and again after a failure.
void LoadAppendRecord(Object& record, const RecordKind& kind, Integer file, bool clearFirst);

// Print forms of numbers in record files.
std::string PrintInteger(std::int64_t value);  // " 5 ", "-3 "
std::string PrintSingle(double value);         // " 1.5 ", " .25 "
// Reading a number line: blanks ignored, fractions rounded half to even; throws
// "Type mismatch" or "Overflow".
std::int64_t ReadWhole(const std::string& line, std::int64_t min, std::int64_t max);
double ReadSingle(const std::string& line);
bool ReadBoolean(const std::string& line);

}  // namespace OrvaneLib::detail

// Defines the description of class Cls and registers the class for CreateObject; the description's
// body follows the macro, and inside it `R` names the class. ORVANE_DESCRIBE_RECORD also
// defines the record's Kind().
#define ORVANE_DESCRIBE(Cls)                                                                 \
    template <>                                                                              \
    ::OrvaneLib::detail::KindDescription(::OrvaneLib::detail::Describe<Cls>::Description)(); \
    template <>                                                                              \
    const ::OrvaneLib::detail::RecordKind& ::OrvaneLib::detail::Describe<Cls>::Kind() {      \
        static const RecordKind kind = BuildKindOf<Cls>(#Cls, Description());                \
        return kind;                                                                         \
    }                                                                                        \
    ORVANE_REGISTER_CLASS(Cls)                                                               \
    template <>                                                                              \
    ::OrvaneLib::detail::KindDescription(::OrvaneLib::detail::Describe<Cls>::Description)()
#define ORVANE_DESCRIBE_RECORD(Cls)                                                    \
    template <>                                                                        \
    const ::OrvaneLib::detail::RecordKind& ::OrvaneLib::detail::Describe<Cls>::Kind(); \
    const ::OrvaneLib::detail::RecordKind& Cls::Kind() const {                         \
        return ::OrvaneLib::detail::Describe<Cls>::Kind();                             \
    }                                                                                  \
    ORVANE_DESCRIBE(Cls)
