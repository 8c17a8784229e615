// The bulk writer over SQLite.
#include "database/bulkwrite.hpp"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

namespace OrvaneLib::bulk {

namespace {

std::string SystemError(const std::string& what, int error) {
    return what + ": " + std::strerror(error);
}

// Writes a file (or a folder's entries) through to the disk; best effort for folders,
// which some file systems do not let us open or sync.
bool SyncPath(const std::string& path, bool folder) {
    const int fd = ::open(path.c_str(), (folder ? O_RDONLY | O_DIRECTORY : O_RDONLY) | O_CLOEXEC);
    if (fd < 0) return folder;
    const bool ok = ::fsync(fd) == 0 || folder;
    ::close(fd);
    return ok;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool Exists(const std::string& path) {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0 || errno != ENOENT;
}

}  // namespace


// ---------------------------------------------------------------------------------------
// Statement

Statement::Statement(Statement&& other) noexcept
    : db_(std::exchange(other.db_, nullptr)), stmt_(std::exchange(other.stmt_, nullptr)) {}

Statement& Statement::operator=(Statement&& other) noexcept {
    if (this != &other) {
        sqlite3_finalize(stmt_);
        db_ = std::exchange(other.db_, nullptr);
        stmt_ = std::exchange(other.stmt_, nullptr);
    }
    return *this;
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

void Statement::Check(int rc) const {
    if (rc != SQLITE_OK) throw Error(sqlite3_errmsg(db_));
}

void Statement::BindNull(int position) { Check(sqlite3_bind_null(stmt_, position)); }

void Statement::BindInt(int position, std::int64_t value) {
    Check(sqlite3_bind_int64(stmt_, position, value));
}

void Statement::BindReal(int position, double value) {
    Check(sqlite3_bind_double(stmt_, position, value));
}

void Statement::BindText(int position, std::string_view utf8) {
    // An empty text needs a pointer that is not null, or it would be bound as NULL.
    Check(sqlite3_bind_text64(stmt_, position, utf8.empty() ? "" : utf8.data(), utf8.size(),
                              SQLITE_STATIC, SQLITE_UTF8));
}

void Statement::BindBlob(int position, std::span<const unsigned char> bytes) {
    if (bytes.empty()) {
        Check(sqlite3_bind_zeroblob(stmt_, position, 0));
        return;
    }
    Check(sqlite3_bind_blob64(stmt_, position, bytes.data(), bytes.size(), SQLITE_STATIC));
}

void Statement::Run() {
    int rc;
    while ((rc = sqlite3_step(stmt_)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE) {
        std::string message = sqlite3_errmsg(db_);
        sqlite3_reset(stmt_);
        throw Error(message);
    }
    sqlite3_reset(stmt_);
}

// ---------------------------------------------------------------------------------------
// BulkFile

BulkFile::BulkFile(std::string path) : path_(std::move(path)) {
    // The file is created here, exclusively, so that nothing that existed before is ever
    // opened, filled or (on failure) removed.
    const int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) throw Error(SystemError("cannot create " + path_, errno));
    ::close(fd);
    int rc =
        sqlite3_open_v2(path_.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    std::string error;
    if (rc != SQLITE_OK) {
        error = db_ ? sqlite3_errmsg(db_) : "out of memory";
    } else {
        sqlite3_extended_result_codes(db_, 1);
        // A double-quoted name that names nothing is an error here, not a text: a view is
        // checked against the columns it reads.
        sqlite3_db_config(db_, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
        sqlite3_db_config(db_, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
        // A journal in memory keeps savepoints working while the file is written with no
        // syncs: the file is new, so the journal holds next to nothing.
        char* err = nullptr;
        rc = sqlite3_exec(db_,
                          "PRAGMA journal_mode = MEMORY; PRAGMA synchronous = OFF;"
                          "PRAGMA locking_mode = EXCLUSIVE; PRAGMA cache_size = -8192;",
                          nullptr, nullptr, &err);
        if (rc != SQLITE_OK) error = err ? err : sqlite3_errmsg(db_);
        sqlite3_free(err);
    }
    if (!error.empty()) {
        Discard();
        throw Error("cannot create " + path_ + ": " + error);
    }
}

BulkFile::~BulkFile() {
    if (!finished_) Discard();
}

void BulkFile::Execute(std::string_view sql) {
    if (!db_) throw Error("the file is closed");
    std::string text(sql);
    char* err = nullptr;
    const int rc = sqlite3_exec(db_, text.c_str(), nullptr, nullptr, &err);
    if (rc != SQLITE_OK) {
        std::string message = err ? err : sqlite3_errmsg(db_);
        sqlite3_free(err);
        throw Error(message);
    }
}

bool BulkFile::TryExecute(std::string_view sql, std::string& error) {
    Execute("SAVEPOINT bulk_try");
    try {
        Execute(sql);
    } catch (const Error& e) {
        error = e.what();
        Execute("ROLLBACK TO bulk_try; RELEASE bulk_try");
        return false;
    }
    Execute("RELEASE bulk_try");
    return true;
}

Statement BulkFile::Prepare(std::string_view sql) {
    if (!db_) throw Error("the file is closed");
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v3(db_, sql.data(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT,
                           &stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt);
        throw Error(sqlite3_errmsg(db_));
    }
    return Statement(db_, stmt);
}

void BulkFile::Close() noexcept {
    if (db_) sqlite3_close_v2(db_);
    db_ = nullptr;
}

void BulkFile::Finish() {
    if (!db_) throw Error("the file is closed");
    // Every statement must be finalized by now: a plain close refuses otherwise, and a
    // file closed while statements still run would not be complete.
    if (sqlite3_close(db_) != SQLITE_OK) throw Error(sqlite3_errmsg(db_));
    db_ = nullptr;
    if (!SyncPath(path_, false)) throw Error(SystemError("cannot write " + path_, errno));
    finished_ = true;
}

void BulkFile::Discard() noexcept {
    Close();
    ::unlink(path_.c_str());
    finished_ = true;
}

// ---------------------------------------------------------------------------------------

void MoveIntoPlace(const std::string& from, const std::string& to) {
    auto exists = [&] { return Error(to + " exists; it is never overwritten"); };
    // A hard link appears only where nothing exists, atomically; the scratch name goes after.
    if (::link(from.c_str(), to.c_str()) == 0) {
        ::unlink(from.c_str());
        SyncPath(FolderOf(to), true);
        return;
    }
    if (errno == EEXIST) throw exists();
    // File systems without hard links: a rename that refuses to replace, where the kernel
    // and the file system offer one, else a rename after a last look.
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        SyncPath(FolderOf(to), true);
        return;
    }
    if (errno == EEXIST) throw exists();
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        throw Error(SystemError("cannot move the new file to " + to, errno));
    if (Exists(to)) throw exists();
    if (std::rename(from.c_str(), to.c_str()) != 0)
        throw Error(SystemError("cannot move the new file to " + to, errno));
    SyncPath(FolderOf(to), true);
}

}  // namespace OrvaneLib::bulk
