// The record-table pattern: list, read, add and delete for every record kind, driven by
// its table description.
#include <limits>

#include "database/convert.hpp"
#include "database/table.hpp"

namespace OrvaneLib::detail {

namespace {
std::vector<TableFactory>& Registry() {
    static std::vector<TableFactory> tables;
    return tables;
}
}  // namespace

bool RegisterTable(TableFactory factory) {
    Registry().push_back(factory);
    return true;
}

const std::vector<TableFactory>& RegisteredTables() { return Registry(); }

void TableKind::Resolve() {
    auto slotOf = [&](std::string_view field) {
        const FieldDesc* f = record->Find(field);
        if (!f)
            throw std::logic_error("table " + std::string(table) + ": no field " +
                                   std::string(field) + " in " + std::string(record->className));
        return &f->slot;
    };
    for (auto& key : keys) key.slot = slotOf(key.field);
    for (auto& column : columns) column.slot = slotOf(column.field);
}

namespace {

std::string KeyText(const KeyArg& k) {
    return k.isNumber ? std::to_string(k.number) : std::string(k.text);
}

// "key1, key2[, station][, descript])"
std::string Arguments(std::initializer_list<KeyArg> keys, const TableKind& kind, bool bStation,
                      const bool* bDescript) {
    std::string out;
    bool first = true;
    for (const auto& k : keys) {
        if (!first) out += ", ";  // also after an empty key: "(, 3)"
        first = false;
        out += KeyText(k);
    }
    if (kind.station) out += std::string(", ") + BoolText(bStation);
    if (bDescript) out += std::string(", ") + BoolText(*bDescript);
    return out + ")";
}

std::string Literal(const KeyArg& k, char quote) {
    if (k.isNumber) return std::to_string(k.number);
    std::string s(1, quote);
    s.append(k.text);
    s += quote;
    return s;
}

// A missing key: an empty text, or a negative number where the kind does not accept one.
bool MissingKey(const TableKind& kind, std::initializer_list<KeyArg> keys) {
    std::size_t i = 0;
    for (const auto& k : keys) {
        const KeyDesc& d = kind.keys[i++];
        if (k.isNumber ? (d.rejectNegative && k.number < 0) : k.text.empty()) return true;
    }
    return false;
}

bool TableMissing(DatabaseState& s, const TableKind& kind, bool forRead) {
    if (kind.test == TableTest::All || (forRead && kind.test == TableTest::ReadOnly))
        return !s.TableExists(kind.table);
    return false;
}

std::vector<dal::Condition> Conditions(const TableKind& kind, std::initializer_list<KeyArg> keys,
                                       bool bStation) {
    std::vector<dal::Condition> conds;
    conds.reserve(keys.size() + 1);
    std::size_t i = 0;
    for (const auto& k : keys) {
        const KeyDesc& d = kind.keys[i++];
        if (k.isNumber)
            conds.push_back({d.column, dal::Condition::Kind::Number, {}, k.number});
        else
            conds.push_back({d.column, dal::Condition::Kind::Text, k.text, 0});
    }
    if (kind.station)
        conds.push_back({"Station", dal::Condition::Kind::Boolean, {}, bStation ? 1 : 0});
    return conds;
}

// Converts a cell into a field through its slot; a null fails.
void Store(void* record, const Slot& slot, const dal::Value& v) {
    switch (slot.type) {
        case FieldType::Text:
        case FieldType::List:
            slot.setText(record, CellText(v));
            break;
        case FieldType::Boolean:
            slot.setInt(record, CellBool(v) ? 1 : 0);
            break;
        case FieldType::Integer:
            slot.setInt(record, CellInteger(v));
            break;
        case FieldType::Long:
            slot.setInt(record, CellLong(v));
            break;
        case FieldType::Single:
            slot.setReal(record, CellSingle(v));
            break;
        case FieldType::Modifiers:
        case FieldType::Block:
            throw std::logic_error("a table column cannot hold this field");
    }
}

dal::Value ValueOf(const void* record, const Slot& slot) {
    switch (slot.type) {
        case FieldType::Text:
        case FieldType::List:
            return dal::Value::Text(slot.getText(record));
        case FieldType::Boolean:
            return dal::Value::Bool(slot.getInt(record) != 0);
        case FieldType::Integer:
        case FieldType::Long:
            return dal::Value::Int(slot.getInt(record));
        case FieldType::Single:
            return dal::Value::Real(slot.getReal(record));
        case FieldType::Modifiers:
        case FieldType::Block:
            break;
    }
    throw std::logic_error("a table column cannot hold this field");
}

bool HasValue(const void* record, const Slot& slot) {
    if (slot.type == FieldType::List) return slot.hasValue(record);
    if (slot.type == FieldType::Text) return !slot.getText(record).empty();
    return true;
}

void SetKey(void* record, const KeyDesc& d, const KeyArg& k) {
    if (k.isNumber)
        d.slot->setInt(record, k.number);
    else
        d.slot->setText(record, std::string(k.text));
}

std::string Trimmed(const std::string& s) {
    std::size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

}  // namespace

std::string StatementText(const TableKind& kind, const StatementDesc& st,
                          std::initializer_list<KeyArg> keys, bool bStation) {
    const std::string t(kind.table);
    const KeyArg& k1 = *keys.begin();
    const std::string c1 = t + "." + std::string(kind.keys[0].column);
    std::string select = st.selectColumn.empty() ? c1 : t + "." + std::string(st.selectColumn);
    switch (st.form) {
        case Form::A:
            return "SELECT " + t + ".*, " + select + " From " + t + " Where (((" + c1 +
                   ") = " + Literal(k1, '"') + "))";
        case Form::B:
            return "SELECT " + t + ".*, " + select + " From " + t + " WHERE (((" + c1 +
                   ")=" + Literal(k1, '"') + "));";
        case Form::C:
            return "SELECT " + select + ", " + t + ".* From " + t + " WHERE (((" + c1 +
                   ")=" + Literal(k1, '"') + "));";
        case Form::Simple:
            return "Select * From " + t + " Where " + c1 + " = " + Literal(k1, '"');
        case Form::Station:
            return "SELECT " + t + ".*, " + select + " From " + t + " WHERE ( (((" + c1 +
                   ")=" + Literal(k1, '"') + ")) AND (((" + t + ".Station)=" + BoolText(bStation) +
                   ")) );";
        case Form::D:
        case Form::PairSingleQuote:
        case Form::PairDoubleQuote: {
            const KeyArg& k2 = *(keys.begin() + 1);
            const std::string c2 = t + "." + std::string(kind.keys[1].column);
            if (st.form == Form::D)
                return "SELECT " + t + ".*, " + c1 + ", " + c2 + " From " + t + " WHERE (((" + c1 +
                       ")=" + Literal(k1, '"') + ") AND ((" + c2 + ")=" + Literal(k2, '"') + "));";
            char q = st.form == Form::PairSingleQuote ? '\'' : '"';
            return "SELECT " + t + ".* From " + t + " WHERE (((" + c1 + ")=" + Literal(k1, q) +
                   ") AND ((" + c2 + ")=" + Literal(k2, q) + "));";
        }
    }
    return {};
}

ListResult ListRows(DatabaseState& s, const TableKind& kind, bool flag) {
    const bool flagged = kind.list.filter != ListFilter::None;
    const std::string label =
        std::string(kind.listLabel) + (flagged ? std::string(BoolText(flag)) + ")" : "");
    if (!s.EnsureOpen()) return {};
    if (TableMissing(s, kind, false)) return {};
    try {
        std::string_view source = kind.table;
        if (!kind.list.query.empty() &&
            (!kind.list.queryIfExists || s.TableExists(kind.list.query)))
            source = kind.list.query;
        std::string_view wanted[3];
        std::size_t n = 0;
        for (const auto& key : kind.keys) wanted[n++] = key.column;
        if (kind.list.filter == ListFilter::Station) wanted[n++] = "Station";
        if (kind.list.filter == ListFilter::Aumen) wanted[n++] = "Aumen";
        auto rs = dal::Recordset::Open(*s.dbData, source, dal::Access::ReadOnly, {wanted, n});
        if (rs.RecordCount() == 0) {
            s.ReportError(label, std::string(kind.emptyTable));
            return {};
        }
        std::vector<std::string> values;
        values.reserve(static_cast<std::size_t>(rs.RecordCount()));
        for (rs.MoveFirst(); !rs.EndOfRows(); rs.MoveNext()) {
            const dal::Value& first = rs.Field(kind.keys[0].column);
            if (kind.list.filter == ListFilter::Station) {
                const dal::Value& st = rs.Field("Station");
                if (st.IsNull() || CellBool(st) != flag) continue;
            } else if (kind.list.filter == ListFilter::Aumen) {
                const dal::Value& aumen = rs.Field("Aumen");
                if (first.IsNull() || aumen.IsNull() || CellText(first).empty() ||
                    CellBool(aumen) != flag)
                    continue;
            }
            if (first.IsNull() && kind.list.skipNull) continue;
            if (kind.keys.size() == 2) {
                // Two-key kinds list "first:second", each trimmed; a null fails the list.
                values.push_back(Trimmed(CellText(first)) + ":" +
                                 Trimmed(CellText(rs.Field(kind.keys[1].column))));
            } else {
                values.push_back(first.IsNull() ? std::string() : CellText(first));
            }
        }
        if (values.empty()) {
            if (kind.list.noneListedFails)
                s.ReportError(label, "None of the " + std::to_string(rs.RecordCount()) +
                                         " records in the table qualifies for the list.");
            return {};
        }
        return ListResult(kind.list.lbound, std::move(values));
    } catch (const std::exception& e) {
        s.ReportError(label, e.what());
        return {};
    }
}

std::shared_ptr<Object> ReadRow(DatabaseState& s, const TableKind& kind,
                                std::initializer_list<KeyArg> keys, bool bDescript, bool bStation) {
    s.strSQL.clear();
    const std::string label = std::string(kind.readLabel) +
                              Arguments(keys, kind, bStation, kind.descript ? &bDescript : nullptr);
    if (MissingKey(kind, keys)) {
        s.ReportError(label, std::string(kind.readEmptyKey));
        return nullptr;
    }
    if (!s.EnsureOpen()) return nullptr;
    if (TableMissing(s, kind, true)) return nullptr;
    try {
        s.strSQL = StatementText(kind, kind.readStatement, keys, bStation);
        auto conds = Conditions(kind, keys, bStation);
        auto rs = dal::Recordset::Lookup(*s.dbData, kind.table, conds, dal::Access::ReadOnly);
        if (rs.RecordCount() == 0) {
            s.ReportError(label, std::string(kind.readNoMatch));
            return nullptr;
        }
        rs.MoveFirst();
        std::shared_ptr<Object> result = kind.record->create();
        void* record = dynamic_cast<void*>(result.get());  // the record class itself
        std::size_t i = 0;
        for (const auto& k : keys) SetKey(record, kind.keys[i++], k);

        const dal::Columns& columns = rs.ColumnSet();
        const auto& pos = columns.Positions(&kind, kind.columns.size() * 2, [&](std::size_t j) {
            const ColumnDesc& c = kind.columns[j / 2];
            return j % 2 == 0 ? c.column : c.altColumn;
        });
        for (std::size_t j = 0; j < kind.columns.size(); ++j) {
            const ColumnDesc& c = kind.columns[j];
            if (c.read == Read::Key || c.read == Read::Never) continue;
            if (c.read == Read::IfDescript && !bDescript) continue;
            int p = pos[2 * j];
            if (p < 0 && !c.altColumn.empty()) p = pos[2 * j + 1];
            const bool optional = c.read == Read::IfPresent || c.read == Read::IfPresentNotNull ||
                                  c.read == Read::IfDescript;
            if (p < 0) {
                if (c.fallback) {
                    c.slot->setText(record, c.fallback);
                    continue;
                }
                if (optional) continue;
                rs.Field(c.column);  // reports the missing column
            }
            const dal::Value& v = rs.FieldAt(p);
            if (v.IsNull()) {
                if (c.fallback) {
                    c.slot->setText(record, c.fallback);
                    continue;
                }
                if (c.read == Read::NotNull || c.read == Read::IfPresentNotNull ||
                    c.read == Read::IfDescript)
                    continue;
            }
            Store(record, *c.slot, v);
        }
        return result;
    } catch (const std::exception& e) {
        s.ReportError(label, e.what());
        return nullptr;
    }
}

void AddRow(DatabaseState& s, const TableKind& kind, const void* record) {
    if (!record) return;
    if (!s.EnsureOpen()) return;
    if (TableMissing(s, kind, false)) return;
    try {
        auto rs = dal::Recordset::ForAppend(*s.dbData, kind.table);
        rs.AddNew();
        for (const auto& c : kind.columns) {
            if (c.write == Write::Never) continue;
            std::string_view column = c.column;
            if (!c.altColumn.empty() && !rs.HasField(column)) column = c.altColumn;
            const bool ifPresent =
                c.write == Write::IfPresent || c.write == Write::IfPresentAndValue;
            const bool ifValue = c.write == Write::IfValue || c.write == Write::IfPresentAndValue;
            if (ifPresent && !rs.HasField(column)) continue;
            if (ifValue && !HasValue(record, *c.slot)) continue;
            rs.Set(column, ValueOf(record, *c.slot));
        }
        rs.Update();
    } catch (const std::exception& e) {
        // The label carries the record's keys (and station), read when the failure is reported.
        std::string label(kind.addLabel);
        for (std::size_t i = 0; i < kind.keys.size(); ++i) {
            if (i) label += ", ";
            const Slot& slot = *kind.keys[i].slot;
            label += slot.type == FieldType::Text ? slot.getText(record)
                                                  : std::to_string(slot.getInt(record));
        }
        if (kind.station) {
            const FieldDesc* st = kind.record->Find("Station");
            label += std::string(", ") + BoolText(st && st->slot.getInt(record) != 0);
        }
        s.ReportError(label + ")", e.what());
    }
}

void DeleteRow(DatabaseState& s, const TableKind& kind, std::initializer_list<KeyArg> keys,
               bool bStation) {
    s.strSQL.clear();
    const std::string label = std::string(kind.delLabel) + Arguments(keys, kind, bStation, nullptr);
    if (MissingKey(kind, keys)) {
        // A negative number key is simply nothing to delete.
        bool negative = false;
        for (const auto& k : keys) negative = negative || (k.isNumber && k.number < 0);
        if (!negative && !kind.delEmptyKeySilent)
            s.ReportError(label, std::string(kind.delEmptyKey));
        return;
    }
    if (!s.EnsureOpen()) return;
    if (TableMissing(s, kind, false)) return;
    try {
        s.strSQL = StatementText(kind, kind.delStatement, keys, bStation);
        auto conds = Conditions(kind, keys, bStation);
        auto rs = dal::Recordset::Lookup(*s.dbData, kind.table, conds, dal::Access::Updatable);
        if (rs.RecordCount() == 0) {
            if (!kind.delNoMatchSilent) s.ReportError(label, std::string(kind.delNoMatch));
            return;
        }
        rs.MoveFirst();
        rs.Delete();
    } catch (const std::exception& e) {
        s.ReportError(label, e.what());
    }
}

}  // namespace OrvaneLib::detail
