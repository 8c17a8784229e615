// Record tables: a record kind's description seen as a table of the rules database, with the
// labels and messages of its operations, and the generic list, read, add and delete that
// every kind uses. The operations return what happened as a Status; clsDatabase's members
// (and KindInfo's calls) decide what to show.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "database/state.hpp"
#include "records/describe.hpp"

namespace OrvaneLib::detail {

// How a kind's operations are keyed, as their C++ signatures show it.
enum class Shape : std::uint8_t {
    TEXT,
    TEXT_DESCRIBED,
    TEXT_LEVEL,
    TEXT_TEXT,
    NUMBER,
    STATION_NUMBER,
    STATION_TEXT,
};

// The names of a kind's four operations.
struct OperationNames {
    std::string_view list, read, add, del;
};

// A record kind as a table: built once from its description, the index of its table among
// those the description names, and the names and shape of its clsDatabase operations.
struct TableKind {
    const RecordKind* record = nullptr;
    const TableDesc* desc = nullptr;
    std::string name;   // "Species", "Class level"
    std::string table;  // "tblSpecies"
    std::vector<const Field*> keys;
    std::vector<const Field*> columns;  // the rows with a column, in row order
    bool station = false;
    bool descript = false;  // the read takes bDescript (a column is read only with it)
    std::string listLabel;  // complete, unless the list takes a flag: then up to "("
    std::string readLabel, addLabel, delLabel;  // up to "(", completed by the arguments
    std::string emptyTable, readEmptyKey, readNoMatch, delEmptyKey, delNoMatch;

    // Positions of each column (and its older name) in a column set, and the columns a scan
    // of the list reads, found once per set.
    const std::vector<int>& Positions(const dal::Columns& set) const;
};

// Builds and checks a kind's table; a fault (a shape that does not match the keys, a table
// index out of range) throws std::logic_error naming the kind.
TableKind MakeTable(const RecordKind& record, std::size_t tableIndex, OperationNames names,
                    Shape shape);

// Every table kind registers itself here, so tools can walk all record kinds.
using TableFactory = const TableKind& (*)();
bool RegisterTable(TableFactory factory);
const std::vector<TableFactory>& RegisteredTables();

// The tables clsDatabase::Clear empties in one of its steps: the record kinds' and the
// lookup lists' (which register theirs with RegisterClearedTable).
bool RegisterClearedTable(std::string_view table, ClearGroup group);
std::vector<std::string> TablesCleared(ClearGroup group);

// One key argument of a read or delete.
struct KeyArg {
    KeyArg(const std::string& t) : text(t) {}
    KeyArg(std::string_view t) : text(t) {}
    KeyArg(std::int64_t n) : number(n), isNumber(true) {}
    KeyArg(Integer n) : number(n), isNumber(true) {}
    std::string_view text;
    std::int64_t number = 0;
    bool isNumber = false;
};
using Keys = std::span<const KeyArg>;

// The generic operations. Each sets its status's label (and marks outcomes the rules keep
// silent as quiet); on failure the value is the empty result.
Result<ListResult> ListRows(DatabaseState& s, const TableKind& kind, bool flag = false);
Result<std::shared_ptr<Object>> ReadRow(DatabaseState& s, const TableKind& kind, Keys keys,
                                        bool bDescript = false, bool bStation = false);
Status AddRow(DatabaseState& s, const TableKind& kind, const Object* record);
Status DeleteRow(DatabaseState& s, const TableKind& kind, Keys keys, bool bStation = false);

// Converts a cell into a field as a read stores it; a null or a value that does not fit the
// field throws.
void StoreCell(Object& record, const Access& a, const dal::RowView& row, int position);

// Every value of one column of a table or stored query, in its order, nulls as empty texts.
Status ColumnValues(dal::Connection& db, std::string_view source, std::string_view column,
                    std::vector<std::string>& values);

// The statement text of a key lookup, as the log shows it. `selectColumn`: the column after
// "t.*, " when it is not the key.
std::string StatementText(const TableKind& kind, Form form, Keys keys, bool bStation,
                          std::string_view selectColumn = {});

}  // namespace OrvaneLib::detail

// Registers a function returning a table kind (once per kind).
#define ORVANE_REGISTER_TABLE(factory)                                               \
    namespace {                                                                      \
    const bool orvaneTable_##factory = ::OrvaneLib::detail::RegisterTable(&factory); \
    }
