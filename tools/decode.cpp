// Decoding records field by field and writing them for a person.
#include "decode.hpp"

#include <algorithm>
#include <optional>
#include <sstream>
#include <type_traits>
#include <typeindex>
#include <typeinfo>
#include <unordered_map>

namespace orvane_cli {

using namespace OrvaneLib;

namespace {

std::string Signed(long long value) { return (value >= 0 ? "+" : "") + std::to_string(value); }

Json LevelEntry(const std::string& name, Integer rank) { return {{"name", name}, {"rank", rank}}; }

template <class L, class Entry>
Json Entries(const L& list, Entry entry) {
    Json entries = Json::array();
    for (int i = 0; i < list.GetSize(); ++i) entries.push_back(entry(static_cast<Integer>(i)));
    return entries;
}

// The entries of each list class, as JSON.
Json EntriesOf(const clsListSimple& l) {
    return Entries(l, [&](Integer i) { return Json(l.GetItem(i)); });
}
Json EntriesOf(const clsListLevel& l) {
    return Entries(l, [&](Integer i) { return LevelEntry(l.GetName(i), l.GetRank(i)); });
}
Json EntriesOf(const clsListBonus& l) {
    return Entries(l, [&](Integer i) {
        // One level per instance the entry grants.
        Json levels = Json::array();
        for (int n = 0; n < l.GetNumber(i); ++n)
            levels.push_back(l.GetLevel(i, static_cast<Integer>(n)));
        return Json{{"name", l.GetName(i)}, {"number", l.GetNumber(i)}, {"levels", levels}};
    });
}
Json EntriesOf(const clsListSynergy& l) {
    return Entries(l, [&](Integer i) {
        return Json{{"level", l.GetLevel(i)}, {"skill", l.GetSkill(i)}, {"bonus", l.GetBonus(i)}};
    });
}
Json EntriesOf(const clsListSubSynergy& l) {
    return Entries(l, [&](Integer i) {
        return Json{{"level", l.GetLevel(i)},
                    {"subSkill", l.GetSubSkill(i)},
                    {"skill", l.GetSkill(i)},
                    {"bonus", l.GetBonus(i)}};
    });
}
Json EntriesOf(const clsListOrSimple& l) {
    return Entries(l, [&](Integer i) {
        Json set = Json::array();
        for (int n = 0; n < l.GetNumber(i); ++n)
            set.push_back(l.GetItem(i, static_cast<Integer>(n)));
        return set;
    });
}
Json EntriesOf(const clsListOrLevel& l) {
    return Entries(l, [&](Integer i) {
        Json set = Json::array();
        for (int n = 0; n < l.GetNumber(i); ++n) {
            const auto at = static_cast<Integer>(n);
            // Ranks come as decimal text; canonical lists hold 16-bit numbers only.
            set.push_back(
                LevelEntry(l.GetName(i, at), static_cast<Integer>(std::stoi(l.GetRank(i, at)))));
        }
        return set;
    });
}
Json EntriesOf(const clsListTripleSimple& l) {
    return Entries(l, [&](Integer i) {
        return Json{
            {"class", l.GetClass(i)}, {"oldFeat", l.GetOldFeat(i)}, {"newFeat", l.GetNewFeat(i)}};
    });
}

// The decoder of each list class of the library, found by the list's own class.
using Decoder = Json (*)(const EncodedList&);
template <class L>
Json Decode(const EncodedList& list) {
    return EntriesOf(static_cast<const L&>(list));
}
const std::unordered_map<std::type_index, Decoder>& Decoders() {
#define ORVANE_DECODER(L) {std::type_index(typeid(L)), &Decode<L>},
    static const std::unordered_map<std::type_index, Decoder> decoders = {
        ORVANE_LIST_CLASSES(ORVANE_DECODER)};
#undef ORVANE_DECODER
    return decoders;
}

// The entries of a list object of one of the library's list classes; nullopt for any other.
std::optional<Json> ListEntries(const Object& object) {
    const auto* list = dynamic_cast<const EncodedList*>(&object);
    if (!list) return std::nullopt;
    const auto found = Decoders().find(std::type_index(typeid(*list)));
    if (found == Decoders().end()) return std::nullopt;
    return found->second(*list);
}

std::string ListText(const Object& object) {
    const auto* list = dynamic_cast<const EncodedList*>(&object);
    return list ? list->GetList() : std::string();
}

Json Modifiers(const std::string& text) {
    Json out = Json::object();
    std::istringstream in(text);
    std::string value;
    for (const auto& ability : ModifierKeys()) {
        std::getline(in, value, '|');
        out[ability] = std::stoi(value);
    }
    return out;
}

bool IsList(const Json& value) { return value.is_object() && value.contains("entries"); }
bool IsModifiers(const Json& value) { return value.is_object() && value.contains("Str"); }

// One list entry as a person reads it.
std::string EntryText(const std::string& type, const Json& e) {
    auto text = [](const Json& v) { return v.get<std::string>(); };
    auto number = [](const Json& v) { return std::to_string(v.get<int>()); };
    if (type == "clsListLevel") return text(e["name"]) + ": " + number(e["rank"]);
    if (type == "clsListBonus") {
        std::string levels;
        for (const auto& level : e["levels"])
            levels += (levels.empty() ? "" : ", ") + number(level);
        return text(e["name"]) + ": " + number(e["number"]) +
               (levels.empty() ? "" : ", at levels " + levels);
    }
    if (type == "clsListSynergy")
        return text(e["skill"]) + ": " + Signed(e["bonus"].get<int>()) + " from level " +
               number(e["level"]);
    if (type == "clsListSubSynergy")
        return text(e["skill"]) + " (" + text(e["subSkill"]) +
               "): " + Signed(e["bonus"].get<int>()) + " from level " + number(e["level"]);
    if (type == "clsListOrSimple" || type == "clsListOrLevel") {
        std::string set;
        for (const auto& item : e) {
            set += set.empty() ? "" : " or ";
            set += item.is_string() ? text(item) : text(item["name"]) + ": " + number(item["rank"]);
        }
        return set;
    }
    if (type == "clsListTripleSimple")
        return text(e["class"]) + ": " + text(e["oldFeat"]) + " -> " + text(e["newFeat"]);
    return e.is_string() ? text(e) : e.dump();
}

}  // namespace

const std::vector<std::string>& ModifierKeys() {
    static const std::vector<std::string> keys = {"Str", "Dex", "Con", "Int", "Wis", "Cha"};
    return keys;
}

Json DecodeList(const Object& list) {
    auto entries = ListEntries(list);
    if (!entries) return nullptr;
    return Json{{"type", list.ClassName()}, {"text", ListText(list)}, {"entries", *entries}};
}

namespace {

// One field's value; `name` is "Block.Field" for a field of a nested block.
Json DecodeField(const KindInfo& kind, const Object& record, const FieldInfo& field,
                 const std::string& name) {
    switch (field.Type) {
        case FieldKind::Text:
            return kind.FieldText(record, name);
        case FieldKind::Boolean:
            return kind.FieldText(record, name) == "True";
        case FieldKind::IntegerNumber:
        case FieldKind::LongNumber:
            return std::stoll(kind.FieldText(record, name));
        case FieldKind::SingleNumber:
            return std::stod(kind.FieldText(record, name));
        case FieldKind::Modifiers:
            return Modifiers(kind.FieldText(record, name));
        case FieldKind::List: {
            const Object* list = kind.FieldObject(record, name);
            Json value = list ? DecodeList(*list) : Json(nullptr);
            if (value.is_null())  // a list the tool does not know: its text at least
                value = Json{{"type", nullptr},
                             {"text", kind.FieldText(record, name)},
                             {"entries", Json::array()}};
            return value;
        }
        case FieldKind::Block: {
            // The nested record's own fields (a requirements block: its flags, the species
            // level figure and its lists).
            if (!kind.FieldObject(record, name)) return nullptr;
            Json block = Json::object();
            for (const auto& inner : kind.BlockFields(name))
                block[inner.Name] = DecodeField(kind, record, inner, name + "." + inner.Name);
            return block;
        }
    }
    return nullptr;
}

}  // namespace

Json DecodeRecord(const KindInfo& kind, const Object& record) {
    Json fields = Json::object();
    for (const auto& field : kind.Fields())
        fields[field.Name] = DecodeField(kind, record, field, field.Name);
    return fields;
}

namespace {

// The lines of one field's value; a nested block gives none (its fields follow below it).
std::vector<std::string> ValueLines(const Json& value) {
    std::vector<std::string> lines;
    if (value.is_string()) {
        // Long texts keep their line breaks.
        const std::string text = value.get<std::string>();
        std::string line;
        for (std::size_t i = 0; i <= text.size(); ++i) {
            if (i == text.size() || text[i] == '\n' || text[i] == '\r') {
                lines.push_back(line);
                line.clear();
                if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') ++i;
            } else {
                line += text[i];
            }
        }
    } else if (value.is_boolean()) {
        lines.push_back(value.get<bool>() ? "True" : "False");
    } else if (value.is_number()) {
        lines.push_back(value.dump());
    } else if (value.is_null()) {
        lines.push_back("(none)");
    } else if (IsList(value)) {
        const std::string type = value["type"].is_string() ? value["type"].get<std::string>() : "";
        for (const auto& entry : value["entries"]) lines.push_back(EntryText(type, entry));
        if (lines.empty()) {
            const std::string text = value["text"].get<std::string>();
            lines.push_back(text.empty() ? "(none)" : text);
        }
    } else if (IsModifiers(value)) {
        std::string text;
        for (const auto& [ability, modifier] : value.items())
            text += (text.empty() ? "" : ", ") + ability + " " + Signed(modifier.get<int>());
        lines.push_back(text);
    }
    return lines;
}

}  // namespace

void WriteFields(std::ostream& out, const Json& fields, const std::string& indent) {
    std::size_t width = 0;
    for (const auto& [name, value] : fields.items()) width = std::max(width, name.size());
    const std::string pad(indent.size() + width + 2, ' ');
    for (const auto& [name, value] : fields.items()) {
        out << indent << name << ":";
        const auto lines = ValueLines(value);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (!lines[i].empty())
                out << (i == 0 ? std::string(width - name.size() + 1, ' ') : pad) << lines[i];
            out << "\n";
        }
        if (lines.empty()) {
            out << "\n";
            WriteFields(out, value, indent + "  ");
        }
    }
}

}  // namespace orvane_cli
