// A record as data: every field typed, every encoded list broken into its entries, and the
// same data written for a person.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "session.hpp"

namespace orvane_cli {

// The fields of a record in declaration order: texts as strings, Booleans, numbers, the
// ability modifiers by ability, lists as {"type", "text", "entries"} and a requirements
// block as an object of its flags and lists.
Json DecodeRecord(const OrvaneLib::KindInfo& kind, const OrvaneLib::Object& record);

// The keys of the ability modifiers in decoded records, Strength to Charisma.
const std::vector<std::string>& ModifierKeys();

// An encoded-list object as {"type", "text", "entries"}; null for an object that is no list.
Json DecodeList(const OrvaneLib::Object& list);

// Writes decoded fields one per line, "Name:" then the value; list entries and the lines of
// long texts go on below one another in the value column.
void WriteFields(std::ostream& out, const Json& fields, const std::string& indent = "");

}  // namespace orvane_cli
