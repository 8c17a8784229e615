// A persistent key/value store in the manner of the platform registry.
#pragma once

#include <string>

#include "orvane/export.hpp"

namespace OrvaneLib {

enum class RegRoot { LocalMachine, CurrentUser };

// The text of a value; empty when the key or the value is missing or the store unreadable.
ORVANE_API std::string QueryRegValue(RegRoot root, const std::string& keyPath,
                                     const std::string& valueName);
// Stores a value, creating the key; failures are ignored.
ORVANE_API void SetRegValue(RegRoot root, const std::string& keyPath, const std::string& valueName,
                            const std::string& text);

}  // namespace OrvaneLib
