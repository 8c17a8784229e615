// The data-access layer over SQLite.
#include "database/dal.hpp"

#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <limits>
#include <random>
#include <thread>
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

Status EngineFailure(int code, std::string message) {
    const bool missing = std::string_view(message).rfind("no such table", 0) == 0;
    return Status(missing ? StatusCode::NoTable : StatusCode::Engine, std::move(message), code);
}

void SetBusyTimeout(int milliseconds) { busyTimeoutMs = milliseconds; }
int BusyTimeout() { return busyTimeoutMs.load(); }

int Columns::Find(std::string_view name) const {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (EqualNoCase(names[i], name)) return static_cast<int>(i);
    return -1;
}


// ---------------------------------------------------------------------------------------
// Connection

struct Connection::Impl {
    sqlite3* db = nullptr;

    // Waiting for other connections' locks: one operation waits at most the busy timeout in
    // all, however many statements it runs (see BusyWait).
    using Clock = std::chrono::steady_clock;
    int timeoutMs = 0;
    bool operationScoped = false;  // StartOperation marks the operations' starts
    bool waiting = false;          // this operation has waited; since waitStart
    Clock::time_point waitStart;
    std::minstd_rand jitter{std::random_device{}()};

    // A transaction of the caller's (Begin ... Commit or Rollback), and the failure that
    // ended it early: after one, writes are refused until the caller ends it.
    bool callerTransaction = false;
    std::uint64_t transactions = 0;  // caller transactions begun, to tell them apart
    Status transactionFailure;

    // Prepared statements, kept per connection and per statement text.
    struct Cached {
        sqlite3_stmt* stmt = nullptr;
        std::shared_ptr<const Columns> columns;
        int reprepares = 0;
        // For a column probe: the caller transaction in which it last looked (see RowWriter).
        std::uint64_t probedIn = 0;
        int skip = 0;  // leading hidden columns (the row id)
        bool isView = false;
    };
    std::unordered_map<std::string, Cached> cache;
    // Key lookups by their caller's shape.
    std::unordered_map<const void*, Cached*> shapes;
    // The column probe of each table rows are appended to, by the caller's key.
    std::unordered_map<const void*, Cached*> probes;
    // Insert statements by column set and the positions they fill, in that order.
    struct Insert {
        const Columns* columns;
        std::vector<int> positions;
        Cached* cached;
    };
    std::vector<Insert> inserts;
    std::vector<std::shared_ptr<const Columns>> insertColumns;  // keeps their column sets alive

    Status Failure() const {
        return EngineFailure(sqlite3_extended_errcode(db), sqlite3_errmsg(db));
    }

    // The cached statement for `sql`, prepared on first use.
    Status Prepare(const std::string& sql, int skip, Cached*& out) {
        auto it = cache.find(sql);
        if (it != cache.end()) {
            sqlite3_reset(it->second.stmt);
            sqlite3_clear_bindings(it->second.stmt);
            out = &it->second;
            return {};
        }
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v3(db, sql.c_str(), static_cast<int>(sql.size()),
                               SQLITE_PREPARE_PERSISTENT, &stmt, nullptr) != SQLITE_OK) {
            Status st = Failure();
            sqlite3_finalize(stmt);
            return st;
        }
        Cached c;
        c.stmt = stmt;
        c.skip = skip;
        c.columns = NamesOf(stmt, skip);
        c.reprepares = sqlite3_stmt_status(stmt, SQLITE_STMTSTATUS_REPREPARE, 0);
        out = &cache.emplace(sql, std::move(c)).first->second;
        return {};
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
    Status Bind(sqlite3_stmt* stmt, int index, const Value& v) {
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
        return rc == SQLITE_OK ? Status() : Failure();
    }
    Status BindConditions(sqlite3_stmt* stmt, std::span<const Condition> conditions) {
        for (std::size_t i = 0; i < conditions.size(); ++i) {
            const Condition& c = conditions[i];
            const int index = static_cast<int>(i + 1);
            const int rc = c.kind == Condition::Kind::Text
                               ? sqlite3_bind_text(stmt, index, c.text.data(),
                                                   static_cast<int>(c.text.size()), SQLITE_STATIC)
                               : sqlite3_bind_int64(stmt, index, c.number);
            if (rc != SQLITE_OK) return Failure();
        }
        return {};
    }
    // Runs a statement that returns no rows.
    Status Run(sqlite3_stmt* stmt) {
        const int rc = sqlite3_step(stmt);
        Status st = rc == SQLITE_DONE || rc == SQLITE_ROW ? Status() : Failure();
        sqlite3_reset(stmt);
        return st;
    }

    // The engine's busy handler. The first wait of an operation starts its clock; each wait
    // sleeps a short, random while and lets the engine try again, until the busy timeout has
    // passed since that start. The longer a connection has waited, the shorter its sleeps,
    // so among several waiting writers the one that has waited longest is the likeliest to
    // get the lock next, and none is starved by others that happen to try more often.
    static int BusyWait(void* arg, int count) {
        auto& impl = *static_cast<Impl*>(arg);
        const auto now = Clock::now();
        // Without operations marked (the layer used on its own), each lock gets its own wait.
        if (!impl.operationScoped && count == 0) impl.waiting = false;
        if (!impl.waiting) {
            impl.waitStart = now;
            impl.waiting = true;
        }
        const auto deadline = impl.waitStart + std::chrono::milliseconds(impl.timeoutMs);
        if (now >= deadline) return 0;
        const auto waitedMs =
            std::chrono::duration_cast<std::chrono::milliseconds>(now - impl.waitStart).count();
        const int typical =
            std::max(kShortestPauseUs, kLongestPauseUs / (1 + static_cast<int>(waitedMs / 10)));
        std::uniform_int_distribution<int> pause(typical / 2, typical * 3 / 2);
        std::this_thread::sleep_for(std::min<Clock::duration>(
            std::chrono::microseconds(pause(impl.jitter)), deadline - now));
        return 1;
    }
    static constexpr int kShortestPauseUs = 100;
    static constexpr int kLongestPauseUs = 2000;

    Status Refused() const {
        return Status(StatusCode::Engine,
                      "The transaction was rolled back after a failure (" +
                          transactionFailure.Message() +
                          "); nothing more is written until it is committed or rolled back.",
                      transactionFailure.EngineCode());
    }
    // Before a write: refused while the caller's transaction has failed, or when the engine
    // ended it meanwhile (a failed read can do so).
    Status BeforeWrite() {
        if (!callerTransaction) return {};
        if (transactionFailure.Ok() && sqlite3_get_autocommit(db))
            transactionFailure = Status(StatusCode::Engine, "the database engine rolled it back");
        return transactionFailure.Ok() ? Status() : Refused();
    }
    // After a write inside the caller's transaction: a failure that ended the transaction,
    // or one that leaves its changes in doubt (a full disk, an I/O error), fails it whole.
    void AfterWrite(const Status& st) {
        if (!callerTransaction || st.Ok() || !transactionFailure.Ok()) return;
        const int code = st.EngineCode() & 0xff;
        const bool fatal = code == SQLITE_FULL || code == SQLITE_IOERR || code == SQLITE_NOMEM ||
                           code == SQLITE_CORRUPT || code == SQLITE_NOTADB;
        if (!sqlite3_get_autocommit(db)) {
            if (!fatal) return;  // the statement alone was undone; the transaction goes on
            sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        }
        transactionFailure = st;
    }
    // A write statement, run with the transaction checks around it.
    Status RunWrite(sqlite3_stmt* stmt) {
        if (Status st = BeforeWrite(); !st.Ok()) {
            sqlite3_reset(stmt);
            return st;
        }
        Status st = Run(stmt);
        AfterWrite(st);
        return st;
    }

    ~Impl() {
        for (auto& [sql, c] : cache) sqlite3_finalize(c.stmt);
        if (db) sqlite3_close_v2(db);
    }
};

Connection::Connection(std::string path)
    : path_(std::move(path)), impl_(std::make_unique<Impl>()) {}

Status Connection::Open(const std::string& path, std::unique_ptr<Connection>& out) {
    std::unique_ptr<Connection> c(new Connection(path));
    Impl& impl = *c->impl_;
    // Each connection is used by one thread at a time, so SQLite's own per-call locking is
    // left out.
    int rc = sqlite3_open_v2(path.c_str(), &impl.db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX,
                             nullptr);
    if (rc != SQLITE_OK) {
        std::string message = impl.db ? sqlite3_errmsg(impl.db) : "out of memory";
        return Status(StatusCode::NoDatabase,
                      "Unable to open the database " + path + ": " + message, rc);
    }
    sqlite3_extended_result_codes(impl.db, 1);
    impl.timeoutMs = busyTimeoutMs.load();
    sqlite3_busy_handler(impl.db, &Impl::BusyWait, &impl);
    // Reading the schema makes a file that is not a database (or cannot be read) fail here,
    // not at the first query.
    char* err = nullptr;
    rc = sqlite3_exec(impl.db, "SELECT count(*) FROM sqlite_schema", nullptr, nullptr, &err);
    if (rc != SQLITE_OK) {
        std::string message = err ? err : sqlite3_errmsg(impl.db);
        sqlite3_free(err);
        return Status(StatusCode::NoDatabase,
                      "Unable to open the database " + path + ": " + message,
                      sqlite3_extended_errcode(impl.db));
    }
    out = std::move(c);
    return {};
}

Connection::~Connection() = default;

Status Connection::HasObject(std::string_view name, bool& exists) {
    // Tables are found in the schema the connection already holds, without touching the
    // file. A table dropped elsewhere since is caught when its statement runs; anything
    // not found there (a stored query, or a table created elsewhere) is looked up in the
    // file's own schema.
    std::string table(name);
    exists = sqlite3_table_column_metadata(impl_->db, "main", table.c_str(), nullptr, nullptr,
                                           nullptr, nullptr, nullptr, nullptr) == SQLITE_OK;
    if (exists) return {};
    Impl::Cached* c = nullptr;
    if (Status st = impl_->Prepare(
            "SELECT 1 FROM sqlite_schema WHERE type IN ('table','view') AND name = ?1 "
            "COLLATE NOCASE",
            0, c);
        !st.Ok())
        return st;
    sqlite3_bind_text(c->stmt, 1, name.data(), static_cast<int>(name.size()), SQLITE_STATIC);
    const int rc = sqlite3_step(c->stmt);
    Status st = rc == SQLITE_ROW || rc == SQLITE_DONE ? Status() : impl_->Failure();
    sqlite3_reset(c->stmt);
    exists = rc == SQLITE_ROW;
    return st;
}

Status Connection::Execute(std::string_view sql) {
    std::string text(sql);
    char* err = nullptr;
    if (sqlite3_exec(impl_->db, text.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
        std::string message = err ? err : sqlite3_errmsg(impl_->db);
        sqlite3_free(err);
        return EngineFailure(sqlite3_extended_errcode(impl_->db), std::move(message));
    }
    return {};
}

Status Connection::Run(const std::string& sql, std::span<const Value> parameters) {
    Impl::Cached* c = nullptr;
    if (Status st = impl_->Prepare(sql, 0, c); !st.Ok()) return st;
    for (std::size_t i = 0; i < parameters.size(); ++i)
        if (Status st = impl_->Bind(c->stmt, static_cast<int>(i + 1), parameters[i]); !st.Ok())
            return st;
    Status st = impl_->RunWrite(c->stmt);
    sqlite3_clear_bindings(c->stmt);
    return st;
}

Status Connection::Query(const std::string& sql, std::span<const Value> parameters, RowSink sink) {
    Impl::Cached* c = nullptr;
    if (Status st = impl_->Prepare(sql, 0, c); !st.Ok()) return st;
    struct Reset {
        sqlite3_stmt* stmt;
        ~Reset() {
            sqlite3_reset(stmt);
            sqlite3_clear_bindings(stmt);
        }
    } reset{c->stmt};
    for (std::size_t i = 0; i < parameters.size(); ++i)
        if (Status st = impl_->Bind(c->stmt, static_cast<int>(i + 1), parameters[i]); !st.Ok())
            return st;
    const RowView row(c->stmt, 0);
    for (;;) {
        const int rc = sqlite3_step(c->stmt);
        if (rc == SQLITE_DONE) return {};
        if (rc != SQLITE_ROW) return impl_->Failure();
        if (Status st = sink(0, row); !st.Ok()) return st;
    }
}

std::int64_t Connection::LastInsertRowId() const { return sqlite3_last_insert_rowid(impl_->db); }

bool CannotWrite(const Status& status) {
    const int code = status.EngineCode() & 0xff;
    return code == SQLITE_READONLY || code == SQLITE_CANTOPEN || code == SQLITE_PERM;
}

Status Connection::DeleteAll(std::string_view table) {
    Impl::Cached* c = nullptr;
    if (Status st = impl_->Prepare("DELETE FROM " + QuoteIdent(table), 0, c); !st.Ok()) return st;
    return impl_->RunWrite(c->stmt);
}

void Connection::StartOperation() {
    impl_->operationScoped = true;
    impl_->waiting = false;
}

Status Connection::Begin() {
    auto& impl = *impl_;
    if (impl.callerTransaction)
        return Status(StatusCode::Engine, "cannot start a transaction within a transaction");
    // The write lock is taken now (waiting for it as for any lock), not at the first write:
    // a transaction that has read first cannot wait for a writer that waits for its readers,
    // and would fail every write at once.
    Status st = Execute("BEGIN IMMEDIATE");
    if (st.Ok()) {
        impl.callerTransaction = true;
        impl.transactionFailure = {};
        ++impl.transactions;
    }
    return st;
}

namespace {

Status RolledBack(const Status& cause) {
    return Status(StatusCode::Engine,
                  "The transaction was rolled back after a failure (" + cause.Message() +
                      "); none of its changes were stored.",
                  cause.EngineCode());
}

}  // namespace

Status Connection::Commit() {
    auto& impl = *impl_;
    if (!impl.callerTransaction) return Execute("COMMIT");
    if (Status st = impl.BeforeWrite(); !st.Ok()) {
        // Failed before: what was written is gone, and the caller hears so now.
        if (!sqlite3_get_autocommit(impl.db)) Execute("ROLLBACK");
        Status cause = impl.transactionFailure;
        impl.callerTransaction = false;
        impl.transactionFailure = {};
        return RolledBack(cause);
    }
    Status st = Execute("COMMIT");
    if (st.Ok()) {
        impl.callerTransaction = false;
    } else if (sqlite3_get_autocommit(impl.db)) {
        impl.callerTransaction = false;
        return RolledBack(st);
    }
    // A commit that could not get its lock leaves the transaction open, to be tried again.
    return st;
}

Status Connection::Rollback() {
    auto& impl = *impl_;
    if (impl.callerTransaction && sqlite3_get_autocommit(impl.db)) {
        // The engine has undone it already.
        impl.callerTransaction = false;
        impl.transactionFailure = {};
        return {};
    }
    Status st = Execute("ROLLBACK");
    if (st.Ok() || sqlite3_get_autocommit(impl.db)) {
        impl.callerTransaction = false;
        impl.transactionFailure = {};
    }
    return st;
}

bool Connection::InTransaction() const { return sqlite3_get_autocommit(impl_->db) == 0; }

// ---------------------------------------------------------------------------------------
// Statements over a source

namespace {

using Cached = Connection::Impl::Cached;

// Builds the select text over a table (with its row id) or a stored query (without).
std::string SelectText(std::string_view source, std::span<const std::string_view> columns,
                       std::span<const Condition> conditions, bool withRowid, bool ordered,
                       bool firstOnly = false) {
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
    if (firstOnly) sql += " LIMIT 1";
    return sql;
}

// Prepares the select over a source: tables bring their row ids, stored queries cannot.
Status PrepareSelect(Connection& db, std::string_view source,
                     std::span<const std::string_view> columns,
                     std::span<const Condition> conditions, bool ordered, Cached*& out,
                     bool firstOnly = false) {
    auto& impl = db.impl();
    if (Status st =
            impl.Prepare(SelectText(source, columns, conditions, true, ordered, firstOnly), 1, out);
        !st.Ok())
        return st;
    // A table's row id comes from the table itself; a stored query yields a row id without
    // an origin, and its rows must keep the query's own order.
    if (sqlite3_column_table_name(out->stmt, 0)) return {};
    if (Status st = impl.Prepare(SelectText(source, columns, conditions, false, ordered, firstOnly),
                                 0, out);
        !st.Ok())
        return st;
    out->isView = true;
    return {};
}

}  // namespace

Status Connection::DeleteFirst(std::string_view source, std::span<const Condition> conditions,
                               bool& found) {
    found = false;
    auto& impl = *impl_;
    Cached* select = nullptr;
    if (Status st = PrepareSelect(*this, source, {}, conditions, true, select, true); !st.Ok())
        return st;
    if (!select->isView) {
        // One statement finds the first match and deletes it.
        std::string where = SelectText(source, {}, conditions, true, true, true);
        where.replace(0, std::string_view("SELECT rowid, *").size(), "SELECT rowid");
        Cached* del = nullptr;
        if (Status st = impl.Prepare(
                "DELETE FROM " + QuoteIdent(source) + " WHERE rowid = (" + where + ")", 0, del);
            !st.Ok())
            return st;
        if (Status st = impl.BindConditions(del->stmt, conditions); !st.Ok()) return st;
        if (Status st = impl.RunWrite(del->stmt); !st.Ok()) return st;
        found = sqlite3_changes(impl.db) > 0;
        return {};
    }
    // A row of a stored query: find it, then delete the first base-table row holding the
    // same values, both in one write transaction (the caller's, or one of its own), so no
    // other connection's change comes between.
    if (Status st = impl.BeforeWrite(); !st.Ok()) return st;
    const bool own = sqlite3_get_autocommit(impl.db) != 0;
    if (own)
        if (Status st = Execute("BEGIN IMMEDIATE"); !st.Ok()) return st;
    Status st = [&]() -> Status {
        Recordset rs;
        if (Status failed = Recordset::Lookup(*this, source, conditions, Access::Updatable, rs);
            !failed.Ok())
            return failed;
        if (rs.RecordCount() == 0) return {};
        found = true;
        rs.MoveFirst();
        return rs.Delete();
    }();
    if (own) {
        if (st.Ok()) st = Execute("COMMIT");
        if (!st.Ok() && !sqlite3_get_autocommit(impl.db)) Execute("ROLLBACK");
    } else {
        impl.AfterWrite(st);
    }
    if (!st.Ok()) found = false;
    return st;
}

// ---------------------------------------------------------------------------------------
// Recordset

Recordset::Recordset() = default;
Recordset::Recordset(Recordset&&) noexcept = default;
Recordset& Recordset::operator=(Recordset&&) noexcept = default;
Recordset::~Recordset() = default;

Status Recordset::Load(sqlite3_stmt* stmt, int skip) {
    auto& impl = db_->impl();
    rowids_.clear();
    cells_.clear();
    rowCount_ = 0;
    int total = 0;
    Status st;
    for (bool first = true;; first = false) {
        const int rc = sqlite3_step(stmt);
        if (first) {
            // Counted after the first step: when another connection changed the table, the
            // engine recompiles the statement there and "*" may stand for other columns.
            total = sqlite3_column_count(stmt);
            width_ = static_cast<std::size_t>(total - skip);
        }
        if (rc == SQLITE_DONE) break;
        if (rc != SQLITE_ROW) {
            st = impl.Failure();
            break;
        }
        if (skip) rowids_.push_back(sqlite3_column_int64(stmt, 0));
        RowView row(stmt, skip);
        for (int i = 0; i < total - skip; ++i) cells_.push_back(row.ValueAt(i));
        ++rowCount_;
    }
    sqlite3_reset(stmt);
    current_ = 0;
    return st;
}

Status Recordset::Open(Connection& db, std::string_view source, Access access, Recordset& out) {
    return Lookup(db, source, {}, access, out);
}

Status Recordset::Lookup(Connection& db, std::string_view source,
                         std::span<const Condition> conditions, Access access, Recordset& out) {
    Recordset rs;
    rs.db_ = &db;
    rs.source_ = source;
    rs.access_ = access;
    auto& impl = db.impl();
    // Rows come in the table's own order (its row ids), or the stored query's.
    Cached* c = nullptr;
    if (Status st = PrepareSelect(db, source, {}, conditions, true, c); !st.Ok()) return st;
    rs.isView_ = c->isView;
    if (Status st = impl.BindConditions(c->stmt, conditions); !st.Ok()) return st;
    if (Status st = rs.Load(c->stmt, c->isView ? 0 : 1); !st.Ok()) return st;
    Connection::Impl::Refresh(*c);
    rs.columns_ = c->columns;
    if (rs.isView_ && access == Access::Updatable) {
        // Remember where each column of the stored query comes from, to delete its row.
        for (int i = 0; i < sqlite3_column_count(c->stmt); ++i) {
            const char* table = sqlite3_column_table_name(c->stmt, i);
            const char* origin = sqlite3_column_origin_name(c->stmt, i);
            if (!table || !origin) continue;
            if (rs.baseTable_.empty()) rs.baseTable_ = table;
            if (rs.baseTable_ == table) rs.origins_.emplace_back(i, origin);
        }
    }
    out = std::move(rs);
    return {};
}

const Value* Recordset::Field(std::string_view name) const {
    const int pos = columns_ ? columns_->Find(name) : -1;
    if (pos < 0 || current_ >= rowCount_) return nullptr;
    return &cells_[current_ * width_ + static_cast<std::size_t>(pos)];
}

Status Recordset::Delete() {
    if (access_ == Access::ReadOnly)
        return Status(StatusCode::Engine, "Operation is not supported for this type of object.");
    if (current_ >= rowCount_) return Status(StatusCode::NotFound, "No current record.");
    auto& impl = db_->impl();
    Cached* del = nullptr;
    if (!isView_) {
        if (Status st =
                impl.Prepare("DELETE FROM " + QuoteIdent(source_) + " WHERE rowid = ?1", 0, del);
            !st.Ok())
            return st;
        sqlite3_bind_int64(del->stmt, 1, rowids_[current_]);
        return impl.Run(del->stmt);
    }
    // A row of a stored query: delete the first base-table row holding the same values.
    if (baseTable_.empty() || origins_.empty())
        return Status(StatusCode::Engine,
                      "Cannot delete from the query " + source_ + ": it has no base table.");
    std::string where;
    for (std::size_t i = 0; i < origins_.size(); ++i) {
        if (i) where += " AND ";
        where += QuoteIdent(origins_[i].second) + " IS ?" + std::to_string(i + 1);
    }
    const std::string table = QuoteIdent(baseTable_);
    if (Status st = impl.Prepare("DELETE FROM " + table + " WHERE rowid = (SELECT rowid FROM " +
                                     table + " WHERE " + where + " ORDER BY rowid LIMIT 1)",
                                 0, del);
        !st.Ok())
        return st;
    for (std::size_t i = 0; i < origins_.size(); ++i) {
        const Value& v = cells_[current_ * width_ + static_cast<std::size_t>(origins_[i].first)];
        if (Status st = impl.Bind(del->stmt, static_cast<int>(i + 1), v); !st.Ok()) return st;
    }
    if (Status st = impl.Run(del->stmt); !st.Ok()) return st;
    if (sqlite3_changes(impl.db) == 0)
        return Status(StatusCode::NotFound, "The record to delete no longer exists.");
    return {};
}

// ---------------------------------------------------------------------------------------
// Rows read in place

Value::Type RowView::TypeAt(int position) const {
    switch (sqlite3_column_type(stmt_, position + skip_)) {
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
    auto* stmt = stmt_;
    auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, position + skip_));
    return text ? std::string_view(
                      text, static_cast<std::size_t>(sqlite3_column_bytes(stmt, position + skip_)))
                : std::string_view();
}

std::int64_t RowView::IntAt(int position) const {
    return sqlite3_column_int64(stmt_, position + skip_);
}

double RowView::RealAt(int position) const {
    return sqlite3_column_double(stmt_, position + skip_);
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

namespace {

// The column probe of a source: its whole row, limited to none. Run, it costs next to
// nothing, and the engine compiles it anew first when another connection changed the
// source, so its column names are the source's own after each run.
Status PrepareProbe(Connection& db, std::string_view source, Cached*& out) {
    auto& impl = db.impl();
    const std::string from = " FROM " + QuoteIdent(source) + " LIMIT 0";
    if (Status st = impl.Prepare("SELECT rowid, *" + from, 1, out); !st.Ok()) return st;
    if (sqlite3_column_table_name(out->stmt, 0)) return {};
    if (Status st = impl.Prepare("SELECT *" + from, 0, out); !st.Ok()) return st;
    out->isView = true;
    return {};
}

Status RunProbe(Cached& probe) {
    const int rc = sqlite3_step(probe.stmt);
    sqlite3_reset(probe.stmt);
    if (rc != SQLITE_DONE && rc != SQLITE_ROW)
        return Status(StatusCode::Engine, "the column probe failed", rc);
    Connection::Impl::Refresh(probe);
    return {};
}

}  // namespace

Status Scan(Connection& db, std::string_view source, std::span<const std::string_view> columns,
            std::vector<int>& positions, RowSink sink, ScanResult& result) {
    auto& impl = db.impl();
    result = {};
    Cached* probe = nullptr;
    if (Status st = PrepareProbe(db, source, probe); !st.Ok()) return st;
    for (bool checked = false;;) {
        // Only the columns the source has are read; the others are reported absent.
        const std::shared_ptr<const Columns> names = probe->columns;
        std::vector<std::string_view> present;
        positions.assign(columns.size(), -1);
        for (std::size_t i = 0; i < columns.size(); ++i)
            if (names->Find(columns[i]) >= 0) {
                positions[i] = static_cast<int>(present.size());
                present.push_back(columns[i]);
            }
        // Without an ORDER BY the engine may read a narrow scan from an index, far cheaper
        // than the table itself; the caller restores the table's order from the row ids.
        Cached* c = nullptr;
        if (Status st = PrepareSelect(db, source, present, {}, false, c); !st.Ok()) return st;
        auto* stmt = c->stmt;
        const int skip = c->isView ? 0 : 1;
        struct Reset {
            sqlite3_stmt* stmt;
            ~Reset() { sqlite3_reset(stmt); }
        } reset{stmt};
        int rc = sqlite3_step(stmt);
        const Status failed = rc == SQLITE_ROW || rc == SQLITE_DONE ? Status() : impl.Failure();
        if (!checked) {
            // The columns were those of the probe's last run; another connection may have
            // changed the source since. While this read runs, nothing can change it, so the
            // probe run now names the columns it has; when they differ (or the read failed
            // because a column is gone), the read starts again with them.
            checked = true;
            if (RunProbe(*probe).Ok() && probe->columns != names &&
                probe->columns->names != names->names)
                continue;
        }
        if (!failed.Ok()) return failed;
        std::int64_t last = std::numeric_limits<std::int64_t>::min();
        const RowView view(stmt, skip);
        for (; rc != SQLITE_DONE; rc = sqlite3_step(stmt)) {
            if (rc != SQLITE_ROW) return impl.Failure();
            const std::int64_t rowid = skip ? sqlite3_column_int64(stmt, 0) : 0;
            if (rowid < last) result.inTableOrder = false;
            last = rowid;
            if (Status st = sink(rowid, view); !st.Ok()) return st;
            ++result.rows;
        }
        return {};
    }
}

Cursor::~Cursor() {
    if (stmt_) sqlite3_reset(stmt_);
}

Status Cursor::Seek(Connection& db, std::string_view source, std::span<const Condition> conditions,
                    const void* shape, Cursor& out) {
    auto& impl = db.impl();
    Cached* c = nullptr;
    auto& shapes = impl.shapes;
    if (auto it = shape ? shapes.find(shape) : shapes.end(); it != shapes.end()) {
        c = it->second;
        sqlite3_reset(c->stmt);
        sqlite3_clear_bindings(c->stmt);
    } else {
        if (Status st = PrepareSelect(db, source, {}, conditions, true, c, true); !st.Ok())
            return st;
        if (shape) shapes.emplace(shape, c);
    }
    if (out.stmt_) sqlite3_reset(out.stmt_);
    out.stmt_ = c->stmt;
    out.hasRow_ = false;
    if (Status st = impl.BindConditions(c->stmt, conditions); !st.Ok()) return st;
    const int rc = sqlite3_step(c->stmt);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) return impl.Failure();
    // A recompiled statement (another connection changed the table) names its columns anew.
    Connection::Impl::Refresh(*c);
    out.columns_ = c->columns;
    out.hasRow_ = rc == SQLITE_ROW;
    out.row_ = RowView(c->stmt, c->isView ? 0 : 1);
    return {};
}

// ---------------------------------------------------------------------------------------
// Appending

Status RowWriter::Open(Connection& db, std::string_view table, RowWriter& out, const void* key) {
    auto& impl = db.impl();
    Cached* c = nullptr;
    if (auto it = key ? impl.probes.find(key) : impl.probes.end(); it != impl.probes.end()) {
        c = it->second;
    } else {
        if (Status st = impl.Prepare("SELECT * FROM " + QuoteIdent(table) + " LIMIT 0", 0, c);
            !st.Ok())
            return st;
        if (key) impl.probes.emplace(key, c);
    }
    // Stepping lets the engine recompile the statement when the table changed elsewhere, so
    // the columns are the table's own now. Within a caller's transaction, which holds the
    // write lock, no other connection can change a table: one look per transaction will do.
    if (!impl.callerTransaction || c->probedIn != impl.transactions) {
        const int rc = sqlite3_step(c->stmt);
        sqlite3_reset(c->stmt);
        if (rc != SQLITE_DONE && rc != SQLITE_ROW) return impl.Failure();
        Connection::Impl::Refresh(*c);
        c->probedIn = impl.callerTransaction ? impl.transactions : 0;
    }
    out.db_ = &db;
    out.table_ = table;
    out.columns_ = c->columns;
    out.pending_.clear();
    out.slot_.assign(out.columns_->names.size(), -1);
    return {};
}

void RowWriter::Set(int position, Value value) {
    // A column set again replaces its value; where each column's value sits is kept by
    // position, so setting stays one step however many columns a row has.
    const auto p = static_cast<std::size_t>(position);
    if (p >= slot_.size()) slot_.resize(p + 1, -1);
    if (slot_[p] >= 0) {
        pending_[static_cast<std::size_t>(slot_[p])].second = std::move(value);
        return;
    }
    slot_[p] = static_cast<int>(pending_.size());
    pending_.emplace_back(position, std::move(value));
}

Status RowWriter::Insert() {
    auto& impl = db_->impl();
    // An insert statement is prepared once per column set and the positions it fills.
    Cached* c = nullptr;
    for (const auto& insert : impl.inserts) {
        if (insert.columns != columns_.get() || insert.positions.size() != pending_.size())
            continue;
        bool same = true;
        for (std::size_t i = 0; i < pending_.size() && same; ++i)
            same = insert.positions[i] == pending_[i].first;
        if (same) {
            c = insert.cached;
            break;
        }
    }
    if (!c) {
        std::string sql = "INSERT INTO " + QuoteIdent(table_);
        std::vector<int> positions;
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
                positions.push_back(pending_[i].first);
            }
            sql += ") VALUES (" + values + ")";
        }
        if (Status st = impl.Prepare(sql, 0, c); !st.Ok()) return st;
        // Column sets live as long as their statement's cache entry, which the list keeps.
        impl.inserts.push_back({columns_.get(), std::move(positions), c});
        impl.insertColumns.push_back(columns_);
    } else {
        sqlite3_reset(c->stmt);
    }
    for (std::size_t i = 0; i < pending_.size(); ++i)
        if (Status st = impl.Bind(c->stmt, static_cast<int>(i + 1), pending_[i].second); !st.Ok())
            return st;
    Status st = impl.RunWrite(c->stmt);
    sqlite3_clear_bindings(c->stmt);
    pending_.clear();
    slot_.clear();
    return st;
}

// ---------------------------------------------------------------------------------------

Status CreateDatabase(const std::string& path, std::string_view script) {
    if (access(path.c_str(), F_OK) == 0)
        return Status(StatusCode::Engine, "The file already exists: " + path);
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
        return Status(StatusCode::Engine, "Unable to create the database " + path + ": " + error,
                      rc);
    }
    return {};
}

}  // namespace OrvaneLib::dal
