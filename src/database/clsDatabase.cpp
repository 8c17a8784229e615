// clsDatabase: creation, configuration, the open check, error reporting and logging,
// FileDate/Version and Clear.
#include "orvane/database.hpp"

#include <array>
#include <cctype>

#include "database/convert.hpp"
#include "database/jetfile.hpp"
#include "database/state.hpp"
#include "database/table.hpp"
#include "host/internal.hpp"
#include "orvane/registry.hpp"

namespace OrvaneLib {

namespace {

constexpr const char* kRegKey = "SOFTWARE\\Velmora Technologies\\Database Interface";

std::string Registry(const char* name) {
    return QueryRegValue(RegRoot::LocalMachine, kRegKey, name);
}
void SetRegistry(const char* name, const std::string& text) {
    SetRegValue(RegRoot::LocalMachine, kRegKey, name, text);
}

// The groups of tables that older rules databases lack, each emptied by Clear only when the
// first table named here exists.
constexpr std::pair<detail::ClearGroup, const char*> kOptionalGroups[] = {
    {detail::ClearGroup::Weapons, "tblStarshipWeapons"},
    {detail::ClearGroup::Creatures, "tblCreatureDetails"},
    {detail::ClearGroup::DroidsAndStarships, "tblDroidBonus"}};

}  // namespace

// ---------------------------------------------------------------------------------------
// The private helpers

namespace detail {

DatabaseState::~DatabaseState() {
    CloseDB();
    if (iLogFile != -1 && logOpen) FileClose(iLogFile);
}

Status DatabaseState::OpenDB() {
    if (!RegularFileExists(strDBPath)) {
        // Nothing stays open: operations after a failed reopen must not reach the database
        // that was open before while Name names another.
        CloseDB();
        return Status(StatusCode::NoDatabase, "Unable to Open/Locate the Database: " + strDBPath)
            .WithLabel("Sub: OpenDB");
    }
    std::unique_ptr<dal::Connection> connection;
    if (Status st = dal::Connection::Open(strDBPath, connection); !st.Ok()) {
        CloseDB();
        const std::string jet = JetFileReport(strDBPath);  // a Jet file: say how to convert it
        if (!jet.empty()) st = Status(StatusCode::NoDatabase, jet, st.EngineCode());
        return st.WithLabel("Sub: OpenDB");
    }
    dbData = std::move(connection);
    bOpen = true;
    return {};
}

void DatabaseState::CloseDB() {
    bOpen = false;
    dbData.reset();
}

void DatabaseState::ReportError(const std::string& label, const std::string& message,
                                bool logsStatement) {
    try {
        if (bMessaging || bDebug)
            ShowMessage(label + "\r\n" + message, MsgIcon::Exclamation, "Database Error");
    } catch (...) {
    }
    if (!bLogging || iLogFile == -1 || !logOpen) return;
    try {
        // One line per failure: a CR LF pair becomes one blank; so does a lone CR or LF,
        // in every field, so that no key or message can split an entry over two lines.
        auto append = [](std::string& line, const std::string& text) {
            for (std::size_t i = 0; i < text.size(); ++i) {
                char c = text[i];
                if (c == '\r' || c == '\n') {
                    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
                    line += ' ';
                } else {
                    line += c;
                }
            }
        };
        std::string line = NowText();
        line += '\t';
        append(line, label);
        line += '\t';
        append(line, message);
        // Lists and adds never log the statement. The log's readers also count on the rule
        // that a label naming "Add" or "List" anywhere (a key included) has three fields.
        if (logsStatement && label.find("Add") == std::string::npos &&
            label.find("List") == std::string::npos) {
            line += '\t';
            append(line, SQL());
        }
        FileWriteLine(iLogFile, line);
    } catch (...) {
        // The reporter never fails its caller.
    }
}

Status DatabaseState::TableExists(std::string_view name, bool& exists) {
    exists = false;
    if (!bOpen) Report(OpenDB());
    if (!dbData) return {};
    if (Status st = dbData->HasObject(name, exists); !st.Ok())
        // The engine could not tell (a read failed, the file is damaged): that is no absent
        // table, and the operation that asked must not go on as if it were one in silence.
        return st.WithLabel("Function: TableExists(" + std::string(name) + ")");
    return {};
}

Status DatabaseState::ClearTable(const std::string& name) {
    if (!bOpen) Report(OpenDB());
    Status st = dbData ? dbData->DeleteAll(name)
                       : Status(StatusCode::NoDatabase, "The database is not open.");
    return st.WithLabel("Sub: ClearTable(" + name + ")");
}

void DatabaseState::SetLogging(bool value) {
    bLogging = value;
    if (iLogFile != -1 && logOpen) FileClose(iLogFile);
    logOpen = false;
    if (!value) {
        iLogFile = -1;
        return;
    }
    // The number is taken and its file opened in one step: no other thread's file can come
    // between. When the file cannot be opened, the number stays the one that was free.
    iLogFile = FileOpenFree(
        [this](Integer n) {
            iLogFile = n;
            return strLogBase + " - " + std::to_string(n) + ".log";
        },
        FileMode::Append);
    logOpen = true;
}

}  // namespace detail

// ---------------------------------------------------------------------------------------
// Creation and properties

clsDatabase::clsDatabase() : state_(std::make_unique<detail::DatabaseState>()) {
    auto& s = *state_;
    const std::string folder = LibraryFolder();
    s.bMessaging = true;
    s.bOpen = false;
    s.strDBPath = folder + "/Orvane.mdb";
    s.bLogging = false;
    s.strLogBase = folder + "/Orvane";
    s.iLogFile = -1;
    s.Report(s.OpenDB());

    const std::pair<const char*, std::string> identity[] = {
        {"Version", LibraryVersion()}, {"Path", folder}, {"Name", LibraryFileName()}};
    for (const auto& [name, text] : identity)
        if (Registry(name) != text) SetRegistry(name, text);

    std::string debug = Registry("Debug");
    if (!debug.empty()) {
        s.bDebug = detail::TextToBool(debug);
    } else {
        SetRegistry("Debug", "False");
        s.bDebug = false;
    }
    std::string logging = Registry("Logging");
    if (!logging.empty()) {
        Logging(detail::TextToBool(logging));
    } else {
        SetRegistry("Logging", "False");
        Logging(false);
    }
}

clsDatabase::~clsDatabase() = default;

std::string clsDatabase::Name() const { return state_->strDBPath; }
void clsDatabase::Name(const std::string& path) {
    state_->strDBPath = path;
    state_->Report(state_->OpenDB());
}
bool clsDatabase::Messaging() const { return state_->bMessaging; }
void clsDatabase::Messaging(bool value) { state_->bMessaging = value; }
bool clsDatabase::Logging() const { return state_->bLogging; }
void clsDatabase::Logging(bool value) { state_->SetLogging(value); }

namespace {

std::string InfoColumn(detail::DatabaseState& s, const char* column, const std::string& label) {
    const std::string failed = "Database Error!";
    if (Status st = s.EnsureOpen(); !st.Ok()) {
        s.Report(st);
        return failed;
    }
    dal::Recordset rs;
    if (Status st = dal::Recordset::Open(*s.dbData, "tblInfo", dal::Access::Table, rs); !st.Ok()) {
        s.Report(st.WithLabel(label));
        return failed;
    }
    if (rs.RecordCount() == 0) {
        s.ReportError(label, "There are no Database Information Records!");
        return failed;
    }
    rs.MoveFirst();
    const dal::Value* v = rs.Field(column);
    if (!v) {
        s.ReportError(label, std::string("Item not found in this collection: ") + column);
        return failed;
    }
    return v->IsNull() ? failed : detail::CellText(*v);
}

}  // namespace

std::string clsDatabase::FileDate() {
    return InfoColumn(*state_, "Date", "Property Get: FileDate");
}
std::string clsDatabase::Version() {
    return InfoColumn(*state_, "Info", "Property Get: FileVersion");
}

void clsDatabase::Clear() {
    auto& s = *state_;
    if (Status st = s.EnsureOpen(); !st.Ok()) {
        s.Report(st);
        return;
    }
    for (const auto& table : detail::TablesCleared(detail::ClearGroup::Base))
        s.Report(s.ClearTable(table));
    for (const auto& [group, first] : kOptionalGroups) {
        bool exists = false;
        if (Status st = s.TableExists(first, exists); !st.Ok()) s.Report(st);
        if (exists)
            for (const auto& table : detail::TablesCleared(group)) s.Report(s.ClearTable(table));
    }
}

namespace {

void Transaction(detail::DatabaseState& s, Status (dal::Connection::*step)(), const char* label) {
    Status st = s.EnsureOpen();
    if (st.Ok()) st = ((*s.dbData).*step)().WithLabel(label);
    s.Report(st);
}

}  // namespace

void clsDatabase::BeginTrans() { Transaction(*state_, &dal::Connection::Begin, "Sub: BeginTrans"); }
void clsDatabase::CommitTrans() {
    Transaction(*state_, &dal::Connection::Commit, "Sub: CommitTrans");
}
void clsDatabase::Rollback() { Transaction(*state_, &dal::Connection::Rollback, "Sub: Rollback"); }

ORVANE_REGISTER_CLASS(clsDatabase)

}  // namespace OrvaneLib
