// The maintainers' commands of the orvane tool, run as a process: whole JSON records in and
// out, replace, dump and load, check and search.
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

#include "generate.hpp"
#include "support.hpp"

namespace orvane_test {
namespace {

using Json = nlohmann::json;

struct Outcome {
    int code = -1;
    std::string out, err;
    Json Parsed() const { return Json::parse(out); }
};

class MaintainCliTest : public OrvaneTest {
  protected:
    void SetUp() override { sample_ = MakeDatabase("sample.mdb", true); }

    Outcome On(const std::string& db, const std::vector<std::string>& args) {
        std::string command = ShellQuote(ORVANE_CLI_PATH) + " --db " + ShellQuote(db);
        for (const auto& arg : args) command += " " + ShellQuote(arg);
        const std::string out = dir_.file("stdout"), err = dir_.file("stderr");
        command += " >" + ShellQuote(out) + " 2>" + ShellQuote(err) + " </dev/null";
        const int status = std::system(command.c_str());
        Outcome r;
        r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        r.out = ReadFile(out);
        r.err = ReadFile(err);
        return r;
    }
    Outcome Ok(const std::string& db, const std::vector<std::string>& args) {
        Outcome r = On(db, args);
        EXPECT_EQ(r.code, 0) << ::testing::PrintToString(args) << ": " << r.err;
        return r;
    }
    std::string Fresh(const std::string& name) {
        const std::string path = dir_.file(name);
        const std::string command =
            ShellQuote(ORVANE_CLI_PATH) + " init " + ShellQuote(path) + " >/dev/null";
        EXPECT_EQ(std::system(command.c_str()), 0);
        return path;
    }
    // Every file of a tree, by its path within the tree.
    std::map<std::string, std::string> Tree(const std::string& root) {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(root))
            if (entry.is_regular_file())
                files[fs::relative(entry.path(), root).string()] = ReadFile(entry.path().string());
        return files;
    }
    std::string JsonFile(const std::string& name, const Json& document) {
        const std::string path = dir_.file(name);
        WriteFile(path, document.dump(2));
        return path;
    }
    std::string sample_;
};

TEST_F(MaintainCliTest, TheJsonOfTheFirstRecordOfEveryKindImportsToTheSameJson) {
    const Json kinds = Ok(sample_, {"kinds", "--json"}).Parsed();
    for (const auto& kind : kinds["kinds"]) {
        const std::string id = kind["id"];
        SCOPED_TRACE(id);
        const std::string key = Ok(sample_, {"list", id, "--json"}).Parsed()["values"][0];
        const Outcome shown = Ok(sample_, {"show", id, key, "--json"});
        const std::string file = dir_.file(id + ".json");
        WriteFile(file, shown.out);
        const std::string fresh = Fresh(id + ".mdb");
        Ok(fresh, {"import", id, file});
        EXPECT_EQ(Ok(fresh, {"show", id, key, "--json"}).Parsed(), shown.Parsed());
    }
    // The whole record: database-only fields, the description without --describe, the
    // species level figure of a requirements block, a skill's class requirements.
    const Json creature = Ok(sample_, {"show", "creature-type", "Beast", "--json"}).Parsed();
    EXPECT_EQ(creature["fields"]["Vitality"], 8);
    const Json prestige = Ok(sample_, {"show", "prestige-class", "Khor Adept", "--json"}).Parsed();
    EXPECT_EQ(prestige["fields"]["Requirements"]["ReqSpecLvl"], 3);
    const Json calm = Ok(sample_, {"show", "skill", "Kindle Calm", "--json"}).Parsed();
    const std::string file = JsonFile("calm.json", calm);
    const std::string fresh = Fresh("calm.mdb");
    Ok(fresh, {"import", "skill", file});
    EXPECT_EQ(Ok(fresh, {"show", "skill", "Kindle Calm", "--json"})
                  .Parsed()["fields"]["Requirements"]["Class"]["text"],
              "Vael Guardian:3");
    EXPECT_NE(
        Ok(sample_, {"show", "feat", "Alertness", "--json"}).Parsed()["fields"]["Description"], "");
}

TEST_F(MaintainCliTest, JsonThatDoesNotFitIsRefusedNamingTheFieldAndNothingIsStored) {
    const Json armour = Ok(sample_, {"show", "armour", "Glimmer Mesh", "--json"}).Parsed();
    const std::string fresh = Fresh("fresh.mdb");
    auto refused = [&](Json document, const std::string& named) {
        const Outcome r = On(fresh, {"import", "armour", JsonFile("edit.json", document)});
        EXPECT_EQ(r.code, 1) << r.err;
        EXPECT_NE(r.err.find(named), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("nothing was stored"), std::string::npos) << r.err;
    };
    Json unknown = armour;
    unknown["fields"]["Colour"] = "red";
    refused(unknown, "unknown field 'Colour'");
    Json wrong = armour;
    wrong["fields"]["Cost"] = "cheap";
    refused(wrong, "field 'Cost' must be a whole number");
    Json big = armour;
    big["fields"]["Mass"] = 40000;
    refused(big, "field 'Mass'");
    Json keyless = armour;
    keyless["fields"].erase("Name");
    refused(keyless, "key field 'Name' is missing");
    Json entries = armour;
    entries["fields"]["Synergy"]["text"] = "0:Hide:3";
    refused(entries, "field 'Synergy': its entries do not match its text");
    Json other = armour;
    other["kind"] = "Weapon";
    refused(other, "\"Weapon\" record");
    Json mangled = armour;
    mangled["fields"]["Synergy"] = "Hide:2";
    refused(mangled, "field Synergy: 'Hide:2' would be stored as '0::0'");
    EXPECT_EQ(On(fresh, {"list", "armour"}).code, 1);  // still nothing stored

    // --force stores a mangled text as it reads; a plain text for a list is taken too.
    Ok(fresh, {"import", "armour", JsonFile("edit.json", mangled), "--force"});
    EXPECT_EQ(Ok(fresh, {"show", "armour", "Glimmer Mesh", "--json"})
                  .Parsed()["fields"]["Synergy"]["text"],
              "0::0");
    // A text file is told apart by its content and checked the same way.
    const std::string text = dir_.file("age.txt");
    WriteFile(text, "Old\r\nFalse\r\n 5 \r\n0|0|0|0|0|0\r\n\r\nKnowledge:1, 0:Diplomacy:1\r\n");
    const Outcome r = On(fresh, {"import", "age", text});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("field Synergy: 'Knowledge:1, 0:Diplomacy:1' would be stored as "
                         "'0::0, 0:Diplomacy:1'"),
              std::string::npos)
        << r.err;
}

TEST_F(MaintainCliTest, ReplaceSwapsTheStoredRecordInOneStepOrChangesNothing) {
    Json feat = Ok(sample_, {"show", "feat", "Iron Will", "--json"}).Parsed();
    feat["fields"]["Description"] = "+3 on Will saves.";
    feat["fields"]["Requirements"]["Feats"] = "Alertness";
    const Outcome r = Ok(sample_, {"replace", "feat", JsonFile("will.json", feat)});
    EXPECT_EQ(r.out, "Replaced Feat 'Iron Will'\n");
    const Json now = Ok(sample_, {"show", "feat", "Iron Will", "--json"}).Parsed();
    EXPECT_EQ(now["fields"]["Description"], "+3 on Will saves.");
    EXPECT_EQ(now["fields"]["Requirements"]["Feats"]["text"], "Alertness");
    const Json list = Ok(sample_, {"list", "feat", "--json"}).Parsed()["values"];
    EXPECT_EQ(std::count(list.begin(), list.end(), "Iron Will"), 1);

    // No stored record with the key: nothing changes.
    feat["fields"]["Name"] = "Iron Mind";
    const Outcome missing = On(sample_, {"replace", "feat", JsonFile("mind.json", feat)});
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("no stored Feat 'Iron Mind' to replace"), std::string::npos);
    EXPECT_EQ(On(sample_, {"show", "feat", "Iron Mind"}).code, 1);
    // An add that fails after the delete leaves the old record in place.
    Exec(sample_,
         "CREATE TRIGGER refuse BEFORE INSERT ON tblFeats WHEN new.Feat = 'Iron Will' "
         "BEGIN SELECT RAISE(ABORT, 'no more wills'); END;");
    feat["fields"]["Name"] = "Iron Will";
    feat["fields"]["Description"] = "changed again";
    const Outcome failed = On(sample_, {"replace", "feat", JsonFile("will2.json", feat)});
    EXPECT_EQ(failed.code, 1);
    EXPECT_NE(failed.err.find("no more wills"), std::string::npos) << failed.err;
    EXPECT_EQ(
        Ok(sample_, {"show", "feat", "Iron Will", "--json"}).Parsed()["fields"]["Description"],
        "+3 on Will saves.");
    // Station rows are replaced by their own key and flag.
    Json crew = Ok(sample_, {"show", "starship-crew", "30", "--station", "--json"}).Parsed();
    crew["fields"]["MaxCrew"] = 450;
    Ok(sample_, {"replace", "starship-crew", JsonFile("crew.json", crew)});
    EXPECT_EQ(Ok(sample_, {"show", "starship-crew", "30", "--station", "--json"})
                  .Parsed()["fields"]["MaxCrew"],
              450);
}

TEST_F(MaintainCliTest, DumpLoadDumpGivesTheSameTreeForTheSampleAndAGeneratedDatabase) {
    const std::string generated = MakeDatabase("generated.mdb");
    GenerateRules(generated, 25);
    for (const std::string& source : {sample_, generated}) {
        SCOPED_TRACE(source);
        const std::string first = dir_.file(fs::path(source).stem().string() + "-1");
        const std::string second = dir_.file(fs::path(source).stem().string() + "-2");
        Ok(source, {"dump", first});
        const std::string fresh = Fresh(fs::path(source).stem().string() + "-fresh.mdb");
        Ok(fresh, {"load", first});
        Ok(fresh, {"dump", second});
        const auto a = Tree(first), b = Tree(second);
        EXPECT_GT(a.size(), 40u);
        EXPECT_TRUE(a == b);
        for (const auto& [file, text] : a)
            if (b.count(file) && b.at(file) != text) ADD_FAILURE() << file << " differs";
        EXPECT_EQ(Ok(fresh, {"check"}).code, 0);
    }
    // One field per line, lists canonical, line breaks escaped; a change is a line.
    const std::string tree = dir_.file("sample-1");
    const std::string classes = ReadFile(tree + "/records/class.txt");
    EXPECT_NE(classes.find("\nDescription: Trained for war.\\r\\nHard to kill.\n"),
              std::string::npos);
    EXPECT_NE(classes.find("\nTradeLevels: Soldier, Vael Guardian\n"), std::string::npos);
    EXPECT_NE(ReadFile(tree + "/records/prestige-class.txt").find("\nRequirements.ReqSpecLvl: 3\n"),
              std::string::npos);
    EXPECT_EQ(ReadFile(tree + "/info.txt"), "Date: 2026-12-01\nInfo: Orvane Sample Rules 1.0\n");
    // A second dump over the first needs --force.
    EXPECT_EQ(On(sample_, {"dump", tree}).code, 1);
    Ok(sample_, {"dump", tree, "--force"});
}

TEST_F(MaintainCliTest, ALoadStoppedByABadFileLeavesTheDatabaseEmpty) {
    const std::string tree = dir_.file("tree");
    Ok(sample_, {"dump", tree});
    // A bad value late in the tree, after files that loaded.
    std::string species = ReadFile(tree + "/records/species.txt");
    species.replace(species.find("MaxOld: 60"), 10, "MaxOld: old");
    WriteFile(tree + "/records/species.txt", species);
    const std::string fresh = Fresh("fresh.mdb");
    const Outcome r = On(fresh, {"load", tree});
    EXPECT_EQ(r.code, 1);
    const std::size_t line = static_cast<std::size_t>(
        std::count(species.begin(),
                   species.begin() + static_cast<long>(species.find("MaxOld: old")), '\n') +
        1);
    EXPECT_NE(r.err.find("species.txt line " + std::to_string(line) + ", field MaxOld"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("nothing was loaded"), std::string::npos);
    const Json kinds = Ok(fresh, {"kinds", "--json"}).Parsed();
    for (const auto& kind : kinds["kinds"])
        EXPECT_EQ(On(fresh, {"list", kind["id"]}).code, 1) << kind["id"];
    for (const char* lookup : {"abilities", "languages", "regions", "colors", "keywords"})
        EXPECT_EQ(On(fresh, {"lookup", lookup}).code, 1) << lookup;

    // A line that is no field, and a field the kind lacks, name their line too; a database
    // that holds records is not loaded into.
    WriteFile(tree + "/records/species.txt", "Name: Gnome\nWings: 2\n");
    EXPECT_NE(On(fresh, {"load", tree})
                  .err.find("species.txt line 2: Species records have no field Wings"),
              std::string::npos);
    EXPECT_NE(On(sample_, {"load", tree}).err.find("the database is not empty"), std::string::npos);
}

TEST_F(MaintainCliTest, CheckReportsEachProblemWithItsRecordAndSuggestionsAndFailsOnlyThen) {
    EXPECT_EQ(Ok(sample_, {"check"}).out,
              "No problems: every name resolves and every list reads back.\n");
    Exec(sample_,
         "UPDATE tblSpecies SET ClassSkills = 'Swim, Survivl' WHERE Species = 'Thessin';"
         "UPDATE tblAges SET Synergy = 'Knowledge:1, 0:Diplomacy:1' WHERE Age = 'Old';"
         "UPDATE tblClassesLevels SET SkillMastery = 'Pilot Mastry:1|8' WHERE Class = 'Scout' AND "
         "Level = 8;");
    const Outcome r = On(sample_, {"check"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out,
              "age 'Old': field Synergy: 'Knowledge:1, 0:Diplomacy:1' does not read back as "
              "itself; it is read as '0::0, 0:Diplomacy:1'\n"
              "class-level 'Scout:8': field SkillMastery names 'Pilot Mastry', which is no skill "
              "mastery (did you mean 'Pilot Mastery'?)\n"
              "species 'Thessin': field ClassSkills names 'Survivl', which is no skill (did you "
              "mean 'Survival'?)\n");
    EXPECT_EQ(r.err, "orvane: 3 problems in 3 records\n");
    const Json json = On(sample_, {"check", "--json"}).Parsed();
    ASSERT_EQ(json["count"], 3);
    EXPECT_EQ(json["problems"][2]["problem"], "dangling");
    EXPECT_EQ(json["problems"][2]["id"], "species");
    EXPECT_EQ(json["problems"][2]["names"], "skill");
    EXPECT_EQ(json["problems"][2]["suggestions"], Json::array({"Survival"}));
    EXPECT_EQ(json["problems"][0]["canonical"], "0::0, 0:Diplomacy:1");
}

TEST_F(MaintainCliTest, SearchListsRankedHitsWithKindAndKey) {
    const Outcome r = Ok(sample_, {"search", "anger"});
    EXPECT_EQ(r.out, "feat 'Dread Focus': [Anger] sharpens the dark arts.\n");
    const Json hits = Ok(sample_, {"search", "vael", "--kind", "class", "--json"}).Parsed()["hits"];
    ASSERT_EQ(hits.size(), 2u);
    for (const auto& hit : hits) EXPECT_EQ(hit["id"], "class");
    const Outcome none = On(sample_, {"search", "xylophone"});
    EXPECT_EQ(none.code, 1);
    EXPECT_EQ(none.err, "orvane: nothing matches 'xylophone'\n");
    EXPECT_EQ(On(sample_, {"search", "vael", "--kind", "clas"}).code, 2);
}

}  // namespace
}  // namespace orvane_test
