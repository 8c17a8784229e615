// The record text file: print forms, line treatments, optional groups, clearing and
// overlaying loads, encodings, and the Save/Load message boxes.
#include "orvane/records/core.hpp"
#include "records/describe.hpp"
#include "support.hpp"

namespace orvane_test {
namespace {

using namespace OrvaneLib;

class TextFileTest : public OrvaneTest {};

TEST(PrintForms, NumbersAsTheFileWritesThem) {
    using detail::PrintInteger;
    using detail::PrintSingle;
    EXPECT_EQ(PrintInteger(5), " 5 ");
    EXPECT_EQ(PrintInteger(-3), "-3 ");
    EXPECT_EQ(PrintInteger(0), " 0 ");
    EXPECT_EQ(PrintSingle(1.5), " 1.5 ");
    EXPECT_EQ(PrintSingle(0.25), " .25 ");
    EXPECT_EQ(PrintSingle(-0.25), "-.25 ");
    EXPECT_EQ(PrintSingle(0), " 0 ");
    EXPECT_EQ(PrintSingle(100), " 100 ");
    EXPECT_EQ(PrintSingle(0.1f), " .1 ");
    EXPECT_EQ(PrintSingle(1234567), " 1234567 ");
    EXPECT_EQ(PrintSingle(12345678), " 1.234568E+07 ");
    EXPECT_EQ(PrintSingle(1e7), " 1E+07 ");
    EXPECT_EQ(PrintSingle(0.0001f), " 1E-04 ");
    EXPECT_EQ(PrintSingle(3.3f), " 3.3 ");
}

TEST(PrintForms, ReadingNumbersAndBooleans) {
    using detail::ReadWhole;
    EXPECT_EQ(ReadWhole(" 5 ", -32768, 32767), 5);
    EXPECT_EQ(ReadWhole("2.5", -32768, 32767), 2);
    EXPECT_EQ(ReadWhole("3.5", -32768, 32767), 4);
    EXPECT_EQ(ReadWhole("-2.5", -32768, 32767), -2);
    EXPECT_THROW(ReadWhole("40000", -32768, 32767), std::runtime_error);
    EXPECT_EQ(ReadWhole(" 40000 ", INT32_MIN, INT32_MAX), 40000);
    EXPECT_THROW(ReadWhole("old", -32768, 32767), std::runtime_error);
    EXPECT_THROW(ReadWhole("", -32768, 32767), std::runtime_error);
    EXPECT_FLOAT_EQ(static_cast<float>(detail::ReadSingle(" 1.234568E+07 ")), 12345680.0f);
    EXPECT_TRUE(detail::ReadBoolean("TRUE"));
    EXPECT_FALSE(detail::ReadBoolean("false"));
    EXPECT_TRUE(detail::ReadBoolean("-1"));
    EXPECT_FALSE(detail::ReadBoolean(" 0 "));
    EXPECT_THROW(detail::ReadBoolean("yes"), std::runtime_error);
}

TEST_F(TextFileTest, AgeFileBytesAndRoundTrip) {
    clsAge age;
    age.Name = "Old";
    age.Dead = false;
    age.Order = 5;
    for (Integer i = 0; i < 6; ++i) age.SetModifier(i, Integer(i == 2 ? -2 : i == 5 ? 1 : 0));
    std::string path = dir_.file("age.txt");
    age.Save(path);
    EXPECT_EQ(ReadFile(path), "Old\r\nFalse\r\n 5 \r\n0|0|-2|0|0|1\r\n\r\n\r\n");

    age.SetSpecQual("Steady Hand, Long Memory");
    age.SetSynergy("0:Knowledge:2");
    age.Dead = true;
    age.Save(path);
    clsAge back;
    back.Load(path);
    EXPECT_EQ(boxes_.size(), 0u);
    EXPECT_EQ(back.Name, "Old");
    EXPECT_TRUE(back.Dead);
    EXPECT_EQ(back.Order, 5);
    EXPECT_EQ(back.GetModifier(2), -2);
    EXPECT_EQ(back.GetModifier(5), 1);
    EXPECT_EQ(back.GetSpecQualList(), "Steady Hand, Long Memory");
    EXPECT_EQ(back.GetSynergyList(), "0:Knowledge:2");
}

TEST_F(TextFileTest, ModifierLineWithMoreOrFewerValues) {
    std::string path = dir_.file("age.txt");
    WriteFile(path, "A\r\nTrue\r\n1\r\n1|2|3|4|5|6|7|8\r\n\r\n\r\n");
    clsAge age;
    age.Load(path);
    EXPECT_EQ(age.GetModifier(5), 6);
    WriteFile(path, "A\r\nTrue\r\n1\r\n1|2|3\r\n\r\n\r\n");
    age.SetModifier(4, 9);
    age.Load(path);
    EXPECT_EQ(age.GetModifier(2), 3);
    EXPECT_EQ(age.GetModifier(3), 0);
    EXPECT_EQ(age.GetModifier(4), 0);
    WriteFile(path, "A\r\nTrue\r\n1\r\n\r\n\r\n\r\n");
    age.Load(path);
    EXPECT_EQ(age.GetModifier(0), 0);
    EXPECT_EQ(boxes_.size(), 0u);
    EXPECT_EQ(age.GetModifier(6), 0);
    EXPECT_EQ(age.GetModifier(-1), 0);
    age.SetModifier(6, 4);
    EXPECT_EQ(age.GetModifier(5), 0);
}

TEST_F(TextFileTest, SizesFileBytesAndOverlayingLoad) {
    clsSizes size;
    size.Name = "Small";
    size.Hide = 4;
    size.Attack = 1;
    size.Defense = 1;
    size.Punch = -1;
    size.Order = 3;
    size.DR = 0;
    size.MinHeight = 0.5f;
    size.MaxHeight = 1.2f;
    size.MinWeight = 4;
    size.MaxWeight = 32.5f;
    size.BiteAttack = "1d3";
    std::string path = dir_.file("size.txt");
    size.Save(path);
    EXPECT_EQ(ReadFile(path),
              "Small\r\n 4 \r\n 1 \r\n 1 \r\n-1 \r\n 3 \r\n 0 \r\n .5 \r\n 1.2 \r\n 4 \r\n 32.5 "
              "\r\n1d3\r\n");

    // A file that ends after line 7 fails; the values read so far stay, the rest is old.
    WriteFile(path, "Tiny\r\n8\r\n2\r\n2\r\n-2\r\n2\r\n0\r\n");
    size.Load(path);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_.last().title, "Error");
    EXPECT_EQ(boxes_.last().icon, MsgIcon::Critical);
    EXPECT_EQ(boxes_.last().prompt, "Sub: Load.\r\nInput past end of file");
    EXPECT_EQ(size.Name, "Tiny");
    EXPECT_EQ(size.Hide, 8);
    EXPECT_FLOAT_EQ(size.MinHeight, 0.5f);
    EXPECT_EQ(size.BiteAttack, "1d3");
}

TEST_F(TextFileTest, MissingFileClearsAClearingRecordAndKeepsAnOverlayingOne) {
    clsAge age;
    age.Name = "Old";
    age.SetSpecQual("x");
    std::string missing = dir_.file("missing.txt");
    age.Load(missing);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_.last().prompt, "Unable to locate file: " + missing);
    EXPECT_EQ(boxes_.last().icon, MsgIcon::Exclamation);
    EXPECT_EQ(boxes_.last().title, "Error");
    EXPECT_EQ(age.Name, "");
    EXPECT_FALSE(age.HasSpecQual());

    clsSizes size;
    size.Name = "Large";
    size.DR = 3;
    size.Load(missing);
    EXPECT_EQ(size.Name, "Large");
    EXPECT_EQ(size.DR, 3);
}

TEST_F(TextFileTest, FailedLoadOfAClearingRecordLeavesItCleared) {
    std::string path = dir_.file("age.txt");
    WriteFile(path, "Old\r\nTrue\r\nold\r\n");
    clsAge age;
    age.Load(path);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_.last().prompt, "Sub: Load.\r\nType mismatch");
    EXPECT_EQ(age.Name, "");
    EXPECT_FALSE(age.Dead);
}

TEST_F(TextFileTest, SaveFailureIsReportedAndKeepsThePreviousFile) {
    clsHomeworld world;
    world.Name = "Kesh";
    world.Save(dir_.file("no/such/folder/kesh.txt"));
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_.last().prompt.rfind("Sub: Save.\r\n", 0), 0u);
    EXPECT_EQ(boxes_.last().icon, MsgIcon::Critical);

    // A target that cannot be replaced (a folder) keeps what it held; no scratch file stays.
    std::string folder = dir_.file("taken");
    fs::create_directories(folder);
    world.Save(folder);
    EXPECT_EQ(boxes_.size(), 2u);
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_FALSE(fs::exists(folder + ".saving"));
}

TEST_F(TextFileTest, LineBreaksInPlainTextKeepTheFileIntact) {
    clsHomeworld world;
    world.Name = "Twin\r\nWorlds";
    world.Sector = "Lone\nFeed";
    world.Region = "Core";
    std::string path = dir_.file("world.txt");
    world.Save(path);
    EXPECT_EQ(ReadFile(path), "Twin[CRLF]Worlds\r\nLone[CRLF]Feed\r\nCore\r\n");
    clsHomeworld back;
    back.Load(path);
    EXPECT_EQ(back.Name, "Twin\r\nWorlds");
    EXPECT_EQ(back.Sector, "Lone\r\nFeed");
    EXPECT_EQ(back.Region, "Core");
}

TEST_F(TextFileTest, Windows1252FilesLoadWithTheirAccents) {
    std::string path = dir_.file("world.txt");
    WriteFile(path,
              "Caf\xE9 Prime\r\nS\xF6"
              "der\r\nCore\r\n");
    clsHomeworld world;
    world.Load(path);
    EXPECT_EQ(world.Name, "Caf\xC3\xA9 Prime");
    EXPECT_EQ(world.Sector,
              "S\xC3\xB6"
              "der");
    world.Save(path);
    EXPECT_EQ(ReadFile(path),
              "Caf\xC3\xA9 Prime\r\nS\xC3\xB6"
              "der\r\nCore\r\n");
}

}  // namespace
}  // namespace orvane_test

// A record with one field of every kind, to exercise the line treatments and groups.
struct TextSample : OrvaneLib::Record {
    ORVANE_RECORD(TextSample)
    TextSample() { Clear(); }
    std::string Name, Note, Text;
    bool Flag = false;
    OrvaneLib::Integer Small = 0;
    OrvaneLib::Long Big = 0;
    OrvaneLib::Single Real = 0;
    OrvaneLib::clsListLevel Ranks;
};

ORVANE_DESCRIBE_RECORD(TextSample) {
    return {.fields = {InFile<&R::Name>("Name"), InFile<&R::Note>("Note").As(TextForm::Note),
                       InFile<&R::Flag>("Flag"),
                       InFile<&R::Text>("Text").As(TextForm::Description).Group(1),
                       InFile<&R::Small>("Small").Group(1), InFile<&R::Big>("Big").Group(2),
                       InFile<&R::Real>("Real").Group(3), InFile<&R::Ranks>("Ranks").Group(3)}};
}

namespace orvane_test {
namespace {

TEST_F(TextFileTest, DescriptionsNotesAndOptionalGroups) {
    TextSample s;
    s.Name = "n";
    s.Note = "first\r\nsecond";
    s.Text = "para one\r\npara two";
    s.Flag = true;
    s.Small = -7;
    s.Big = 100000;
    s.Real = 2.5f;
    s.Ranks.SetList("Climb:4, Jump:2");
    std::string path = dir_.file("sample.txt");
    s.Save(path);
    EXPECT_EQ(ReadFile(path),
              "n\r\nfirstsecond\r\nTrue\r\npara one[CRLF]para two\r\n-7 \r\n 100000 \r\n 2.5 "
              "\r\nClimb:4, Jump:2\r\n");
    TextSample back;
    back.Load(path);
    EXPECT_EQ(back.Note, "firstsecond");
    EXPECT_EQ(back.Text, "para one\r\npara two");
    EXPECT_EQ(back.Big, 100000);
    EXPECT_FLOAT_EQ(back.Real, 2.5f);
    EXPECT_EQ(back.Ranks.GetRank(1), 2);

    // Files ending before a group leave that group's fields as cleared; a group cut in
    // the middle fails the load.
    WriteFile(path, "n\r\nnote\r\nFalse\r\n");
    back.Load(path);
    EXPECT_EQ(boxes_.size(), 0u);
    EXPECT_EQ(back.Text, "");
    WriteFile(path, "n\r\nnote\r\nFalse\r\ntext\r\n 3 \r\n 9 \r\n");
    back.Load(path);
    EXPECT_EQ(boxes_.size(), 0u);
    EXPECT_EQ(back.Big, 9);
    EXPECT_EQ(back.Real, 0);
    WriteFile(path, "n\r\nnote\r\nFalse\r\ntext\r\n");
    back.Load(path);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(back.Name, "");
}

TEST_F(TextFileTest, AppendedRecordsShareOneCallerFile) {
    std::string path = dir_.file("many.txt");
    Integer n = FreeFile();
    FileOpen(n, path, FileMode::Output);
    TextSample a, b;
    a.Name = "a";
    b.Name = "b";
    b.Real = 0.75f;
    detail::SaveAppendRecord(a, detail::Describe<TextSample>::Kind(), n);
    detail::SaveAppendRecord(b, detail::Describe<TextSample>::Kind(), n);
    FileClose(n);
    FileOpen(n, path, FileMode::Input);
    TextSample x, y;
    detail::LoadAppendRecord(x, detail::Describe<TextSample>::Kind(), n, true);
    detail::LoadAppendRecord(y, detail::Describe<TextSample>::Kind(), n, true);
    EXPECT_TRUE(FileIsOpen(n));
    FileClose(n);
    EXPECT_EQ(x.Name, "a");
    EXPECT_EQ(y.Name, "b");
    EXPECT_FLOAT_EQ(y.Real, 0.75f);
    // Writing to a file that is not open reports and goes on.
    detail::SaveAppendRecord(a, detail::Describe<TextSample>::Kind(), n);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_.last().prompt, "Sub: SaveAppend.\r\nBad file name or number");
}

}  // namespace
}  // namespace orvane_test
