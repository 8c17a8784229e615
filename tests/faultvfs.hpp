// A database-engine file layer for tests that wraps the engine's default one and can fail a
// chosen read, write, sync or lock, run another program's change at a chosen one, fill the
// disk, open database files read-only, or refuse to create the rollback journal (as a
// read-only folder would). While installed it is the default, so every connection the
// library opens goes through it.
#pragma once

#include <functional>

namespace orvane_test {

enum class FaultOp { Read, Write, Sync, Lock };
inline constexpr FaultOp kFaultOps[] = {FaultOp::Read, FaultOp::Write, FaultOp::Sync,
                                        FaultOp::Lock};
const char* FaultOpName(FaultOp op);

class FaultVfs {
  public:
    FaultVfs();  // installs the layer as the default, passing everything through
    ~FaultVfs();
    FaultVfs(const FaultVfs&) = delete;
    FaultVfs& operator=(const FaultVfs&) = delete;

    // The n-th call of `op` from now on fails once (n counts from 1); counting stops at it.
    void FailNth(FaultOp op, int n);
    // True when the armed failure has happened since FailNth.
    bool Fired() const;
    void Disarm();
    // The n-th call of `op` from now first runs `action` (once), then goes on as usual:
    // another connection's change comes in at that point of an operation.
    void RunAtNth(FaultOp op, int n, std::function<void()> action);
    // The disk has room for `bytes` more: a write that would grow the files beyond that fails
    // as on a full disk; files that shrink or go give their room back. -1: no limit.
    void DiskSpace(long long bytes);
    // Database files open read-only, as when the file's permissions forbid writing.
    void ReadOnlyFiles(bool on);
    // Rollback journals cannot be created, as in a folder that forbids writing.
    void NoJournals(bool on);
};

}  // namespace orvane_test
