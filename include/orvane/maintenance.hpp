// Whole-database work for the people who keep a rules database: every record of a kind read
// and stored whole, the plain tables beside the record kinds, the check of every name that
// points at another entry, and full-text search over names and descriptions.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "orvane/export.hpp"
#include "orvane/kinds.hpp"
#include "orvane/status.hpp"
#include "orvane/types.hpp"

namespace OrvaneLib {

class clsDatabase;

// ---------------------------------------------------------------------------------------
// Records, whole

// Every row of a kind's table as a record, in table order, read the way the kind's read
// reads a row but with every column (the description too) and with the key fields taken from
// the row. A row the read would refuse (a null where a value is required) stops the walk
// with a status naming the row and column; so does a failed status `visit` returns. A kind
// whose optional table is absent gives NoTable.
ORVANE_API Status ForEachRecord(clsDatabase& db, const KindInfo& kind,
                                const std::function<Status(const Object& record)>& visit);

// Appends a record as a new row holding every column the kind's read fills, also those the
// kind's add leaves alone (a skill's class requirements), so that what ForEachRecord gave
// is stored again without loss. Otherwise as KindInfo::TryAdd.
ORVANE_API Status StoreWholeRecord(clsDatabase& db, const KindInfo& kind, const Object& record);

// ---------------------------------------------------------------------------------------
// The plain tables: the information row and the five lookup lists

struct PlainTableInfo {
    std::string Name;                  // "info", "abilities", "keywords", ...
    std::string Table;                 // "tblInfo", "tblAbility", ...
    std::vector<std::string> Columns;  // in the order rows give their values
    std::vector<bool> Numbers;         // per column: a whole number (else a text)
};
// A row of a plain table: one value per column, nullopt for a null.
using PlainRow = std::vector<std::optional<std::string>>;

ORVANE_API std::vector<PlainTableInfo> PlainTables();
// Every row in table order, numbers in decimal. NoTable when the database lacks the table.
ORVANE_API Status ReadPlainRows(clsDatabase& db, const PlainTableInfo& table,
                                std::vector<PlainRow>& rows);
// Appends a row; a number column given a text that is no whole number is refused (BadValue
// naming the column) and nothing is stored.
ORVANE_API Status AddPlainRow(clsDatabase& db, const PlainTableInfo& table, const PlainRow& row);
// Deletes every row of the table.
ORVANE_API Status ClearPlainTable(clsDatabase& db, const PlainTableInfo& table);

// ---------------------------------------------------------------------------------------
// Names that point at other entries

// One problem found in a stored record: a name that no entry of the kind it should name has
// ("Dangling"), or a list text that does not read back as itself ("Mangled").
struct ReferenceFinding {
    enum class Problem { Dangling, Mangled };
    Problem Type = Problem::Dangling;
    std::string Kind;               // the record's kind, as KindInfo::Name() calls it
    std::vector<std::string> Keys;  // the record's key(s) as text
    bool Station = false;           // a station row (kinds with station rows)
    std::string Field;              // "ClassSkills", "Requirements.Skill", "Name"
    // Dangling: the name, what it should name (as FieldInfo::Names calls it: "skill") and
    // the closest names that do exist, best first.
    std::string Name;
    std::string Target;
    std::vector<std::string> Suggestions;
    // Mangled: the text as stored and the canonical text it reads as.
    std::string Text;
    std::string Canonical;
};

// Resolves every name of every record of every kind the database holds, as each field's
// description says what it names, and reads every list text back. Names compare exactly
// (letter case counts, as the lists' own questions do); an ability also counts when its
// first three letters are those of an ability of the list (the library completes such
// names itself), and "None" stands for no ability. Findings come kind by kind in table order.
ORVANE_API Result<std::vector<ReferenceFinding>> CheckReferences(clsDatabase& db);

// The dangling names of one record that is not stored (yet), against the database.
ORVANE_API Result<std::vector<ReferenceFinding>> CheckRecordNames(clsDatabase& db,
                                                                  const KindInfo& kind,
                                                                  const Object& record);

// Whether a list text reads back as itself: it equals the canonical text `canonical` its
// list makes of it once the blanks that the list grammar trims away are disregarded.
ORVANE_API bool ListReadsBack(const std::string& text, const std::string& canonical);

// ---------------------------------------------------------------------------------------
// Search

struct SearchHit {
    std::string Kind;  // as KindInfo::Name() calls it
    std::vector<std::string> Keys;
    bool Station = false;
    std::string Name;     // the record's name as indexed (its key texts)
    std::string Snippet;  // where the words were found, with the matched words in [brackets]
    double Score = 0;     // the engine's rank: lower is better
};

// Searches the names and descriptions of every record kind (or of one kind) for records
// holding every word of `text` (letter case and accents ignored; each word also matches as
// the start of a longer one), best first. The index is built in the database file on first
// use and kept in step with every later add and delete (see search.cpp); a database that
// cannot be written to is searched through an index built for this search alone.
ORVANE_API Result<std::vector<SearchHit>> SearchRecords(clsDatabase& db, const std::string& text,
                                                        const std::optional<KindInfo>& kind = {},
                                                        int limit = 50);

}  // namespace OrvaneLib
