// The five lookup lists: abilities, keywords, languages, regions and colours. Each is a
// table of plain values with a list, an add and a delete; abilities and keywords also have
// a single-value read.
#include "database/convert.hpp"
#include "database/state.hpp"
#include "database/table.hpp"
#include "orvane/database.hpp"

namespace OrvaneLib {

namespace {

using detail::DatabaseState;
using detail::Quoted;

// One lookup vocabulary: where it lives and the texts of its reports.
struct Lookup {
    const char* table;
    const char* column;  // listed, added and searched
    const char* listLabel;
    const char* emptyTable;
    const char* addLabel;  // completed by the value and ")"
    const char* addEmptyKey;
    const char* delLabel;
    const char* delEmptyKey;
    const char* statement;  // completed by the quoted key
    bool tableTest;         // a missing table makes the operations do nothing, silently
};

const Lookup kKeywords{"tblKeywords",
                       "Keyword",
                       "Property Get: KeywordList",
                       "There are no Keyword Records in the Database!",
                       "Sub: AddKeyword(",
                       "An Keyword Search field was not corretly Identified.",
                       "Property Let: DelKeyword(",
                       "An Keyword Search field was not corretly Identified.",
                       "Select * From tblKeywords Where tblKeywords.Keyword = ",
                       true};
const Lookup kLanguages{"tblLanguages",
                        "Language",
                        "Property Get: LanguageList",
                        "There are no Language Records in the Database!",
                        "Property Let: AddLanguage(",
                        "A Language Search field was not corretly Identified.",
                        "Property Let: DelLanguage(",
                        "A Language Search field was not corretly Identified.",
                        "Select * From tblLanguages Where tblLanguages.Language = ",
                        false};
const Lookup kRegions{"tblRegion",
                      "Name",
                      "Property Get: RegionList",
                      "There are no Region Records in the Database!",
                      "Property Let: AddRegion(",
                      "A Region Search field was not corretly Identified.",
                      "Property Let: DelRegion(",
                      "A Region Search field was not corretly Identified.",
                      "Select * From tblRegion Where tblRegion.Name = ",
                      false};
const Lookup kColors{"tblColors",
                     "Color",
                     "Property Get: GetColorList",
                     "There are no Color Records in the Database!",
                     "Property Let: AddColor(",
                     "A Color name was not correctly specified.",
                     "Property Let: DelColor(",
                     "A Color Search field was not corretly Identified.",
                     "Select * From tblColors Where tblColors.Color = ",
                     false};

constexpr const char* kAbilityEmptyKey = "An Ability Search field was not corretly Identified.";
constexpr const char* kAbilityQuery = "Select * From qryAbility Where qryAbility.Name = ";
constexpr const char* kAbilityTable = "Select * From tblAbility Where tblAbility.Name = ";

// The lookup tables that Clear empties, with the record kinds' tables.
[[maybe_unused]] const bool kCleared =
    detail::RegisterClearedTable("tblColors", detail::ClearGroup::Base) &&
    detail::RegisterClearedTable("tblLanguages", detail::ClearGroup::Base) &&
    detail::RegisterClearedTable("tblAbility", detail::ClearGroup::Weapons);

Status Labelled(Status st, const std::string& label) {
    if (st.Label().empty()) st.WithLabel(label);
    return st;
}

// The open check and, for a vocabulary whose table is optional, the table test: `go` is
// false when the operation has nothing to do (silently, unless the status says otherwise).
Status Ready(DatabaseState& s, const char* table, bool tableTest, bool& go) {
    go = false;
    if (Status st = s.EnsureOpen(); !st.Ok()) return st;
    bool exists = true;
    if (tableTest)
        if (Status st = s.TableExists(table, exists); !st.Ok()) return st;
    go = exists;
    return {};
}

// Lists one column of a table or stored query, indices 1 to N.
Result<ListResult> ListColumn(DatabaseState& s, const char* source, const char* column,
                              const char* label, const char* emptyMessage) {
    std::vector<std::string> values;
    if (Status st = detail::ColumnValues(*s.dbData, source, column, values); !st.Ok())
        return {Labelled(st, label)};
    if (values.empty()) return {Status(StatusCode::Empty, emptyMessage).WithLabel(label)};
    return {{}, ListResult(1, std::move(values))};
}

ListResult List(DatabaseState& s, const Lookup& k) {
    bool go = false;
    if (Status st = Ready(s, k.table, k.tableTest, go); !st.Ok() || !go) {
        s.Report(st);
        return {};
    }
    return s.Reported(ListColumn(s, k.table, k.column, k.listLabel, k.emptyTable));
}

// Appends one row; `extra` adds the second column of the vocabularies that have one.
Status AppendRow(DatabaseState& s, const char* table, const char* column, const std::string& value,
                 const char* extraColumn, Integer extra) {
    dal::RowWriter writer;
    if (Status st = dal::RowWriter::Open(*s.dbData, table, writer); !st.Ok()) return st;
    for (const auto& [name, v] :
         {std::pair<const char*, dal::Value>{column, dal::Value::Text(value)},
          {extraColumn, dal::Value::Int(extra)}}) {
        if (!name) continue;
        const int p = writer.ColumnSet().Find(name);
        if (p < 0)
            return Status(StatusCode::Engine,
                          std::string("Item not found in this collection: ") + name);
        writer.Set(p, v);
    }
    return writer.Insert();
}

void Add(DatabaseState& s, const Lookup& k, const std::string& value, const std::string& label,
         const char* extraColumn = nullptr, Integer extra = 0) {
    if (value.empty()) {
        s.ReportError(label, k.addEmptyKey, false);
        return;
    }
    bool go = false;
    Status st = Ready(s, k.table, k.tableTest, go);
    if (st.Ok() && go)
        st = Labelled(AppendRow(s, k.table, k.column, value, extraColumn, extra), label);
    s.Report(st);
}

// Deletes the first row whose key column matches; a key that matches nothing is ignored.
Status DeleteFirst(DatabaseState& s, const char* source, const char* column, const std::string& key,
                   const std::string& statement) {
    s.SetSQL(statement);
    dal::Condition cond{column, dal::Condition::Kind::Text, key};
    bool found = false;
    return s.dbData->DeleteFirst(source, {&cond, 1}, found);
}

void Del(DatabaseState& s, const Lookup& k, const std::string& value) {
    s.ClearSQL();
    std::string label = k.delLabel + value + ")";
    if (value.empty()) {
        s.ReportError(label, k.delEmptyKey);
        return;
    }
    bool go = false;
    Status st = Ready(s, k.table, k.tableTest, go);
    if (st.Ok() && go)
        st = Labelled(DeleteFirst(s, k.table, k.column, value, Quoted(k.statement, value)), label);
    s.Report(st);
}

// The first row of a source whose key column matches: `found` false when none does, else
// `value` is its cell of `column`.
Status FirstMatch(DatabaseState& s, const char* source, const char* keyColumn,
                  const std::string& key, const std::string& statement, const char* column,
                  bool& found, dal::Value& value) {
    s.SetSQL(statement);
    dal::Condition cond{keyColumn, dal::Condition::Kind::Text, key};
    dal::Recordset rs;
    found = false;
    if (Status st =
            dal::Recordset::Lookup(*s.dbData, source, {&cond, 1}, dal::Access::ReadOnly, rs);
        !st.Ok())
        return st;
    if (rs.RecordCount() == 0) return {};
    rs.MoveFirst();
    const dal::Value* cell = rs.Field(column);
    if (!cell)
        return Status(StatusCode::Engine,
                      std::string("Item not found in this collection: ") + column);
    found = true;
    value = *cell;
    return {};
}

}  // namespace

ListResult clsDatabase::AbilityList() {
    auto& s = *state_;
    bool exists = false;
    Status st = s.EnsureOpen();
    if (st.Ok()) st = s.TableExists("qryAbility", exists);
    if (!st.Ok()) {
        s.Report(st);
        return {};
    }
    if (!exists)
        return ListResult(
            0, {"Strength", "Dexterity", "Constitution", "Intelligence", "Wisdom", "Charisma"});
    return s.Reported(ListColumn(s, "qryAbility", "Name", "Property Get: AbilityList",
                                 "There are no Ability Records in the Database!"));
}

void clsDatabase::AddAbility(const std::string& strAbility, Integer iOrder) {
    auto& s = *state_;
    if (strAbility.empty()) {
        s.ReportError("Sub: AddAbility(" + strAbility + ", " + std::to_string(iOrder) + ")",
                      kAbilityEmptyKey, false);
        return;
    }
    bool go = false;
    Status st = Ready(s, "tblAbility", true, go);
    if (st.Ok() && go)
        st = Labelled(AppendRow(s, "tblAbility", "Name", strAbility, "Order", iOrder),
                      "Sub: AddAbility")
                 .WithoutStatement();
    s.Report(st);
}

void clsDatabase::DelAbility(const std::string& strAbility) {
    auto& s = *state_;
    s.ClearSQL();
    std::string label = "Property Let: DelAbility(" + strAbility + ")";
    if (strAbility.empty()) {
        s.ReportError(label, kAbilityEmptyKey);
        return;
    }
    Status st = s.EnsureOpen();
    bool query = false, table = false;
    if (st.Ok()) st = s.TableExists("qryAbility", query);
    if (st.Ok() && !query) st = s.TableExists("tblAbility", table);
    if (st.Ok() && query)
        st = Labelled(
            DeleteFirst(s, "qryAbility", "Name", strAbility, Quoted(kAbilityQuery, strAbility)),
            label);
    else if (st.Ok() && table)
        st = Labelled(
            DeleteFirst(s, "tblAbility", "Name", strAbility, Quoted(kAbilityTable, strAbility)),
            label);
    s.Report(st);
}

Integer clsDatabase::GetAbility(const std::string& strAbility) {
    auto& s = *state_;
    s.ClearSQL();
    std::string label = "Function: GetAbility(" + strAbility + ")";
    if (strAbility.empty()) {
        s.ReportError(label, kAbilityEmptyKey);
        return 0;
    }
    if (Status st = s.EnsureOpen(); !st.Ok()) {
        s.Report(st);
        return 0;
    }
    bool found = false;
    dal::Value order;
    Status st = FirstMatch(s, "qryAbility", "Name", strAbility, Quoted(kAbilityQuery, strAbility),
                           "Order", found, order);
    try {
        if (st.Ok() && found) return detail::CellInteger(order);
    } catch (const std::exception& e) {
        st = Status(StatusCode::BadValue, e.what());
    }
    s.Report(Labelled(st, label));
    return 0;
}

ListResult clsDatabase::KeywordList() { return List(*state_, kKeywords); }

void clsDatabase::AddKeyword(const std::string& strKeyword, Integer strName) {
    Add(*state_, kKeywords, strKeyword,
        "Sub: AddKeyword(" + strKeyword + ", " + std::to_string(strName) + ")", "Name", strName);
}

void clsDatabase::DelKeyword(const std::string& strKeyword) { Del(*state_, kKeywords, strKeyword); }

std::string clsDatabase::GetKeyword(const std::string& strKeyword) {
    auto& s = *state_;
    s.ClearSQL();
    std::string label = "Function: GetKeyword(" + strKeyword + ")";
    if (strKeyword.empty()) {
        s.ReportError(label, kKeywords.delEmptyKey);
        return {};
    }
    if (Status st = s.EnsureOpen(); !st.Ok()) {
        s.Report(st);
        return {};
    }
    bool found = false;
    dal::Value name;
    Status st = FirstMatch(s, "tblKeywords", "Keyword", strKeyword,
                           Quoted(kKeywords.statement, strKeyword), "Name", found, name);
    try {
        if (st.Ok()) return found ? detail::CellText(name) : std::string();
    } catch (const std::exception& e) {
        st = Status(StatusCode::BadValue, e.what());
    }
    s.Report(Labelled(st, label));
    return {};
}

ListResult clsDatabase::LanguageList() { return List(*state_, kLanguages); }
void clsDatabase::AddLanguage(const std::string& strLanguage) {
    Add(*state_, kLanguages, strLanguage, kLanguages.addLabel + strLanguage + ")");
}
void clsDatabase::DelLanguage(const std::string& strLanguage) {
    Del(*state_, kLanguages, strLanguage);
}

ListResult clsDatabase::RegionList() { return List(*state_, kRegions); }
void clsDatabase::AddRegion(const std::string& strRegion) {
    Add(*state_, kRegions, strRegion, kRegions.addLabel + strRegion + ")");
}
void clsDatabase::DelRegion(const std::string& strRegion) { Del(*state_, kRegions, strRegion); }

ListResult clsDatabase::GetColorList() { return List(*state_, kColors); }
void clsDatabase::AddColor(const std::string& strColor) {
    Add(*state_, kColors, strColor, kColors.addLabel + strColor + ")");
}
void clsDatabase::DelColor(const std::string& strColor) { Del(*state_, kColors, strColor); }

}  // namespace OrvaneLib
