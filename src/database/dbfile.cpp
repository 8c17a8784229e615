// A rules database file as a whole, for tools that make, stamp and inspect one: its
// information row, the schema tables it lacks and the keyword rows with their own numbers.
#include <ctime>
#include <stdexcept>

#include "database/convert.hpp"
#include "database/dal.hpp"
#include "orvane/database.hpp"

namespace OrvaneLib {

namespace detail {
extern const char* const kSchemaSql;
}  // namespace detail

namespace {

// A connection to an existing database file; a failure throws std::runtime_error, as
// CreateRulesDatabase reports its failures.
void Check(const Status& st) {
    if (!st.Ok()) throw std::runtime_error(st.Message());
}

std::unique_ptr<dal::Connection> Open(const std::string& path) {
    std::unique_ptr<dal::Connection> db;
    Check(dal::Connection::Open(path, db));
    return db;
}

bool Has(dal::Connection& db, std::string_view name) {
    bool exists = false;
    Check(db.HasObject(name, exists));
    return exists;
}

// Today's local date, "2026-12-01".
std::string Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

// The names of the tables and stored queries the schema creates, in schema order.
std::vector<std::string> SchemaObjects() {
    std::vector<std::string> names;
    const std::string_view schema = detail::kSchemaSql;
    for (const std::string_view create : {"CREATE TABLE ", "CREATE VIEW "}) {
        for (auto at = schema.find(create); at != std::string_view::npos;
             at = schema.find(create, at + 1)) {
            const auto begin = at + create.size();
            const auto end = schema.find_first_of(" (\n", begin);
            names.emplace_back(schema.substr(begin, end - begin));
        }
    }
    return names;
}

}  // namespace

void SetDatabaseInfo(const std::string& path, const std::string& version) {
    if (version.find('\0') != std::string::npos)
        throw std::invalid_argument("a version text cannot hold a NUL character");
    auto db = Open(path);
    if (!Has(*db, "tblInfo"))
        throw std::runtime_error(path + " has no database information table (tblInfo)");
    // FileDate and Version read the first row in table order: that row is changed, or the
    // row is added when there is none. One transaction, so a failure changes nothing.
    const dal::Value values[] = {dal::Value::Text(Today()), dal::Value::Text(version)};
    Check(db->Execute("BEGIN IMMEDIATE"));
    Status st = db->Run(
        "UPDATE tblInfo SET \"Date\" = ?1, \"Info\" = ?2 "
        "WHERE rowid = (SELECT rowid FROM tblInfo ORDER BY rowid LIMIT 1)",
        values);
    if (st.Ok())
        st = db->Run(
            "INSERT INTO tblInfo (\"Date\", \"Info\") SELECT ?1, ?2 "
            "WHERE NOT EXISTS (SELECT 1 FROM tblInfo)",
            values);
    if (st.Ok()) st = db->Commit();
    if (!st.Ok()) (void)db->Rollback();
    Check(st);
}

std::vector<std::string> MissingSchemaTables(const std::string& path) {
    auto db = Open(path);
    std::vector<std::string> missing;
    for (const auto& name : SchemaObjects())
        if (!Has(*db, name)) missing.push_back(name);
    return missing;
}

std::vector<std::pair<std::string, std::string>> KeywordRows(const std::string& path) {
    auto db = Open(path);
    std::vector<std::pair<std::string, std::string>> rows;
    if (!Has(*db, "tblKeywords")) return rows;
    dal::Recordset rs;
    Check(dal::Recordset::Open(*db, "tblKeywords", dal::Access::Table, rs));
    auto text = [&](const char* column) {
        const dal::Value* v = rs.Field(column);
        if (!v) throw std::runtime_error(std::string("tblKeywords has no column ") + column);
        return v->IsNull() ? std::string() : detail::CellText(*v);
    };
    for (rs.MoveFirst(); !rs.EndOfRows(); rs.MoveNext())
        rows.emplace_back(text("Keyword"), text("Name"));
    return rows;
}

}  // namespace OrvaneLib
