// The registry: one human-readable file per root in a folder of its own. Keys and value
// names compare ignoring letter case, as on the platform this store stands in for. A store
// that is missing or unreadable reads as empty; writes replace the file atomically.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "orvane/registry.hpp"

namespace OrvaneLib {

namespace {

std::mutex storeMutex;

std::string StoreFolder() {
    if (const char* dir = std::getenv("ORVANE_REGISTRY_DIR"); dir && *dir) return dir;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        return std::string(xdg) + "/orvane";
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::string(home) + "/.config/orvane";
    return ".orvane";
}

std::string StorePath(RegRoot root) {
    return StoreFolder() +
           (root == RegRoot::LocalMachine ? "/LocalMachine.reg" : "/CurrentUser.reg");
}

bool SameText(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (std::tolower(x) != std::tolower(y)) return false;
    }
    return true;
}

struct Key {
    std::string path;
    std::vector<std::pair<std::string, std::string>> values;
};

// Escapes the characters that would break the line structure or the "name=value" split.
std::string Escape(const std::string& s) {
    std::string out;
    for (char c : s) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '=':
                out += "\\=";
                break;
            case '[':
                out += "\\[";
                break;
            case ']':
                out += "\\]";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// Undoes Escape up to an unescaped `stop` character; `pos` ends on that character.
std::string Unescape(const std::string& s, std::size_t& pos, char stop) {
    std::string out;
    for (; pos < s.size(); ++pos) {
        char c = s[pos];
        if (c == stop) break;
        if (c == '\\' && pos + 1 < s.size()) {
            char n = s[++pos];
            out += n == 'n' ? '\n' : n == 'r' ? '\r' : n;
        } else {
            out += c;
        }
    }
    return out;
}

// Reads a store leniently: lines that do not parse are skipped.
std::vector<Key> ReadStore(const std::string& file) {
    std::vector<Key> keys;
    std::ifstream in(file, std::ios::binary);
    if (!in) return keys;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == ';' || line[0] == '#') continue;
        if (line[0] == '[') {
            std::size_t pos = 1;
            std::string path = Unescape(line, pos, ']');
            if (pos < line.size()) keys.push_back({path, {}});
            continue;
        }
        if (keys.empty()) continue;
        std::size_t pos = 0;
        std::string name = Unescape(line, pos, '=');
        if (pos >= line.size()) continue;
        ++pos;
        std::string value = Unescape(line, pos, '\0');
        keys.back().values.emplace_back(std::move(name), std::move(value));
    }
    return keys;
}

bool MakeFolders(const std::string& folder) {
    std::string partial;
    std::stringstream parts(folder);
    std::string part;
    if (!folder.empty() && folder[0] == '/') partial = "/";
    while (std::getline(parts, part, '/')) {
        if (part.empty()) continue;
        partial += part + "/";
        if (::mkdir(partial.c_str(), 0755) != 0 && errno != EEXIST) return false;
    }
    return true;
}

bool WriteStore(const std::string& file, const std::vector<Key>& keys) {
    std::string text = "; OrvaneLib registry store\n";
    for (const auto& key : keys) {
        text += "[" + Escape(key.path) + "]\n";
        for (const auto& [name, value] : key.values)
            text += Escape(name) + "=" + Escape(value) + "\n";
    }
    std::string temp = file + ".tmp" + std::to_string(::getpid());
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return false;
    bool ok = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    ok = ::fsync(fd) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    if (ok && ::rename(temp.c_str(), file.c_str()) == 0) return true;
    ::unlink(temp.c_str());
    return false;
}

}  // namespace

std::string QueryRegValue(RegRoot root, const std::string& keyPath, const std::string& valueName) {
    std::lock_guard lock(storeMutex);
    for (const auto& key : ReadStore(StorePath(root))) {
        if (!SameText(key.path, keyPath)) continue;
        for (const auto& [name, value] : key.values)
            if (SameText(name, valueName)) return value.substr(0, value.find('\0'));
    }
    return {};
}

void SetRegValue(RegRoot root, const std::string& keyPath, const std::string& valueName,
                 const std::string& text) {
    std::lock_guard lock(storeMutex);
    std::string folder = StoreFolder();
    if (!MakeFolders(folder)) return;
    std::string file = StorePath(root);
    auto keys = ReadStore(file);
    Key* target = nullptr;
    for (auto& key : keys)
        if (SameText(key.path, keyPath)) target = &key;
    if (!target) {
        keys.push_back({keyPath, {}});
        target = &keys.back();
    }
    bool found = false;
    for (auto& [name, value] : target->values)
        if (SameText(name, valueName)) {
            value = text;
            found = true;
        }
    if (!found) target->values.emplace_back(valueName, text);
    WriteStore(file, keys);
}

}  // namespace OrvaneLib
