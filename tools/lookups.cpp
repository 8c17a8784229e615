// The lookup command: the five plain vocabularies (abilities, keywords, languages, regions,
// colours), listed, added to and deleted from.
#include <algorithm>
#include <iostream>
#include <optional>

#include "lookups.hpp"

namespace orvane_cli {

using namespace OrvaneLib;

namespace {

const LookupList kLookups[] = {
    {"abilities", "ability", "tblAbility", "--order", &clsDatabase::AbilityList,
     [](clsDatabase& db, const std::string& v, Integer n) { db.AddAbility(v, n); },
     &clsDatabase::DelAbility},
    {"keywords", "keyword", "tblKeywords", "--number", &clsDatabase::KeywordList,
     [](clsDatabase& db, const std::string& v, Integer n) { db.AddKeyword(v, n); },
     &clsDatabase::DelKeyword},
    {"languages", "language", "tblLanguages", nullptr, &clsDatabase::LanguageList,
     [](clsDatabase& db, const std::string& v, Integer) { db.AddLanguage(v); },
     &clsDatabase::DelLanguage},
    {"regions", "region", "tblRegion", nullptr, &clsDatabase::RegionList,
     [](clsDatabase& db, const std::string& v, Integer) { db.AddRegion(v); },
     &clsDatabase::DelRegion},
    {"colors", "color", "tblColors", nullptr, &clsDatabase::GetColorList,
     [](clsDatabase& db, const std::string& v, Integer) { db.AddColor(v); },
     &clsDatabase::DelColor},
};

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// How often a value is listed; the database compares keys without regard to letter case.
long Occurrences(const ListResult& list, const std::string& value) {
    if (list.IsEmptyForm()) return 0;
    return std::count_if(list.Values().begin(), list.Values().end(),
                         [&](const std::string& v) { return Lower(v) == Lower(value); });
}

struct LookupOptions {
    std::string name;
    std::optional<std::string> add;
    std::optional<std::string> del;
    std::optional<std::string> order;
    std::optional<std::string> number;
    bool json = false;
};

void ListValues(Session& session, const LookupList& lookup, bool json) {
    clsDatabase& db = session.Db();
    const int before = session.BoxesShown();
    const ListResult list = (db.*lookup.list)();
    const std::vector<std::string> values =
        list.IsEmptyForm() ? std::vector<std::string>{} : list.Values();
    const std::string name = lookup.name;
    // Abilities come with their order and keywords with their number. Without its stored
    // query the ability list is the fixed six, counted from 0, and has no orders to show.
    const bool numbered = (name == "abilities" && list.LBound() == 1) || name == "keywords";
    // Each keyword row with its own number: a keyword listed twice may carry two numbers,
    // where looking it up by name would give the first row's number for both.
    std::vector<std::pair<std::string, std::string>> keywordRows;
    if (name == "keywords" && !values.empty()) {
        try {
            keywordRows = KeywordRows(session.DbPath());
        } catch (const std::exception&) {
            keywordRows.clear();  // numbers are then looked up by name
        }
        // The rows read again must be the rows listed (no other program changed them).
        for (std::size_t i = 0; i < keywordRows.size() && i < values.size(); ++i)
            if (keywordRows[i].first != values[i]) keywordRows.clear();
        if (keywordRows.size() != values.size()) keywordRows.clear();
    }
    Json rows = Json::array();
    std::size_t width = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::string& value = values[i];
        width = std::max(width, value.size());
        if (!numbered) {
            rows.push_back(value);
        } else if (name == "abilities") {
            rows.push_back({{"name", value}, {"order", db.GetAbility(value)}});
        } else {
            const std::string text =
                keywordRows.empty() ? db.GetKeyword(value) : keywordRows[i].second;
            const auto number = ParseInteger(text);
            rows.push_back({{"keyword", value}, {"number", number ? Json(*number) : Json(text)}});
        }
    }
    // As with record lists, nothing to list fails: the library reports an empty table, but
    // not the keyword table when the database lacks it.
    const bool failed = values.empty() && session.BoxesShown() == before;
    const std::string nothing =
        std::string("no ") + lookup.name + ": the database has no " + lookup.table + " table";
    if (json) {
        PrintJson({{"list", lookup.name}, {"table", lookup.table}, {"values", rows}});
        if (failed) Fail(nothing);
        return;
    }
    for (const auto& row : rows) {
        if (row.is_string()) {
            std::cout << row.get<std::string>() << "\n";
            continue;
        }
        const auto& first = row.begin().value();
        const auto& second = (++row.begin()).value();
        const std::string text = first.get<std::string>();
        std::cout << text << std::string(width - text.size() + 2, ' ')
                  << (second.is_string() ? second.get<std::string>() : second.dump()) << "\n";
    }
    if (failed) Fail(nothing);
}

void Run(Session& session, const LookupOptions& o) {
    const auto* lookup = std::find_if(std::begin(kLookups), std::end(kLookups),
                                      [&](const LookupList& l) { return o.name == l.name; });
    if (lookup == std::end(kLookups)) FailUsage("unknown lookup list '" + o.name + "'");
    const bool isAbility = std::string(lookup->name) == "abilities";
    if ((o.order && !isAbility) || (o.number && std::string(lookup->name) != "keywords"))
        FailUsage(std::string("the ") + lookup->name + " list takes " +
                  (lookup->numberOption ? lookup->numberOption : "no number"));
    if (!o.add && !o.del) return ListValues(session, *lookup, o.json);
    const Integer number = o.order    ? RequireInteger(*o.order, "--order")
                           : o.number ? RequireInteger(*o.number, "--number")
                                      : Integer{0};

    clsDatabase& db = session.Db();
    auto quietList = [&] {
        ListResult list;
        session.Quietly([&] { list = (db.*lookup->list)(); });
        return list;
    };
    const int before = session.BoxesShown();
    if (o.del) {
        const std::string& value = *o.del;
        // The library deletes a missing value without a word; the command says so instead.
        if (!value.empty() && Occurrences(quietList(), value) == 0)
            Fail(std::string("no ") + lookup->singular + " '" + value + "'");
        (db.*lookup->del)(value);
        if (session.BoxesShown() != before) Fail("");
        std::cout << "Deleted " << lookup->singular << " '" << value << "'\n";
    }
    if (o.add) {
        const std::string& value = *o.add;
        const ListResult was = quietList();
        lookup->add(db, value, number);
        if (session.BoxesShown() != before) Fail("");
        // Abilities and keywords are added only when their table exists, silently
        // otherwise; a value that did not arrive is a failure. (The fixed ability list of a
        // database without its query cannot show an added value, so it is not checked.)
        if (was.LBound() == 1 || was.IsEmptyForm())
            if (Occurrences(quietList(), value) <= Occurrences(was, value))
                Fail(std::string("nothing was added: the database has no ") + lookup->table +
                     " table");
        std::cout << "Added " << lookup->singular << " '" << value << "'\n";
    }
}

}  // namespace

std::span<const LookupList> LookupLists() { return kLookups; }

void AddLookupCommand(CLI::App& app, Session& session) {
    auto o = std::make_shared<LookupOptions>();
    auto* cmd = app.add_subcommand(
        "lookup", "List a lookup list, or add a value to it or delete one from it");
    std::vector<std::string> names;
    for (const auto& lookup : kLookups) names.push_back(lookup.name);
    cmd->add_option("LIST", o->name, "abilities, keywords, languages, regions or colors")
        ->required()
        ->check(CLI::IsMember(names));
    auto* add = cmd->add_option("--add", o->add, "Add this value (a new row, even if listed)");
    auto* order = cmd->add_option("--order", o->order,
                                  "The added ability's order, a whole number from -32768 to 32767");
    auto* number = cmd->add_option(
        "--number", o->number, "The added keyword's number, a whole number from -32768 to 32767");
    order->needs(add)->excludes(number);
    number->needs(add);
    cmd->add_option("--delete", o->del, "Delete the first row holding this value");
    AddJsonFlag(*cmd, o->json);
    cmd->callback([&session, o] { Run(session, *o); });
}

}  // namespace orvane_cli
