// The record-table pattern: list, read, add and delete for every record kind, driven by
// its description. Each operation returns its status; nothing is shown from here.
#include <algorithm>
#include <cctype>
#include <limits>
#include <mutex>

#include "database/convert.hpp"
#include "database/table.hpp"

namespace OrvaneLib::detail {

// ---------------------------------------------------------------------------------------
// Registration

namespace {

std::vector<TableFactory>& Registry() {
    static std::vector<TableFactory> tables;
    return tables;
}

std::vector<std::pair<std::string, ClearGroup>>& ClearedTables() {
    static std::vector<std::pair<std::string, ClearGroup>> tables;
    return tables;
}

}  // namespace

bool RegisterTable(TableFactory factory) {
    Registry().push_back(factory);
    return true;
}

const std::vector<TableFactory>& RegisteredTables() { return Registry(); }

bool RegisterClearedTable(std::string_view table, ClearGroup group) {
    auto& tables = ClearedTables();
    for (const auto& [name, g] : tables)
        if (name == table) return true;
    tables.emplace_back(table, group);
    return true;
}

std::vector<std::string> TablesCleared(ClearGroup group) {
    // Record kinds register their tables when first built; build them all first.
    static std::once_flag built;
    std::call_once(built, [] {
        for (auto factory : RegisteredTables()) factory();
    });
    std::vector<std::string> names;
    for (const auto& [name, g] : ClearedTables())
        if (g == group) names.push_back(name);
    // In the order of their names, so the order does not hang on how the library was linked.
    std::sort(names.begin(), names.end());
    return names;
}

// ---------------------------------------------------------------------------------------
// Building a kind's table

namespace {

// "Special quality" -> "Special Quality", "Bonus-feat selection" -> "Bonus Feat Selection".
std::string TitleCase(std::string_view name) {
    std::string out(name);
    bool start = true;
    for (char& c : out) {
        if (c == '-') c = ' ';
        if (start) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        start = c == ' ';
    }
    return out;
}

std::string Or(std::string_view text, std::string fallback) {
    return text.empty() ? std::move(fallback) : std::string(text);
}

}  // namespace

TableKind MakeTable(const RecordKind& record, std::size_t tableIndex, OperationNames names,
                    Shape shape) {
    auto fault = [&](const std::string& what) {
        throw std::logic_error("record kind " + std::string(record.className) + ": " + what);
    };
    if (tableIndex >= record.tables.size())
        fault("it names no table " + std::to_string(tableIndex));
    const TableDesc& d = record.tables[tableIndex];
    TableKind k;
    k.record = &record;
    k.desc = &d;
    k.name = d.name;
    k.table = d.table;
    k.station = d.station;
    for (const auto& f : record.fields) {
        if (f.key) k.keys.push_back(&f);
        if (!f.column.empty()) k.columns.push_back(&f);
        if (f.read == Read::IfDescript) k.descript = true;
    }

    // The shape of the operations' signatures must fit the keys.
    auto isText = [](const Field* f) { return f->type() == FieldType::Text; };
    bool fits = false;
    switch (shape) {
        case Shape::TEXT:
        case Shape::TEXT_DESCRIBED:
            fits = k.keys.size() == 1 && isText(k.keys[0]) && !k.station &&
                   k.descript == (shape == Shape::TEXT_DESCRIBED);
            break;
        case Shape::TEXT_LEVEL:
            fits = k.keys.size() == 2 && isText(k.keys[0]) && !isText(k.keys[1]) && !k.station;
            break;
        case Shape::TEXT_TEXT:
            fits = k.keys.size() == 2 && isText(k.keys[0]) && isText(k.keys[1]) && !k.station;
            break;
        case Shape::NUMBER:
            fits = k.keys.size() == 1 && !isText(k.keys[0]) && !k.station;
            break;
        case Shape::STATION_NUMBER:
            fits = k.keys.size() == 1 && !isText(k.keys[0]) && k.station;
            break;
        case Shape::STATION_TEXT:
            fits = k.keys.size() == 1 && isText(k.keys[0]) && k.station;
            break;
    }
    if (!fits) fault("the operations of " + k.table + " do not fit its keys");

    // Labels from the operations' names; messages from the noun.
    const std::string noun = Or(d.noun, TitleCase(d.name));
    const bool vowel = std::string_view("AEIOU").find(noun[0]) != std::string_view::npos;
    const std::string article = vowel ? "an" : "a";
    const bool flagged = d.list.filter != ListFilter::None;
    k.listLabel = "Property Get: " + std::string(names.list) + (flagged ? "(" : "");
    k.readLabel = Or(d.readMember, "Property Get: ") + std::string(names.read) + "(";
    k.addLabel = "Property Let: " + std::string(names.add) + "(";
    const bool method = k.keys.size() == 2 || k.station;
    k.delLabel =
        Or(d.delMember, method ? "Sub: " : "Property Let: ") + std::string(names.del) + "(";
    k.emptyTable = Or(d.emptyTable, "There are no " + noun + " Records in the Database!");
    k.readEmptyKey = Or(d.readEmptyKey, (vowel ? "An " : "A ") + noun +
                                            " Search field was not corretly Identified.");
    k.readNoMatch =
        Or(d.readNoMatch, "Unable to locate " + article + " " + noun + " matching your criteria.");
    k.delEmptyKey = Or(d.delEmptyKey, k.readEmptyKey);
    k.delNoMatch = Or(d.delNoMatch, k.readNoMatch);
    RegisterClearedTable(d.table, d.clear);
    return k;
}

const std::vector<int>& TableKind::Positions(const dal::Columns& set) const {
    return set.Positions(this, columns.size() * 2, [&](std::size_t j) {
        const Field& c = *columns[j / 2];
        return j % 2 == 0 ? c.column : c.altColumn;
    });
}

// ---------------------------------------------------------------------------------------
// Labels, keys and statement texts

namespace {

std::string KeyText(const KeyArg& k) {
    return k.isNumber ? std::to_string(k.number) : std::string(k.text);
}

// "key1, key2[, station][, descript])"
std::string Arguments(Keys keys, const TableKind& kind, bool bStation, const bool* bDescript) {
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
bool MissingKey(const TableKind& kind, Keys keys) {
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const KeyArg& k = keys[i];
        if (k.isNumber ? (kind.keys[i]->rejectNegative && k.number < 0) : k.text.empty())
            return true;
    }
    return false;
}

bool Tested(const TableKind& kind, bool forRead) {
    const TableTest test = kind.desc->test;
    return test == TableTest::All || (forRead && test == TableTest::ReadOnly);
}

// The table test of kinds whose table is optional: an absent table is a quiet NoTable.
Status TestTable(DatabaseState& s, const TableKind& kind, bool forRead) {
    if (!Tested(kind, forRead)) return {};
    bool exists = false;
    if (Status st = s.TableExists(kind.table, exists); !st.Ok()) return st;
    if (!exists) return Status(StatusCode::NoTable, "There is no table " + kind.table).MakeQuiet();
    return {};
}

// A failure of the operation: its label (unless a step with a label of its own failed, such
// as opening the database), and quiet when a tested table vanished meanwhile (another
// connection dropped it after the test), which is as silent as an absent one. Lists and adds
// log no statement.
Status Failed(Status st, const TableKind& kind, bool forRead, std::string label,
              bool logsStatement = true) {
    if (st.Label().empty()) {
        st.WithLabel(std::move(label));
        if (!logsStatement) st.WithoutStatement();
    }
    if (st.Code() == StatusCode::NoTable && Tested(kind, forRead)) st.MakeQuiet();
    return st;
}

// The equality tests of a key lookup: the keys, and the station flag for station kinds.
struct Conditions {
    Conditions(const TableKind& kind, Keys keys, bool bStation) {
        for (std::size_t i = 0; i < keys.size(); ++i) {
            const KeyArg& k = keys[i];
            if (k.isNumber)
                items[count++] = {kind.keys[i]->column, dal::Condition::Kind::Number, {}, k.number};
            else
                items[count++] = {kind.keys[i]->column, dal::Condition::Kind::Text, k.text, 0};
        }
        if (kind.station)
            items[count++] = {"Station", dal::Condition::Kind::Boolean, {}, bStation ? 1 : 0};
    }
    operator std::span<const dal::Condition>() const { return {items, count}; }

    dal::Condition items[3];
    std::size_t count = 0;
};

// Keeps what the statement text is made of; the text is built only if a failure is logged.
void Pending(DatabaseState& s, const TableKind& kind, Form form, Keys keys, bool bStation,
             std::string_view selectColumn = {}) {
    PendingStatement& p = s.pendingSQL;
    p.kind = &kind;
    p.form = form;
    p.selectColumn = selectColumn;
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

Form DeleteForm(const TableKind& kind) {
    return kind.desc->del == Form::Same ? kind.desc->read : kind.desc->del;
}

}  // namespace

std::string RenderStatement(const PendingStatement& p) {
    std::vector<KeyArg> keys;
    for (std::size_t i = 0; i < p.count; ++i)
        keys.push_back(p.isNumber[i] ? KeyArg(p.numbers[i]) : KeyArg(p.keys[i]));
    return StatementText(*p.kind, p.form, keys, p.station, p.selectColumn);
}

std::string StatementText(const TableKind& kind, Form form, Keys keys, bool bStation,
                          std::string_view selectColumn) {
    const std::string& t = kind.table;
    const KeyArg& k1 = keys[0];
    const std::string c1 = t + "." + std::string(kind.keys[0]->column);
    std::string select = selectColumn.empty() ? c1 : t + "." + std::string(selectColumn);
    switch (form) {
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
            const std::string c2 = t + "." + std::string(kind.keys[1]->column);
            if (form == Form::D)
                return "SELECT " + t + ".*, " + c1 + ", " + c2 + " From " + t + " WHERE (((" + c1 +
                       ")=" + Literal(k1, '"') + ") AND ((" + c2 + ")=" + Literal(k2, '"') + "));";
            char q = form == Form::PairSingleQuote ? '\'' : '"';
            return "SELECT " + t + ".* From " + t + " WHERE (((" + c1 + ")=" + Literal(k1, q) +
                   ") AND ((" + c2 + ")=" + Literal(k2, q) + "));";
        }
        case Form::Same:
            break;
    }
    return {};
}

// ---------------------------------------------------------------------------------------
// List

namespace {

// The values a list collects while it scans, with the row id each came from. Their bytes
// go to one buffer as they come; the list is made once at the end, in table order. A scan
// read through an index brings the rows in the index's order; row ids are mostly dense, so
// a counting pass usually finds the table's order without a sort.
class Listed {
  public:
    // Appends to the value being built (one per row, ended by End).
    void Append(std::string_view text) { bytes_.append(text); }
    void End(std::int64_t rowid) {
        ends_.push_back(bytes_.size());
        rowids_.push_back(rowid);
    }
    bool Empty() const { return ends_.empty(); }

    std::vector<std::string> Values(bool inTableOrder) const {
        const std::size_t n = ends_.size();
        std::vector<std::string> values;
        values.reserve(n);
        auto take = [&](std::size_t i) {
            const std::size_t start = i ? ends_[i - 1] : 0;
            values.emplace_back(bytes_.data() + start, ends_[i] - start);
        };
        if (inTableOrder || n < 2) {
            for (std::size_t i = 0; i < n; ++i) take(i);
            return values;
        }
        auto [lo, hi] = std::minmax_element(rowids_.begin(), rowids_.end());
        const auto range = static_cast<std::uint64_t>(*hi - *lo);
        if (range < 4 * static_cast<std::uint64_t>(n) + 16) {
            constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();
            std::vector<std::uint32_t> slot(static_cast<std::size_t>(range) + 1, kNone);
            bool unique = true;
            for (std::size_t i = 0; i < n && unique; ++i) {
                std::uint32_t& at = slot[static_cast<std::size_t>(rowids_[i] - *lo)];
                unique = at == kNone;
                at = static_cast<std::uint32_t>(i);
            }
            if (unique) {
                for (std::uint32_t i : slot)
                    if (i != kNone) take(i);
                return values;
            }
        }
        std::vector<std::size_t> order(n);
        for (std::size_t i = 0; i < n; ++i) order[i] = i;
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return rowids_[a] < rowids_[b]; });
        for (std::size_t i : order) take(i);
        return values;
    }

  private:
    std::string bytes_;
    std::vector<std::size_t> ends_;
    std::vector<std::int64_t> rowids_;
};

// A cell as text: numbers in decimal; a null fails.
std::string_view TextOf(const dal::RowView& row, int position, std::string& scratch) {
    if (row.TypeAt(position) == dal::Value::Type::Text) return row.TextAt(position);
    scratch = CellText(row.ValueAt(position));
    return scratch;
}

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

Status MissingColumn(std::string_view column) {
    return Status(StatusCode::Engine, "Item not found in this collection: " + std::string(column));
}

}  // namespace

Status ColumnValues(dal::Connection& db, std::string_view source, std::string_view column,
                    std::vector<std::string>& values) {
    std::vector<int> pos;
    Listed listed;
    std::string scratch;
    auto sink = [&](std::int64_t rowid, const dal::RowView& row) -> Status {
        if (pos[0] < 0) return MissingColumn(column);
        if (row.TypeAt(pos[0]) != dal::Value::Type::Null)
            listed.Append(TextOf(row, pos[0], scratch));
        listed.End(rowid);
        return {};
    };
    dal::ScanResult scan;
    if (Status st = dal::Scan(db, source, {&column, 1}, pos, sink, scan); !st.Ok()) return st;
    values = listed.Values(scan.inTableOrder);
    return {};
}

Result<ListResult> ListRows(DatabaseState& s, const TableKind& kind, bool flag) {
    const ListDesc& list = kind.desc->list;
    const bool flagged = list.filter != ListFilter::None;
    auto label = [&] {
        return kind.listLabel + (flagged ? std::string(BoolText(flag)) + ")" : "");
    };
    auto failed = [&](Status st) {
        return Result<ListResult>{Failed(std::move(st), kind, false, label(), false)};
    };
    if (Status st = s.EnsureOpen(); !st.Ok()) return failed(st);
    if (Status st = TestTable(s, kind, false); !st.Ok()) return failed(st);
    try {
        std::string_view source = kind.table;
        if (!list.query.empty()) {
            bool exists = true;
            if (list.queryIfExists)
                if (Status st = s.TableExists(list.query, exists); !st.Ok()) return failed(st);
            if (exists) source = list.query;
        }
        // The listed column, a second key for two-key kinds, and the filter's column.
        std::string_view wanted[3] = {kind.keys[0]->column};
        std::size_t n = 1;
        const bool twoKeys = kind.keys.size() == 2;
        if (twoKeys) wanted[n++] = kind.keys[1]->column;
        if (list.filter == ListFilter::Station) wanted[n++] = "Station";
        if (list.filter == ListFilter::Aumen) wanted[n++] = "Aumen";
        std::vector<int> pos;
        Listed listed;
        std::string scratch;
        bool checked = false;
        auto sink = [&](std::int64_t rowid, const dal::RowView& row) -> Status {
            if (!checked) {
                for (std::size_t i = 0; i < n; ++i)
                    if (pos[i] < 0) return MissingColumn(wanted[i]);
                checked = true;
            }
            const int first = pos[0];
            const bool firstNull = row.TypeAt(first) == dal::Value::Type::Null;
            if (flagged) {
                const int f = pos[n - 1];
                if (row.TypeAt(f) == dal::Value::Type::Null || CellBool(row.ValueAt(f)) != flag)
                    return {};
                if (list.filter == ListFilter::Aumen &&
                    (firstNull ||
                     (row.TypeAt(first) == dal::Value::Type::Text && row.TextAt(first).empty())))
                    return {};
            }
            if (firstNull && list.skipNull) return {};
            if (twoKeys) {
                // Two-key kinds list "first:second", each trimmed; a null fails the list.
                listed.Append(TrimBlanks(TextOf(row, first, scratch)));
                listed.Append(":");
                listed.Append(TrimBlanks(TextOf(row, pos[1], scratch)));
            } else if (!firstNull) {
                listed.Append(TextOf(row, first, scratch));
            }
            listed.End(rowid);
            return {};
        };
        dal::ScanResult scan;
        if (Status st = dal::Scan(*s.dbData, source, {wanted, n}, pos, sink, scan); !st.Ok())
            return failed(st);
        if (scan.rows == 0) return failed(Status(StatusCode::Empty, kind.emptyTable));
        if (listed.Empty()) {
            Status none(StatusCode::Empty, "None of the " + std::to_string(scan.rows) +
                                               " records in the table qualifies for the list.");
            return failed(none.MakeQuiet(!list.noneListedFails));
        }
        std::vector<std::string> values = listed.Values(scan.inTableOrder);
        return {{}, ListResult(list.lbound, std::move(values))};
    } catch (const std::exception& e) {
        return failed(Status(StatusCode::BadValue, e.what()));
    }
}

// ---------------------------------------------------------------------------------------
// Read

namespace {

// A whole number cell in the field's range; "Overflow" otherwise, as for any conversion.
template <class T>
std::int64_t Fits(std::int64_t v) {
    if (v < std::numeric_limits<T>::min() || v > std::numeric_limits<T>::max())
        throw std::runtime_error("Overflow");
    return v;
}

}  // namespace

void StoreCell(Object& record, const Access& a, const dal::RowView& row, int p) {
    const dal::Value::Type type = row.TypeAt(p);
    switch (a.type) {
        case FieldType::Text:
        case FieldType::List:
            if (type == dal::Value::Type::Text)
                a.setText(record, row.TextAt(p));
            else
                a.setText(record, CellText(row.ValueAt(p)));
            break;
        case FieldType::Boolean:
            a.setInt(record, type == dal::Value::Type::Integer ? row.IntAt(p) != 0
                                                               : CellBool(row.ValueAt(p)));
            break;
        case FieldType::Integer:
            a.setInt(record, type == dal::Value::Type::Integer ? Fits<Integer>(row.IntAt(p))
                                                               : CellInteger(row.ValueAt(p)));
            break;
        case FieldType::Long:
            a.setInt(record, type == dal::Value::Type::Integer ? Fits<Long>(row.IntAt(p))
                                                               : CellLong(row.ValueAt(p)));
            break;
        case FieldType::Single:
            a.setReal(record, CellSingle(row.ValueAt(p)));
            break;
        case FieldType::Modifiers:
        case FieldType::Block:
            throw std::logic_error("a table column cannot hold this field");
    }
}

namespace {

void SetKey(Object& record, const Field& f, const KeyArg& k) {
    if (k.isNumber)
        f.access->setInt(record, k.number);
    else
        f.access->setText(record, k.text);
}

}  // namespace

Result<std::shared_ptr<Object>> ReadRow(DatabaseState& s, const TableKind& kind, Keys keys,
                                        bool bDescript, bool bStation) {
    s.ClearSQL();
    auto label = [&] {
        return kind.readLabel +
               Arguments(keys, kind, bStation, kind.descript ? &bDescript : nullptr);
    };
    using R = Result<std::shared_ptr<Object>>;
    auto failed = [&](Status st) { return R{Failed(std::move(st), kind, true, label())}; };
    if (MissingKey(kind, keys)) return failed(Status(StatusCode::BadKey, kind.readEmptyKey));
    if (Status st = s.EnsureOpen(); !st.Ok()) return failed(st);
    if (Status st = TestTable(s, kind, true); !st.Ok()) return failed(st);
    try {
        Pending(s, kind, kind.desc->read, keys, bStation);
        const Conditions conds(kind, keys, bStation);
        dal::Cursor cursor;
        if (Status st = dal::Cursor::Seek(*s.dbData, kind.table, conds, &kind, cursor); !st.Ok())
            return failed(st);
        if (!cursor.HasRow()) return failed(Status(StatusCode::NotFound, kind.readNoMatch));
        std::shared_ptr<Object> result = kind.record->create();
        Object& record = *result;
        for (std::size_t i = 0; i < keys.size(); ++i) SetKey(record, *kind.keys[i], keys[i]);

        const dal::RowView& row = cursor.Row();
        const auto& pos = kind.Positions(cursor.ColumnSet());
        for (std::size_t j = 0; j < kind.columns.size(); ++j) {
            const Field& c = *kind.columns[j];
            if (c.read == Read::Key || c.read == Read::Never) continue;
            if (c.read == Read::IfDescript && !bDescript) continue;
            int p = pos[2 * j];
            if (p < 0 && !c.altColumn.empty()) p = pos[2 * j + 1];
            const bool optional = c.read == Read::IfPresent || c.read == Read::IfPresentNotNull ||
                                  c.read == Read::IfDescript;
            if (p < 0) {
                if (c.fallback) {
                    c.In().setText(record, c.fallback);
                    continue;
                }
                if (optional) continue;
                return failed(MissingColumn(c.column));
            }
            if (row.TypeAt(p) == dal::Value::Type::Null) {
                if (c.fallback) {
                    c.In().setText(record, c.fallback);
                    continue;
                }
                if (c.read == Read::NotNull || c.read == Read::IfPresentNotNull ||
                    c.read == Read::IfDescript)
                    continue;
            }
            StoreCell(record, c.In(), row, p);
        }
        return {{}, std::move(result)};
    } catch (const std::exception& e) {
        return failed(Status(StatusCode::BadValue, e.what()));
    }
}

// ---------------------------------------------------------------------------------------
// Add

namespace {

dal::Value ValueOf(const Object& record, const Access& a) {
    switch (a.type) {
        case FieldType::Text:
        case FieldType::List:
            return dal::Value::Text(a.getText(record));
        case FieldType::Boolean:
            return dal::Value::Bool(a.getInt(record) != 0);
        case FieldType::Integer:
        case FieldType::Long:
            return dal::Value::Int(a.getInt(record));
        case FieldType::Single:
            return dal::Value::Real(a.getReal(record));
        case FieldType::Modifiers:
        case FieldType::Block:
            break;
    }
    throw std::logic_error("a table column cannot hold this field");
}

bool HasValue(const Object& record, const Access& a) {
    if (a.hasValue) return a.hasValue(record);
    if (a.type == FieldType::Text) return !a.getText(record).empty();
    return true;
}

// The add's label carries the record's keys (and station flag), read from the record.
std::string AddLabel(const TableKind& kind, const Object& record) {
    std::string label = kind.addLabel;
    for (std::size_t i = 0; i < kind.keys.size(); ++i) {
        if (i) label += ", ";
        const Access& a = *kind.keys[i]->access;
        label += a.type == FieldType::Text ? a.getText(record) : std::to_string(a.getInt(record));
    }
    if (kind.station) {
        const Field* st = kind.record->Find("Station");
        label += std::string(", ") + BoolText(st->access->getInt(record) != 0);
    }
    return label + ")";
}

}  // namespace

Status AddRow(DatabaseState& s, const TableKind& kind, const Object* record) {
    if (!record) return {};
    kind.record->Check(*record);
    auto failed = [&](Status st) {
        return Failed(std::move(st), kind, false, AddLabel(kind, *record), false);
    };
    if (Status st = s.EnsureOpen(); !st.Ok()) return failed(st);
    if (Status st = TestTable(s, kind, false); !st.Ok()) return failed(st);
    try {
        dal::RowWriter writer;
        if (Status st = dal::RowWriter::Open(*s.dbData, kind.table, writer, &kind); !st.Ok())
            return failed(st);
        const auto& pos = kind.Positions(writer.ColumnSet());
        for (std::size_t j = 0; j < kind.columns.size(); ++j) {
            const Field& c = *kind.columns[j];
            if (c.write == Write::Never) continue;
            int p = pos[2 * j];
            if (p < 0 && !c.altColumn.empty()) p = pos[2 * j + 1];
            const bool ifPresent =
                c.write == Write::IfPresent || c.write == Write::IfPresentAndValue;
            const bool ifValue = c.write == Write::IfValue || c.write == Write::IfPresentAndValue;
            if (ifPresent && p < 0) continue;
            if (ifValue && !HasValue(*record, *c.access)) continue;
            if (p < 0) return failed(MissingColumn(c.column));
            writer.Set(p, ValueOf(*record, *c.access));
        }
        if (Status st = writer.Insert(); !st.Ok()) return failed(st);
        return {};
    } catch (const std::exception& e) {
        return failed(Status(StatusCode::BadValue, e.what()));
    }
}

// ---------------------------------------------------------------------------------------
// Delete

Status DeleteRow(DatabaseState& s, const TableKind& kind, Keys keys, bool bStation) {
    s.ClearSQL();
    auto failed = [&](Status st) {
        return Failed(std::move(st), kind, false,
                      kind.delLabel + Arguments(keys, kind, bStation, nullptr));
    };
    if (MissingKey(kind, keys)) {
        // A negative number key is simply nothing to delete.
        bool negative = false;
        for (const auto& k : keys) negative = negative || (k.isNumber && k.number < 0);
        return failed(Status(StatusCode::BadKey, kind.delEmptyKey))
            .MakeQuiet(negative || kind.desc->delEmptyKeySilent);
    }
    if (Status st = s.EnsureOpen(); !st.Ok()) return failed(st);
    if (Status st = TestTable(s, kind, false); !st.Ok()) return failed(st);
    Pending(s, kind, DeleteForm(kind), keys, bStation, kind.desc->delSelectColumn);
    const Conditions conds(kind, keys, bStation);
    bool found = false;
    if (Status st = s.dbData->DeleteFirst(kind.table, conds, found); !st.Ok()) return failed(st);
    if (!found)
        return failed(Status(StatusCode::NotFound, kind.delNoMatch))
            .MakeQuiet(kind.desc->delNoMatchSilent);
    return {};
}

}  // namespace OrvaneLib::detail
