// The record-table pattern: list, read, add and delete for every record kind, driven by
// its table description.
#include <algorithm>
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
    // Most kinds report the same texts on a delete as on a read; only the others name theirs.
    if (delEmptyKey.empty()) delEmptyKey = readEmptyKey;
    if (delNoMatch.empty()) delNoMatch = readNoMatch;
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
        if (!first) out += ", ";  // an empty first key still gets its separator
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

bool Tested(const TableKind& kind, bool forRead) {
    return kind.test == TableTest::All || (forRead && kind.test == TableTest::ReadOnly);
}

bool TableMissing(DatabaseState& s, const TableKind& kind, bool forRead) {
    return Tested(kind, forRead) && !s.TableExists(kind.table);
}

// A tested table that another connection dropped after the test: as silent as an absent one.
bool DroppedMeanwhile(const TableKind& kind, bool forRead, const std::exception& e) {
    const auto* error = dynamic_cast<const dal::Error*>(&e);
    return error && error->MissingTable() && Tested(kind, forRead);
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

// Where each described column (and its other name) sits in a column set: two entries per
// column, worked out once per column set.
const std::vector<int>& ColumnPositions(const TableKind& kind, const dal::Columns& columns) {
    return columns.Positions(&kind, kind.columns.size() * 2, [&](std::size_t j) {
        const ColumnDesc& c = kind.columns[j / 2];
        return j % 2 == 0 ? c.column : c.altColumn;
    });
}

// Keeps what the statement text is made of; the text is built only if a failure is logged.
void Pending(DatabaseState& s, const TableKind& kind, const StatementDesc& form,
             std::initializer_list<KeyArg> keys, bool bStation) {
    PendingStatement& p = s.pendingSQL;
    p.kind = &kind;
    p.form = &form;
    p.count = 0;
    for (const auto& k : keys) {
        p.isNumber[p.count] = k.isNumber;
        p.numbers[p.count] = k.number;
        p.keys[p.count].assign(k.text);
        ++p.count;
    }
    p.station = bStation;
    s.sqlPending = true;
}

std::string Trimmed(const std::string& s) {
    std::size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

}  // namespace

std::string RenderStatement(const PendingStatement& p) {
    std::vector<KeyArg> keys;
    for (std::size_t i = 0; i < p.count; ++i)
        keys.push_back(p.isNumber[i] ? KeyArg(p.numbers[i]) : KeyArg(p.keys[i]));
    return StatementText(*p.kind, *p.form, keys, p.station);
}

std::string StatementText(const TableKind& kind, const StatementDesc& st,
                          std::span<const KeyArg> keys, bool bStation) {
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
            const KeyArg& k2 = keys[1];
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

namespace {

// Puts listed values back into table order, given the row id each came from. Row ids are
// mostly dense, so a counting pass usually replaces the sort; the values are then moved
// into place along the permutation's cycles, without a second copy of the list.
void PutInTableOrder(std::vector<std::string>& values, const std::vector<std::int64_t>& rowids) {
    const std::size_t n = values.size();
    std::vector<std::size_t> order;  // order[k]: the value that belongs at position k
    order.reserve(n);
    auto [lo, hi] = std::minmax_element(rowids.begin(), rowids.end());
    const auto range = static_cast<std::uint64_t>(*hi - *lo);
    if (range < 4 * static_cast<std::uint64_t>(n) + 16) {
        constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();
        std::vector<std::size_t> slot(static_cast<std::size_t>(range) + 1, kNone);
        bool unique = true;
        for (std::size_t i = 0; i < n && unique; ++i) {
            std::size_t& at = slot[static_cast<std::size_t>(rowids[i] - *lo)];
            unique = at == kNone;
            at = i;
        }
        if (unique)
            for (std::size_t i : slot)
                if (i != kNone) order.push_back(i);
    }
    if (order.size() != n) {
        order.resize(n);
        for (std::size_t i = 0; i < n; ++i) order[i] = i;
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return rowids[a] < rowids[b]; });
    }
    std::vector<bool> done(n);
    for (std::size_t start = 0; start < n; ++start) {
        if (done[start]) continue;
        std::string carried = std::move(values[start]);
        std::size_t k = start;
        for (;;) {
            done[k] = true;
            std::size_t from = order[k];
            if (from == start) {
                values[k] = std::move(carried);
                break;
            }
            values[k] = std::move(values[from]);
            k = from;
        }
    }
}

std::string TextOf(const dal::RowView& row, int position) {
    if (row.TypeAt(position) == dal::Value::Type::Text) return std::string(row.TextAt(position));
    return CellText(row.ValueAt(position));  // numbers in decimal; a null fails
}

}  // namespace

std::vector<std::string> ColumnValues(dal::Connection& db, std::string_view source,
                                      std::string_view column) {
    std::vector<int> pos;
    std::vector<std::string> values;
    std::vector<std::int64_t> rowids;
    auto scan =
        dal::Scan(db, source, {&column, 1}, pos, [&](std::int64_t rowid, const dal::RowView& row) {
            if (pos[0] < 0)
                throw dal::Error("Item not found in this collection: " + std::string(column));
            values.push_back(row.TypeAt(pos[0]) == dal::Value::Type::Null ? std::string()
                                                                          : TextOf(row, pos[0]));
            rowids.push_back(rowid);
        });
    if (!scan.inTableOrder) PutInTableOrder(values, rowids);
    return values;
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
        // The listed column, a second key for two-key kinds, and the filter's column.
        std::string_view wanted[3] = {kind.keys[0].column};
        std::size_t n = 1;
        if (kind.keys.size() == 2) wanted[n++] = kind.keys[1].column;
        if (kind.list.filter == ListFilter::Station) wanted[n++] = "Station";
        if (kind.list.filter == ListFilter::Aumen) wanted[n++] = "Aumen";
        const bool twoKeys = kind.keys.size() == 2;
        std::vector<int> pos;
        std::vector<std::string> values;
        std::vector<std::int64_t> rowids;
        auto scan = dal::Scan(
            *s.dbData, source, {wanted, n}, pos, [&](std::int64_t rowid, const dal::RowView& row) {
                for (std::size_t i = 0; i < n; ++i)
                    if (pos[i] < 0)
                        throw dal::Error("Item not found in this collection: " +
                                         std::string(wanted[i]));
                const int first = pos[0];
                const bool firstNull = row.TypeAt(first) == dal::Value::Type::Null;
                if (flagged) {
                    const int f = pos[n - 1];
                    if (row.TypeAt(f) == dal::Value::Type::Null || CellBool(row.ValueAt(f)) != flag)
                        return;
                    if (kind.list.filter == ListFilter::Aumen &&
                        (firstNull || TextOf(row, first).empty()))
                        return;
                }
                if (firstNull && kind.list.skipNull) return;
                if (twoKeys)
                    // Two-key kinds list "first:second", each trimmed; a null fails the list.
                    values.push_back(Trimmed(TextOf(row, first)) + ":" +
                                     Trimmed(TextOf(row, pos[1])));
                else
                    values.push_back(firstNull ? std::string() : TextOf(row, first));
                rowids.push_back(rowid);
            });
        if (scan.rows == 0) {
            s.ReportError(label, std::string(kind.emptyTable));
            return {};
        }
        if (!scan.inTableOrder) PutInTableOrder(values, rowids);
        if (values.empty()) {
            if (kind.list.noneListedFails)
                s.ReportError(label, "None of the " + std::to_string(scan.rows) +
                                         " records in the table qualifies for the list.");
            return {};
        }
        return ListResult(kind.list.lbound, std::move(values));
    } catch (const std::exception& e) {
        if (DroppedMeanwhile(kind, false, e)) return {};
        s.ReportError(label, e.what());
        return {};
    }
}

std::shared_ptr<Object> ReadRow(DatabaseState& s, const TableKind& kind,
                                std::initializer_list<KeyArg> keys, bool bDescript, bool bStation) {
    s.ClearSQL();
    const std::string label = std::string(kind.readLabel) +
                              Arguments(keys, kind, bStation, kind.descript ? &bDescript : nullptr);
    if (MissingKey(kind, keys)) {
        s.ReportError(label, std::string(kind.readEmptyKey));
        return nullptr;
    }
    if (!s.EnsureOpen()) return nullptr;
    if (TableMissing(s, kind, true)) return nullptr;
    try {
        Pending(s, kind, kind.readStatement, keys, bStation);
        auto conds = Conditions(kind, keys, bStation);
        auto rs =
            dal::Recordset::Lookup(*s.dbData, kind.table, conds, dal::Access::ReadOnly, &kind);
        if (rs.RecordCount() == 0) {
            s.ReportError(label, std::string(kind.readNoMatch));
            return nullptr;
        }
        rs.MoveFirst();
        std::shared_ptr<Object> result = kind.record->create();
        void* record = dynamic_cast<void*>(result.get());  // the record class itself
        std::size_t i = 0;
        for (const auto& k : keys) SetKey(record, kind.keys[i++], k);

        const auto& pos = ColumnPositions(kind, rs.ColumnSet());
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
        if (DroppedMeanwhile(kind, true, e)) return nullptr;
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
        const auto& pos = ColumnPositions(kind, rs.ColumnSet());
        for (std::size_t j = 0; j < kind.columns.size(); ++j) {
            const ColumnDesc& c = kind.columns[j];
            if (c.write == Write::Never) continue;
            int p = pos[2 * j];
            if (p < 0 && !c.altColumn.empty()) p = pos[2 * j + 1];
            const bool ifPresent =
                c.write == Write::IfPresent || c.write == Write::IfPresentAndValue;
            const bool ifValue = c.write == Write::IfValue || c.write == Write::IfPresentAndValue;
            if (ifPresent && p < 0) continue;
            if (ifValue && !HasValue(record, *c.slot)) continue;
            if (p < 0) rs.Set(c.column, dal::Value());  // reports the missing column
            rs.SetAt(p, ValueOf(record, *c.slot));
        }
        rs.Update();
    } catch (const std::exception& e) {
        if (DroppedMeanwhile(kind, false, e)) return;
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
    s.ClearSQL();
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
        Pending(s, kind, kind.delStatement, keys, bStation);
        auto conds = Conditions(kind, keys, bStation);
        auto rs =
            dal::Recordset::Lookup(*s.dbData, kind.table, conds, dal::Access::Updatable, &kind);
        if (rs.RecordCount() == 0) {
            if (!kind.delNoMatchSilent) s.ReportError(label, std::string(kind.delNoMatch));
            return;
        }
        rs.MoveFirst();
        rs.Delete();
    } catch (const std::exception& e) {
        if (DroppedMeanwhile(kind, false, e)) return;
        s.ReportError(label, e.what());
    }
}

}  // namespace OrvaneLib::detail
