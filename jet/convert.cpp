// ConvertJetDatabase: a Jet file into a new rules database, all of it or nothing.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <map>
#include <memory>
#include <new>

#include "database/bulkwrite.hpp"
#include "library_views.hpp"
#include "orvane/jet.hpp"
#include "queries.hpp"
#include "reader.hpp"

namespace OrvaneLib {

namespace {

using namespace jet;
using bulk::QuoteIdent;

// Ends a conversion with this sentence (after "cannot convert FILE: ").
struct Failure {
    std::string reason;
};

std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

bool PathExists(const std::string& path) {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0 || errno != ENOENT;
}

bool ExactDecimal(const Column& c) { return c.precision > 15; }

// The declared type of a column: it names the Jet type and gives SQLite the affinity
// that keeps each value as bound (text columns compare without regard to letter case,
// as Jet compares them).
std::string DeclaredType(const Column& c, int version) {
    switch (c.type) {
        case kBoolean:
            return "BOOLEAN";
        case kByte:
        case kInteger:
        case kLong:
            return "INTEGER";
        case kCurrency:
        case kSingle:
        case kDouble:
            return "REAL";
        case kDateTime:
            return "DATETIME";
        case kText:
            return "VARCHAR(" + std::to_string(version == 3 ? c.size : c.size / 2) +
                   ") COLLATE NOCASE";
        case kMemo:
            return "TEXT COLLATE NOCASE";
        case kGuid:
            return "TEXT";
        case kDecimal:
            if (ExactDecimal(c)) return "TEXT";
            return "NUMERIC(" + std::to_string(c.precision) + "," + std::to_string(c.scale) + ")";
        default:
            return "BLOB";  // OLE, Binary and types unknown here
    }
}

ValueType TypeOf(const Column& c) {
    switch (c.type) {
        case kBoolean:
            return ValueType::Boolean;
        case kByte:
        case kInteger:
        case kLong:
            return ValueType::Integer;
        case kCurrency:
        case kSingle:
        case kDouble:
            return ValueType::Real;
        case kDateTime:
            return ValueType::Date;
        case kText:
        case kMemo:
        case kGuid:
            return ValueType::Text;
        case kDecimal:
            return ExactDecimal(c) ? ValueType::Unknown : ValueType::Real;
        default:
            return ValueType::Blob;
    }
}

// The scratch file beside the target: a name of its own that nothing uses yet.
std::unique_ptr<bulk::BulkFile> CreateScratch(const std::string& to) {
    for (int n = 1; n < 100; ++n) {
        std::string name = to + ".converting" + (n == 1 ? "" : "-" + std::to_string(n));
        if (PathExists(name)) continue;
        return std::make_unique<bulk::BulkFile>(name);
    }
    throw Failure{"no scratch name beside " + to + " is free (" + to + ".converting...)"};
}

struct Converter {
    const std::string& from;
    const std::string& to;
    const JetConvertOptions& options;
    JetConvertReport& report;
    JetFile& file;
    bulk::BulkFile& out;
    // The converted tables, by upper-case name: their stored name and columns.
    std::map<std::string, std::pair<std::string, std::vector<OutputColumn>>> tables;

    void Progress(const std::string& table, std::uint64_t done, std::uint64_t total) {
        if (options.progress) options.progress(table, done, total);
    }

    void CopyTable(const CatalogObject& object) {
        std::unique_ptr<JetTable> table;
        try {
            table = file.OpenTable(object);
        } catch (const ReadError& e) {
            throw Failure{"its table '" + object.name + "' is unreadable: " + e.what()};
        }
        const auto& columns = table->Columns();
        if (columns.empty()) {
            report.notes.push_back("table '" + object.name + "' has no columns and is left out");
            return;
        }
        std::string create = "CREATE TABLE " + QuoteIdent(object.name) + " (";
        std::string insert = "INSERT INTO " + QuoteIdent(object.name) + " VALUES (";
        std::vector<OutputColumn> described;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            create += (i ? ", " : "") + QuoteIdent(columns[i].name) + " " +
                      DeclaredType(columns[i], file.Version());
            insert += (i ? ", ?" : "?") + std::to_string(i + 1);
            described.push_back({columns[i].name, TypeOf(columns[i])});
            if (columns[i].type == kDecimal && ExactDecimal(columns[i]))
                report.notes.push_back("column '" + object.name + "'.'" + columns[i].name +
                                       "' (a Decimal of " + std::to_string(columns[i].precision) +
                                       " digits) is kept as text, to stay exact");
        }
        out.Execute(create + ")");
        bulk::Statement statement = out.Prepare(insert + ")");

        const std::uint64_t total = table->RowCount();
        std::uint64_t done = 0;
        Progress(object.name, 0, total);
        try {
            table->ReadRows([&](std::span<const Cell> cells) {
                for (std::size_t i = 0; i < cells.size(); ++i) {
                    const Cell& cell = cells[i];
                    const int position = static_cast<int>(i + 1);
                    switch (cell.kind) {
                        case Cell::Kind::Null:
                            statement.BindNull(position);
                            break;
                        case Cell::Kind::Integer:
                            statement.BindInt(position, cell.integer);
                            break;
                        case Cell::Kind::Real:
                            statement.BindReal(position, cell.real);
                            break;
                        case Cell::Kind::Text:
                            statement.BindText(position, cell.bytes);
                            break;
                        case Cell::Kind::Blob:
                            statement.BindBlob(
                                position,
                                {reinterpret_cast<const unsigned char*>(cell.bytes.data()),
                                 cell.bytes.size()});
                            break;
                    }
                }
                statement.Run();
                if (++done % 1024 == 0) Progress(object.name, done, total);
            });
        } catch (const ReadError& e) {
            throw Failure{"its table '" + object.name + "' is unreadable: " + e.what()};
        }
        Progress(object.name, done, total);

        const ReadNotes& notes = table->Notes();
        if (notes.datesOutOfRange)
            report.notes.push_back("table '" + object.name +
                                   "': " + std::to_string(notes.datesOutOfRange) +
                                   " dates outside the years 100 to 9999 are kept as the stored "
                                   "day counts (REAL)");
        if (notes.textReplaced)
            report.notes.push_back("table '" + object.name +
                                   "': " + std::to_string(notes.textReplaced) +
                                   " texts hold bytes that stand for no character (each "
                                   "written as U+FFFD)");
        if (notes.unknownType)
            report.notes.push_back("table '" + object.name +
                                   "': " + std::to_string(notes.unknownType) +
                                   " cells of a column type unknown here are kept as their "
                                   "stored bytes (BLOB)");

        std::size_t indexes = 0;
        for (const Index& index : table->Indexes()) {
            std::string keys;
            for (const Index::Key& key : index.keys) {
                const Column& c = columns[static_cast<std::size_t>(key.column)];
                keys += (keys.empty() ? "" : ", ") + QuoteIdent(c.name) +
                        (c.type == kText || c.type == kMemo ? " COLLATE NOCASE" : "") +
                        (key.descending ? " DESC" : "");
            }
            const std::string name = object.name + "." + index.name;
            try {
                out.Execute(std::string("CREATE ") + (index.unique ? "UNIQUE " : "") + "INDEX " +
                            QuoteIdent(name) + " ON " + QuoteIdent(object.name) + " (" + keys +
                            ")");
            } catch (const bulk::Error& e) {
                throw Failure{"its table '" + object.name + "' is damaged: its index '" +
                              index.name + "' cannot be made (" + e.what() + ")"};
            }
            ++indexes;
        }
        report.tables.push_back({object.name, done, columns.size(), indexes});
        report.rows += done;
        tables[Upper(object.name)] = {object.name, std::move(described)};
    }

    // The rows of MSysQueries, by query id; an unreadable table leaves `error` set.
    std::map<std::uint32_t, std::vector<QueryRow>> QueryRows(std::string& error) {
        std::map<std::uint32_t, std::vector<QueryRow>> rows;
        const CatalogObject* system = nullptr;
        for (const auto& object : file.Catalogue())
            if (object.type == 1 && Upper(object.name) == "MSYSQUERIES") system = &object;
        if (!system) {
            error = "the file has no table of stored queries (MSysQueries)";
            return rows;
        }
        try {
            auto table = file.OpenTable(*system);
            const auto& columns = table->Columns();
            static constexpr const char* kNames[] = {"OBJECTID", "ATTRIBUTE",  "ORDER", "NAME1",
                                                     "NAME2",    "EXPRESSION", "FLAG"};
            int at[7];
            std::vector<bool> wanted(columns.size(), false);
            for (int k = 0; k < 7; ++k) {
                at[k] = -1;
                for (std::size_t c = 0; c < columns.size(); ++c)
                    if (Upper(columns[c].name) == kNames[k]) at[k] = static_cast<int>(c);
                if (at[k] < 0) {
                    error =
                        "its table of stored queries lacks the column " + std::string(kNames[k]);
                    return rows;
                }
                wanted[static_cast<std::size_t>(at[k])] = true;
            }
            table->ReadRows(
                [&](std::span<const Cell> cells) {
                    auto cell = [&](int k) -> const Cell& {
                        return cells[static_cast<std::size_t>(at[k])];
                    };
                    QueryRow row;
                    row.attribute = static_cast<int>(cell(1).integer);
                    row.order = std::string(cell(2).bytes);
                    row.name1 = std::string(cell(3).bytes);
                    row.name2 = std::string(cell(4).bytes);
                    row.expression = std::string(cell(5).bytes);
                    row.flag = static_cast<int>(cell(6).integer);
                    rows[static_cast<std::uint32_t>(cell(0).integer) & 0x00FFFFFF].push_back(row);
                },
                wanted);
        } catch (const ReadError& e) {
            error = std::string("its table of stored queries is unreadable: ") + e.what();
            rows.clear();
        }
        return rows;
    }

    void MakeQueries() {
        std::vector<std::string> names;
        std::map<std::string, std::uint32_t> ids;
        for (const auto& object : file.Catalogue()) {
            if (!object.Query()) continue;
            names.push_back(object.name);
            ids[object.name] = object.id;
        }
        if (names.empty()) return;
        std::string error;
        const auto rows = QueryRows(error);
        if (!error.empty()) {
            for (const auto& name : names) report.queriesSkipped.push_back({name, error});
            return;
        }
        auto rowsOf = [&](const std::string& name) {
            auto it = rows.find(ids[name]);
            return it == rows.end() ? std::vector<QueryRow>{} : it->second;
        };
        auto lookup = [&](std::string_view name) {
            SourceInfo info;
            auto it = tables.find(Upper(std::string(name)));
            if (it != tables.end()) {
                info.kind = SourceInfo::Kind::Table;
                info.name = it->second.first;
                info.columns = it->second.second;
                return info;
            }
            info.name = std::string(name);
            for (const auto& object : file.Catalogue()) {
                if (Upper(object.name) != Upper(info.name)) continue;
                if (object.SystemTable()) info.kind = SourceInfo::Kind::SystemTable;
                if (object.LinkedTable()) info.kind = SourceInfo::Kind::LinkedTable;
            }
            return info;
        };
        auto make = [&](const std::string& name, const std::string& select, std::string& why) {
            return out.TryExecute("CREATE VIEW " + QuoteIdent(name) + " AS " + select +
                                      ";\nSELECT * FROM " + QuoteIdent(name) + " LIMIT 0;",
                                  why);
        };
        for (const QueryOutcome& q : TranslateQueries(names, rowsOf, lookup, make)) {
            if (q.made)
                report.queriesMade.push_back({q.name, q.sql, false});
            else
                report.queriesSkipped.push_back({q.name, q.reason});
        }
    }

    // The library's own stored queries, where the file holds its tables but not the query.
    void MakeLibraryViews() {
        std::vector<std::string> tableNames, taken;
        for (const auto& [upper, table] : tables) {
            tableNames.push_back(table.first);
            taken.push_back(table.first);
        }
        for (const auto& q : report.queriesMade) taken.push_back(q.name);
        for (const auto& outcome : AddLibraryViews(out, LibraryViews(), tableNames, taken)) {
            if (outcome.made)
                report.queriesMade.push_back({outcome.name, outcome.select, true});
            else
                report.notes.push_back("the library's own query '" + outcome.name +
                                       "' could not be made either: " + outcome.error);
        }
    }

    void Run() {
        report.jetVersion = file.Version();
        out.Execute("BEGIN");
        for (const auto& object : file.Catalogue()) {
            if (object.UserTable()) CopyTable(object);
            if (object.LinkedTable())
                report.notes.push_back("linked table '" + object.name +
                                       "' is left out: its rows live in another file");
        }
        MakeQueries();
        MakeLibraryViews();
        out.Execute("COMMIT");
        out.Finish();
        try {
            bulk::MoveIntoPlace(out.Path(), to);
        } catch (const bulk::Error& e) {
            ::unlink(out.Path().c_str());
            throw Failure{e.what()};
        }
    }
};

}  // namespace

JetConvertReport ConvertJetDatabase(const std::string& from, const std::string& to,
                                    const JetConvertOptions& options) {
    JetConvertReport report;
    report.source = from;
    report.target = to;
    std::string reason;
    try {
        if (PathExists(to)) throw Failure{to + " exists; it is never overwritten"};
        JetFile file(from);
        auto out = CreateScratch(to);
        Converter{from, to, options, report, file, *out, {}}.Run();
        report.ok = true;
        return report;
    } catch (const Failure& f) {
        reason = f.reason;
    } catch (const ReadError& e) {
        reason = e.what();
    } catch (const bulk::Error& e) {
        reason = "writing " + to + " failed: " + e.what();
    } catch (const std::bad_alloc&) {
        reason = "out of memory";
    } catch (const std::exception& e) {
        reason = e.what();
    } catch (...) {
        reason = "an unknown failure";
    }
    JetConvertReport failed;
    failed.source = from;
    failed.target = to;
    failed.jetVersion = report.jetVersion;
    failed.error = "cannot convert " + from + ": " + reason;
    return failed;
}

}  // namespace OrvaneLib
