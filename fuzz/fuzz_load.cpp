// Loading a record of any kind from arbitrary file bytes. The first byte picks the kind, the
// rest is the file. A load that succeeds gives a record whose saved file loads back to the
// same record; a load that fails shows its message box and leaves a clearing record as a new
// one (an overlaying record keeps what it read up to the failure).
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "database/table.hpp"
#include "orvane/orvane.hpp"

namespace {

using namespace OrvaneLib;

std::string folder;
int failures = 0;  // "Sub: Load." and "Sub: Save." boxes; lists report their own, harmlessly

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void Spill(const std::string& path, const char* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(data, static_cast<std::streamsize>(size));
}

[[noreturn]] void Fail(const char* what, const KindInfo& kind) {
    std::fprintf(stderr, "%s: %s\n", kind.Name().c_str(), what);
    std::abort();
}

// The bytes a record saves as: its whole state, requirements blocks included.
std::string Saved(const KindInfo& kind, const Object& record, const std::string& name) {
    const std::string path = folder + "/" + name;
    std::remove(path.c_str());
    const int before = failures;
    kind.Save(record, path);
    if (failures != before) Fail("a loaded record does not save", kind);
    return Slurp(path);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    char templ[] = "/tmp/orvane-fuzz-load-XXXXXX";
    if (!mkdtemp(templ)) std::abort();
    folder = templ;
    SetMessageBoxHandler([](const std::string& prompt, MsgIcon, const std::string&) {
        if (prompt.rfind("Sub: Load.", 0) == 0 || prompt.rfind("Sub: Save.", 0) == 0) ++failures;
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    static const std::vector<KindInfo> kinds = RecordKinds();
    static const std::vector<detail::TableFactory>& tables = detail::RegisteredTables();
    if (size == 0) return 0;
    const KindInfo& kind = kinds[data[0] % kinds.size()];
    bool overlay = false;
    for (auto table : tables)
        if (table().name == kind.Name()) overlay = table().record->overlay;

    const std::string file = folder + "/input.txt";
    Spill(file, reinterpret_cast<const char*>(data + 1), size - 1);
    auto record = kind.NewRecord();
    const int before = failures;
    kind.Load(*record, file);
    if (failures != before) {
        // Overlaying records keep what they read; owners of a requirements block read on
        // after the block reports its own failure.
        bool block = false;
        for (const auto& field : kind.Fields()) block = block || field.Type == FieldKind::Block;
        if (overlay || block) return 0;
        const std::string left = Saved(kind, *record, "a.txt");
        const std::string cleared = Saved(kind, *kind.NewRecord(), "b.txt");
        if (left != cleared) {
            std::fprintf(stderr, "left:\n%s\ncleared:\n%s\n", left.c_str(), cleared.c_str());
            Fail("a failed load leaves values behind", kind);
        }
        return 0;
    }
    const std::string first = Saved(kind, *record, "a.txt");
    auto again = kind.NewRecord();
    kind.Load(*again, folder + "/a.txt");
    if (failures != before) Fail("a saved record does not load", kind);
    if (Saved(kind, *again, "b.txt") != first) Fail("a saved record loads differently", kind);
    return 0;
}
