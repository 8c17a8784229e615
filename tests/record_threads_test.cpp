// Record files written and read from several threads at once, and how a save reaches the
// disk: every save leaves the whole new file or the old one, every load reads its own file,
// a scratch file left behind by a killed save goes with the next save of that file.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <iostream>
#include <mutex>
#include <thread>

#include "orvane/records/character.hpp"
#include "orvane/records/core.hpp"
#include "support.hpp"

namespace orvane_test {
namespace {

using namespace OrvaneLib;

class RecordThreads : public OrvaneTest {};

// The skill a thread saves in one round: its name, description and requirements block name
// the thread and the round, so a file or a load of any other round or thread shows.
void Fill(clsSkills& skill, int thread, int round) {
    const std::string tag = std::to_string(thread) + "-" + std::to_string(round);
    skill.Name = "Skill " + tag;
    skill.SubNumber = static_cast<Integer>(round % 1000);
    skill.Description = "Written by " + tag + "\r\nover two lines";
    skill.SetSynergy("Climb:" + std::to_string(thread + 1));
    skill.objRequirements->SetFeats("Feat " + tag);
}

bool Same(const clsSkills& a, const clsSkills& b) {
    return a.Name == b.Name && a.SubNumber == b.SubNumber && a.Description == b.Description &&
           a.SynergyList() == b.SynergyList() &&
           a.objRequirements->FeatList() == b.objRequirements->FeatList();
}

TEST_F(RecordThreads, FourThreadsSavingAndLoadingTheirOwnFilesLoseNothing) {
    constexpr int kThreads = 4;
    constexpr int kRounds = 500;
    std::atomic<int> reports{0}, badFiles{0}, badLoads{0};
    std::mutex firstMutex;
    std::string first;  // the first fault seen, to show what went wrong
    auto fault = [&](std::atomic<int>& counter, const std::string& what) {
        ++counter;
        std::lock_guard lock(firstMutex);
        if (first.empty()) first = what;
    };
    MessageBoxHandler previous = SetMessageBoxHandler(
        [&](const std::string& prompt, MsgIcon, const std::string&) { fault(reports, prompt); });

    auto work = [&](int thread) {
        const std::string path = dir_.file("thread" + std::to_string(thread) + ".txt");
        for (int round = 0; round < kRounds; ++round) {
            clsSkills saved;
            Fill(saved, thread, round);
            saved.Save(path);
            // The file holds this round's record, whole.
            const std::string bytes = ReadFile(path);
            if (bytes.rfind(saved.Name + "\r\n", 0) != 0 || bytes.size() < 40 ||
                bytes.substr(bytes.size() - 2) != "\r\n")
                fault(badFiles, path + " after round " + std::to_string(round) + ": '" +
                                    bytes.substr(0, 40) + "'");
            clsSkills loaded;
            loaded.Load(path);
            if (!Same(saved, loaded))
                fault(badLoads, saved.Name + " loaded as '" + loaded.Name + "'");
        }
    };
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) threads.emplace_back(work, t);
    for (auto& t : threads) t.join();
    SetMessageBoxHandler(previous);

    std::cout << "[threads] " << kThreads * kRounds * 2 << " saves and loads: " << reports
              << " reports, " << badFiles << " wrong files, " << badLoads << " wrong loads\n";
    EXPECT_EQ(reports, 0) << first;
    EXPECT_EQ(badFiles, 0) << first;
    EXPECT_EQ(badLoads, 0) << first;
    for (int t = 0; t < kThreads; ++t) {
        clsSkills last, expected;
        Fill(expected, t, kRounds - 1);
        last.Load(dir_.file("thread" + std::to_string(t) + ".txt"));
        EXPECT_TRUE(Same(last, expected)) << last.Name;
    }
    // No scratch file is left beside the saved ones.
    for (const auto& entry : fs::directory_iterator(dir_.path()))
        EXPECT_EQ(entry.path().filename().string().find(".saving"), std::string::npos)
            << entry.path();
}

// While record files are saved and loaded on other threads, a caller's numbered file keeps
// its number and its content: no record file is opened under it, none closes it.
TEST_F(RecordThreads, NumberedFilesAreNotTakenByRecordFilesOnOtherThreads) {
    std::atomic<bool> stop{false};
    MessageBoxHandler previous =
        SetMessageBoxHandler([](const std::string&, MsgIcon, const std::string&) {});
    std::vector<std::thread> savers;
    for (int t = 0; t < 3; ++t)
        savers.emplace_back([&, t] {
            clsAge age;
            age.Name = "Busy";
            const std::string path = dir_.file("busy" + std::to_string(t) + ".txt");
            for (int i = 0; !stop; ++i) {
                age.Order = static_cast<Integer>(i % 100);
                age.Save(path);
                age.Load(path);
            }
        });
    int wrong = 0;
    std::string first;
    const std::string path = dir_.file("mine.txt");
    for (int round = 0; round < 2000; ++round) {
        const std::string line = "Mine " + std::to_string(round);
        try {
            const Integer n = FreeFile();
            FileOpen(n, path, FileMode::Output);
            detail::FileWriteLine(n, line);
            FileClose(n);
            if (ReadFile(path) != line + "\r\n")
                throw std::runtime_error("'" + ReadFile(path) + "'");
        } catch (const std::exception& e) {
            if (!wrong++) first = e.what();
        }
    }
    stop = true;
    for (auto& t : savers) t.join();
    SetMessageBoxHandler(previous);
    EXPECT_EQ(wrong, 0) << first;
}

// What the disk was asked to keep, in order: each sync with the target's content then.
struct SyncLog {
    static inline std::string target;
    static inline std::vector<std::pair<std::string, std::string>> events;
    static int Record(int, const std::string& path) {
        std::ifstream in(target, std::ios::binary);
        events.emplace_back(path, std::string(std::istreambuf_iterator<char>(in), {}));
        return 0;
    }
};

TEST_F(RecordThreads, ASaveReachesTheDiskBeforeItReplacesTheFile) {
    const std::string path = dir_.file("age.txt");
    clsAge age;
    age.Name = "Old";
    age.Save(path);
    const std::string before = ReadFile(path);
    SyncLog::target = path;
    SyncLog::events.clear();
    detail::SetSyncFunction(&SyncLog::Record);
    age.Name = "New";
    age.Save(path);
    detail::SetSyncFunction(nullptr);
    ASSERT_EQ(boxes_.size(), 0u) << boxes_.last().prompt;
    // The scratch file is written through while the old file is still in place; the folder
    // after the new one took its name.
    ASSERT_EQ(SyncLog::events.size(), 2u);
    EXPECT_NE(SyncLog::events[0].first, path);
    EXPECT_EQ(SyncLog::events[0].first.rfind(path + ".saving", 0), 0u) << SyncLog::events[0].first;
    EXPECT_EQ(SyncLog::events[0].second, before);
    EXPECT_EQ(SyncLog::events[1].first, dir_.path().string());
    EXPECT_EQ(SyncLog::events[1].second, ReadFile(path));
    EXPECT_EQ(ReadFile(path).rfind("New\r\n", 0), 0u);
}

// A save killed between writing its scratch file and renaming it leaves the old file and
// the scratch; the next save of that file takes the scratch away, others' stay.
TEST_F(RecordThreads, AScratchFileLeftByAKilledSaveGoesWithTheNextSave) {
    const std::string path = dir_.file("age.txt");
    const std::string other = dir_.file("other.txt.saving-0-0");
    WriteFile(other, "another file's scratch\r\n");
    clsAge age;
    age.Name = "Kept";
    age.Save(path);
    const std::string kept = ReadFile(path);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        detail::SetSyncFunction([](int, const std::string&) -> int {
            ::kill(::getpid(), SIGKILL);
            return 0;
        });
        clsAge doomed;
        doomed.Name = "Doomed";
        doomed.Save(path);
        _exit(0);  // not reached
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    auto scratches = [&] {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_.path())) {
            const std::string name = entry.path().filename().string();
            if (name.rfind("age.txt.saving", 0) == 0) names.push_back(name);
        }
        return names;
    };
    EXPECT_EQ(ReadFile(path), kept);
    ASSERT_EQ(scratches().size(), 1u);
    EXPECT_EQ(ReadFile(dir_.file(scratches()[0])).rfind("Doomed\r\n", 0), 0u);

    age.Name = "Next";
    age.Save(path);
    EXPECT_EQ(boxes_.size(), 0u);
    EXPECT_TRUE(scratches().empty());
    EXPECT_EQ(ReadFile(path).rfind("Next\r\n", 0), 0u);
    EXPECT_TRUE(fs::exists(other));
}

// Two threads saving the same file: each save finds the file whole, none takes away the
// other's scratch file while it is being written.
TEST_F(RecordThreads, TwoThreadsSavingOneFileEachLeaveItWhole) {
    const std::string path = dir_.file("shared.txt");
    std::atomic<int> reports{0}, bad{0};
    MessageBoxHandler previous =
        SetMessageBoxHandler([&](const std::string&, MsgIcon, const std::string&) { ++reports; });
    auto work = [&](int thread) {
        for (int round = 0; round < 300; ++round) {
            clsSkills skill;
            Fill(skill, thread, round);
            skill.Save(path);
            clsSkills back;
            back.Load(path);
            if (back.Name.rfind("Skill ", 0) != 0 ||
                back.objRequirements->FeatList() != "Feat " + back.Name.substr(6))
                ++bad;
        }
    };
    std::thread a(work, 0), b(work, 1);
    a.join();
    b.join();
    SetMessageBoxHandler(previous);
    EXPECT_EQ(reports, 0);
    EXPECT_EQ(bad, 0);
}

}  // namespace
}  // namespace orvane_test
