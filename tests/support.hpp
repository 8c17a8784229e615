// Shared test fixtures: temporary folders, captured message boxes, an isolated registry
// and library folder, and scratch rules databases.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "database/dal.hpp"
#include "host/internal.hpp"
#include "orvane/orvane.hpp"

namespace orvane_test {

namespace fs = std::filesystem;

// A fresh folder, removed with everything in it at the end of the test.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    const fs::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

  private:
    fs::path path_;
};

struct Box {
    std::string prompt;
    OrvaneLib::MsgIcon icon;
    std::string title;
};

// Records every message box shown while it lives.
class MessageCapture {
  public:
    MessageCapture();
    ~MessageCapture();
    const std::vector<Box>& boxes() const { return boxes_; }
    void clear() { boxes_.clear(); }
    std::size_t size() const { return boxes_.size(); }
    const Box& last() const { return boxes_.back(); }
    std::vector<std::string> prompts() const;

  private:
    std::vector<Box> boxes_;
    OrvaneLib::MessageBoxHandler previous_;
};

// Base fixture: every test gets its own registry folder and library folder (so the log
// file and the default database location are private), and captured message boxes.
class OrvaneTest : public ::testing::Test {
  protected:
    OrvaneTest();
    ~OrvaneTest() override;

    // A new rules database in the test folder, from the schema (optionally with the sample
    // content) followed by `extraSql`.
    std::string MakeDatabase(const std::string& name, bool sample = false,
                             const std::string& extraSql = "");
    // Runs SQL directly against a database file.
    static void Exec(const std::string& path, const std::string& sql);
    // Copies the built sample database into the library folder, as an installation has it.
    void InstallSampleDatabase();
    // Makes `path` the database next to the library, so a new clsDatabase opens it.
    void InstallDatabase(const std::string& path);
    // A clsDatabase on a fresh schema-only database (plus `extraSql`), boxes cleared.
    std::unique_ptr<OrvaneLib::clsDatabase> OpenScratch(const std::string& extraSql = "",
                                                        bool sample = false);
    std::string DefaultDatabasePath() const { return libDir_ + "/Orvane.mdb"; }
    std::string LogPath(int number = 1) const;
    static std::string ReadFile(const std::string& path);
    static void WriteFile(const std::string& path, const std::string& bytes);

    TempDir dir_;
    std::string libDir_;
    std::string regDir_;
    MessageCapture boxes_;
};

// An argument quoted for the shell: 'it'\''s'.
std::string ShellQuote(const std::string& arg);

// Direct access to a database file, to check what an operation stored. Failures throw
// std::runtime_error with the engine's message.
std::unique_ptr<OrvaneLib::dal::Connection> Connect(const std::string& path);
OrvaneLib::dal::Recordset Rows(OrvaneLib::dal::Connection& db, std::string_view source,
                               std::span<const OrvaneLib::dal::Condition> conditions = {});
// A cell of the current row; throws when the column does not exist.
const OrvaneLib::dal::Value& Cell(const OrvaneLib::dal::Recordset& rs, std::string_view column);

}  // namespace orvane_test
