// orvane: opens a rules database and shows what it holds.
#include <cstring>
#include <iostream>
#include <string>

#include "orvane/orvane.hpp"

namespace {

void PrintList(const char* title, const OrvaneLib::ListResult& list) {
    std::cout << title << ":";
    if (list.IsEmptyForm()) {
        std::cout << " (none)\n";
        return;
    }
    for (int i = list.LBound(); i <= list.UBound(); ++i)
        std::cout << (i == list.LBound() ? " " : ", ") << list[i];
    std::cout << "\n";
}

}  // namespace

int main(int argc, char** argv) {
    std::string path;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--db") == 0 && i + 1 < argc) {
            path = argv[++i];
        } else {
            std::cerr << "usage: orvane [--db PATH]\n";
            return 2;
        }
    }
    bool failed = false;
    OrvaneLib::SetMessageBoxHandler(
        [&](const std::string& prompt, OrvaneLib::MsgIcon, const std::string& title) {
            std::string line = prompt;
            for (auto pos = line.find("\r\n"); pos != std::string::npos; pos = line.find("\r\n"))
                line.replace(pos, 2, ": ");
            std::cerr << "orvane: " << title << ": " << line << "\n";
            failed = true;
        });
    OrvaneLib::clsDatabase db;
    if (!path.empty()) {
        failed = false;
        db.Name(path);
    }
    if (failed) return 1;
    std::cout << "Database: " << db.Name() << "\n";
    std::cout << "Date:     " << db.FileDate() << "\n";
    std::cout << "Version:  " << db.Version() << "\n";
    PrintList("Abilities", db.AbilityList());
    PrintList("Keywords", db.KeywordList());
    PrintList("Languages", db.LanguageList());
    PrintList("Regions", db.RegionList());
    PrintList("Colors", db.GetColorList());
    return failed ? 1 : 0;
}
