// The data-access layer: the only code of the library that talks to the database engine.
// It offers what the rules operations rely on: opening a rules file, whole-table and
// query-result recordsets with an exact record count, a cursor on the first row that
// matches a key, streamed scans of a few columns, appending a row and deleting the first
// row that matches. Every operation returns a Status (the engine's result code and message
// on failure); nothing is reported from here. Its interface carries no engine types.
#pragma once

#include "database/identifier.hpp"

#include <cstdint>
#include <deque>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "orvane/status.hpp"

// The engine's prepared statement, known here only by name.
struct sqlite3_stmt;

namespace OrvaneLib::dal {

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

  private:
    Type type_ = Type::Null;
    std::int64_t i_ = 0;
    double d_ = 0;
    std::string s_;
};

// The column names of one statement's result, shared by the recordsets it produces. A new
// set is made whenever the engine had to recompile the statement (another connection changed
// the table), so positions cached against a set stay right for it.
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

// The current row of a statement, read in place.
class RowView {
  public:
    RowView() = default;
    RowView(sqlite3_stmt* stmt, int skip) : stmt_(stmt), skip_(skip) {}
    Value::Type TypeAt(int position) const;
    std::string_view TextAt(int position) const;  // a Text cell's bytes (numbers as text)
    std::int64_t IntAt(int position) const;
    double RealAt(int position) const;
    Value ValueAt(int position) const;

  private:
    sqlite3_stmt* stmt_ = nullptr;
    int skip_ = 0;
};

// A callable taking (row id, row) and returning a Status, passed without allocation.
class RowSink {
  public:
    template <class F>
    RowSink(F& f)  // NOLINT: a sink is made from a caller's lambda in place
        : object_(&f), call_([](void* o, std::int64_t id, const RowView& row) {
              return (*static_cast<F*>(o))(id, row);
          }) {}
    Status operator()(std::int64_t id, const RowView& row) const { return call_(object_, id, row); }

  private:
    void* object_;
    Status (*call_)(void*, std::int64_t, const RowView&);
};

struct ScanResult {
    std::size_t rows = 0;
    // False when a table's rows came in another order than its own (read through an
    // index): the caller puts them back in order by the row ids it was given.
    bool inTableOrder = true;
};

// Streams the rows of a table or stored query, reading only the named columns, without
// keeping them. `positions` receives each named column's position in the row (-1 when the
// source lacks it). `sink` gets the row id (0 for stored queries) and the row; a failure it
// returns ends the scan.
Status Scan(Connection& db, std::string_view source, std::span<const std::string_view> columns,
            std::vector<int>& positions, RowSink sink, ScanResult& result);

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

// Every row of a source loaded at once, with an exact record count.
class Recordset {
  public:
    Recordset();
    Recordset(Recordset&&) noexcept;
    Recordset& operator=(Recordset&&) noexcept;
    ~Recordset();

    // Every row of a table or stored query, in the table's (or the query's) order.
    static Status Open(Connection& db, std::string_view source, Access access, Recordset& out);
    // The rows of a table or stored query that match every condition, in its order.
    static Status Lookup(Connection& db, std::string_view source,
                         std::span<const Condition> conditions, Access access, Recordset& out);

    long RecordCount() const { return static_cast<long>(rowCount_); }
    bool EndOfRows() const { return current_ >= rowCount_; }
    void MoveFirst() { current_ = 0; }
    void MoveNext() {
        if (current_ < rowCount_) ++current_;
    }
    const Columns& ColumnSet() const { return *columns_; }
    bool HasField(std::string_view name) const { return columns_ && columns_->Find(name) >= 0; }
    // The current row's cell; nullptr when the column does not exist or no row is current.
    const Value* Field(std::string_view name) const;

    // Deletes the current row (for a stored query, the row of its base table it came from).
    Status Delete();

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
    // For a stored query opened for update: the base table and, per column, its origin.
    std::string baseTable_;
    std::vector<std::pair<int, std::string>> origins_;

    Status Load(sqlite3_stmt* stmt, int skip);
};

// The first row of a table that matches every condition (its lowest row id), read in place
// from the engine's statement, which is released when the cursor goes.
class Cursor {
  public:
    Cursor() = default;
    Cursor(const Cursor&) = delete;
    Cursor& operator=(const Cursor&) = delete;
    ~Cursor();

    // `shape` identifies the caller's statement shape (the same source and the same
    // condition columns and kinds every time), so its statement is found without building
    // its text again.
    static Status Seek(Connection& db, std::string_view source,
                       std::span<const Condition> conditions, const void* shape, Cursor& out);

    bool HasRow() const { return hasRow_; }
    const RowView& Row() const { return row_; }
    const Columns& ColumnSet() const { return *columns_; }

  private:
    sqlite3_stmt* stmt_ = nullptr;
    RowView row_;
    bool hasRow_ = false;
    std::shared_ptr<const Columns> columns_;
};

// Appending one row to a table: its columns, the values to store by position, then Insert.
class RowWriter {
  public:
    // `key`, when given, identifies the caller's table for good (the statement that finds
    // the table's columns is then found without building its text).
    static Status Open(Connection& db, std::string_view table, RowWriter& out,
                       const void* key = nullptr);
    const Columns& ColumnSet() const { return *columns_; }
    void Set(int position, Value value);  // position from ColumnSet()
    // Stores the row; a refusal by the engine (a constraint, a full disk) stores nothing.
    Status Insert();

  private:
    Connection* db_ = nullptr;
    std::string table_;
    std::shared_ptr<const Columns> columns_;
    std::vector<std::pair<int, Value>> pending_;  // column position and value
    std::vector<int> slot_;                       // per column position: its index in pending_
};

// An open rules database.
class Connection {
  public:
    // Opens an existing database file for reading and writing; a file that is missing,
    // unreadable or not a database fails with a clear description.
    static Status Open(const std::string& path, std::unique_ptr<Connection>& out);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const std::string& Path() const { return path_; }
    // Whether a table or stored query of that name exists (letter case ignored).
    Status HasObject(std::string_view name, bool& exists);
    // Runs a script of SQL statements.
    Status Execute(std::string_view sql);
    // Runs one statement with its parameters bound (?1, ?2, ...).
    Status Run(const std::string& sql, std::span<const Value> parameters);
    // Runs one query with its parameters bound, handing each row to `sink` (row id 0); a
    // failure the sink returns ends the query.
    Status Query(const std::string& sql, std::span<const Value> parameters, RowSink sink);
    // The row id of the row the last insert added.
    std::int64_t LastInsertRowId() const;
    // Deletes every row of a table.
    Status DeleteAll(std::string_view table);
    // Deletes the first row of a table (its lowest row id) or stored query (the row of its
    // base table it came from) that matches every condition, in one step, so no other
    // connection's change can come between finding the row and deleting it. `found` tells
    // whether a row matched.
    Status DeleteFirst(std::string_view source, std::span<const Condition> conditions, bool& found);

    // Marks the start of an operation of the caller's: all its waits for other connections'
    // locks together last no longer than the busy timeout. (Used without it, the layer waits
    // up to the timeout for each lock.)
    void StartOperation();

    // The caller's transaction. Begin takes the write lock at once, waiting for it within the
    // busy timeout. A failure that ends the transaction early (the engine rolls back on a full
    // disk) or leaves it in doubt fails it whole: later writes are refused, Commit reports that
    // it was rolled back, and Rollback ends it without a word.
    Status Begin();
    Status Commit();
    Status Rollback();
    bool InTransaction() const;

    struct Impl;
    Impl& impl() { return *impl_; }

  private:
    explicit Connection(std::string path);
    std::string path_;
    std::unique_ptr<Impl> impl_;
};

// How long an operation waits in all for other connections' locks on the database file
// before it fails with "database is locked", in milliseconds (10 seconds unless set).
// Applies to connections opened afterwards.
void SetBusyTimeout(int milliseconds);
int BusyTimeout();

// Creates a new database file at `path` and runs `script` in it; the file appears only
// when the whole script succeeded. Fails when the file exists or anything fails.
Status CreateDatabase(const std::string& path, std::string_view script);

// Quotes an identifier for use in SQL text.
using sql::QuoteIdent;

// True when a failure means the file cannot be written (read-only, no permission).
bool CannotWrite(const Status& status);

// A failure of the engine, as a status: NoTable for a table or stored query that does not
// exist, Engine otherwise.
Status EngineFailure(int code, std::string message);

}  // namespace OrvaneLib::dal
