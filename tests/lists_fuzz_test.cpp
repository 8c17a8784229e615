// Random list texts: every class parses them without harm, and a class's canonical text reads
// back to the same text and the same answers to every query.
#include <random>

#include "lists_support.hpp"
#include "support.hpp"

namespace {

using namespace OrvaneLib;

template <class List>
void Check(const std::string& text) {
    List list;
    list.SetList(text);
    if (list.HasList()) {
        lists_test::ExpectCanonicalReadsBack(list, text);
    } else {
        EXPECT_EQ(lists_test::Answers(list), lists_test::Answers(List())) << text;
    }
}

TEST(ListFuzz, RandomTextsParseAndCanonicalTextsReadBack) {
    orvane_test::MessageCapture boxes;  // clsListOrLevel reports the malformed ones
    const std::string alphabet = "a:|,. -0123456789";
    std::mt19937 random(20240611u);
    std::uniform_int_distribution<std::size_t> length(0, 24);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    for (int round = 0; round < 3000 && !HasFailure(); ++round) {
        std::string text(length(random), ' ');
        for (char& c : text) c = alphabet[pick(random)];
        Check<clsListSimple>(text);
        Check<clsListLevel>(text);
        Check<clsListBonus>(text);
        Check<clsListSynergy>(text);
        Check<clsListSubSynergy>(text);
        Check<clsListOrSimple>(text);
        Check<clsListOrLevel>(text);
        Check<clsListTripleSimple>(text);
    }
    EXPECT_GT(boxes.size(), 0u);
}

}  // namespace
