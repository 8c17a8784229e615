// Record tables as data: where a record kind is stored, how its key is looked up, how its
// list is made, the texts of its reports and the columns it reads and writes. The generic
// list, read, add and delete operations walk these descriptions.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "database/state.hpp"
#include "records/kind.hpp"

namespace OrvaneLib::detail {

// When a column is read into the new record.
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

struct ColumnDesc {
    std::string_view column;
    std::string_view field;  // a field of the record kind
    Read read = Read::Always;
    Write write = Write::Always;
    std::string_view altColumn = {};  // the column's other name, used when the table lacks `column`
    const char* fallback = nullptr;   // text stored when the column is absent or null
    const Slot* slot = nullptr;       // resolved from `field`
};

struct KeyDesc {
    std::string_view column;
    std::string_view field;
    bool number = false;          // a number key (else text)
    bool rejectNegative = false;  // a negative number counts as a missing key
    const Slot* slot = nullptr;
};

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
};

struct StatementDesc {
    Form form = Form::A;
    std::string_view selectColumn = {};  // the column after "t.*, " when it is not the key
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

struct TableKind {
    std::string_view name;  // the record kind, as people call it ("Species", "Class level")
    const RecordKind* record = nullptr;
    std::string_view table;
    std::vector<KeyDesc> keys;
    bool station = false;   // a Boolean "Station" column splits the rows; operations take bStation
    bool descript = false;  // the read takes bDescript
    TableTest test = TableTest::None;
    StatementDesc readStatement;
    StatementDesc delStatement;
    ListDesc list;
    // Labels: the list label is complete unless a flag argument follows; the others are
    // completed by the arguments (or the record's keys) and ")".
    std::string_view listLabel, readLabel, addLabel, delLabel;
    // The delete texts default to the read texts (see Resolve).
    std::string_view emptyTable, readEmptyKey, delEmptyKey, readNoMatch, delNoMatch;
    bool delNoMatchSilent = false;
    bool delEmptyKeySilent = false;
    std::vector<ColumnDesc> columns;

    // Resolves field names against the record kind; throws on a fault of the description.
    void Resolve();
};

// Every table description registers itself here, so tools can walk all record kinds.
using TableFactory = const TableKind& (*)();
bool RegisterTable(TableFactory factory);
const std::vector<TableFactory>& RegisteredTables();

// The six ability modifier columns "Str" to "Cha", read and written always.
inline std::vector<ColumnDesc> ModifierColumns() {
    return {{"Str", "Str"}, {"Dex", "Dex"}, {"Con", "Con"},
            {"Int", "Int"}, {"Wis", "Wis"}, {"Cha", "Cha"}};
}

// One key argument of a read or delete.
struct KeyArg {
    KeyArg(const std::string& t) : text(t) {}
    KeyArg(std::int64_t n) : number(n), isNumber(true) {}
    std::string_view text;
    std::int64_t number = 0;
    bool isNumber = false;
};

// Every value of one column of a table or stored query, in its order, nulls as empty texts;
// throws when the source lacks the column and has rows.
std::vector<std::string> ColumnValues(dal::Connection& db, std::string_view source,
                                      std::string_view column);

// The generic operations. Each traps and reports its own failures.
ListResult ListRows(DatabaseState& s, const TableKind& kind, bool flag = false);
std::shared_ptr<Object> ReadRow(DatabaseState& s, const TableKind& kind,
                                std::initializer_list<KeyArg> keys, bool bDescript = false,
                                bool bStation = false);
void AddRow(DatabaseState& s, const TableKind& kind, const void* record);
void DeleteRow(DatabaseState& s, const TableKind& kind, std::initializer_list<KeyArg> keys,
               bool bStation = false);

template <class R>
std::shared_ptr<R> ReadAs(DatabaseState& s, const TableKind& kind,
                          std::initializer_list<KeyArg> keys, bool bDescript = false,
                          bool bStation = false) {
    return std::static_pointer_cast<R>(ReadRow(s, kind, keys, bDescript, bStation));
}

// The statement text of a key lookup, as the log shows it.
std::string StatementText(const TableKind& kind, const StatementDesc& st,
                          std::span<const KeyArg> keys, bool bStation);

}  // namespace OrvaneLib::detail

// Registers a function returning a table description (once per description, in the family
// source that defines it).
#define ORVANE_REGISTER_TABLE(factory)                                               \
    namespace {                                                                      \
    const bool orvaneTable_##factory = ::OrvaneLib::detail::RegisterTable(&factory); \
    }
