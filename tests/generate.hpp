// Generated rules databases of any size, for the tests of whole-database work and for the
// benchmarks: every record kind filled with `rows` records whose every field holds a value
// and whose names all name entries that exist.
#pragma once

#include <string>

namespace orvane_test {

// Fills the rules database at `path` (made from the schema, without content) with `rows`
// records per record table and a few values per lookup list, in one transaction. Record i
// of a kind is keyed "<Kind name> i" ("Skill 12"); lists name entries of the kinds they name.
// Throws std::runtime_error on a failure.
void GenerateRules(const std::string& path, int rows);

}  // namespace orvane_test
