// Alternative-set lists and class/feat triples.
#include "lists_support.hpp"
#include "support.hpp"

namespace {

using namespace OrvaneLib;
using lists_test::ExpectReadings;

TEST(ListOrSimple, SetsOfAlternatives) {
    ExpectReadings<clsListOrSimple>(
        {{"Dodge:Mobility, Toughness", "Dodge:Mobility, Toughness"},
         {" Dodge : \tMobility ,Toughness:", "Dodge:\tMobility, Toughness:"},
         // an empty set, and one of blanks, hold no alternatives
         {"Dodge,,Toughness,", "Dodge, , Toughness, "},
         {"   ", nullptr},
         {std::string(32767, ','), nullptr}});
    clsListOrSimple list;
    list.SetList("Dodge:Mobility, Toughness,,");
    EXPECT_EQ(list.GetSize(), 4);
    EXPECT_EQ(list.GetNumber(0), 2);
    EXPECT_EQ(list.GetNumber(2), 0);
    EXPECT_EQ(list.GetItem(0, 1), "Mobility");
    EXPECT_TRUE(list.InList(1, "Toughness"));
    EXPECT_FALSE(list.InList(0, "Toughness"));
    EXPECT_FALSE(list.InList(0, "dodge"));
    EXPECT_FALSE(list.InList(2, ""));
    EXPECT_EQ(list.GetSetList(0), "Dodge:Mobility");
    EXPECT_EQ(list.GetSetList(2), "");
    for (auto [i, n] : {std::pair{0, 5}, {7, 0}, {-1, 0}, {0, -1}, {2, 0}}) {
        EXPECT_EQ(list.GetItem(static_cast<Integer>(i), static_cast<Integer>(n)), "0");
    }
    EXPECT_EQ(list.GetNumber(7), 0);
    EXPECT_EQ(list.GetSetList(7), "");
    EXPECT_FALSE(list.InList(-1, "Dodge"));
    list.SetList(std::string(32766, ','));
    EXPECT_EQ(list.GetSize(), 32767);
    list.SetList("Dodge:Mobility");
    list.Clear();
    EXPECT_FALSE(list.HasList());
    EXPECT_EQ(list.GetList(), "");
}

TEST(ListOrLevel, SetsOfNameRankPairs) {
    orvane_test::MessageCapture boxes;
    ExpectReadings<clsListOrLevel>(
        {{" Climb : x : -4.5 | Jump:2 ,7", "Climb:-4|Jump:2, 7:7"}, {"  ", nullptr}});
    clsListOrLevel list;
    list.SetList("Climb:4|Jump:4, Tumble:2");
    EXPECT_EQ(boxes.size(), 0u);
    EXPECT_EQ(list.GetSize(), 2);
    EXPECT_EQ(list.GetNumber(0), 2);
    EXPECT_EQ(list.GetName(0, 1), "Jump");
    EXPECT_EQ(list.GetRank(0, 1), "4");
    EXPECT_EQ(list.GetSetList(0), "Climb:4|Jump:4");
    EXPECT_TRUE(list.InList(1, "Tumble"));
    EXPECT_FALSE(list.InList(1, "tumble"));
    EXPECT_FALSE(list.InList(2, "Tumble"));
    EXPECT_EQ(list.GetRank(1, 3), "0");
    EXPECT_EQ(list.GetName(-1, 0), "0");
    EXPECT_EQ(list.GetNumber(2), 0);
    EXPECT_EQ(list.GetSetList(2), "");
}

TEST(ListOrLevel, BadSetIsReportedAndKeepsTheSetsBeforeIt) {
    orvane_test::MessageCapture boxes;
    clsListOrLevel list;
    list.SetList("Climb:4|Jump");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes.last().prompt, "Class: SetList, Type mismatch");
    EXPECT_EQ(boxes.last().icon, MsgIcon::Critical);
    EXPECT_EQ(boxes.last().title, "Database Error");
    EXPECT_TRUE(list.HasList());
    EXPECT_EQ(list.GetSize(), 1);
    EXPECT_EQ(list.GetNumber(0), 0);

    list.SetList("Tumble:2|Hide:1, Climb:4|Jump:x, Swim:1");
    EXPECT_TRUE(list.HasList());
    ASSERT_EQ(list.GetSize(), 3);
    EXPECT_EQ(list.GetSetList(0), "Tumble:2|Hide:1");
    EXPECT_EQ(list.GetNumber(1), 0);
    EXPECT_EQ(list.GetName(1, 0), "0");
    EXPECT_FALSE(list.InList(2, "Swim"));
    EXPECT_EQ(list.GetList(), "Tumble:2|Hide:1, , ");

    for (auto [text, description] : {std::pair{"Climb:", "Type mismatch"},
                                     {"Climb:40000", "Rank out of range"},
                                     {"a:1,,b:1", "Empty alternative set"},
                                     {"a:1, ", "Empty alternative set"},
                                     {"a:1|| b:1", "Empty alternative"},
                                     {"a:1| ", "Empty alternative"}}) {
        list.SetList(text);
        EXPECT_EQ(boxes.last().prompt, std::string("Class: SetList, ") + description) << text;
        EXPECT_TRUE(list.HasList()) << text;
    }
    EXPECT_EQ(boxes.size(), 8u);
    // More sets than an index reaches: reported, and none is kept.
    list.SetList("a:1" + std::string(32767, ','));
    EXPECT_EQ(boxes.last().prompt, "Class: SetList, Too many alternative sets");
    EXPECT_EQ(list.GetSize(), 0);
}

TEST(ListTripleSimple, TriplesAndShortEntries) {
    ExpectReadings<clsListTripleSimple>(
        {{"Soldier:Toughness", "::"},
         {" a : b : x : c ,,Scout:Track:\tRun, ", "a:b:c, ::, Scout:Track:\tRun, ::"},
         {" ", nullptr},
         {std::string(32767, ','), nullptr}});
    clsListTripleSimple list;
    list.SetList("Soldier:Armor Proficiency:Toughness, Soldier:a:b");
    EXPECT_EQ(list.GetClass(0), "Soldier");
    EXPECT_EQ(list.GetOldFeat(0), "Armor Proficiency");
    EXPECT_EQ(list.GetNewFeat(0), "Toughness");
    EXPECT_FALSE(list.InList("Toughness"));
    EXPECT_TRUE(list.InList("Soldier"));
    EXPECT_FALSE(list.InList("soldier"));
    for (Integer i : {Integer{-1}, list.GetSize()}) {
        EXPECT_EQ(list.GetClass(i), "");
        EXPECT_EQ(list.GetOldFeat(i), "");
        EXPECT_EQ(list.GetNewFeat(i), "");
    }
    list.Clear();
    EXPECT_FALSE(list.InList("Soldier"));
    EXPECT_EQ(list.GetList(), "");
}

}  // namespace
