// Lists, reads and deletes over rows built from the fuzz input: nulls, numbers of any size,
// texts where numbers belong, huge texts, blobs, and now and then a table rebuilt with only
// some of its columns. Every operation reports or answers; none may crash or misbehave.
#include <fuzzer/FuzzedDataProvider.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "host/internal.hpp"
#include "orvane/orvane.hpp"

namespace {

using namespace OrvaneLib;

// Kinds with lists, requirements, two keys (text and number, text and text), a stored query
// behind the list, a list flag and a station column.
const char* const kKindNames[] = {"Species",         "Feat",  "Class", "Class level",
                                  "Creature detail", "Skill", "Age",   "Size"};
const char* const kTextKeys[] = {"A", "a", "B", "", " A", "\xC3\x84", "A\"B", "A'B"};
const char* const kNumberKeys[] = {"-1", "0", "1", "2"};

struct Table {
    KindInfo kind;
    std::string name;
    std::vector<std::string> columns;  // as created by the schema
    std::vector<std::string> create;   // statements that rebuild it with its indexes
};

sqlite3* raw = nullptr;
std::vector<Table> tables;
clsDatabase* db = nullptr;

void Run(const std::string& sql) {
    char* err = nullptr;
    if (sqlite3_exec(raw, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
        std::fprintf(stderr, "setup failed: %s\n%s\n", err ? err : "?", sql.c_str());
        std::abort();
    }
}

std::vector<std::string> Strings(const std::string& sql) {
    std::vector<std::string> out;
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(raw, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) std::abort();
    while (sqlite3_step(st) == SQLITE_ROW) {
        auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
        out.emplace_back(text ? text : "");
    }
    sqlite3_finalize(st);
    return out;
}

std::string Quote(const std::string& name) { return "\"" + name + "\""; }

void Bind(sqlite3_stmt* st, int index, FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 8)) {
        case 0:
            sqlite3_bind_null(st, index);
            break;
        case 1:
            sqlite3_bind_int64(st, index, in.ConsumeIntegralInRange<std::int64_t>(-2, 3));
            break;
        case 2:
            sqlite3_bind_int64(st, index, in.ConsumeIntegral<std::int64_t>());
            break;
        case 3:
            sqlite3_bind_double(st, index, in.ConsumeFloatingPoint<double>());
            break;
        case 4:
            sqlite3_bind_text(st, index, kTextKeys[in.ConsumeIntegralInRange(0, 7)], -1,
                              SQLITE_STATIC);
            break;
        case 5: {
            std::string text = in.ConsumeRandomLengthString(64);
            sqlite3_bind_text(st, index, text.data(), static_cast<int>(text.size()),
                              SQLITE_TRANSIENT);
            break;
        }
        case 6: {
            std::string huge(in.ConsumeIntegralInRange<std::size_t>(0, 1 << 18),
                             static_cast<char>(in.ConsumeIntegral<char>()));
            sqlite3_bind_text(st, index, huge.data(), static_cast<int>(huge.size()),
                              SQLITE_TRANSIENT);
            break;
        }
        case 7: {
            std::string bytes = in.ConsumeRandomLengthString(16);
            sqlite3_bind_blob(st, index, bytes.data(), static_cast<int>(bytes.size()),
                              SQLITE_TRANSIENT);
            break;
        }
        default: {
            // A number written as text, as a careless import leaves it.
            std::string text = std::to_string(in.ConsumeIntegralInRange<int>(-40000, 40000));
            sqlite3_bind_text(st, index, text.data(), static_cast<int>(text.size()),
                              SQLITE_TRANSIENT);
            break;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    char templ[] = "/tmp/orvane-fuzz-db-XXXXXX";
    if (!mkdtemp(templ)) std::abort();
    const std::string folder = templ;
    ::setenv("ORVANE_REGISTRY_DIR", (folder + "/registry").c_str(), 1);
    detail::SetLibraryFolderOverride(folder);
    SetMessageBoxHandler([](const std::string&, MsgIcon, const std::string&) {});

    const std::string path = folder + "/rules.mdb";
    CreateRulesDatabase(path, false);
    if (sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        std::abort();
    sqlite3_busy_timeout(raw, 1000);
    Run("PRAGMA synchronous=OFF");

    for (const char* name : kKindNames) {
        auto kind = FindKind(name);
        if (!kind) std::abort();
        tables.push_back({*kind, kind->Table(), {}, {}});
    }
    for (const auto& kind : RecordKinds())
        if (kind.HasStation()) {
            tables.push_back({kind, kind.Table(), {}, {}});
            break;
        }
    for (auto& t : tables) {
        t.columns = Strings("SELECT name FROM pragma_table_info('" + t.name + "')");
        t.create = Strings("SELECT sql FROM sqlite_schema WHERE tbl_name = '" + t.name +
                           "' AND sql IS NOT NULL ORDER BY type = 'index'");
    }
    db = new clsDatabase();
    db->Name(path);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    Table& t = tables[in.ConsumeIntegralInRange<std::size_t>(0, tables.size() - 1)];

    // The rows, in a table of the schema's shape or of a shape made up from the input.
    const bool reshape = in.ConsumeIntegralInRange(0, 7) == 0;
    std::vector<std::string> columns;
    Run("BEGIN");
    if (reshape) {
        for (const auto& c : t.columns)
            if (in.ConsumeBool()) columns.push_back(c);
        if (in.ConsumeBool()) columns.push_back("Unexpected");
        if (columns.empty()) columns.push_back("Nothing");
        const char* types[] = {"", " TEXT", " INTEGER", " REAL", " BLOB"};
        std::string sql = "DROP TABLE " + Quote(t.name) + "; CREATE TABLE " + Quote(t.name) + " (";
        for (std::size_t i = 0; i < columns.size(); ++i)
            sql += (i ? ", " : "") + Quote(columns[i]) + types[in.ConsumeIntegralInRange(0, 4)];
        Run(sql + ")");
    } else {
        columns = t.columns;
        Run("DELETE FROM " + Quote(t.name));
    }
    std::string insert = "INSERT INTO " + Quote(t.name) + " (";
    std::string values;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        insert += (i ? ", " : "") + Quote(columns[i]);
        values += (i ? ", ?" : "?");
    }
    insert += ") VALUES (" + values + ")";
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(raw, insert.c_str(), -1, &st, nullptr) != SQLITE_OK) std::abort();
    for (int rows = in.ConsumeIntegralInRange(0, 4); rows > 0; --rows) {
        for (std::size_t i = 0; i < columns.size(); ++i) Bind(st, static_cast<int>(i + 1), in);
        sqlite3_step(st);  // a value the column refuses simply leaves the row out
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    Run("COMMIT");

    // The operations, with keys that the rows may or may not hold.
    for (int op = in.ConsumeIntegralInRange(1, 4); op > 0; --op) {
        std::vector<std::string> keys;
        for (const auto& key : t.kind.Keys())
            keys.push_back(key.Number ? kNumberKeys[in.ConsumeIntegralInRange(0, 3)]
                                      : kTextKeys[in.ConsumeIntegralInRange(0, 7)]);
        const bool flag = in.ConsumeBool(), station = in.ConsumeBool();
        switch (in.ConsumeIntegralInRange(0, 2)) {
            case 0:
                t.kind.List(*db, flag);
                break;
            case 1:
                t.kind.Read(*db, keys, flag, station);
                break;
            default:
                t.kind.Delete(*db, keys, station);
                break;
        }
    }

    if (reshape) {
        std::string sql = "DROP TABLE " + Quote(t.name);
        for (const auto& s : t.create) sql += ";\n" + s;
        Run(sql);
    }
    return 0;
}
