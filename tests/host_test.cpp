// Host services: numbered files, text encodings, the library identity and CreateObject.
#include "support.hpp"

namespace orvane_test {
namespace {

using namespace OrvaneLib;

class HostTest : public OrvaneTest {};

TEST_F(HostTest, FileNumbersAreLowestFreeAndReleasedOnClose) {
    Integer a = FreeFile();
    FileOpen(a, dir_.file("a.txt"), FileMode::Output);
    Integer b = FreeFile();
    EXPECT_GT(b, a);
    FileOpen(b, dir_.file("b.txt"), FileMode::Output);
    FileClose(a);
    EXPECT_EQ(FreeFile(), a);
    EXPECT_TRUE(FileIsOpen(b));
    FileClose(b);
    EXPECT_FALSE(FileIsOpen(b));
    EXPECT_THROW(FileOpen(a, dir_.file("missing.txt"), FileMode::Input), std::runtime_error);
    EXPECT_FALSE(FileIsOpen(a));
}

TEST_F(HostTest, LinesEndWithCrLfAndReadBackAcrossLineEndStyles) {
    std::string path = dir_.file("lines.txt");
    Integer n = FreeFile();
    FileOpen(n, path, FileMode::Output);
    detail::FileWriteLine(n, "one");
    detail::FileWriteLine(n, "");
    FileClose(n);
    EXPECT_EQ(ReadFile(path), "one\r\n\r\n");

    WriteFile(path, "a\r\nb\nc\rd");
    FileOpen(n, path, FileMode::Input);
    EXPECT_EQ(detail::FileReadLine(n), "a");
    EXPECT_EQ(detail::FileReadLine(n), "b");
    EXPECT_EQ(detail::FileReadLine(n), "c");
    EXPECT_FALSE(detail::FileAtEnd(n));
    EXPECT_EQ(detail::FileReadLine(n), "d");
    EXPECT_TRUE(detail::FileAtEnd(n));
    EXPECT_THROW(detail::FileReadLine(n), std::runtime_error);
    FileClose(n);
}

TEST_F(HostTest, Windows1252LinesAreConvertedAndUtf8KeptAsIs) {
    std::string path = dir_.file("enc.txt");
    WriteFile(path, "Caf\xE9 \x80\r\nCaf\xC3\xA9\r\n");
    Integer n = FreeFile();
    FileOpen(n, path, FileMode::Input);
    EXPECT_EQ(detail::FileReadLine(n), "Caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(detail::FileReadLine(n), "Caf\xC3\xA9");
    FileClose(n);
}

TEST_F(HostTest, CreateObjectKnowsOnlyPrefixedRegisteredNames) {
    EXPECT_EQ(CreateObject("OrvaneLib.NoSuchClass"), nullptr);
    EXPECT_EQ(CreateObject("clsDatabase"), nullptr);
}

TEST_F(HostTest, ListResultForms) {
    ListResult empty;
    EXPECT_TRUE(empty.IsEmptyForm());
    EXPECT_EQ(empty.LBound(), 0);
    EXPECT_EQ(empty.UBound(), 0);
    ListResult list(1, {"a", "b"});
    EXPECT_FALSE(list.IsEmptyForm());
    EXPECT_EQ(list.UBound(), 2);
    EXPECT_EQ(list[2], "b");
    EXPECT_THROW((void)list[0], std::out_of_range);
    EXPECT_THROW((void)list[3], std::out_of_range);
}

}  // namespace
}  // namespace orvane_test
