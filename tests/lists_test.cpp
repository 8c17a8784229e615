// Number reading shared by every encoded list, and the item, level, bonus and synergy lists.
#include "lists_support.hpp"

namespace {

using namespace OrvaneLib;
using detail::NumberRead;
using lists_test::ExpectReadings;
using lists_test::Repeat;

TEST(ListNumbers, RoundHalfToEvenOnTheDecimalDigits) {
    auto read = [](std::string_view text, NumberRead kind, Integer value) {
        Integer got = -1;
        EXPECT_EQ(detail::ReadInteger(text, got), kind) << text;
        EXPECT_EQ(got, value) << text;
    };
    for (auto [text, value] : {std::pair{"2.5", 2},
                               {"3.5", 4},
                               {"2.5000001", 3},
                               {"-2.5", -2},
                               {"-3.5", -4},
                               {"0.5", 0},
                               {" +7 ", 7},
                               {"5.", 5},
                               {".51", 1},
                               {"00000000000000000000012", 12},
                               {"-32768.5", -32768},
                               {"2.49999999999999999999", 2}}) {
        read(text, NumberRead::Ok, static_cast<Integer>(value));
    }
    for (const char* text : {"32767.5", "-32769", "99999999999999999999999999"}) {
        read(text, NumberRead::OutOfRange, 0);
    }
    for (const char* text : {"", " ", "x", "1e3", "+-1", "1.2.3", "\t5", "5 5", ".", "-", "0x1"}) {
        read(text, NumberRead::NotANumber, 0);
    }

    auto round = [](std::string_view text, std::int64_t& value) {
        detail::Decimal number;
        return detail::ParseDecimal(text, number) && detail::RoundHalfEven(number, value);
    };
    std::int64_t v = 0;
    EXPECT_TRUE(round("-9223372036854775808.5", v));  // even already: stays
    EXPECT_EQ(v, INT64_MIN);
    EXPECT_FALSE(round("9223372036854775807.5", v));
    EXPECT_FALSE(round("-9223372036854775809", v));
}

TEST(ListSimple, ItemsBlanksAndEmptyEntries) {
    ExpectReadings<clsListSimple>({{"", nullptr},
                                   {"   ", nullptr},
                                   {"a, b ,c", "a, b, c"},
                                   {" \ta\t , b", "\ta\t, b"},  // only blanks are trimmed
                                   {"\t", "\t"},
                                   {"a,,b", "a, , b"},
                                   {"a,b,", "a, b, "},
                                   {Repeat("x", 32768), nullptr}});
    clsListSimple list;
    list.SetList("A, b, b,");
    EXPECT_EQ(list.GetSize(), 4);
    EXPECT_FALSE(list.InList("a"));
    EXPECT_FALSE(list.InList(" b"));
    EXPECT_TRUE(list.InList("b"));
    EXPECT_TRUE(list.InList(""));
    EXPECT_EQ(list.GetItem(0), "A");
    EXPECT_EQ(list.GetItem(-1), "");
    EXPECT_EQ(list.GetItem(list.GetSize()), "");
    clsListSimple copy = list;
    list.SetList(" ");
    EXPECT_FALSE(list.InList("b"));
    EXPECT_EQ(list.GetItem(0), "");
    EXPECT_EQ(copy.GetItem(1), "b");
}

TEST(ListLevel, NamesRanksAndFailures) {
    ExpectReadings<clsListLevel>(
        {{"   ", nullptr},
         {"Climb: 4 , Jump", "Climb:4, Jump:0"},
         {"a:b:3, 7, \tRide:x", "a:3, 7:7, \tRide:0"},
         {"Climb:2.5, Swim:3.5, a:-32768, b:32767", "Climb:2, Swim:4, a:-32768, b:32767"},
         {"Climb:4, ", "Climb:4, :0"},  // blanks are not empty
         {"Climb:4,,Jump:2", nullptr},
         {"Climb:4,", nullptr},
         {"Climb:40000", nullptr},
         {"a:1, b:-32769", nullptr},
         {Repeat("a:1", 32768), nullptr}});
    clsListLevel list;
    list.SetList("Climb:4, Climb:6, Jump:2");
    EXPECT_EQ(list.GetRankFromName("Climb"), 4);
    EXPECT_EQ(list.GetRankFromName("climb"), 0);
    EXPECT_EQ(list.GetRankFromName(" Jump"), 0);
    EXPECT_TRUE(list.InList("Jump"));
    EXPECT_FALSE(list.InList("jump"));
    EXPECT_EQ(list.GetName(1), "Climb");
    EXPECT_EQ(list.GetRank(1), 6);
    for (Integer i : {Integer{-1}, list.GetSize()}) {
        EXPECT_EQ(list.GetName(i), "");
        EXPECT_EQ(list.GetRank(i), 0);
    }
    list.SetList("Climb:4,");
    EXPECT_EQ(list.GetRankFromName("Climb"), 0);
}

TEST(ListBonus, HeadsLevelsAndFailures) {
    ExpectReadings<clsListBonus>(
        {{"Bonus Feat:2|1:5, Skill Point:1|3", "Bonus Feat:2|1:5, Skill Point:1|3"},
         {"Feat:2", "Feat:2|0:2"},  // no bar: the whole entry is head and levels
         {"Feat|1, Skill:x:2|ignored| 2.5 : 3.5", "Feat:0|1, Skill:2|2:4"},
         {"Feat:2|1:,  ", "Feat:2|1:0, :0|0"},
         {"  ", nullptr},
         {"Feat:2|", nullptr},
         {"Feat:2|1|", nullptr},
         {"a:1|1,,b:1|1", nullptr},
         {"a:1|1,", nullptr},
         {"Feat:40000|1", nullptr},
         {"Feat:1|1:-40000", nullptr},
         {"Feat:1|" + Repeat("1", 32768, ":"), nullptr}});  // a quantity must fit
    clsListBonus list;
    list.SetList("Bonus Feat:3|1:1:4, Feat|1, Talent:3|2");
    EXPECT_EQ(list.GetName(0), "Bonus Feat");
    EXPECT_EQ(list.GetNumber(0), 3);
    EXPECT_EQ(list.GetLevel(0, 0), 1);
    EXPECT_EQ(list.GetQuantity(0, 0), 2);
    EXPECT_EQ(list.GetQuantity(0, 1), 1);
    EXPECT_EQ(list.GetLevel(0, 2), 4);
    EXPECT_EQ(list.GetQuantity(0, 2), 1);
    EXPECT_EQ(list.GetLevel(1, 0), 0);  // Number 0 hides the stored level
    EXPECT_EQ(list.GetLevel(2, 1), 0);  // below Number, beyond the stored levels
    EXPECT_EQ(list.GetQuantity(2, 1), 0);
    for (auto [b, n] : {std::pair{-1, 0}, {3, 0}, {0, -1}, {0, 3}}) {
        auto iBonus = static_cast<Integer>(b), iNumber = static_cast<Integer>(n);
        EXPECT_EQ(list.GetLevel(iBonus, iNumber), 0) << b << ',' << n;
        EXPECT_EQ(list.GetQuantity(iBonus, iNumber), 0) << b << ',' << n;
    }
    EXPECT_EQ(list.GetName(3), "");
    EXPECT_EQ(list.GetNumber(-1), 0);
    list.SetList("Feat:1|" + Repeat("1", 32767, ":"));
    EXPECT_EQ(list.GetQuantity(0, 0), 32767);
}

TEST(ListSynergy, TriplesShortEntriesAndFailures) {
    ExpectReadings<clsListSynergy>({{"5:Tumble:2, 5:Balance:2", "5:Tumble:2, 5:Balance:2"},
                                    {" 5 : Tumble : 2 ", "5:Tumble:2"},
                                    {"Tumble:2", "0::0"},
                                    {"a:Tumble:b, \t6:x:2.5", "0:Tumble:0, 0:x:2"},
                                    {"5:Tumble:x:2", "5:Tumble:2"},
                                    {"5:Tumble:2,,3:Jump:1,", "5:Tumble:2, 0::0, 3:Jump:1, 0::0"},
                                    {"Tumble:99999", "0::0"},  // too short to be read
                                    {"5:Tumble:99999", nullptr},
                                    {"1:a:1, -40000:Jump:1", nullptr},
                                    {" ", nullptr}});
    clsListSynergy list;
    list.SetList("Tumble:2, 5:Balance:2, 7:Balance:3");
    EXPECT_FALSE(list.InList("Tumble"));
    EXPECT_TRUE(list.InList("Balance"));
    EXPECT_EQ(list.GetBonusFromSkill("Balance"), 2);
    EXPECT_EQ(list.GetLevelFromSkill("Balance"), 5);
    EXPECT_EQ(list.GetLevelFromSkill("balance"), 0);
    EXPECT_EQ(list.GetLevel(2), 7);
    EXPECT_EQ(list.GetSkill(2), "Balance");
    EXPECT_EQ(list.GetBonus(2), 3);
    for (Integer i : {Integer{-1}, list.GetSize()}) {
        EXPECT_EQ(list.GetLevel(i), 0);
        EXPECT_EQ(list.GetSkill(i), "");
        EXPECT_EQ(list.GetBonus(i), 0);
    }
}

TEST(ListSubSynergy, QuadruplesAndTheThreePieceForm) {
    ExpectReadings<clsListSubSynergy>(
        {{"1:Jump:2", "1:Jump:2:2"},  // the third piece is skill and bonus
         {" 3 : a : b : x : 7 ,Jump,", "3:a:b:7, 0:::0, 0:::0"},
         {"1:Jump:99999", nullptr},
         {"", nullptr}});
    clsListSubSynergy list;
    list.SetList("2:Navigation:Knowledge:1, 4:Piloting:Knowledge:3");
    EXPECT_EQ(list.GetSubSkill(0), "Navigation");
    EXPECT_EQ(list.GetSkill(0), "Knowledge");
    EXPECT_EQ(list.GetBonusFromSkill("Knowledge"), 1);
    EXPECT_EQ(list.GetLevelFromSkill("Knowledge"), 2);
    EXPECT_EQ(list.GetBonusFromSkill("knowledge"), 0);
    EXPECT_FALSE(list.InList("Navigation"));
    EXPECT_EQ(list.GetLevelFromSkill("Navigation"), 0);
    EXPECT_EQ(list.GetLevel(1), 4);
    EXPECT_EQ(list.GetBonus(1), 3);
    for (Integer i : {Integer{-1}, list.GetSize()}) {
        EXPECT_EQ(list.GetLevel(i), 0);
        EXPECT_EQ(list.GetSubSkill(i), "");
        EXPECT_EQ(list.GetSkill(i), "");
        EXPECT_EQ(list.GetBonus(i), 0);
    }
}

template <class T>
void ExpectCreatable(const std::string& name) {
    std::shared_ptr<Object> object = CreateObject("OrvaneLib." + name);
    ASSERT_NE(std::dynamic_pointer_cast<T>(object), nullptr) << name;
    EXPECT_EQ(object->ClassName(), name);
}

TEST(ListClasses, CreatableByNameExceptOrLevel) {
    ExpectCreatable<clsListSimple>("clsListSimple");
    ExpectCreatable<clsListLevel>("clsListLevel");
    ExpectCreatable<clsListBonus>("clsListBonus");
    ExpectCreatable<clsListSynergy>("clsListSynergy");
    ExpectCreatable<clsListSubSynergy>("clsListSubSynergy");
    ExpectCreatable<clsListOrSimple>("clsListOrSimple");
    ExpectCreatable<clsListTripleSimple>("clsListTripleSimple");
    EXPECT_EQ(CreateObject("OrvaneLib.clsListOrLevel"), nullptr);
    EXPECT_EQ(clsListOrLevel().ClassName(), "clsListOrLevel");
}

}  // namespace
