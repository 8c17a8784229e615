// Build helper: writes a rules database made from the schema, with or without the sample.
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "orvane/database.hpp"

int main(int argc, char** argv) {
    bool sample = false;
    std::string path;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--sample") == 0)
            sample = true;
        else
            path = argv[i];
    }
    if (path.empty()) {
        std::fprintf(stderr, "usage: orvane-mkdb [--sample] FILE\n");
        return 2;
    }
    std::remove(path.c_str());  // the build regenerates the file from the scripts
    try {
        OrvaneLib::CreateRulesDatabase(path, sample);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "orvane-mkdb: %s\n", e.what());
        return 1;
    }
    return 0;
}
