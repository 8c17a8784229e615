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
// It opens a connection of its own to the database file, so that building the index in a
// write transaction of its own leaves the caller's connection (and any transaction it has
// begun) alone.
#include <cctype>
#include <map>
#include <set>

#include "database/access.hpp"
#include "orvane/maintenance.hpp"

namespace OrvaneLib {

namespace detail {
namespace {

constexpr int kTableShift = 40;  // the table's number sits above the row's own id

using Db = dal::Connection;

// One row's cells of a query, read as texts and numbers.
struct Cells {
    const dal::RowView* row = nullptr;
    std::int64_t Int(int i) const { return row->IntAt(i); }
    double Real(int i) const { return row->RealAt(i); }
    std::string Text(int i) const { return std::string(row->TextAt(i)); }
};

// The rows of a query, each handed to `each`; `params` are bound in order.
template <class Each>
Status ForRows(Db& db, const std::string& sql, std::initializer_list<dal::Value> params,
               Each each) {
    auto sink = [&](std::int64_t, const dal::RowView& row) -> Status {
        each(Cells{&row});
        return {};
    };
    return db.Query(sql, {params.begin(), params.size()}, sink);
}

// Whether a query gives a row at all.
Status HasRow(Db& db, const std::string& sql, std::initializer_list<dal::Value> params,
              bool& found) {
    found = false;
    return ForRows(db, sql, params, [&](const Cells&) { found = true; });
}

std::string Ident(std::string_view name) { return dal::QuoteIdent(name); }

Status Columns(Db& db, const std::string& table, std::set<std::string>& columns) {
    return ForRows(db, "SELECT lower(name) FROM pragma_table_info(?1)", {dal::Value::Text(table)},
                   [&](const Cells& row) { columns.insert(row.Text(0)); });
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
    if (Status st = db.Execute("BEGIN IMMEDIATE"); !st.Ok()) return st;
    auto fail = [&](Status st) {
        (void)db.Execute("ROLLBACK");
        return st;
    };
    if (Status st = db.Execute("CREATE VIRTUAL TABLE IF NOT EXISTS " + fts +
                               " USING fts5(name, description, tokenize = 'unicode61 "
                               "remove_diacritics 2'); CREATE TABLE IF NOT EXISTS " +
                               map + " (id INTEGER PRIMARY KEY, tbl TEXT UNIQUE NOT NULL)");
        !st.Ok())
        return fail(st);
    for (const TableKind* kind : RecordTables()) {
        std::set<std::string> columns;
        if (Status st = Columns(db, kind->table, columns); !st.Ok()) return fail(st);
        if (columns.empty()) continue;  // the database lacks this (optional) table
        const dal::Value table = dal::Value::Text(kind->table);
        std::int64_t id = 0;
        if (Status st = ForRows(db, "SELECT id FROM " + map + " WHERE tbl = ?1", {table},
                                [&](const Cells& row) { id = row.Int(0); });
            !st.Ok())
            return fail(st);
        if (id == 0) {
            if (Status st = db.Run("INSERT INTO " + map + " (tbl) VALUES (?1)", {&table, 1});
                !st.Ok())
                return fail(st);
            id = db.LastInsertRowId();
        }
        ids[id] = kind;
        const std::string trigger = "orvane_search_" + Lower(kind->table);
        bool current = !lasting;
        if (lasting) {
            std::int64_t triggers = 0;
            if (Status st = ForRows(db,
                                    "SELECT count(*) FROM sqlite_master WHERE type = 'trigger' "
                                    "AND name IN (?1 || '_insert', ?1 || '_delete', ?1 || "
                                    "'_update')",
                                    {dal::Value::Text(trigger)},
                                    [&](const Cells& row) { triggers = row.Int(0); });
                !st.Ok())
                return fail(st);
            current = triggers == 3;
        }
        bool hasRows = false;
        if (Status st =
                HasRow(db, "SELECT 1 FROM " + fts + " WHERE rowid BETWEEN ?1 AND ?2 LIMIT 1",
                       {dal::Value::Int(id << kTableShift),
                        dal::Value::Int(((id + 1) << kTableShift) - 1)},
                       hasRows);
            !st.Ok())
            return fail(st);
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
        if (Status st = db.Execute(sql); !st.Ok()) return fail(st);
    }
    return db.Execute("COMMIT");
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
    std::unique_ptr<Db> connection;
    if (Status st = Db::Open(s.dbData->Path(), connection); !st.Ok()) return R{st};
    Db& db = *connection;
    std::map<std::int64_t, const TableKind*> ids;
    std::string schema = "main";
    if (Status st = Prepare(db, schema, ids); !st.Ok()) {
        if (!dal::CannotWrite(st)) return R{st};
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
    std::vector<dal::Value> params = {dal::Value::Text(query)};
    if (only) params.insert(params.end(), {dal::Value::Int(lo), dal::Value::Int(hi)});
    struct Found {
        std::int64_t rowid;
        std::string snippet;
        double score;
    };
    std::vector<Found> found;
    auto sink = [&](std::int64_t, const dal::RowView& row) -> Status {
        found.push_back({row.IntAt(0), std::string(row.TextAt(1)), row.RealAt(2)});
        return {};
    };
    if (Status st = db.Query(sql, params, sink); !st.Ok()) return R{st};
    R result;
    for (const Found& f : found) {
        const auto it = ids.find(f.rowid >> kTableShift);
        if (it == ids.end()) continue;
        const TableKind& kind = *it->second;
        SearchHit hit;
        hit.Kind = kind.name;
        hit.Snippet = f.snippet;
        hit.Score = f.score;
        std::string columns;
        for (const Field* k : kind.keys)
            columns += (columns.empty() ? "" : ", ") + Ident(k->column);
        if (kind.station) columns += ", " + Ident("Station");
        bool present = false;
        if (Status st = ForRows(
                db, "SELECT " + columns + " FROM main." + Ident(kind.table) + " WHERE rowid = ?1",
                {dal::Value::Int(f.rowid & ((std::int64_t{1} << kTableShift) - 1))},
                [&](const Cells& row) {
                    present = true;
                    for (std::size_t i = 0; i < kind.keys.size(); ++i) {
                        hit.Keys.push_back(row.Text(static_cast<int>(i)));
                        hit.Name += (hit.Name.empty() ? "" : " ") + hit.Keys.back();
                    }
                    if (kind.station)
                        hit.Station = row.Int(static_cast<int>(kind.keys.size())) != 0;
                });
            !st.Ok())
            return R{st};
        if (present) result.value.push_back(std::move(hit));  // else changed meanwhile
    }
    return result;
}

}  // namespace OrvaneLib
