// The record text file: one value per line, CR LF line ends, fixed print forms, optional
// trailing groups, and the message boxes of Save and Load.
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

std::string RestoreLineBreaks(std::string text) {
    for (std::size_t pos = text.find(kLineBreakMark); pos != std::string::npos;
         pos = text.find(kLineBreakMark, pos + 2))
        text.replace(pos, kLineBreakMark.size(), "\r\n");
    return text;
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

void StoreLine(Object& record, const Field& line, const std::string& text) {
    const Access& s = *line.access;
    switch (s.type) {
        case FieldType::Text:
            s.setText(record, line.form == TextForm::Note ? text : RestoreLineBreaks(text));
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

}  // namespace

Status WriteLines(const Object& record, const RecordKind& kind, Integer file) {
    Status blockFailure;  // a block that failed has said so; the owner goes on
    for (const Field* line : kind.lines) {
        try {
            if (line->type() == FieldType::Block) {
                Status st = line->access->saveBlock(record, file);
                if (!st.Ok() && blockFailure.Ok()) blockFailure = st;
            } else {
                FileWriteLine(file, LineOf(record, *line));
            }
        } catch (const std::exception& e) {
            return Status(StatusCode::File, e.what()).AtLine(FileLineCount(file) + 1);
        }
    }
    return blockFailure;
}

Status ReadLines(Object& record, const RecordKind& kind, Integer file) {
    std::uint8_t group = 0;
    for (const Field* line : kind.lines) {
        try {
            if (line->group != 0 && line->group != group) {
                // An optional group is read only when the file has another line.
                group = line->group;
                if (FileAtEnd(file)) return {};
            }
            if (line->type() == FieldType::Block) {
                Status st = line->access->loadBlock(record, file);
                if (!st.Ok()) return st;
            } else {
                std::string text = FileReadLine(file);
                StoreLine(record, *line, text);
            }
        } catch (const std::exception& e) {
            // The line being read: the one just taken, or the missing one past the end.
            const bool pastEnd =
                FileAtEnd(file) && std::string_view(e.what()) == "Input past end of file";
            return Status(StatusCode::File, e.what())
                .AtLine(FileLineCount(file) + (pastEnd ? 1 : 0));
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

Status SaveRecord(const Object& record, const RecordKind& kind, const std::string& fileName) {
    kind.Check(record);
    // The lines go to a scratch file that replaces the target only when complete, so a
    // failed save leaves the previous file as it was.
    const std::string scratch = fileName + ".saving";
    Integer file = 0;
    Status st;
    try {
        file = FreeFile();
        FileOpen(file, scratch, FileMode::Output);
        st = WriteLines(record, kind, file);
        FileClose(file);
        file = 0;
        if (st.Ok() && std::rename(scratch.c_str(), fileName.c_str()) != 0)
            st = Status(StatusCode::File, "Path/File access error: " + fileName);
    } catch (const std::exception& e) {
        st = Status(StatusCode::File, e.what());
    }
    if (file != 0) FileClose(file);
    if (!st.Ok()) std::remove(scratch.c_str());
    return st;
}

Status LoadRecord(Object& record, const RecordKind& kind, const std::string& fileName) {
    kind.Check(record);
    if (!kind.overlay) kind.Clear(record);
    if (!RegularFileExists(fileName))
        return Status(StatusCode::NotFound, "Unable to locate file: " + fileName);
    Integer file = 0;
    Status st;
    try {
        file = FreeFile();
        FileOpen(file, fileName, FileMode::Input);
        st = ReadLines(record, kind, file);
    } catch (const std::exception& e) {
        st = Status(StatusCode::File, e.what());
    }
    if (file != 0) FileClose(file);
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
