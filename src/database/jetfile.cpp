// Recognising Jet and ACE files by their header.
#include "database/jetfile.hpp"

#include <array>
#include <cstring>
#include <fstream>

namespace OrvaneLib::detail {

JetFormat DetectJetFile(const std::string& path) {
    // The first page starts with 00 01 00 00, the engine's name and, at 0x14, its version:
    // 0 for Jet 3, 1 for Jet 4, 2 and above for the ACE versions.
    std::array<char, 0x18> header{};
    std::ifstream in(path, std::ios::binary);
    if (!in.read(header.data(), header.size())) return JetFormat::None;
    static constexpr char kMagic[4] = {0, 1, 0, 0};
    if (std::memcmp(header.data(), kMagic, 4) != 0) return JetFormat::None;
    const bool jet = std::memcmp(header.data() + 4, "Standard Jet DB", 16) == 0;
    const bool ace = std::memcmp(header.data() + 4, "Standard ACE DB", 16) == 0;
    if (!jet && !ace) return JetFormat::None;
    const auto byte = [&](int i) { return static_cast<unsigned char>(header[i]); };
    const unsigned version = byte(0x14) | byte(0x15) << 8 | byte(0x16) << 16 | byte(0x17) << 24;
    if (ace || version >= 2) return JetFormat::Ace;
    return version == 0 ? JetFormat::Jet3 : JetFormat::Jet4;
}

std::string JetFileReport(const std::string& path) {
    switch (DetectJetFile(path)) {
        case JetFormat::None:
            return "";
        case JetFormat::Jet3:
        case JetFormat::Jet4:
            return path +
                   " is a Jet database (the .mdb format of Access 95 to 2003), which this "
                   "library does not open; 'orvane convert " +
                   path + " NEW.mdb' turns it into a rules database that it opens.";
        case JetFormat::Ace:
            return path +
                   " is an ACE database (the .accdb format of Access 2007 and later), which "
                   "this library does not open and 'orvane convert' does not read; saved in "
                   "the Access 2000 .mdb format, it can be converted with 'orvane convert'.";
    }
    return "";
}

}  // namespace OrvaneLib::detail
