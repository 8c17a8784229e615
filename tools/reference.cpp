// The record-kind reference, from the library's run-time kind descriptions.
#include "reference.hpp"

#include <algorithm>

#include "lookups.hpp"

namespace orvane_cli {

using namespace OrvaneLib;

const char* FieldKindName(FieldKind kind) {
    switch (kind) {
        case FieldKind::Text:
            return "Text";
        case FieldKind::Boolean:
            return "Boolean";
        case FieldKind::IntegerNumber:
            return "Integer";
        case FieldKind::LongNumber:
            return "Long";
        case FieldKind::SingleNumber:
            return "Single";
        case FieldKind::List:
            return "List";
        case FieldKind::Modifiers:
            return "Modifiers";
        case FieldKind::Block:
            return "Block";
    }
    return "Text";
}

std::string FieldClass(const KindInfo& kind, const std::string& field) {
    const auto record = kind.NewRecord();
    const Object* object = kind.FieldObject(*record, field);
    return object ? object->ClassName() : std::string();
}

namespace {

std::string KeyText(const KeyInfo& key) {
    return key.Column + (key.Number ? " (number)" : " (text)");
}

std::string KeysText(const KindInfo& kind) {
    std::string text;
    for (const auto& key : kind.Keys()) text += (text.empty() ? "" : ", ") + KeyText(key);
    return text;
}

// What the kind's commands take beyond its keys.
std::string OptionsText(const KindInfo& kind) {
    std::string text;
    auto add = [&](const std::string& option) { text += (text.empty() ? "" : ", ") + option; };
    if (kind.HasStation()) add("--station");
    if (kind.HasListFlag() && !kind.HasStation()) add("list --flag");
    if (kind.HasDescript()) add("show --describe");
    return text;
}

// How a field's value is written on its line of the text file.
std::string LineForm(const FileLineInfo& line, const std::string& listClass) {
    switch (line.Type) {
        case FieldKind::Text:
            if (line.Form == "description") return "text, line breaks as [CRLF]";
            if (line.Form == "note") return "text, line breaks dropped";
            return "text";
        case FieldKind::Boolean:
            return "True or False";
        case FieldKind::IntegerNumber:
        case FieldKind::LongNumber:
            return "whole number";
        case FieldKind::SingleNumber:
            return "decimal number";
        case FieldKind::List:
            return "canonical text of a " + listClass;
        case FieldKind::Modifiers:
            return "six numbers joined by |";
        case FieldKind::Block:
            return "the lines of its " + listClass + " block";
    }
    return "text";
}

std::string ReadWhen(const FileLineInfo& line) {
    return line.Group == 0
               ? "always"
               : "group " + std::to_string(line.Group) + ": only when the file has more lines";
}

// A type as the reference shows it: lists and blocks with their class.
std::string TypeText(FieldKind type, const std::string& cls) {
    std::string text = FieldKindName(type);
    if (!cls.empty()) text += " (" + cls + ")";
    return text;
}

std::string Pad(const std::string& text, std::size_t width) {
    return text + std::string(width > text.size() ? width - text.size() : 0, ' ');
}

// Markdown cell text: a bar would end the cell.
std::string Cell(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '|' ? std::string("\\|") : std::string(1, c);
    return out;
}

// What a field's entries name: "skill", or per part of an entry "class; feat; feat" (a
// part that names nothing shows as "-").
std::string NamesText(const FieldInfo& field) {
    std::string text;
    for (const auto& name : field.Names)
        text += (text.empty() ? "" : "; ") + (name.empty() ? std::string("-") : name);
    return text;
}

// A link from a list or block class to its part of the other references.
std::string ClassLink(const std::string& cls) {
    if (cls.empty()) return {};
    std::string anchor;
    for (char c : cls) anchor += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (cls == "clsRequirements") return "[" + cls + "](record-files.md#the-requirements-block)";
    return "[" + cls + "](lists.md#" + anchor + ")";
}

}  // namespace

std::vector<FieldInfo> AllFields(const KindInfo& kind) {
    std::vector<FieldInfo> all;
    for (const auto& field : kind.Fields()) {
        all.push_back(field);
        if (field.Type != FieldKind::Block) continue;
        for (auto inner : kind.BlockFields(field.Name)) {
            inner.Name = field.Name + "." + inner.Name;
            all.push_back(inner);
        }
    }
    return all;
}

Json KindJson(const KindInfo& kind) {
    Json keys = Json::array();
    for (const auto& key : kind.Keys())
        keys.push_back({{"column", key.Column}, {"field", key.Field}, {"number", key.Number}});
    Json fields = Json::array();
    for (const auto& field : AllFields(kind)) {
        Json row{{"name", field.Name}, {"type", FieldKindName(field.Type)}};
        if (const auto cls = FieldClass(kind, field.Name); !cls.empty()) row["class"] = cls;
        if (!field.Names.empty()) row["names"] = field.Names;
        fields.push_back(row);
    }
    Json lines = Json::array();
    for (const auto& line : kind.FileLines())
        lines.push_back({{"field", line.Field},
                         {"type", FieldKindName(line.Type)},
                         {"group", line.Group},
                         {"form", line.Form}});
    return {{"id", KindId(kind)},
            {"name", kind.Name()},
            {"table", kind.Table()},
            {"class", kind.RecordClass()},
            {"keys", keys},
            {"station", kind.HasStation()},
            {"describe", kind.HasDescript()},
            {"listFlag", kind.HasListFlag()},
            {"fields", fields},
            {"fileLines", lines}};
}

void WriteFieldReference(std::ostream& out) {
    bool first = true;
    for (const auto& kind : RecordKinds()) {
        if (!first) out << "\n";
        first = false;
        out << KindId(kind) << ": " << kind.Name() << " records, table " << kind.Table()
            << ", class " << kind.RecordClass() << ", key " << KeysText(kind);
        if (const auto options = OptionsText(kind); !options.empty()) out << "; " << options;
        out << "\n";
        std::size_t width = 0, typeWidth = 0;
        const auto fields = AllFields(kind);
        for (const auto& field : fields) {
            width = std::max(width, field.Name.size());
            typeWidth =
                std::max(typeWidth, TypeText(field.Type, FieldClass(kind, field.Name)).size());
        }
        out << "  Fields:\n";
        for (const auto& field : fields) {
            const std::string type = TypeText(field.Type, FieldClass(kind, field.Name));
            if (field.Names.empty()) {
                out << "    " << Pad(field.Name, width + 2) << type << "\n";
                continue;
            }
            out << "    " << Pad(field.Name, width + 2) << Pad(type, typeWidth + 2) << "names "
                << NamesText(field) << "\n";
        }
        out << "  Text file lines, in order:\n";
        int n = 0;
        for (const auto& line : kind.FileLines()) {
            out << "    " << Pad(std::to_string(++n) + ".", 4) << Pad(line.Field, width + 2)
                << LineForm(line, FieldClass(kind, line.Field));
            if (line.Group > 0) out << "; " << ReadWhen(line);
            out << "\n";
        }
    }
}

void WriteMarkdownReference(std::ostream& out) {
    const auto kinds = RecordKinds();
    out << "# Record kinds\n\n"
           "<!-- Written by `orvane kinds --markdown` from the library's kind descriptions; do "
           "not edit.\n"
           "     `cmake --build BUILD --target orvane-docs` writes it again, and a test checks "
           "that it is current. -->\n\n"
           "Every record kind the library serves: the name the `orvane` tool knows it by, the "
           "table of the\n"
           "rules database that holds it, its record class, its key, its fields with their "
           "types and the\n"
           "lines of its text file (`orvane export`, `orvane import`, the records' `Save` and "
           "`Load`) in\n"
           "order. [record-files.md](record-files.md) tells how each type is written on its "
           "line and\n"
           "[lists.md](lists.md) how each encoded list reads. A field that names other entries "
           "says which\n"
           "(`orvane check` resolves them): a record kind by its tool name, a lookup list, or "
           "`sub-skill`\n"
           "(a suggested sub-skill of some skill); per part of an entry where an entry has "
           "several.\n\n"
           "| Tool name | Table | Class | Key | Options |\n"
           "|---|---|---|---|---|\n";
    for (const auto& kind : kinds)
        out << "| [`" << KindId(kind) << "`](#" << KindId(kind) << ") | " << kind.Table() << " | "
            << kind.RecordClass() << " | " << KeysText(kind) << " | " << OptionsText(kind)
            << " |\n";
    out << "\nLookup lists (`orvane lookup LIST`), plain texts without a record class:\n\n"
           "| List | Table |\n|---|---|\n";
    for (const auto& lookup : LookupLists())
        out << "| `" << lookup.name << "` | " << lookup.table << " |\n";

    for (const auto& kind : kinds) {
        out << "\n## " << KindId(kind) << "\n\n"
            << kind.Name() << " records: table " << kind.Table() << ", class " << kind.RecordClass()
            << ".\n";
        for (const auto& key : kind.Keys())
            out << "Key " << KeyText(key) << ", the field " << key.Field << ".\n";
        if (kind.HasStation())
            out << "Station rows are a kind of their own within the table: `--station` lists, "
                   "shows, exports\nand deletes them.\n";
        if (kind.HasListFlag() && !kind.HasStation())
            out << "`list --flag` lists the other part of its rows.\n";
        if (kind.HasDescript()) out << "`show --describe` reads its description as well.\n";
        out << "\n| Field | Type | Names |\n|---|---|---|\n";
        for (const auto& field : AllFields(kind)) {
            const std::string cls = FieldClass(kind, field.Name);
            out << "| " << field.Name << " | " << FieldKindName(field.Type)
                << (cls.empty() ? "" : ", " + ClassLink(cls)) << " | " << NamesText(field)
                << " |\n";
        }
        out << "\nText file lines in order (a block stands for all of its own lines):\n\n"
               "| # | Field | Written as | Read |\n|---|---|---|---|\n";
        int n = 0;
        for (const auto& line : kind.FileLines())
            out << "| " << ++n << " | " << line.Field << " | "
                << Cell(LineForm(line, FieldClass(kind, line.Field))) << " | " << ReadWhen(line)
                << " |\n";
    }
}

}  // namespace orvane_cli
