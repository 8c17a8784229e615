// Record kinds at run time, for tools: every kind the library serves, what it is called,
// where it is stored, how it is keyed and what fields it has, and its list, read, add and
// delete operations called by kind rather than by member name.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "orvane/types.hpp"

namespace OrvaneLib {

class clsDatabase;

namespace detail {
struct TableKind;
}

// The type of a field, in the order of the library's own field types.
enum class FieldKind {
    Text,
    Boolean,
    IntegerNumber,
    LongNumber,
    SingleNumber,
    List,
    Modifiers,
    Block
};

struct FieldInfo {
    std::string Name;
    FieldKind Type = FieldKind::Text;
};

// One line of a record's text file, in file order. A Block line stands for the nested
// record's own lines (a requirements block). Group 0 lines are always read; lines of
// group n > 0 are read only when the file has more lines.
struct FileLineInfo {
    std::string Field;
    FieldKind Type = FieldKind::Text;
    int Group = 0;
    std::string Form;  // "plain", "description" (line breaks as "[CRLF]") or "note" (dropped)
};

struct KeyInfo {
    std::string Column;   // the key column of the table
    std::string Field;    // the record field it fills
    bool Number = false;  // a number key (else text)
};

class KindInfo {
  public:
    explicit KindInfo(const detail::TableKind& kind) : kind_(&kind) {}

    std::string Name() const;         // "Species", "Class level", "Starship crew"
    std::string Table() const;        // "tblSpecies"
    std::string RecordClass() const;  // "clsSpecies"
    std::vector<KeyInfo> Keys() const;
    bool HasStation() const;                // operations take bStation
    bool HasDescript() const;               // the read takes bDescript
    bool HasListFlag() const;               // the list takes a flag (bStation, bAumenSkills)
    std::vector<FieldInfo> Fields() const;  // in declaration order
    std::vector<FileLineInfo> FileLines() const;

    // The kind's operations on a database, with the reports and empty results of the
    // named members. Number keys are given as decimal text; a text that is not a number
    // throws std::invalid_argument before anything runs.
    ListResult List(clsDatabase& db, bool flag = false) const;
    std::shared_ptr<Object> Read(clsDatabase& db, const std::vector<std::string>& keys,
                                 bool bDescript = false, bool bStation = false) const;
    void Add(clsDatabase& db, const Object& record) const;  // record must be of RecordClass()
    void Delete(clsDatabase& db, const std::vector<std::string>& keys, bool bStation = false) const;

    // A new, cleared record of this kind.
    std::shared_ptr<Object> NewRecord() const;
    // A field of a record as text: numbers in decimal, Booleans "True"/"False", lists as
    // their canonical text, the modifiers joined by "|".
    std::string FieldText(const Object& record, const std::string& field) const;
    // The list object behind a list field (to decode its entries), or nullptr.
    const Object* FieldObject(const Object& record, const std::string& field) const;

    // Saves a record to a text file and loads it back, as the record's Save and Load do.
    void Save(const Object& record, const std::string& fileName) const;
    void Load(Object& record, const std::string& fileName) const;

  private:
    const detail::TableKind* kind_;
};

// Every record kind the library serves.
std::vector<KindInfo> RecordKinds();
// The kind of that name: letter case, blanks and hyphens do not matter ("class-level").
std::optional<KindInfo> FindKind(const std::string& name);

}  // namespace OrvaneLib
