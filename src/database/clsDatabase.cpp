// clsDatabase: creation, configuration, the open check, error reporting and logging,
// FileDate/Version and Clear.
#include "orvane/database.hpp"

#include <array>
#include <cctype>

#include "database/convert.hpp"
#include "database/jetfile.hpp"
#include "database/state.hpp"
#include "orvane/detail/host_internal.hpp"
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

// The tables Clear empties: always, then three groups that older databases may lack, each
// guarded by the existence of its first table.
constexpr std::array kBaseTables = {
    "tblAges",          "tblArmor",         "tblClasses",      "tblClassesBonus",
    "tblClassPrestige", "tblClassesLevels", "tblColors",       "tblCrossClass",
    "tblEquipment",     "tblFeats",         "tblHomeworlds",   "tblLanguages",
    "tblSizes",         "tblSkillMastery",  "tblSkills",       "tblSpecialQualities",
    "tblSpecies",       "tblWeapons",       "tblClassFeatures"};
constexpr std::array kWeaponTables = {"tblStarshipWeapons", "tblVehicleWeapons", "tblAbility"};
constexpr std::array kCreatureTables = {"tblCreatureDetails", "tblCreatureClasses",
                                        "tblCreatureClimates", "tblCreatureLevels",
                                        "tblCreatureTemplates"};
constexpr std::array kDroidAndStarshipTables = {
    "tblDroidBonus",      "tblDroidDegree",     "tblDroidEquip",   "tblDroidMakers",
    "tblDroidQuirks",     "tblStarshipArmor",   "tblStarshipCost", "tblStarshipCrew",
    "tblStarshipEmplace", "tblStarshipEngine",  "tblStarshipHull", "tblStarshipHyper",
    "tblStarshipLife",    "tblStarshipShields", "tblStarshipSize", "tblStarshipStowage",
    "tblStarshipSupply",  "tblStarshipYards"};

}  // namespace

// ---------------------------------------------------------------------------------------
// The private helpers

namespace detail {

DatabaseState::~DatabaseState() {
    CloseDB();
    if (iLogFile != -1 && logOpen) FileClose(iLogFile);
}

void DatabaseState::OpenDB() {
    if (!RegularFileExists(strDBPath)) {
        ReportError("Sub: OpenDB", "Unable to Open/Locate the Database: " + strDBPath);
        return;
    }
    try {
        dbData = std::make_unique<dal::Connection>(strDBPath);
        bOpen = true;
    } catch (const std::exception& e) {
        const std::string jet = JetFileReport(strDBPath);  // a Jet file: say how to convert it
        ReportError("Sub: OpenDB", jet.empty() ? e.what() : jet);
        CloseDB();
    }
}

void DatabaseState::CloseDB() {
    bOpen = false;
    dbData.reset();
}

void DatabaseState::ReportError(const std::string& label, const std::string& message) {
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
        if (label.find("Add") == std::string::npos && label.find("List") == std::string::npos) {
            line += '\t';
            append(line, SQL());
        }
        FileWriteLine(iLogFile, line);
    } catch (...) {
        // The reporter never fails its caller.
    }
}

bool DatabaseState::TableExists(std::string_view name) {
    if (!bOpen) OpenDB();
    if (!dbData) return false;
    try {
        return dbData->HasObject(name);
    } catch (const std::exception& e) {
        // The engine could not tell (a read failed, the file is damaged): that is no absent
        // table, and the operation that asked must not go on as if it were one in silence.
        ReportError("Function: TableExists(" + std::string(name) + ")", e.what());
        return false;
    }
}

void DatabaseState::ClearTable(const std::string& name) {
    if (!bOpen) OpenDB();
    try {
        if (!dbData) throw std::runtime_error("The database is not open.");
        dbData->DeleteAll(name);
    } catch (const std::exception& e) {
        ReportError("Sub: ClearTable(" + name + ")", e.what());
    }
}

void DatabaseState::SetLogging(bool value) {
    bLogging = value;
    if (iLogFile != -1 && logOpen) FileClose(iLogFile);
    logOpen = false;
    if (!value) {
        iLogFile = -1;
        return;
    }
    iLogFile = FreeFile();
    FileOpen(iLogFile, strLogBase + " - " + std::to_string(iLogFile) + ".log", FileMode::Append);
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
    s.OpenDB();

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
    state_->OpenDB();
}
bool clsDatabase::Messaging() const { return state_->bMessaging; }
void clsDatabase::Messaging(bool value) { state_->bMessaging = value; }
bool clsDatabase::Logging() const { return state_->bLogging; }
void clsDatabase::Logging(bool value) { state_->SetLogging(value); }

namespace {

std::string InfoColumn(detail::DatabaseState& s, const char* column, const std::string& label) {
    std::string result = "Database Error!";
    if (!s.EnsureOpen()) return result;
    try {
        auto rs = dal::Recordset::Open(*s.dbData, "tblInfo", dal::Access::Table);
        if (rs.RecordCount() > 0) {
            rs.MoveFirst();
            const dal::Value& v = rs.Field(column);
            if (!v.IsNull()) result = detail::CellText(v);
        } else {
            s.ReportError(label, "There are no Database Information Records!");
        }
    } catch (const std::exception& e) {
        s.ReportError(label, e.what());
        result = "Database Error!";
    }
    return result;
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
    if (!s.EnsureOpen()) return;
    try {
        for (const char* table : kBaseTables) s.ClearTable(table);
        if (s.TableExists("tblStarshipWeapons"))
            for (const char* table : kWeaponTables) s.ClearTable(table);
        if (s.TableExists("tblCreatureDetails"))
            for (const char* table : kCreatureTables) s.ClearTable(table);
        if (s.TableExists("tblDroidBonus"))
            for (const char* table : kDroidAndStarshipTables) s.ClearTable(table);
    } catch (const std::exception& e) {
        s.ReportError("Sub: Clear", e.what());
    }
}

namespace {

void Transaction(detail::DatabaseState& s, void (dal::Connection::*step)(), const char* label) {
    if (!s.EnsureOpen()) return;
    try {
        ((*s.dbData).*step)();
    } catch (const std::exception& e) {
        s.ReportError(label, e.what());
    }
}

}  // namespace

void clsDatabase::BeginTrans() { Transaction(*state_, &dal::Connection::Begin, "Sub: BeginTrans"); }
void clsDatabase::CommitTrans() {
    Transaction(*state_, &dal::Connection::Commit, "Sub: CommitTrans");
}
void clsDatabase::Rollback() { Transaction(*state_, &dal::Connection::Rollback, "Sub: Rollback"); }

ORVANE_REGISTER_CLASS(clsDatabase)

}  // namespace OrvaneLib
