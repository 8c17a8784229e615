// Several writers on one database file: processes adding at the same time lose nothing,
// a connection waits for a lock held by another rather than failing at once, and when the
// lock outlasts its patience the operation reports.
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <thread>

#include "database/dal.hpp"
#include "support.hpp"

namespace {

using namespace OrvaneLib;

class Concurrency : public orvane_test::OrvaneTest {
  protected:
    ~Concurrency() override { dal::SetBusyTimeout(saved_); }

    // A connection of the engine's own that takes the database's write lock and keeps it
    // until Release.
    struct Holder {
        explicit Holder(const std::string& path) {
            sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
            locked = sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) == SQLITE_OK;
        }
        void Release() { sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr); }
        ~Holder() { sqlite3_close(db); }
        sqlite3* db = nullptr;
        bool locked = false;
    };

    static long Rows(const std::string& path, const char* table) {
        auto db = orvane_test::Connect(path);
        return orvane_test::Rows(*db, table).RecordCount();
    }

    const int saved_ = dal::BusyTimeout();
};

TEST_F(Concurrency, TwoProcessesAddingAThousandRecordsEachLoseNone) {
    constexpr int kEach = 1000;
    const std::string path = MakeDatabase("shared.mdb");
    InstallDatabase(path);
    { clsDatabase first; }  // the registry is written now, not by both children at once

    int go[2];
    ASSERT_EQ(pipe(go), 0);
    pid_t children[2];
    for (int k = 0; k < 2; ++k) {
        children[k] = fork();
        ASSERT_GE(children[k], 0);
        if (children[k] == 0) {
            // The child: waits for the start, adds its records, exits with its report count.
            close(go[1]);
            char start;
            if (read(go[0], &start, 1) != 1) _exit(100);
            int reports = 0;
            {
                clsDatabase db;
                db.Name(path);
                SetMessageBoxHandler(
                    [&reports](const std::string&, MsgIcon, const std::string&) { ++reports; });
                clsHomeworld world;
                world.Sector = "Concurrency";
                for (int i = 0; i < kEach; ++i) {
                    world.Name = "World " + std::to_string(k) + "-" + std::to_string(i);
                    db.AddHomeworld(&world);
                }
            }
            _exit(reports > 99 ? 99 : reports);
        }
    }
    close(go[0]);
    ASSERT_EQ(write(go[1], "go", 2), 2);  // both children start together
    close(go[1]);
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "reports in one writer";
    }
    EXPECT_EQ(Rows(path, "tblHomeworlds"), 2 * kEach);
}

TEST_F(Concurrency, AnAddWaitsForALockThatIsReleased) {
    InstallDatabase(MakeDatabase("waits.mdb"));
    const std::string path = DefaultDatabasePath();
    clsDatabase db;
    boxes_.clear();
    std::atomic<bool> held{false};
    std::thread other([&] {
        Holder lock(path);
        held = lock.locked;
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        lock.Release();
    });
    while (!held) std::this_thread::yield();
    clsHomeworld world;
    world.Name = "Patience";
    db.AddHomeworld(&world);  // blocked until the other connection commits
    other.join();
    EXPECT_EQ(boxes_.size(), 0u) << boxes_.last().prompt;
    EXPECT_TRUE(db.HomeworldInfo("Patience"));
}

TEST_F(Concurrency, ALockHeldPastTheBusyTimeoutIsReported) {
    InstallDatabase(MakeDatabase("locked.mdb", true));
    const std::string path = DefaultDatabasePath();
    dal::SetBusyTimeout(50);
    clsDatabase db;
    boxes_.clear();
    Holder lock(path);
    ASSERT_TRUE(lock.locked);
    clsHomeworld world;
    world.Name = "Too Late";
    db.AddHomeworld(&world);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_.last().prompt, "Property Let: AddHomeworld(Too Late)\r\ndatabase is locked");
    boxes_.clear();
    EXPECT_FALSE(db.HomeworldInfo("Orvane Prime"));  // readers are shut out as well
    EXPECT_EQ(boxes_.size(), 1u);

    lock.Release();
    boxes_.clear();
    db.AddHomeworld(&world);
    EXPECT_EQ(boxes_.size(), 0u) << boxes_.last().prompt;
    EXPECT_TRUE(db.HomeworldInfo("Too Late"));
}

}  // namespace
