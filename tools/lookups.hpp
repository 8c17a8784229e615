// The five lookup lists (abilities, keywords, languages, regions, colours): their tables and
// the database members that list, add and delete their values.
#pragma once

#include <span>

#include "session.hpp"

namespace orvane_cli {

struct LookupList {
    const char* name;  // as the lookup command takes it: "abilities"
    const char* singular;
    const char* table;
    const char* numberOption;  // the number an add takes ("--order", "--number"), or nullptr
    OrvaneLib::ListResult (OrvaneLib::clsDatabase::*list)();
    void (*add)(OrvaneLib::clsDatabase&, const std::string&, OrvaneLib::Integer);
    void (OrvaneLib::clsDatabase::*del)(const std::string&);
};

std::span<const LookupList> LookupLists();

}  // namespace orvane_cli
