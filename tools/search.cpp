// The search command: names and descriptions of every record kind, ranked.
#include <iostream>

#include "recordio.hpp"

namespace orvane_cli {

using namespace OrvaneLib;

namespace {

struct SearchOptions {
    std::vector<std::string> words;
    std::string kind;
    int limit = 20;
    bool json = false;
};

void Search(Session& session, const SearchOptions& o) {
    std::optional<KindInfo> kind;
    if (!o.kind.empty()) kind = RequireKind(o.kind);
    if (o.limit < 1) FailUsage("--limit must be at least 1");
    std::string text;
    for (const auto& w : o.words) text += (text.empty() ? "" : " ") + w;
    if (text.find_first_not_of(" \t") == std::string::npos) FailUsage("nothing to search for");
    const auto result = SearchRecords(session.Db(), text, kind, o.limit);
    if (!result.status.Ok()) {
        session.ShowStatus(result.status);
        Fail("the search could not finish");
    }
    auto idOf = [](const SearchHit& hit) {
        const auto k = FindKind(hit.Kind);
        return k ? KindId(*k) : hit.Kind;
    };
    if (o.json) {
        Json hits = Json::array();
        for (const auto& hit : result.value)
            hits.push_back({{"kind", hit.Kind},
                            {"id", idOf(hit)},
                            {"keys", hit.Keys},
                            {"station", hit.Station},
                            {"snippet", hit.Snippet},
                            {"score", hit.Score}});
        PrintJson({{"text", text}, {"hits", hits}});
    } else {
        for (const auto& hit : result.value) {
            std::string keys;
            for (const auto& key : hit.Keys) keys += (keys.empty() ? "" : ":") + key;
            std::cout << idOf(hit) << " '" << keys << "'" << (hit.Station ? " (station)" : "")
                      << ": " << hit.Snippet << "\n";
        }
    }
    if (result.value.empty()) Fail("nothing matches '" + text + "'");
}

}  // namespace

void AddSearchCommand(CLI::App& app, Session& session) {
    auto o = std::make_shared<SearchOptions>();
    auto* cmd = app.add_subcommand(
        "search",
        "Find records by the words of their names and descriptions, best first (letter case "
        "ignored; a word also matches the start of a longer one). The first search of a "
        "database adds its index to the file, kept current from then on");
    cmd->add_option("TEXT", o->words, "The words to find, all of them")->required();
    cmd->add_option("--kind", o->kind, "Search one record kind only");
    cmd->add_option("--limit", o->limit, "At most this many hits (default 20)");
    AddJsonFlag(*cmd, o->json);
    cmd->callback([&session, o] { Search(session, *o); });
}

}  // namespace orvane_cli
