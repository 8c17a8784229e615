// The library's own views, from its schema.
#include "library_views.hpp"

#include <cctype>

#include "database/bulkwrite.hpp"

namespace OrvaneLib::jet {

extern const char* const kLibrarySchemaSql;  // generated from schema/*.sql

namespace {

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

struct Word {
    std::string text;  // unquoted
    bool quoted = false;
    std::size_t start = 0;  // offset of its first character
    std::size_t end = 0;    // offset just past it
};

// The words and quoted names of one statement, comments and string literals skipped.
std::vector<Word> Words(const std::string& s) {
    std::vector<Word> words;
    for (std::size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c == '-' && i + 1 < s.size() && s[i + 1] == '-') {
            while (i < s.size() && s[i] != '\n') ++i;
        } else if (c == '\'') {
            for (++i; i < s.size() && s[i] != '\''; ++i) {
            }
            ++i;
        } else if (c == '"' || c == '`' || c == '[') {
            const char close = c == '[' ? ']' : static_cast<char>(c);
            Word w;
            w.quoted = true;
            w.start = i;
            for (++i; i < s.size(); ++i) {
                if (s[i] == close) {
                    if (close == '"' && i + 1 < s.size() && s[i + 1] == '"') {
                        w.text += s[++i];
                        continue;
                    }
                    break;
                }
                w.text += s[i];
            }
            w.end = ++i;
            words.push_back(std::move(w));
        } else if (std::isalnum(c) || c == '_') {
            Word w;
            w.start = i;
            while (i < s.size() && (std::isalnum(static_cast<unsigned char>(s[i])) || s[i] == '_'))
                w.text += s[i++];
            w.end = i;
            words.push_back(std::move(w));
        } else {
            ++i;
        }
    }
    return words;
}

// The statements of a script, split at semicolons outside comments and quotes.
std::vector<std::string> Statements(const std::string& s) {
    std::vector<std::string> out;
    std::size_t start = 0;
    char quote = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '-' && i + 1 < s.size() && s[i + 1] == '-') {
            while (i < s.size() && s[i] != '\n') ++i;
        } else if (c == '\'' || c == '"' || c == '`') {
            quote = c;
        } else if (c == '[') {
            quote = ']';
        } else if (c == ';') {
            out.push_back(s.substr(start, i + 1 - start));
            start = i + 1;
        }
    }
    return out;
}

}  // namespace

std::vector<LibraryView> ViewsOf(const std::string& schemaSql) {
    std::vector<LibraryView> views;
    for (const std::string& statement : Statements(schemaSql)) {
        const std::vector<Word> words = Words(statement);
        if (words.size() < 4 || Upper(words[0].text) != "CREATE" || Upper(words[1].text) != "VIEW")
            continue;
        LibraryView view;
        std::size_t i = 2;
        if (i + 2 < words.size() && Upper(words[i].text) == "IF") i += 3;  // IF NOT EXISTS
        view.name = words[i].text;
        if (i + 1 >= words.size() || Upper(words[i + 1].text) != "AS") continue;
        view.select = statement.substr(words[i + 1].end);
        const auto first = view.select.find_first_not_of(" \t\r\n");
        view.select = first == std::string::npos ? "" : view.select.substr(first);
        if (!view.select.empty() && view.select.back() == ';') view.select.pop_back();
        for (std::size_t k = i + 2; k + 1 < words.size(); ++k) {
            const std::string w = Upper(words[k].text);
            if (!words[k].quoted && (w == "FROM" || w == "JOIN"))
                view.tables.push_back(words[k + 1].text);
        }
        view.statement = statement.substr(words[0].start);  // comments before it dropped
        views.push_back(std::move(view));
    }
    return views;
}

const std::vector<LibraryView>& LibraryViews() {
    static const std::vector<LibraryView> views = ViewsOf(kLibrarySchemaSql);
    return views;
}

std::vector<LibraryViewOutcome> AddLibraryViews(bulk::BulkFile& file,
                                                const std::vector<LibraryView>& views,
                                                const std::vector<std::string>& tables,
                                                const std::vector<std::string>& taken) {
    auto among = [](const std::string& name, const std::vector<std::string>& names) {
        for (const auto& n : names)
            if (Upper(n) == Upper(name)) return true;
        return false;
    };
    std::vector<LibraryViewOutcome> outcomes;
    for (const LibraryView& view : views) {
        if (among(view.name, taken) || view.tables.empty()) continue;
        bool present = true;
        for (const auto& table : view.tables) present = present && among(table, tables);
        if (!present) continue;
        LibraryViewOutcome outcome;
        outcome.name = view.name;
        // A view is checked when it is made: one whose columns the table lacks is undone.
        std::string error;
        outcome.made = file.TryExecute(
            view.statement + "\nSELECT * FROM " + bulk::QuoteIdent(view.name) + " LIMIT 0;", error);
        if (outcome.made)
            outcome.select = view.select;
        else
            outcome.error = error;
        outcomes.push_back(std::move(outcome));
    }
    return outcomes;
}

}  // namespace OrvaneLib::jet
