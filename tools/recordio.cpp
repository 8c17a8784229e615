// Records from JSON and text files, list texts read back, and the escapes of the data tree.
#include "recordio.hpp"

#include <fstream>
#include <limits>
#include <sstream>

#include "decode.hpp"
#include "lookups.hpp"
#include "reference.hpp"

namespace orvane_cli {

using namespace OrvaneLib;

namespace {

std::string FileText(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) Fail("cannot read " + file);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

[[noreturn]] void Refuse(const KindInfo& kind, const std::string& what) {
    Fail(kind.Name() + " record: " + what + "; nothing was stored");
}

std::string TypeWanted(FieldKind type) {
    switch (type) {
        case FieldKind::Text:
            return "a text";
        case FieldKind::Boolean:
            return "true or false";
        case FieldKind::IntegerNumber:
            return "a whole number from -32768 to 32767";
        case FieldKind::LongNumber:
            return "a whole number from -2147483648 to 2147483647";
        case FieldKind::SingleNumber:
            return "a number";
        case FieldKind::List:
            return "a list text, or an object with its \"text\"";
        case FieldKind::Modifiers:
            return "an object of the six abilities' modifiers";
        case FieldKind::Block:
            return "an object of its fields";
    }
    return "a value";
}

// The text form KindInfo::SetFieldText takes for a JSON value of a field; nullopt when the
// value does not fit the field's type.
std::optional<std::string> ValueText(const FieldInfo& field, const Json& v) {
    switch (field.Type) {
        case FieldKind::Text:
            if (v.is_string()) return v.get<std::string>();
            break;
        case FieldKind::Boolean:
            if (v.is_boolean()) return v.get<bool>() ? "True" : "False";
            break;
        case FieldKind::IntegerNumber:
        case FieldKind::LongNumber: {
            if (!v.is_number_integer()) break;
            const bool small = field.Type == FieldKind::IntegerNumber;
            const long long min = small ? -32768 : std::numeric_limits<Long>::min();
            const long long max = small ? 32767 : std::numeric_limits<Long>::max();
            if (v.is_number_unsigned() &&
                v.get<unsigned long long>() > static_cast<unsigned long long>(max))
                break;
            const long long n = v.get<long long>();
            if (n < min || n > max) break;
            return std::to_string(n);
        }
        case FieldKind::SingleNumber:
            if (v.is_number()) {
                std::ostringstream text;
                text.precision(9);
                text << v.get<double>();
                return text.str();
            }
            break;
        case FieldKind::Modifiers: {
            if (v.is_string()) return v.get<std::string>();
            if (!v.is_object() || v.size() != ModifierKeys().size()) break;
            std::string text;
            for (const auto& key : ModifierKeys()) {
                if (!v.contains(key) || !v[key].is_number_integer()) return std::nullopt;
                const long long n = v[key].get<long long>();
                if (n < -32768 || n > 32767) return std::nullopt;
                text += (text.empty() ? "" : "|") + std::to_string(n);
            }
            return text;
        }
        case FieldKind::List:
            if (v.is_string()) return v.get<std::string>();
            if (v.is_object() && v.contains("text") && v["text"].is_string())
                return v["text"].get<std::string>();
            break;
        case FieldKind::Block:
            break;
    }
    return std::nullopt;
}

// Sets the fields given in `values` (an object) on the record; `prefix` is "Block." inside
// a block.
void SetFields(Session& session, const KindInfo& kind, RecordInput& in, const Json& values,
               const std::vector<FieldInfo>& fields, const std::string& prefix) {
    if (!values.is_object())
        Refuse(kind, (prefix.empty() ? "the fields"
                                     : "field '" + prefix.substr(0, prefix.size() - 1) + "'") +
                         " must be a JSON object");
    std::vector<std::string> names;
    for (const auto& f : fields) names.push_back(f.Name);
    for (const auto& [name, value] : values.items()) {
        const std::string path = prefix + name;
        const auto field = std::find_if(fields.begin(), fields.end(),
                                        [&](const FieldInfo& f) { return f.Name == name; });
        if (field == fields.end())
            Refuse(kind, "unknown field '" + path + "'" + Suggestion(name, names));
        if (field->Type == FieldKind::Block) {
            SetFields(session, kind, in, value, kind.BlockFields(name), path + ".");
            continue;
        }
        const auto text = ValueText(*field, value);
        if (!text)
            Refuse(kind, "field '" + path + "' must be " + TypeWanted(field->Type) + ", not " +
                             value.dump());
        try {
            // A list that fails to parse shows a message box: here it is a list text that
            // does not read back, which the caller refuses.
            session.Quietly([&] { kind.SetFieldText(*in.record, path, *text); });
        } catch (const std::invalid_argument& e) {
            Refuse(kind, "field '" + path + "': " + e.what());
        }
        if (field->Type != FieldKind::List) continue;
        in.listTexts[path] = *text;
        // Entries given beside the text must be what the text holds: an edit of one and not
        // the other would be lost.
        if (value.is_object() && value.contains("entries")) {
            const Object* list = kind.FieldObject(*in.record, path);
            const Json decoded = list ? DecodeList(*list) : Json(nullptr);
            // Compared as plain JSON: the order of an entry's members does not matter.
            if (!decoded.is_null() && nlohmann::json::parse(decoded["entries"].dump()) !=
                                          nlohmann::json::parse(value["entries"].dump()))
                Refuse(kind, "field '" + path + "': its entries do not match its text '" + *text +
                                 "' (change the text, or leave the entries out)");
        }
    }
}

// The list lines of a record text file, by field: the file's lines laid over the kind's line
// order, a block standing for its own lines; lines past the end of the file give nothing.
std::map<std::string, std::string> ListLines(const KindInfo& kind, const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    std::vector<std::pair<std::string, FieldKind>> order;
    for (const auto& line : kind.FileLines()) {
        if (line.Type != FieldKind::Block) {
            order.emplace_back(line.Field, line.Type);
            continue;
        }
        for (const auto& inner : kind.BlockFields(line.Field))
            if (inner.InFile) order.emplace_back(line.Field + "." + inner.Name, inner.Type);
    }
    std::map<std::string, std::string> lists;
    for (std::size_t i = 0; i < order.size() && i < lines.size(); ++i)
        if (order[i].second == FieldKind::List) lists[order[i].first] = lines[i];
    return lists;
}

}  // namespace

RecordInput RecordFromJson(Session& session, const KindInfo& kind, const Json& document) {
    if (!document.is_object()) Refuse(kind, "the JSON document must be an object");
    const Json* fields = &document;
    if (document.contains("fields")) {
        for (const char* name : {"kind", "id"})
            if (document.contains(name) && document[name] != kind.Name() &&
                document[name] != KindId(kind))
                Refuse(kind, "the document holds a " + document[name].dump() + " record");
        fields = &document["fields"];
    }
    RecordInput in;
    in.json = true;
    in.record = kind.NewRecord();
    SetFields(session, kind, in, *fields, kind.Fields(), "");
    for (const auto& key : kind.Keys())
        if (!fields->contains(key.Field))
            Refuse(kind, "the key field '" + key.Field + "' is missing");
    return in;
}

RecordInput ReadRecordFile(Session& session, const KindInfo& kind, const std::string& file) {
    const std::string text = FileText(file);
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first != std::string::npos && text[first] == '{') {
        Json document;
        try {
            document = Json::parse(text);
        } catch (const Json::parse_error& e) {
            Fail(file + ": not valid JSON: " + e.what());
        }
        return RecordFromJson(session, kind, document);
    }
    RecordInput in;
    in.record = kind.NewRecord();
    Status loaded;
    session.Quietly([&] { loaded = kind.TryLoad(*in.record, file); });
    if (!loaded.Ok())
        Fail(file + (loaded.Line() ? " line " + std::to_string(loaded.Line()) : std::string()) +
             ": " + loaded.Message() + "; nothing was stored");
    in.listTexts = ListLines(kind, text);
    return in;
}

std::vector<MangledList> MangledLists(const KindInfo& kind, const RecordInput& in) {
    std::vector<MangledList> found;
    for (const auto& [field, text] : in.listTexts) {
        const std::string canonical = kind.FieldText(*in.record, field);
        if (!ListReadsBack(text, canonical)) found.push_back({field, text, canonical});
    }
    return found;
}

std::string MangledText(const MangledList& m) {
    return "field " + m.field + ": '" + m.text + "' would be stored as '" + m.canonical + "'";
}

std::string TargetNoun(const std::string& target) {
    for (const auto& lookup : LookupLists())
        if (target == lookup.name) return lookup.singular;
    std::string noun = target;
    for (char& c : noun)
        if (c == '-') c = ' ';
    return noun;
}

std::string DidYouMean(const std::vector<std::string>& names) {
    if (names.empty()) return {};
    std::string text = " (did you mean ";
    for (std::size_t i = 0; i < names.size(); ++i)
        text += (i == 0 ? "" : i + 1 == names.size() ? " or " : ", ") + ("'" + names[i] + "'");
    return text + "?)";
}

std::vector<std::string> RecordKeys(const KindInfo& kind, const Object& record) {
    std::vector<std::string> keys;
    for (const auto& key : kind.Keys()) keys.push_back(kind.FieldText(record, key.Field));
    return keys;
}

bool RecordStation(const KindInfo& kind, const Object& record) {
    return kind.HasStation() && kind.FieldText(record, "Station") == "True";
}

std::string Escape(const std::string& value) {
    std::string out;
    out.reserve(value.size());
    for (char c : value) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

std::string Unescape(const std::string& value) {
    if (value.find('\\') == std::string::npos) return value;
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\') {
            out += value[i];
            continue;
        }
        const char next = i + 1 < value.size() ? value[i + 1] : '\0';
        if (next == '\\')
            out += '\\';
        else if (next == 'n')
            out += '\n';
        else if (next == 'r')
            out += '\r';
        else
            throw std::invalid_argument("a backslash must be followed by \\, n or r");
        ++i;
    }
    return out;
}

}  // namespace orvane_cli
