// dump and load: a whole rules database as a tree of text files made for version control,
// and back.
//
//   DIR/info.txt               the information row(s)
//   DIR/lookups/NAME.txt       one file per lookup list (abilities, keywords, ...)
//   DIR/records/KIND.txt       one file per record kind (one per table)
//
// Each file holds its rows in table order, one block of lines per row and a blank line
// between blocks; each line is "Field: value", fields in the kind's order (a block's own
// fields follow it as "Requirements.Skill"), lists in their canonical text, numbers in
// decimal, Booleans True or False. A backslash, line feed or carriage return in a value is
// written \\, \n or \r. A lookup or information value that is null has no line.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>

#include "recordio.hpp"
#include "reference.hpp"

namespace orvane_cli {

using namespace OrvaneLib;
namespace fs = std::filesystem;

namespace {

// The record kinds to dump: one per table (two kinds may share one).
std::vector<KindInfo> DumpedKinds() {
    std::vector<KindInfo> kinds;
    std::set<std::string> tables;
    for (const auto& kind : RecordKinds())
        if (tables.insert(kind.Table()).second) kinds.push_back(kind);
    return kinds;
}

void WriteLine(std::ostream& out, const std::string& field, const std::string& value) {
    out << field << ":";
    if (!value.empty()) out << " " << Escape(value);
    out << "\n";
}

class Output {
  public:
    explicit Output(const fs::path& path) : path_(path), out_(path, std::ios::binary) {
        if (!out_) Fail("cannot write " + path.string());
    }
    std::ostream& Next() {
        if (count_++) out_ << "\n";
        return out_;
    }
    void Close() {
        out_.close();
        if (!out_) Fail("cannot write " + path_.string());
    }

  private:
    fs::path path_;
    std::ofstream out_;
    int count_ = 0;
};

struct DumpOptions {
    std::string dir;
    bool force = false;
};

void Dump(Session& session, const DumpOptions& o) {
    clsDatabase& db = session.Db();
    session.RequireRulesDatabase();
    const fs::path dir(o.dir);
    std::error_code ec;
    if (fs::exists(dir, ec) && !fs::is_directory(dir, ec)) Fail(o.dir + " is not a folder");
    if (fs::exists(dir, ec) && !fs::is_empty(dir, ec) && !o.force)
        Fail(o.dir + " is not empty; give --force to write the dump over what it holds");
    // Over an earlier dump: its files go, so that a kind or list emptied since leaves none.
    std::vector<fs::path> old;
    for (const char* sub : {"records", "lookups"})
        if (fs::is_directory(dir / sub, ec))
            for (const auto& entry : fs::directory_iterator(dir / sub))
                if (entry.path().extension() == ".txt") old.push_back(entry.path());
    for (const auto& path : old) fs::remove(path);
    fs::remove(dir / "info.txt", ec);
    fs::create_directories(dir / "records");
    fs::create_directories(dir / "lookups");

    std::size_t rows = 0;
    for (const auto& table : PlainTables()) {
        std::vector<PlainRow> read;
        const Status st = ReadPlainRows(db, table, read);
        if (st.Code() == StatusCode::NoTable) continue;
        if (!st.Ok()) {
            session.ShowStatus(st);
            Fail("could not read " + table.Table);
        }
        Output out(table.Name == "info" ? dir / "info.txt"
                                        : dir / "lookups" / (table.Name + ".txt"));
        for (const auto& row : read) {
            std::ostream& s = out.Next();
            for (std::size_t i = 0; i < row.size(); ++i)
                if (row[i]) WriteLine(s, table.Columns[i], *row[i]);
        }
        out.Close();
        rows += read.size();
    }
    std::size_t kinds = 0;
    for (const auto& kind : DumpedKinds()) {
        const auto fields = AllFields(kind);
        Output out(dir / "records" / (KindId(kind) + ".txt"));
        const Status st = ForEachRecord(db, kind, [&](const Object& record) {
            std::ostream& s = out.Next();
            for (const auto& field : fields)
                if (field.Type != FieldKind::Block)
                    WriteLine(s, field.Name, kind.FieldText(record, field.Name));
            ++rows;
            return Status();
        });
        out.Close();
        if (st.Code() == StatusCode::NoTable) {
            fs::remove(dir / "records" / (KindId(kind) + ".txt"));
            continue;
        }
        if (!st.Ok()) {
            session.ShowStatus(st);
            Fail("the dump of " + kind.Table() + " is incomplete");
        }
        ++kinds;
    }
    std::cout << "Dumped " << rows << " rows of " << kinds << " record kinds, the lookup lists "
              << "and the information row to " << o.dir << "\n";
}

// ---------------------------------------------------------------------------------------
// load

// One "Field: value" block of a file.
struct Block {
    int line = 0;                                                             // where it starts
    std::vector<std::pair<int, std::pair<std::string, std::string>>> values;  // line, field, text
};

// Reads a file block by block, counting the bytes read for the progress bar.
class BlockReader {
  public:
    BlockReader(const fs::path& path, std::size_t& done)
        : path_(path), in_(path, std::ios::binary), done_(done) {
        if (!in_) Fail("cannot read " + path.string());
    }
    bool Next(Block& block) {
        block = {};
        std::string line;
        while (std::getline(in_, line)) {
            done_ += line.size() + 1;
            ++number_;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.empty()) {
                if (!block.values.empty()) return true;
                continue;
            }
            const auto colon = line.find(':');
            if (colon == std::string::npos || colon == 0)
                Fail(Where(number_) + ": not a 'Field: value' line: " + line);
            std::string value = line.substr(colon + 1);
            if (!value.empty() && value[0] == ' ') value.erase(0, 1);
            try {
                value = Unescape(value);
            } catch (const std::invalid_argument& e) {
                Fail(Where(number_) + ", field " + line.substr(0, colon) + ": " + e.what());
            }
            if (block.values.empty()) block.line = number_;
            block.values.push_back({number_, {line.substr(0, colon), value}});
        }
        return !block.values.empty();
    }
    std::string Where(int line) const { return path_.string() + " line " + std::to_string(line); }

  private:
    fs::path path_;
    std::ifstream in_;
    std::size_t& done_;
    int number_ = 0;
};

class Progress {
  public:
    explicit Progress(std::size_t total) : total_(total), shown_(isatty(STDERR_FILENO) != 0) {}
    ~Progress() {
        if (shown_ && drawn_) std::cerr << "\r" << std::string(60, ' ') << "\r" << std::flush;
    }
    void Update(std::size_t done, const std::string& what) {
        if (!shown_ || total_ == 0) return;
        const int percent =
            static_cast<int>(100.0 * static_cast<double>(done) / static_cast<double>(total_));
        if (percent == last_) return;
        last_ = percent;
        drawn_ = true;
        const int bar = percent / 5;
        std::cerr << "\rloading [" << std::string(static_cast<std::size_t>(bar), '#')
                  << std::string(static_cast<std::size_t>(20 - bar), ' ') << "] " << percent << "% "
                  << what.substr(0, 24)
                  << std::string(24 - std::min<std::size_t>(24, what.size()), ' ') << std::flush;
    }

  private:
    std::size_t total_;
    bool shown_;
    bool drawn_ = false;
    int last_ = -1;
};

struct LoadOptions {
    std::string dir;
    bool force = false;
};

// Whether a kind's table holds any row.
bool HasRows(clsDatabase& db, const KindInfo& kind) {
    bool found = false;
    const Status st = ForEachRecord(db, kind, [&](const Object&) {
        found = true;
        return Status(StatusCode::BadValue, "enough");
    });
    return found || !(st.Ok() || st.Code() == StatusCode::NoTable);
}

void RequireEmpty(clsDatabase& db) {
    for (const auto& kind : DumpedKinds())
        if (HasRows(db, kind))
            Fail("the database is not empty (" + kind.Table() +
                 " has rows): load fills a new one, made by 'orvane init'");
    for (const auto& table : PlainTables()) {
        if (table.Name == "info") continue;  // init writes it; the dump's takes its place
        std::vector<PlainRow> rows;
        if (ReadPlainRows(db, table, rows).Ok() && !rows.empty())
            Fail("the database is not empty (" + table.Table +
                 " has rows): load fills a new one, made by 'orvane init'");
    }
}

// Every file the load reads, in order: the information row, the lookup lists, the records.
struct LoadFile {
    fs::path path;
    std::optional<PlainTableInfo> plain;
    std::optional<KindInfo> kind;
};

std::vector<LoadFile> FilesOf(const fs::path& dir) {
    std::vector<LoadFile> files;
    std::error_code ec;
    for (const auto& table : PlainTables()) {
        const fs::path path =
            table.Name == "info" ? dir / "info.txt" : dir / "lookups" / (table.Name + ".txt");
        if (fs::is_regular_file(path, ec)) files.push_back({path, table, std::nullopt});
    }
    std::vector<std::string> ids;
    for (const auto& kind : RecordKinds()) ids.push_back(KindId(kind));
    std::vector<fs::path> records;
    if (fs::is_directory(dir / "records", ec))
        for (const auto& entry : fs::directory_iterator(dir / "records"))
            if (entry.path().extension() == ".txt") records.push_back(entry.path());
    std::sort(records.begin(), records.end());
    for (const auto& path : records) {
        const std::string id = path.stem().string();
        if (std::find(ids.begin(), ids.end(), id) == ids.end())
            Fail(path.string() + ": no record kind '" + id + "'" + Suggestion(id, ids));
        files.push_back({path, std::nullopt, FindKind(id)});
    }
    return files;
}

// Loads one file's blocks inside the running transaction; ends the command on the first
// failure (the caller rolls back).
void LoadPlain(Session& session, const LoadFile& file, BlockReader& reader) {
    clsDatabase& db = session.Db();
    const PlainTableInfo& table = *file.plain;
    if (table.Name == "info")
        if (Status st = ClearPlainTable(db, table); !st.Ok()) {
            session.ShowStatus(st);
            Fail(file.path.string() + ": the information row could not be replaced");
        }
    Block block;
    while (reader.Next(block)) {
        PlainRow row(table.Columns.size());
        for (const auto& [line, fv] : block.values) {
            const auto& [field, value] = fv;
            const auto at = std::find(table.Columns.begin(), table.Columns.end(), field);
            if (at == table.Columns.end())
                Fail(reader.Where(line) + ": " + table.Table + " has no column " + field +
                     Suggestion(field, table.Columns));
            row[static_cast<std::size_t>(at - table.Columns.begin())] = value;
        }
        if (Status st = AddPlainRow(db, table, row); !st.Ok())
            Fail(reader.Where(block.line) + ": " + st.Message());
    }
}

void LoadRecords(Session& session, const LoadFile& file, BlockReader& reader, bool force,
                 std::size_t& count, const std::function<void()>& tick) {
    clsDatabase& db = session.Db();
    const KindInfo& kind = *file.kind;
    const auto fields = AllFields(kind);
    std::vector<std::string> names;
    for (const auto& f : fields)
        if (f.Type != FieldKind::Block) names.push_back(f.Name);
    Block block;
    while (reader.Next(block)) {
        RecordInput in;
        in.record = kind.NewRecord();
        std::set<std::string> seen;
        std::map<std::string, int> lineOf;
        for (const auto& [line, fv] : block.values) {
            const auto& [field, value] = fv;
            const auto at = std::find_if(fields.begin(), fields.end(), [&](const FieldInfo& f) {
                return f.Name == field && f.Type != FieldKind::Block;
            });
            if (at == fields.end())
                Fail(reader.Where(line) + ": " + kind.Name() + " records have no field " + field +
                     Suggestion(field, names));
            if (!seen.insert(field).second)
                Fail(reader.Where(line) + ", field " + field + ": given twice in one record");
            try {
                session.Quietly([&] { kind.SetFieldText(*in.record, field, value); });
            } catch (const std::invalid_argument& e) {
                Fail(reader.Where(line) + ", field " + field + ": " + e.what());
            }
            if (at->Type == FieldKind::List) {
                in.listTexts[field] = value;
                lineOf[field] = line;
            }
        }
        for (const auto& key : kind.Keys())
            if (!seen.count(key.Field))
                Fail(reader.Where(block.line) + ", field " + key.Field +
                     ": the record has no key field");
        if (!force)
            for (const auto& m : MangledLists(kind, in))
                Fail(reader.Where(lineOf[m.field]) + ", " + MangledText(m) +
                     " (--force loads it as that)");
        if (Status st = StoreWholeRecord(db, kind, *in.record); !st.Ok())
            Fail(reader.Where(block.line) + ": " + st.Message());
        ++count;
        tick();
    }
}

void Load(Session& session, const LoadOptions& o) {
    clsDatabase& db = session.Db();
    session.RequireRulesDatabase();
    const fs::path dir(o.dir);
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) Fail("no folder " + o.dir);
    const auto files = FilesOf(dir);
    if (files.empty()) Fail(o.dir + " holds no dump (info.txt, lookups/, records/)");
    RequireEmpty(db);
    std::size_t total = 0, done = 0, count = 0;
    for (const auto& f : files) total += static_cast<std::size_t>(fs::file_size(f.path, ec));

    const int before = session.BoxesShown();
    db.BeginTrans();
    if (session.BoxesShown() != before) Fail("the load could not begin");
    try {
        Progress progress(total);
        for (const auto& file : files) {
            const std::string name =
                file.path.parent_path().filename().string() == "records" ||
                        file.path.parent_path().filename().string() == "lookups"
                    ? file.path.parent_path().filename().string() + "/" +
                          file.path.filename().string()
                    : file.path.filename().string();
            BlockReader reader(file.path, done);
            progress.Update(done, name);
            if (file.plain)
                LoadPlain(session, file, reader);
            else
                LoadRecords(session, file, reader, o.force, count,
                            [&] { progress.Update(done, name); });
        }
    } catch (...) {
        db.Rollback();
        std::cerr << "orvane: nothing was loaded\n";
        throw;
    }
    db.CommitTrans();
    if (session.BoxesShown() != before) Fail("the load could not be committed");
    std::cout << "Loaded " << count << " records and the lookup lists from " << o.dir << "\n";
}

}  // namespace

void AddDumpCommands(CLI::App& app, Session& session) {
    auto d = std::make_shared<DumpOptions>();
    auto* dump = app.add_subcommand(
        "dump",
        "Write the whole database as a tree of text files for version control: one file per "
        "record kind and lookup list, one 'Field: value' line per field, rows in table order");
    dump->add_option("DIR", d->dir, "The folder to write (made when missing)")->required();
    dump->add_flag("--force", d->force, "Write into a folder that is not empty (an earlier dump)");
    dump->callback([&session, d] { Dump(session, *d); });

    auto l = std::make_shared<LoadOptions>();
    auto* load = app.add_subcommand(
        "load",
        "Fill an empty database (made by 'orvane init') from a dump, in one transaction: a file "
        "that does not read is reported with its line and field, and nothing is loaded");
    load->add_option("DIR", l->dir, "The folder 'orvane dump' wrote")->required();
    load->add_flag("--force", l->force, "Load list texts that would not read back as written");
    load->callback([&session, l] { Load(session, *l); });
}

}  // namespace orvane_cli
