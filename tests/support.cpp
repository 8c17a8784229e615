#include "support.hpp"

#include <atomic>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

#include "database/dal.hpp"

namespace orvane_test {

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    std::ostringstream name;
    name << "orvane-test-" << ::getpid() << "-" << counter++;
    path_ = fs::temp_directory_path() / name.str();
    fs::remove_all(path_);
    fs::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

MessageCapture::MessageCapture() {
    previous_ = OrvaneLib::SetMessageBoxHandler(
        [this](const std::string& prompt, OrvaneLib::MsgIcon icon, const std::string& title) {
            boxes_.push_back({prompt, icon, title});
        });
}

MessageCapture::~MessageCapture() { OrvaneLib::SetMessageBoxHandler(previous_); }

std::vector<std::string> MessageCapture::prompts() const {
    std::vector<std::string> out;
    for (const auto& box : boxes_) out.push_back(box.prompt);
    return out;
}

std::string ShellQuote(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

OrvaneTest::OrvaneTest() {
    libDir_ = dir_.file("lib");
    regDir_ = dir_.file("registry");
    fs::create_directories(libDir_);
    ::setenv("ORVANE_REGISTRY_DIR", regDir_.c_str(), 1);
    OrvaneLib::detail::SetLibraryFolderOverride(libDir_);
    // Saved record files are not forced to the disk: a test's files are thrown away, and a
    // sync per save would make the suite many times slower.
    OrvaneLib::detail::SetSyncFunction([](int, const std::string&) { return 0; });
}

OrvaneTest::~OrvaneTest() {
    OrvaneLib::detail::SetSyncFunction(nullptr);
    OrvaneLib::detail::SetLibraryFolderOverride("");
    ::unsetenv("ORVANE_REGISTRY_DIR");
}

std::string OrvaneTest::MakeDatabase(const std::string& name, bool sample,
                                     const std::string& extraSql) {
    std::string path = dir_.file(name);
    OrvaneLib::CreateRulesDatabase(path, sample);
    if (!extraSql.empty()) Exec(path, extraSql);
    return path;
}

void OrvaneTest::Exec(const std::string& path, const std::string& sql) {
    OrvaneLib::Status st = Connect(path)->Execute(sql);
    if (!st.Ok()) throw std::runtime_error(st.Message());
}

std::unique_ptr<OrvaneLib::dal::Connection> Connect(const std::string& path) {
    std::unique_ptr<OrvaneLib::dal::Connection> db;
    OrvaneLib::Status st = OrvaneLib::dal::Connection::Open(path, db);
    if (!st.Ok()) throw std::runtime_error(st.Message());
    return db;
}

OrvaneLib::dal::Recordset Rows(OrvaneLib::dal::Connection& db, std::string_view source,
                               std::span<const OrvaneLib::dal::Condition> conditions) {
    OrvaneLib::dal::Recordset rs;
    OrvaneLib::Status st = OrvaneLib::dal::Recordset::Lookup(db, source, conditions,
                                                             OrvaneLib::dal::Access::ReadOnly, rs);
    if (!st.Ok()) throw std::runtime_error(st.Message());
    return rs;
}

const OrvaneLib::dal::Value& Cell(const OrvaneLib::dal::Recordset& rs, std::string_view column) {
    const OrvaneLib::dal::Value* v = rs.Field(column);
    if (!v) throw std::runtime_error("no column " + std::string(column) + " or no current row");
    return *v;
}

void OrvaneTest::InstallSampleDatabase() {
    const char* sample = std::getenv("ORVANE_TEST_SAMPLE_DB");
    ASSERT_NE(sample, nullptr);
    fs::copy_file(sample, fs::path(libDir_) / "Orvane.mdb", fs::copy_options::overwrite_existing);
}

void OrvaneTest::InstallDatabase(const std::string& path) {
    fs::copy_file(path, DefaultDatabasePath(), fs::copy_options::overwrite_existing);
}

std::unique_ptr<OrvaneLib::clsDatabase> OrvaneTest::OpenScratch(const std::string& extraSql,
                                                                bool sample) {
    static int n = 0;
    std::string path = MakeDatabase("scratch" + std::to_string(n++) + ".mdb", sample, extraSql);
    InstallDatabase(path);
    auto db = std::make_unique<OrvaneLib::clsDatabase>();
    boxes_.clear();
    return db;
}

std::string OrvaneTest::LogPath(int number) const {
    return libDir_ + "/Orvane - " + std::to_string(number) + ".log";
}

std::string OrvaneTest::ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void OrvaneTest::WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

}  // namespace orvane_test
