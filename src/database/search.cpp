// Full-text search over the names and descriptions of every record kind, with SQLite's FTS5.
//
// The index lives in the database file: one FTS5 table (orvane_search) holding, per row of
// each record table, the row's key texts as its name and its description, under a row id
// that joins the table's number (orvane_search_tables) and the row's own id. It is built on
// the first search, and from then on kept in step by triggers on each record table, so that
// every add and delete, by this library or any other program, changes the index in the same
// transaction. Triggers were chosen over rebuilding when the tables change because SQLite
// keeps no lasting per-table change count: a count of rows and the highest row id survive a
// delete followed by an add that reuses the row id (exactly what replacing the last entry
// does), and hashing every row to find out costs nearly what indexing it does. Creating the
// index on first use, rather than in the schema, leaves databases that are never searched,
// and bulk loads into fresh ones, without the triggers' cost. A table that is created again
// later (and so lost its triggers) has its part of the index rebuilt on the next search. A
// database that cannot be written to is searched through a temporary index of its own.
//
// It opens a connection of its own to the database file: the search needs statements of its
// own (MATCH, snippets, ranking) that the data-access layer does not offer.
#include <sqlite3.h>

#include <cctype>
#include <map>
#include <set>

#include "database/access.hpp"
#include "orvane/maintenance.hpp"

namespace OrvaneLib {

namespace detail {
namespace {

constexpr int kTableShift = 40;  // the table's number sits above the row's own id

class Db {
  public:
    ~Db() {
        if (db_) sqlite3_close_v2(db_);
    }
    Status Open(const std::string& path) {
        if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_URI, nullptr) !=
            SQLITE_OK)
            return Failure();
        sqlite3_busy_timeout(db_, dal::BusyTimeout());
        return {};
    }
    Status Exec(const std::string& sql) {
        char* message = nullptr;
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message) == SQLITE_OK) return {};
        std::string text = message ? message : sqlite3_errmsg(db_);
        sqlite3_free(message);
        return Status(StatusCode::Engine, text, sqlite3_extended_errcode(db_));
    }
    Status Failure() const {
        return Status(StatusCode::Engine, db_ ? sqlite3_errmsg(db_) : "out of memory",
                      db_ ? sqlite3_extended_errcode(db_) : SQLITE_NOMEM);
    }
    sqlite3* get() const { return db_; }

  private:
    sqlite3* db_ = nullptr;
};

class Stmt {
  public:
    Stmt(Db& db, const std::string& sql) : db_(db) {
        if (sqlite3_prepare_v2(db.get(), sql.c_str(), -1, &stmt_, nullptr) != SQLITE_OK)
            status_ = db.Failure();
    }
    ~Stmt() { sqlite3_finalize(stmt_); }
    Stmt(const Stmt&) = delete;
    Stmt& operator=(const Stmt&) = delete;
    const Status& status() const { return status_; }
    // True for a row; false when done or failed (status() tells).
    bool Step() {
        if (!stmt_) return false;
        const int rc = sqlite3_step(stmt_);
        if (rc == SQLITE_ROW) return true;
        if (rc != SQLITE_DONE) status_ = db_.Failure();
        return false;
    }
    void Reset() { sqlite3_reset(stmt_); }
    void Bind(int i, std::int64_t v) { sqlite3_bind_int64(stmt_, i, v); }
    void Bind(int i, const std::string& v) {
        sqlite3_bind_text(stmt_, i, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
    }
    std::int64_t Int(int i) { return sqlite3_column_int64(stmt_, i); }
    double Real(int i) { return sqlite3_column_double(stmt_, i); }
    bool Null(int i) { return sqlite3_column_type(stmt_, i) == SQLITE_NULL; }
    std::string Text(int i) {
        const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, i));
        return t ? std::string(t, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, i)))
                 : std::string();
    }

  private:
    Db& db_;
    sqlite3_stmt* stmt_ = nullptr;
    Status status_;
};

std::string Ident(std::string_view name) { return dal::QuoteIdent(name); }

// The record tables, each once, with the kind that stands for it in hits (the first by name).
std::vector<const TableKind*> IndexedTables() {
    std::vector<const TableKind*> tables;
    std::set<std::string> seen;
    for (const auto& info : RecordKinds()) {
        const TableKind& t = TableOf(info);
        if (seen.insert(t.table).second) tables.push_back(&t);
    }
    return tables;
}

Status Columns(Db& db, const std::string& table, std::set<std::string>& columns) {
    Stmt info(db, "SELECT lower(name) FROM pragma_table_info(?1)");
    if (!info.status().Ok()) return info.status();
    info.Bind(1, table);
    while (info.Step()) columns.insert(info.Text(0));
    return info.status();
}

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// What a table's rows put in the index: its key texts as the name, its description.
struct Indexed {
    std::string name, description;  // SQL expressions over `prefix` ("new." or "")
};

Indexed IndexedOf(const TableKind& kind, const std::set<std::string>& columns,
                  const std::string& prefix) {
    Indexed x;
    for (const Field* k : kind.keys) {
        if (!x.name.empty()) x.name += " || ' ' || ";
        x.name += "coalesce(CAST(" + prefix + Ident(k->column) + " AS TEXT), '')";
    }
    x.description = columns.count("description") ? prefix + Ident("Description") : "NULL";
    return x;
}

// Makes sure the index exists in schema `schema` ("main" or "temp") and covers every table;
// with triggers only in the main schema.
Status Prepare(Db& db, const std::string& schema, std::map<std::int64_t, const TableKind*>& ids) {
    const bool lasting = schema == "main";
    const std::string fts = schema + ".orvane_search", map = schema + ".orvane_search_tables";
    if (Status st = db.Exec("BEGIN IMMEDIATE"); !st.Ok()) return st;
    auto fail = [&](Status st) {
        db.Exec("ROLLBACK");
        return st;
    };
    if (Status st = db.Exec("CREATE VIRTUAL TABLE IF NOT EXISTS " + fts +
                            " USING fts5(name, description, tokenize = 'unicode61 "
                            "remove_diacritics 2'); CREATE TABLE IF NOT EXISTS " +
                            map + " (id INTEGER PRIMARY KEY, tbl TEXT UNIQUE NOT NULL)");
        !st.Ok())
        return fail(st);
    for (const TableKind* kind : IndexedTables()) {
        std::set<std::string> columns;
        if (Status st = Columns(db, kind->table, columns); !st.Ok()) return fail(st);
        if (columns.empty()) continue;  // the database lacks this (optional) table
        Stmt find(db, "SELECT id FROM " + map + " WHERE tbl = ?1");
        find.Bind(1, kind->table);
        std::int64_t id = 0;
        if (find.Step()) {
            id = find.Int(0);
        } else {
            if (!find.status().Ok()) return fail(find.status());
            Stmt add(db, "INSERT INTO " + map + " (tbl) VALUES (?1)");
            add.Bind(1, kind->table);
            add.Step();
            if (!add.status().Ok()) return fail(add.status());
            id = sqlite3_last_insert_rowid(db.get());
        }
        ids[id] = kind;
        const std::string trigger = "orvane_search_" + Lower(kind->table);
        bool current = !lasting;
        if (lasting) {
            Stmt has(db,
                     "SELECT count(*) FROM sqlite_master WHERE type = 'trigger' AND name IN "
                     "(?1 || '_insert', ?1 || '_delete', ?1 || '_update')");
            has.Bind(1, trigger);
            current = has.Step() && has.Int(0) == 3;
        }
        Stmt filled(db, "SELECT 1 FROM " + fts + " WHERE rowid BETWEEN ?1 AND ?2 LIMIT 1");
        filled.Bind(1, id << kTableShift);
        filled.Bind(2, ((id + 1) << kTableShift) - 1);
        const bool hasRows = filled.Step();
        if (current && (lasting || hasRows)) continue;

        // (Re)build this table's part of the index, and its triggers.
        const std::string base = std::to_string(id) + " << " + std::to_string(kTableShift);
        const std::string t = Ident(kind->table);
        const Indexed row = IndexedOf(*kind, columns, ""),
                      added = IndexedOf(*kind, columns, "new.");
        std::string sql = "DELETE FROM " + fts + " WHERE rowid BETWEEN (" + base + ") AND ((" +
                          std::to_string(id + 1) + " << " + std::to_string(kTableShift) +
                          ") - 1); INSERT INTO " + fts + " (rowid, name, description) SELECT (" +
                          base + ") + rowid, " + row.name + ", " + row.description + " FROM main." +
                          t + ";";
        if (lasting) {
            const std::string del =
                "DELETE FROM orvane_search WHERE rowid = (" + base + ") + old.rowid;";
            const std::string ins =
                "INSERT INTO orvane_search (rowid, name, description) VALUES ((" + base +
                ") + new.rowid, " + added.name + ", " + added.description + ");";
            sql += "DROP TRIGGER IF EXISTS " + Ident(trigger + "_insert") +
                   "; DROP TRIGGER IF EXISTS " + Ident(trigger + "_delete") +
                   "; DROP TRIGGER IF EXISTS " + Ident(trigger + "_update") + "; CREATE TRIGGER " +
                   Ident(trigger + "_insert") + " AFTER INSERT ON " + t + " BEGIN " + ins +
                   " END; CREATE TRIGGER " + Ident(trigger + "_delete") + " AFTER DELETE ON " + t +
                   " BEGIN " + del + " END; CREATE TRIGGER " + Ident(trigger + "_update") +
                   " AFTER UPDATE ON " + t + " BEGIN " + del + " " + ins + " END;";
        }
        if (Status st = db.Exec(sql); !st.Ok()) return fail(st);
    }
    return db.Exec("COMMIT");
}

// The words of the text as an FTS5 query: each word quoted, matching as a prefix too.
std::string Query(const std::string& text) {
    std::string query, word;
    auto flush = [&] {
        if (word.empty()) return;
        std::string quoted = "\"";
        for (char c : word) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
        query += (query.empty() ? "" : " ") + quoted + "\"*";
        word.clear();
    };
    for (char c : text) {
        if (std::isspace(static_cast<unsigned char>(c)))
            flush();
        else
            word += c;
    }
    flush();
    return query;
}

}  // namespace
}  // namespace detail

using namespace detail;

Result<std::vector<SearchHit>> SearchRecords(clsDatabase& database, const std::string& text,
                                             const std::optional<KindInfo>& only, int limit) {
    using R = Result<std::vector<SearchHit>>;
    const std::string query = Query(text);
    if (query.empty()) return R{Status(StatusCode::BadKey, "Nothing to search for")};
    DatabaseState& s = StateAccess::Of(database);
    if (Status st = s.EnsureOpen(); !st.Ok()) return R{st};
    Db db;
    if (Status st = db.Open(s.dbData->Path()); !st.Ok()) return R{st};
    std::map<std::int64_t, const TableKind*> ids;
    std::string schema = "main";
    if (Status st = Prepare(db, schema, ids); !st.Ok()) {
        const int code = st.EngineCode() & 0xff;
        if (code != SQLITE_READONLY && code != SQLITE_CANTOPEN && code != SQLITE_PERM) return R{st};
        schema = "temp";
        ids.clear();
        if (Status again = Prepare(db, schema, ids); !again.Ok()) return R{again};
    }

    std::string sql =
        "SELECT rowid, snippet(orvane_search, -1, '[', ']', '...', 12), "
        "bm25(orvane_search, 10.0, 1.0) AS score FROM " +
        schema + ".orvane_search WHERE orvane_search MATCH ?1";
    std::int64_t lo = 0, hi = 0;
    if (only) {
        const TableKind& t = TableOf(*only);
        for (const auto& [id, kind] : ids)
            if (kind->table == t.table) {
                lo = id << kTableShift;
                hi = ((id + 1) << kTableShift) - 1;
            }
        if (hi == 0) return R{};  // the database lacks the kind's table: nothing to find
        sql += " AND rowid BETWEEN ?2 AND ?3";
    }
    sql += " ORDER BY score LIMIT " + std::to_string(limit > 0 ? limit : 50);
    Stmt find(db, sql);
    if (!find.status().Ok()) return R{find.status()};
    find.Bind(1, query);
    if (only) {
        find.Bind(2, lo);
        find.Bind(3, hi);
    }
    R result;
    while (find.Step()) {
        const std::int64_t rowid = find.Int(0);
        const auto it = ids.find(rowid >> kTableShift);
        if (it == ids.end()) continue;
        const TableKind& kind = *it->second;
        SearchHit hit;
        hit.Kind = kind.name;
        hit.Snippet = find.Text(1);
        hit.Score = find.Real(2);
        std::string columns;
        for (const Field* k : kind.keys)
            columns += (columns.empty() ? "" : ", ") + Ident(k->column);
        if (kind.station) columns += ", " + Ident("Station");
        Stmt row(db, "SELECT " + columns + " FROM main." + Ident(kind.table) + " WHERE rowid = ?1");
        row.Bind(1, rowid & ((std::int64_t{1} << kTableShift) - 1));
        if (!row.Step()) continue;  // changed by another program meanwhile
        for (std::size_t i = 0; i < kind.keys.size(); ++i) {
            hit.Keys.push_back(row.Text(static_cast<int>(i)));
            hit.Name += (hit.Name.empty() ? "" : " ") + hit.Keys.back();
        }
        if (kind.station) hit.Station = row.Int(static_cast<int>(kind.keys.size())) != 0;
        result.value.push_back(std::move(hit));
    }
    if (!find.status().Ok()) return R{find.status()};
    return result;
}

}  // namespace OrvaneLib
