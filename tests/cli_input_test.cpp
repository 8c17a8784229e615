// The orvane tool on input that is not what it should be: a record file that loads but names
// no record, and database text that is not valid UTF-8.
#include "support.hpp"

#ifdef ORVANE_CLI_PATH
#include <sys/wait.h>

#include <cstdlib>
#include <nlohmann/json.hpp>

namespace orvane_test {
namespace {

class CliInput : public OrvaneTest {
  protected:
    struct Run {
        int code = -1;
        std::string out, err;
    };
    Run Tool(const std::vector<std::string>& args) {
        auto quote = [](const std::string& arg) {
            std::string q = "'";
            for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
            return q + "'";
        };
        std::string command = quote(ORVANE_CLI_PATH);
        for (const auto& arg : args) command += " " + quote(arg);
        const std::string out = dir_.file("stdout"), err = dir_.file("stderr");
        command += " >" + quote(out) + " 2>" + quote(err) + " </dev/null";
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(out), ReadFile(err)};
    }
};

// A file of a million lone carriage returns is a million empty lines: a homeworld loads from
// it with an empty name, which import refuses instead of adding.
TEST_F(CliInput, ImportRefusesARecordWithAnEmptyKey) {
    const std::string db = MakeDatabase("rules.mdb");
    const std::string file = dir_.file("crs.txt");
    WriteFile(file, std::string(1000000, '\r'));
    const Run r = Tool({"--db", db, "import", "homeworld", file});
    EXPECT_EQ(r.code, 1) << r.out;
    EXPECT_EQ(r.err, "orvane: " + file +
                         " gives the Homeworld no Name (an empty key); nothing was added\n");
    EXPECT_EQ(Rows(*Connect(db), "tblHomeworlds").RecordCount(), 0);
}

// A key that is not valid UTF-8 comes out of list --json with replacement characters, and
// standard error says so; the other values are unchanged.
TEST_F(CliInput, ListJsonWritesTextThatIsNotUtf8WithReplacementCharacters) {
    const std::string db = MakeDatabase(
        "rules.mdb", false,
        "INSERT INTO tblHomeworlds (Name) VALUES ('Plain'), (CAST(X'4F72FF7661' AS TEXT));");
    const Run r = Tool({"--db", db, "list", "homeworld", "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    const auto json = nlohmann::json::parse(r.out);
    EXPECT_EQ(json["values"], nlohmann::json::array({"Plain", "Or\xEF\xBF\xBDva"}));
    EXPECT_EQ(r.err,
              "orvane: text that is not valid UTF-8 is written with replacement characters "
              "(U+FFFD)\n");
}

}  // namespace
}  // namespace orvane_test
#endif
