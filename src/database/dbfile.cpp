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

// Runs `work` on a connection to an existing database file; the engine's failures become
// std::runtime_error, as CreateRulesDatabase reports them.
template <class Work>
auto WithDatabase(const std::string& path, Work&& work) {
    try {
        dal::Connection db(path);
        return work(db);
    } catch (const dal::Error& e) {
        throw std::runtime_error(e.what());
    }
}

// A text as an SQL string literal: quotes doubled, nothing else escaped.
std::string Literal(const std::string& text) {
    std::string out = "'";
    for (char c : text) out += c == '\'' ? std::string("''") : std::string(1, c);
    return out + "'";
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
    WithDatabase(path, [&](dal::Connection& db) {
        if (!db.HasObject("tblInfo"))
            throw std::runtime_error(path + " has no database information table (tblInfo)");
        // FileDate and Version read the first row in table order: that row is changed, or
        // the row is added when there is none. One transaction, so a failure changes nothing.
        const std::string date = Literal(Today()), info = Literal(version);
        db.Execute(
            "BEGIN IMMEDIATE;"
            "UPDATE tblInfo SET \"Date\" = " +
            date + ", \"Info\" = " + info +
            " WHERE rowid = (SELECT rowid FROM tblInfo ORDER BY rowid LIMIT 1);"
            "INSERT INTO tblInfo (\"Date\", \"Info\") SELECT " +
            date + ", " + info +
            " WHERE NOT EXISTS (SELECT 1 FROM tblInfo);"
            "COMMIT;");
    });
}

std::vector<std::string> MissingSchemaTables(const std::string& path) {
    return WithDatabase(path, [](dal::Connection& db) {
        std::vector<std::string> missing;
        for (const auto& name : SchemaObjects())
            if (!db.HasObject(name)) missing.push_back(name);
        return missing;
    });
}

std::vector<std::pair<std::string, std::string>> KeywordRows(const std::string& path) {
    return WithDatabase(path, [](dal::Connection& db) {
        std::vector<std::pair<std::string, std::string>> rows;
        if (!db.HasObject("tblKeywords")) return rows;
        auto rs = dal::Recordset::Open(db, "tblKeywords", dal::Access::Table);
        auto text = [&](const char* column) {
            const dal::Value& v = rs.Field(column);
            return v.IsNull() ? std::string() : detail::CellText(v);
        };
        for (rs.MoveFirst(); !rs.EndOfRows(); rs.MoveNext())
            rows.emplace_back(text("Keyword"), text("Name"));
        return rows;
    });
}

}  // namespace OrvaneLib
