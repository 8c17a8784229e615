// Host services used inside the library: showing a message box, line-wise file access on
// numbered files, and the local timestamp. Not part of the public interface.
#pragma once

#include <string>
#include <string_view>

#include <memory>

#include "orvane/host.hpp"

namespace OrvaneLib::detail {

// Shows a message box through the installed handler.
void ShowMessage(const std::string& prompt, MsgIcon icon, const std::string& title);

// Writes one line followed by CR LF to an open numbered file; throws on failure.
void FileWriteLine(Integer number, std::string_view text);
// Reads the next line without its line end; a line that is not valid UTF-8 is taken as
// Windows-1252 and converted. Throws "Input past end of file" when no line remains.
std::string FileReadLine(Integer number);
// How many lines have been read from or written to an open numbered file.
int FileLineCount(Integer number);
// True when no line remains in a numbered file opened for input.
bool FileAtEnd(Integer number);

// True only for an existing regular file.
bool RegularFileExists(const std::string& path);

// Local date and time as text: short date, a blank, long time.
std::string NowText();

// Converts Windows-1252 bytes to UTF-8.
std::string Cp1252ToUtf8(std::string_view bytes);
bool IsValidUtf8(std::string_view bytes);

// Reads a whole text (blanks around it ignored) as a decimal number: optional sign, digits,
// optional decimal point and fraction, optional exponent. False when it is not one.
bool ParseNumberText(std::string_view text, double& value);
// "True"/"False" in any letter case, or a number (non-zero is true); throws "Type mismatch".
bool TextToBoolean(std::string_view text);

using Factory = std::shared_ptr<Object> (*)();
// Adds a class to the table CreateObject serves; returns true so it can seed a static.
bool RegisterClass(const char* className, Factory factory);

// Test hook: makes LibraryFolder() answer the given folder ("" restores the real one).
void SetLibraryFolderOverride(const std::string& folder);

}  // namespace OrvaneLib::detail

// Registers a public class for CreateObject; used once per class in its source file.
#define ORVANE_REGISTER_CLASS(cls)                                                               \
    namespace {                                                                                  \
    const bool orvaneRegistered_##cls = ::OrvaneLib::detail::RegisterClass(                      \
        #cls, []() -> std::shared_ptr<::OrvaneLib::Object> { return std::make_shared<cls>(); }); \
    }
