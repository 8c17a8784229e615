// Random list texts: every class parses them without harm, and reading a class's canonical
// text back gives the same text and the same answers to every query.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "orvane/orvane.hpp"
#include "support.hpp"

namespace {

using namespace OrvaneLib;

// Everything a list answers, indexes one beyond each end included, as one text.
struct Dump {
    std::string text;
    template <class T>
    Dump& operator<<(const T& value) {
        if constexpr (std::is_same_v<T, Integer>) {
            text += std::to_string(value);
        } else {
            text += value;
        }
        text += '\x1f';
        return *this;
    }
};

template <class List>
std::string Answers(const List& list) {
    Dump d;
    d << (list.HasList() ? "set" : "unset") << list.GetSize();
    for (Integer i = -1; i <= list.GetSize(); ++i) {
        if constexpr (std::is_same_v<List, clsListSimple>) {
            d << list.GetItem(i) << (list.InList(list.GetItem(i)) ? "in" : "out");
        } else if constexpr (std::is_same_v<List, clsListLevel>) {
            d << list.GetName(i) << list.GetRank(i) << list.GetRankFromName(list.GetName(i));
        } else if constexpr (std::is_same_v<List, clsListBonus>) {
            d << list.GetName(i) << list.GetNumber(i);
            for (Integer n = -1; n <= list.GetNumber(i); ++n) {
                d << list.GetLevel(i, n) << list.GetQuantity(i, n);
            }
        } else if constexpr (std::is_same_v<List, clsListSynergy> ||
                             std::is_same_v<List, clsListSubSynergy>) {
            d << list.GetLevel(i) << list.GetSkill(i) << list.GetBonus(i)
              << list.GetLevelFromSkill(list.GetSkill(i))
              << list.GetBonusFromSkill(list.GetSkill(i));
            if constexpr (std::is_same_v<List, clsListSubSynergy>) d << list.GetSubSkill(i);
        } else if constexpr (std::is_same_v<List, clsListOrSimple>) {
            d << list.GetNumber(i) << list.GetSetList(i);
            for (Integer n = -1; n <= list.GetNumber(i); ++n) {
                d << list.GetItem(i, n) << (list.InList(i, list.GetItem(i, n)) ? "in" : "out");
            }
        } else if constexpr (std::is_same_v<List, clsListOrLevel>) {
            d << list.GetNumber(i) << list.GetSetList(i);
            for (Integer n = -1; n <= list.GetNumber(i); ++n) {
                d << list.GetName(i, n) << list.GetRank(i, n)
                  << (list.InList(i, list.GetName(i, n)) ? "in" : "out");
            }
        } else {
            d << list.GetClass(i) << list.GetOldFeat(i) << list.GetNewFeat(i)
              << (list.InList(list.GetClass(i)) ? "in" : "out");
        }
    }
    return d.text;
}

template <class List>
void CheckRoundTrip(const std::string& text) {
    List list;
    list.SetList(text);
    Answers(list);  // every query, in and out of range, on whatever was read
    if (!list.HasList()) {
        EXPECT_EQ(list.GetSize(), 0) << text;
        EXPECT_EQ(list.GetList(), "") << text;
        return;
    }
    const std::string canonical = list.GetList();
    List again;
    again.SetList(canonical);
    EXPECT_EQ(again.GetList(), canonical) << typeid(List).name() << " '" << text << "'";
    // A canonical text of nothing (a clsListOrLevel that failed on its first set) is blank
    // and reads as no list; anything else must read back to the same entries.
    if (!canonical.empty()) {
        EXPECT_EQ(Answers(again), Answers(list)) << typeid(List).name() << " '" << text << "'";
    }
}

TEST(ListFuzz, RandomTextsParseAndCanonicalTextsReadBack) {
    orvane_test::MessageCapture boxes;
    const std::string alphabet = "a:|,. -0123456789";
    std::mt19937 random(20240611u);
    std::uniform_int_distribution<std::size_t> length(0, 24);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    for (int round = 0; round < 3000; ++round) {
        std::string text(length(random), ' ');
        for (char& c : text) c = alphabet[pick(random)];
        CheckRoundTrip<clsListSimple>(text);
        CheckRoundTrip<clsListLevel>(text);
        CheckRoundTrip<clsListBonus>(text);
        CheckRoundTrip<clsListSynergy>(text);
        CheckRoundTrip<clsListSubSynergy>(text);
        CheckRoundTrip<clsListOrSimple>(text);
        CheckRoundTrip<clsListOrLevel>(text);
        CheckRoundTrip<clsListTripleSimple>(text);
        if (HasFailure()) break;
    }
    EXPECT_GT(boxes.size(), 0u);
}

}  // namespace
