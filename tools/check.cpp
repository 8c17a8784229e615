// The check command: every name that points at another entry resolved, every list text read
// back, each problem reported with the record, the field and the closest existing names.
#include <iostream>
#include <set>

#include "recordio.hpp"

namespace orvane_cli {

using namespace OrvaneLib;

namespace {

struct CheckOptions {
    bool json = false;
};

std::string KindIdOf(const std::string& kindName) {
    const auto kind = FindKind(kindName);
    return kind ? KindId(*kind) : kindName;
}

// "species 'Orvani'", "class-level 'Scout:3'", "starship-crew '10' (station)".
std::string RecordText(const ReferenceFinding& f) {
    std::string keys;
    for (const auto& key : f.Keys) keys += (keys.empty() ? "" : ":") + key;
    return KindIdOf(f.Kind) + " '" + keys + "'" + (f.Station ? " (station)" : "");
}

void Check(Session& session, const CheckOptions& o) {
    clsDatabase& db = session.Db();
    const auto result = CheckReferences(db);
    if (!result.status.Ok()) {
        session.ShowStatus(result.status);
        Fail("the check could not finish");
    }
    const auto& findings = result.value;
    std::set<std::string> records;
    for (const auto& f : findings) records.insert(RecordText(f));
    if (o.json) {
        Json problems = Json::array();
        for (const auto& f : findings) {
            Json p{
                {"problem", f.Type == ReferenceFinding::Problem::Dangling ? "dangling" : "mangled"},
                {"kind", f.Kind},
                {"id", KindIdOf(f.Kind)},
                {"keys", f.Keys},
                {"station", f.Station},
                {"field", f.Field}};
            if (f.Type == ReferenceFinding::Problem::Dangling) {
                p["name"] = f.Name;
                p["names"] = f.Target;
                p["suggestions"] = f.Suggestions;
            } else {
                p["text"] = f.Text;
                p["canonical"] = f.Canonical;
            }
            problems.push_back(p);
        }
        PrintJson(
            {{"problems", problems}, {"count", findings.size()}, {"records", records.size()}});
    } else {
        for (const auto& f : findings) {
            std::cout << RecordText(f) << ": field " << f.Field;
            if (f.Type == ReferenceFinding::Problem::Dangling)
                std::cout << " names '" << f.Name << "', which is no " << TargetNoun(f.Target)
                          << DidYouMean(f.Suggestions) << "\n";
            else
                std::cout << ": '" << f.Text << "' does not read back as itself; it is read as '"
                          << f.Canonical << "'\n";
        }
    }
    if (!findings.empty())
        Fail(std::to_string(findings.size()) + " problem" + (findings.size() == 1 ? "" : "s") +
             " in " + std::to_string(records.size()) + " record" +
             (records.size() == 1 ? "" : "s"));
    if (!o.json) std::cout << "No problems: every name resolves and every list reads back.\n";
}

}  // namespace

void AddCheckCommand(CLI::App& app, Session& session) {
    auto o = std::make_shared<CheckOptions>();
    auto* cmd = app.add_subcommand(
        "check",
        "Check every name that points at another entry (skills, feats, classes, special "
        "qualities, ...) and every list text; exit status 1 when anything is found");
    AddJsonFlag(*cmd, o->json);
    cmd->callback([&session, o] { Check(session, *o); });
}

}  // namespace orvane_cli
