// The Jet converter on the two public Jet files of tests/data/jet (nwind.mdb, Jet 3;
// DateTestDatabase.mdb, Jet 4), every cell checked against what the file holds as read
// independently (mdbtools' own export where it is right, libmdb's row loop and the stored
// bytes where it is not), and its parts on values the two files do not hold.
#include <glib.h>  // before mdbtools.h, which would include it inside extern "C"
#include <mdbtools.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <map>
#include <set>

#include "database/bulkwrite.hpp"
#include "jet/library_views.hpp"
#include "jet/queries.hpp"
#include "jet/reader.hpp"
#include "jet/values.hpp"
#include "orvane/jet.hpp"
#include "support.hpp"

namespace orvane_test {
namespace {

using namespace OrvaneLib;

const std::string kData = ORVANE_JET_TESTDATA;
const std::string kNwind = kData + "/nwind.mdb";
const std::string kDates = kData + "/DateTestDatabase.mdb";

// One cell read back from SQLite.
struct Value {
    int type = SQLITE_NULL;
    sqlite3_int64 integer = 0;
    double real = 0;
    std::string bytes;  // text or BLOB
};
using Row = std::vector<Value>;

class Sql {
  public:
    explicit Sql(const std::string& path) {
        EXPECT_EQ(sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK)
            << path;
    }
    ~Sql() { sqlite3_close(db_); }
    std::vector<Row> Rows(const std::string& sql) const {
        std::vector<Row> rows;
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) {
            ADD_FAILURE() << sql << ": " << sqlite3_errmsg(db_);
            return rows;
        }
        while (sqlite3_step(st) == SQLITE_ROW) {
            Row row;
            for (int i = 0; i < sqlite3_column_count(st); ++i) {
                Value v;
                v.type = sqlite3_column_type(st, i);
                v.integer = sqlite3_column_int64(st, i);
                v.real = sqlite3_column_double(st, i);
                const auto* p = static_cast<const char*>(sqlite3_column_blob(st, i));
                v.bytes.assign(p ? p : "", static_cast<std::size_t>(sqlite3_column_bytes(st, i)));
                row.push_back(std::move(v));
            }
            rows.push_back(std::move(row));
        }
        sqlite3_finalize(st);
        return rows;
    }
    std::string Text(const std::string& sql) const {
        auto rows = Rows(sql);
        return rows.empty() || rows[0].empty() ? "<none>" : rows[0][0].bytes;
    }
    sqlite3_int64 Integer(const std::string& sql) const {
        auto rows = Rows(sql);
        return rows.empty() ? -1 : rows[0][0].integer;
    }

  private:
    sqlite3* db_ = nullptr;
};

// The stored day counts of a Date/Time column, read through libmdb's own row loop.
std::vector<double> StoredDays(const std::string& file, const char* table, const char* column) {
    std::vector<double> days;
    MdbHandle* mdb = mdb_open(file.c_str(), MDB_NOFLAGS);
    mdb_read_catalog(mdb, MDB_TABLE);
    MdbTableDef* t = mdb_read_table_by_name(mdb, const_cast<gchar*>(table), MDB_TABLE);
    mdb_read_columns(t);
    MdbColumn* col = nullptr;
    for (unsigned i = 0; i < t->num_cols; ++i) {
        auto* c = static_cast<MdbColumn*>(g_ptr_array_index(t->columns, i));
        if (std::strcmp(c->name, column) == 0) col = c;
    }
    mdb_rewind_table(t);
    while (col && mdb_fetch_row(t)) {
        double d = NAN;
        if (col->cur_value_len == 8) std::memcpy(&d, mdb->pg_buf + col->cur_value_start, 8);
        days.push_back(d);
    }
    mdb_free_tabledef(t);
    mdb_close(mdb);
    return days;
}

// The date text of a day count, worked out with the standard calendar of <chrono>.
std::string ChronoDate(double days) {
    using namespace std::chrono;
    const double whole = std::trunc(days);
    const sys_seconds start =
        sys_days{year{1899} / December / 30} + std::chrono::days{static_cast<long long>(whole)};
    const sys_seconds tp = start + seconds{std::llround(std::fabs(days - whole) * 86400)};
    const auto day = floor<std::chrono::days>(tp);
    const year_month_day ymd{day};
    const hh_mm_ss<seconds> time{tp - day};
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d:%02d", int(ymd.year()),
                  unsigned(ymd.month()), unsigned(ymd.day()), int(time.hours().count()),
                  int(time.minutes().count()), int(time.seconds().count()));
    return text;
}

class JetTest : public OrvaneTest {
  protected:
    JetConvertReport Convert(const std::string& from, const std::string& name) {
        target_ = dir_.file(name);
        return ConvertJetDatabase(from, target_);
    }
    // A copy of a Jet file in the test folder, changed by `edit`.
    std::string Copy(const std::string& from, const std::string& name,
                     const std::function<void(std::string&)>& edit = {}) {
        std::string bytes = ReadFile(from);
        if (edit) edit(bytes);
        const std::string path = dir_.file(name);
        WriteFile(path, bytes);
        return path;
    }
    std::set<std::string> Files() const {
        std::set<std::string> names;
        for (const auto& e : fs::directory_iterator(dir_.path()))
            names.insert(e.path().filename().string());
        return names;
    }
    // Converts `from`, expects the refusal to name the file and `words`, and nothing
    // new in the folder.
    void ExpectRefused(const std::string& from, const std::string& words) {
        const auto before = Files();
        const JetConvertReport report = ConvertJetDatabase(from, dir_.file("out.mdb"));
        EXPECT_FALSE(report.ok);
        EXPECT_EQ(report.error.rfind("cannot convert " + from + ": ", 0), 0u) << report.error;
        EXPECT_NE(report.error.find(words), std::string::npos) << report.error;
        EXPECT_EQ(report.error.find('\n'), std::string::npos);
        EXPECT_EQ(Files(), before) << report.error;
    }

    std::string target_;
};

TEST_F(JetTest, NwindTablesRowsTypesAndNulls) {
    int calls = 0;
    std::map<std::string, std::pair<std::uint64_t, std::uint64_t>> last;
    JetConvertOptions options;
    options.progress = [&](std::string_view table, std::uint64_t done, std::uint64_t total) {
        ++calls;
        auto& [d, t] = last[std::string(table)];
        EXPECT_GE(done, d);
        d = done;
        t = total;
    };
    target_ = dir_.file("n.mdb");
    const JetConvertReport report = ConvertJetDatabase(kNwind, target_, options);
    ASSERT_TRUE(report.ok) << report.error;
    EXPECT_EQ(report.jetVersion, 3);

    const std::map<std::string, std::uint64_t> expected = {
        {"Categories", 8},       {"Customers", 91}, {"Employees", 9},
        {"Order Details", 2155}, {"Orders", 830},   {"Products", 77},
        {"Shippers", 3},         {"Suppliers", 29}, {"Umsätze", 830}};
    std::map<std::string, std::uint64_t> tables;
    for (const auto& t : report.tables) tables[t.name] = t.rows;
    EXPECT_EQ(tables, expected);
    EXPECT_EQ(report.rows, 4032u);
    EXPECT_EQ(last["Order Details"], std::make_pair(std::uint64_t{2155}, std::uint64_t{2155}));
    EXPECT_GT(calls, 9 * 2);

    Sql db(target_);
    EXPECT_EQ(db.Integer("SELECT count(*) FROM \"Order Details\""), 2155);
    EXPECT_EQ(db.Integer("SELECT count(*) FROM \"Umsätze\""), 830);
    // Declared types, and the stored types that go with them.
    std::map<std::string, std::string> types;
    for (const auto& r : db.Rows("SELECT name, type FROM pragma_table_info('Products')"))
        types[r[0].bytes] = r[1].bytes;
    EXPECT_EQ(types["ProductID"], "INTEGER");
    EXPECT_EQ(types["ProductName"], "VARCHAR(40)");
    EXPECT_NE(db.Text("SELECT sql FROM sqlite_schema WHERE name = 'Products'")
                  .find("\"ProductName\" VARCHAR(40) COLLATE NOCASE"),
              std::string::npos);
    EXPECT_EQ(types["UnitPrice"], "REAL");
    EXPECT_EQ(types["Discontinued"], "BOOLEAN");
    EXPECT_EQ(db.Text("SELECT group_concat(DISTINCT typeof(Discontinued) || Discontinued) FROM "
                      "(SELECT Discontinued FROM Products ORDER BY 1)"),
              "integer0,integer1");
    EXPECT_EQ(db.Text("SELECT group_concat(DISTINCT typeof(UnitPrice)) FROM Products"), "real");
    EXPECT_EQ(
        db.Integer("SELECT count(*) FROM Orders WHERE OrderDate NOT GLOB "
                   "'[12][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9]'"),
        0);
    // NULL stays NULL, and an empty text is no NULL.
    EXPECT_EQ(db.Integer("SELECT count(*) FROM Orders WHERE ShippedDate IS NULL"), 21);
    EXPECT_EQ(db.Integer("SELECT count(*) FROM Orders WHERE ShipRegion IS NULL"), 507);
    // Currency keeps its four-decimal value; Single the stored value.
    EXPECT_EQ(db.Rows("SELECT UnitPrice FROM Products WHERE ProductID = 1")[0][0].real, 18.0);
    EXPECT_EQ(db.Rows("SELECT Freight FROM Orders WHERE OrderID = 10331")[0][0].real, 10.19);
    const double discount =
        db.Rows(
              "SELECT Discount FROM \"Order Details\" WHERE Discount > 0.14 AND Discount < "
              "0.16 LIMIT 1")[0][0]
            .real;
    EXPECT_EQ(discount, static_cast<double>(0.15f));
    // OLE pictures keep every byte: an OLE object header first.
    const auto pictures = db.Rows("SELECT length(Picture), substr(Picture, 1, 2) FROM Categories");
    ASSERT_EQ(pictures.size(), 8u);
    for (const auto& p : pictures) {
        EXPECT_EQ(p[0].integer, 10746);
        EXPECT_EQ(p[1].bytes, std::string("\x15\x1c"));
    }
    // Indexes, unique where the file's are.
    const auto indexes =
        db.Rows("SELECT name, \"unique\" FROM pragma_index_list('Orders') ORDER BY name");
    std::map<std::string, sqlite3_int64> unique;
    for (const auto& i : indexes) unique[i[0].bytes] = i[1].integer;
    EXPECT_EQ(unique.size(), 6u);
    EXPECT_EQ(unique["Orders.PrimaryKey"], 1);
    EXPECT_EQ(unique["Orders.CustomerID"], 0);
}

TEST_F(JetTest, NwindCellsAgreeWithWhatTheFileHolds) {
    if (std::system("command -v mdb-export >/dev/null && command -v sqlite3 >/dev/null") != 0)
        GTEST_SKIP() << "mdb-export or sqlite3 is not installed";
    ASSERT_TRUE(Convert(kNwind, "n.mdb").ok);
    // mdbtools' own pipeline, which is right for these columns once Single values are
    // compared as the floats they are (mdb-export writes them as eight-digit decimals) and
    // line breaks as LF (the sqlite3 shell drops the CR at the end of each line it reads;
    // the file holds CR LF, as its bytes show).
    // mdbtools converts its arguments by the locale, so a table name such as "Umsätze" needs
    // a UTF-8 one (a bare machine runs in C); any export that fails stops the pipeline.
    const std::string reference = dir_.file("reference.db"), script = dir_.file("reference.sql");
    const std::string pipeline =
        "export LC_ALL=C.UTF-8; { mdb-schema " + ShellQuote(kNwind) + " sqlite && mdb-tables -1 " +
        ShellQuote(kNwind) +
        " | while IFS= read -r t; do mdb-export -I sqlite -b hex -D '%Y-%m-%d %H:%M:%S' " +
        ShellQuote(kNwind) + " \"$t\" || exit 1; done; } > " + ShellQuote(script) + " && sqlite3 " +
        ShellQuote(reference) + " < " + ShellQuote(script);
    ASSERT_EQ(std::system(pipeline.c_str()), 0);
    Sql mine(target_), ref(reference);
    std::size_t cells = 0, breaks = 0;
    jet::JetFile file(kNwind);
    for (const auto& object : file.Catalogue()) {
        if (!object.UserTable()) continue;
        std::vector<bool> single;  // Single columns, compared as the floats they are
        const auto definition = file.OpenTable(object);
        for (const auto& c : definition->Columns()) single.push_back(c.type == jet::kSingle);
        const std::string table = bulk::QuoteIdent(object.name);
        auto canonical = [&](const Sql& db, bool converted) {
            std::vector<std::string> rows;
            for (const Row& row : db.Rows("SELECT * FROM " + table)) {
                std::string text;
                for (std::size_t i = 0; i < row.size(); ++i) {
                    const Value& v = row[i];
                    char real[64];
                    std::snprintf(
                        real, sizeof real, "R%a|",
                        single[i] ? static_cast<double>(static_cast<float>(v.real)) : v.real);
                    switch (v.type) {
                        case SQLITE_NULL:
                            text += "N|";
                            break;
                        case SQLITE_INTEGER:
                            text += "I" + std::to_string(v.integer) + "|";
                            break;
                        case SQLITE_FLOAT:
                            text += real;
                            break;
                        default: {
                            std::string t = v.bytes;
                            if (converted && v.type == SQLITE_TEXT) {
                                for (std::size_t at; (at = t.find("\r\n")) != std::string::npos;) {
                                    t.erase(at, 1);
                                    ++breaks;
                                }
                                EXPECT_EQ(t.find('\r'), std::string::npos) << t;
                            }
                            text += "T" + t + "|";
                            break;
                        }
                    }
                    ++cells;
                }
                rows.push_back(text);
            }
            std::sort(rows.begin(), rows.end());
            return rows;
        };
        const auto a = canonical(mine, true), b = canonical(ref, false);
        ASSERT_EQ(a.size(), b.size()) << table;
        for (std::size_t i = 0; i < a.size(); ++i) ASSERT_EQ(a[i], b[i]) << table << " row " << i;
    }
    EXPECT_GT(cells, 40000u);
    EXPECT_GT(breaks, 10u);
    const std::string stored = "Berkeley Gardens\r\n12  Brewery";
    EXPECT_NE(ReadFile(kNwind).find(stored), std::string::npos);
    EXPECT_EQ(mine.Integer("SELECT count(*) FROM Customers WHERE Address = 'Berkeley Gardens' || "
                           "char(13, 10) || '12  Brewery '"),
              1);
    // The Single values are the stored floats, where the pipeline has eight-digit decimals.
    EXPECT_EQ(mine.Integer("SELECT count(*) FROM \"Order Details\" WHERE Discount = 0.15"), 0);
    EXPECT_EQ(mine.Integer("SELECT count(*) FROM \"Order Details\" WHERE Discount = "
                           "0.15000000596046448"),
              157);
    EXPECT_EQ(ref.Integer("SELECT count(*) FROM \"Order Details\" WHERE Discount = 0.15000001"),
              157);
}

TEST_F(JetTest, DatesComeOutAsStoredFromTheYear632To9999) {
    const JetConvertReport report = Convert(kDates, "d.mdb");
    ASSERT_TRUE(report.ok) << report.error;
    EXPECT_EQ(report.jetVersion, 4);
    Sql db(target_);
    for (const char* column : {"DateTimeCol", "DateCol", "TimeCol"}) {
        const auto stored = StoredDays(kDates, "DateTest", column);
        const auto rows = db.Rows(std::string("SELECT ") + column + " FROM DateTest");
        ASSERT_EQ(rows.size(), stored.size());
        ASSERT_EQ(rows.size(), 6u);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i][0].type, SQLITE_TEXT);
            EXPECT_EQ(rows[i][0].bytes, ChronoDate(stored[i])) << column << " row " << i;
        }
    }
    const auto years = db.Rows("SELECT DateTimeCol, DateCol, TimeCol FROM DateTest ORDER BY IDCol");
    EXPECT_EQ(years[1][0].bytes, "9999-01-01 00:00:00");
    EXPECT_EQ(years[2][0].bytes, "1898-01-01 00:00:00");
    EXPECT_EQ(years[2][1].bytes, "1899-01-01 00:00:00");
    EXPECT_EQ(years[3][0].bytes, "0632-01-01 00:00:00");
    EXPECT_EQ(years[3][2].bytes, "0634-01-01 00:00:00");
    // Line breaks stay CR LF; the characters "\r\n" written out stay what they are.
    EXPECT_EQ(db.Text("SELECT LongTextCol FROM DateTest WHERE IDCol = 6"), "New line\r\nin field");
    EXPECT_EQ(db.Text("SELECT LongTextCol FROM DateTest WHERE IDCol = 5"),
              "Escaped new line \\r\\n in field");
    EXPECT_EQ(db.Integer("SELECT count(*) FROM DateTest WHERE replace(LongTextCol || ShortTextCol, "
                         "char(13, 10), '') GLOB '*[' || char(10, 13) || ']*'"),
              0);
}

TEST_F(JetTest, SingleTableQueriesBecomeViewsAndTheRestAreListedWithReasons) {
    const JetConvertReport report = Convert(kNwind, "n.mdb");
    ASSERT_TRUE(report.ok) << report.error;
    std::set<std::string> made, skipped;
    std::map<std::string, std::string> reasons;
    for (const auto& q : report.queriesMade) {
        made.insert(q.name);
        EXPECT_FALSE(q.fromLibrarySchema);
    }
    for (const auto& q : report.queriesSkipped) {
        skipped.insert(q.name);
        reasons[q.name] = q.reason;
    }
    EXPECT_EQ(made, (std::set<std::string>{"Current Product List", "Ten Most Expensive Products"}));
    EXPECT_EQ(skipped.size(), 20u);
    EXPECT_EQ(report.queriesSkipped.size(), 20u);
    auto says = [&](const std::string& query, const std::string& words) {
        EXPECT_NE(reasons[query].find(words), std::string::npos) << query << ": " << reasons[query];
    };
    says("Alphabetical List of Products", "joins 2 tables");
    says("Employee Sales by Country", "parameters [Beginning Date], [Ending Date]");
    says("Order Subtotals", "CCur()");
    says("Customers and Suppliers by City", "union query");
    says("Quarterly Orders by Product", "crosstab query");
    says("Products Above Average Price", "subquery");
    says("Invoices Filter", "reads the query [Invoices], which could not be made");
    says("Category Sales for 1995", "[Product Sales for 1995]");

    Sql db(target_);
    // The current products, by name, as the query selects them.
    const auto current = db.Rows("SELECT * FROM \"Current Product List\"");
    const auto expected = db.Rows(
        "SELECT ProductID, ProductName FROM Products WHERE Discontinued = 0 "
        "ORDER BY ProductName COLLATE NOCASE");
    ASSERT_EQ(current.size(), expected.size());
    ASSERT_EQ(current.size(), 69u);
    for (std::size_t i = 0; i < current.size(); ++i)
        EXPECT_EQ(current[i][1].bytes, expected[i][1].bytes);
    // TOP 10, named as the query names its column, most expensive first.
    const auto top = db.Rows(
        "SELECT TenMostExpensiveProducts, UnitPrice FROM "
        "\"Ten Most Expensive Products\"");
    ASSERT_EQ(top.size(), 10u);
    EXPECT_EQ(top[0][0].bytes, "Côte de Blaye");
    EXPECT_EQ(top[0][1].real, 263.5);
    for (std::size_t i = 1; i < top.size(); ++i) EXPECT_LE(top[i][1].real, top[i - 1][1].real);
}

TEST_F(JetTest, BadFilesAreRefusedWithOneLineAndNothingLeftBehind) {
    const auto nwind = ReadFile(kNwind);
    ExpectRefused(Copy(kNwind, "cut.mdb", [](std::string& b) { b.resize(b.size() - 1000); }),
                  "truncated");
    ExpectRefused(Copy(kNwind, "half.mdb", [](std::string& b) { b.resize(2048 * 700); }),
                  "beyond the end of the file");
    ExpectRefused(Copy(kNwind, "text.mdb", [](std::string& b) { b = "just text\n"; }),
                  "not a Jet database");
    ExpectRefused(dir_.file("missing.mdb"), "cannot be found");
    ExpectRefused(Copy(kDates, "new.accdb",
                       [](std::string& b) {
                           std::memcpy(&b[4], "Standard ACE DB", 15);
                           b[0x14] = 2;
                       }),
                  "ACE database");
    // A password: the header, unscrambled, holds one (Jet 3: plain, 20 bytes at 0x42).
    ExpectRefused(Copy(kNwind, "password.mdb",
                       [](std::string& b) {
                           // The header is XOR-scrambled from 0x18, so flipping a stored byte
                           // flips the byte it stands for.
                           b[0x42] = static_cast<char>(b[0x42] ^ 'x');
                       }),
                  "password");
    // A data page of Orders made unreadable: the table is named.
    ExpectRefused(Copy(kNwind, "damaged.mdb",
                       [&](std::string& b) {
                           for (std::size_t page = 1; page < b.size() / 2048; ++page) {
                               auto* p = reinterpret_cast<unsigned char*>(&b[page * 2048]);
                               if (p[0] == 1 && (p[4] | p[5] << 8) == 449) {  // Orders: page 449
                                   p[0] = 0;
                                   break;
                               }
                           }
                       }),
                  "table 'Orders' is unreadable");
    // An existing target stays as it was.
    const std::string existing = dir_.file("existing.mdb");
    WriteFile(existing, "mine");
    const JetConvertReport report = ConvertJetDatabase(kNwind, existing);
    EXPECT_FALSE(report.ok);
    EXPECT_NE(report.error.find(existing + " exists"), std::string::npos) << report.error;
    EXPECT_EQ(ReadFile(existing), "mine");
    EXPECT_EQ(nwind, ReadFile(kNwind));
}

TEST_F(JetTest, TheLibrarySaysAJetFileIsOneAndHowToConvertIt) {
    const std::string jet = Copy(kNwind, "rules.mdb");
    for (bool besideLibrary : {false, true}) {
        boxes_.clear();
        std::unique_ptr<clsDatabase> db;
        if (besideLibrary) {
            InstallDatabase(jet);
            db = std::make_unique<clsDatabase>();
        } else {
            db = std::make_unique<clsDatabase>();
            boxes_.clear();
            db->Name(jet);
        }
        ASSERT_EQ(boxes_.size(), 1u);
        const std::string& prompt = boxes_.last().prompt;
        EXPECT_EQ(prompt.rfind("Sub: OpenDB\r\n", 0), 0u) << prompt;
        EXPECT_NE(prompt.find("is a Jet database"), std::string::npos) << prompt;
        EXPECT_NE(prompt.find("'orvane convert "), std::string::npos) << prompt;
        EXPECT_EQ(prompt.find("not a database"), std::string::npos) << prompt;
    }
    // The converted file opens.
    ASSERT_TRUE(Convert(kNwind, "converted.mdb").ok);
    boxes_.clear();
    clsDatabase db;
    boxes_.clear();
    db.Name(target_);
    EXPECT_EQ(boxes_.size(), 0u);
}

// ---------------------------------------------------------------------------------------
// The parts, on values the two files do not hold

TEST(JetValues, DatesFromTheDayCount) {
    std::string text;
    auto date = [&](double days) { return jet::FormatDate(days, text) ? text : "refused"; };
    EXPECT_EQ(date(0), "1899-12-30 00:00:00");
    EXPECT_EQ(date(-1.25), "1899-12-29 06:00:00");  // before 1899-12-30 time counts forward
    EXPECT_EQ(date(-0.5), "1899-12-30 12:00:00");
    EXPECT_EQ(date(2), "1900-01-01 00:00:00");
    EXPECT_EQ(date(60), "1900-02-28 00:00:00");  // 1900 is no leap year
    EXPECT_EQ(date(-657434), "0100-01-01 00:00:00");
    EXPECT_EQ(date(2958465.99998843), "9999-12-31 23:59:59");
    EXPECT_EQ(date(2958465.9999999), "9999-12-31 23:59:59");
    EXPECT_EQ(date(36525.99999999), "2000-01-01 00:00:00");  // rounded to the next midnight
    EXPECT_EQ(date(-36524.25), "1799-12-30 06:00:00");       // 1800 is no leap year
    EXPECT_EQ(date(2958466), "refused");
    EXPECT_EQ(date(-657435), "refused");
    EXPECT_EQ(date(NAN), "refused");
    for (double d : {-600000.75, -1000.1, 1.5, 45000.123456, 2900000.5})
        EXPECT_EQ(date(d), ChronoDate(d)) << d;
}

TEST(JetValues, MoneyDecimalsAndIds) {
    EXPECT_EQ(jet::MoneyValue(140000), 14.0);
    EXPECT_EQ(jet::MoneyValue(-123456), -12.3456);
    EXPECT_EQ(jet::MoneyValue(9223372036854775807LL), 922337203685477.5807);
    EXPECT_EQ(jet::MoneyValue(-9223372036854775807LL - 1), -922337203685477.5808);
    unsigned char decimal[17] = {0x80};
    decimal[13] = 0x39;  // 12345 in the least significant word
    decimal[14] = 0x30;
    EXPECT_EQ(jet::DecimalText(decimal, 3), "-12.345");
    EXPECT_EQ(jet::DecimalText(decimal, 6), "-0.012345");
    decimal[0] = 0;
    decimal[1] = 1;  // 2^96 + 12345
    EXPECT_EQ(jet::DecimalText(decimal, 0), "79228162514264337593543962681");
    const unsigned char guid[16] = {0x78, 0x56, 0x34, 0x12, 0x34, 0x12, 0x78, 0x56,
                                    0x9a, 0xbc, 0xde, 0xf0, 0x01, 0x23, 0x45, 0x67};
    EXPECT_EQ(jet::GuidText(guid), "{12345678-1234-5678-9ABC-DEF001234567}");
}

TEST(JetValues, TextOfBothVersions) {
    auto jet4 = [](const std::string& bytes, bool* ok = nullptr) {
        std::string out;
        const bool good = jet::DecodeJet4Text(
            {reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()}, out);
        if (ok) *ok = good;
        return out;
    };
    using namespace std::string_literals;
    EXPECT_EQ(jet4("A\0\xe4\0"s), "Aä");
    EXPECT_EQ(jet4("\xff\xfe"
                   "Ums\xe4tze"s),
              "Umsätze");
    // Compressed with a run of two-byte characters (a 0 byte switches each way).
    EXPECT_EQ(jet4("\xff\xfe"
                   "a\0\xac\x20\x3d\xd8\x01\xde\0b"s),
              "a€😁b");
    EXPECT_EQ(jet4("x\0\0\0y\0"s), "x\0y"s);  // an embedded NUL stays
    bool ok = true;
    EXPECT_EQ(jet4("\x3d\xd8"s, &ok), "\xef\xbf\xbd");  // a lone surrogate
    EXPECT_FALSE(ok);
    jet4("a\0b"s, &ok);
    EXPECT_FALSE(ok);

    auto page = [](int number, const std::string& bytes) {
        std::string out;
        jet::CodePage cp(number);
        cp.Decode({reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()}, out);
        return out;
    };
    EXPECT_EQ(page(1252, "\x80 caf\xe9\r\n\x81"), "€ café\r\n\xc2\x81");
    EXPECT_EQ(page(0, "\xe4"), "ä");
    EXPECT_EQ(page(1251, "\xcf\xf0\xe8"), "При");
    EXPECT_EQ(page(932,
                   "\x93\xfa\x96\x7b"
                   "a"),
              "日本a");
}

// The rows of one query in MSysQueries: type, options, table, columns, conditions, order.
struct QueryBuilder {
    std::vector<jet::QueryRow> rows;
    QueryBuilder& Add(int attribute, std::string name1 = "", std::string expression = "",
                      int flag = 0, std::string name2 = "") {
        jet::QueryRow r;
        r.attribute = attribute;
        r.name1 = std::move(name1);
        r.name2 = std::move(name2);
        r.expression = std::move(expression);
        r.flag = flag;
        rows.push_back(r);
        return *this;
    }
};

jet::SourceInfo Items(std::string_view name) {
    jet::SourceInfo info;
    if (name != "Items") return info;
    info.kind = jet::SourceInfo::Kind::Table;
    info.name = "Items";
    info.columns = {{"Name", jet::ValueType::Text},
                    {"Price", jet::ValueType::Real},
                    {"Count", jet::ValueType::Integer},
                    {"Sold", jet::ValueType::Boolean},
                    {"Added", jet::ValueType::Date}};
    return info;
}

jet::QueryTranslation Translate(const std::string& columns, const std::string& where = "",
                                const std::string& order = "", int flags = 0,
                                const std::string& top = "") {
    QueryBuilder q;
    q.Add(1, "", "", 1).Add(3, top, "", flags).Add(5, "Items");
    if (!columns.empty()) q.Add(6, "", columns);
    if (!where.empty()) q.Add(8, "", where);
    if (!order.empty()) q.Add(11, "", order);
    return jet::TranslateQuery(q.rows, Items);
}

TEST(JetQueries, ExpressionsOfAccessInSqlite) {
    auto sql = [](const std::string& where) {
        const auto t = Translate("Name", where);
        return t.status == jet::QueryTranslation::Status::Made ? t.sql : "refused: " + t.reason;
    };
    EXPECT_EQ(sql("Sold=Yes"),
              "SELECT \"Items\".\"Name\" AS \"Name\" FROM \"Items\" AS \"Items\" WHERE "
              "(\"Items\".\"Sold\" = 1)");
    EXPECT_NE(sql("Sold=-1").find("(\"Items\".\"Sold\" = 1)"), std::string::npos);
    EXPECT_NE(sql("[Items].[Name] Like \"a*_?\"").find("LIKE 'a%\\__' ESCAPE '\\'"),
              std::string::npos);
    EXPECT_NE(sql("Added Between #12/31/95# And #1/1/95#")
                  .find("BETWEEN '1995-01-01 00:00:00' AND '1995-12-31 00:00:00'"),
              std::string::npos);
    EXPECT_NE(sql("Name=\"x\"").find("\"Items\".\"Name\" COLLATE NOCASE = 'x'"), std::string::npos);
    EXPECT_NE(sql("Count/2>1").find("CAST(\"Items\".\"Count\" AS REAL) / 2"), std::string::npos);
    EXPECT_EQ(sql("Price>[Minimum]"), "refused: the parameter [Minimum]");
    EXPECT_EQ(sql("Name=[Forms]![Find]![Name]"),
              "refused: the form or report reference [Forms]![Find]![Name]");
    EXPECT_EQ(sql("Count And 4"), "refused: And on numbers (bitwise in Access)");
    EXPECT_EQ(sql("Sold<0"), "refused: orders a Yes/No value against a number");
    EXPECT_EQ(sql("Added>1"), "refused: compares a date with a number");
    EXPECT_EQ(sql("Nz(Price)>1"), "refused: the Access function Nz()");
    EXPECT_EQ(sql("Price>(SELECT Avg(Price) FROM Items)"), "refused: a subquery");
    EXPECT_EQ(sql("Sum(Price)>1"), "refused: Sum() where Access allows no totals");

    // & joins texts with a Null counted as empty; columns keep their names or get Expr1000.
    const auto joined = Translate("Name & \" x\"");
    EXPECT_NE(joined.sql.find("COALESCE(\"Items\".\"Name\", '') || COALESCE(' x', '')"),
              std::string::npos);
    EXPECT_NE(joined.sql.find("AS \"Expr1000\""), std::string::npos);
    // Yes sorts before No in Access, where Yes is -1.
    EXPECT_NE(Translate("Name", "", "Sold").sql.find("ORDER BY \"Items\".\"Sold\" DESC"),
              std::string::npos);
    // TOP keeps the rows that tie with the last.
    QueryBuilder top;
    top.Add(1, "", "", 1)
        .Add(3, "3", "", 0x10)
        .Add(5, "Items")
        .Add(6, "", "Name")
        .Add(11, "D", "Price");
    const auto t = jet::TranslateQuery(top.rows, Items);
    EXPECT_NE(t.sql.find("rank() OVER (ORDER BY \"Items\".\"Price\" DESC)"), std::string::npos);
    EXPECT_NE(t.sql.find("<= 3"), std::string::npos);
    EXPECT_EQ(Translate("Name", "", "", 0x30, "10").reason, "TOP 10 PERCENT");
    EXPECT_EQ(jet::TranslateQuery(QueryBuilder().Add(1, "", "", 4).rows, Items).reason,
              "an update query");
}

TEST(JetQueries, ViewsRunInSqliteAndQueriesAreMadeAfterThoseTheyRead) {
    TempDir dir;
    bulk::BulkFile file(dir.file("q.db"));
    file.Execute(
        "CREATE TABLE Items (Name TEXT COLLATE NOCASE, Price REAL, Count INTEGER, Sold BOOLEAN, "
        "Added DATETIME);"
        "INSERT INTO Items VALUES ('b', 3, 1, 1, '1995-06-01 00:00:00'), ('A', 5, 2, 0, NULL),"
        "('c', 5, 3, 1, '1996-01-01 00:00:00'), ('d', 1, 4, 0, '1995-01-01 00:00:00');");
    std::map<std::string, std::vector<jet::QueryRow>> queries;
    queries["Top Two"] = QueryBuilder()
                             .Add(1, "", "", 1)
                             .Add(3, "2", "", 0x10)
                             .Add(5, "Items")
                             .Add(6, "", "Name")
                             .Add(11, "D", "Price")
                             .rows;
    queries["Sold In 95"] = QueryBuilder()
                                .Add(1, "", "", 1)
                                .Add(5, "Top Two", "", 0, "T")
                                .Add(6, "", "T.*")
                                .Add(8, "", "Name Like \"*\" And Name<>\"C\"")
                                .rows;
    queries["Joined"] = QueryBuilder().Add(1, "", "", 1).Add(5, "Items").Add(5, "Sold In 95").rows;
    queries["Reads Joined"] =
        QueryBuilder().Add(1, "", "", 1).Add(5, "Joined").Add(6, "", "*").rows;
    std::vector<std::string> names = {"Sold In 95", "Reads Joined", "Joined", "Top Two"};
    auto outcomes = jet::TranslateQueries(
        names, [&](const std::string& n) { return queries[n]; }, Items,
        [&](const std::string& name, const std::string& select, std::string& why) {
            return file.TryExecute("CREATE VIEW " + bulk::QuoteIdent(name) + " AS " + select +
                                       "; SELECT * FROM " + bulk::QuoteIdent(name) + ";",
                                   why);
        });
    ASSERT_EQ(outcomes.size(), 4u);
    EXPECT_TRUE(outcomes[0].made) << outcomes[0].reason;
    EXPECT_FALSE(outcomes[1].made);
    EXPECT_NE(outcomes[1].reason.find("[Joined], which could not be made (it joins 2 tables"),
              std::string::npos)
        << outcomes[1].reason;
    EXPECT_TRUE(outcomes[3].made) << outcomes[3].reason;
    file.Finish();
    Sql db(dir.file("q.db"));
    // Two most expensive with the tie: A and c at 5; c is left out by Name<>"C".
    const auto rows = db.Rows("SELECT Name FROM \"Sold In 95\"");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0].bytes, "A");
    EXPECT_EQ(db.Integer("SELECT count(*) FROM \"Top Two\""), 2);
}

TEST(JetQueries, DateLiterals) {
    std::string out;
    auto date = [&](const char* text) { return jet::ParseDateLiteral(text, out) ? out : "no"; };
    EXPECT_EQ(date("1/31/95"), "1995-01-31 00:00:00");
    EXPECT_EQ(date("1/31/29"), "2029-01-31 00:00:00");
    EXPECT_EQ(date("12/31/1899 10:30 PM"), "1899-12-31 22:30:00");
    EXPECT_EQ(date("0632-01-01 12:00:01"), "0632-01-01 12:00:01");
    EXPECT_EQ(date("10:00:00"), "1899-12-30 10:00:00");
    EXPECT_EQ(date("2/29/1900"), "no");
    EXPECT_EQ(date("Jan 1, 1995"), "no");
}

TEST(JetLibraryViews, TheLibrarysOwnQueriesForItsTables) {
    const auto& views = jet::LibraryViews();
    std::set<std::string> names;
    for (const auto& v : views) names.insert(v.name);
    EXPECT_EQ(names, (std::set<std::string>{"qryAbility", "qryAges", "qryFeats", "qrySizes",
                                            "qrySkills"}));
    TempDir dir;
    bulk::BulkFile file(dir.file("lib.db"));
    file.Execute(
        "CREATE TABLE tblAbility (Name TEXT, \"Order\" INTEGER);"
        "INSERT INTO tblAbility VALUES ('Str', 2), ('Dex', 1);"
        "CREATE TABLE tblSizes (Name TEXT);"  // lacks the column the view orders by
        "CREATE TABLE tblAges (Name TEXT, \"Order\" INTEGER);");
    const auto outcomes =
        jet::AddLibraryViews(file, views, {"TBLABILITY", "tblSizes", "tblAges"}, {"qryAges"});
    ASSERT_EQ(outcomes.size(), 2u);
    for (const auto& o : outcomes) {
        if (o.name == "qryAbility") {
            EXPECT_TRUE(o.made) << o.error;
        } else {
            EXPECT_EQ(o.name, "qrySizes");
            EXPECT_FALSE(o.made);
        }
    }
    file.Finish();
    Sql db(dir.file("lib.db"));
    EXPECT_EQ(db.Text("SELECT group_concat(Name) FROM qryAbility"), "Dex,Str");
    EXPECT_EQ(db.Integer("SELECT count(*) FROM sqlite_schema WHERE type = 'view'"), 1);
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(JetBulkFiles, NeverReplaceAFileAndLeaveNoScratch) {
    TempDir dir;
    const std::string a = dir.file("a.db"), b = dir.file("b.db");
    std::ofstream(b) << "keep";
    EXPECT_THROW(bulk::BulkFile{b}, bulk::Error);
    EXPECT_EQ(Slurp(b), "keep");
    {
        bulk::BulkFile file(a);
        file.Execute("CREATE TABLE t (x)");
        std::string why;
        EXPECT_FALSE(
            file.TryExecute("INSERT INTO t VALUES (1); INSERT INTO nowhere VALUES (2)", why));
        EXPECT_NE(why.find("no such table"), std::string::npos);
        file.Finish();
    }
    EXPECT_THROW(bulk::MoveIntoPlace(a, b), bulk::Error);
    EXPECT_EQ(Slurp(b), "keep");
    bulk::MoveIntoPlace(a, dir.file("c.db"));
    EXPECT_FALSE(fs::exists(a));
    EXPECT_EQ(Sql(dir.file("c.db")).Integer("SELECT count(*) FROM t"), 0);
    { bulk::BulkFile discarded(dir.file("d.db")); }  // never finished: removed
    EXPECT_FALSE(fs::exists(dir.file("d.db")));
}

}  // namespace
}  // namespace orvane_test
