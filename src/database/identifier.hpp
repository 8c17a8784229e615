// An identifier (a table or column name) as SQL text: between double quotes, a double quote
// inside doubled. Shared by the data layer and the Jet converter's bulk writer.
#pragma once

#include <string>
#include <string_view>

namespace OrvaneLib::sql {

inline std::string QuoteIdent(std::string_view name) {
    std::string out;
    out.reserve(name.size() + 2);
    out.push_back('"');
    for (char c : name) {
        if (c == '"') out.push_back('"');
        out.push_back(c);
    }
    out.push_back('"');
    return out;
}

}  // namespace OrvaneLib::sql
