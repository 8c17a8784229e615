// Starship and vehicle records in their text files: line order and print forms of every
// record, the hyperdrive's station line, the starship weapon's defaults and its shorter
// older files, and files that end early.
#include "starships_records.hpp"

namespace orvane_test {
namespace {

using namespace OrvaneLib;
using namespace starships;

class StarshipFilesTest : public OrvaneTest {
  protected:
    // Saves the record, checks the bytes, loads them into a fresh record and checks that it
    // writes the same bytes again.
    template <class R>
    void RoundTrip(const R& record, const std::string& bytes) {
        SCOPED_TRACE(record.ClassName());
        EXPECT_EQ(SavedBytes(record, dir_), bytes);
        std::string path = dir_.file("in.txt");
        WriteFile(path, bytes);
        R loaded;
        loaded.Load(path);
        EXPECT_EQ(SavedBytes(loaded, dir_), bytes);
    }
};

TEST_F(StarshipFilesTest, EveryRecordWritesItsLinesInOrderAndReadsThemBack) {
    RoundTrip(Crew(12, true), " 12 \r\nTrue\r\n 3 \r\n 70000 \r\nCutter, Frigate\r\n");
    RoundTrip(Emplacement(), " 15 \r\nTrue\r\n 2 \r\n 9 \r\nOutpost\r\n");
    RoundTrip(Hull(), " 30 \r\nFalse\r\n 60 \r\n 400 \r\nFrigate, Dreadnought\r\n");
    RoundTrip(Shields(), " 15 \r\nTrue\r\n 30 \r\n 120 \r\nOutpost, Citadel\r\nCitadel\r\n");
    // Station is the hyperdrive's fourth line, and comes back from it.
    RoundTrip(Hyperdrive(), "Class 3\r\n 9 \r\n 4 \r\nTrue\r\nCitadel\r\n");
    RoundTrip(Stowage(), " 8 \r\nFalse\r\n 2 \r\nTrue\r\n 500 \r\nFalse\r\nFrigate\r\n");
    RoundTrip(Supply(), " 4 \r\nTrue\r\n 2 \r\nFalse\r\nTrue\r\nFalse\r\nTrue\r\nOutpost\r\n");
    RoundTrip(Engine(), "Attack\r\n 60 \r\nFalse\r\nNimble\r\n 1 \r\n-2 \r\nSkiff, Cutter\r\n");
    RoundTrip(Size(),
              "Corvette\r\nFalse\r\nCapital\r\n-1 \r\n 90 \r\n 3 \r\n 4 \r\n 30 \r\n 90 \r\n 200 "
              "\r\n 5000 \r\n 2 \r\n 7 \r\n 5 \r\n 11 \r\n");
    RoundTrip(Armor(), "Corvette\r\n 3 \r\n 5 \r\n 80000 \r\n-1 \r\n");
    RoundTrip(Cost(), " 75 \r\n 149 \r\n 2.5 \r\nTrue\r\n .25 \r\nFalse\r\n");
    RoundTrip(Yards(), "Ember Slips\r\n 1.25 \r\n");
    RoundTrip(StarshipWeapon(),
              "Needle Array\r\nLight\r\n 2 \r\n 4 \r\n 3 \r\nd6\r\n0-1\r\n2-5\r\n6-9\r\n10-14\r\n"
              "True\r\nFalse\r\n 2 \r\n 6500 \r\n");
    RoundTrip(VehicleWeapon(),
              "Flechette Pod\r\nLight\r\n-1 \r\n 2 \r\nd8\r\n 1 \r\nd4\r\n 75 \r\n 6 \r\n");
    EXPECT_EQ(boxes_.size(), 0u);
}

TEST_F(StarshipFilesTest, NewStarshipWeaponWritesItsTwoDefaults) {
    clsStarshipWeapon weapon;
    EXPECT_EQ(weapon.DamageType, "0");
    EXPECT_EQ(weapon.Emplacement, 5);
    EXPECT_EQ(SavedBytes(weapon, dir_),
              "\r\n\r\n 0 \r\n 0 \r\n 0 \r\n0\r\n\r\n\r\n\r\n\r\nFalse\r\nFalse\r\n 5 \r\n 0 \r\n");
    weapon = StarshipWeapon();
    weapon.Clear();
    EXPECT_EQ(weapon.DamageType, "0");
    EXPECT_EQ(weapon.Emplacement, 5);
}

TEST_F(StarshipFilesTest, OlderStarshipWeaponFilesLeaveTheLaterGroupsCleared) {
    const std::string ten =
        "Old Gun\r\nLight\r\n 1 \r\n 2 \r\n 3 \r\nd6\r\n0\r\n1-2\r\n3-4\r\n5-6\r\n";
    std::string path = dir_.file("weapon.txt");
    clsStarshipWeapon weapon = StarshipWeapon();  // every field set: Load clears first

    WriteFile(path, ten);
    weapon.Load(path);
    EXPECT_EQ(weapon.Name, "Old Gun");
    EXPECT_EQ(weapon.LongRange, "5-6");
    EXPECT_FALSE(weapon.MultFire);
    EXPECT_FALSE(weapon.AutoFire);
    EXPECT_EQ(weapon.Emplacement, 5);
    EXPECT_EQ(weapon.Cost, 0);

    WriteFile(path, ten + "True\r\nTrue\r\n");
    weapon.Load(path);
    EXPECT_TRUE(weapon.MultFire);
    EXPECT_TRUE(weapon.AutoFire);
    EXPECT_EQ(weapon.Emplacement, 5);
    EXPECT_EQ(weapon.Cost, 0);

    WriteFile(path, ten + "False\r\nTrue\r\n 3 \r\n");
    weapon.Load(path);
    EXPECT_FALSE(weapon.MultFire);
    EXPECT_EQ(weapon.Emplacement, 3);
    EXPECT_EQ(weapon.Cost, 0);
    EXPECT_EQ(boxes_.size(), 0u);

    // The two fire modes come together: a file that stops between them is broken.
    WriteFile(path, ten + "True\r\n");
    weapon.Load(path);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_.last().prompt, "Sub: Load.\r\nInput past end of file");
    EXPECT_EQ(weapon.Name, "");
    EXPECT_EQ(weapon.Emplacement, 5);
}

TEST_F(StarshipFilesTest, ComponentFilesHaveNoOptionalLines) {
    std::string path = dir_.file("crew.txt");
    WriteFile(path, " 12 \r\nTrue\r\n 3 \r\n 7 \r\n");  // no sizes line
    clsStarshipCrew crew = Crew(40, false);
    crew.Load(path);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_.last().prompt, "Sub: Load.\r\nInput past end of file");
    EXPECT_EQ(crew.Points, 0);
    EXPECT_FALSE(crew.Station);
    EXPECT_FALSE(crew.HasSizes());

    WriteFile(path, " 40000 \r\nTrue\r\n 3 \r\n 7 \r\n\r\n");  // beyond an Integer
    crew = Crew(40, false);
    crew.Load(path);
    ASSERT_EQ(boxes_.size(), 2u);
    EXPECT_EQ(boxes_.last().prompt, "Sub: Load.\r\nOverflow");
    EXPECT_EQ(crew.Points, 0);
}

}  // namespace
}  // namespace orvane_test
