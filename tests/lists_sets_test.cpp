// Alternative-set lists and class/feat triples.
#include <gtest/gtest.h>

#include <string>

#include "orvane/orvane.hpp"
#include "support.hpp"

namespace {

using namespace OrvaneLib;
using orvane_test::MessageCapture;

TEST(ListOrSimple, SetsOfAlternatives) {
    clsListOrSimple list;
    list.SetList("Dodge:Mobility, Toughness");
    EXPECT_EQ(list.GetSize(), 2);
    EXPECT_EQ(list.GetNumber(0), 2);
    EXPECT_EQ(list.GetItem(0, 1), "Mobility");
    EXPECT_TRUE(list.InList(1, "Toughness"));
    EXPECT_FALSE(list.InList(0, "Toughness"));
    EXPECT_FALSE(list.InList(0, "dodge"));
    EXPECT_EQ(list.GetSetList(0), "Dodge:Mobility");
    EXPECT_EQ(list.GetList(), "Dodge:Mobility, Toughness");
    list.SetList(list.GetList());
    EXPECT_EQ(list.GetNumber(0), 2);
    EXPECT_EQ(list.GetItem(1, 0), "Toughness");

    list.SetList(" Dodge : \tMobility ,Toughness:");
    EXPECT_EQ(list.GetItem(0, 1), "\tMobility");
    EXPECT_EQ(list.GetNumber(1), 2);
    EXPECT_EQ(list.GetItem(1, 1), "");
    EXPECT_EQ(list.GetList(), "Dodge:\tMobility, Toughness:");
}

TEST(ListOrSimple, OutOfRangeAnswersAndEmptySets) {
    clsListOrSimple list;
    list.SetList("Dodge:Mobility, Toughness");
    EXPECT_EQ(list.GetItem(0, 5), "0");
    EXPECT_EQ(list.GetItem(7, 0), "0");
    EXPECT_EQ(list.GetItem(-1, 0), "0");
    EXPECT_EQ(list.GetItem(0, -1), "0");
    EXPECT_EQ(list.GetNumber(7), 0);
    EXPECT_EQ(list.GetSetList(7), "");
    EXPECT_FALSE(list.InList(7, "Dodge"));
    EXPECT_FALSE(list.InList(-1, "Dodge"));

    list.SetList("Dodge,,Toughness");
    ASSERT_EQ(list.GetSize(), 3);
    EXPECT_EQ(list.GetNumber(1), 0);
    EXPECT_EQ(list.GetSetList(1), "");
    EXPECT_EQ(list.GetItem(1, 0), "0");
    // Written back as ', , ': the set of blanks reads as empty again.
    EXPECT_EQ(list.GetList(), "Dodge, , Toughness");
    list.SetList(list.GetList());
    EXPECT_EQ(list.GetNumber(1), 0);
    EXPECT_FALSE(list.InList(1, ""));
    list.SetList("Dodge,");
    EXPECT_EQ(list.GetSize(), 2);
    EXPECT_EQ(list.GetNumber(1), 0);

    list.SetList("Dodge:Mobility");
    list.Clear();
    EXPECT_FALSE(list.HasList());
    EXPECT_EQ(list.GetList(), "");
    EXPECT_EQ(list.GetItem(0, 0), "0");
    list.SetList("Dodge");
    list.SetList("   ");
    EXPECT_FALSE(list.HasList());
    EXPECT_EQ(list.GetSize(), 0);

    // More sets than an index reaches: the empty list.
    list.SetList(std::string(32766, ','));
    EXPECT_EQ(list.GetSize(), 32767);
    list.SetList(std::string(32767, ','));
    EXPECT_FALSE(list.HasList());
}

TEST(ListOrLevel, SetsOfNameRankPairs) {
    MessageCapture boxes;
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
    EXPECT_EQ(list.GetName(1, 3), "0");
    EXPECT_EQ(list.GetName(-1, 0), "0");
    EXPECT_EQ(list.GetNumber(2), 0);
    EXPECT_EQ(list.GetSetList(2), "");

    list.SetList(" Climb : x : -4.5 | Jump:2 ,7");
    EXPECT_EQ(list.GetList(), "Climb:-4|Jump:2, 7:7");
    EXPECT_EQ(list.GetRank(0, 0), "-4");
    list.SetList(list.GetList());
    EXPECT_EQ(list.GetList(), "Climb:-4|Jump:2, 7:7");

    list.SetList("  ");
    EXPECT_FALSE(list.HasList());
    EXPECT_EQ(list.GetSize(), 0);
    EXPECT_EQ(boxes.size(), 0u);
}

TEST(ListOrLevel, BadSetIsReportedAndKeepsTheSetsBeforeIt) {
    MessageCapture boxes;
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
    EXPECT_EQ(boxes.last().prompt, "Class: SetList, Type mismatch");
    EXPECT_TRUE(list.HasList());
    ASSERT_EQ(list.GetSize(), 3);
    EXPECT_EQ(list.GetSetList(0), "Tumble:2|Hide:1");
    EXPECT_EQ(list.GetNumber(1), 0);
    EXPECT_EQ(list.GetName(1, 0), "0");
    EXPECT_EQ(list.GetNumber(2), 0);
    EXPECT_FALSE(list.InList(2, "Swim"));
    EXPECT_EQ(list.GetList(), "Tumble:2|Hide:1, , ");

    const std::pair<const char*, const char*> failures[] = {
        {"Climb:", "Type mismatch"},           {"Climb:40000", "Rank out of range"},
        {"a:1,,b:1", "Empty alternative set"}, {"a:1, ", "Empty alternative set"},
        {"a:1|| b:1", "Empty alternative"},    {"a:1| ", "Empty alternative"}};
    for (const auto& [text, description] : failures) {
        list.SetList(text);
        EXPECT_EQ(boxes.last().prompt, std::string("Class: SetList, ") + description) << text;
        EXPECT_TRUE(list.HasList()) << text;
    }
    EXPECT_EQ(boxes.size(), 2u + std::size(failures));

    // More sets than an index reaches: reported, and none is kept.
    std::string many(32767, ',');
    list.SetList("a:1" + many);
    EXPECT_EQ(boxes.last().prompt, "Class: SetList, Too many alternative sets");
    EXPECT_TRUE(list.HasList());
    EXPECT_EQ(list.GetSize(), 0);
}

TEST(ListTripleSimple, TriplesShortEntriesAndLookups) {
    clsListTripleSimple list;
    list.SetList("Soldier:Armor Proficiency:Toughness");
    EXPECT_EQ(list.GetClass(0), "Soldier");
    EXPECT_EQ(list.GetOldFeat(0), "Armor Proficiency");
    EXPECT_EQ(list.GetNewFeat(0), "Toughness");
    EXPECT_FALSE(list.InList("Toughness"));
    EXPECT_TRUE(list.InList("Soldier"));
    EXPECT_FALSE(list.InList("soldier"));

    list.SetList("Soldier:Toughness");
    EXPECT_EQ(list.GetSize(), 1);
    EXPECT_EQ(list.GetClass(0), "");
    EXPECT_EQ(list.GetList(), "::");

    list.SetList(" a : b : x : c ,,Scout:Track:\tRun, ");
    ASSERT_EQ(list.GetSize(), 4);
    EXPECT_EQ(list.GetList(), "a:b:c, ::, Scout:Track:\tRun, ::");
    list.SetList(list.GetList());
    EXPECT_EQ(list.GetNewFeat(2), "\tRun");
    EXPECT_EQ(list.GetClass(-1), "");
    EXPECT_EQ(list.GetOldFeat(4), "");
    EXPECT_EQ(list.GetNewFeat(4), "");

    list.Clear();
    EXPECT_FALSE(list.HasList());
    EXPECT_EQ(list.GetList(), "");
    list.SetList("a:b:c");
    list.SetList(" ");
    EXPECT_FALSE(list.InList("a"));
    list.SetList(std::string(32767, ','));
    EXPECT_FALSE(list.HasList());
}

}  // namespace
