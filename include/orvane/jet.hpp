// Bringing rules databases over from Jet files (the .mdb format of Access 95 to 2003, Jet 3
// and Jet 4): one call turns a whole file into a new rules database that the library
// opens. This is the library orvane_jet (orvane::orvane_jet), apart from the core library.
//
// Every user table is copied with its name, its column names and every cell:
//   Yes/No             INTEGER 1 or 0
//   Byte, Integer, Long INTEGER
//   Single, Double     REAL, the stored value
//   Currency           REAL, the nearest to its four-decimal value
//   Date/Time          TEXT "YYYY-MM-DD HH:MM:SS" (years 100 to 9999; a value outside them
//                      stays the stored day count, a REAL, and the report notes it)
//   Text, Memo         TEXT, UTF-8, at full length; letter case ignored in comparisons
//   OLE, Binary        BLOB, every stored byte
//   Replication ID     TEXT {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}
//   Decimal            NUMERIC (TEXT beyond 15 digits, to stay exact)
// NULL stays NULL. Primary keys and indexes become indexes named "Table.Index" (unique
// where unique). Stored single-table SELECT queries become views of the same name.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#if defined(__GNUC__)
#define ORVANE_JET_API __attribute__((visibility("default")))
#else
#define ORVANE_JET_API
#endif

namespace OrvaneLib {

// Told while rows are copied: the table, the rows copied so far and the rows it holds.
using JetProgress =
    std::function<void(std::string_view table, std::uint64_t rowsDone, std::uint64_t rowsInTable)>;

struct JetConvertOptions {
    JetProgress progress;  // optional
};

struct JetTableReport {
    std::string name;
    std::uint64_t rows = 0;
    std::size_t columns = 0;
    std::size_t indexes = 0;
};

struct JetQueryMade {
    std::string name;
    std::string select;  // the view's SELECT
    // The library's own definition of one of its stored queries, made because the file
    // holds the library's tables but its query of that name could not be made (or is
    // missing); queriesSkipped then tells why the file's own could not be made.
    bool fromLibrarySchema = false;
};

struct JetQuerySkipped {
    std::string name;
    std::string reason;
};

struct JetConvertReport {
    bool ok = false;
    // When !ok: one line naming the file (and the table, when one table is unreadable).
    // Nothing is left behind then.
    std::string error;
    std::string source;
    std::string target;
    int jetVersion = 0;  // 3 or 4
    std::vector<JetTableReport> tables;
    std::uint64_t rows = 0;  // of all tables
    std::vector<JetQueryMade> queriesMade;
    std::vector<JetQuerySkipped> queriesSkipped;
    // Anything else worth knowing: linked tables left out, values kept in another form.
    std::vector<std::string> notes;
};

// Converts the Jet file `from` into a new rules database `to`. The new file is written
// beside `to` under a scratch name and moved into place only when everything is in; an
// existing `to` is never replaced. Never throws: failures are in the report.
ORVANE_JET_API JetConvertReport ConvertJetDatabase(const std::string& from, const std::string& to,
                                                   const JetConvertOptions& options = {});

}  // namespace OrvaneLib
