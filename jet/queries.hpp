// The stored queries of a Jet file as SQLite views. The engine keeps each query as rows of
// its table MSysQueries (one per part: type, tables, columns, joins, conditions, order);
// a single-table SELECT with its columns, conditions, grouping and order becomes a SELECT
// of SQLite that gives the same rows in the same order. Anything else (joins, parameters,
// functions of Access, action, union and crosstab queries) is refused with the reason.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace OrvaneLib::jet {

// One row of MSysQueries.
struct QueryRow {
    int attribute = 0;
    std::string order;  // the bytes of the Order column, which sorts the rows of one part
    std::string name1;
    std::string name2;
    std::string expression;
    int flag = 0;
};

// The kind of value an expression gives, as far as the translation needs to know.
enum class ValueType { Unknown, Null, Boolean, Integer, Real, Text, Date, Blob };

struct OutputColumn {
    std::string name;
    ValueType type = ValueType::Unknown;
};

// What a name in a FROM clause stands for.
struct SourceInfo {
    enum class Kind {
        Missing,      // nothing of that name
        Table,        // a converted table
        View,         // a query already made into a view
        Skipped,      // a query that could not be made (`reason` tells why)
        Pending,      // a query not yet translated
        SystemTable,  // a system table of the engine, not converted
        LinkedTable,  // a table whose rows live in another file
    };
    Kind kind = Kind::Missing;
    std::string name;  // as stored
    std::string reason;
    std::vector<OutputColumn> columns;
};

struct QueryTranslation {
    enum class Status { Made, Skipped, NeedsQuery };
    Status status = Status::Skipped;
    std::string sql;     // Made: the SELECT
    std::string reason;  // Skipped: why not
    std::string needs;   // NeedsQuery: the query to translate first
    std::vector<OutputColumn> columns;
};

// Translates the rows of one stored query. `lookup` tells what a FROM name stands for.
QueryTranslation TranslateQuery(std::vector<QueryRow> rows,
                                const std::function<SourceInfo(std::string_view)>& lookup);

// Translates every query: `rowsOf` gives the rows of a query by name, `tableLookup` what a
// name stands for among the tables, and `make` creates the view (returning false with a
// reason when SQLite refuses it). Queries are made after the queries they read.
struct QueryOutcome {
    std::string name;
    bool made = false;
    std::string sql;     // made
    std::string reason;  // not made
};
std::vector<QueryOutcome> TranslateQueries(
    const std::vector<std::string>& names,
    const std::function<std::vector<QueryRow>(const std::string&)>& rowsOf,
    const std::function<SourceInfo(std::string_view)>& tableLookup,
    const std::function<bool(const std::string& name, const std::string& select,
                             std::string& reason)>& make);

// A Jet date literal (#1/31/95#, #1995-01-31 10:00#) as "YYYY-MM-DD HH:MM:SS"; false when it
// is not one the translation reads.
bool ParseDateLiteral(std::string_view text, std::string& out);

}  // namespace OrvaneLib::jet
