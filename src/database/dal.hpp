// The data-access layer: the only code of the library that talks to the database engine.
// It offers what the rules operations rely on: opening a rules file, whole-table and
// query-result recordsets with an exact record count, column access by name with null cells,
// appending a row and deleting the current row. Its interface carries no engine types, so a
// different engine can stand behind it without touching clsDatabase.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace OrvaneLib::dal {

// A failure of the engine, with its description.
class Error : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
    // True when the failure is a table or stored query that does not exist.
    bool MissingTable() const { return std::string_view(what()).rfind("no such table", 0) == 0; }
};

// One cell or parameter value.
class Value {
  public:
    enum class Type : unsigned char { Null, Integer, Real, Text };

    Value() = default;
    static Value Int(std::int64_t v) {
        Value x;
        x.type_ = Type::Integer;
        x.i_ = v;
        return x;
    }
    static Value Real(double v) {
        Value x;
        x.type_ = Type::Real;
        x.d_ = v;
        return x;
    }
    static Value Text(std::string v) {
        Value x;
        x.type_ = Type::Text;
        x.s_ = std::move(v);
        return x;
    }
    static Value Bool(bool v) { return Int(v ? 1 : 0); }

    Type type() const { return type_; }
    bool IsNull() const { return type_ == Type::Null; }
    std::int64_t AsInt() const { return i_; }         // valid for Type::Integer
    double AsReal() const { return d_; }              // valid for Type::Real
    const std::string& AsText() const { return s_; }  // valid for Type::Text
    std::string& MutableText() { return s_; }

  private:
    Type type_ = Type::Null;
    std::int64_t i_ = 0;
    double d_ = 0;
    std::string s_;
};

// The column names of one statement's result, shared by the recordsets it produces.
// `generation` changes whenever the engine had to recompile the statement, so callers
// may cache positions against (pointer, generation).
struct Columns {
    std::vector<std::string> names;
    int Find(std::string_view name) const;  // case-insensitive; -1 when absent

    // The positions of a caller's column names (-1 for absent ones), worked out once per
    // caller key for the lifetime of this column set. Not for concurrent use.
    template <class NameAt>
    const std::vector<int>& Positions(const void* key, std::size_t count, NameAt nameAt) const {
        for (const auto& [k, positions] : resolved_)
            if (k == key) return positions;
        std::vector<int> positions(count);
        for (std::size_t i = 0; i < count; ++i) positions[i] = Find(nameAt(i));
        resolved_.emplace_back(key, std::move(positions));
        return resolved_.back().second;
    }

  private:
    mutable std::deque<std::pair<const void*, std::vector<int>>> resolved_;  // stable references
};

class Connection;

// The current row of a scan, read in place.
class RowView {
  public:
    explicit RowView(void* stmt, int skip) : stmt_(stmt), skip_(skip) {}
    Value::Type TypeAt(int position) const;
    std::string_view TextAt(int position) const;  // a Text cell's bytes
    std::int64_t IntAt(int position) const;
    double RealAt(int position) const;
    Value ValueAt(int position) const;

  private:
    void* stmt_;
    int skip_;
};

struct ScanResult {
    std::size_t rows = 0;
    // False when a table's rows came in another order than its own (read through an
    // index): the caller puts them back in order by the row ids it was given.
    bool inTableOrder = true;
};

// Streams the rows of a table or stored query, reading only the named columns, without
// keeping them. `positions` receives each named column's position in the row (-1 when the
// source lacks it). `row` gets the row id (0 for stored queries) and the row.
ScanResult Scan(Connection& db, std::string_view source, std::span<const std::string_view> columns,
                std::vector<int>& positions,
                const std::function<void(std::int64_t, const RowView&)>& row);

// How a recordset is opened: a whole table, or a query result that may or may not be
// updated (only deletion of the current row is ever asked of it).
enum class Access { Table, Updatable, ReadOnly };

// One equality test of a key lookup. Text compares ignoring letter case; a Boolean test
// matches stored Booleans (0 false, any other value true) and never a null.
struct Condition {
    enum class Kind { Text, Number, Boolean };
    std::string_view column;
    Kind kind;
    std::string_view text;
    std::int64_t number = 0;
};

class Recordset {
  public:
    Recordset();
    Recordset(Recordset&&) noexcept;
    Recordset& operator=(Recordset&&) noexcept;
    ~Recordset();

    // Every row of a table or stored query, in the table's (or the query's) order.
    static Recordset Open(Connection& db, std::string_view source, Access access);
    // The rows of a table or stored query that match every condition, in its order.
    // `shape`, when given, identifies the caller's statement shape (same source and the same
    // condition columns and kinds every time), so its statement is found without building
    // its text again.
    static Recordset Lookup(Connection& db, std::string_view source,
                            std::span<const Condition> conditions, Access access,
                            const void* shape = nullptr);
    // A table opened only to append rows: knows the table's columns, loads no rows.
    static Recordset ForAppend(Connection& db, std::string_view table);

    long RecordCount() const { return static_cast<long>(rowCount_); }
    bool EndOfRows() const { return current_ >= rowCount_; }
    void MoveFirst() { current_ = 0; }
    void MoveNext() {
        if (current_ < rowCount_) ++current_;
    }

    const Columns& ColumnSet() const { return *columns_; }
    const std::shared_ptr<const Columns>& ColumnsHandle() const { return columns_; }
    bool HasField(std::string_view name) const { return columns_ && columns_->Find(name) >= 0; }
    bool HasRow() const { return current_ < rowCount_; }
    // The current row's cell; throws Error when the column does not exist or no row is current.
    const Value& Field(std::string_view name) const;
    const Value& FieldAt(int position) const;  // position from ColumnSet()
    Value& MutableFieldAt(int position) { return const_cast<Value&>(FieldAt(position)); }

    // Appending: AddNew starts a pending row, Set fills it (a missing column throws),
    // Update stores it (a refusal by the engine throws and nothing is stored).
    void AddNew();
    void Set(std::string_view column, Value value);
    void SetAt(int position, Value value);  // position from ColumnSet()
    void Update();

    // Deletes the current row (for a stored query, the row of its base table it came from).
    void Delete();

  private:
    Connection* db_ = nullptr;
    std::string source_;
    Access access_ = Access::ReadOnly;
    bool isView_ = false;
    std::shared_ptr<const Columns> columns_;
    std::vector<Value> cells_;          // rowCount_ * width_, row by row
    std::vector<std::int64_t> rowids_;  // row id of each row, when the source has them
    std::size_t width_ = 0;
    std::size_t rowCount_ = 0;
    std::size_t current_ = 0;
    bool pendingRow_ = false;
    std::vector<std::pair<int, Value>> pending_;  // column position and value
    std::vector<bool> pendingSet_;                // which positions pending_ holds
    // For a stored query opened for update: the base table and, per column, its origin.
    std::string baseTable_;
    std::vector<std::pair<int, std::string>> origins_;

    void Load(void* stmt, int skip);
};

// An open rules database.
class Connection {
  public:
    // Opens an existing database file for reading and writing; a file that is missing,
    // unreadable or not a database throws Error with a clear description.
    explicit Connection(const std::string& path);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const std::string& Path() const { return path_; }
    // True when a table or stored query of that name exists (letter case ignored).
    bool HasObject(std::string_view name);
    // Runs a script of SQL statements.
    void Execute(std::string_view sql);
    // Deletes every row of a table.
    void DeleteAll(std::string_view table);

    void Begin();
    void Commit();
    void Rollback();
    bool InTransaction() const;

    struct Impl;
    Impl& impl() { return *impl_; }

  private:
    std::string path_;
    std::unique_ptr<Impl> impl_;
};

// How long a connection waits for another connection's lock on the database file before
// the operation fails with "database is locked", in milliseconds (10 seconds unless set).
// Applies to connections opened afterwards.
void SetBusyTimeout(int milliseconds);
int BusyTimeout();

// Creates a new database file at `path` and runs `script` in it; the file appears only
// when the whole script succeeded. Throws Error when the file exists or anything fails.
void CreateDatabase(const std::string& path, std::string_view script);

// Quotes an identifier for use in SQL text.
std::string QuoteIdent(std::string_view name);

}  // namespace OrvaneLib::dal
