// The session of one orvane command: the message-box handler, the database and kinds by name.
#include "session.hpp"

#include <charconv>
#include <filesystem>
#include <iostream>

namespace orvane_cli {

using namespace OrvaneLib;

std::optional<Integer> ParseInteger(const std::string& text) {
    Integer value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    return value;
}

std::string BoxLine(const std::string& prompt, const std::string& title) {
    // The library separates a label from its message with CR LF; a lone CR or LF inside a
    // key or a message must not split the report over two lines either.
    std::string text;
    for (std::size_t i = 0; i < prompt.size(); ++i) {
        const char c = prompt[i];
        if (c == '\r' && i + 1 < prompt.size() && prompt[i + 1] == '\n') {
            text += ": ";
            ++i;
        } else if (c == '\r' || c == '\n') {
            text += ' ';
        } else {
            text += c;
        }
    }
    return title.empty() ? text : title + ": " + text;
}

Session::Session() {
    previous_ = SetMessageBoxHandler([this](const std::string& prompt, MsgIcon,
                                            const std::string& title) { OnBox(prompt, title); });
}

Session::~Session() {
    db_.reset();  // the database may still report while it closes
    SetMessageBoxHandler(previous_);
}

void Session::OnBox(const std::string& prompt, const std::string& title) {
    std::string line = BoxLine(prompt, title);
    if (kept_) {
        kept_->push_back(std::move(line));
        return;
    }
    Show({line});
}

void Session::Show(const std::vector<std::string>& lines) {
    for (const auto& line : lines) {
        std::cerr << "orvane: " << line << "\n";
        ++shown_;
    }
}

std::vector<std::string> Session::Quietly(const std::function<void()>& work) {
    std::vector<std::string> lines;
    std::vector<std::string>* outer = kept_;
    kept_ = &lines;
    try {
        work();
    } catch (...) {
        kept_ = outer;
        throw;
    }
    kept_ = outer;
    return lines;
}

std::string Session::DbPath() const {
    return dbPath.empty() ? LibraryFolder() + "/Orvane.mdb" : dbPath;
}

clsDatabase& Session::Db() {
    if (db_) return *db_;
    const std::string path = DbPath();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        Fail("no rules database at " + path +
             " (give another with --db PATH, or make one with 'orvane init')");
    try {
        db_ = std::make_unique<clsDatabase>();
    } catch (const std::exception& e) {
        Fail(std::string("the library could not start: ") + e.what());
    }
    // Setting the name opens the file now, so that a file the library cannot open is
    // reported once, here, instead of by every operation after it.
    const int before = shown_;
    db_->Name(path);
    if (shown_ != before) Fail("");
    return *db_;
}

std::string KindId(const KindInfo& kind) {
    std::string id;
    for (char c : kind.Name())
        id += c == ' ' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return id;
}

KindInfo RequireKind(const std::string& name) {
    if (auto kind = FindKind(name)) return *kind;
    FailUsage("unknown kind '" + name + "' ('orvane kinds' lists them)");
}

void AddJsonFlag(CLI::App& command, bool& json) {
    command.add_flag("--json", json, "Print JSON for programs instead of text");
}

void PrintJson(const Json& document) { std::cout << document.dump(2) << "\n"; }

}  // namespace orvane_cli
