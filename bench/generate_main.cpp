// orvane-generate PATH ROWS: a new rules database with ROWS generated records per record
// table whose names all resolve, for measuring the maintainers' commands on a big database.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include <orvane/orvane.hpp>

#include "generate.hpp"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: orvane-generate PATH ROWS\n");
        return 2;
    }
    try {
        OrvaneLib::CreateRulesDatabase(argv[1], false);
        orvane_test::GenerateRules(argv[1], std::atoi(argv[2]));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "orvane-generate: %s\n", e.what());
        return 1;
    }
    return 0;
}
