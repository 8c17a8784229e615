// Host services: message boxes, numbered text files and the library's identity.
#pragma once

#include <functional>
#include <string>

#include "orvane/export.hpp"
#include "orvane/types.hpp"

namespace OrvaneLib {

enum class MsgIcon { Exclamation, Critical };

// Plays the modal message box: the library goes on when the handler returns.
using MessageBoxHandler =
    std::function<void(const std::string& prompt, MsgIcon icon, const std::string& title)>;

// Installs a handler and returns the previous one; an empty handler restores the default,
// which writes the title, the prompt and the icon's name to standard error.
ORVANE_API MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

enum class FileMode { Output, Input, Append };

ORVANE_API Integer FreeFile();  // lowest free number 1..255; throws when all are taken
ORVANE_API void FileOpen(Integer number, const std::string& path,
                         FileMode mode);  // throws on failure
ORVANE_API void FileClose(Integer number);
ORVANE_API bool FileIsOpen(Integer number);

ORVANE_API std::string LibraryFolder();    // folder of liborvane's own file, no trailing separator
ORVANE_API std::string LibraryFileName();  // its file name
ORVANE_API std::string LibraryVersion();   // "major.minor.revision"

}  // namespace OrvaneLib
