// The C++ side of the Python benchmarks (bench/bench_python.py): the same species reads and
// species lists, timed in C++, on the database the Python side made.
//   orvane-bench-python-ref DB ROWS read_species|list_species SECONDS
// prints the mean time of one operation in nanoseconds.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "orvane/orvane.hpp"

using namespace OrvaneLib;
using Clock = std::chrono::steady_clock;

namespace {

volatile std::size_t sink;  // keeps the work from being optimized away

// Reads every field of the species through its kind's field handles: the fields the Python
// side reads, each taken as a value of its own (texts copied, as Python makes str objects).
struct SpeciesFields {
    std::vector<FieldHandle> handles;
    SpeciesFields() {
        const KindInfo kind = *FindKind("species");
        for (const auto& f : kind.Fields())
            if (f.Type != FieldKind::Block) handles.push_back(kind.Handle(f.Name));
    }
    std::size_t Read(const Object& record) const {
        std::size_t sum = 0;
        for (const auto& h : handles) {
            switch (h.Type()) {
                case FieldKind::Text:
                case FieldKind::List:
                    sum += h.GetText(record).size();
                    break;
                case FieldKind::SingleNumber:
                    sum += static_cast<std::size_t>(h.GetSingle(record));
                    break;
                case FieldKind::Modifiers:
                    for (int i = 0; i < 6; ++i)
                        sum += static_cast<std::size_t>(h.GetModifier(record, i));
                    break;
                default:
                    sum += static_cast<std::size_t>(h.GetNumber(record));
            }
        }
        return sum;
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s DB ROWS read_species|list_species SECONDS\n", argv[0]);
        return 2;
    }
    SetMessageBoxHandler([](const std::string& prompt, MsgIcon, const std::string&) {
        std::fprintf(stderr, "bench: unexpected report: %s\n", prompt.c_str());
    });
    clsDatabase db;
    db.Name(argv[1]);
    const int rows = std::atoi(argv[2]);
    const std::string op = argv[3];
    const double seconds = std::atof(argv[4]);
    std::vector<std::string> names;
    for (int i = 0; i < rows; ++i) names.push_back("Species " + std::to_string(i));
    const SpeciesFields fields;

    auto once = [&](long i) {
        if (op == "read_species") {
            auto s = db.GetSpeciesInfo(names[static_cast<std::size_t>(i % rows)], true);
            sink = s ? fields.Read(*s) : 0;
        } else {
            ListResult list = db.SpeciesList();
            std::size_t sum = 0;
            for (const auto& value : list.Values()) sum += value.size();
            sink = sum;
        }
    };
    for (long i = 0; i < 20; ++i) once(i);  // warm up
    long done = 0;
    const auto start = Clock::now();
    const auto until = start + std::chrono::duration<double>(seconds);
    while (Clock::now() < until)
        for (int k = 0; k < 10; ++k) once(done++);
    const double ns = std::chrono::duration<double, std::nano>(Clock::now() - start).count();
    std::printf("%.1f\n", ns / static_cast<double>(done));
    return 0;
}
