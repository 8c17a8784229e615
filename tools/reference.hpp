// The reference of record kinds, made at run time from the library's kind descriptions so
// that it cannot drift from them: every kind's tool name, table, class, keys, fields with
// their types and the lines of its text file in order. `orvane kinds --fields` prints it for
// a terminal; `orvane kinds --markdown` prints docs/kinds.md.
#pragma once

#include <ostream>

#include "session.hpp"

namespace orvane_cli {

// "Text", "Boolean", "Integer", "Long", "Single", "List", "Modifiers", "Block".
const char* FieldKindName(OrvaneLib::FieldKind kind);

// The class of the list object or block behind a field ("clsListLevel", "clsRequirements"),
// or "" for a field of another type.
std::string FieldClass(const OrvaneLib::KindInfo& kind, const std::string& field);

// The fields of a kind, each block followed by its own fields named "Block.Field"
// ("Requirements.Skill"), as KindInfo::FieldText takes them.
std::vector<OrvaneLib::FieldInfo> AllFields(const OrvaneLib::KindInfo& kind);

// The kinds, fields and file lines as JSON, for `orvane kinds --json`.
Json KindJson(const OrvaneLib::KindInfo& kind);

void WriteFieldReference(std::ostream& out);
void WriteMarkdownReference(std::ostream& out);

}  // namespace orvane_cli
