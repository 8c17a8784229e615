// orvane convert, run as a process: its lines, its JSON, its exit status, and the tool's
// report when it is given a Jet file to open.
#include <sys/wait.h>

#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sstream>

#include "support.hpp"

namespace orvane_test {
namespace {

const std::string kNwind = std::string(ORVANE_JET_TESTDATA) + "/nwind.mdb";

struct Result {
    int code = -1;
    std::string out;
    std::vector<std::string> err;  // lines
};

class ConvertCliTest : public OrvaneTest {
  protected:
    // Runs the tool with standard output and error going to files (not a terminal).
    Result Run(const std::vector<std::string>& args) {
        auto quote = [](const std::string& arg) {
            std::string quoted = "'";
            for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
            return quoted + "'";
        };
        std::string command = quote(ORVANE_CLI_PATH);
        for (const auto& arg : args) command += " " + quote(arg);
        const std::string out = dir_.file("stdout"), err = dir_.file("stderr");
        command += " >" + quote(out) + " 2>" + quote(err) + " </dev/null";
        const int status = std::system(command.c_str());
        Result r;
        r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        r.out = ReadFile(out);
        std::istringstream lines(ReadFile(err));
        for (std::string line; std::getline(lines, line);) r.err.push_back(line);
        return r;
    }
};

TEST_F(ConvertCliTest, ConvertsWithOneLinePerTableAndASummary) {
    const std::string target = dir_.file("n.mdb");
    const Result r = Run({"convert", kNwind, target});
    ASSERT_EQ(r.code, 0) << r.out;
    EXPECT_TRUE(r.err.empty());
    EXPECT_NE(r.out.find("\nOrder Details: 2155 rows\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\nUmsätze: 830 rows\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("(Jet 3) into " + target + ": 9 tables, 4032 rows\n"), std::string::npos);
    EXPECT_NE(r.out.find("Queries made: 2\n  Current Product List\n"), std::string::npos);
    EXPECT_NE(r.out.find("Queries skipped: 20\n"), std::string::npos);
    EXPECT_NE(r.out.find("  Order Subtotals: the Access function CCur()\n"), std::string::npos);

    // The converted file is a rules database the tool opens; converting onto it is refused.
    const Result again = Run({"convert", kNwind, target, "--json"});
    EXPECT_EQ(again.code, 1);
    EXPECT_TRUE(again.out.empty());
    ASSERT_EQ(again.err.size(), 1u);
    EXPECT_EQ(again.err[0], "orvane: cannot convert " + kNwind + ": " + target +
                                " exists; it is never overwritten");
}

TEST_F(ConvertCliTest, JsonForPrograms) {
    const Result r = Run({"convert", kNwind, dir_.file("n.mdb"), "--json"});
    ASSERT_EQ(r.code, 0);
    const auto json = nlohmann::json::parse(r.out);
    EXPECT_EQ(json["jetVersion"], 3);
    EXPECT_EQ(json["rows"], 4032);
    EXPECT_EQ(json["tables"].size(), 9u);
    EXPECT_EQ(json["queriesMade"].size(), 2u);
    EXPECT_EQ(json["queriesMade"][0]["fromLibrarySchema"], false);
    EXPECT_EQ(json["queriesSkipped"].size(), 20u);
    for (const auto& q : json["queriesSkipped"])
        EXPECT_FALSE(q["reason"].get<std::string>().empty());
}

TEST_F(ConvertCliTest, FailuresAreOneLineAndLeaveNothing) {
    const std::string bad = dir_.file("bad.mdb");
    WriteFile(bad, ReadFile(kNwind).substr(0, 5000));
    const Result r = Run({"convert", bad, dir_.file("out.mdb")});
    EXPECT_EQ(r.code, 1);
    ASSERT_EQ(r.err.size(), 1u);
    EXPECT_EQ(r.err[0].rfind("orvane: cannot convert " + bad + ": it is truncated", 0), 0u)
        << r.err[0];
    EXPECT_FALSE(fs::exists(dir_.file("out.mdb")));
    for (const auto& e : fs::directory_iterator(dir_.path()))
        EXPECT_EQ(e.path().filename().string().find("converting"), std::string::npos);
    EXPECT_EQ(Run({"convert", kNwind}).code, 2);  // NEW missing
}

TEST_F(ConvertCliTest, OpeningAJetFileSaysToConvertIt) {
    const Result r = Run({"--db", kNwind, "info"});
    EXPECT_EQ(r.code, 1);
    ASSERT_EQ(r.err.size(), 1u);
    EXPECT_NE(r.err[0].find("Sub: OpenDB: " + kNwind + " is a Jet database"), std::string::npos)
        << r.err[0];
    EXPECT_NE(r.err[0].find("'orvane convert " + kNwind + " NEW.mdb'"), std::string::npos);
}

}  // namespace
}  // namespace orvane_test
