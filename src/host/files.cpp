// Numbered text files: one process-wide table of open files, shared by the log file, the
// record files and callers that pass a file number to SaveAppend/LoadAppend.
#include <sys/stat.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <mutex>
#include <stdexcept>

#include "host/internal.hpp"

namespace OrvaneLib {

namespace {

constexpr int kMaxFiles = 255;

struct OpenFile {
    std::FILE* handle = nullptr;
    FileMode mode = FileMode::Input;
    std::string buffer;  // read-ahead for input files
    std::size_t pos = 0;
    bool eof = false;
    int lines = 0;  // lines read or written so far, for reports that name a line

    ~OpenFile() {
        if (handle) std::fclose(handle);
    }
    // Makes at least one unread byte available; false at the end of the file.
    bool Fill() {
        if (pos < buffer.size()) return true;
        if (eof) return false;
        buffer.resize(64 * 1024);
        std::size_t got = std::fread(buffer.data(), 1, buffer.size(), handle);
        buffer.resize(got);
        pos = 0;
        if (got == 0) {
            if (std::ferror(handle)) throw std::runtime_error("Device I/O error");
            eof = true;
            return false;
        }
        return true;
    }
};

struct FileTable {
    std::mutex mutex;
    std::array<std::unique_ptr<OpenFile>, kMaxFiles + 1> files;  // index 0 unused
};

FileTable& Table() {
    static FileTable table;
    return table;
}

OpenFile& Lookup(FileTable& table, Integer number) {
    if (number < 1 || number > kMaxFiles || !table.files[number])
        throw std::runtime_error("Bad file name or number");
    return *table.files[number];
}

std::string OpenFailure(int err, FileMode mode) {
    switch (err) {
        case ENOENT:
            return mode == FileMode::Input ? "File not found" : "Path not found";
        case ENOTDIR:
            return "Path not found";
        case EACCES:
        case EPERM:
        case EROFS:
            return "Permission denied";
        case EISDIR:
            return "Path/File access error";
        case ENOSPC:
            return "Disk full";
        default:
            return "Path/File access error";
    }
}

}  // namespace

Integer FreeFile() {
    auto& table = Table();
    std::lock_guard lock(table.mutex);
    for (int n = 1; n <= kMaxFiles; ++n)
        if (!table.files[n]) return static_cast<Integer>(n);
    throw std::runtime_error("Too many files");
}

void FileOpen(Integer number, const std::string& path, FileMode mode) {
    auto& table = Table();
    std::lock_guard lock(table.mutex);
    if (number < 1 || number > kMaxFiles) throw std::runtime_error("Bad file name or number");
    if (table.files[number]) throw std::runtime_error("File already open");
    if (mode == FileMode::Input && !detail::RegularFileExists(path)) {
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0) throw std::runtime_error("Path/File access error");
        throw std::runtime_error("File not found");
    }
    const char* how = mode == FileMode::Output ? "wb" : mode == FileMode::Append ? "ab" : "rb";
    errno = 0;
    std::FILE* handle = std::fopen(path.c_str(), how);
    if (!handle) throw std::runtime_error(OpenFailure(errno, mode) + ": " + path);
    auto file = std::make_unique<OpenFile>();
    file->handle = handle;
    file->mode = mode;
    table.files[number] = std::move(file);
}

void FileClose(Integer number) {
    auto& table = Table();
    std::lock_guard lock(table.mutex);
    if (number < 1 || number > kMaxFiles) return;
    table.files[number].reset();
}

bool FileIsOpen(Integer number) {
    auto& table = Table();
    std::lock_guard lock(table.mutex);
    return number >= 1 && number <= kMaxFiles && table.files[number] != nullptr;
}

namespace detail {

void FileWriteLine(Integer number, std::string_view text) {
    auto& table = Table();
    std::lock_guard lock(table.mutex);
    OpenFile& file = Lookup(table, number);
    if (file.mode == FileMode::Input) throw std::runtime_error("Bad file mode");
    if (std::fwrite(text.data(), 1, text.size(), file.handle) != text.size() ||
        std::fwrite("\r\n", 1, 2, file.handle) != 2 || std::fflush(file.handle) != 0) {
        std::clearerr(file.handle);
        throw std::runtime_error(errno == ENOSPC ? "Disk full" : "Device I/O error");
    }
    ++file.lines;
}

std::string FileReadLine(Integer number) {
    auto& table = Table();
    std::lock_guard lock(table.mutex);
    OpenFile& file = Lookup(table, number);
    if (file.mode != FileMode::Input) throw std::runtime_error("Bad file mode");
    if (!file.Fill()) throw std::runtime_error("Input past end of file");
    ++file.lines;
    std::string line;
    // A line ends at CR LF, LF or a lone CR.
    for (;;) {
        const char* start = file.buffer.data() + file.pos;
        std::size_t avail = file.buffer.size() - file.pos;
        std::size_t i = 0;
        while (i < avail && start[i] != '\n' && start[i] != '\r') ++i;
        line.append(start, i);
        file.pos += i;
        if (i < avail) {
            char end = start[i];
            ++file.pos;
            if (end == '\r' && file.Fill() && file.buffer[file.pos] == '\n') ++file.pos;
            break;
        }
        if (!file.Fill()) break;
    }
    if (!IsValidUtf8(line)) return Cp1252ToUtf8(line);
    return line;
}

bool FileAtEnd(Integer number) {
    auto& table = Table();
    std::lock_guard lock(table.mutex);
    OpenFile& file = Lookup(table, number);
    if (file.mode != FileMode::Input) return true;
    return !file.Fill();
}

int FileLineCount(Integer number) {
    auto& table = Table();
    std::lock_guard lock(table.mutex);
    return number >= 1 && number <= kMaxFiles && table.files[number] ? table.files[number]->lines
                                                                     : 0;
}

bool RegularFileExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace detail
}  // namespace OrvaneLib
