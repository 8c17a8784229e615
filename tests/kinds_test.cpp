// Record kinds at run time: finding kinds, their shape, and operations called by kind.
#include "support.hpp"

namespace orvane_test {
namespace {

using namespace OrvaneLib;

class KindsTest : public OrvaneTest {};

TEST_F(KindsTest, KindsAreFoundByLooseNameAndDescribeThemselves) {
    auto age = FindKind("age");
    ASSERT_TRUE(age);
    EXPECT_EQ(age->Name(), "Age");
    EXPECT_EQ(age->Table(), "tblAges");
    EXPECT_EQ(age->RecordClass(), "clsAge");
    ASSERT_EQ(age->Keys().size(), 1u);
    EXPECT_EQ(age->Keys()[0].Column, "Age");
    EXPECT_EQ(age->Keys()[0].Field, "Name");
    std::vector<std::string> names;
    for (const auto& f : age->Fields()) names.push_back(f.Name);
    EXPECT_EQ(names, (std::vector<std::string>{"Name", "Dead", "Order", "Modifiers",
                                               "SpecialQualities", "Synergy"}));
    EXPECT_FALSE(FindKind("no such kind"));
    EXPECT_GE(RecordKinds().size(), 3u);
}

TEST_F(KindsTest, OperationsByKindBehaveAsTheNamedMembers) {
    auto db = OpenScratch("", true);
    auto age = *FindKind("Age");
    ListResult list = age.List(*db);
    EXPECT_EQ(list.Values(), db->AgeList().Values());
    auto old = age.Read(*db, {"Old"});
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(age.FieldText(*old, "Modifiers"), "-2|-2|-2|1|1|1");
    EXPECT_EQ(age.FieldText(*old, "Order"), "5");
    EXPECT_EQ(age.FieldText(*old, "Dead"), "False");
    EXPECT_EQ(age.FieldText(*old, "Synergy"), "0:Knowledge:1, 0:Diplomacy:1");
    auto synergy = dynamic_cast<const clsListSynergy*>(age.FieldObject(*old, "Synergy"));
    ASSERT_NE(synergy, nullptr);
    EXPECT_EQ(synergy->GetSkill(1), "Diplomacy");

    std::string path = dir_.file("old.txt");
    age.Save(*old, path);
    auto copy = age.NewRecord();
    age.Load(*copy, path);
    EXPECT_EQ(age.FieldText(*copy, "Synergy"), "0:Knowledge:1, 0:Diplomacy:1");
    age.Delete(*db, {"Old"});
    EXPECT_EQ(db->GetAgeInfo("Old"), nullptr);
    age.Add(*db, *copy);
    EXPECT_NE(db->GetAgeInfo("Old"), nullptr);

    auto size = *FindKind("size");
    EXPECT_THROW(size.Add(*db, *copy), std::invalid_argument);
    EXPECT_THROW(size.Read(*db, {"a", "b"}), std::invalid_argument);
    EXPECT_EQ(size.FieldText(*size.Read(*db, {"Small"}), "MaxHeight"), "1.2");
}

}  // namespace
}  // namespace orvane_test
