// The references under docs/ and the man page, checked against the library and the tool
// they describe: a reference that drifts from the code fails here.
#include <sys/wait.h>

#include <map>
#include <nlohmann/json.hpp>
#include <sstream>

#include "decode.hpp"
#include "support.hpp"

namespace orvane_test {
namespace {

using Json = nlohmann::json;

class DocsTest : public OrvaneTest {
  protected:
    static std::string Doc(const std::string& name) {
        return ReadFile(std::string(ORVANE_SOURCE_DIR) + "/docs/" + name);
    }

    // Runs a shell command, its standard output into a file; the output, or a failure.
    std::string Output(const std::string& command) {
        const std::string out = dir_.file("stdout");
        const int status = std::system((command + " >" + ShellQuote(out) + " 2>&1").c_str());
        const std::string output = ReadFile(out);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command << "\n" << output;
        return output;
    }
    std::string Tool(const std::string& args) {
        return Output(ShellQuote(ORVANE_CLI_PATH) + " " + args);
    }

    // The fenced blocks of a document written ```LANGUAGE, each as its lines.
    static std::vector<std::vector<std::string>> Blocks(const std::string& text,
                                                        const std::string& language) {
        std::vector<std::vector<std::string>> blocks;
        std::istringstream in(text);
        std::vector<std::string>* block = nullptr;
        for (std::string line; std::getline(in, line);) {
            if (!block && line == "```" + language) {
                block = &blocks.emplace_back();
            } else if (block && line == "```") {
                block = nullptr;
            } else if (block) {
                block->push_back(line);
            }
        }
        return blocks;
    }

    // "'text'" without its quotes.
    static std::string Unquoted(const std::string& text) {
        EXPECT_TRUE(text.size() >= 2 && text.front() == '\'' && text.back() == '\'') << text;
        return text.size() >= 2 ? text.substr(1, text.size() - 2) : text;
    }
};

TEST_F(DocsTest, TheKindReferenceIsWhatTheToolWritesFromTheLibraryNow) {
    EXPECT_EQ(Doc("kinds.md"), Tool("kinds --markdown"))
        << "docs/kinds.md is out of date: cmake --build BUILD --target orvane-docs";
    // Every kind has its section, and every list and block class its link.
    const std::string kinds = Doc("kinds.md");
    for (const auto& kind : OrvaneLib::RecordKinds())
        EXPECT_NE(kinds.find("\n## " + orvane_cli::KindId(kind) + "\n"), std::string::npos);
    // Every link into the other references finds its heading there.
    const std::string lists = Doc("lists.md"), files = Doc("record-files.md");
    auto anchorOf = [](const std::string& heading) {
        std::string anchor;
        for (char c : heading)
            anchor +=
                c == ' ' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return anchor;
    };
    auto anchors = [&](const std::string& doc) {
        std::vector<std::string> found;
        std::istringstream in(doc);
        for (std::string line; std::getline(in, line);)
            if (line.rfind("## ", 0) == 0) found.push_back(anchorOf(line.substr(3)));
        return found;
    };
    const auto listAnchors = anchors(lists), fileAnchors = anchors(files);
    int links = 0;
    for (const auto& [doc, targets] :
         {std::pair{std::string("lists.md#"), listAnchors}, {"record-files.md#", fileAnchors}})
        for (auto at = kinds.find("](" + doc); at != std::string::npos;
             at = kinds.find("](" + doc, at + 1)) {
            const auto begin = at + 2 + doc.size();
            const std::string anchor = kinds.substr(begin, kinds.find(')', begin) - begin);
            EXPECT_NE(std::find(targets.begin(), targets.end(), anchor), targets.end())
                << doc << anchor;
            ++links;
        }
    EXPECT_GT(links, 50);
    EXPECT_NE(files.find("\n## The requirements block\n"), std::string::npos);
}

template <class L>
Json Decode(const std::string& text, std::string& again) {
    L list;
    list.SetList(text);
    const Json decoded = Json::parse(orvane_cli::DecodeList(list).dump());
    L reread;
    reread.SetList(decoded["text"].get<std::string>());
    again = reread.GetList();
    return decoded;
}

TEST_F(DocsTest, EveryListExampleReadsAsDocumented) {
    using Decoder = Json (*)(const std::string&, std::string&);
    const std::map<std::string, Decoder> decoders = {
        {"clsListSimple", &Decode<OrvaneLib::clsListSimple>},
        {"clsListLevel", &Decode<OrvaneLib::clsListLevel>},
        {"clsListBonus", &Decode<OrvaneLib::clsListBonus>},
        {"clsListSynergy", &Decode<OrvaneLib::clsListSynergy>},
        {"clsListSubSynergy", &Decode<OrvaneLib::clsListSubSynergy>},
        {"clsListOrSimple", &Decode<OrvaneLib::clsListOrSimple>},
        {"clsListOrLevel", &Decode<OrvaneLib::clsListOrLevel>},
        {"clsListTripleSimple", &Decode<OrvaneLib::clsListTripleSimple>}};
    std::string sample;
    for (const auto& entry : fs::directory_iterator(std::string(ORVANE_SOURCE_DIR) + "/sample"))
        sample += ReadFile(entry.path().string());

    std::map<std::string, int> examples, fromSample;
    for (const auto& block : Blocks(Doc("lists.md"), "example")) {
        std::map<std::string, std::string> field;
        for (const auto& line : block) {
            const auto colon = line.find(':');
            ASSERT_NE(colon, std::string::npos) << line;
            std::string value = line.substr(colon + 1);
            value.erase(0, value.find_first_not_of(' '));
            field[line.substr(0, colon)] = value;
        }
        const std::string cls = field["class"], text = Unquoted(field["text"]);
        SCOPED_TRACE(cls + " '" + text + "'");
        ASSERT_TRUE(decoders.count(cls));
        ++examples[cls];
        boxes_.clear();
        std::string again;
        const Json decoded = decoders.at(cls)(text, again);
        EXPECT_EQ(decoded["text"], Unquoted(field["canonical"]));
        EXPECT_EQ(decoded["entries"], Json::parse(field["entries"]));
        EXPECT_EQ(again, decoded["text"]) << "the canonical text reads back the same";
        if (field.count("report")) {
            ASSERT_EQ(boxes_.size(), 2u);  // once for the text, once more for its re-read
            EXPECT_EQ(boxes_.boxes()[0].prompt, Unquoted(field["report"]));
            EXPECT_EQ(boxes_.boxes()[0].title, "Database Error");
        } else {
            EXPECT_EQ(boxes_.size(), 0u);
        }
        if (field.count("from")) {
            ++fromSample[cls];
            std::string literal;  // as an SQL text literal of the sample
            for (char c : text) literal += c == '\'' ? std::string("''") : std::string(1, c);
            EXPECT_NE(sample.find("'" + literal + "'"), std::string::npos) << "not in sample/*.sql";
        }
    }
    for (const auto& [cls, decode] : decoders) {
        EXPECT_GE(examples[cls], 1) << cls;
        EXPECT_EQ(fromSample[cls], 1) << cls << ": one example from the sample";
    }
}

TEST_F(DocsTest, TheRecordFileExamplesAreWhatExportWrites) {
    const std::string db = MakeDatabase("sample.mdb", true);
    const auto blocks = Blocks(Doc("record-files.md"), "record-file");
    ASSERT_GE(blocks.size(), 2u);
    for (const auto& block : blocks) {
        ASSERT_FALSE(block.empty());
        const std::string file = dir_.file("record.txt");
        fs::remove(file);
        const std::string command = block[0];  // "orvane export KIND KEY"
        ASSERT_EQ(command.rfind("orvane export ", 0), 0u) << command;
        Tool("--db " + ShellQuote(db) + " " + command.substr(7) + " " + ShellQuote(file));
        std::string expected;
        for (std::size_t i = 1; i < block.size(); ++i) expected += Unquoted(block[i]) + "\r\n";
        EXPECT_EQ(ReadFile(file), expected) << command;
    }
}

TEST_F(DocsTest, TheRequirementsBlockHasItsLinesInTheDocumentedOrder) {
    // The documented rows: "| 3 | Ability | ... |".
    const std::string text = Doc("record-files.md");
    const auto start = text.find("\n## The requirements block\n");
    ASSERT_NE(start, std::string::npos);
    std::vector<std::string> documented;
    std::istringstream in(text.substr(start, text.find("\n## ", start + 1) - start));
    for (std::string line; std::getline(in, line);) {
        if (line.size() < 4 || line.rfind("| ", 0) != 0 || !std::isdigit(line[2])) continue;
        const auto a = line.find("| ", 2) + 2;
        documented.push_back(line.substr(a, line.find(' ', a) - a));
    }
    ASSERT_EQ(documented.size(), 17u);

    // A feat whose block holds a different value on every line.
    OrvaneLib::clsFeats feat;
    feat.Name = "Marked";
    auto& r = *feat.Requirements;
    r.ReqTainted = true;
    const std::map<std::string, std::pair<std::function<void()>, std::string>> lines = {
        {"ReqTainted", {[] {}, "True"}},
        {"ReqDarkSide", {[] {}, "False"}},
        {"Ability", {[&] { r.SetAbility("Ability:1"); }, "Ability:1"}},
        {"Feats", {[&] { r.SetFeats("Feats"); }, "Feats"}},
        {"Skill", {[&] { r.SetSkill("Skill:2"); }, "Skill:2"}},
        {"ReadWrite", {[&] { r.SetReadWrite("ReadWrite"); }, "ReadWrite"}},
        {"Speak", {[&] { r.SetSpeak("Speak"); }, "Speak"}},
        {"Class", {[&] { r.SetClass("Class:3"); }, "Class:3"}},
        {"Species", {[&] { r.SetSpecies("Species"); }, "Species"}},
        {"Homeworld", {[&] { r.SetHomeworld("Homeworld"); }, "Homeworld"}},
        {"MinRequire", {[&] { r.SetMinRequire("MinRequire:4"); }, "MinRequire:4"}},
        {"MaxRequire", {[&] { r.SetMaxRequire("MaxRequire:5"); }, "MaxRequire:5"}},
        {"Qualities", {[&] { r.SetQualities("Qualities"); }, "Qualities"}},
        {"OrFeats", {[&] { r.SetOrFeats("OrFeats:Or"); }, "OrFeats:Or"}},
        {"OrClasses", {[&] { r.SetOrClasses("OrClasses:6"); }, "OrClasses:6"}},
        {"OrSkills", {[&] { r.SetOrSkills("OrSkills:7"); }, "OrSkills:7"}},
        {"OrSpecial", {[&] { r.SetOrSpecial("OrSpecial"); }, "OrSpecial"}}};
    for (const auto& [name, line] : lines) line.first();
    const std::string file = dir_.file("feat.txt");
    feat.Save(file);
    std::vector<std::string> written;
    std::istringstream saved(ReadFile(file));
    for (std::string line; std::getline(saved, line);)
        written.push_back(line.substr(0, line.size() - 1));

    // The block sits where the kind's file lines put its Requirements line.
    const auto kind = OrvaneLib::FindKind("feat");
    ASSERT_TRUE(kind);
    std::size_t at = 0;
    while (kind->FileLines()[at].Type != OrvaneLib::FieldKind::Block) ++at;
    ASSERT_GE(written.size(), at + documented.size());
    for (std::size_t i = 0; i < documented.size(); ++i) {
        ASSERT_TRUE(lines.count(documented[i])) << documented[i];
        EXPECT_EQ(written[at + i], lines.at(documented[i]).second) << "block line " << i + 1;
    }
}

TEST_F(DocsTest, TheReadmeToolExamplesRunInOrderOnACopyOfTheSample) {
    const std::string readme = ReadFile(std::string(ORVANE_SOURCE_DIR) + "/README.md");
    const auto section = readme.find("\n## The orvane tool\n");
    ASSERT_NE(section, std::string::npos);
    const auto blocks =
        Blocks(readme.substr(section, readme.find("\n## ", section + 1) - section), "sh");
    ASSERT_EQ(blocks.size(), 1u);
    std::string script = "set -e\ncd " + ShellQuote(dir_.path().string()) + "\norvane() { " +
                         ShellQuote(ORVANE_CLI_PATH) + " \"$@\" >/dev/null; }\n";
    for (const auto& line : blocks[0]) {
        // Only commands that create a database may go without --db: the bundled sample is
        // never written to.
        EXPECT_TRUE(line.find("--db ") != std::string::npos || line.rfind("orvane init", 0) == 0 ||
                    line.rfind("orvane kinds", 0) == 0 || line.rfind("orvane attacks", 0) == 0)
            << line;
        script += "echo " + ShellQuote(line) + " >&2\n" + line + "\n";
    }
    const std::string file = dir_.file("readme.sh");
    WriteFile(file, script);
    const std::string bundled = ReadFile(std::getenv("ORVANE_TEST_SAMPLE_DB"));
    Output("sh " + ShellQuote(file));
    EXPECT_EQ(ReadFile(std::getenv("ORVANE_TEST_SAMPLE_DB")), bundled);
}

#ifdef ORVANE_MAN_PAGE
TEST_F(DocsTest, TheManPageShowsEveryCommandWithItsHelp) {
    if (std::system("command -v man >/dev/null 2>&1") != 0) GTEST_SKIP() << "man is not installed";
    std::string page =
        Output("MANWIDTH=120 MANPAGER=cat PAGER=cat man -l " + ShellQuote(ORVANE_MAN_PAGE));
    // Plain text: overstruck letters and terminal escapes taken out.
    std::string plain;
    for (std::size_t i = 0; i < page.size(); ++i) {
        if (page[i] == '\b' && !plain.empty()) {
            plain.pop_back();
        } else if (page[i] == '\x1b') {
            while (i < page.size() && !std::isalpha(static_cast<unsigned char>(page[i]))) ++i;
        } else {
            plain += page[i];
        }
    }
    const std::string help = Tool("--help");
    const auto listing = help.find("Subcommands:\n");
    ASSERT_NE(listing, std::string::npos);
    std::istringstream in(help.substr(listing + 13));
    int commands = 0;
    for (std::string line; std::getline(in, line) && line.rfind("  ", 0) == 0;) {
        const std::string name = line.substr(2, line.find(' ', 2) - 2);
        ++commands;
        EXPECT_NE(plain.find("Usage: orvane " + name + " [OPTIONS]"), std::string::npos) << name;
    }
    EXPECT_EQ(commands, 16);
    EXPECT_NE(plain.find("ORVANE_REGISTRY_DIR"), std::string::npos);
}
#endif

}  // namespace
}  // namespace orvane_test
