// A list object reads text after text: record fields keep one list each and hand it every
// new value. What it answers must not depend on what it read before, and a copy must not
// depend on the object it was copied from.
#include <random>

#include "lists_support.hpp"
#include "support.hpp"

namespace {

using namespace OrvaneLib;

// Texts of every length from blank to a few hundred characters, long and short in turn, in
// shapes every class reads (and some it rejects).
std::vector<std::string> Texts() {
    const std::vector<std::string> pieces = {
        "Climb", " Jump ", "Armor Proficiency", "4", "-32768", "2.5", "x", "", " "};
    const std::string separators = ",,:|";
    std::mt19937 random(7);
    std::vector<std::string> texts;
    for (std::size_t n : {40u, 0u, 3u, 120u, 1u, 60u, 2u, 200u, 5u}) {
        std::string text;
        for (std::size_t i = 0; i < n; ++i) {
            text += pieces[random() % pieces.size()];
            text += separators[random() % separators.size()];
        }
        texts.push_back(text);
        texts.push_back(text.substr(0, text.size() / 3));
    }
    // Short texts whose canonical form is much longer than they are.
    texts.push_back("a:1|" + lists_test::Repeat("", 300, ":"));
    texts.push_back(lists_test::Repeat("", 150, ","));
    return texts;
}

// Everything the list answers, its canonical text included.
template <class List>
std::string Everything(const List& list) {
    return lists_test::Answers(list) + '\n' + list.GetList();
}

template <class List>
void ReadInTurn(const std::vector<std::string>& texts) {
    List reused;
    for (const std::string& text : texts) {
        List copy = reused;
        const std::string before = Everything(copy);
        reused.SetList(text);
        List fresh;
        fresh.SetList(text);
        EXPECT_EQ(Everything(reused), Everything(fresh))
            << reused.ClassName() << " '" << text << "'";
        EXPECT_EQ(Everything(copy), before) << reused.ClassName() << " '" << text << "'";
    }
}

TEST(ListReuse, AnswersDoNotDependOnWhatTheObjectReadBefore) {
    orvane_test::MessageCapture boxes;  // clsListOrLevel reports the malformed ones
    const std::vector<std::string> texts = Texts();
    ReadInTurn<clsListSimple>(texts);
    ReadInTurn<clsListLevel>(texts);
    ReadInTurn<clsListBonus>(texts);
    ReadInTurn<clsListSynergy>(texts);
    ReadInTurn<clsListSubSynergy>(texts);
    ReadInTurn<clsListOrSimple>(texts);
    ReadInTurn<clsListOrLevel>(texts);
    ReadInTurn<clsListTripleSimple>(texts);
}

}  // namespace
