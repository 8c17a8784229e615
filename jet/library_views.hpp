// The library's own stored queries (qryAbility, qryAges, ...), as its schema defines them,
// for converted files that hold the library's tables but whose own queries of those names
// could not be made.
#pragma once

#include <string>
#include <vector>

namespace OrvaneLib::bulk {
class BulkFile;
}

namespace OrvaneLib::jet {

struct LibraryView {
    std::string name;
    std::string statement;            // CREATE VIEW ...
    std::string select;               // the SELECT it stands for
    std::vector<std::string> tables;  // the tables it reads
};

// The views of the schema compiled into the converter.
const std::vector<LibraryView>& LibraryViews();

// The views among `schemaSql`'s statements.
std::vector<LibraryView> ViewsOf(const std::string& schemaSql);

struct LibraryViewOutcome {
    std::string name;
    bool made = false;
    std::string select;  // made
    std::string error;   // not made: why SQLite refused it
};

// Makes each view of `views` whose name `taken` does not hold (letter case ignored) and
// whose tables are all among `tables`.
std::vector<LibraryViewOutcome> AddLibraryViews(bulk::BulkFile& file,
                                                const std::vector<LibraryView>& views,
                                                const std::vector<std::string>& tables,
                                                const std::vector<std::string>& taken);

}  // namespace OrvaneLib::jet
