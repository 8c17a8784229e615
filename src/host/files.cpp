// Text files read and written line by line: files that belong to one call (record files
// saved and loaded by the library) and numbered files, one process-wide table shared by the
// log file and callers that pass a file number to SaveAppend/LoadAppend.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <mutex>
#include <stdexcept>

#include "host/internal.hpp"

namespace OrvaneLib {

namespace {

constexpr int kMaxFiles = 255;
constexpr std::size_t kChunk = 64 * 1024;

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

std::string WriteFailure(int err) { return err == ENOSPC ? "Disk full" : "Device I/O error"; }

int RealSync(int fd, const std::string&) { return ::fsync(fd) == 0 ? 0 : errno; }

std::atomic<detail::SyncFunction> syncFunction{&RealSync};

}  // namespace

namespace detail {

// ---------------------------------------------------------------------------------------
// LineFile

LineFile::LineFile(std::FILE* handle, FileMode mode, std::string path)
    : handle_(handle), mode_(mode), path_(std::move(path)) {}

LineFile::~LineFile() {
    if (handle_) std::fclose(handle_);
}

std::unique_ptr<LineFile> LineFile::Open(const std::string& path, FileMode mode) {
    if (mode == FileMode::Input && !RegularFileExists(path)) {
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0) throw std::runtime_error("Path/File access error");
        throw std::runtime_error("File not found");
    }
    const char* how = mode == FileMode::Output ? "wb" : mode == FileMode::Append ? "ab" : "rb";
    errno = 0;
    std::FILE* handle = std::fopen(path.c_str(), how);
    if (!handle) throw std::runtime_error(OpenFailure(errno, mode) + ": " + path);
    return std::unique_ptr<LineFile>(new LineFile(handle, mode, path));
}

std::unique_ptr<LineFile> LineFile::CreateNew(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        if (errno == EEXIST) return nullptr;
        throw std::runtime_error(OpenFailure(errno, FileMode::Output) + ": " + path);
    }
    std::FILE* handle = ::fdopen(fd, "wb");
    if (!handle) {
        ::close(fd);
        throw std::runtime_error("Path/File access error: " + path);
    }
    return std::unique_ptr<LineFile>(new LineFile(handle, FileMode::Output, path));
}

int LineFile::Descriptor() const { return handle_ ? ::fileno(handle_) : -1; }

void LineFile::WriteLine(std::string_view text) {
    if (!handle_ || mode_ == FileMode::Input) throw std::runtime_error("Bad file mode");
    // Each line goes to the file at once, so a full disk fails the line that met it.
    if (std::fwrite(text.data(), 1, text.size(), handle_) != text.size() ||
        std::fwrite("\r\n", 1, 2, handle_) != 2 || std::fflush(handle_) != 0) {
        const int err = errno;
        std::clearerr(handle_);
        throw std::runtime_error(WriteFailure(err));
    }
    ++lines_;
}

bool LineFile::Fill() {
    if (pos_ < buffer_.size()) return true;
    if (eof_) return false;
    buffer_.resize(kChunk);
    const std::size_t got = std::fread(buffer_.data(), 1, buffer_.size(), handle_);
    buffer_.resize(got);
    pos_ = 0;
    if (got == 0) {
        if (std::ferror(handle_)) throw std::runtime_error("Device I/O error");
        eof_ = true;
        return false;
    }
    return true;
}

std::size_t LineFile::LineLength() {
    // Reads on from the buffer's end without keeping the bytes; the caller goes back.
    std::size_t length = buffer_.size() - pos_;
    std::string scan(kChunk, '\0');
    for (;;) {
        const std::size_t got = std::fread(scan.data(), 1, scan.size(), handle_);
        if (got == 0) {
            if (std::ferror(handle_)) throw std::runtime_error("Device I/O error");
            return length;
        }
        for (std::size_t i = 0; i < got; ++i)
            if (scan[i] == '\n' || scan[i] == '\r') return length + i;
        length += got;
    }
}

std::string LineFile::ReadLine() {
    if (!handle_ || mode_ != FileMode::Input) throw std::runtime_error("Bad file mode");
    if (!Fill()) throw std::runtime_error("Input past end of file");
    ++lines_;
    // A line ends at CR LF, LF or a lone CR.
    auto endOf = [&](std::size_t from) {
        std::size_t i = from;
        while (i < buffer_.size() && buffer_[i] != '\n' && buffer_[i] != '\r') ++i;
        return i;
    };
    std::string line;
    std::size_t end = endOf(pos_);
    if (end < buffer_.size()) {
        line.assign(buffer_, pos_, end - pos_);
        pos_ = end;
    } else {
        // The line goes on past the buffer: measure it first, so that it is read into a
        // text of its own size instead of one grown (and copied) step by step.
        const long start = std::ftell(handle_) - static_cast<long>(buffer_.size() - pos_);
        const std::size_t length = start >= 0 ? LineLength() : 0;
        if (start >= 0 && std::fseek(handle_, start, SEEK_SET) == 0) {
            line.resize(length);
            if (std::fread(line.data(), 1, length, handle_) != length)
                throw std::runtime_error("Device I/O error");
            buffer_.clear();
            pos_ = 0;
            eof_ = false;
        } else {
            // A file that cannot seek: the line is gathered as it comes.
            for (;;) {
                line.append(buffer_, pos_, end - pos_);
                pos_ = end;
                if (end < buffer_.size() || !Fill()) break;
                end = endOf(pos_);
            }
        }
    }
    if (Fill()) {
        const char ending = buffer_[pos_++];
        if (ending == '\r' && Fill() && buffer_[pos_] == '\n') ++pos_;
    }
    if (!IsValidUtf8(line)) return Cp1252ToUtf8(line);
    return line;
}

bool LineFile::AtEnd() {
    if (!handle_ || mode_ != FileMode::Input) return true;
    return !Fill();
}

void LineFile::Sync() {
    if (!handle_) throw std::runtime_error("Bad file mode");
    if (std::fflush(handle_) != 0) throw std::runtime_error(WriteFailure(errno));
    if (const int err = SyncToDisk(::fileno(handle_), path_); err != 0)
        throw std::runtime_error(WriteFailure(err));
}

void LineFile::Close() {
    if (!handle_) return;
    std::FILE* handle = handle_;
    handle_ = nullptr;
    if (std::fclose(handle) != 0 && mode_ != FileMode::Input)
        throw std::runtime_error(WriteFailure(errno));
}

// ---------------------------------------------------------------------------------------
// Syncing

int SyncToDisk(int fd, const std::string& path) { return syncFunction.load()(fd, path); }

void SetSyncFunction(SyncFunction function) { syncFunction = function ? function : &RealSync; }

void SyncFolder(const std::string& folder) {
    // Best effort: some file systems do not let a folder be opened or synced.
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    SyncToDisk(fd, folder);
    ::close(fd);
}

}  // namespace detail

// ---------------------------------------------------------------------------------------
// Numbered files

namespace {

struct FileTable {
    std::mutex mutex;
    std::array<std::unique_ptr<detail::LineFile>, kMaxFiles + 1> files;  // index 0 unused
};

FileTable& Table() {
    static FileTable table;
    return table;
}

detail::LineFile& Lookup(FileTable& table, Integer number) {
    if (number < 1 || number > kMaxFiles || !table.files[number])
        throw std::runtime_error("Bad file name or number");
    return *table.files[number];
}

Integer LowestFree(const FileTable& table) {
    for (int n = 1; n <= kMaxFiles; ++n)
        if (!table.files[n]) return static_cast<Integer>(n);
    throw std::runtime_error("Too many files");
}

}  // namespace

Integer FreeFile() {
    auto& table = Table();
    std::lock_guard lock(table.mutex);
    return LowestFree(table);
}

void FileOpen(Integer number, const std::string& path, FileMode mode) {
    auto& table = Table();
    std::lock_guard lock(table.mutex);
    if (number < 1 || number > kMaxFiles) throw std::runtime_error("Bad file name or number");
    if (table.files[number]) throw std::runtime_error("File already open");
    table.files[number] = detail::LineFile::Open(path, mode);
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

Integer FileOpenFree(const std::function<std::string(Integer)>& pathFor, FileMode mode) {
    auto& table = Table();
    std::lock_guard lock(table.mutex);
    const Integer number = LowestFree(table);
    table.files[number] = LineFile::Open(pathFor(number), mode);
    return number;
}

void FileWriteLine(Integer number, std::string_view text) {
    auto& table = Table();
    std::lock_guard lock(table.mutex);
    Lookup(table, number).WriteLine(text);
}

std::string FileReadLine(Integer number) {
    auto& table = Table();
    std::lock_guard lock(table.mutex);
    return Lookup(table, number).ReadLine();
}

bool FileAtEnd(Integer number) {
    auto& table = Table();
    std::lock_guard lock(table.mutex);
    return Lookup(table, number).AtEnd();
}

int FileLineCount(Integer number) {
    auto& table = Table();
    std::lock_guard lock(table.mutex);
    return number >= 1 && number <= kMaxFiles && table.files[number] ? table.files[number]->Lines()
                                                                     : 0;
}

bool RegularFileExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace detail
}  // namespace OrvaneLib
