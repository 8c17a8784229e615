// The attack calculator: iterative, multi-attack, automatic and two-weapon sequences.
#include <gtest/gtest.h>

#include <stdexcept>

#include "orvane/orvane.hpp"

namespace {

using OrvaneLib::clsAttacks;

TEST(Attacks, NormalAttackIteratesDownToTheMinimum) {
    const clsAttacks a;
    EXPECT_EQ(a.NormalAttack(11), "+11/+6/+1");
    EXPECT_EQ(a.NormalAttack(21), "+21/+16/+11/+6");
    EXPECT_EQ(a.NormalAttack(21, 1, false), "+21/+16/+11/+6/+1");
    EXPECT_EQ(a.NormalAttack(0), "+0");
    EXPECT_EQ(a.NormalAttack(-2), "-2");
    EXPECT_EQ(a.NormalAttack(5), "+5");
    EXPECT_EQ(a.NormalAttack(6), "+6/+1");
    EXPECT_EQ(a.NormalAttack(5, 0), "+5/+0");
    EXPECT_EQ(a.NormalAttack(20), "+20/+15/+10/+5");
    EXPECT_EQ(a.NormalAttack(20, 1, true, 2), "+20/+15");
    EXPECT_EQ(a.NormalAttack(20, 1, true, 0), "+20");
    EXPECT_EQ(a.NormalAttack(20, 1, true, -5), "+20");
    EXPECT_EQ(a.NormalAttack(26, -10, false), "+26/+21/+16/+11/+6/+1/-4/-9");
    EXPECT_EQ(a.NormalAttack(32767), "+32767/+32762/+32757/+32752");
}

TEST(Attacks, MultiAndAutoModesFollowTheFeats) {
    clsAttacks a;
    EXPECT_EQ(a.MultiAttack(6), "+2/+2/-3");
    EXPECT_EQ(a.AutoAttack(6), "+0/+0/+0/-5");
    struct Case {
        bool multi, rapid;
        const char* multiAttack;
        const char* autoAttack;
    };
    const Case cases[] = {{false, false, "+7/+7/+2/-3", "+5/+5/+5/+0/-5"},
                          {true, false, "+9/+9/+4/-1", "+7/+7/+7/+2/-3"},
                          {false, true, "+5/+5/+5/+0/-5", "+3/+3/+3/+3/-2/-7"},
                          {true, true, "+7/+7/+7/+2/-3", "+5/+5/+5/+5/+0/-5"}};
    for (const Case& c : cases) {
        a.MultiFeat = c.multi;
        a.RapidFeat = c.rapid;
        EXPECT_EQ(a.MultiAttack(11), c.multiAttack) << c.multi << c.rapid;
        EXPECT_EQ(a.AutoAttack(11), c.autoAttack) << c.multi << c.rapid;
    }
}

TEST(Attacks, TwoWeapons) {
    clsAttacks a;
    EXPECT_EQ(a.PriHandAttack(11), "+5/+0/-5");
    EXPECT_EQ(a.OffHandAttack(11), "+1");
    EXPECT_EQ(a.PriHandMulti(11), "+1/+1/-4");
    EXPECT_EQ(a.OffHandMulti(11), "-3");
    EXPECT_EQ(a.PriHandAuto(11), "-1/-1/-1/-6/-11");
    EXPECT_EQ(a.OffHandAuto(11), "-5");

    a.ImprovTwoWeapFeat = true;
    EXPECT_EQ(a.OffHandAttack(0), "-10/-15");

    a.OffHandIsLight = a.AmbidexterityFeat = a.TwoWeaponFeat = true;
    EXPECT_EQ(a.PriHandAttack(11), "+9/+4/-1");
    EXPECT_EQ(a.OffHandAttack(11), "+9/+4");
    EXPECT_EQ(a.PriHandMulti(11), "+5/+5/+0");
    EXPECT_EQ(a.OffHandMulti(11), "+5/+0");
    EXPECT_EQ(a.PriHandAuto(11), "+3/+3/+3/-2/-7");
    EXPECT_EQ(a.OffHandAuto(11), "+3/-2");

    // Each flag alone moves the penalties by its own amount.
    clsAttacks light;
    light.OffHandIsLight = true;
    EXPECT_EQ(light.PriHandAttack(11), "+7/+2/-3");
    EXPECT_EQ(light.OffHandAttack(11), "+3");
    clsAttacks ambi;
    ambi.AmbidexterityFeat = true;
    EXPECT_EQ(ambi.PriHandAttack(11), "+5/+0/-5");
    EXPECT_EQ(ambi.OffHandAttack(11), "+5");
}

TEST(Attacks, DefaultArgumentsDifferPerOperation) {
    const clsAttacks a;
    EXPECT_EQ(a.PriHandMulti(11), a.PriHandMulti(11, 1));
    EXPECT_NE(a.PriHandMulti(11), a.PriHandMulti(11, 0));
    EXPECT_EQ(a.PriHandAuto(11), a.PriHandAuto(11, 0));
    EXPECT_EQ(a.PriHandAttack(11), a.PriHandAttack(11, 1));
    EXPECT_EQ(a.MultiAttack(11), a.MultiAttack(11, 0));
    EXPECT_EQ(a.AutoAttack(11), a.AutoAttack(11, 0));
    EXPECT_EQ(a.OffHandAttack(11, 100), a.OffHandAttack(11));
}

TEST(Attacks, SixteenBitOverflowThrows) {
    clsAttacks a;
    EXPECT_THROW(a.NormalAttack(-32768), std::overflow_error);
    EXPECT_EQ(a.NormalAttack(-32763), "-32763");
    EXPECT_THROW(a.NormalAttack(0, -32768, false), std::overflow_error);
    EXPECT_THROW(a.MultiAttack(-32765), std::overflow_error);
    EXPECT_THROW(a.MultiAttack(0, -32766), std::overflow_error);  // lowered minimum
    EXPECT_THROW(a.PriHandAttack(-32763), std::overflow_error);
    EXPECT_THROW(a.PriHandAttack(0, -32763), std::overflow_error);
    EXPECT_THROW(a.OffHandAttack(-32759), std::overflow_error);
    EXPECT_THROW(a.OffHandMulti(-32755), std::overflow_error);
    EXPECT_THROW(a.OffHandAuto(-32755), std::overflow_error);
    a.ImprovTwoWeapFeat = true;
    EXPECT_THROW(a.OffHandAttack(-32754), std::overflow_error);  // the second bonus
}

TEST(Attacks, CreatableByNameWithAllFlagsOff) {
    auto object =
        std::dynamic_pointer_cast<clsAttacks>(OrvaneLib::CreateObject("OrvaneLib.clsAttacks"));
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->ClassName(), "clsAttacks");
    EXPECT_FALSE(object->MultiFeat || object->RapidFeat || object->OffHandIsLight ||
                 object->AmbidexterityFeat || object->TwoWeaponFeat || object->ImprovTwoWeapFeat);
}

}  // namespace
