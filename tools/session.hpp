// What every command of the orvane tool shares: the one rules database it opens, the
// message-box handler that turns the library's boxes into lines on standard error, and the
// failures that end a command with a one-line message and an exit code.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>
#include <orvane/orvane.hpp>

namespace orvane_cli {

using Json = nlohmann::ordered_json;

// Exit codes: 0 done, 1 an operation failed (a message box, a missing record, a file that
// cannot be written), 2 the command line asked for something that does not exist.
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

// Ends the running command: main prints the message as "orvane: message".
class Failure : public std::runtime_error {
  public:
    Failure(const std::string& message, int code) : std::runtime_error(message), code_(code) {}
    int Code() const { return code_; }

  private:
    int code_;
};

[[noreturn]] inline void Fail(const std::string& message) { throw Failure(message, kExitFailed); }
[[noreturn]] inline void FailUsage(const std::string& message) {
    throw Failure(message, kExitUsage);
}

// A whole decimal number from -32768 to 32767, the library's Integer; nullopt for any other text.
std::optional<OrvaneLib::Integer> ParseInteger(const std::string& text);
// The same for a number of the command line, which `what` names; any other text ends the
// command with a usage error such as "BAB must be a whole number: 'abc'".
OrvaneLib::Integer RequireInteger(const std::string& text, const std::string& what);

// The names closest to a mistyped one, best first: those within a few edits of it, of the
// whole name or of one of its hyphenated words ("armor": "armour", "starship-armor").
std::vector<std::string> ClosestNames(const std::string& wanted,
                                      const std::vector<std::string>& names);
// " (did you mean 'a' or 'b'?)" for the closest names, or nothing when none is close.
std::string Suggestion(const std::string& wanted, const std::vector<std::string>& names);

// Keys as messages name them: "'Beast', '1'".
std::string QuotedKeys(const std::vector<std::string>& keys);

// One message box as one line: the title, then the prompt with each line break made ": ".
std::string BoxLine(const std::string& prompt, const std::string& title);

class Session {
  public:
    Session();  // installs the message-box handler
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The rules database of the command line (--db), else the library's own Orvane.mdb.
    std::string dbPath;
    // Ends the command unless the database file holds the rules tables: a file that is no
    // rules database would otherwise look like one with every table empty or absent.
    void RequireRulesDatabase();

    // The database, opened on first use. A missing file or one the library cannot open
    // ends the command.
    OrvaneLib::clsDatabase& Db();
    std::string DbPath() const;

    // Runs `work` with message boxes kept instead of printed and returns their lines, for
    // operations whose reports the command interprets itself.
    std::vector<std::string> Quietly(const std::function<void()>& work);
    // Prints kept lines as the handler would have printed them, counting them as shown.
    void Show(const std::vector<std::string>& lines);
    // Prints a failed status as the library's message box would have shown it.
    void ShowStatus(const OrvaneLib::Status& status);

    // How many message boxes reached standard error so far: any makes the command fail.
    int BoxesShown() const { return shown_; }

  private:
    void OnBox(const std::string& prompt, const std::string& title);

    OrvaneLib::MessageBoxHandler previous_;
    std::unique_ptr<OrvaneLib::clsDatabase> db_;
    std::vector<std::string>* kept_ = nullptr;
    int shown_ = 0;
};

// The record kind of a command-line name ("starship-crew", "Starship crew"); an unknown
// name ends the command, naming the closest kinds.
OrvaneLib::KindInfo RequireKind(const std::string& name);
// The name a kind goes by on the command line: lower case, blanks made hyphens.
std::string KindId(const OrvaneLib::KindInfo& kind);

// A check for options whose text must not be empty (--db ""): "--db: needs a file name, not
// an empty text", `what` being "a file name".
CLI::Validator NotEmpty(const std::string& what);

// Adds "--json" to a command.
void AddJsonFlag(CLI::App& command, bool& json);
// Prints a JSON document, indented, on standard output.
void PrintJson(const Json& document);

// The commands, each adding itself to the tool.
void AddRecordCommands(CLI::App& app, Session& session);
void AddLookupCommand(CLI::App& app, Session& session);
void AddAttacksCommand(CLI::App& app);
void AddDatabaseCommands(CLI::App& app, Session& session);
void AddConvertCommand(CLI::App& app);
void AddReplaceCommand(CLI::App& app, Session& session);
void AddDumpCommands(CLI::App& app, Session& session);
void AddCheckCommand(CLI::App& app, Session& session);
void AddSearchCommand(CLI::App& app, Session& session);

}  // namespace orvane_cli
