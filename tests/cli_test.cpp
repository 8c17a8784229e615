// The orvane tool, run as a process on scratch databases made from the schema and sample.
#include <sys/wait.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>

#include "support.hpp"
#ifdef ORVANE_CLI_PATH
#include "decode.hpp"
#endif

namespace orvane_test {
namespace {

using Json = nlohmann::json;

struct Result {
    int code = -1;
    std::string out;
    std::string err;
    std::vector<std::string> ErrLines() const {
        std::vector<std::string> lines;
        std::istringstream in(err);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
    Json Parsed() const { return Json::parse(out); }
};

class CliTest : public OrvaneTest {
  protected:
    void SetUp() override {
#ifndef ORVANE_CLI_PATH
        GTEST_SKIP() << "the orvane tool is not built";
#endif
        sample_ = MakeDatabase("sample.mdb", true);
    }

    // Runs the tool with these arguments; its output and errors go through files.
    Result Run(const std::vector<std::string>& args) {
#ifdef ORVANE_CLI_PATH
        std::string command = ShellQuote(ORVANE_CLI_PATH);
#else
        std::string command;
#endif
        for (const auto& arg : args) command += " " + ShellQuote(arg);
        const std::string out = dir_.file("stdout"), err = dir_.file("stderr");
        command += " >" + ShellQuote(out) + " 2>" + ShellQuote(err) + " </dev/null";
        const int status = std::system(command.c_str());
        Result r;
        r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        r.out = ReadFile(out);
        r.err = ReadFile(err);
        return r;
    }
    // The same on a database: --db PATH first.
    Result On(const std::string& db, std::vector<std::string> args) {
        args.insert(args.begin(), {"--db", db});
        return Run(args);
    }
    Result Ok(const std::string& db, const std::vector<std::string>& args) {
        Result r = On(db, args);
        EXPECT_EQ(r.code, 0) << "orvane " << ::testing::PrintToString(args) << ": " << r.err;
        return r;
    }
    std::string FreshDatabase(const std::string& name) {
        const std::string path = dir_.file(name);
        EXPECT_EQ(Run({"init", path}).code, 0);
        return path;
    }

    std::string sample_;
};

TEST_F(CliTest, EveryKindTheLibraryServesIsListedAndListable) {
    const Json kinds = Run({"kinds", "--json"}).Parsed();
    std::vector<std::string> names;
    for (const auto& kind : kinds["kinds"]) names.push_back(kind["name"]);
    std::vector<std::string> served;
    for (const auto& kind : OrvaneLib::RecordKinds()) served.push_back(kind.Name());
    EXPECT_EQ(names, served);
    EXPECT_EQ(kinds["lookups"].size(), 5u);

    for (const auto& kind : kinds["kinds"]) {
        const std::string id = kind["id"];
        const Result list = Ok(sample_, {"list", id});
        EXPECT_FALSE(list.out.empty()) << id;
        // The JSON form lists the same values.
        const Json values = Ok(sample_, {"list", id, "--json"}).Parsed()["values"];
        std::string joined;
        for (const auto& v : values) joined += v.get<std::string>() + "\n";
        EXPECT_EQ(joined, list.out) << id;
        if (kind["station"].get<bool>()) Ok(sample_, {"list", id, "--station"});
    }
    const Result text = Run({"kinds"});
    EXPECT_NE(text.out.find("tblStarshipCrew"), std::string::npos);
    EXPECT_NE(text.out.find("tblColors"), std::string::npos);
}

TEST_F(CliTest, ShowDecodesEveryListForPeopleAndPrograms) {
    const Result text = Ok(sample_, {"show", "age", "Old"});
    EXPECT_NE(text.out.find("Modifiers:"), std::string::npos);
    EXPECT_NE(text.out.find("Str -2, Dex -2, Con -2, Int +1, Wis +1, Cha +1"), std::string::npos);
    EXPECT_NE(text.out.find("Knowledge: +1 from level 0"), std::string::npos);
    EXPECT_NE(text.out.find("Diplomacy: +1 from level 0"), std::string::npos);

    const Json old = Ok(sample_, {"show", "age", "Old", "--json"}).Parsed()["fields"];
    EXPECT_EQ(old["Dead"], false);
    EXPECT_EQ(old["Order"], 5);
    EXPECT_EQ(old["Modifiers"]["Int"], 1);
    EXPECT_EQ(old["Synergy"]["text"], "0:Knowledge:1, 0:Diplomacy:1");
    EXPECT_EQ(old["Synergy"]["entries"][1]["skill"], "Diplomacy");
    EXPECT_EQ(old["Synergy"]["entries"][1]["bonus"], 1);
    EXPECT_EQ(old["SpecialQualities"]["entries"], Json::array({"Steady Hand"}));
    const Json small = Ok(sample_, {"show", "size", "small", "--json"}).Parsed()["fields"];
    EXPECT_DOUBLE_EQ(small["MaxHeight"].get<double>(), 1.2);

    // Station rows are read with --station, and only with it.
    const std::string station = Ok(sample_, {"list", "starship-crew", "--station"}).out;
    const std::string key = station.substr(0, station.find('\n'));
    const Json crew = Ok(sample_, {"show", "starship-crew", key, "--station", "--json"}).Parsed();
    EXPECT_EQ(crew["station"], true);
    EXPECT_EQ(On(sample_, {"show", "starship-crew", key}).code == 0,
              Ok(sample_, {"list", "starship-crew"}).out.find(key + "\n") != std::string::npos);
}

TEST_F(CliTest, MistakesFailOnOneLineWithTheirExitCode) {
    const std::vector<std::pair<std::vector<std::string>, int>> cases = {
        {{"list", "no-such-kind"}, 2},
        {{"show", "no-such-kind", "x"}, 2},
        {{"show", "age", "Nobody"}, 1},            // the library's own report
        {{"show", "age", "a\r\nb\nc"}, 1},         // line breaks in the key stay on the line
        {{"show", "starship-crew", "many"}, 2},    // a number key
        {{"show", "starship-crew", "99999"}, 2},   // beyond 16 bits
        {{"show", "age", "Old", "Young"}, 2},      // one key too many
        {{"show", "age", "Old", "--station"}, 2},  // no station rows
        {{"list", "age", "--flag"}, 2},            // no list flag
        {{"export", "age", "Old"}, 2},             // no file
        {{"delete", "age", "Nobody"}, 1},
        {{"delete", "homeworld", "Nowhere"}, 1},  // the library deletes it silently
        {{"import", "age", "/no/such/file"}, 1},
        {{"lookup", "languages", "--delete", "Nope"}, 1},
        {{"lookup", "languages", "--add", ""}, 1},
        {{"lookup", "regions", "--add", "X", "--order", "1"}, 2},
        {{"attacks", "11", "--light-offhand"}, 2},  // a two-weapon flag alone
        {{"attacks", "-32768"}, 1},                 // leaves 16 bits
        {{"attacks", "11", "--mode", "burst"}, 2},
    };
    for (const auto& [args, code] : cases) {
        const Result r = On(sample_, args);
        EXPECT_EQ(r.code, code) << ::testing::PrintToString(args) << ": " << r.err;
        EXPECT_EQ(r.ErrLines().size(), 1u) << ::testing::PrintToString(args) << ": " << r.err;
        EXPECT_EQ(r.err.rfind("orvane: ", 0), 0u) << r.err;
    }
    EXPECT_NE(On(sample_, {"show", "age", "a\r\nb"}).err.find("GetAgeInfo(a: b)"),
              std::string::npos);
    EXPECT_EQ(On(dir_.file("missing.mdb"), {"info"}).code, 1);
}

TEST_F(CliTest, UsageErrorsSayWhatIsWrongAndWhatComesClose) {
    auto usage = [&](const std::vector<std::string>& args) {
        const Result r = Run(args);
        EXPECT_EQ(r.code, 2) << ::testing::PrintToString(args) << ": " << r.err;
        EXPECT_EQ(r.ErrLines().size(), 1u) << r.err;
        EXPECT_TRUE(r.out.empty()) << r.out;
        return r.err;
    };
    const std::string commands =
        "the commands are kinds, list, show, export, import, delete, lookup, attacks, init, info, "
        "convert, replace, dump, load, check, search";
    EXPECT_EQ(usage({}), "orvane: no command given; " + commands + "\n");
    EXPECT_EQ(usage({"--db", sample_}), "orvane: no command given; " + commands + "\n");
    EXPECT_EQ(
        usage({"lsit", "age"}),
        "orvane: unknown command 'lsit' (did you mean 'list' or 'init'?); " + commands + "\n");
    EXPECT_EQ(usage({"frobnicate"}), "orvane: unknown command 'frobnicate'; " + commands + "\n");
    EXPECT_EQ(usage({"list", "armor"}),
              "orvane: unknown kind 'armor' (did you mean 'armour' or 'starship-armor'?); "
              "'orvane kinds' lists them\n");

    // An empty --db is no file name, never the bundled sample.
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--db", "", "info"}, {"info", "--db", ""}, {"--db=", "info"}})
        EXPECT_NE(usage(args).find("--db: needs a file name"), std::string::npos);

    // Numbers that are no whole numbers, or too large, name the argument.
    EXPECT_EQ(usage({"attacks", "abc"}), "orvane: BAB must be a whole number: 'abc'\n");
    EXPECT_EQ(usage({"attacks", "2.5"}), "orvane: BAB must be a whole number: '2.5'\n");
    EXPECT_EQ(usage({"attacks", "99999"}), "orvane: BAB must be from -32768 to 32767: '99999'\n");
    EXPECT_EQ(usage({"attacks", "5", "--min", "x"}), "orvane: --min must be a whole number: 'x'\n");
    EXPECT_EQ(usage({"--db", sample_, "show", "starship-crew", "many"}),
              "orvane: Points must be a whole number: 'many'\n");
    EXPECT_EQ(usage({"--db", sample_, "show", "class-level", "Soldier:first"}),
              "orvane: Level must be a whole number: 'first'\n");
    EXPECT_EQ(usage({"--db", sample_, "lookup", "abilities", "--add", "Luck", "--order", "7th"}),
              "orvane: --order must be a whole number: '7th'\n");
    EXPECT_EQ(Run({"attacks", "+11"}).out, "+11/+6/+1\n");
}

TEST_F(CliTest, ExportKeepsAnExistingFileUnlessForced) {
    const std::string file = dir_.file("old.txt");
    WriteFile(file, "keep me");
    const Result refused = On(sample_, {"export", "age", "Old", file});
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(refused.err, "orvane: " + file + " exists; give --force to overwrite it\n");
    EXPECT_EQ(ReadFile(file), "keep me");
    Ok(sample_, {"export", "age", "Old", file, "--force"});
    EXPECT_EQ(ReadFile(file).rfind("Old\r\nFalse\r\n", 0), 0u);
}

TEST_F(CliTest, InfoTellsARulesDatabaseFromOtherFiles) {
    const std::string empty = dir_.file("empty.db"), other = dir_.file("other.db");
    WriteFile(empty, "");
    WriteFile(other, "");
    OrvaneTest::Exec(other, "CREATE TABLE notes (text TEXT);");
    const std::string before = ReadFile(other);
    for (const auto& file : {empty, other}) {
        for (const auto& args : std::vector<std::vector<std::string>>{
                 {"info"}, {"info", "--json"}, {"info", "--set-version", "1"}}) {
            const Result r = On(file, args);
            EXPECT_EQ(r.code, 1) << file;
            EXPECT_EQ(r.err, "orvane: " + file +
                                 " is not a rules database: it has none of the rules tables\n");
            EXPECT_TRUE(r.out.empty()) << r.out;
        }
    }
    EXPECT_EQ(ReadFile(other), before);
    // A text file is no database at all; the library says so.
    const std::string text = dir_.file("notes.txt");
    WriteFile(text, "not a database\n");
    EXPECT_NE(On(text, {"info"}).err.find("file is not a database"), std::string::npos);
}

std::string Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

TEST_F(CliTest, InitDatesANewDatabaseAndSetVersionStampsIt) {
    const std::string db = FreshDatabase("new.mdb");
    const Json info = Ok(db, {"info", "--json"}).Parsed();
    EXPECT_EQ(info["fileDate"], Today());
    EXPECT_EQ(info["version"], OrvaneLib::LibraryVersion());
    {
        OrvaneLib::clsDatabase library;  // the library reads the row too
        library.Name(db);
        boxes_.clear();
        EXPECT_EQ(library.FileDate(), Today());
        EXPECT_EQ(library.Version(), OrvaneLib::LibraryVersion());
        EXPECT_EQ(boxes_.size(), 0u);
    }

    // Quotes are text like any other; with two rows, the first (the one read) changes.
    OrvaneTest::Exec(db,
                     "UPDATE tblInfo SET \"Date\" = '2001-01-01';"
                     "INSERT INTO tblInfo VALUES ('1999-09-09', 'second');");
    const Json set = Ok(db, {"info", "--json", "--set-version", "Kay's \"Rules\" 2"}).Parsed();
    EXPECT_EQ(set["version"], "Kay's \"Rules\" 2");
    EXPECT_EQ(set["fileDate"], Today());
    OrvaneTest::Exec(db, "DELETE FROM tblInfo WHERE rowid = (SELECT min(rowid) FROM tblInfo);");
    EXPECT_EQ(Ok(db, {"info", "--json"}).Parsed()["version"], "second");

    // Without any row, setting the version adds one.
    OrvaneTest::Exec(db, "DELETE FROM tblInfo;");
    EXPECT_TRUE(Ok(db, {"info", "--json"}).Parsed()["version"].is_null());
    EXPECT_EQ(Ok(db, {"info", "--json", "--set-version", "3"}).Parsed()["version"], "3");

    // The sample keeps the row that describes its content.
    EXPECT_EQ(Ok(sample_, {"info", "--json"}).Parsed()["version"], "Orvane Sample Rules 1.0");
}

TEST_F(CliTest, KeywordsShowEachRowsOwnNumber) {
    Ok(sample_, {"lookup", "keywords", "--add", "Fire", "--number", "0"});
    Ok(sample_, {"lookup", "keywords", "--add", "fire", "--number", "3"});
    const Json values = Ok(sample_, {"lookup", "keywords", "--json"}).Parsed()["values"];
    ASSERT_GE(values.size(), 2u);
    EXPECT_EQ(values[values.size() - 2], (Json{{"keyword", "Fire"}, {"number", 0}}));
    EXPECT_EQ(values.back(), (Json{{"keyword", "fire"}, {"number", 3}}));
    const std::string text = Ok(sample_, {"lookup", "keywords"}).out;
    EXPECT_NE(text.find("\nFire      0\nfire      3\n"), std::string::npos) << text;
}

TEST_F(CliTest, AKeyOfOnlyTheOtherFormOfRowSaysSoAndNamesStation) {
    auto keys = [&](bool station) {
        std::vector<std::string> args = {"list", "starship-crew", "--json"};
        if (station) args.push_back("--station");
        return Ok(sample_, args).Parsed()["values"].get<std::vector<std::string>>();
    };
    const auto plain = keys(false), stations = keys(true);
    auto only = [](const std::vector<std::string>& in, const std::vector<std::string>& notIn) {
        for (const auto& key : in)
            if (std::find(notIn.begin(), notIn.end(), key) == notIn.end()) return key;
        return std::string();
    };
    const std::string stationOnly = only(stations, plain), plainOnly = only(plain, stations);
    ASSERT_FALSE(stationOnly.empty());
    ASSERT_FALSE(plainOnly.empty());
    const std::string file = dir_.file("crew.txt");
    for (const auto& command : {"show", "export", "delete"}) {
        std::vector<std::string> args = {command, "starship-crew", stationOnly};
        if (std::string(command) == "export") args.push_back(file);
        Result r = On(sample_, args);
        EXPECT_EQ(r.code, 1) << command;
        EXPECT_EQ(r.err, "orvane: no Starship crew record '" + stationOnly +
                             "'; there is a station row: add --station\n");
        args.push_back("--station");
        args[2] = plainOnly;
        r = On(sample_, args);
        EXPECT_EQ(r.code, 1) << command;
        EXPECT_EQ(r.err, "orvane: no Starship crew station row '" + plainOnly +
                             "'; there is an ordinary row: leave out --station\n");
    }
    EXPECT_EQ(keys(true), stations);  // nothing was deleted
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(CliTest, NothingToListFailsAlikeForEveryKind) {
    // An empty table (the library reports it), a table the database lacks and a flag that
    // selects no rows (the library reports neither) all end with status 1 and one line.
    const std::string empty = FreshDatabase("empty.mdb");
    OrvaneTest::Exec(empty, "DROP TABLE tblStarshipWeapons; DROP TABLE tblKeywords;");
    const Json kinds = Run({"kinds", "--json"}).Parsed();
    for (const auto& kind : kinds["kinds"]) {
        const std::string id = kind["id"];
        for (const bool json : {false, true}) {
            std::vector<std::string> args = {"list", id};
            if (json) args.push_back("--json");
            const Result r = On(empty, args);
            EXPECT_EQ(r.code, 1) << id;
            EXPECT_EQ(r.ErrLines().size(), 1u) << id << ": " << r.err;
            if (json)
                EXPECT_EQ(r.Parsed()["values"], Json::array()) << id;
            else
                EXPECT_TRUE(r.out.empty()) << id;
        }
    }
    EXPECT_EQ(On(empty, {"list", "starship-weapon"}).err, "orvane: no Starship weapon records\n");
    EXPECT_EQ(On(empty, {"lookup", "keywords"}).err,
              "orvane: no keywords: the database has no tblKeywords table\n");
    EXPECT_EQ(On(empty, {"lookup", "regions"}).code, 1);

    OrvaneTest::Exec(sample_, "DELETE FROM tblStarshipCrew WHERE Station <> 0;");
    const Result stations = On(sample_, {"list", "starship-crew", "--station"});
    EXPECT_EQ(stations.code, 1);
    EXPECT_EQ(stations.err, "orvane: no Starship crew records with --station\n");
    Ok(sample_, {"list", "starship-crew"});
}

TEST_F(CliTest, ExportThenImportIntoAFreshDatabaseGivesTheSameRecordForEveryKind) {
    // What a record's text file does not carry, by the rules of the format: a creature
    // type's four database-only figures, a feat's skill bonuses, the species level figure
    // of a requirements block, and the class requirements skills never store.
    const std::map<std::string, std::vector<std::string>> notCarried = {
        {"creature-type",
         {"/fields/Vitality", "/fields/SkillPtsFirst", "/fields/SkillPtsLevel",
          "/fields/MaxLevel"}},
        {"feat", {"/fields/Bonus", "/fields/Requirements/ReqSpecLvl"}},
        {"prestige-class", {"/fields/Requirements/ReqSpecLvl"}},
        {"skill", {"/fields/Requirements/ReqSpecLvl", "/fields/Requirements/Class"}},
        {"skill-by-kind", {"/fields/Requirements/ReqSpecLvl", "/fields/Requirements/Class"}},
    };
    auto comparable = [&](const std::string& id, Json record) {
        if (auto it = notCarried.find(id); it != notCarried.end())
            for (const auto& pointer : it->second) {
                Json::json_pointer where(pointer);
                if (record.contains(where)) record[where.parent_pointer()].erase(where.back());
            }
        return record;
    };
    const Json kinds = Run({"kinds", "--json"}).Parsed();
    ASSERT_FALSE(kinds["kinds"].empty());
    for (const auto& kind : kinds["kinds"]) {
        const std::string id = kind["id"];
        const std::string key = Ok(sample_, {"list", id, "--json"}).Parsed()["values"][0];
        std::vector<std::string> show = {"show", id, key, "--json"};
        if (kind["describe"].get<bool>()) show.push_back("--describe");
        const std::string file = dir_.file(id + ".txt");
        const std::string fresh = FreshDatabase(id + ".mdb");
        Ok(sample_, {"export", id, key, file});
        Ok(fresh, {"import", id, file});
        EXPECT_EQ(comparable(id, Ok(fresh, show).Parsed()),
                  comparable(id, Ok(sample_, show).Parsed()))
            << id;
    }
}

TEST_F(CliTest, DeleteRemovesOneRecord) {
    EXPECT_EQ(Ok(sample_, {"delete", "age", "Old"}).out, "Deleted Age 'Old'\n");
    EXPECT_EQ(On(sample_, {"show", "age", "Old"}).code, 1);
    EXPECT_EQ(Ok(sample_, {"list", "age"}).out.find("Old\n"), std::string::npos);
    EXPECT_NE(Ok(sample_, {"list", "age"}).out.find("Venerable\n"), std::string::npos);
}

TEST_F(CliTest, LookupListsListAddAndDelete) {
    EXPECT_NE(Ok(sample_, {"lookup", "colors"}).out.find("Verdigris\n"), std::string::npos);
    const Json abilities = Ok(sample_, {"lookup", "abilities", "--json"}).Parsed()["values"];
    EXPECT_EQ(abilities[0]["name"], "Strength");
    EXPECT_EQ(abilities[0]["order"], 1);

    // Adds append a row even for a value already listed; a delete removes one of them.
    auto count = [&](const std::string& value) {
        int n = 0;
        const Json languages = Ok(sample_, {"lookup", "languages", "--json"}).Parsed();
        for (const auto& v : languages["values"]) n += v == value;
        return n;
    };
    Ok(sample_, {"lookup", "languages", "--add", "Zeth"});
    Ok(sample_, {"lookup", "languages", "--add", "Zeth"});
    EXPECT_EQ(count("Zeth"), 2);
    Ok(sample_, {"lookup", "languages", "--delete", "zeth"});
    EXPECT_EQ(count("Zeth"), 1);

    Ok(sample_, {"lookup", "keywords", "--add", "Relic", "--number", "9"});
    const Json keywords = Ok(sample_, {"lookup", "keywords", "--json"}).Parsed()["values"];
    EXPECT_EQ(keywords.back(), (Json{{"keyword", "Relic"}, {"number", 9}}));

    // Keywords are added only where their table exists, without a report otherwise: the
    // command checks that the value arrived.
    const std::string old = MakeDatabase("old.mdb", true, "DROP TABLE tblKeywords;");
    const Result r = On(old, {"lookup", "keywords", "--add", "Relic"});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("nothing was added"), std::string::npos);
}

TEST_F(CliTest, AttacksShowOneOrTwoWeaponSequences) {
    EXPECT_EQ(Run({"attacks", "11"}).out, "+11/+6/+1\n");
    EXPECT_EQ(Run({"attacks", "-2"}).out, "-2\n");
    EXPECT_EQ(Run({"attacks", "5", "--min", "0"}).out, "+5/+0\n");
    EXPECT_EQ(Run({"attacks", "11", "--mode", "auto", "--rapid-feat"}).out, "+3/+3/+3/+3/-2/-7\n");
    EXPECT_EQ(Run({"attacks", "11", "--mode", "multi", "--multi-feat"}).out, "+9/+9/+4/-1\n");
    EXPECT_EQ(Run({"attacks", "11", "--two-weapon", "--mode", "auto", "--light-offhand",
                   "--ambidexterity", "--two-weapon-feat", "--improved-two-weapon"})
                  .out,
              "Primary hand: +3/+3/+3/-2/-7\nOff hand:     +3/-2\n");
    const Json two = Run({"attacks", "11", "--two-weapon", "--mode", "multi", "--json"}).Parsed();
    EXPECT_EQ(two["primary"]["sequence"], "+1/+1/-4");
    EXPECT_EQ(two["offHand"]["bonuses"], Json::array({-3}));
}

TEST_F(CliTest, InitRefusesToOverwriteAndInfoCountsRows) {
    const std::string before = ReadFile(sample_);
    const Result again = Run({"init", sample_, "--sample"});
    EXPECT_EQ(again.code, 1);
    EXPECT_NE(again.err.find("exists"), std::string::npos);
    EXPECT_EQ(ReadFile(sample_), before);

    const Json info = Ok(sample_, {"info", "--json"}).Parsed();
    EXPECT_EQ(info["database"], sample_);
    EXPECT_FALSE(info["version"].get<std::string>().empty());
    for (const auto& row : info["kinds"]) {
        std::vector<std::string> list = {"list", row["id"], "--json"};
        std::size_t rows = Ok(sample_, list).Parsed()["values"].size();
        if (row.contains("flagged")) {
            list.push_back("--flag");
            rows += On(sample_, list).Parsed()["values"].size();
        }
        EXPECT_EQ(row["rows"], rows) << row["id"];
    }
    EXPECT_EQ(info["lookups"][2]["rows"], 5);

    // A new empty database has no rows, and info still works; an optional table it lacks is
    // absent rather than empty.
    const std::string empty = FreshDatabase("empty.mdb");
    OrvaneTest::Exec(empty, "DROP TABLE tblStarshipWeapons;");
    const Json bare = Ok(empty, {"info", "--json"}).Parsed();
    EXPECT_EQ(bare["version"], OrvaneLib::LibraryVersion());
    for (const auto& row : bare["kinds"]) {
        const bool weapons = row["id"] == "starship-weapon";
        EXPECT_EQ(row["absent"], weapons) << row["id"];
        if (!weapons) {
            EXPECT_EQ(row["rows"], 0) << row["id"];
        }
    }
}

TEST_F(CliTest, EveryCommandHasHelpAndTheToolHasAVersion) {
    for (const char* command : {"kinds", "list", "show", "export", "import", "delete", "lookup",
                                "attacks", "init", "info"}) {
        const Result r = Run({command, "--help"});
        EXPECT_EQ(r.code, 0) << command;
        EXPECT_NE(r.out.find(std::string("orvane ") + command), std::string::npos) << command;
    }
    EXPECT_EQ(Run({"--version"}).out, "orvane " + OrvaneLib::LibraryVersion() + "\n");
    // Without --db the tool opens the database beside the library.
    EXPECT_NE(Run({"info"}).out.find("/Orvane.mdb"), std::string::npos);
}

#ifdef ORVANE_CLI_PATH

// A list of class L holding `text`, decoded, and written as the value of a field "F".
template <class L>
std::pair<Json, std::string> Decoded(const std::string& text) {
    L list;
    list.SetList(text);
    const auto decoded = orvane_cli::DecodeList(list);
    std::ostringstream out;
    orvane_cli::WriteFields(out, orvane_cli::Json{{"F", decoded}});
    return {Json::parse(decoded.dump()), out.str()};
}

TEST(CliDecode, EveryListClassBreaksIntoEntriesAPersonCanRead) {
    using namespace OrvaneLib;
    auto [simple, simpleText] = Decoded<clsListSimple>("Alertness, Endurance");
    EXPECT_EQ(simple["entries"], Json::array({"Alertness", "Endurance"}));
    EXPECT_EQ(simpleText, "F: Alertness\n   Endurance\n");

    auto [level, levelText] = Decoded<clsListLevel>("Climb:4, Jump:2");
    EXPECT_EQ(level["entries"][1], (Json{{"name", "Jump"}, {"rank", 2}}));
    EXPECT_EQ(levelText, "F: Climb: 4\n   Jump: 2\n");

    auto [bonus, bonusText] = Decoded<clsListBonus>("Bonus Feat:2|1:5, Skill Point:1|3");
    EXPECT_EQ(bonus["entries"][0],
              (Json{{"name", "Bonus Feat"}, {"number", 2}, {"levels", {1, 5}}}));
    EXPECT_EQ(bonusText, "F: Bonus Feat: 2, at levels 1, 5\n   Skill Point: 1, at levels 3\n");

    auto [synergy, synergyText] = Decoded<clsListSynergy>("5:Tumble:2");
    EXPECT_EQ(synergy["entries"][0], (Json{{"level", 5}, {"skill", "Tumble"}, {"bonus", 2}}));
    EXPECT_EQ(synergyText, "F: Tumble: +2 from level 5\n");

    auto [sub, subText] = Decoded<clsListSubSynergy>("2:Navigation:Knowledge:1");
    EXPECT_EQ(sub["entries"][0]["subSkill"], "Navigation");
    EXPECT_EQ(subText, "F: Knowledge (Navigation): +1 from level 2\n");

    auto [orSimple, orSimpleText] = Decoded<clsListOrSimple>("Dodge:Mobility, Toughness");
    EXPECT_EQ(orSimple["entries"], Json::parse(R"([["Dodge", "Mobility"], ["Toughness"]])"));
    EXPECT_EQ(orSimpleText, "F: Dodge or Mobility\n   Toughness\n");

    auto [orLevel, orLevelText] = Decoded<clsListOrLevel>("Climb:4|Jump:4, Tumble:2");
    EXPECT_EQ(orLevel["entries"][0][1], (Json{{"name", "Jump"}, {"rank", 4}}));
    EXPECT_EQ(orLevelText, "F: Climb: 4 or Jump: 4\n   Tumble: 2\n");

    auto [triple, tripleText] = Decoded<clsListTripleSimple>("Soldier:Armor Proficiency:Toughness");
    EXPECT_EQ(triple["text"], "Soldier:Armor Proficiency:Toughness");
    EXPECT_EQ(tripleText, "F: Soldier: Armor Proficiency -> Toughness\n");

    EXPECT_EQ(Decoded<clsListLevel>("").second, "F: (none)\n");
    EXPECT_TRUE(orvane_cli::DecodeList(clsAttacks()).is_null());
}

TEST(CliDecode, TextsKeepTheirLinesAndReportsBecomeOneLine) {
    std::ostringstream out;
    orvane_cli::WriteFields(out, orvane_cli::Json{{"Name", "X"}, {"About", "one\r\ntwo\nthree"}});
    EXPECT_EQ(out.str(), "Name:  X\nAbout: one\n       two\n       three\n");
    EXPECT_EQ(orvane_cli::BoxLine("Sub: Del(a\nb)\r\nNo match.", "Database Error"),
              "Database Error: Sub: Del(a b): No match.");
    EXPECT_EQ(orvane_cli::ParseInteger("-32768"), -32768);
    for (const char* text : {"32768", "", " 1", "1x", "0x1"})
        EXPECT_FALSE(orvane_cli::ParseInteger(text)) << text;
}

TEST(CliNames, TheClosestNamesAreFewEditsFromTheNameOrOneOfItsWords) {
    std::vector<std::string> ids;
    for (const auto& kind : OrvaneLib::RecordKinds()) ids.push_back(orvane_cli::KindId(kind));
    using Names = std::vector<std::string>;
    EXPECT_EQ(orvane_cli::ClosestNames("armor", ids), (Names{"armour", "starship-armor"}));
    EXPECT_EQ(orvane_cli::ClosestNames("Starship Armour", ids), (Names{"starship-armor"}));
    EXPECT_EQ(orvane_cli::ClosestNames("feats", ids).front(), "feat");
    EXPECT_EQ(orvane_cli::ClosestNames("crew", ids), (Names{"starship-crew"}));
    EXPECT_TRUE(orvane_cli::ClosestNames("xyzzy", ids).empty());
    EXPECT_EQ(orvane_cli::Suggestion("lst", {"list", "kinds"}), " (did you mean 'list'?)");
    EXPECT_EQ(orvane_cli::Suggestion("zzz", {"list"}), "");
}

TEST(CliNumbers, WholeNumbersOfTheCommandLineAndTheirMessages) {
    EXPECT_EQ(orvane_cli::RequireInteger("+5", "N"), 5);
    EXPECT_EQ(orvane_cli::RequireInteger("-32768", "N"), -32768);
    auto message = [](const std::string& text) {
        try {
            orvane_cli::RequireInteger(text, "N");
        } catch (const orvane_cli::Failure& f) {
            EXPECT_EQ(f.Code(), orvane_cli::kExitUsage);
            return std::string(f.what());
        }
        return std::string("accepted");
    };
    for (const char* text : {"", "+", "-", "+-5", "--5", "5.0", "1e3", " 5"})
        EXPECT_EQ(message(text), "N must be a whole number: '" + std::string(text) + "'");
    for (const char* text : {"32768", "-32769", "+99999999999999999999"})
        EXPECT_EQ(message(text), "N must be from -32768 to 32767: '" + std::string(text) + "'");
}

#endif

}  // namespace
}  // namespace orvane_test
