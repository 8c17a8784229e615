// Number reading shared by every encoded list, and the item, level, bonus and synergy lists.
#include <gtest/gtest.h>

#include <string>

#include "lists/grammar.hpp"
#include "orvane/orvane.hpp"

namespace {

using namespace OrvaneLib;
using detail::NumberRead;

struct Read {
    NumberRead kind;
    Integer value;
};
Read ReadNumber(std::string_view text) {
    Read r{NumberRead::Ok, -1};
    r.kind = detail::ReadInteger(text, r.value);
    return r;
}

// A text with `n` comma-separated copies of `entry`.
std::string Repeat(const std::string& entry, std::size_t n, const std::string& sep = ",") {
    std::string text;
    for (std::size_t i = 0; i < n; ++i) text += (i ? sep : "") + entry;
    return text;
}

TEST(ListNumbers, RoundHalfToEvenOnTheDecimalDigits) {
    const std::pair<const char*, Integer> cases[] = {{"2.5", 2},
                                                     {"3.5", 4},
                                                     {"2.5000001", 3},
                                                     {"2.4999999", 2},
                                                     {"-2.5", -2},
                                                     {"-3.5", -4},
                                                     {"0.5", 0},
                                                     {" +7 ", 7},
                                                     {"5.", 5},
                                                     {".51", 1},
                                                     {"-0", 0},
                                                     {"0000000000000000000000012", 12},
                                                     {"32767.4", 32767},
                                                     {"-32768.5", -32768},
                                                     {"2.50000000000000000000000000001", 3}};
    for (const auto& [text, value] : cases) {
        Read r = ReadNumber(text);
        EXPECT_EQ(r.kind, NumberRead::Ok) << text;
        EXPECT_EQ(r.value, value) << text;
    }
    for (const char* text : {"32767.5", "32768", "-32769", "99999999999999999999999999"}) {
        Read r = ReadNumber(text);
        EXPECT_EQ(r.kind, NumberRead::OutOfRange) << text;
        EXPECT_EQ(r.value, 0) << text;
    }
    for (const char* text : {"", "   ", "x", "1e3", "--1", "+-1", "1.2.3", "\t5", "5 5", ".", "+",
                             "- 5", "1,000", "0x10", "$5"}) {
        Read r = ReadNumber(text);
        EXPECT_EQ(r.kind, NumberRead::NotANumber) << text;
        EXPECT_EQ(r.value, 0) << text;
    }
}

TEST(ListNumbers, SixtyFourBitRoundingKeepsItsLimits) {
    auto round = [](std::string_view text, std::int64_t& value) {
        detail::Decimal number;
        return detail::ParseDecimal(text, number) && detail::RoundHalfEven(number, value);
    };
    std::int64_t v = 0;
    EXPECT_TRUE(round("9223372036854775807.4", v));
    EXPECT_EQ(v, INT64_MAX);
    EXPECT_FALSE(round("9223372036854775807.5", v));
    EXPECT_FALSE(round("9223372036854775808", v));
    EXPECT_TRUE(round("-9223372036854775808.5", v));  // even already: stays
    EXPECT_EQ(v, INT64_MIN);
    EXPECT_FALSE(round("-9223372036854775808.51", v));
    EXPECT_FALSE(round("-9223372036854775809", v));
}

TEST(ListSimple, BlankTextAndTrimming) {
    clsListSimple list;
    EXPECT_FALSE(list.HasList());
    for (const char* blank : {"", "   "}) {
        list.SetList("a");
        list.SetList(blank);
        EXPECT_FALSE(list.HasList()) << '"' << blank << '"';
        EXPECT_EQ(list.GetSize(), 0);
        EXPECT_EQ(list.GetItem(0), "");
        EXPECT_FALSE(list.InList("a"));
        EXPECT_EQ(list.GetList(), "");
    }
    list.SetList("a, b ,c");
    EXPECT_EQ(list.GetSize(), 3);
    EXPECT_EQ(list.GetItem(1), "b");
    EXPECT_EQ(list.GetList(), "a, b, c");
    // Only blanks are trimmed; a tab is part of the item, and a lone tab is no blank text.
    list.SetList(" \ta\t , b");
    EXPECT_EQ(list.GetItem(0), "\ta\t");
    list.SetList("\t");
    EXPECT_TRUE(list.HasList());
    EXPECT_EQ(list.GetItem(0), "\t");
}

TEST(ListSimple, EmptyItemsCountAndRoundTrip) {
    clsListSimple list;
    list.SetList("a,,b");
    ASSERT_EQ(list.GetSize(), 3);
    EXPECT_EQ(list.GetItem(1), "");
    EXPECT_EQ(list.GetList(), "a, , b");
    list.SetList("a,b,");
    ASSERT_EQ(list.GetSize(), 3);
    EXPECT_EQ(list.GetItem(2), "");
    list.SetList(list.GetList());
    EXPECT_EQ(list.GetSize(), 3);
    EXPECT_EQ(list.GetList(), "a, b, ");
}

TEST(ListSimple, LookupsAreExactAndRangeChecked) {
    clsListSimple list;
    list.SetList("A, b, b");
    EXPECT_FALSE(list.InList("a"));
    EXPECT_FALSE(list.InList(" b"));
    EXPECT_TRUE(list.InList("b"));
    EXPECT_EQ(list.GetSize(), 3);  // duplicates stay
    EXPECT_EQ(list.GetItem(-1), "");
    EXPECT_EQ(list.GetItem(list.GetSize()), "");
    EXPECT_EQ(list.GetItem(32767), "");
    clsListSimple copy = list;
    list.Clear();
    EXPECT_FALSE(list.InList("b"));
    EXPECT_EQ(list.GetItem(0), "");
    EXPECT_EQ(copy.GetItem(0), "A");
}

TEST(ListSimple, MoreItemsThanAnIndexReachesGiveTheEmptyList) {
    clsListSimple list;
    list.SetList(Repeat("x", 32767));
    EXPECT_EQ(list.GetSize(), 32767);
    EXPECT_EQ(list.GetItem(32766), "x");
    list.SetList(Repeat("x", 32768));
    EXPECT_FALSE(list.HasList());
    EXPECT_EQ(list.GetSize(), 0);
}

TEST(ListLevel, NameIsTheFirstPieceAndRankTheLast) {
    clsListLevel list;
    list.SetList("Climb: 4 , Jump");
    ASSERT_EQ(list.GetSize(), 2);
    EXPECT_EQ(list.GetName(0), "Climb");
    EXPECT_EQ(list.GetRank(0), 4);
    EXPECT_EQ(list.GetName(1), "Jump");
    EXPECT_EQ(list.GetRank(1), 0);
    EXPECT_EQ(list.GetList(), "Climb:4, Jump:0");

    list.SetList("a:b:3, 7, Climb:2.5, Swim:3.5, Hide:x, Move:-32768, \tRide:32767");
    EXPECT_EQ(list.GetList(), "a:3, 7:7, Climb:2, Swim:4, Hide:0, Move:-32768, \tRide:32767");
    list.SetList(list.GetList());
    EXPECT_EQ(list.GetName(1), "7");
    EXPECT_EQ(list.GetRank(3), 4);
    EXPECT_EQ(list.GetName(6), "\tRide");
}

TEST(ListLevel, MalformedTextEmptiesTheWholeListSilently) {
    clsListLevel list;
    for (const char* bad : {"Climb:4,,Jump:2", "Climb:4,", ",Climb:4", "Climb:40000",
                            "Jump:1, Climb:-32769", "Climb:32767.5"}) {
        list.SetList("Swim:1");
        list.SetList(bad);
        EXPECT_FALSE(list.HasList()) << bad;
        EXPECT_EQ(list.GetSize(), 0) << bad;
        EXPECT_EQ(list.GetRankFromName("Swim"), 0) << bad;
        EXPECT_EQ(list.GetList(), "") << bad;
    }
    // A raw entry of blanks is not empty.
    list.SetList("Climb:4, ");
    ASSERT_EQ(list.GetSize(), 2);
    EXPECT_EQ(list.GetName(1), "");
    EXPECT_EQ(list.GetRank(1), 0);
    EXPECT_EQ(list.GetList(), "Climb:4, :0");
    list.SetList("   ");
    EXPECT_FALSE(list.HasList());
    EXPECT_EQ(list.GetName(0), "");
    list.SetList(Repeat("a:1", 32768));
    EXPECT_FALSE(list.HasList());
}

TEST(ListLevel, LookupsAreExactFirstMatchAndRangeChecked) {
    clsListLevel list;
    list.SetList("Climb:4, Climb:6, Jump:2");
    EXPECT_EQ(list.GetRankFromName("Climb"), 4);
    EXPECT_EQ(list.GetRankFromName("climb"), 0);
    EXPECT_EQ(list.GetRankFromName(" Jump"), 0);
    EXPECT_EQ(list.GetRankFromName("Swim"), 0);
    EXPECT_TRUE(list.InList("Jump"));
    EXPECT_FALSE(list.InList("jump"));
    EXPECT_EQ(list.GetName(list.GetSize()), "");
    EXPECT_EQ(list.GetRank(list.GetSize()), 0);
    EXPECT_EQ(list.GetName(-1), "");
    EXPECT_EQ(list.GetRank(-1), 0);
}

TEST(ListBonus, HeadLevelsAndQuantities) {
    clsListBonus list;
    list.SetList("Bonus Feat:3|1:1:4");
    EXPECT_EQ(list.GetName(0), "Bonus Feat");
    EXPECT_EQ(list.GetNumber(0), 3);
    EXPECT_EQ(list.GetLevel(0, 0), 1);
    EXPECT_EQ(list.GetQuantity(0, 0), 2);
    EXPECT_EQ(list.GetQuantity(0, 1), 1);
    EXPECT_EQ(list.GetLevel(0, 2), 4);
    EXPECT_EQ(list.GetQuantity(0, 2), 1);

    list.SetList("Bonus Feat:2|1:5, Skill Point:1|3");
    EXPECT_EQ(list.GetSize(), 2);
    EXPECT_EQ(list.GetNumber(1), 1);
    EXPECT_EQ(list.GetLevel(1, 0), 3);
    EXPECT_EQ(list.GetLevel(0, 2), 0);  // beyond Number, though not beyond the levels
    EXPECT_EQ(list.GetList(), "Bonus Feat:2|1:5, Skill Point:1|3");

    // No bar: the whole entry is head and levels.
    list.SetList("Feat:2");
    EXPECT_EQ(list.GetName(0), "Feat");
    EXPECT_EQ(list.GetLevel(0, 0), 0);
    EXPECT_EQ(list.GetLevel(0, 1), 2);
    EXPECT_EQ(list.GetList(), "Feat:2|0:2");
    // Number 0 hides a stored level; Number beyond the stored levels answers 0.
    list.SetList("Feat|1, Talent:3|2, Skill:x:2|ignored| 2.5 : 3.5");
    EXPECT_EQ(list.GetLevel(0, 0), 0);
    EXPECT_EQ(list.GetLevel(1, 1), 0);
    EXPECT_EQ(list.GetQuantity(1, 1), 0);
    EXPECT_EQ(list.GetList(), "Feat:0|1, Talent:3|2, Skill:2|2:4");
}

TEST(ListBonus, MalformedTextEmptiesTheWholeListSilently) {
    clsListBonus list;
    for (const char* bad :
         {"Feat:2|", "Feat:2|1|", "a:1|1,,b:1|1", "a:1|1,", "Feat:40000|1", "Feat:1|1:-40000"}) {
        list.SetList("Feat:1|1");
        list.SetList(bad);
        EXPECT_FALSE(list.HasList()) << bad;
        EXPECT_EQ(list.GetNumber(0), 0) << bad;
        EXPECT_EQ(list.GetList(), "") << bad;
    }
    // An empty trailing level is a 0, an entry of blanks an entry with no name.
    list.SetList("Feat:2|1:,  ");
    ASSERT_EQ(list.GetSize(), 2);
    EXPECT_EQ(list.GetList(), "Feat:2|1:0, :0|0");
    list.SetList(" ");
    EXPECT_FALSE(list.HasList());
}

TEST(ListBonus, IndexesAreRangeCheckedAgainstNumber) {
    clsListBonus list;
    list.SetList("Feat:2|1:1");
    EXPECT_EQ(list.GetName(-1), "");
    EXPECT_EQ(list.GetName(1), "");
    EXPECT_EQ(list.GetNumber(1), 0);
    for (Integer n : {Integer{-1}, Integer{2}}) {
        EXPECT_EQ(list.GetLevel(0, n), 0);
        EXPECT_EQ(list.GetQuantity(0, n), 0);
    }
    EXPECT_EQ(list.GetLevel(1, 0), 0);
    EXPECT_EQ(list.GetQuantity(-1, 0), 0);
    // A quantity is an Integer: an entry may hold at most 32767 levels.
    list.SetList("Feat:1|" + Repeat("1", 32767, ":"));
    EXPECT_EQ(list.GetQuantity(0, 0), 32767);
    list.SetList("Feat:1|" + Repeat("1", 32768, ":"));
    EXPECT_FALSE(list.HasList());
}

TEST(ListSynergy, EntriesLookupsAndCanonicalText) {
    clsListSynergy list;
    list.SetList("5:Tumble:2, 5:Balance:2");
    EXPECT_EQ(list.GetSize(), 2);
    EXPECT_EQ(list.GetBonusFromSkill("Balance"), 2);
    EXPECT_EQ(list.GetLevelFromSkill("balance"), 0);
    EXPECT_EQ(list.GetList(), "5:Tumble:2, 5:Balance:2");

    list.SetList(" 5 : Tumble : 2 , 1:Jump:3:4, 7:Jump:1, \t6:x:2.5");
    EXPECT_EQ(list.GetLevel(0), 5);
    EXPECT_EQ(list.GetSkill(0), "Tumble");
    EXPECT_EQ(list.GetBonus(0), 2);
    EXPECT_EQ(list.GetBonus(1), 4);                // middle pieces ignored
    EXPECT_EQ(list.GetLevelFromSkill("Jump"), 1);  // first match
    EXPECT_EQ(list.GetLevel(3), 0);                // '\t6' is not a number
    EXPECT_EQ(list.GetBonus(3), 2);
    EXPECT_EQ(list.GetLevel(-1), 0);
    EXPECT_EQ(list.GetSkill(4), "");
    EXPECT_EQ(list.GetBonus(4), 0);
}

TEST(ListSynergy, ShortEntriesStayAndOnlyRangeFails) {
    clsListSynergy list;
    list.SetList("Tumble:2");
    EXPECT_EQ(list.GetSize(), 1);
    EXPECT_FALSE(list.InList("Tumble"));
    EXPECT_EQ(list.GetList(), "0::0");
    list.SetList("a:Tumble:b");
    EXPECT_EQ(list.GetList(), "0:Tumble:0");
    list.SetList("5:Tumble:x:2");
    EXPECT_EQ(list.GetBonus(0), 2);
    list.SetList("5:Tumble:2,,3:Jump:1,");
    EXPECT_EQ(list.GetSize(), 4);
    EXPECT_EQ(list.GetList(), "5:Tumble:2, 0::0, 3:Jump:1, 0::0");
    list.SetList("Tumble:99999");  // too short for its numbers to be read
    EXPECT_TRUE(list.HasList());
    for (const char* bad : {"5:Tumble:99999", "1:a:1, -40000:Jump:1"}) {
        list.SetList("1:a:1");
        list.SetList(bad);
        EXPECT_FALSE(list.HasList()) << bad;
        EXPECT_EQ(list.GetBonusFromSkill("a"), 0) << bad;
    }
    list.SetList("1:a:1");
    list.SetList("  ");
    EXPECT_FALSE(list.InList("a"));
}

TEST(ListSubSynergy, FourFieldsAndTheThreePieceForm) {
    clsListSubSynergy list;
    list.SetList("2:Navigation:Knowledge:1");
    EXPECT_EQ(list.GetSubSkill(0), "Navigation");
    EXPECT_EQ(list.GetSkill(0), "Knowledge");
    EXPECT_EQ(list.GetBonusFromSkill("Knowledge"), 1);
    EXPECT_EQ(list.GetLevelFromSkill("Knowledge"), 2);
    EXPECT_FALSE(list.InList("Navigation"));
    EXPECT_EQ(list.GetLevelFromSkill("Navigation"), 0);

    list.SetList("1:Jump:2");
    EXPECT_EQ(list.GetSkill(0), "2");
    EXPECT_EQ(list.GetBonus(0), 2);
    EXPECT_EQ(list.GetList(), "1:Jump:2:2");

    list.SetList(" 3 : a : b : x : 7 ,Jump,, 1:s:K:1, 2:t:K:2");
    EXPECT_EQ(list.GetList(), "3:a:b:7, 0:::0, 0:::0, 1:s:K:1, 2:t:K:2");
    EXPECT_EQ(list.GetBonusFromSkill("K"), 1);
    EXPECT_EQ(list.GetBonusFromSkill("k"), 0);
    EXPECT_EQ(list.GetLevel(5), 0);
    EXPECT_EQ(list.GetSubSkill(-1), "");
    EXPECT_EQ(list.GetSkill(5), "");
    EXPECT_EQ(list.GetBonus(5), 0);

    list.SetList("1:Jump:99999");  // the third piece is also the bonus
    EXPECT_FALSE(list.HasList());
    list.SetList("");
    EXPECT_EQ(list.GetSize(), 0);
}

template <class T>
void ExpectCreatable(const std::string& name) {
    std::shared_ptr<Object> object = CreateObject("OrvaneLib." + name);
    ASSERT_NE(object, nullptr) << name;
    EXPECT_NE(std::dynamic_pointer_cast<T>(object), nullptr) << name;
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
