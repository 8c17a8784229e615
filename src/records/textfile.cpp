// The record text file: one value per line, CR LF line ends, fixed print forms, optional
// trailing groups, and the message boxes of Save and Load.
#include <cmath>
#include <cstdio>
#include <limits>
#include <stdexcept>

#include "lists/grammar.hpp"
#include "orvane/detail/host_internal.hpp"
#include "records/kind.hpp"

namespace OrvaneLib::detail {

const FieldDesc* RecordKind::Find(std::string_view name) const {
    for (const auto& f : fields)
        if (f.name == name) return &f;
    return nullptr;
}

void RecordKind::Resolve() {
    for (auto& line : lines) {
        const FieldDesc* f = Find(line.field);
        if (!f)
            throw std::logic_error("record kind " + std::string(className) + ": no field " +
                                   std::string(line.field));
        line.slot = &f->slot;
    }
}

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

std::string LineOf(const void* record, const LineDesc& line) {
    const Slot& s = *line.slot;
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

void StoreLine(void* record, const LineDesc& line, const std::string& text) {
    const Slot& s = *line.slot;
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

void WriteLines(const void* record, const RecordKind& kind, Integer file) {
    for (const auto& line : kind.lines) {
        if (line.slot->type == FieldType::Block)
            line.slot->saveBlock(record, file);
        else
            FileWriteLine(file, LineOf(record, line));
    }
}

void ReadLines(void* record, const RecordKind& kind, Integer file) {
    std::uint8_t group = 0;
    for (const auto& line : kind.lines) {
        if (line.group != 0 && line.group != group) {
            // An optional group is read only when the file has another line.
            group = line.group;
            if (FileAtEnd(file)) return;
        }
        if (line.slot->type == FieldType::Block)
            line.slot->loadBlock(record, file);
        else
            StoreLine(record, line, FileReadLine(file));
    }
}

int& BlockSaveFailures() {
    thread_local int failures = 0;
    return failures;
}

void SaveRecord(const void* record, const RecordKind& kind, const std::string& fileName) {
    // The lines go to a scratch file that replaces the target only when complete, so a
    // failed save leaves the previous file as it was.
    const std::string scratch = fileName + ".saving";
    Integer file = 0;
    const int blockFailures = BlockSaveFailures();
    try {
        file = FreeFile();
        FileOpen(file, scratch, FileMode::Output);
        WriteLines(record, kind, file);
        FileClose(file);
        file = 0;
        if (BlockSaveFailures() != blockFailures) {
            // A nested block failed and has said so; the file is incomplete: keep the old one.
            std::remove(scratch.c_str());
            return;
        }
        if (std::rename(scratch.c_str(), fileName.c_str()) != 0)
            throw std::runtime_error("Path/File access error: " + fileName);
    } catch (const std::exception& e) {
        ShowMessage(std::string("Sub: Save.\r\n") + e.what(), MsgIcon::Critical, "Error");
        if (file != 0) FileClose(file);
        std::remove(scratch.c_str());
    }
}

void LoadRecord(void* record, const RecordKind& kind, const std::string& fileName) {
    if (!kind.overlay) kind.clear(record);
    if (!RegularFileExists(fileName)) {
        ShowMessage("Unable to locate file: " + fileName, MsgIcon::Exclamation, "Error");
        return;
    }
    Integer file = 0;
    try {
        file = FreeFile();
        FileOpen(file, fileName, FileMode::Input);
        ReadLines(record, kind, file);
        FileClose(file);
    } catch (const std::exception& e) {
        ShowMessage(std::string("Sub: Load.\r\n") + e.what(), MsgIcon::Critical, "Error");
        if (file != 0) FileClose(file);
        if (!kind.overlay) kind.clear(record);
    }
}

void SaveAppendRecord(const void* record, const RecordKind& kind, Integer file) {
    try {
        WriteLines(record, kind, file);
    } catch (const std::exception& e) {
        ShowMessage(std::string("Sub: SaveAppend.\r\n") + e.what(), MsgIcon::Critical, "Error");
    }
}

void LoadAppendRecord(void* record, const RecordKind& kind, Integer file, bool clearFirst) {
    if (clearFirst) kind.clear(record);
    try {
        ReadLines(record, kind, file);
    } catch (const std::exception& e) {
        ShowMessage(std::string("Sub: LoadAppend.\r\n") + e.what(), MsgIcon::Critical, "Error");
        if (clearFirst) kind.clear(record);
    }
}

}  // namespace OrvaneLib::detail

namespace OrvaneLib::detail {

std::string RecordBase::ClassName() const { return std::string(Kind().className); }

void RecordBase::Save(const std::string& FileName) {
    SaveRecord(dynamic_cast<const void*>(this), Kind(), FileName);
}

void RecordBase::Load(const std::string& FileName) {
    LoadRecord(dynamic_cast<void*>(this), Kind(), FileName);
}

}  // namespace OrvaneLib::detail
