// Whole records and plain tables: every row of a kind read into records in table order, a
// record stored with every column its kind reads, and the rows of the information table and
// the lookup lists as they are.
#include <limits>
#include <stdexcept>

#include <set>

#include "database/access.hpp"
#include "database/convert.hpp"
#include "host/internal.hpp"
#include "orvane/maintenance.hpp"

namespace OrvaneLib {

namespace detail {

const TableKind& TableOf(const KindInfo& kind) {
    const std::string name = kind.Name();
    for (auto factory : RegisteredTables()) {
        const TableKind& t = factory();
        if (t.name == name) return t;
    }
    throw std::invalid_argument("No record kind " + name);
}

const Field* BlockRow(const RecordKind& kind) {
    for (const auto& f : kind.fields)
        if (f.type() == FieldType::Block) return &f;
    return nullptr;
}

std::vector<const TableKind*> RecordTables() {
    std::vector<const TableKind*> tables;
    std::set<std::string> seen;
    for (const auto& info : RecordKinds()) {
        const TableKind& t = TableOf(info);
        if (seen.insert(t.table).second) tables.push_back(&t);
    }
    return tables;
}

std::string CellAsText(const dal::RowView& row, int p) {
    switch (row.TypeAt(p)) {
        case dal::Value::Type::Null:
            return {};
        case dal::Value::Type::Text:
            return std::string(row.TextAt(p));
        default:
            return CellText(row.ValueAt(p));
    }
}

namespace {

Status MissingColumn(const TableKind& kind, std::string_view column) {
    return Status(StatusCode::Engine,
                  "The table " + kind.table + " has no column " + std::string(column));
}

// The position of a column row's cell: its column, else its older name.
int PositionOf(const TableKind& kind, const std::vector<int>& pos, std::size_t j) {
    const int p = pos[2 * j];
    return p < 0 && !kind.columns[j]->altColumn.empty() ? pos[2 * j + 1] : p;
}

// The key texts of a record, for messages.
std::string KeysText(const TableKind& kind, const Object& record) {
    std::string text;
    for (const Field* k : kind.keys) {
        text += text.empty() ? "" : ", ";
        text += k->type() == FieldType::Text ? k->access->getText(record)
                                             : std::to_string(k->access->getInt(record));
    }
    return text;
}

}  // namespace

}  // namespace detail

using namespace detail;

Status ForEachRecord(clsDatabase& db, const KindInfo& info,
                     const std::function<Status(const Object&)>& visit) {
    DatabaseState& s = StateAccess::Of(db);
    const TableKind& kind = TableOf(info);
    if (Status st = s.EnsureOpen(); !st.Ok()) return st;
    bool exists = false;
    if (Status st = s.TableExists(kind.table, exists); !st.Ok()) return st;
    if (!exists) return Status(StatusCode::NoTable, "There is no table " + kind.table);

    std::vector<std::string_view> names;
    for (const Field* c : kind.columns) {
        names.push_back(c->column);
        names.push_back(c->altColumn.empty() ? c->column : c->altColumn);
    }
    std::vector<int> pos;
    std::int64_t last = std::numeric_limits<std::int64_t>::min();
    auto sink = [&](std::int64_t rowid, const dal::RowView& row) -> Status {
        // Selecting every described column leaves the engine no index that covers them all,
        // so rows come in table order; a source that breaks this must not be passed off as
        // ordered.
        if (rowid < last)
            return Status(StatusCode::Engine,
                          "The rows of " + kind.table + " did not come in table order");
        last = rowid;
        std::shared_ptr<Object> record = kind.record->create();
        for (std::size_t j = 0; j < kind.columns.size(); ++j) {
            const Field& c = *kind.columns[j];
            if (c.read == Read::Never) continue;
            const int p = PositionOf(kind, pos, j);
            const bool optional = c.read == Read::IfPresent || c.read == Read::IfPresentNotNull ||
                                  c.read == Read::IfDescript;
            const bool null = p >= 0 && row.TypeAt(p) == dal::Value::Type::Null;
            if (p < 0 || null) {
                if (c.fallback) {
                    c.In().setText(*record, c.fallback);
                    continue;
                }
                if (p < 0 && optional) continue;
                if (p < 0) return MissingColumn(kind, c.column);
                if (c.read != Read::Always && c.read != Read::IfPresent) continue;
                return Status(StatusCode::BadValue, kind.name + " '" + KeysText(kind, *record) +
                                                        "' (row " + std::to_string(rowid) + " of " +
                                                        kind.table + "): the column " +
                                                        std::string(c.column) + " is null");
            }
            try {
                StoreCell(*record, c.In(), row, p);
            } catch (const std::exception& e) {
                return Status(StatusCode::BadValue, kind.name + " '" + KeysText(kind, *record) +
                                                        "' (row " + std::to_string(rowid) + " of " +
                                                        kind.table + "): the column " +
                                                        std::string(c.column) + ": " + e.what());
            }
        }
        return visit(*record);
    };
    dal::ScanResult scan;
    return dal::Scan(*s.dbData, kind.table, names, pos, sink, scan);
}

Status StoreWholeRecord(clsDatabase& db, const KindInfo& info, const Object& record) {
    DatabaseState& s = StateAccess::Of(db);
    const TableKind& kind = TableOf(info);
    kind.record->Check(record);
    const std::string label = "Store: " + kind.name + "(" + KeysText(kind, record) + ")";
    auto failed = [&](Status st) {
        if (st.Label().empty()) st.WithLabel(label);
        return st;
    };
    if (Status st = s.EnsureOpen(); !st.Ok()) return failed(st);
    try {
        dal::RowWriter writer;
        // Keyed apart from the kind's add, whose statements are its own.
        if (Status st = dal::RowWriter::Open(*s.dbData, kind.table, writer, &kind.columns);
            !st.Ok())
            return failed(st);
        const auto& pos = kind.Positions(writer.ColumnSet());
        for (std::size_t j = 0; j < kind.columns.size(); ++j) {
            const Field& c = *kind.columns[j];
            Write w = c.write;
            // A column the read fills but the add leaves alone is stored when it holds a value.
            if (w == Write::Never) {
                if (c.read == Read::Never) continue;
                w = Write::IfPresentAndValue;
            }
            const int p = PositionOf(kind, pos, j);
            const bool ifPresent = w == Write::IfPresent || w == Write::IfPresentAndValue;
            const bool ifValue = w == Write::IfValue || w == Write::IfPresentAndValue;
            const Access& a = *c.access;
            if (ifPresent && p < 0) continue;
            if (ifValue) {
                const bool has = a.hasValue                  ? a.hasValue(record)
                                 : a.type == FieldType::Text ? !a.getText(record).empty()
                                                             : true;
                if (!has) continue;
            }
            if (p < 0) return failed(MissingColumn(kind, c.column));
            switch (a.type) {
                case FieldType::Text:
                case FieldType::List:
                    writer.Set(p, dal::Value::Text(a.getText(record)));
                    break;
                case FieldType::Boolean:
                    writer.Set(p, dal::Value::Bool(a.getInt(record) != 0));
                    break;
                case FieldType::Integer:
                case FieldType::Long:
                    writer.Set(p, dal::Value::Int(a.getInt(record)));
                    break;
                case FieldType::Single:
                    writer.Set(p, dal::Value::Real(a.getReal(record)));
                    break;
                case FieldType::Modifiers:
                case FieldType::Block:
                    throw std::logic_error("a table column cannot hold this field");
            }
        }
        return failed(writer.Insert());
    } catch (const std::exception& e) {
        return failed(Status(StatusCode::BadValue, e.what()));
    }
}

// ---------------------------------------------------------------------------------------
// Plain tables

std::vector<PlainTableInfo> PlainTables() {
    return {
        {"info", "tblInfo", {"Date", "Info"}, {false, false}},
        {"abilities", "tblAbility", {"Name", "Order"}, {false, true}},
        {"keywords", "tblKeywords", {"Keyword", "Name"}, {false, true}},
        {"languages", "tblLanguages", {"Language"}, {false}},
        {"regions", "tblRegion", {"Name"}, {false}},
        {"colors", "tblColors", {"Color"}, {false}},
    };
}

namespace {

Status RequireTable(DatabaseState& s, const PlainTableInfo& t) {
    if (Status st = s.EnsureOpen(); !st.Ok()) return st;
    bool exists = false;
    if (Status st = s.TableExists(t.Table, exists); !st.Ok()) return st;
    if (!exists) return Status(StatusCode::NoTable, "There is no table " + t.Table);
    return {};
}

}  // namespace

Status ReadPlainRows(clsDatabase& db, const PlainTableInfo& t, std::vector<PlainRow>& rows) {
    DatabaseState& s = StateAccess::Of(db);
    rows.clear();
    if (Status st = RequireTable(s, t); !st.Ok()) return st;
    std::vector<std::string_view> columns(t.Columns.begin(), t.Columns.end());
    std::vector<int> pos;
    std::vector<std::pair<std::int64_t, PlainRow>> read;
    auto sink = [&](std::int64_t rowid, const dal::RowView& row) -> Status {
        PlainRow values;
        for (int p : pos) {
            if (p < 0 || row.TypeAt(p) == dal::Value::Type::Null)
                values.emplace_back(std::nullopt);
            else
                values.emplace_back(CellAsText(row, p));
        }
        read.emplace_back(rowid, std::move(values));
        return {};
    };
    dal::ScanResult scan;
    if (Status st = dal::Scan(*s.dbData, t.Table, columns, pos, sink, scan); !st.Ok()) return st;
    // A narrow scan may come through an index: put the rows back in table order.
    if (!scan.inTableOrder)
        std::stable_sort(read.begin(), read.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& [rowid, values] : read) rows.push_back(std::move(values));
    return {};
}

Status AddPlainRow(clsDatabase& db, const PlainTableInfo& t, const PlainRow& row) {
    DatabaseState& s = StateAccess::Of(db);
    if (Status st = RequireTable(s, t); !st.Ok()) return st;
    if (row.size() != t.Columns.size())
        return Status(StatusCode::BadValue,
                      t.Table + " rows have " + std::to_string(t.Columns.size()) + " values");
    dal::RowWriter writer;
    if (Status st = dal::RowWriter::Open(*s.dbData, t.Table, writer); !st.Ok()) return st;
    for (std::size_t i = 0; i < row.size(); ++i) {
        const int p = writer.ColumnSet().Find(t.Columns[i]);
        if (p < 0) return Status(StatusCode::Engine, t.Table + " has no column " + t.Columns[i]);
        if (!row[i]) continue;
        if (!t.Numbers[i]) {
            writer.Set(p, dal::Value::Text(*row[i]));
            continue;
        }
        double number = 0;
        if (!ParseNumberText(*row[i], number) ||
            number != static_cast<double>(static_cast<std::int64_t>(number)))
            return Status(StatusCode::BadValue,
                          t.Columns[i] + " must be a whole number: '" + *row[i] + "'");
        writer.Set(p, dal::Value::Int(static_cast<std::int64_t>(number)));
    }
    return writer.Insert();
}

Status ClearPlainTable(clsDatabase& db, const PlainTableInfo& t) {
    DatabaseState& s = StateAccess::Of(db);
    if (Status st = RequireTable(s, t); !st.Ok()) return st;
    return s.dbData->DeleteAll(t.Table);
}

}  // namespace OrvaneLib
