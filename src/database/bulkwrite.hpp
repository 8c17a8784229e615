// Writing a whole new database file in one pass, for converters that fill a file from
// another source: a scratch file created here (never an existing one), statements run as
// given, prepared statements with values bound by position, and the finished file moved
// into place without ever replacing a file that exists there.
#pragma once

#include "database/identifier.hpp"

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace OrvaneLib::bulk {

// A failure of the engine or of the file system, with its description.
class Error : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A prepared statement of a BulkFile. Values are bound by position (from 1); Run executes
// the statement and makes it ready for the next set of values.
class Statement {
  public:
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement();

    void BindNull(int position);
    void BindInt(int position, std::int64_t value);
    void BindReal(int position, double value);
    // Text and BLOB bytes are copied only if the statement needs them after Run; the caller
    // keeps them alive until Run returns.
    void BindText(int position, std::string_view utf8);
    void BindBlob(int position, std::span<const unsigned char> bytes);
    void Run();

  private:
    friend class BulkFile;
    Statement(sqlite3* db, sqlite3_stmt* stmt) : db_(db), stmt_(stmt) {}
    void Check(int rc) const;

    sqlite3* db_ = nullptr;
    sqlite3_stmt* stmt_ = nullptr;
};

// A new database file being filled. It is written without a journal and without syncs
// (a failure discards the whole file anyway); Finish makes it durable.
class BulkFile {
  public:
    // Creates `path`, which must not exist (Error otherwise).
    explicit BulkFile(std::string path);
    BulkFile(const BulkFile&) = delete;
    BulkFile& operator=(const BulkFile&) = delete;
    // Discards the file unless Finish succeeded.
    ~BulkFile();

    const std::string& Path() const { return path_; }

    // Runs one or more SQL statements.
    void Execute(std::string_view sql);
    // Runs `sql` inside a savepoint and undoes it when it fails: false with `error` set.
    bool TryExecute(std::string_view sql, std::string& error);
    Statement Prepare(std::string_view sql);

    // Closes the file and writes it through to the disk; the file stays.
    void Finish();
    // Closes the file and removes it.
    void Discard() noexcept;

  private:
    void Close() noexcept;

    std::string path_;
    sqlite3* db_ = nullptr;
    bool finished_ = false;
};

// Moves the file `from` to `to` when nothing exists at `to` (Error otherwise, and when the
// move fails); an existing file is never replaced, even one that appears meanwhile.
void MoveIntoPlace(const std::string& from, const std::string& to);

// Quotes an identifier for use in SQL text.
using sql::QuoteIdent;

}  // namespace OrvaneLib::bulk
