// Helpers for the encoded-list tests: a full record of what a list answers, and a table
// check of how texts read and what canonical text they give.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <vector>

#include "lists/grammar.hpp"
#include "orvane/orvane.hpp"

namespace lists_test {

using namespace OrvaneLib;

// A text with `n` copies of `entry` separated by `sep`.
inline std::string Repeat(const std::string& entry, std::size_t n, const std::string& sep = ",") {
    std::string text;
    for (std::size_t i = 0; i < n; ++i) text += (i ? sep : "") + entry;
    return text;
}

// Everything a list answers, one index beyond each end included, as one text.
template <class List>
std::string Answers(const List& l) {
    std::string out;
    auto put = [&out](const auto& value) {
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, Integer>) {
            out += std::to_string(value);
        } else {
            out += value;
        }
        out += '\x1f';
    };
    auto yes = [](bool b) { return b ? "yes" : "no"; };
    put(yes(l.HasList()));
    put(l.GetSize());
    for (int index = -1; index <= l.GetSize(); ++index) {
        const auto i = static_cast<Integer>(index);
        if constexpr (std::is_same_v<List, clsListSimple>) {
            put(l.GetItem(i)), put(yes(l.InList(l.GetItem(i))));
        } else if constexpr (std::is_same_v<List, clsListLevel>) {
            put(l.GetName(i)), put(l.GetRank(i)), put(l.GetRankFromName(l.GetName(i)));
        } else if constexpr (std::is_same_v<List, clsListBonus>) {
            put(l.GetName(i)), put(l.GetNumber(i));
            // int, not Integer: a count of 32767 would never be passed by an Integer index.
            for (int k = -1; k <= l.GetNumber(i); ++k) {
                const auto n = static_cast<Integer>(k);
                put(l.GetLevel(i, n)), put(l.GetQuantity(i, n));
            }
        } else if constexpr (std::is_same_v<List, clsListSynergy> ||
                             std::is_same_v<List, clsListSubSynergy>) {
            put(l.GetLevel(i)), put(l.GetSkill(i)), put(l.GetBonus(i));
            put(l.GetLevelFromSkill(l.GetSkill(i))), put(l.GetBonusFromSkill(l.GetSkill(i)));
            if constexpr (std::is_same_v<List, clsListSubSynergy>) put(l.GetSubSkill(i));
        } else if constexpr (std::is_same_v<List, clsListOrSimple>) {
            put(l.GetNumber(i)), put(l.GetSetList(i));
            for (int k = -1; k <= l.GetNumber(i); ++k) {
                const auto n = static_cast<Integer>(k);
                put(l.GetItem(i, n)), put(yes(l.InList(i, l.GetItem(i, n))));
            }
        } else if constexpr (std::is_same_v<List, clsListOrLevel>) {
            put(l.GetNumber(i)), put(l.GetSetList(i));
            for (int k = -1; k <= l.GetNumber(i); ++k) {
                const auto n = static_cast<Integer>(k);
                put(l.GetName(i, n)), put(l.GetRank(i, n)), put(yes(l.InList(i, l.GetName(i, n))));
            }
        } else {
            put(l.GetClass(i)), put(l.GetOldFeat(i)), put(l.GetNewFeat(i));
            put(yes(l.InList(l.GetClass(i))));
        }
    }
    return out;
}

// Reads `text` and checks that its canonical text reads back to the same text and, unless
// the canonical text is blank, to the same answers.
template <class List>
void ExpectCanonicalReadsBack(const List& list, const std::string& text) {
    const std::string canonical = list.GetList();
    List again;
    again.SetList(canonical);
    EXPECT_EQ(again.GetList(), canonical) << list.ClassName() << " '" << text << "'";
    if (!detail::IsBlank(canonical)) {
        EXPECT_EQ(Answers(again), Answers(list)) << list.ClassName() << " '" << text << "'";
    }
}

// A text and the canonical text it gives; nullptr: it gives the empty list.
struct Reading {
    std::string text;
    const char* canonical;
};

// Reads every text into a list that already holds one, and checks the result.
template <class List>
void ExpectReadings(const std::vector<Reading>& readings) {
    for (const Reading& r : readings) {
        List list;
        list.SetList("a:1|1");
        list.SetList(r.text);
        std::string shown = r.text.substr(0, 60);
        if (r.canonical == nullptr) {
            EXPECT_FALSE(list.HasList()) << shown;
            EXPECT_EQ(list.GetSize(), 0) << shown;
            EXPECT_EQ(list.GetList(), "") << shown;
        } else {
            EXPECT_TRUE(list.HasList()) << shown;
            EXPECT_EQ(list.GetList(), r.canonical) << shown;
            ExpectCanonicalReadsBack(list, r.text);
        }
    }
}

}  // namespace lists_test
