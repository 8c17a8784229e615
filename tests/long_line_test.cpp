// Memory taken by loading a record file with a very long line. The bytes the program holds
// from operator new are counted while the load runs; everything else of the test binary
// allocates as usual (the counting costs two atomic additions per allocation).
#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "orvane/records/character.hpp"
#include "orvane/records/core.hpp"
#include "support.hpp"

namespace {

std::atomic<bool> counting{false};
std::atomic<long long> held{0};
std::atomic<long long> peak{0};

void Count(long long bytes) {
    const long long now = held.fetch_add(bytes) + bytes;
    long long top = peak.load();
    while (now > top && !peak.compare_exchange_weak(top, now)) {
    }
}

// The most bytes held at once while `work` runs, above what was held before.
template <class F>
long long PeakOf(F&& work) {
    held = 0;
    peak = 0;
    counting = true;
    work();
    counting = false;
    return peak.load();
}

}  // namespace

namespace {

// Not inlined: the compiler would take the free of a pointer from new for a mistake.
[[gnu::noinline]] void* Allocate(std::size_t size) noexcept {
    void* p = std::malloc(size ? size : 1);
    if (p && counting.load(std::memory_order_relaxed))
        Count(static_cast<long long>(malloc_usable_size(p)));
    return p;
}

[[gnu::noinline]] void Release(void* p) noexcept {
    if (p && counting.load(std::memory_order_relaxed))
        Count(-static_cast<long long>(malloc_usable_size(p)));
    std::free(p);
}

}  // namespace

// Every plain form of new and delete goes through the two above, so that whatever one form
// allocates another may free (a sanitizer's runtime checks that they match).
void* operator new(std::size_t size) {
    if (void* p = Allocate(size)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, std::size_t) noexcept { Release(p); }
void operator delete[](void* p, std::size_t) noexcept { Release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { Release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { Release(p); }

namespace orvane_test {
namespace {

using namespace OrvaneLib;

class LongLine : public OrvaneTest {};

// A 16 MiB name (and a 16 MiB description with line-break marks) load within twice their
// size: the line as read, and the field that keeps it.
TEST_F(LongLine, LoadingTakesAtMostTwiceTheLine) {
    constexpr std::size_t kLine = 16u << 20;
    constexpr long long kSlack = 1 << 20;
    const std::string path = dir_.file("long.txt");
    WriteFile(path, std::string(kLine, 'n') + "\r\nFalse\r\n 1 \r\n0|0|0|0|0|0\r\n\r\n\r\n");
    clsAge age;
    const long long ageBytes = PeakOf([&] { age.Load(path); });
    EXPECT_EQ(boxes_.size(), 0u);
    EXPECT_EQ(age.Name.size(), kLine);
    EXPECT_LE(ageBytes, 2 * static_cast<long long>(kLine) + kSlack)
        << ageBytes / (1 << 20) << " MiB";

    std::string description;
    while (description.size() < kLine) description += "A paragraph.[CRLF]";
    clsSkills skill;
    skill.Name = "Long";
    skill.Description = "x";
    skill.Save(path);
    std::string bytes = ReadFile(path);
    bytes.replace(bytes.find("\r\nx\r\n") + 2, 1, description);
    WriteFile(path, bytes);
    bytes.clear();
    bytes.shrink_to_fit();
    clsSkills back;
    const long long skillBytes = PeakOf([&] { back.Load(path); });
    EXPECT_EQ(boxes_.size(), 0u) << boxes_.last().prompt;
    EXPECT_EQ(back.Description.size(), description.size() / 18 * 14);
    EXPECT_LE(skillBytes, 2 * static_cast<long long>(description.size()) + kSlack)
        << skillBytes / (1 << 20) << " MiB";
}

}  // namespace
}  // namespace orvane_test
