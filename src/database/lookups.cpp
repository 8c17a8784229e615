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

// Lists one column of a table or stored query, indices 1 to N.
ListResult ListColumn(DatabaseState& s, const char* source, const char* column, const char* label,
                      const char* emptyMessage) {
    try {
        std::vector<std::string> values = detail::ColumnValues(*s.dbData, source, column);
        if (values.empty()) {
            s.ReportError(label, emptyMessage);
            return {};
        }
        return ListResult(1, std::move(values));
    } catch (const std::exception& e) {
        s.ReportError(label, e.what());
        return {};
    }
}

ListResult List(DatabaseState& s, const Lookup& k) {
    if (!s.EnsureOpen()) return {};
    if (k.tableTest && !s.TableExists(k.table)) return {};
    return ListColumn(s, k.table, k.column, k.listLabel, k.emptyTable);
}

// Appends one row; `extra` adds the second column of the vocabularies that have one.
void Add(DatabaseState& s, const Lookup& k, const std::string& value, const std::string& label,
         const char* extraColumn = nullptr, Integer extra = 0) {
    if (value.empty()) {
        s.ReportError(label, k.addEmptyKey);
        return;
    }
    if (!s.EnsureOpen()) return;
    if (k.tableTest && !s.TableExists(k.table)) return;
    try {
        auto rs = dal::Recordset::ForAppend(*s.dbData, k.table);
        rs.AddNew();
        rs.Set(k.column, dal::Value::Text(value));
        if (extraColumn) rs.Set(extraColumn, dal::Value::Int(extra));
        rs.Update();
    } catch (const std::exception& e) {
        s.ReportError(label, e.what());
    }
}

// Deletes the first row whose key column matches; a key that matches nothing is ignored.
void DeleteFirst(DatabaseState& s, const char* source, const char* column, const std::string& key,
                 const std::string& statement, const std::string& label) {
    try {
        s.SetSQL(statement);
        dal::Condition cond{column, dal::Condition::Kind::Text, key};
        auto rs = dal::Recordset::Lookup(*s.dbData, source, {&cond, 1}, dal::Access::Updatable);
        if (rs.RecordCount() > 0) {
            rs.MoveFirst();
            rs.Delete();
        }
    } catch (const std::exception& e) {
        s.ReportError(label, e.what());
    }
}

void Del(DatabaseState& s, const Lookup& k, const std::string& value) {
    s.ClearSQL();
    std::string label = k.delLabel + value + ")";
    if (value.empty()) {
        s.ReportError(label, k.delEmptyKey);
        return;
    }
    if (!s.EnsureOpen()) return;
    if (k.tableTest && !s.TableExists(k.table)) return;
    DeleteFirst(s, k.table, k.column, value, Quoted(k.statement, value), label);
}

// Reads one column of the first row matching a key; `found` is false when none matches.
const dal::Value* FirstMatch(DatabaseState& s, dal::Recordset& rs, const char* source,
                             const char* keyColumn, const std::string& key,
                             const std::string& statement, const char* column) {
    s.SetSQL(statement);
    dal::Condition cond{keyColumn, dal::Condition::Kind::Text, key};
    rs = dal::Recordset::Lookup(*s.dbData, source, {&cond, 1}, dal::Access::Updatable);
    if (rs.RecordCount() == 0) return nullptr;
    rs.MoveFirst();
    return &rs.Field(column);
}

}  // namespace

ListResult clsDatabase::AbilityList() {
    auto& s = *state_;
    if (!s.EnsureOpen()) return {};
    if (!s.TableExists("qryAbility"))
        return ListResult(
            0, {"Strength", "Dexterity", "Constitution", "Intelligence", "Wisdom", "Charisma"});
    return ListColumn(s, "qryAbility", "Name", "Property Get: AbilityList",
                      "There are no Ability Records in the Database!");
}

void clsDatabase::AddAbility(const std::string& strAbility, Integer iOrder) {
    auto& s = *state_;
    if (strAbility.empty()) {
        s.ReportError("Sub: AddAbility(" + strAbility + ", " + std::to_string(iOrder) + ")",
                      kAbilityEmptyKey);
        return;
    }
    if (!s.EnsureOpen() || !s.TableExists("tblAbility")) return;
    try {
        auto rs = dal::Recordset::ForAppend(*s.dbData, "tblAbility");
        rs.AddNew();
        rs.Set("Name", dal::Value::Text(strAbility));
        rs.Set("Order", dal::Value::Int(iOrder));
        rs.Update();
    } catch (const std::exception& e) {
        s.ReportError("Sub: AddAbility", e.what());
    }
}

void clsDatabase::DelAbility(const std::string& strAbility) {
    auto& s = *state_;
    s.ClearSQL();
    std::string label = "Property Let: DelAbility(" + strAbility + ")";
    if (strAbility.empty()) {
        s.ReportError(label, kAbilityEmptyKey);
        return;
    }
    if (!s.EnsureOpen()) return;
    if (s.TableExists("qryAbility"))
        DeleteFirst(s, "qryAbility", "Name", strAbility, Quoted(kAbilityQuery, strAbility), label);
    else if (s.TableExists("tblAbility"))
        DeleteFirst(s, "tblAbility", "Name", strAbility, Quoted(kAbilityTable, strAbility), label);
}

Integer clsDatabase::GetAbility(const std::string& strAbility) {
    auto& s = *state_;
    s.ClearSQL();
    std::string label = "Function: GetAbility(" + strAbility + ")";
    if (strAbility.empty()) {
        s.ReportError(label, kAbilityEmptyKey);
        return 0;
    }
    if (!s.EnsureOpen()) return 0;
    try {
        dal::Recordset rs;
        const dal::Value* order = FirstMatch(s, rs, "qryAbility", "Name", strAbility,
                                             Quoted(kAbilityQuery, strAbility), "Order");
        return order ? detail::CellInteger(*order) : Integer{0};
    } catch (const std::exception& e) {
        s.ReportError(label, e.what());
        return 0;
    }
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
    if (!s.EnsureOpen()) return {};
    try {
        dal::Recordset rs;
        const dal::Value* name = FirstMatch(s, rs, "tblKeywords", "Keyword", strKeyword,
                                            Quoted(kKeywords.statement, strKeyword), "Name");
        return name ? detail::CellText(*name) : std::string();
    } catch (const std::exception& e) {
        s.ReportError(label, e.what());
        return {};
    }
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
