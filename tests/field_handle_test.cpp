// Field handles: typed access to a kind's fields found once by name.
#include <limits>
#include <stdexcept>

#include "support.hpp"

namespace orvane_test {
namespace {

using namespace OrvaneLib;

TEST(FieldHandles, ReadAndWriteEachTypeOfField) {
    const KindInfo species = *FindKind("species");
    clsSpecies s;
    s.Name = "Orvani";
    s.NPC = true;
    s.Move = 10;
    s.MaxOld = 80000;
    s.MinHeight = 1.5f;
    s.SetModifier(2, -2);
    s.SetSpeak("Orvanic, Trade Cant");

    EXPECT_EQ(species.Handle("Name").GetText(s), "Orvani");
    EXPECT_EQ(species.Handle("NPC").GetNumber(s), 1);
    EXPECT_EQ(species.Handle("Move").GetNumber(s), 10);
    EXPECT_EQ(species.Handle("MaxOld").GetNumber(s), 80000);
    EXPECT_EQ(species.Handle("MinHeight").GetSingle(s), 1.5f);
    EXPECT_EQ(species.Handle("Modifiers").GetModifier(s, 2), -2);
    EXPECT_EQ(species.Handle("Speak").GetText(s), "Orvanic, Trade Cant");
    auto* speak = dynamic_cast<const clsListSimple*>(species.Handle("Speak").GetObject(s));
    ASSERT_NE(speak, nullptr);
    EXPECT_EQ(speak->GetItem(1), "Trade Cant");

    species.Handle("Homeworld").SetText(s, "Orvane Prime");
    species.Handle("NPC").SetNumber(s, 0);
    species.Handle("Move").SetNumber(s, -32768);
    species.Handle("MaxOld").SetNumber(s, std::numeric_limits<Long>::max());
    species.Handle("MaxHeight").SetSingle(s, 2.25);
    species.Handle("Modifiers").SetModifier(s, 5, 3);
    species.Handle("Synergy").SetText(s, "0:Listen:2");
    EXPECT_EQ(s.Homeworld, "Orvane Prime");
    EXPECT_FALSE(s.NPC);
    EXPECT_EQ(s.Move, -32768);
    EXPECT_EQ(s.MaxOld, std::numeric_limits<Long>::max());
    EXPECT_EQ(s.MaxHeight, 2.25f);
    EXPECT_EQ(s.GetModifier(5), 3);
    EXPECT_EQ(s.GetSynergySkill(0), "Listen");

    const FieldHandle move = species.Handle("Move");
    EXPECT_TRUE(move);
    EXPECT_EQ(move.Type(), FieldKind::IntegerNumber);
    EXPECT_EQ(move.Name(), "Move");
    EXPECT_EQ(move.RecordClass(), "clsSpecies");
}

TEST(FieldHandles, RefuseWhatDoesNotFitAndKeepTheValue) {
    const KindInfo species = *FindKind("species");
    clsSpecies s;
    s.Move = 7;
    s.MaxOld = 9;
    EXPECT_THROW(species.Handle("Move").SetNumber(s, 32768), std::out_of_range);
    EXPECT_THROW(species.Handle("MaxOld").SetNumber(s, std::int64_t{1} << 31), std::out_of_range);
    EXPECT_THROW(species.Handle("MinHeight").SetSingle(s, 1e39), std::out_of_range);
    EXPECT_THROW(species.Handle("Modifiers").GetModifier(s, 6), std::out_of_range);
    EXPECT_EQ(s.Move, 7);
    EXPECT_EQ(s.MaxOld, 9);
    // The call must fit the field's type, the record the field's class.
    EXPECT_THROW(species.Handle("Move").GetText(s), std::logic_error);
    EXPECT_THROW(species.Handle("Name").GetNumber(s), std::logic_error);
    clsAge age;
    EXPECT_THROW(species.Handle("Name").GetText(age), std::invalid_argument);
    EXPECT_THROW(species.Handle("Nothing"), std::invalid_argument);
    EXPECT_THROW(FieldHandle().GetText(s), std::logic_error);
    EXPECT_FALSE(FieldHandle());
}

TEST(FieldHandles, ReachTheFieldsOfABlock) {
    const KindInfo feat = *FindKind("feat");
    EXPECT_EQ(feat.BlockClass("Requirements"), "clsRequirements");
    EXPECT_EQ(feat.BlockClass("Name"), "");
    clsFeats f;
    f.Requirements->SetSkill("Climb:4");
    const FieldHandle skill = feat.BlockHandle("Requirements", "Skill");
    EXPECT_EQ(skill.RecordClass(), "clsRequirements");
    EXPECT_EQ(skill.GetText(*f.Requirements), "Climb:4");
    feat.BlockHandle("Requirements", "ReqDarkSide").SetNumber(*f.Requirements, 1);
    EXPECT_TRUE(f.Requirements->ReqDarkSide);
    EXPECT_EQ(feat.Handle("Requirements").GetObject(f), f.Requirements.get());
    EXPECT_THROW(skill.GetText(f), std::invalid_argument);  // the owner, not the block
    EXPECT_THROW(feat.BlockHandle("Name", "Skill"), std::invalid_argument);
}

}  // namespace
}  // namespace orvane_test
