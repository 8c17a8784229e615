// The five lookup lists over the sample and over scratch databases.
#include "support.hpp"

namespace orvane_test {
namespace {

using namespace OrvaneLib;

class LookupTest : public OrvaneTest {};

TEST_F(LookupTest, SampleListsCountFromOne) {
    auto db = OpenScratch("", true);
    ListResult abilities = db->AbilityList();
    EXPECT_EQ(abilities.LBound(), 1);
    EXPECT_EQ(abilities[1], "Strength");
    EXPECT_EQ(abilities[6], "Charisma");
    EXPECT_EQ(db->KeywordList().size(), 5u);
    EXPECT_EQ(db->LanguageList()[1], "Orvanic");
    EXPECT_EQ(db->RegionList().size(), 5u);
    EXPECT_EQ(db->GetColorList()[2], "Slate");
    EXPECT_EQ(boxes_.size(), 0u);
}

TEST_F(LookupTest, EmptyTablesReportTheirMessageAndReturnTheEmptyForm) {
    auto db = OpenScratch();
    struct Case {
        ListResult (clsDatabase::*list)();
        const char* prompt;
    } cases[] = {
        {&clsDatabase::AbilityList,
         "Property Get: AbilityList\r\nThere are no Ability Records in the Database!"},
        {&clsDatabase::KeywordList,
         "Property Get: KeywordList\r\nThere are no Keyword Records in the Database!"},
        {&clsDatabase::LanguageList,
         "Property Get: LanguageList\r\nThere are no Language Records in the Database!"},
        {&clsDatabase::RegionList,
         "Property Get: RegionList\r\nThere are no Region Records in the Database!"},
        {&clsDatabase::GetColorList,
         "Property Get: GetColorList\r\nThere are no Color Records in the Database!"},
    };
    for (const auto& c : cases) {
        boxes_.clear();
        EXPECT_TRUE(((*db).*c.list)().IsEmptyForm());
        ASSERT_EQ(boxes_.size(), 1u);
        EXPECT_EQ(boxes_.last().prompt, c.prompt);
    }
}

TEST_F(LookupTest, EmptyKeysAreReportedWithTheirOwnTexts) {
    auto db = OpenScratch();
    db->AddAbility("", 3);
    db->DelAbility("");
    EXPECT_EQ(db->GetAbility(""), 0);
    db->AddKeyword("", 7);
    db->DelKeyword("");
    EXPECT_EQ(db->GetKeyword(""), "");
    db->AddLanguage("");
    db->DelLanguage("");
    db->AddRegion("");
    db->DelRegion("");
    db->AddColor("");
    db->DelColor("");
    std::vector<std::string> expected = {
        "Sub: AddAbility(, 3)\r\nAn Ability Search field was not corretly Identified.",
        "Property Let: DelAbility()\r\nAn Ability Search field was not corretly Identified.",
        "Function: GetAbility()\r\nAn Ability Search field was not corretly Identified.",
        "Sub: AddKeyword(, 7)\r\nAn Keyword Search field was not corretly Identified.",
        "Property Let: DelKeyword()\r\nAn Keyword Search field was not corretly Identified.",
        "Function: GetKeyword()\r\nAn Keyword Search field was not corretly Identified.",
        "Property Let: AddLanguage()\r\nA Language Search field was not corretly Identified.",
        "Property Let: DelLanguage()\r\nA Language Search field was not corretly Identified.",
        "Property Let: AddRegion()\r\nA Region Search field was not corretly Identified.",
        "Property Let: DelRegion()\r\nA Region Search field was not corretly Identified.",
        "Property Let: AddColor()\r\nA Color name was not correctly specified.",
        "Property Let: DelColor()\r\nA Color Search field was not corretly Identified.",
    };
    ASSERT_EQ(boxes_.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(boxes_.boxes()[i].prompt, expected[i]);
}

TEST_F(LookupTest, AddAppendsDuplicatesAndDelRemovesOneMatchIgnoringCase) {
    auto db = OpenScratch();
    db->AddLanguage("Velmoran");
    db->AddLanguage("Velmoran");
    db->AddLanguage("Orvanic");
    EXPECT_EQ(db->LanguageList().size(), 3u);
    db->DelLanguage("VELMORAN");
    ListResult langs = db->LanguageList();
    ASSERT_EQ(langs.size(), 2u);
    EXPECT_EQ(langs[1], "Velmoran");
    EXPECT_EQ(langs[2], "Orvanic");
    db->DelColor("Nothing");
    db->DelLanguage("Nothing");
    EXPECT_EQ(boxes_.size(), 0u);
}

TEST_F(LookupTest, KeysAreMatchedLiterally) {
    auto db = OpenScratch();
    db->AddLanguage("Language");
    db->AddLanguage("Say \"hi\"");
    db->AddLanguage("x\" OR \"1\"=\"1");
    db->DelLanguage("x\" OR \"1\"=\"1");  // removes only the row holding exactly that text
    ListResult langs = db->LanguageList();
    ASSERT_EQ(langs.size(), 2u);
    db->DelLanguage("Say \"hi\"");
    db->DelLanguage("language");
    EXPECT_TRUE(db->LanguageList().IsEmptyForm());
    EXPECT_EQ(boxes_.size(), 1u);  // only the final empty list
}

TEST_F(LookupTest, AbilitiesGoThroughTheStoredQueryWhenItExists) {
    auto db =
        OpenScratch("INSERT INTO tblAbility VALUES ('Wisdom', 2), ('Might', 1), ('Grace', NULL);");
    ListResult list = db->AbilityList();
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[1], "Grace");  // the query orders by "Order"; nulls first
    EXPECT_EQ(list[2], "Might");
    EXPECT_EQ(db->GetAbility("wisdom"), 2);
    EXPECT_EQ(db->GetAbility("Luck"), 0);
    EXPECT_EQ(boxes_.size(), 0u);
    EXPECT_EQ(db->GetAbility("Grace"), 0);  // a null Order is a failure
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_.last().prompt.rfind("Function: GetAbility(Grace)\r\n", 0), 0u);

    db->AddAbility("Luck", 9);
    EXPECT_EQ(db->GetAbility("Luck"), 9);
    db->DelAbility("MIGHT");  // deleted through the query, from its base table
    EXPECT_EQ(db->AbilityList().size(), 3u);
    EXPECT_EQ(db->GetAbility("Might"), 0);
}

TEST_F(LookupTest, WithoutTheStoredQueryAbilitiesFallBack) {
    auto db = OpenScratch("DROP VIEW qryAbility; INSERT INTO tblAbility VALUES ('Might', 1);");
    ListResult list = db->AbilityList();
    EXPECT_EQ(list.LBound(), 0);
    ASSERT_EQ(list.UBound(), 5);
    EXPECT_EQ(list[0], "Strength");
    EXPECT_EQ(list[5], "Charisma");
    EXPECT_EQ(boxes_.size(), 0u);
    EXPECT_EQ(db->GetAbility("Might"), 0);
    EXPECT_EQ(boxes_.size(), 1u);  // the query is missing: a reported failure
    db->DelAbility("Might");       // falls back to the table
    auto again = OpenScratch("DROP VIEW qryAbility; DROP TABLE tblAbility;");
    again->AddAbility("Might", 1);  // no table: nothing, silently
    again->DelAbility("Might");
    EXPECT_EQ(boxes_.size(), 0u);
}

TEST_F(LookupTest, KeywordsWithoutTheirTableAreSilentExceptTheRead) {
    auto db = OpenScratch("DROP TABLE tblKeywords;");
    EXPECT_TRUE(db->KeywordList().IsEmptyForm());
    db->AddKeyword("Aumen", 1);
    db->DelKeyword("Aumen");
    EXPECT_EQ(boxes_.size(), 0u);
    EXPECT_EQ(db->GetKeyword("Aumen"), "");
    EXPECT_EQ(boxes_.size(), 1u);

    auto kw = OpenScratch("INSERT INTO tblKeywords VALUES ('Aumen', 12);");
    EXPECT_EQ(kw->GetKeyword("aumen"), "12");
    EXPECT_EQ(kw->GetKeyword("Khor"), "");
    kw->AddKeyword("Khor", -3);
    EXPECT_EQ(kw->GetKeyword("Khor"), "-3");
    EXPECT_EQ(boxes_.size(), 0u);
}

TEST_F(LookupTest, MissingTablesAreReportedUnderTheOperationsLabel) {
    auto db = OpenScratch("DROP TABLE tblColors;");
    db->Logging(true);
    db->AddColor("Amber");
    db->DelColor("Amber");
    EXPECT_TRUE(db->GetColorList().IsEmptyForm());
    ASSERT_EQ(boxes_.size(), 3u);
    EXPECT_EQ(boxes_.boxes()[0].prompt.rfind("Property Let: AddColor(Amber)\r\n", 0), 0u);
    EXPECT_EQ(boxes_.boxes()[1].prompt.rfind("Property Let: DelColor(Amber)\r\n", 0), 0u);
    EXPECT_EQ(boxes_.boxes()[2].prompt.rfind("Property Get: GetColorList\r\n", 0), 0u);
    db->Logging(false);
    std::string log = ReadFile(LogPath(1));
    EXPECT_NE(log.find("\tSelect * From tblColors Where tblColors.Color = \"Amber\"\r\n"),
              std::string::npos);
}

}  // namespace
}  // namespace orvane_test
