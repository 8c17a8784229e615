// Reading a Jet file: its catalogue, the definitions of its tables and their rows, every
// cell decoded from the stored bytes. libmdb reads the catalogue, the table definitions
// and the pages; the rows are walked and the values decoded here (see reader.cpp for why).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace OrvaneLib::jet {

// Why a file or a table cannot be read. The message does not name the file.
class ReadError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The engine's column types, as stored in table definitions.
enum ColumnType : int {
    kBoolean = 0x01,
    kByte = 0x02,
    kInteger = 0x03,
    kLong = 0x04,
    kCurrency = 0x05,
    kSingle = 0x06,
    kDouble = 0x07,
    kDateTime = 0x08,
    kBinary = 0x09,
    kText = 0x0a,
    kOle = 0x0b,
    kMemo = 0x0c,
    kGuid = 0x0f,
    kDecimal = 0x10,
};

struct Column {
    std::string name;
    int type = 0;
    int size = 0;  // bytes of a fixed column; the declared length of a text column
    int precision = 0;
    int scale = 0;
};

struct Index {
    std::string name;
    bool primary = false;
    bool unique = false;
    struct Key {
        int column;  // position in the table's columns
        bool descending;
    };
    std::vector<Key> keys;
};

// One cell of a row. Text is UTF-8; text and BLOB bytes stay valid until the next row.
struct Cell {
    enum class Kind : unsigned char { Null, Integer, Real, Text, Blob };
    Kind kind = Kind::Null;
    std::int64_t integer = 0;
    double real = 0;
    std::string_view bytes;
};

// What was read with less than full fidelity, for the report.
struct ReadNotes {
    std::uint64_t datesOutOfRange = 0;  // dates outside the years 100 to 9999, kept as day counts
    std::uint64_t textReplaced = 0;     // texts with bytes that stand for no character
    std::uint64_t unknownType = 0;      // cells of unknown column types, kept as their bytes
};

class JetTable;

// A catalogue entry: a table, a stored query or another object of the file.
struct CatalogObject {
    std::string name;
    int type = 0;          // 1 table, 5 stored query, 4 and 6 linked tables, negative: forms, ...
    std::uint32_t id = 0;  // the low 24 bits of the object's id
    std::uint32_t flags = 0;
    bool UserTable() const { return type == 1 && (flags & 0x80000002u) == 0; }
    bool SystemTable() const { return type == 1 && !UserTable(); }
    bool Query() const { return type == 5; }
    bool LinkedTable() const { return type == 4 || type == 6; }
};

class JetFile {
  public:
    // Opens the Jet 3 or Jet 4 file at `path`; ReadError (a sentence about the file) for a
    // file that is missing, not a Jet file, an ACE file, protected by a password, truncated
    // or too damaged to read its catalogue.
    explicit JetFile(const std::string& path);
    JetFile(const JetFile&) = delete;
    JetFile& operator=(const JetFile&) = delete;
    ~JetFile();

    int Version() const;  // 3 or 4
    int CodePage() const;
    std::uint64_t Pages() const;
    const std::vector<CatalogObject>& Catalogue() const;

    // A table of the catalogue (its definition read); ReadError when it is unreadable.
    std::unique_ptr<JetTable> OpenTable(const CatalogObject& table);

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

class JetTable {
  public:
    ~JetTable();
    const std::string& Name() const;
    const std::vector<Column>& Columns() const;
    // The primary key and the other indexes (not those the engine keeps for relationships).
    const std::vector<Index>& Indexes() const;
    // The rows the table's definition counts.
    std::uint64_t RowCount() const;

    // Streams the rows: `row` gets one cell per column, in column order. When `wanted` is
    // not empty, only the columns it marks are decoded (the others are Null). Returns the
    // number of rows; ReadError when a page, a row or a long value cannot be read.
    std::uint64_t ReadRows(const std::function<void(std::span<const Cell>)>& row,
                           const std::vector<bool>& wanted = {});

    const ReadNotes& Notes() const;

  private:
    friend class JetFile;
    struct Impl;
    explicit JetTable(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

}  // namespace OrvaneLib::jet
