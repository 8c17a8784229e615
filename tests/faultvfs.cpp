#include "faultvfs.hpp"

#include <sqlite3.h>
#include <sys/stat.h>

#include <atomic>
#include <cstring>
#include <mutex>
#include <stdexcept>

namespace orvane_test {

namespace {

struct State {
    sqlite3_vfs* base = nullptr;
    sqlite3_vfs vfs{};
    std::atomic<int> armedOp{-1};
    std::atomic<int> remaining{0};
    std::atomic<bool> fired{false};
    std::atomic<bool> readOnly{false};
    std::atomic<bool> noJournals{false};
    // RunAtNth
    std::atomic<int> actionOp{-1};
    std::atomic<int> actionRemaining{0};
    std::function<void()> action;
    // DiskSpace
    std::mutex spaceMutex;
    long long space = -1;
};
State state;

// Runs the armed action when this call of `op` is the one.
void Act(FaultOp op) {
    if (state.actionOp.load() != static_cast<int>(op)) return;
    if (--state.actionRemaining != 0) return;
    state.actionOp = -1;
    std::function<void()> action = std::move(state.action);
    state.fired = true;
    if (action) action();
}

// Takes room on the disk for growing a file of `size` bytes to `end`; false when full.
bool Grow(sqlite3_int64 size, sqlite3_int64 end) {
    std::lock_guard lock(state.spaceMutex);
    if (state.space < 0 || end <= size) return true;
    if (end - size > state.space) return false;
    state.space -= end - size;
    return true;
}

void GiveBack(sqlite3_int64 bytes) {
    std::lock_guard lock(state.spaceMutex);
    if (state.space >= 0 && bytes > 0) state.space += bytes;
}

// True when this call of `op` is the one to fail.
bool Hit(FaultOp op) {
    if (state.armedOp.load() != static_cast<int>(op)) return false;
    if (--state.remaining != 0) return false;
    state.armedOp = -1;
    state.fired = true;
    return true;
}

struct File {
    sqlite3_file base;
    sqlite3_file* real;  // the default layer's file, allocated right after this one
};

sqlite3_file* Real(sqlite3_file* f) { return reinterpret_cast<File*>(f)->real; }

int Close(sqlite3_file* f) { return Real(f)->pMethods->xClose(Real(f)); }
int Read(sqlite3_file* f, void* buf, int amount, sqlite3_int64 offset) {
    Act(FaultOp::Read);
    if (Hit(FaultOp::Read)) return SQLITE_IOERR_READ;
    return Real(f)->pMethods->xRead(Real(f), buf, amount, offset);
}
int Write(sqlite3_file* f, const void* buf, int amount, sqlite3_int64 offset) {
    Act(FaultOp::Write);
    if (Hit(FaultOp::Write)) return SQLITE_IOERR_WRITE;
    sqlite3_int64 size = 0;
    if (Real(f)->pMethods->xFileSize(Real(f), &size) == SQLITE_OK && !Grow(size, offset + amount))
        return SQLITE_FULL;
    return Real(f)->pMethods->xWrite(Real(f), buf, amount, offset);
}
int Truncate(sqlite3_file* f, sqlite3_int64 size) {
    sqlite3_int64 before = 0;
    const bool known = Real(f)->pMethods->xFileSize(Real(f), &before) == SQLITE_OK;
    const int rc = Real(f)->pMethods->xTruncate(Real(f), size);
    if (rc == SQLITE_OK && known) GiveBack(before - size);
    return rc;
}
// Syncs are counted but not passed on: the faults simulated here are failing calls, not
// lost power, and skipping the flush keeps the many runs of a sweep quick.
int Sync(sqlite3_file*, int) {
    Act(FaultOp::Sync);
    return Hit(FaultOp::Sync) ? SQLITE_IOERR_FSYNC : SQLITE_OK;
}
int FileSize(sqlite3_file* f, sqlite3_int64* size) {
    return Real(f)->pMethods->xFileSize(Real(f), size);
}
int Lock(sqlite3_file* f, int level) {
    Act(FaultOp::Lock);
    if (Hit(FaultOp::Lock)) return SQLITE_IOERR_LOCK;
    return Real(f)->pMethods->xLock(Real(f), level);
}
int Unlock(sqlite3_file* f, int level) { return Real(f)->pMethods->xUnlock(Real(f), level); }
int CheckReservedLock(sqlite3_file* f, int* out) {
    return Real(f)->pMethods->xCheckReservedLock(Real(f), out);
}
int FileControl(sqlite3_file* f, int op, void* arg) {
    return Real(f)->pMethods->xFileControl(Real(f), op, arg);
}
int SectorSize(sqlite3_file* f) { return Real(f)->pMethods->xSectorSize(Real(f)); }
int DeviceCharacteristics(sqlite3_file* f) {
    return Real(f)->pMethods->xDeviceCharacteristics(Real(f));
}

// Version 1 methods: no shared memory and no memory mapping, so every page read and write
// passes through here.
const sqlite3_io_methods kMethods = {1,
                                     Close,
                                     Read,
                                     Write,
                                     Truncate,
                                     Sync,
                                     FileSize,
                                     Lock,
                                     Unlock,
                                     CheckReservedLock,
                                     FileControl,
                                     SectorSize,
                                     DeviceCharacteristics};

int Open(sqlite3_vfs*, const char* name, sqlite3_file* f, int flags, int* outFlags) {
    auto* file = reinterpret_cast<File*>(f);
    file->base.pMethods = nullptr;
    file->real = reinterpret_cast<sqlite3_file*>(file + 1);
    if (state.noJournals && (flags & SQLITE_OPEN_MAIN_JOURNAL)) return SQLITE_CANTOPEN;
    if (state.readOnly && (flags & SQLITE_OPEN_MAIN_DB) && (flags & SQLITE_OPEN_READWRITE)) {
        flags &= ~(SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        flags |= SQLITE_OPEN_READONLY;
    }
    int rc = state.base->xOpen(state.base, name, file->real, flags, outFlags);
    if (rc == SQLITE_OK) file->base.pMethods = &kMethods;
    return rc;
}

// Nor is the folder flushed after a journal is deleted.
int Delete(sqlite3_vfs*, const char* name, int) {
    struct stat st {};
    const bool known = ::stat(name, &st) == 0;
    const int rc = state.base->xDelete(state.base, name, 0);
    if (rc == SQLITE_OK && known) GiveBack(st.st_size);
    return rc;
}
int Access(sqlite3_vfs*, const char* name, int flags, int* out) {
    return state.base->xAccess(state.base, name, flags, out);
}
int FullPathname(sqlite3_vfs*, const char* name, int n, char* out) {
    return state.base->xFullPathname(state.base, name, n, out);
}
void* DlOpen(sqlite3_vfs*, const char* name) { return state.base->xDlOpen(state.base, name); }
void DlError(sqlite3_vfs*, int n, char* out) { state.base->xDlError(state.base, n, out); }
void (*DlSym(sqlite3_vfs*, void* h, const char* sym))(void) {
    return state.base->xDlSym(state.base, h, sym);
}
void DlClose(sqlite3_vfs*, void* h) { state.base->xDlClose(state.base, h); }
int Randomness(sqlite3_vfs*, int n, char* out) {
    return state.base->xRandomness(state.base, n, out);
}
int Sleep(sqlite3_vfs*, int us) { return state.base->xSleep(state.base, us); }
int CurrentTime(sqlite3_vfs*, double* out) { return state.base->xCurrentTime(state.base, out); }
int GetLastError(sqlite3_vfs*, int n, char* out) {
    return state.base->xGetLastError ? state.base->xGetLastError(state.base, n, out) : 0;
}
int CurrentTimeInt64(sqlite3_vfs*, sqlite3_int64* out) {
    return state.base->xCurrentTimeInt64(state.base, out);
}

}  // namespace

const char* FaultOpName(FaultOp op) {
    switch (op) {
        case FaultOp::Read:
            return "read";
        case FaultOp::Write:
            return "write";
        case FaultOp::Sync:
            return "sync";
        case FaultOp::Lock:
            return "lock";
    }
    return "?";
}

FaultVfs::FaultVfs() {
    sqlite3_initialize();
    state.base = sqlite3_vfs_find(nullptr);
    if (!state.base) throw std::runtime_error("no default file layer");
    sqlite3_vfs& v = state.vfs;
    v = sqlite3_vfs{};
    v.iVersion = 2;
    v.szOsFile = static_cast<int>(sizeof(File)) + state.base->szOsFile;
    v.mxPathname = state.base->mxPathname;
    v.zName = "orvane-faults";
    v.xOpen = Open;
    v.xDelete = Delete;
    v.xAccess = Access;
    v.xFullPathname = FullPathname;
    v.xDlOpen = DlOpen;
    v.xDlError = DlError;
    v.xDlSym = DlSym;
    v.xDlClose = DlClose;
    v.xRandomness = Randomness;
    v.xSleep = Sleep;
    v.xCurrentTime = CurrentTime;
    v.xGetLastError = GetLastError;
    v.xCurrentTimeInt64 = CurrentTimeInt64;
    Disarm();
    ReadOnlyFiles(false);
    NoJournals(false);
    sqlite3_vfs_register(&v, 1);
}

FaultVfs::~FaultVfs() {
    Disarm();
    sqlite3_vfs_unregister(&state.vfs);
}

void FaultVfs::FailNth(FaultOp op, int n) {
    state.fired = false;
    state.remaining = n;
    state.armedOp = static_cast<int>(op);
}

bool FaultVfs::Fired() const { return state.fired; }

void FaultVfs::Disarm() {
    state.armedOp = -1;
    state.actionOp = -1;
    state.action = nullptr;
    DiskSpace(-1);
}

void FaultVfs::RunAtNth(FaultOp op, int n, std::function<void()> action) {
    state.fired = false;
    state.action = std::move(action);
    state.actionRemaining = n;
    state.actionOp = static_cast<int>(op);
}

void FaultVfs::DiskSpace(long long bytes) {
    std::lock_guard lock(state.spaceMutex);
    state.space = bytes;
}

void FaultVfs::ReadOnlyFiles(bool on) { state.readOnly = on; }
void FaultVfs::NoJournals(bool on) { state.noJournals = on; }

}  // namespace orvane_test
