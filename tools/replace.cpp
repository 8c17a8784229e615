// Storing a record from a file with its checks, and the replace command: an edited record
// takes the place of the stored one in one transaction, so the database never holds neither
// or both.
#include <filesystem>
#include <iostream>

#include "recordio.hpp"

namespace orvane_cli {

using namespace OrvaneLib;

namespace {

// Stores the record, after deleting the one it replaces, in one transaction.
Status Store(Session& session, const KindInfo& kind, const Object& record, bool replace) {
    clsDatabase& db = session.Db();
    const int before = session.BoxesShown();
    db.BeginTrans();
    if (session.BoxesShown() != before) Fail("");
    Status st;
    if (replace) {
        st = kind.TryDelete(db, RecordKeys(kind, record), RecordStation(kind, record));
        if (st.Code() == StatusCode::NotFound) {
            db.Rollback();
            Fail("no stored " + kind.Name() + " " + QuotedKeys(RecordKeys(kind, record)) +
                 (RecordStation(kind, record) ? " (station)" : "") +
                 " to replace; 'orvane import' adds a new one");
        }
    }
    if (st.Ok()) st = StoreWholeRecord(db, kind, record);
    if (!st.Ok()) {
        db.Rollback();
        return st;
    }
    db.CommitTrans();
    if (session.BoxesShown() != before) Fail("");
    return st;
}

struct ReplaceOptions {
    std::string kind;
    std::string file;
    bool force = false;
};

}  // namespace

std::shared_ptr<Object> StoreRecordFromFile(Session& session, const KindInfo& kind,
                                            const std::string& file, bool force, bool replace) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) Fail("no file " + file);
    session.Db();  // a database that cannot be opened ends the command before anything else
    const RecordInput in = ReadRecordFile(session, kind, file);
    // A file of empty lines loads as a record without a name: not one to store.
    for (const auto& key : kind.Keys())
        if (!key.Number && kind.FieldText(*in.record, key.Field).empty())
            Fail(file + " gives the " + kind.Name() + " no " + key.Column +
                 " (an empty key); nothing was " + (replace ? "replaced" : "added"));
    if (const auto mangled = MangledLists(kind, in); !mangled.empty() && !force) {
        for (const auto& m : mangled) std::cerr << "orvane: " << MangledText(m) << "\n";
        Fail(kind.Name() + " record from " + file +
             ": list texts would not be stored as written; nothing was stored (--force stores "
             "them as shown)");
    }
    // Names that name no entry are stored (the entry may come next) but said.
    const auto named = CheckRecordNames(session.Db(), kind, *in.record);
    for (const auto& f : named.value) {
        std::string line = "orvane: warning: field " + f.Field + " names '" + f.Name +
                           "', which is no " + TargetNoun(f.Target);
        line += DidYouMean(f.Suggestions);
        std::cerr << line << "\n";
    }
    if (Status st = Store(session, kind, *in.record, replace); !st.Ok()) {
        session.ShowStatus(st);
        Fail("");
    }
    return in.record;
}

void AddReplaceCommand(CLI::App& app, Session& session) {
    auto o = std::make_shared<ReplaceOptions>();
    auto* cmd = app.add_subcommand(
        "replace",
        "Replace a stored record by an edited one (JSON or text file): the record with its key "
        "is deleted and the new one added in one transaction");
    cmd->add_option("KIND", o->kind, "Record kind, as 'orvane kinds' names it")->required();
    cmd->add_option("FILE", o->file,
                    "The edited record: JSON as 'orvane show --json' prints it, or a file "
                    "written by 'orvane export'")
        ->required();
    cmd->add_flag("--force", o->force, "Store list texts that would not read back as written");
    cmd->callback([&session, o] {
        const KindInfo kind = RequireKind(o->kind);
        const auto record = StoreRecordFromFile(session, kind, o->file, o->force, true);
        std::cout << "Replaced " << kind.Name() << " " << QuotedKeys(RecordKeys(kind, *record))
                  << (RecordStation(kind, *record) ? " (station)" : "") << "\n";
    });
}

}  // namespace orvane_cli
