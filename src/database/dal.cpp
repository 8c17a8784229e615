// The data-access layer over SQLite.
#include "database/dal.hpp"

#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <limits>
#include <unordered_map>

namespace OrvaneLib::dal {

namespace {

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

// How long a connection waits for another writer before giving up (milliseconds).
std::atomic<int> busyTimeoutMs{10000};

}  // namespace

void SetBusyTimeout(int milliseconds) { busyTimeoutMs = milliseconds; }
int BusyTimeout() { return busyTimeoutMs.load(); }

int Columns::Find(std::string_view name) const {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (EqualNoCase(names[i], name)) return static_cast<int>(i);
    return -1;
}

std::string QuoteIdent(std::string_view name) {
    std::string out;
    out.reserve(name.size() + 2);
    out.push_back('"');
    for (char c : name) {
        if (c == '"') out.push_back('"');
        out.push_back(c);
    }
    out.push_back('"');
    return out;
}

// ---------------------------------------------------------------------------------------
// Connection

struct Connection::Impl {
    sqlite3* db = nullptr;

    // Prepared statements, kept per connection and per statement text.
    struct Cached {
        sqlite3_stmt* stmt = nullptr;
        std::shared_ptr<const Columns> columns;
        int reprepares = 0;
        int skip = 0;  // leading hidden columns (the row id)
    };
    std::unordered_map<std::string, Cached> cache;
    // Lookup statements by their caller's shape: the cached statement and whether its
    // source is a stored query.
    std::unordered_map<const void*, std::pair<Cached*, bool>> shapes;
    // Insert statements by table and set of columns.
    std::unordered_map<std::string, Cached*> inserts;

    [[noreturn]] void Fail() const { throw Error(sqlite3_errmsg(db)); }

    // Returns the cached statement for `sql`, prepared on first use; nullptr with `error`
    // set when the engine refuses the text.
    Cached* Prepare(const std::string& sql, int skip, std::string* error) {
        auto it = cache.find(sql);
        if (it != cache.end()) {
            sqlite3_reset(it->second.stmt);
            sqlite3_clear_bindings(it->second.stmt);
            return &it->second;
        }
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v3(db, sql.c_str(), static_cast<int>(sql.size()),
                               SQLITE_PREPARE_PERSISTENT, &stmt, nullptr) != SQLITE_OK) {
            if (error) *error = sqlite3_errmsg(db);
            sqlite3_finalize(stmt);
            return nullptr;
        }
        Cached c;
        c.stmt = stmt;
        c.skip = skip;
        c.columns = NamesOf(stmt, skip);
        c.reprepares = sqlite3_stmt_status(stmt, SQLITE_STMTSTATUS_REPREPARE, 0);
        return &cache.emplace(sql, std::move(c)).first->second;
    }
    Cached& PrepareOrFail(const std::string& sql, int skip = 0) {
        std::string error;
        Cached* c = Prepare(sql, skip, &error);
        if (!c) throw Error(error);
        return *c;
    }
    // Refreshes the column names after the engine recompiled a statement (schema change).
    static void Refresh(Cached& c) {
        int now = sqlite3_stmt_status(c.stmt, SQLITE_STMTSTATUS_REPREPARE, 0);
        if (now != c.reprepares) {
            c.reprepares = now;
            c.columns = NamesOf(c.stmt, c.skip);
        }
    }
    static std::shared_ptr<const Columns> NamesOf(sqlite3_stmt* stmt, int skip) {
        auto cols = std::make_shared<Columns>();
        int n = sqlite3_column_count(stmt);
        for (int i = skip; i < n; ++i) {
            const char* name = sqlite3_column_name(stmt, i);
            cols->names.emplace_back(name ? name : "");
        }
        return cols;
    }
    void Bind(sqlite3_stmt* stmt, int index, const Value& v) {
        int rc = SQLITE_OK;
        switch (v.type()) {
            case Value::Type::Null:
                rc = sqlite3_bind_null(stmt, index);
                break;
            case Value::Type::Integer:
                rc = sqlite3_bind_int64(stmt, index, v.AsInt());
                break;
            case Value::Type::Real:
                rc = sqlite3_bind_double(stmt, index, v.AsReal());
                break;
            case Value::Type::Text:
                rc = sqlite3_bind_text(stmt, index, v.AsText().data(),
                                       static_cast<int>(v.AsText().size()), SQLITE_STATIC);
                break;
        }
        if (rc != SQLITE_OK) Fail();
    }
    // Runs a statement that returns no rows.
    void Run(sqlite3_stmt* stmt) {
        int rc = sqlite3_step(stmt);
        if (rc != SQLITE_DONE && rc != SQLITE_ROW) {
            std::string message = sqlite3_errmsg(db);
            sqlite3_reset(stmt);
            throw Error(message);
        }
        sqlite3_reset(stmt);
    }

    ~Impl() {
        for (auto& [sql, c] : cache) sqlite3_finalize(c.stmt);
        if (db) sqlite3_close_v2(db);
    }
};

Connection::Connection(const std::string& path) : path_(path), impl_(std::make_unique<Impl>()) {
    // Each connection is used by one thread at a time, so SQLite's own per-call locking is
    // left out.
    int rc = sqlite3_open_v2(path.c_str(), &impl_->db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX,
                             nullptr);
    if (rc != SQLITE_OK) {
        std::string message = impl_->db ? sqlite3_errmsg(impl_->db) : "out of memory";
        throw Error("Unable to open the database " + path + ": " + message);
    }
    sqlite3_extended_result_codes(impl_->db, 1);
    sqlite3_busy_timeout(impl_->db, busyTimeoutMs.load());
    // Reading the schema makes a file that is not a database (or cannot be read) fail here,
    // not at the first query.
    char* err = nullptr;
    rc = sqlite3_exec(impl_->db, "SELECT count(*) FROM sqlite_schema", nullptr, nullptr, &err);
    if (rc != SQLITE_OK) {
        std::string message = err ? err : sqlite3_errmsg(impl_->db);
        sqlite3_free(err);
        throw Error("Unable to open the database " + path + ": " + message);
    }
}

Connection::~Connection() = default;

bool Connection::HasObject(std::string_view name) {
    // Tables are found in the schema the connection already holds, without touching the
    // file. A table dropped elsewhere since is caught when its statement runs; anything
    // not found there (a stored query, or a table created elsewhere) is looked up in the
    // file's own schema.
    std::string table(name);
    if (sqlite3_table_column_metadata(impl_->db, "main", table.c_str(), nullptr, nullptr, nullptr,
                                      nullptr, nullptr, nullptr) == SQLITE_OK)
        return true;
    auto& c = impl_->PrepareOrFail(
        "SELECT 1 FROM sqlite_schema WHERE type IN ('table','view') AND name = ?1 COLLATE NOCASE");
    sqlite3_bind_text(c.stmt, 1, name.data(), static_cast<int>(name.size()), SQLITE_STATIC);
    int rc = sqlite3_step(c.stmt);
    sqlite3_reset(c.stmt);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) impl_->Fail();
    return rc == SQLITE_ROW;
}

void Connection::Execute(std::string_view sql) {
    std::string text(sql);
    char* err = nullptr;
    if (sqlite3_exec(impl_->db, text.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
        std::string message = err ? err : sqlite3_errmsg(impl_->db);
        sqlite3_free(err);
        throw Error(message);
    }
}

void Connection::DeleteAll(std::string_view table) {
    auto& c = impl_->PrepareOrFail("DELETE FROM " + QuoteIdent(table));
    impl_->Run(c.stmt);
}

void Connection::Begin() { Execute("BEGIN"); }
void Connection::Commit() { Execute("COMMIT"); }
void Connection::Rollback() { Execute("ROLLBACK"); }
bool Connection::InTransaction() const { return sqlite3_get_autocommit(impl_->db) == 0; }

// ---------------------------------------------------------------------------------------
// Recordset

Recordset::Recordset() = default;
Recordset::Recordset(Recordset&&) noexcept = default;
Recordset& Recordset::operator=(Recordset&&) noexcept = default;
Recordset::~Recordset() = default;

namespace {

// Builds the select text over a table (with its row id) or a stored query (without).
std::string SelectText(std::string_view source, std::span<const std::string_view> columns,
                       std::span<const Condition> conditions, bool withRowid, bool ordered) {
    std::string sql = withRowid ? "SELECT rowid, " : "SELECT ";
    if (columns.empty()) {
        sql += "*";
    } else {
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (i) sql += ", ";
            sql += QuoteIdent(columns[i]);
        }
    }
    sql += " FROM ";
    sql += QuoteIdent(source);
    for (std::size_t i = 0; i < conditions.size(); ++i) {
        sql += i ? " AND " : " WHERE ";
        const Condition& c = conditions[i];
        std::string n = std::to_string(i + 1);
        switch (c.kind) {
            case Condition::Kind::Text:
                sql += QuoteIdent(c.column) + " = ?" + n + " COLLATE NOCASE";
                break;
            case Condition::Kind::Number:
                sql += QuoteIdent(c.column) + " = ?" + n;
                break;
            case Condition::Kind::Boolean:
                sql += "(" + QuoteIdent(c.column) + " <> 0) = ?" + n;
                break;
        }
    }
    if (withRowid && ordered) sql += " ORDER BY rowid";
    return sql;
}

}  // namespace

void Recordset::Load(void* rawStmt, int skip) {
    auto* stmt = static_cast<sqlite3_stmt*>(rawStmt);
    auto& impl = db_->impl();
    rowids_.clear();
    cells_.clear();
    rowCount_ = 0;
    int total = 0;
    for (bool first = true;; first = false) {
        int rc = sqlite3_step(stmt);
        if (first) {
            // Counted after the first step: when another connection changed the table, the
            // engine recompiles the statement there and "*" may stand for other columns.
            total = sqlite3_column_count(stmt);
            width_ = static_cast<std::size_t>(total - skip);
        }
        if (rc == SQLITE_DONE) break;
        if (rc != SQLITE_ROW) {
            std::string message = sqlite3_errmsg(impl.db);
            sqlite3_reset(stmt);
            throw Error(message);
        }
        if (skip) rowids_.push_back(sqlite3_column_int64(stmt, 0));
        for (int i = skip; i < total; ++i) {
            switch (sqlite3_column_type(stmt, i)) {
                case SQLITE_NULL:
                    cells_.emplace_back();
                    break;
                case SQLITE_INTEGER:
                    cells_.push_back(Value::Int(sqlite3_column_int64(stmt, i)));
                    break;
                case SQLITE_FLOAT:
                    cells_.push_back(Value::Real(sqlite3_column_double(stmt, i)));
                    break;
                default: {
                    auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
                    int bytes = sqlite3_column_bytes(stmt, i);
                    cells_.push_back(Value::Text(std::string(text ? text : "", text ? bytes : 0)));
                    break;
                }
            }
        }
        ++rowCount_;
    }
    sqlite3_reset(stmt);
    current_ = 0;
}

namespace {

// Opens the select over a source: tables bring their row ids, stored queries cannot.
struct Opened {
    Connection::Impl::Cached* cached = nullptr;
    bool isView = false;
};

Opened PrepareSelect(Connection& db, std::string_view source,
                     std::span<const std::string_view> columns,
                     std::span<const Condition> conditions, bool ordered) {
    auto& impl = db.impl();
    std::string error;
    auto* c = impl.Prepare(SelectText(source, columns, conditions, true, ordered), 1, &error);
    if (!c) throw Error(error);
    // A table's row id comes from the table itself; a stored query yields a row id without
    // an origin, and its rows must keep the query's own order.
    if (sqlite3_column_table_name(c->stmt, 0)) return {c, false};
    c = impl.Prepare(SelectText(source, columns, conditions, false, ordered), 0, &error);
    if (!c) throw Error(error);
    return {c, true};
}

}  // namespace

Recordset Recordset::Open(Connection& db, std::string_view source, Access access) {
    Recordset rs;
    rs.db_ = &db;
    rs.source_ = source;
    rs.access_ = access;
    // Whole rows of a table come in the table's own order (its row ids).
    auto opened = PrepareSelect(db, source, {}, {}, true);
    rs.isView_ = opened.isView;
    rs.Load(opened.cached->stmt, opened.isView ? 0 : 1);
    Connection::Impl::Refresh(*opened.cached);
    rs.columns_ = opened.cached->columns;
    return rs;
}

Value::Type RowView::TypeAt(int position) const {
    switch (sqlite3_column_type(static_cast<sqlite3_stmt*>(stmt_), position + skip_)) {
        case SQLITE_NULL:
            return Value::Type::Null;
        case SQLITE_INTEGER:
            return Value::Type::Integer;
        case SQLITE_FLOAT:
            return Value::Type::Real;
        default:
            return Value::Type::Text;
    }
}

std::string_view RowView::TextAt(int position) const {
    auto* stmt = static_cast<sqlite3_stmt*>(stmt_);
    auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, position + skip_));
    return text ? std::string_view(
                      text, static_cast<std::size_t>(sqlite3_column_bytes(stmt, position + skip_)))
                : std::string_view();
}

std::int64_t RowView::IntAt(int position) const {
    return sqlite3_column_int64(static_cast<sqlite3_stmt*>(stmt_), position + skip_);
}

double RowView::RealAt(int position) const {
    return sqlite3_column_double(static_cast<sqlite3_stmt*>(stmt_), position + skip_);
}

Value RowView::ValueAt(int position) const {
    switch (TypeAt(position)) {
        case Value::Type::Null:
            return {};
        case Value::Type::Integer:
            return Value::Int(IntAt(position));
        case Value::Type::Real:
            return Value::Real(RealAt(position));
        case Value::Type::Text:
            return Value::Text(std::string(TextAt(position)));
    }
    return {};
}

ScanResult Scan(Connection& db, std::string_view source, std::span<const std::string_view> columns,
                std::vector<int>& positions,
                const std::function<void(std::int64_t, const RowView&)>& row) {
    auto& impl = db.impl();
    // Only the columns the source has are read; the others are reported absent.
    auto all = PrepareSelect(db, source, {}, {}, false);
    std::vector<std::string_view> present;
    positions.assign(columns.size(), -1);
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (all.cached->columns->Find(columns[i]) >= 0) {
            positions[i] = static_cast<int>(present.size());
            present.push_back(columns[i]);
        }
    // Without an ORDER BY the engine may read a narrow scan from an index, far cheaper than
    // the table itself; the caller restores the table's order from the row ids.
    auto opened = PrepareSelect(db, source, present, {}, false);
    auto* stmt = opened.cached->stmt;
    const int skip = opened.isView ? 0 : 1;
    struct Reset {
        sqlite3_stmt* stmt;
        ~Reset() { sqlite3_reset(stmt); }
    } reset{stmt};
    ScanResult result;
    std::int64_t last = std::numeric_limits<std::int64_t>::min();
    RowView view(stmt, skip);
    for (;;) {
        int rc = sqlite3_step(stmt);
        if (rc == SQLITE_DONE) break;
        if (rc != SQLITE_ROW) throw Error(sqlite3_errmsg(impl.db));
        std::int64_t rowid = skip ? sqlite3_column_int64(stmt, 0) : 0;
        if (rowid < last) result.inTableOrder = false;
        last = rowid;
        row(rowid, view);
        ++result.rows;
    }
    return result;
}

Recordset Recordset::Lookup(Connection& db, std::string_view source,
                            std::span<const Condition> conditions, Access access,
                            const void* shape) {
    Recordset rs;
    rs.db_ = &db;
    rs.source_ = source;
    rs.access_ = access;
    Opened opened;
    auto& shapes = db.impl().shapes;
    if (auto it = shape ? shapes.find(shape) : shapes.end(); it != shapes.end()) {
        opened = {it->second.first, it->second.second};
        sqlite3_reset(opened.cached->stmt);
        sqlite3_clear_bindings(opened.cached->stmt);
    } else {
        opened = PrepareSelect(db, source, {}, conditions, false);
        if (shape) shapes.emplace(shape, std::make_pair(opened.cached, opened.isView));
    }
    rs.isView_ = opened.isView;
    auto* stmt = opened.cached->stmt;
    auto& impl = db.impl();
    for (std::size_t i = 0; i < conditions.size(); ++i) {
        const Condition& c = conditions[i];
        int index = static_cast<int>(i + 1);
        if (c.kind == Condition::Kind::Text) {
            if (sqlite3_bind_text(stmt, index, c.text.data(), static_cast<int>(c.text.size()),
                                  SQLITE_STATIC) != SQLITE_OK)
                impl.Fail();
        } else {
            if (sqlite3_bind_int64(stmt, index, c.number) != SQLITE_OK) impl.Fail();
        }
    }
    rs.Load(stmt, opened.isView ? 0 : 1);
    Connection::Impl::Refresh(*opened.cached);
    rs.columns_ = opened.cached->columns;
    if (rs.isView_ && access == Access::Updatable) {
        // Remember where each column of the stored query comes from, to delete its row.
        for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
            const char* table = sqlite3_column_table_name(stmt, i);
            const char* origin = sqlite3_column_origin_name(stmt, i);
            if (!table || !origin) continue;
            if (rs.baseTable_.empty()) rs.baseTable_ = table;
            if (rs.baseTable_ == table) rs.origins_.emplace_back(i, origin);
        }
    }
    return rs;
}

Recordset Recordset::ForAppend(Connection& db, std::string_view table) {
    Recordset rs;
    rs.db_ = &db;
    rs.source_ = table;
    rs.access_ = Access::Table;
    auto& impl = db.impl();
    auto& c = impl.PrepareOrFail("SELECT * FROM " + QuoteIdent(table) + " LIMIT 0");
    // Stepping lets the engine recompile the statement when the table changed.
    if (sqlite3_step(c.stmt) == SQLITE_ERROR) {
        std::string message = sqlite3_errmsg(impl.db);
        sqlite3_reset(c.stmt);
        throw Error(message);
    }
    sqlite3_reset(c.stmt);
    Connection::Impl::Refresh(c);
    rs.columns_ = c.columns;
    return rs;
}

const Value& Recordset::Field(std::string_view name) const {
    int pos = columns_ ? columns_->Find(name) : -1;
    if (pos < 0) throw Error("Item not found in this collection: " + std::string(name));
    return FieldAt(pos);
}

const Value& Recordset::FieldAt(int position) const {
    if (current_ >= rowCount_) throw Error("No current record.");
    return cells_[current_ * width_ + static_cast<std::size_t>(position)];
}

void Recordset::AddNew() {
    pendingRow_ = true;
    pending_.clear();
    pendingSet_.assign(columns_ ? columns_->names.size() : 0, false);
    pending_.reserve(pendingSet_.size());
}

void Recordset::Set(std::string_view column, Value value) {
    int pos = columns_ ? columns_->Find(column) : -1;
    if (pos < 0) throw Error("Item not found in this collection: " + std::string(column));
    SetAt(pos, std::move(value));
}

void Recordset::SetAt(int position, Value value) {
    if (!pendingRow_) throw Error("Update or CancelUpdate without AddNew or Edit.");
    // A column set again replaces its value; the bitmap keeps that check cheap.
    auto p = static_cast<std::size_t>(position);
    if (p < pendingSet_.size() && pendingSet_[p]) {
        for (auto& [pos, v] : pending_)
            if (pos == position) v = std::move(value);
        return;
    }
    if (p >= pendingSet_.size()) pendingSet_.resize(p + 1);
    pendingSet_[p] = true;
    pending_.emplace_back(position, std::move(value));
}

void Recordset::Update() {
    if (!pendingRow_) throw Error("Update or CancelUpdate without AddNew or Edit.");
    pendingRow_ = false;
    auto& impl = db_->impl();
    // Insert statements are kept per table and set of columns; the text is built once.
    std::string key = source_;
    key += '\0';
    for (const auto& [pos, v] : pending_)
        key.append(reinterpret_cast<const char*>(&pos), sizeof pos);
    auto found = impl.inserts.find(key);
    Connection::Impl::Cached* c = found != impl.inserts.end() ? found->second : nullptr;
    if (c) {
        sqlite3_reset(c->stmt);
        sqlite3_clear_bindings(c->stmt);
    } else {
        std::string sql = "INSERT INTO " + QuoteIdent(source_);
        if (pending_.empty()) {
            sql += " DEFAULT VALUES";
        } else {
            std::string values;
            sql += " (";
            for (std::size_t i = 0; i < pending_.size(); ++i) {
                if (i) {
                    sql += ", ";
                    values += ", ";
                }
                sql += QuoteIdent(columns_->names[static_cast<std::size_t>(pending_[i].first)]);
                values += "?" + std::to_string(i + 1);
            }
            sql += ") VALUES (" + values + ")";
        }
        c = &impl.PrepareOrFail(sql);
        impl.inserts.emplace(std::move(key), c);
    }
    for (std::size_t i = 0; i < pending_.size(); ++i)
        impl.Bind(c->stmt, static_cast<int>(i + 1), pending_[i].second);
    impl.Run(c->stmt);
    sqlite3_clear_bindings(c->stmt);
    pending_.clear();
}

void Recordset::Delete() {
    if (access_ == Access::ReadOnly)
        throw Error("Operation is not supported for this type of object.");
    if (current_ >= rowCount_) throw Error("No current record.");
    auto& impl = db_->impl();
    if (!isView_) {
        auto& c = impl.PrepareOrFail("DELETE FROM " + QuoteIdent(source_) + " WHERE rowid = ?1");
        sqlite3_bind_int64(c.stmt, 1, rowids_[current_]);
        impl.Run(c.stmt);
        return;
    }
    // A row of a stored query: delete the first base-table row holding the same values.
    if (baseTable_.empty() || origins_.empty())
        throw Error("Cannot delete from the query " + source_ + ": it has no base table.");
    std::string sql = "SELECT rowid FROM " + QuoteIdent(baseTable_) + " WHERE ";
    for (std::size_t i = 0; i < origins_.size(); ++i) {
        if (i) sql += " AND ";
        sql += QuoteIdent(origins_[i].second) + " IS ?" + std::to_string(i + 1);
    }
    sql += " LIMIT 1";
    auto& find = impl.PrepareOrFail(sql);
    for (std::size_t i = 0; i < origins_.size(); ++i)
        impl.Bind(find.stmt, static_cast<int>(i + 1), FieldAt(origins_[i].first));
    int rc = sqlite3_step(find.stmt);
    if (rc != SQLITE_ROW) {
        std::string message =
            rc == SQLITE_DONE ? "The record to delete no longer exists." : sqlite3_errmsg(impl.db);
        sqlite3_reset(find.stmt);
        throw Error(message);
    }
    sqlite3_int64 rowid = sqlite3_column_int64(find.stmt, 0);
    sqlite3_reset(find.stmt);
    auto& del = impl.PrepareOrFail("DELETE FROM " + QuoteIdent(baseTable_) + " WHERE rowid = ?1");
    sqlite3_bind_int64(del.stmt, 1, rowid);
    impl.Run(del.stmt);
}

// ---------------------------------------------------------------------------------------

void CreateDatabase(const std::string& path, std::string_view script) {
    if (access(path.c_str(), F_OK) == 0) throw Error("The file already exists: " + path);
    std::string temp = path + ".creating";
    std::remove(temp.c_str());
    sqlite3* db = nullptr;
    int rc =
        sqlite3_open_v2(temp.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    std::string error;
    if (rc == SQLITE_OK) {
        std::string text = "BEGIN;\n" + std::string(script) + "\nCOMMIT;";
        char* err = nullptr;
        rc = sqlite3_exec(db, text.c_str(), nullptr, nullptr, &err);
        if (rc != SQLITE_OK) error = err ? err : sqlite3_errmsg(db);
        sqlite3_free(err);
    } else {
        error = db ? sqlite3_errmsg(db) : "out of memory";
    }
    if (sqlite3_close(db) != SQLITE_OK && error.empty()) error = "could not close the new database";
    if (error.empty() && std::rename(temp.c_str(), path.c_str()) != 0)
        error = "could not move the new database into place";
    if (!error.empty()) {
        std::remove(temp.c_str());
        throw Error("Unable to create the database " + path + ": " + error);
    }
}

}  // namespace OrvaneLib::dal
