// Reading Jet files with libmdb.
//
// libmdb reads the table definitions (columns and indexes) and the pages, and splits each
// row into its cells (mdb_crack_row). Its catalogue, its row loop and its value formatting
// are not used, because for a faithful copy they fall short:
// - its catalogue keeps an object's type in seven bits (see JetFile);
// - mdb_fetch_row ends a table, as if it were complete, at a page it cannot read (the
//   rows of a truncated file are lost without a failure);
// - its text forms of values lose what the file holds: dates through a C time structure
//   (every date before 1900, and 9999-01-01, comes out as "1900-01-00"), Single and Double
//   through eight-digit decimals, Currency through text, Text and Memo as C strings cut at
//   the bind size and at an embedded NUL;
// - OLE and long Memo values are read only through columns bound to mdb_fetch_row.
// So the rows are walked here over libmdb's pages (following the rows the engine moved to
// another page), and every value is decoded from its stored bytes.
#include "reader.hpp"

#include <glib.h>  // before mdbtools.h, which would include it inside extern "C"
#include <mdbtools.h>
#include <sys/stat.h>

#include <array>
#include <cstring>
#include <fstream>

#include "database/jetfile.hpp"
#include "values.hpp"

namespace OrvaneLib::jet {

namespace {

std::uint16_t Le16(const unsigned char* b) { return static_cast<std::uint16_t>(b[0] | b[1] << 8); }
std::uint32_t Le32(const unsigned char* b) {
    return b[0] | b[1] << 8 | b[2] << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}
std::uint64_t Le64(const unsigned char* b) {
    return Le32(b) | static_cast<std::uint64_t>(Le32(b + 4)) << 32;
}

// The header of the first page, from 0x18 on, is scrambled with RC4 under a fixed key.
void Unscramble(unsigned char* data, std::size_t size) {
    static constexpr unsigned char kKey[4] = {0xC7, 0xDA, 0x39, 0x6B};
    std::array<unsigned char, 256> s;
    for (int i = 0; i < 256; ++i) s[i] = static_cast<unsigned char>(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + s[i] + kKey[i % 4]) & 0xFF;
        std::swap(s[i], s[j]);
    }
    for (std::size_t n = 0, i = 0, j = 0; n < size; ++n) {
        i = (i + 1) & 0xFF;
        j = (j + s[i]) & 0xFF;
        std::swap(s[i], s[j]);
        data[n] ^= s[(s[i] + s[j]) & 0xFF];
    }
}

struct Header {
    int version = 0;
    int codePage = 0;
    bool password = false;
    std::uint64_t pageSize = 0;
    std::uint64_t pages = 0;
};

// Reads and checks the first page ourselves: libmdb keeps only 14 of the 20 password bytes
// of a Jet 3 file and none of a Jet 4 file, and says little about files it cannot open.
Header ReadHeader(const std::string& path) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) throw ReadError("it cannot be found or read");
    if (!S_ISREG(st.st_mode)) throw ReadError("it is not a file");
    switch (detail::DetectJetFile(path)) {
        case detail::JetFormat::None:
            throw ReadError("it is not a Jet database (.mdb)");
        case detail::JetFormat::Ace:
            throw ReadError(
                "it is an ACE database (the .accdb format of Access 2007 and later); only Jet 3 "
                "and Jet 4 files (.mdb) are converted");
        default:
            break;
    }
    Header h;
    std::array<unsigned char, 0x18 + 128> page{};
    std::ifstream in(path, std::ios::binary);
    if (!in.read(reinterpret_cast<char*>(page.data()), page.size()))
        throw ReadError("it is truncated: it ends inside its first page");
    h.version = page[0x14] == 0 ? 3 : 4;
    h.pageSize = h.version == 3 ? 2048 : 4096;
    Unscramble(page.data() + 0x18, h.version == 3 ? 126 : 128);
    h.codePage = Le16(page.data() + 0x3C);
    // The password: 20 bytes (Jet 3) or 40 (Jet 4, masked again with the whole part of the
    // creation date); all zero when there is none.
    unsigned char mask[4] = {0, 0, 0, 0};
    if (h.version == 4) {
        double created = 0;
        std::memcpy(&created, page.data() + 0x72, sizeof created);
        const std::int32_t whole =
            created > -2e9 && created < 2e9 ? static_cast<std::int32_t>(created) : 0;
        const auto bits = static_cast<std::uint32_t>(whole);
        for (int i = 0; i < 4; ++i) mask[i] = static_cast<unsigned char>(bits >> (8 * i));
    }
    const int passwordBytes = h.version == 3 ? 20 : 40;
    for (int i = 0; i < passwordBytes; ++i)
        if ((page[0x42 + i] ^ mask[i % 4]) != 0) h.password = true;
    if (h.password) throw ReadError("it is protected by a password");
    const auto size = static_cast<std::uint64_t>(st.st_size);
    if (size % h.pageSize != 0 || size < 3 * h.pageSize)
        throw ReadError("it is truncated: its " + std::to_string(size) +
                        " bytes are not a whole number of " + std::to_string(h.pageSize) +
                        "-byte pages");
    h.pages = size / h.pageSize;
    return h;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// The file

struct JetFile::Impl {
    Header header;
    MdbHandle* mdb = nullptr;
    std::vector<CatalogObject> catalogue;
    std::vector<std::unique_ptr<MdbCatalogEntry>> ownEntries;  // of the tables opened

    ~Impl() {
        if (mdb) mdb_close(mdb);
    }

    // The catalogue entry libmdb needs to read a table's definition.
    MdbCatalogEntry* Entry(const std::string& name, std::uint32_t page) {
        for (const auto& entry : ownEntries)
            if (entry->table_pg == page) return entry.get();
        auto entry = std::make_unique<MdbCatalogEntry>();
        std::memset(entry.get(), 0, sizeof(MdbCatalogEntry));
        entry->mdb = mdb;
        std::strncpy(entry->object_name, name.c_str(), MDB_MAX_OBJ_NAME);
        entry->object_type = MDB_TABLE;
        entry->table_pg = page;
        ownEntries.push_back(std::move(entry));
        return ownEntries.back().get();
    }
};

JetFile::JetFile(const std::string& path) : impl_(std::make_unique<Impl>()) {
    impl_->header = ReadHeader(path);
    impl_->mdb = mdb_open(path.c_str(), MDB_NOFLAGS);
    if (!impl_->mdb) throw ReadError("it cannot be opened as a Jet database");
    if (static_cast<std::uint64_t>(impl_->mdb->fmt->pg_size) != impl_->header.pageSize)
        throw ReadError("its header is damaged");
    // The catalogue table lives at page 2; a file whose page 2 is no table definition is
    // too damaged for libmdb to read.
    if (mdb_read_pg(impl_->mdb, 2) != impl_->mdb->fmt->pg_size || impl_->mdb->pg_buf[0] != 0x02)
        throw ReadError("it is damaged: its catalogue (page 2) is no table definition");
    // libmdb's catalogue (mdb_read_catalog) keeps only the low seven bits of an object's
    // type, which makes a report (-32764) look like a linked table (4), and it reads the
    // catalogue table through mdb_fetch_row, which stops silently at a page it cannot
    // read: the catalogue table is read here, with the rows of every other table.
    CatalogObject catalogue;
    catalogue.name = "MSysObjects";
    catalogue.type = 1;
    catalogue.id = 2;
    catalogue.flags = 0x80000000u;
    std::unique_ptr<JetTable> table;
    try {
        table = OpenTable(catalogue);
        const auto& columns = table->Columns();
        static constexpr const char* kNames[] = {"Id", "Name", "Type", "Flags"};
        std::size_t at[4];
        std::vector<bool> wanted(columns.size(), false);
        for (int k = 0; k < 4; ++k) {
            at[k] = columns.size();
            for (std::size_t c = 0; c < columns.size(); ++c)
                if (g_ascii_strcasecmp(columns[c].name.c_str(), kNames[k]) == 0) at[k] = c;
            if (at[k] == columns.size())
                throw ReadError(std::string("its catalogue lacks the column ") + kNames[k]);
            wanted[at[k]] = true;
        }
        table->ReadRows(
            [&](std::span<const Cell> cells) {
                CatalogObject object;
                object.id = static_cast<std::uint32_t>(cells[at[0]].integer) & 0x00FFFFFF;
                object.name = std::string(cells[at[1]].bytes);
                object.type = static_cast<int>(cells[at[2]].integer);
                object.flags = static_cast<std::uint32_t>(cells[at[3]].integer);
                if (!object.name.empty()) impl_->catalogue.push_back(std::move(object));
            },
            wanted);
    } catch (const ReadError& e) {
        throw ReadError(std::string("it is damaged: its catalogue cannot be read (") + e.what() +
                        ")");
    }
}

JetFile::~JetFile() = default;

int JetFile::Version() const { return impl_->header.version; }
int JetFile::CodePage() const { return impl_->header.codePage; }
std::uint64_t JetFile::Pages() const { return impl_->header.pages; }
const std::vector<CatalogObject>& JetFile::Catalogue() const { return impl_->catalogue; }

// ---------------------------------------------------------------------------------------
// Tables

struct JetTable::Impl {
    MdbHandle* mdb = nullptr;
    MdbTableDef* table = nullptr;
    std::uint64_t pages = 0;
    int version = 3;
    std::unique_ptr<jet::CodePage> codePage;
    std::string name;
    std::vector<Column> columns;
    std::vector<Index> indexes;
    ReadNotes notes;

    // Per column: the bytes of a long value, and the text or BLOB a cell points at.
    std::vector<std::string> raw;
    std::vector<std::string> text;

    ~Impl() {
        if (table) mdb_free_tabledef(table);
    }

    std::size_t PageSize() const { return static_cast<std::size_t>(mdb->fmt->pg_size); }

    void CheckPage(std::uint64_t page, const char* what) const {
        if (page == 0 || page >= pages)
            throw ReadError(std::string(what) + " points at page " + std::to_string(page) +
                            (page >= pages ? ", beyond the end of the file (it is truncated)"
                                           : ", which holds no data"));
    }

    // Checks the pages libmdb reads for a table's definition (the chain of definition
    // pages, the rows of its page maps and the pages those name), so that a truncated or
    // damaged file is reported here rather than read past its end by libmdb.
    void CheckDefinition(std::uint64_t first) {
        const MdbFormatConstants& fmt = *mdb->fmt;
        std::uint64_t steps = 0;
        for (std::uint64_t page = first; page != 0; page = Le32(mdb->pg_buf + 4)) {
            CheckPage(page, steps == 0 ? "its definition" : "its definition's next part");
            if (mdb_read_pg(mdb, page) != fmt.pg_size || mdb->pg_buf[0] != 0x02 || ++steps > pages)
                throw ReadError("its definition (page " + std::to_string(page) +
                                ") is no table definition");
        }
        if (mdb_read_pg(mdb, first) != fmt.pg_size) throw ReadError("its definition is unreadable");
        const std::uint32_t maps[2] = {Le32(mdb->pg_buf + fmt.tab_usage_map_offset),
                                       Le32(mdb->pg_buf + fmt.tab_free_map_offset)};
        for (std::uint32_t pointer : maps) {
            const auto map = LongValueRow(pointer, "its page map");
            // A map of the second kind lists the pages that hold its bits.
            if (map.empty() || map[0] != 1) continue;
            for (std::size_t at = 1; at + 4 <= map.size(); at += 4)
                if (const std::uint32_t page = Le32(map.data() + at))
                    CheckPage(page, "its page map");
        }
    }

    // The bounds of row `row` of a data page: [start, end), and the flags of its offset.
    struct RowSpan {
        std::size_t start = 0, end = 0;
        unsigned flags = 0;
    };
    RowSpan FindRow(const unsigned char* page, unsigned row, std::uint64_t pageNumber) const {
        const std::size_t rco = mdb->fmt->row_count_offset;
        const unsigned rows = Le16(page + rco);
        const std::size_t size = PageSize();
        if (row >= rows || rco + 2 + 2 * static_cast<std::size_t>(rows) > size)
            throw ReadError("page " + std::to_string(pageNumber) + " has no row " +
                            std::to_string(row));
        const unsigned offset = Le16(page + rco + 2 + 2 * row);
        RowSpan span;
        span.flags = offset & 0xC000;
        span.start = offset & 0x1FFF;
        span.end = row == 0 ? size : (Le16(page + rco + 2 * row) & 0x1FFF);
        if (span.start > span.end || span.end > size)
            throw ReadError("row " + std::to_string(row) + " of page " +
                            std::to_string(pageNumber) + " is damaged");
        return span;
    }

    // One row of a long-value page, by its pointer (page << 8 | row), in libmdb's second
    // page buffer so that the row being decoded stays where it is.
    std::span<const unsigned char> LongValueRow(std::uint32_t pointer,
                                                const char* what = "a Memo or OLE value") {
        const std::uint64_t page = pointer >> 8;
        CheckPage(page, what);
        if (mdb_read_alt_pg(mdb, page) != static_cast<ssize_t>(PageSize()))
            throw ReadError("page " + std::to_string(page) + " cannot be read");
        const unsigned char* buffer = mdb->alt_pg_buf;
        if (buffer[0] != MDB_PAGE_DATA)
            throw ReadError(std::string(what) + " points at page " + std::to_string(page) +
                            ", which is no data page");
        const RowSpan span = FindRow(buffer, pointer & 0xFF, page);
        return {buffer + span.start, span.end - span.start};
    }

    // The stored bytes of a Memo or OLE cell, from its 12-byte header: the value follows
    // the header, fills one row of a long-value page, or runs through a chain of them.
    void ReadLongValue(const unsigned char* field, std::size_t size, std::string& out) {
        out.clear();
        if (size < 12) throw ReadError("a Memo or OLE value is damaged");
        const std::uint32_t head = Le32(field);
        const std::size_t length = head & 0x3FFFFFFF;
        if (head & 0x80000000u) {
            if (12 + length > size) throw ReadError("a Memo or OLE value is damaged");
            out.assign(reinterpret_cast<const char*>(field) + 12, length);
            return;
        }
        std::uint32_t pointer = Le32(field + 4);
        if (head & 0x40000000u) {
            const auto row = LongValueRow(pointer);
            if (row.size() < length) throw ReadError("a Memo or OLE value is cut short");
            out.assign(reinterpret_cast<const char*>(row.data()), length);
            return;
        }
        // A chain: each row starts with the pointer to the next one.
        // A damaged length asks for no more than the file could hold.
        out.reserve(std::min<std::uint64_t>(length, pages * PageSize()));
        for (std::uint64_t steps = 0; out.size() < length; ++steps) {
            if (pointer == 0 || steps > pages) throw ReadError("a Memo or OLE value is cut short");
            const auto row = LongValueRow(pointer);
            if (row.size() < 4) throw ReadError("a Memo or OLE value is damaged");
            const std::size_t take = std::min(row.size() - 4, length - out.size());
            out.append(reinterpret_cast<const char*>(row.data()) + 4, take);
            pointer = Le32(row.data());
        }
    }

    void DecodeText(std::span<const unsigned char> bytes, std::string& out) {
        out.clear();
        const bool ok = version == 3 ? codePage->Decode(bytes, out) : DecodeJet4Text(bytes, out);
        if (!ok) ++notes.textReplaced;
    }

    // Decodes the cell of column `c` from the field libmdb found in the current page.
    void Decode(std::size_t c, const MdbField& field, std::size_t rowStart, std::size_t rowEnd,
                Cell& cell) {
        const Column& column = columns[c];
        cell = Cell{};
        if (column.type == kBoolean) {
            // A Yes/No value is its bit in the row's null mask.
            cell.kind = Cell::Kind::Integer;
            cell.integer = field.is_null ? 0 : 1;
            return;
        }
        if (field.is_null || !field.value) return;
        const auto* bytes = static_cast<const unsigned char*>(field.value);
        const std::size_t size = field.siz < 0 ? 0 : static_cast<std::size_t>(field.siz);
        const auto offset = static_cast<std::size_t>(bytes - mdb->pg_buf);
        if (field.siz < 0 || offset < rowStart || offset + size > rowEnd)
            throw ReadError("a row is damaged (column '" + column.name + "' lies outside it)");
        auto fixed = [&](std::size_t expected) {
            if (size != expected)
                throw ReadError("a row is damaged (column '" + column.name + "' has " +
                                std::to_string(size) + " bytes)");
        };
        switch (column.type) {
            case kByte:
                fixed(1);
                cell.kind = Cell::Kind::Integer;
                cell.integer = bytes[0];
                return;
            case kInteger:
                fixed(2);
                cell.kind = Cell::Kind::Integer;
                cell.integer = static_cast<std::int16_t>(Le16(bytes));
                return;
            case kLong:
                fixed(4);
                cell.kind = Cell::Kind::Integer;
                cell.integer = static_cast<std::int32_t>(Le32(bytes));
                return;
            case kCurrency:
                fixed(8);
                cell.kind = Cell::Kind::Real;
                cell.real = MoneyValue(static_cast<std::int64_t>(Le64(bytes)));
                return;
            case kSingle: {
                fixed(4);
                const std::uint32_t bits = Le32(bytes);
                float value;
                std::memcpy(&value, &bits, sizeof value);
                cell.kind = Cell::Kind::Real;
                cell.real = value;  // widening is exact
                return;
            }
            case kDouble: {
                fixed(8);
                const std::uint64_t bits = Le64(bytes);
                cell.kind = Cell::Kind::Real;
                std::memcpy(&cell.real, &bits, sizeof cell.real);
                return;
            }
            case kDateTime: {
                fixed(8);
                const std::uint64_t bits = Le64(bytes);
                double days;
                std::memcpy(&days, &bits, sizeof days);
                if (FormatDate(days, text[c])) {
                    cell.kind = Cell::Kind::Text;
                    cell.bytes = text[c];
                } else {
                    ++notes.datesOutOfRange;
                    cell.kind = Cell::Kind::Real;
                    cell.real = days;
                }
                return;
            }
            case kGuid:
                fixed(16);
                text[c] = GuidText({bytes, size});
                cell.kind = Cell::Kind::Text;
                cell.bytes = text[c];
                return;
            case kDecimal:
                fixed(17);
                text[c] = DecimalText({bytes, size}, column.scale);
                cell.kind = Cell::Kind::Text;
                cell.bytes = text[c];
                return;
            case kText:
                DecodeText({bytes, size}, text[c]);
                cell.kind = Cell::Kind::Text;
                cell.bytes = text[c];
                return;
            case kMemo:
                ReadLongValue(bytes, size, raw[c]);
                DecodeText({reinterpret_cast<const unsigned char*>(raw[c].data()), raw[c].size()},
                           text[c]);
                cell.kind = Cell::Kind::Text;
                cell.bytes = text[c];
                return;
            case kOle:
                ReadLongValue(bytes, size, text[c]);
                cell.kind = Cell::Kind::Blob;
                cell.bytes = text[c];
                return;
            default:  // Binary, and types this reader does not know: the bytes as stored
                if (column.type != kBinary) ++notes.unknownType;
                text[c].assign(reinterpret_cast<const char*>(bytes), size);
                cell.kind = Cell::Kind::Blob;
                cell.bytes = text[c];
                return;
        }
    }
};

std::unique_ptr<JetTable> JetFile::OpenTable(const CatalogObject& object) {
    if (object.type != 1) throw ReadError("it is not a table of the file");
    MdbCatalogEntry* entry = impl_->Entry(object.name, object.id);
    auto t = std::make_unique<JetTable::Impl>();
    t->mdb = impl_->mdb;
    t->pages = impl_->header.pages;
    t->version = impl_->header.version;
    t->name = object.name;
    if (t->version == 3) t->codePage = std::make_unique<jet::CodePage>(impl_->header.codePage);
    t->CheckDefinition(object.id);
    t->table = mdb_read_table(entry);
    if (!t->table || !mdb_read_columns(t->table) || !t->table->columns ||
        t->table->columns->len != t->table->num_cols)
        throw ReadError("its definition (page " + std::to_string(object.id) + ") cannot be read");
    mdb_read_indices(t->table);
    for (unsigned i = 0; i < t->table->num_cols; ++i) {
        const auto* col = static_cast<MdbColumn*>(g_ptr_array_index(t->table->columns, i));
        Column column;
        column.name = col->name;
        column.type = col->col_type;
        column.size = col->col_size;
        column.precision = col->col_prec;
        column.scale = col->col_scale;
        t->columns.push_back(std::move(column));
    }
    if (t->table->indices) {
        for (unsigned i = 0; i < t->table->indices->len; ++i) {
            const auto* idx = static_cast<MdbIndex*>(g_ptr_array_index(t->table->indices, i));
            if (idx->index_type == 2 || idx->num_keys == 0) continue;  // kept for relationships
            Index index;
            index.name = idx->name;
            index.primary = idx->index_type == 1;
            index.unique = (idx->flags & MDB_IDX_UNIQUE) != 0;
            for (unsigned k = 0; k < idx->num_keys && k < MDB_MAX_IDX_COLS; ++k) {
                // Key columns are counted from 1 by the number the column carries.
                int position = -1;
                for (unsigned c = 0; c < t->table->num_cols; ++c) {
                    const auto* col =
                        static_cast<MdbColumn*>(g_ptr_array_index(t->table->columns, c));
                    if (col->col_num + 1 == idx->key_col_num[k]) position = static_cast<int>(c);
                }
                if (position < 0) break;
                index.keys.push_back({position, idx->key_col_order[k] == MDB_DESC});
            }
            if (index.keys.size() == idx->num_keys) t->indexes.push_back(std::move(index));
        }
    }
    t->raw.resize(t->columns.size());
    t->text.resize(t->columns.size());
    return std::unique_ptr<JetTable>(new JetTable(std::move(t)));
}

JetTable::JetTable(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
JetTable::~JetTable() = default;

const std::string& JetTable::Name() const { return impl_->name; }
const std::vector<Column>& JetTable::Columns() const { return impl_->columns; }
const std::vector<Index>& JetTable::Indexes() const { return impl_->indexes; }
std::uint64_t JetTable::RowCount() const { return impl_->table->num_rows; }
const ReadNotes& JetTable::Notes() const { return impl_->notes; }

std::uint64_t JetTable::ReadRows(const std::function<void(std::span<const Cell>)>& row,
                                 const std::vector<bool>& wanted) {
    Impl& t = *impl_;
    MdbHandle* mdb = t.mdb;
    MdbTableDef* table = t.table;
    const std::size_t width = t.columns.size();
    std::vector<MdbField> fields(std::max<std::size_t>(width, MDB_MAX_COLS) + 1);
    std::vector<Cell> cells(width);
    const auto owner = static_cast<std::uint32_t>(table->entry->table_pg);
    const std::size_t rco = mdb->fmt->row_count_offset;
    std::uint64_t count = 0;

    // Decodes the row at [start, end) of the page in libmdb's page buffer.
    auto emit = [&](std::size_t start, std::size_t end, std::uint64_t page) {
        const int cracked =
            mdb_crack_row(table, static_cast<int>(start), end - start, fields.data());
        if (cracked < 0 || static_cast<std::size_t>(cracked) < width)
            throw ReadError("a row of page " + std::to_string(page) + " is damaged");
        for (std::size_t c = 0; c < width; ++c) {
            if (!wanted.empty() && !wanted[c]) {
                cells[c] = Cell{};
                continue;
            }
            t.Decode(c, fields[c], start, end, cells[c]);
        }
        ++count;
        row(cells);
    };

    // The table's data pages, from its usage map; a map of a kind libmdb does not know
    // means every page of the file is looked at.
    std::uint64_t page = 0;
    bool everyPage = false;
    for (;;) {
        if (everyPage) {
            if (++page >= t.pages) break;
        } else {
            const int next =
                mdb_map_find_next(mdb, table->usage_map, static_cast<unsigned>(table->map_sz),
                                  static_cast<guint32>(page));
            if (next < 0) {
                everyPage = true;
                page = 0;
                continue;
            }
            if (next == 0) break;
            page = static_cast<std::uint64_t>(next);
            t.CheckPage(page, "the table");
        }
        if (mdb_read_pg(mdb, page) != mdb->fmt->pg_size)
            throw ReadError("page " + std::to_string(page) + " cannot be read");
        if (mdb->pg_buf[0] != MDB_PAGE_DATA || Le32(mdb->pg_buf + 4) != owner) continue;
        const unsigned rows = Le16(mdb->pg_buf + rco);
        for (unsigned r = 0; r < rows; ++r) {
            const Impl::RowSpan span = t.FindRow(mdb->pg_buf, r, page);
            // 0xC000 marks a deleted row; 0x8000 alone a row moved here from another page,
            // read through the pointer the engine left in its first place (0x4000).
            if (span.flags & 0x8000) continue;
            if (span.flags == 0) {
                emit(span.start, span.end, page);
                continue;
            }
            if (span.end - span.start < 4)
                throw ReadError("row " + std::to_string(r) + " of page " + std::to_string(page) +
                                " is damaged");
            const std::uint32_t pointer = Le32(mdb->pg_buf + span.start);
            const std::uint64_t target = pointer >> 8;
            t.CheckPage(target, "a moved row");
            if (mdb_read_pg(mdb, target) != mdb->fmt->pg_size || mdb->pg_buf[0] != MDB_PAGE_DATA)
                throw ReadError("a moved row points at page " + std::to_string(target) +
                                ", which is no data page");
            const Impl::RowSpan moved = t.FindRow(mdb->pg_buf, pointer & 0xFF, target);
            emit(moved.start, moved.end, target);
            if (mdb_read_pg(mdb, page) != mdb->fmt->pg_size)
                throw ReadError("page " + std::to_string(page) + " cannot be read");
        }
    }
    if (count < table->num_rows)
        throw ReadError("it is damaged: it counts " + std::to_string(table->num_rows) +
                        " rows, of which " + std::to_string(count) + " can be found");
    return count;
}

}  // namespace OrvaneLib::jet
