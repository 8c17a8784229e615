// Host services: message boxes, numbered text files and the library's identity.
#pragma once

#include <functional>
#include <string>

#include "orvane/types.hpp"

namespace OrvaneLib {

enum class MsgIcon { Exclamation, Critical };

// Plays the modal message box: the library goes on when the handler returns.
using MessageBoxHandler =
    std::function<void(const std::string& prompt, MsgIcon icon, const std::string& title)>;

// Installs a handler and returns the previous one; an empty handler restores the default,
// which writes the title, the prompt and the icon's name to standard error.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

enum class FileMode { Output, Input, Append };

Integer FreeFile();  // lowest free number 1..255; throws when all are taken
void FileOpen(Integer number, const std::string& path, FileMode mode);  // throws on failure
void FileClose(Integer number);
bool FileIsOpen(Integer number);

std::string LibraryFolder();    // folder of liborvane's own file, no trailing separator
std::string LibraryFileName();  // its file name
std::string LibraryVersion();   // "major.minor.revision"

}  // namespace OrvaneLib
