// A small program of a library user: opens the rules database beside the installed library,
// lists the sample's ages and reads an encoded list.
#include <iostream>
#include <orvane/orvane.hpp>

int main() {
    OrvaneLib::clsDatabase db;
    const OrvaneLib::ListResult ages = db.AgeList();
    OrvaneLib::clsListLevel skills;
    skills.SetList("Climb: 4 , Jump");
    std::cout << "folder " << OrvaneLib::LibraryFolder() << "\n"
              << "version " << OrvaneLib::LibraryVersion() << "\n"
              << "ages " << (ages.IsEmptyForm() ? 0 : ages.size()) << "\n"
              << "list " << skills.GetList() << "\n";
    return ages.IsEmptyForm() ? 1 : 0;
}
