// Record kinds at run time, for tools: every kind the library serves, what it is called,
// where it is stored, how it is keyed and what fields it has, and its list, read, add and
// delete operations called by kind rather than by member name. Each operation comes twice:
// as the named member does it (reports and empty results), and as a Try call that reports
// nothing and returns what happened as a Status.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "orvane/export.hpp"
#include "orvane/lists.hpp"
#include "orvane/status.hpp"
#include "orvane/types.hpp"

namespace OrvaneLib {

class clsDatabase;

namespace detail {
struct TableKind;
struct Access;
struct Field;
struct RecordKind;
}  // namespace detail

// The type of a field.
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
    std::string Column;   // its column in the kind's table; empty when it has none
    bool InFile = false;  // it has a line in the record's text file
    bool Key = false;     // it is a key field
    // What the value names, one per named part of a list entry (a synergy: the skill; a
    // feat replacement: class, old feat, new feat), "" for a part that names nothing, and
    // empty when the field names nothing: the id of a record kind ("skill",
    // "special-quality"), a lookup list ("languages", "abilities", "regions"), or
    // "sub-skill" (an entry of some skill's suggested sub-skills).
    std::vector<std::string> Names;
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

// One field of a record kind, found once by name, for typed access to its value without
// looking the name up again: for programs that read or write many records field by field
// (the Python module's record attributes use it). KindInfo::Handle and BlockHandle make them;
// a default handle reaches nothing. Every call checks that the record is of the class the
// field belongs to (std::invalid_argument otherwise) and that the call fits the field's type
// (std::logic_error otherwise, as for an empty handle).
class ORVANE_API FieldHandle {
  public:
    FieldHandle() = default;
    explicit operator bool() const { return field_ != nullptr; }
    FieldKind Type() const { return type_; }
    std::string Name() const;
    // The record class the field belongs to ("clsRequirements" for a field of a block).
    std::string RecordClass() const;

    // Text and List fields; a list as its canonical text, and set by parsing a text.
    std::string GetText(const Object& record) const;
    void SetText(Object& record, std::string_view text) const;
    // Boolean (0 or 1), Integer and Long fields. A Boolean takes any number (0 is false); an
    // Integer or Long throws std::out_of_range for a value it cannot hold and keeps its own.
    std::int64_t GetNumber(const Object& record) const;
    void SetNumber(Object& record, std::int64_t value) const;
    // Single fields; a finite value beyond a Single's range throws std::out_of_range.
    Single GetSingle(const Object& record) const;
    void SetSingle(Object& record, double value) const;
    // The Modifiers field: ability 0 (Strength) to 5 (Charisma); std::out_of_range for others.
    Integer GetModifier(const Object& record, int ability) const;
    void SetModifier(Object& record, int ability, Integer value) const;
    // A List field's list object, or a Block field's nested record (nullptr when there is none).
    const Object* GetObject(const Object& record) const;

  private:
    friend class KindInfo;
    // Made and used inside the library only, so not exported.
    __attribute__((visibility("hidden")))
    FieldHandle(const detail::Field& field, const detail::RecordKind& record);
    __attribute__((visibility("hidden"))) const detail::Access& Checked(
        const Object& record, std::initializer_list<FieldKind> types) const;

    const detail::Field* field_ = nullptr;
    const detail::RecordKind* record_ = nullptr;
    FieldKind type_ = FieldKind::Text;
};

class ORVANE_API KindInfo {
  public:
    explicit KindInfo(const detail::TableKind& kind) : kind_(&kind) {}

    std::string Name() const;         // "Species", "Class level", "Starship crew"
    std::string Table() const;        // "tblSpecies"
    std::string RecordClass() const;  // "clsSpecies"
    std::vector<KeyInfo> Keys() const;
    bool HasStation() const;                // operations take bStation
    bool HasDescript() const;               // the read takes bDescript
    bool HasListFlag() const;               // the list takes a flag (bStation, bAumenSkills)
    std::vector<FieldInfo> Fields() const;  // in the order of the record's text file
    std::vector<FileLineInfo> FileLines() const;
    // The fields of the nested record behind a Block field (the requirements' own fields).
    std::vector<FieldInfo> BlockFields(const std::string& field) const;

    // The kind's operations on a database, with the reports and empty results of the
    // named members. Number keys are given as decimal text; a text that is not a number
    // throws std::invalid_argument before anything runs. A record that is not of the kind's
    // class throws std::invalid_argument.
    ListResult List(clsDatabase& db, bool flag = false) const;
    std::shared_ptr<Object> Read(clsDatabase& db, const std::vector<std::string>& keys,
                                 bool bDescript = false, bool bStation = false) const;
    void Add(clsDatabase& db, const Object& record) const;
    void Delete(clsDatabase& db, const std::vector<std::string>& keys, bool bStation = false) const;

    // The same operations reporting nothing: the status tells what happened (NotFound for a
    // key that matches no row, NoTable, Engine with the engine's code, and so on), with the
    // label and message the report would have shown.
    Result<ListResult> TryList(clsDatabase& db, bool flag = false) const;
    Result<std::shared_ptr<Object>> TryRead(clsDatabase& db, const std::vector<std::string>& keys,
                                            bool bDescript = false, bool bStation = false) const;
    Status TryAdd(clsDatabase& db, const Object& record) const;
    Status TryDelete(clsDatabase& db, const std::vector<std::string>& keys,
                     bool bStation = false) const;

    // A new, cleared record of this kind.
    std::shared_ptr<Object> NewRecord() const;
    // A field of a record as text: numbers in decimal, Booleans "True"/"False", lists as
    // their canonical text, the modifiers joined by "|". A field of a nested block is named
    // "Block.Field" ("Requirements.Skill"), here and in the three calls below.
    std::string FieldText(const Object& record, const std::string& field) const;
    // Sets a field from such a text (a list from its text, the modifiers from "a|b|c|d|e|f");
    // throws std::invalid_argument for a text that does not fit the field's type.
    void SetFieldText(Object& record, const std::string& field, const std::string& text) const;
    // The list object behind a list field, or the nested record behind a block field.
    const Object* FieldObject(const Object& record, const std::string& field) const;
    const EncodedList* FieldList(const Object& record, const std::string& field) const;

    // Saves a record to a text file and loads it back, as the record's Save and Load do
    // (with their message boxes), or reporting nothing (the status names the file's line
    // that failed).
    void Save(const Object& record, const std::string& fileName) const;
    void Load(Object& record, const std::string& fileName) const;
    Status TrySave(const Object& record, const std::string& fileName) const;
    Status TryLoad(Object& record, const std::string& fileName) const;

    // A field found once by name (a row that only fills a column too); std::invalid_argument
    // for a name the kind does not have.
    FieldHandle Handle(const std::string& field) const;
    // A field of the nested record behind a Block field (one of BlockFields(block)).
    FieldHandle BlockHandle(const std::string& block, const std::string& field) const;
    // The class of the nested record behind a Block field ("clsRequirements"); empty for a
    // field of another type.
    std::string BlockClass(const std::string& field) const;

  private:
    const detail::TableKind* kind_;
};

// Every record kind the library serves, by name.
ORVANE_API std::vector<KindInfo> RecordKinds();
// The kind of that name: letter case, blanks and hyphens do not matter ("class-level").
ORVANE_API std::optional<KindInfo> FindKind(const std::string& name);

}  // namespace OrvaneLib
