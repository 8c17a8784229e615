// The session of one orvane command: the message-box handler, the database and kinds by name.
#include "session.hpp"

#include <algorithm>
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

Integer RequireInteger(const std::string& text, const std::string& what) {
    // A leading plus sign is accepted as people write it ("+5").
    const std::string digits = !text.empty() && text[0] == '+' ? text.substr(1) : text;
    const bool signedTwice =
        digits.size() < text.size() && !digits.empty() && (digits[0] == '-' || digits[0] == '+');
    if (auto value = ParseInteger(digits); value && !signedTwice) return *value;
    // Digits that do not fit are out of range; anything else is not a whole number.
    const std::size_t first = !digits.empty() && digits[0] == '-' ? 1 : 0;
    const bool whole = !signedTwice && digits.size() > first &&
                       digits.find_first_not_of("0123456789", first) == std::string::npos;
    FailUsage(what + (whole ? " must be from -32768 to 32767: '" : " must be a whole number: '") +
              text + "'");
}

namespace {

std::string Normalized(const std::string& name) {
    std::string out;
    for (char c : name)
        out += c == ' ' || c == '_'
                   ? '-'
                   : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// The edits (insertions, deletions, substitutions and swaps of two neighbours) that turn one
// text into the other.
std::size_t EditDistance(const std::string& a, const std::string& b) {
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
    for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i)
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    return d[a.size()][b.size()];
}

}  // namespace

std::vector<std::string> ClosestNames(const std::string& wanted,
                                      const std::vector<std::string>& names) {
    const std::string w = Normalized(wanted);
    // Short names allow one edit, longer ones two or three.
    const std::size_t limit = w.size() <= 3 ? 1 : w.size() <= 6 ? 2 : 3;
    std::vector<std::pair<std::size_t, std::string>> scored;
    for (const auto& name : names) {
        const std::string n = Normalized(name);
        std::size_t score = EditDistance(w, n);
        // A word of a longer name ("armor" in "starship-armor") is one step further away
        // than the whole name would be.
        std::size_t start = 0;
        for (std::size_t end = 0; end <= n.size(); ++end) {
            if (end < n.size() && n[end] != '-') continue;
            if (start > 0 || end < n.size())
                score = std::min(score, 1 + EditDistance(w, n.substr(start, end - start)));
            start = end + 1;
        }
        if (score <= limit) scored.emplace_back(score, name);
    }
    std::sort(scored.begin(), scored.end());
    std::vector<std::string> closest;
    for (const auto& [score, name] : scored)
        if (closest.size() < 4) closest.push_back(name);
    return closest;
}

std::string Suggestion(const std::string& wanted, const std::vector<std::string>& names) {
    const auto closest = ClosestNames(wanted, names);
    if (closest.empty()) return {};
    std::string text = " (did you mean ";
    for (std::size_t i = 0; i < closest.size(); ++i)
        text += (i == 0 ? "'" : i + 1 == closest.size() ? " or '" : ", '") + closest[i] + "'";
    return text + "?)";
}

std::string QuotedKeys(const std::vector<std::string>& keys) {
    std::string text;
    for (const auto& key : keys) text += (text.empty() ? "'" : "', '") + key;
    return text + "'";
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

void Session::ShowStatus(const OrvaneLib::Status& status) {
    if (!status.Ok()) Show({BoxLine(status.Label() + "\r\n" + status.Message(), "Database Error")});
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
    std::vector<std::string> ids;
    for (const auto& kind : RecordKinds()) ids.push_back(KindId(kind));
    FailUsage("unknown kind '" + name + "'" + Suggestion(name, ids) +
              "; 'orvane kinds' lists them");
}

void Session::RequireRulesDatabase() {
    Db();  // a missing file, or one the library cannot open, ends the command here
    std::vector<std::string> missing;
    try {
        missing = MissingSchemaTables(DbPath());
    } catch (const std::exception& e) {
        Fail(e.what());
    }
    auto lacks = [&](const std::string& table) {
        return std::any_of(missing.begin(), missing.end(), [&](const std::string& m) {
            return Normalized(m) == Normalized(table);
        });
    };
    for (const auto& kind : RecordKinds())
        if (!lacks(kind.Table())) return;
    Fail(DbPath() + " is not a rules database: it has none of the rules tables");
}

CLI::Validator NotEmpty(const std::string& what) {
    return CLI::Validator(
        [what](std::string& value) {
            return value.empty() ? "needs " + what + ", not an empty text" : std::string();
        },
        "", "NotEmpty");
}

void AddJsonFlag(CLI::App& command, bool& json) {
    command.add_flag("--json", json, "Print JSON for programs instead of text");
}

void PrintJson(const Json& document) {
    // A database text that is not valid UTF-8 cannot go into JSON as it is: such text is
    // written with replacement characters, and standard error says so.
    std::string text;
    try {
        text = document.dump(2);
    } catch (const Json::type_error&) {
        text = document.dump(2, ' ', false, Json::error_handler_t::replace);
        std::cerr << "orvane: text that is not valid UTF-8 is written with replacement "
                     "characters (U+FFFD)\n";
    }
    std::cout << text << "\n";
}

}  // namespace orvane_cli
