// clsDatabase: the connection to the rules database and every operation on it.
#pragma once

#include <memory>
#include <string>

#include "orvane/types.hpp"

namespace OrvaneLib {

// Creates a new rules database file from the library's schema, empty or with the sample
// content. Refuses to overwrite an existing file; throws std::runtime_error on failure.
void CreateRulesDatabase(const std::string& path, bool withSample);

}  // namespace OrvaneLib
