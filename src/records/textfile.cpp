// The record text file: one value per line, CR LF line ends, fixed print forms, optional
// trailing groups, and the message boxes of Save and Load.
#include <dirent.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cmath>
#include <cstdio>
#include <limits>
#include <stdexcept>

#include "host/internal.hpp"
#include "lists/grammar.hpp"
#include "records/describe.hpp"

namespace OrvaneLib::detail {

// ---------------------------------------------------------------------------------------
// Print forms and readers

std::string PrintInteger(std::int64_t value) {
    return (value < 0 ? "" : " ") + std::to_string(value) + " ";
}

std::string PrintSingle(double value) {
    const float f = static_cast<float>(value);
    std::string text;
    if (f == 0) {
        text = "0";
    } else if (!std::isfinite(f)) {
        text = std::isnan(f) ? "NaN" : (f < 0 ? "-Inf" : "Inf");
    } else {
        // The fewest significant digits (at most seven) that read back as the same Single.
        char buf[64];
        for (int p = 1; p <= 7; ++p) {
            std::snprintf(buf, sizeof buf, "%.*e", p - 1, static_cast<double>(f));
            if (static_cast<float>(std::strtod(buf, nullptr)) == f) break;
        }
        std::string s = buf;
        bool negative = s[0] == '-';
        if (negative) s.erase(0, 1);
        std::size_t ePos = s.find('e');
        int exponent = std::atoi(s.c_str() + ePos + 1);
        std::string digits;
        for (std::size_t i = 0; i < ePos; ++i)
            if (s[i] != '.') digits += s[i];
        while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
        if (exponent >= -3 && exponent <= 6) {
            if (exponent >= 0) {
                std::size_t intLen = static_cast<std::size_t>(exponent) + 1;
                if (digits.size() <= intLen) {
                    text = digits + std::string(intLen - digits.size(), '0');
                } else {
                    text = digits.substr(0, intLen) + "." + digits.substr(intLen);
                }
            } else {
                text = "." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
            }
        } else {
            char exp[16];
            std::snprintf(exp, sizeof exp, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
            text = digits.substr(0, 1) + (digits.size() > 1 ? "." + digits.substr(1) : "") + exp;
        }
        if (negative) text = "-" + text;
    }
    return (text[0] == '-' ? "" : " ") + text + " ";
}

std::int64_t ReadWhole(const std::string& line, std::int64_t min, std::int64_t max) {
    // Plain decimals round exactly on their digits; other number forms (exponents) go
    // through a double.
    Decimal number;
    std::int64_t whole = 0;
    if (ParseDecimal(line, number)) {
        if (!RoundHalfEven(number, whole) || whole < min || whole > max)
            throw std::runtime_error("Overflow");
        return whole;
    }
    double d = 0;
    if (!ParseNumberText(line, d)) throw std::runtime_error("Type mismatch");
    d = std::nearbyint(d);  // the default rounding mode rounds halves to even
    if (!(d >= static_cast<double>(min) && d <= static_cast<double>(max)))
        throw std::runtime_error("Overflow");
    return static_cast<std::int64_t>(d);
}

double ReadSingle(const std::string& line) {
    double d = 0;
    if (!ParseNumberText(line, d)) throw std::runtime_error("Type mismatch");
    if (std::fabs(d) > std::numeric_limits<float>::max()) throw std::runtime_error("Overflow");
    return d;
}

bool ReadBoolean(const std::string& line) { return TextToBoolean(line); }

namespace {

constexpr std::string_view kLineBreakMark = "[CRLF]";

// A text written on one line: line breaks become "[CRLF]" (a lone CR or LF as well, so
// that no field can split the file's lines), or vanish for notes.
std::string OneLine(const std::string& text, TextForm form) {
    if (text.find_first_of("\r\n") == std::string::npos) return text;
    std::string out;
    out.reserve(text.size() + 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c != '\r' && c != '\n') {
            out += c;
            continue;
        }
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        if (form != TextForm::Note) out += kLineBreakMark;
    }
    return out;
}

// Turns every "[CRLF]" back into CR LF, in place (the text only gets shorter).
void RestoreLineBreaks(std::string& text) {
    std::size_t from = text.find(kLineBreakMark);
    if (from == std::string::npos) return;
    std::size_t to = from;
    while (from < text.size()) {
        if (text.compare(from, kLineBreakMark.size(), kLineBreakMark) == 0) {
            text[to++] = '\r';
            text[to++] = '\n';
            from += kLineBreakMark.size();
        } else {
            text[to++] = text[from++];
        }
    }
    text.resize(to);
}

std::string LineOf(const Object& record, const Field& line) {
    const Access& s = *line.access;
    switch (s.type) {
        case FieldType::Text:
            return OneLine(s.getText(record), line.form);
        case FieldType::Boolean:
            return s.getInt(record) ? "True" : "False";
        case FieldType::Integer:
        case FieldType::Long:
            return PrintInteger(s.getInt(record));
        case FieldType::Single:
            return PrintSingle(s.getReal(record));
        case FieldType::List:
            return s.getText(record);
        case FieldType::Modifiers: {
            std::string text;
            for (int i = 0; i < 6; ++i) {
                if (i) text += '|';
                text += std::to_string(s.getAt(record, i));
            }
            return text;
        }
        case FieldType::Block:
            break;
    }
    return {};
}

// Stores one line's value; the line's text may be changed on the way (line breaks).
void StoreLine(Object& record, const Field& line, std::string& text) {
    const Access& s = *line.access;
    switch (s.type) {
        case FieldType::Text:
            if (line.form != TextForm::Note) RestoreLineBreaks(text);
            s.setText(record, text);
            break;
        case FieldType::Boolean:
            s.setInt(record, ReadBoolean(text) ? 1 : 0);
            break;
        case FieldType::Integer:
            s.setInt(record, ReadWhole(text, std::numeric_limits<Integer>::min(),
                                       std::numeric_limits<Integer>::max()));
            break;
        case FieldType::Long:
            s.setInt(record, ReadWhole(text, std::numeric_limits<Long>::min(),
                                       std::numeric_limits<Long>::max()));
            break;
        case FieldType::Single:
            s.setReal(record, ReadSingle(text));
            break;
        case FieldType::List:
            s.setText(record, text);
            break;
        case FieldType::Modifiers: {
            // Values go to index 0, 1, ... in order; beyond the sixth they are ignored and
            // an empty line sets none.
            if (text.empty()) break;
            std::size_t start = 0;
            for (int k = 0; k <= 5; ++k) {
                std::size_t bar = text.find('|', start);
                std::string piece =
                    text.substr(start, bar == std::string::npos ? std::string::npos : bar - start);
                s.setAt(record, k, static_cast<Integer>(ReadWhole(piece, -32768, 32767)));
                if (bar == std::string::npos) break;
                start = bar + 1;
            }
            break;
        }
        case FieldType::Block:
            break;
    }
}

// Save and Load open their file for the call alone; blocks (the requirements) write into
// and read from their owner's file through the number kOwnFile, which stands for the file
// of the Save or Load running on this thread. Every other number is a caller's file.
constexpr Integer kOwnFile = std::numeric_limits<Integer>::min();
thread_local LineFile* ownFile = nullptr;

// Makes a file the thread's own file for the duration of a Save or Load.
class OwnFile {
  public:
    explicit OwnFile(LineFile& file) : previous_(ownFile) { ownFile = &file; }
    ~OwnFile() { ownFile = previous_; }
    OwnFile(const OwnFile&) = delete;
    OwnFile& operator=(const OwnFile&) = delete;

  private:
    LineFile* previous_;
};

// The lines of the file behind a number.
class Lines {
  public:
    explicit Lines(Integer file) : number_(file), own_(file == kOwnFile ? ownFile : nullptr) {}
    void Write(std::string_view text) { own_ ? own_->WriteLine(text) : FileWriteLine(Own(), text); }
    std::string Read() { return own_ ? own_->ReadLine() : FileReadLine(Own()); }
    bool AtEnd() { return own_ ? own_->AtEnd() : FileAtEnd(Own()); }
    int Count() const { return own_ ? own_->Lines() : FileLineCount(number_); }

  private:
    // A caller's number; kOwnFile without a Save or Load running is no file at all.
    Integer Own() const {
        if (number_ == kOwnFile) throw std::runtime_error("Bad file name or number");
        return number_;
    }
    Integer number_;
    LineFile* own_;
};

}  // namespace

Status WriteLines(const Object& record, const RecordKind& kind, Integer file) {
    Lines lines(file);
    Status blockFailure;  // a block that failed has said so; the owner goes on
    for (const Field* line : kind.lines) {
        try {
            if (line->type() == FieldType::Block) {
                Status st = line->access->saveBlock(record, file);
                if (!st.Ok() && blockFailure.Ok()) blockFailure = st;
            } else {
                lines.Write(LineOf(record, *line));
            }
        } catch (const std::exception& e) {
            return Status(StatusCode::File, e.what()).AtLine(lines.Count() + 1);
        }
    }
    return blockFailure;
}

Status ReadLines(Object& record, const RecordKind& kind, Integer file) {
    Lines lines(file);
    std::uint8_t group = 0;
    for (const Field* line : kind.lines) {
        try {
            if (line->group != 0 && line->group != group) {
                // An optional group is read only when the file has another line.
                group = line->group;
                if (lines.AtEnd()) return {};
            }
            if (line->type() == FieldType::Block) {
                Status st = line->access->loadBlock(record, file);
                if (!st.Ok()) return st;
            } else {
                std::string text = lines.Read();
                StoreLine(record, *line, text);
            }
        } catch (const std::exception& e) {
            // The line being read: the one just taken, or the missing one past the end.
            bool pastEnd = false;
            try {
                pastEnd = lines.AtEnd() && std::string_view(e.what()) == "Input past end of file";
            } catch (const std::exception&) {
            }
            return Status(StatusCode::File, e.what()).AtLine(lines.Count() + (pastEnd ? 1 : 0));
        }
    }
    return {};
}

// A block reports its own failure in a message box and lets its owner go on. A failed
// write still fails the owner's Save quietly, so that the previous file is kept instead of
// one cut off inside the block.
Status SaveBlock(const Object* nested, const RecordKind& kind, Integer file) {
    std::shared_ptr<Object> empty;
    if (!nested) {
        empty = kind.create();  // no object attached: an empty block keeps the file's shape
        nested = empty.get();
    }
    Status st = WriteLines(*nested, kind, file);
    if (st.Ok()) return st;
    ShowMessage("Sub: Save.\r\n" + st.Message(), MsgIcon::Critical, "Error");
    return st.MakeQuiet();
}

Status LoadBlock(Object& nested, const RecordKind& kind, Integer file) {
    kind.Clear(nested);
    Status st = ReadLines(nested, kind, file);
    if (!st.Ok()) {
        ShowMessage("Sub: Load.\r\n" + st.Message(), MsgIcon::Critical, "Error");
        kind.Clear(nested);
    }
    return {};
}

namespace {

// "dir/name.txt" -> {"dir", "name.txt"}; a bare name lives in ".".
std::pair<std::string, std::string> SplitPath(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return {".", path};
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

// Scratch files of a save of `name` are "name.saving-PID-N" ("name.saving" from older
// versions). A save holds a lock on its scratch file from creating it to renaming it; one
// that nobody holds was left by a save that was killed.
bool IsScratchOf(std::string_view entry, std::string_view name) {
    constexpr std::string_view kMark = ".saving";
    if (entry.size() < name.size() + kMark.size() || entry.substr(0, name.size()) != name ||
        entry.substr(name.size(), kMark.size()) != kMark)
        return false;
    std::string_view rest = entry.substr(name.size() + kMark.size());
    if (rest.empty()) return true;
    if (rest[0] != '-' || rest.size() < 2) return false;
    for (char c : rest.substr(1))
        if ((c < '0' || c > '9') && c != '-') return false;
    return true;
}

// Removes the scratch files of `fileName` that no running save holds.
void RemoveLeftScratchFiles(const std::string& fileName) {
    const auto [folder, name] = SplitPath(fileName);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    std::vector<std::string> left;
    while (const dirent* entry = ::readdir(dir))
        if (IsScratchOf(entry->d_name, name)) left.emplace_back(entry->d_name);
    ::closedir(dir);
    for (const auto& entry : left) {
        const std::string path = folder + "/" + entry;
        const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat held;
        struct stat named;
        // Locked: a save is writing it. Otherwise it is removed if the name still means
        // this file (and so not one a save has just created in its place).
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &held) == 0 &&
            S_ISREG(held.st_mode) && ::lstat(path.c_str(), &named) == 0 &&
            named.st_ino == held.st_ino && named.st_dev == held.st_dev)
            ::unlink(path.c_str());
        ::close(fd);
    }
}

// A new scratch file for a save of `fileName`, locked for as long as it is open.
std::unique_ptr<LineFile> CreateScratch(const std::string& fileName, std::string& scratch) {
    static std::atomic<unsigned> counter{0};
    for (;;) {
        scratch =
            fileName + ".saving-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        std::unique_ptr<LineFile> file = LineFile::CreateNew(scratch);
        if (!file) continue;  // taken: another number
        // (Where the file system has no such locks, the file goes unlocked and clean-ups
        // leave it alone, as they cannot lock it either.)
        ::flock(file->Descriptor(), LOCK_EX);
        struct stat held;
        struct stat named;
        if (::fstat(file->Descriptor(), &held) != 0) return file;
        if (::lstat(scratch.c_str(), &named) == 0 && named.st_ino == held.st_ino &&
            named.st_dev == held.st_dev)
            return file;
        // Another save's clean-up took it away between its creation and the lock.
    }
}

}  // namespace

Status SaveRecord(const Object& record, const RecordKind& kind, const std::string& fileName) {
    kind.Check(record);
    // The lines go to a scratch file of this call's own, written through to the disk, which
    // then replaces the target in one step: a failed save, a killed program or a power cut
    // leaves the previous file or the new one, never one cut short.
    std::string scratch;
    std::unique_ptr<LineFile> file;
    Status st;
    try {
        RemoveLeftScratchFiles(fileName);
        file = CreateScratch(fileName, scratch);
        {
            OwnFile own(*file);
            st = WriteLines(record, kind, kOwnFile);
        }
        if (st.Ok()) {
            file->Sync();
            if (std::rename(scratch.c_str(), fileName.c_str()) != 0)
                st = Status(StatusCode::File, "Path/File access error: " + fileName);
        }
        if (st.Ok()) {
            scratch.clear();  // it is the target now
            file->Close();
            SyncFolder(SplitPath(fileName).first);
        }
    } catch (const std::exception& e) {
        st = Status(StatusCode::File, e.what());
    }
    // A scratch file that did not become the target goes while it is still locked.
    if (!scratch.empty() && file) ::unlink(scratch.c_str());
    return st;
}

Status LoadRecord(Object& record, const RecordKind& kind, const std::string& fileName) {
    kind.Check(record);
    if (!kind.overlay) kind.Clear(record);
    if (!RegularFileExists(fileName))
        return Status(StatusCode::NotFound, "Unable to locate file: " + fileName);
    Status st;
    try {
        std::unique_ptr<LineFile> file = LineFile::Open(fileName, FileMode::Input);
        OwnFile own(*file);
        st = ReadLines(record, kind, kOwnFile);
    } catch (const std::exception& e) {
        st = Status(StatusCode::File, e.what());
    }
    if (!st.Ok() && !kind.overlay) kind.Clear(record);
    return st;
}

void ShowFileFailure(const char* operation, const Status& status) {
    if (status.Ok() || status.Quiet()) return;
    if (status.Code() == StatusCode::NotFound)
        ShowMessage(status.Message(), MsgIcon::Exclamation, "Error");
    else
        ShowMessage(std::string("Sub: ") + operation + ".\r\n" + status.Message(),
                    MsgIcon::Critical, "Error");
}

void SaveAppendRecord(const Object& record, const RecordKind& kind, Integer file) {
    Status st = WriteLines(record, kind, file);
    if (!st.Ok() && !st.Quiet())
        ShowMessage("Sub: SaveAppend.\r\n" + st.Message(), MsgIcon::Critical, "Error");
}

void LoadAppendRecord(Object& record, const RecordKind& kind, Integer file, bool clearFirst) {
    if (clearFirst) kind.Clear(record);
    Status st = ReadLines(record, kind, file);
    if (!st.Ok()) {
        ShowMessage("Sub: LoadAppend.\r\n" + st.Message(), MsgIcon::Critical, "Error");
        if (clearFirst) kind.Clear(record);
    }
}

}  // namespace OrvaneLib::detail
