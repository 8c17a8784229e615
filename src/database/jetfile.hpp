// Recognising the files of the older desktop database engine (Jet, the .mdb format of
// Access 95 to 2003, and its successor ACE, .accdb) by their first bytes, so that opening
// one can say what it is and how to bring it over instead of "file is not a database".
#pragma once

#include <string>

namespace OrvaneLib::detail {

enum class JetFormat {
    None,  // not a Jet or ACE file, or unreadable
    Jet3,  // Access 95 and 97
    Jet4,  // Access 2000 to 2003
    Ace,   // Access 2007 and later (.accdb)
};

// The format named by the header of the file at `path`.
JetFormat DetectJetFile(const std::string& path);

// One line telling that the file at `path` is a Jet (or ACE) database and what to do with
// it; empty when it is neither.
std::string JetFileReport(const std::string& path);

}  // namespace OrvaneLib::detail
