// Host services used inside the library: showing a message box, line-wise file access on
// numbered files, and the local timestamp. Not part of the public interface.
#pragma once

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "orvane/host.hpp"

namespace OrvaneLib::detail {

// Shows a message box through the installed handler.
void ShowMessage(const std::string& prompt, MsgIcon icon, const std::string& title);

// A text file read or written line by line by whoever opened it: a record file that one
// Save or Load call opens for itself, or the file behind a number. Lines are written with
// CR LF; on reading, CR LF, LF or a lone CR ends one. Failures throw std::runtime_error with
// the description the record files report ("Disk full", "Input past end of file", ...).
class LineFile {
  public:
    // Opens a file: Output creates or truncates, Append creates when missing.
    static std::unique_ptr<LineFile> Open(const std::string& path, FileMode mode);
    // Creates a file for output that must not exist yet; nullptr when it does.
    static std::unique_ptr<LineFile> CreateNew(const std::string& path);
    LineFile(const LineFile&) = delete;
    LineFile& operator=(const LineFile&) = delete;
    ~LineFile();

    void WriteLine(std::string_view text);
    // The next line without its line end; a line that is not valid UTF-8 is taken as
    // Windows-1252 and converted. A long line is read into a text of its own length.
    std::string ReadLine();
    bool AtEnd();                         // no line remains (always true for output)
    int Lines() const { return lines_; }  // lines read or written so far
    int Descriptor() const;
    // Writes what was written through to the disk (SyncToDisk).
    void Sync();
    // Closes the file; a failure to write its last bytes throws.
    void Close();

  private:
    LineFile(std::FILE* handle, FileMode mode, std::string path);
    bool Fill();               // at least one unread byte in the buffer; false at the end
    std::size_t LineLength();  // bytes from pos_ to the next line end or the file's end

    std::FILE* handle_;
    FileMode mode_;
    std::string path_;
    std::string buffer_;  // read-ahead of input files
    std::size_t pos_ = 0;
    bool eof_ = false;
    int lines_ = 0;
};

// Writes an open file or a folder through to the disk (fsync); 0 or the errno value. Tests
// put another function in its place, to skip the wait or to watch what is synced when.
using SyncFunction = int (*)(int fd, const std::string& path);
int SyncToDisk(int fd, const std::string& path);
void SetSyncFunction(SyncFunction function);  // nullptr: fsync again
// Syncs a folder's entries (a file renamed into it); best effort, as some file systems
// refuse.
void SyncFolder(const std::string& folder);

// Takes the lowest free file number and opens the file `pathFor` names for it, in one step,
// so no other thread can take the number in between. Throws on failure, leaving it free.
Integer FileOpenFree(const std::function<std::string(Integer)>& pathFor, FileMode mode);
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
