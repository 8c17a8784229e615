// The database commands: init makes a new rules database, info tells what one holds.
#include <filesystem>
#include <iostream>
#include <optional>

#include "lookups.hpp"

namespace orvane_cli {

using namespace OrvaneLib;

namespace {

void Init(const std::string& file, bool sample) {
    std::error_code ec;
    if (std::filesystem::exists(file, ec))
        Fail(file + " exists; 'orvane init' makes new files only and never overwrites one");
    try {
        CreateRulesDatabase(file, sample);
    } catch (const std::exception& e) {
        Fail(std::string("could not create ") + file + ": " + e.what());
    }
    // The information row that FileDate and Version read: today's date and the library's
    // version. The sample brings its own row, which describes its content.
    if (!sample) {
        try {
            SetDatabaseInfo(file, LibraryVersion());
        } catch (const std::exception& e) {
            std::filesystem::remove(file, ec);  // half a database is no use to anyone
            Fail(std::string("could not create ") + file + ": " + e.what());
        }
    }
    std::cout << "Created " << file << ": "
              << (sample ? "a rules database with the sample content" : "an empty rules database")
              << "\n";
}

// How many rows a list operation gives: an empty table counts as 0; an optional table the
// database lacks is absent.
struct Count {
    long rows = 0;
    bool absent = false;
};

Count Counted(Session& session, const std::function<Result<ListResult>()>& list) {
    Result<ListResult> result;
    session.Quietly([&] { result = list(); });
    return {result.value.IsEmptyForm() ? 0 : static_cast<long>(result.value.size()),
            result.status.Code() == StatusCode::NoTable};
}

Json KindRow(Session& session, const KindInfo& kind) {
    clsDatabase& db = session.Db();
    const Count plain = Counted(session, [&] { return kind.TryList(db, false); });
    Json row{{"id", KindId(kind)}, {"name", kind.Name()}, {"table", kind.Table()}};
    if (!kind.HasListFlag()) {
        row["rows"] = plain.absent ? Json(nullptr) : Json(plain.rows);
        row["absent"] = plain.absent;
        return row;
    }
    // A kind whose list takes a flag lists its rows in two parts: both are counted.
    const Count flagged = Counted(session, [&] { return kind.TryList(db, true); });
    const bool absent = plain.absent && flagged.absent;
    row["rows"] = absent ? Json(nullptr) : Json(plain.rows + flagged.rows);
    row["absent"] = absent;
    row["flagged"] = flagged.rows;
    row["station"] = kind.HasStation();
    return row;
}

Json LookupRow(Session& session, const LookupList& lookup) {
    clsDatabase& db = session.Db();
    ListResult result;
    const auto reports = session.Quietly([&] { result = (db.*lookup.list)(); });
    Json row{{"name", lookup.name}, {"table", lookup.table}};
    const bool absent = result.IsEmptyForm() && reports.empty();
    row["rows"] = absent ? Json(nullptr) : Json(result.IsEmptyForm() ? 0 : result.size());
    row["absent"] = absent;
    // Without its stored query the ability list is the fixed six, counted from 0.
    if (!result.IsEmptyForm() && result.LBound() == 0) row["fixed"] = true;
    return row;
}

struct InfoOptions {
    bool json = false;
    std::optional<std::string> version;  // --set-version
};

void Info(Session& session, const InfoOptions& o) {
    session.RequireRulesDatabase();
    clsDatabase& db = session.Db();
    if (o.version) {
        try {
            SetDatabaseInfo(session.DbPath(), *o.version);
        } catch (const std::exception& e) {
            Fail(std::string("could not set the version: ") + e.what());
        }
    }
    const bool json = o.json;
    // A database without an information row (made by an older 'orvane init', say) has no
    // date or version; they are then unknown, which does not fail the command.
    std::string date, version;
    const auto reports = session.Quietly([&] {
        date = db.FileDate();
        version = db.Version();
    });
    Json out{{"database", session.DbPath()},
             {"fileDate", reports.empty() ? Json(date) : Json(nullptr)},
             {"version", reports.empty() ? Json(version) : Json(nullptr)}};
    out["kinds"] = Json::array();
    for (const auto& kind : RecordKinds()) out["kinds"].push_back(KindRow(session, kind));
    out["lookups"] = Json::array();
    for (const auto& lookup : LookupLists()) out["lookups"].push_back(LookupRow(session, lookup));
    if (json) {
        PrintJson(out);
    } else {
        auto text = [](const Json& value) {
            return value.is_null() ? std::string("unknown") : value.get<std::string>();
        };
        std::cout << "Database: " << out["database"].get<std::string>() << "\n"
                  << "Date:     " << text(out["fileDate"]) << "\n"
                  << "Version:  " << text(out["version"]) << "\n";
        for (const auto& report : reports) std::cout << "          (" << report << ")\n";
        std::size_t width = 0;
        for (const auto& row : out["kinds"])
            width = std::max(width, row["id"].get<std::string>().size());
        auto line = [&](const std::string& name, const Json& row, const std::string& note) {
            std::cout << "  " << name << std::string(width - name.size() + 2, ' ')
                      << (row["absent"].get<bool>() ? "absent" : row["rows"].dump()) << note
                      << "\n";
        };
        std::cout << "Records:\n";
        for (const auto& row : out["kinds"]) {
            std::string note;
            if (row.contains("flagged") && !row["absent"].get<bool>())
                note = "  (" + row["flagged"].dump() +
                       (!row["station"].get<bool>()       ? " listed with --flag)"
                        : row["flagged"].get<long>() == 1 ? " station)"
                                                          : " stations)");
            line(row["id"].get<std::string>(), row, note);
        }
        std::cout << "Lookup lists:\n";
        for (const auto& row : out["lookups"])
            line(row["name"].get<std::string>(), row,
                 row.contains("fixed") ? "  (the fixed list)" : "");
    }
}

}  // namespace

void AddDatabaseCommands(CLI::App& app, Session& session) {
    auto file = std::make_shared<std::string>();
    auto sample = std::make_shared<bool>(false);
    auto* init = app.add_subcommand(
        "init",
        "Create a new rules database from the schema, dated today with the library's version");
    init->add_option("FILE", *file, "The file to create; an existing file is never overwritten")
        ->required();
    init->add_flag("--sample", *sample, "Fill it with the sample content");
    init->callback([file, sample] { Init(*file, *sample); });

    auto o = std::make_shared<InfoOptions>();
    auto* info =
        app.add_subcommand("info", "Show the database's path, date, version and row counts");
    info->add_option("--set-version", o->version,
                     "First set the database's version to this text, dated today")
        ->check(NotEmpty("a version text"));
    AddJsonFlag(*info, o->json);
    info->callback([&session, o] { Info(session, *o); });
}

}  // namespace orvane_cli
