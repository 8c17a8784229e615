// The record commands: kinds, list, show, export, import and delete, each driven by the
// library's run-time list of record kinds, so that every kind the library serves is here.
#include <filesystem>
#include <iostream>

#include "decode.hpp"
#include "lookups.hpp"
#include "recordio.hpp"
#include "reference.hpp"
#include "session.hpp"

namespace orvane_cli {

using namespace OrvaneLib;

namespace {

std::string KeyNames(const KindInfo& kind) {
    std::string text;
    for (const auto& key : kind.Keys())
        text += (text.empty() ? "" : ", ") + key.Column + (key.Number ? " (number)" : "");
    return text;
}

// The keys a kind's operations take, from the command line. A kind with two keys also takes
// them as one "first:second" argument, the form its list shows.
std::vector<std::string> KeysOf(const KindInfo& kind, std::vector<std::string> args) {
    const std::size_t wanted = kind.Keys().size();
    if (args.size() == 1 && wanted == 2) {
        const std::string joined = args[0];
        const auto colon = joined.rfind(':');
        if (colon != std::string::npos) args = {joined.substr(0, colon), joined.substr(colon + 1)};
    }
    if (args.size() != wanted)
        FailUsage(kind.Name() + " records are found by " + KeyNames(kind) + ": " +
                  std::to_string(wanted) + " key(s), not " + std::to_string(args.size()));
    for (std::size_t i = 0; i < wanted; ++i)
        if (kind.Keys()[i].Number)
            args[i] = std::to_string(RequireInteger(args[i], kind.Keys()[i].Column));
    return args;
}

void CheckStation(const KindInfo& kind, bool station) {
    if (station && !kind.HasStation())
        FailUsage(kind.Name() + " records have no station form (--station)");
}

// The record with these keys; a missing one ends the command with the library's report, or
// with a line of its own when the library reports nothing. For kinds with station rows, a
// key that names only a row of the other form says so instead. The read returns what
// happened; other message boxes (a list text that did not parse) are shown with the record.
std::shared_ptr<Object> ReadRecord(Session& session, const KindInfo& kind,
                                   const std::vector<std::string>& keys, bool describe,
                                   bool station) {
    Result<std::shared_ptr<Object>> read;
    const auto reports =
        session.Quietly([&] { read = kind.TryRead(session.Db(), keys, describe, station); });
    session.Show(reports);
    if (read.value) return read.value;
    if (read.status.Code() == StatusCode::NotFound && kind.HasStation()) {
        Result<std::shared_ptr<Object>> other;
        session.Quietly([&] { other = kind.TryRead(session.Db(), keys, false, !station); });
        if (other.value && station)
            Fail("no " + kind.Name() + " station row " + QuotedKeys(keys) +
                 "; there is an ordinary row: leave out --station");
        if (other.value)
            Fail("no " + kind.Name() + " record " + QuotedKeys(keys) +
                 "; there is a station row: add --station");
    }
    if (!read.status.Quiet()) session.ShowStatus(read.status);
    Fail(session.BoxesShown() ? "" : "no " + kind.Name() + " record " + QuotedKeys(keys));
}

void FailOnReports(Session& session, int before) {
    if (session.BoxesShown() != before) Fail("");
}

// ---------------------------------------------------------------------------------------

struct KindsOptions {
    bool json = false;
    bool fields = false;
    bool markdown = false;
};

void Kinds(const KindsOptions& o) {
    const auto kinds = RecordKinds();
    if (o.json) {
        Json out{{"kinds", Json::array()}, {"lookups", Json::array()}};
        for (const auto& kind : kinds) out["kinds"].push_back(KindJson(kind));
        for (const auto& lookup : LookupLists())
            out["lookups"].push_back({{"name", lookup.name}, {"table", lookup.table}});
        PrintJson(out);
        return;
    }
    if (o.fields) return WriteFieldReference(std::cout);
    if (o.markdown) return WriteMarkdownReference(std::cout);
    std::size_t idWidth = 0, tableWidth = 0, classWidth = 0;
    for (const auto& kind : kinds) {
        idWidth = std::max(idWidth, KindId(kind).size());
        tableWidth = std::max(tableWidth, kind.Table().size());
        classWidth = std::max(classWidth, kind.RecordClass().size());
    }
    auto column = [](const std::string& text, std::size_t width) {
        return text + std::string(width - text.size() + 2, ' ');
    };
    std::cout << "Record kinds (orvane list KIND; orvane show KIND KEY...):\n";
    for (const auto& kind : kinds) {
        std::string options;
        if (kind.HasStation()) options += "  --station";
        if (kind.HasListFlag() && !kind.HasStation()) options += "  list --flag";
        if (kind.HasDescript()) options += "  show --describe";
        std::cout << "  " << column(KindId(kind), idWidth) << column(kind.Table(), tableWidth)
                  << column(kind.RecordClass(), classWidth) << "key " << KeyNames(kind) << options
                  << "\n";
    }
    std::cout << "Lookup lists (orvane lookup LIST):\n";
    for (const auto& lookup : LookupLists())
        std::cout << "  " << column(lookup.name, idWidth) << lookup.table << "\n";
}

struct ListOptions {
    std::string kind;
    bool flag = false;
    bool station = false;
    bool json = false;
};

void List(Session& session, const ListOptions& o) {
    const KindInfo kind = RequireKind(o.kind);
    if (o.flag && !kind.HasListFlag()) FailUsage(kind.Name() + " lists take no flag (--flag)");
    if (o.station && !(kind.HasStation() && kind.HasListFlag()))
        FailUsage(kind.Name() + " lists have no station form (--station)");
    const bool flag = o.flag || o.station;
    const int before = session.BoxesShown();
    const ListResult list = kind.List(session.Db(), flag);
    const std::vector<std::string> values =
        list.IsEmptyForm() ? std::vector<std::string>{} : list.Values();
    // Nothing to list fails the command for every kind alike: the library reports an empty
    // table, but not an optional table that is absent or a flag that selects no rows.
    const bool failed = values.empty() && session.BoxesShown() == before;
    if (o.json) {
        Json out{{"kind", kind.Name()}, {"id", KindId(kind)}};
        if (kind.HasListFlag()) out["flag"] = flag;
        out["lbound"] = list.LBound();
        out["values"] = values;
        PrintJson(out);
    } else {
        for (const auto& value : values) std::cout << value << "\n";
    }
    if (failed)
        Fail("no " + kind.Name() + " records" +
             (o.station ? " with --station"
              : o.flag  ? " with --flag"
                        : ""));
}

struct ShowOptions {
    std::string kind;
    std::vector<std::string> keys;
    bool describe = false;
    bool station = false;
    bool json = false;
};

void Show(Session& session, const ShowOptions& o) {
    const KindInfo kind = RequireKind(o.kind);
    const auto keys = KeysOf(kind, o.keys);
    CheckStation(kind, o.station);
    if (o.describe && !kind.HasDescript())
        FailUsage(kind.Name() + " records have no description (--describe)");
    const int before = session.BoxesShown();
    // JSON is the whole record, for programs and for import: the description comes too.
    const bool describe = o.describe || (o.json && kind.HasDescript());
    const auto record = ReadRecord(session, kind, keys, describe, o.station);
    const Json fields = DecodeRecord(kind, *record);
    if (o.json) {
        PrintJson({{"kind", kind.Name()},
                   {"id", KindId(kind)},
                   {"class", kind.RecordClass()},
                   {"table", kind.Table()},
                   {"keys", keys},
                   {"station", o.station},
                   {"fields", fields}});
    } else {
        std::string title = kind.Name();
        for (const auto& key : keys) title += " " + key;
        std::cout << title << (o.station ? " (station)" : "") << "\n";
        WriteFields(std::cout, fields, "  ");
    }
    // A record read with reports (a list that did not parse) is shown, and still fails.
    FailOnReports(session, before);
}

struct ExportOptions {
    std::string kind;
    std::vector<std::string> args;  // the keys, then the file
    bool station = false;
    bool force = false;
};

void Export(Session& session, const ExportOptions& o) {
    const KindInfo kind = RequireKind(o.kind);
    if (o.args.size() < 2) FailUsage("export takes KIND, the record's key(s) and a FILE");
    const std::string file = o.args.back();
    const auto keys = KeysOf(kind, {o.args.begin(), o.args.end() - 1});
    CheckStation(kind, o.station);
    std::error_code ec;
    if (!o.force && std::filesystem::exists(std::filesystem::symlink_status(file, ec)))
        Fail(file + " exists; give --force to overwrite it");
    // The file keeps the whole record, description included, so an import restores it all.
    const auto record = ReadRecord(session, kind, keys, kind.HasDescript(), o.station);
    const int before = session.BoxesShown();
    kind.Save(*record, file);
    FailOnReports(session, before);
    std::cout << "Saved " << kind.Name() << " " << QuotedKeys(keys) << " to " << file << "\n";
}

struct ImportOptions {
    std::string kind;
    std::string file;
    bool force = false;
};

void Import(Session& session, const ImportOptions& o) {
    const KindInfo kind = RequireKind(o.kind);
    const auto record = StoreRecordFromFile(session, kind, o.file, o.force, false);
    std::cout << "Added " << kind.Name() << " " << QuotedKeys(RecordKeys(kind, *record)) << "\n";
}

struct DeleteOptions {
    std::string kind;
    std::vector<std::string> keys;
    bool station = false;
};

void Delete(Session& session, const DeleteOptions& o) {
    const KindInfo kind = RequireKind(o.kind);
    const auto keys = KeysOf(kind, o.keys);
    CheckStation(kind, o.station);
    // Several kinds delete a missing key without a word; looking first makes a key that
    // names no record a failure of the command for every kind.
    ReadRecord(session, kind, keys, false, o.station);
    const int before = session.BoxesShown();
    kind.Delete(session.Db(), keys, o.station);
    FailOnReports(session, before);
    std::cout << "Deleted " << kind.Name() << " " << QuotedKeys(keys) << "\n";
}

}  // namespace

void AddRecordCommands(CLI::App& app, Session& session) {
    const std::string kindHelp = "Record kind, as 'orvane kinds' names it (e.g. starship-crew)";

    auto k = std::make_shared<KindsOptions>();
    auto* kinds = app.add_subcommand("kinds", "List every record kind and lookup list");
    auto* fields = kinds->add_flag(
        "--fields", k->fields,
        "Show every kind's keys, fields with their types and text-file lines in order");
    kinds->add_flag("--markdown", k->markdown, "The same as Markdown (docs/kinds.md)")
        ->excludes(fields);
    AddJsonFlag(*kinds, k->json);
    kinds->callback([k] { Kinds(*k); });

    auto list = std::make_shared<ListOptions>();
    auto* listCmd = app.add_subcommand(
        "list", "List the records of a kind by key (exit status 1 when there are none)");
    listCmd->add_option("KIND", list->kind, kindHelp)->required();
    listCmd->add_flag(
        "--flag", list->flag,
        "Set the list's flag, for kinds whose list takes one (skills: the Aumen skills "
        "instead of the ordinary ones; station kinds: the stations)");
    listCmd->add_flag("--station", list->station, "List station rows (kinds with stations)");
    AddJsonFlag(*listCmd, list->json);
    listCmd->callback([&session, list] { List(session, *list); });

    auto show = std::make_shared<ShowOptions>();
    auto* showCmd = app.add_subcommand("show", "Show one record, every list decoded");
    showCmd->add_option("KIND", show->kind, kindHelp)->required();
    showCmd
        ->add_option("KEY", show->keys,
                     "The record's key(s); two-key kinds also take FIRST:SECOND as listed")
        ->required();
    showCmd->add_flag("--describe", show->describe, "Read the description too");
    showCmd->add_flag("--station", show->station, "Read the station row");
    AddJsonFlag(*showCmd, show->json);
    showCmd->callback([&session, show] { Show(session, *show); });

    auto exp = std::make_shared<ExportOptions>();
    auto* exportCmd = app.add_subcommand("export", "Save one record to a text file");
    exportCmd->add_option("KIND", exp->kind, kindHelp)->required();
    exportCmd->add_option("KEY... FILE", exp->args, "The record's key(s), then the file to write")
        ->required();
    exportCmd->add_flag("--station", exp->station, "Export the station row");
    exportCmd->add_flag("--force", exp->force, "Overwrite the file when it exists");
    exportCmd->callback([&session, exp] { Export(session, *exp); });

    auto imp = std::make_shared<ImportOptions>();
    auto* importCmd = app.add_subcommand(
        "import",
        "Add a record from its JSON ('show --json') or its text file ('export'), told apart by "
        "content (a new row, as every add makes); list texts that would not be stored as "
        "written are refused");
    importCmd->add_option("KIND", imp->kind, kindHelp)->required();
    importCmd
        ->add_option("FILE", imp->file,
                     "The record: JSON as 'orvane show --json' prints it, or a file written by "
                     "'orvane export'")
        ->required();
    importCmd->add_flag("--force", imp->force,
                        "Store list texts that would not read back as written");
    importCmd->callback([&session, imp] { Import(session, *imp); });

    auto del = std::make_shared<DeleteOptions>();
    auto* deleteCmd = app.add_subcommand("delete", "Delete one record");
    deleteCmd->add_option("KIND", del->kind, kindHelp)->required();
    deleteCmd->add_option("KEY", del->keys, "The record's key(s)")->required();
    deleteCmd->add_flag("--station", del->station, "Delete the station row");
    deleteCmd->callback([&session, del] { Delete(session, *del); });
}

}  // namespace orvane_cli
