// SPDX-License-Identifier: GPL-3.0-or-later
#include "sign_lists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "abjad.h"
#include "read_data.h"

namespace delvarin {
namespace {

std::vector<int> Indices(std::u16string_view text) {
    std::vector<int> out;
    int value = 0;
    for (char16_t c : text.substr(1)) {
        if (c == u'|') {
            out.push_back(value);
            value = 0;
        } else {
            value = value * 10 + (c - u'0');
        }
    }
    return out;
}

const std::u16string& List(SignSet set, int k) {
    return SharedNameData().signLists.list(set, k);
}

bool StartsWith(std::u16string_view text, std::u16string_view start) {
    return text.substr(0, start.size()) == start;
}
bool EndsWith(std::u16string_view text, std::u16string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

struct SizesCase {
    SignSet set;
    std::array<int, 12> sizes;
};
void PrintTo(const SizesCase& c, std::ostream* os) {
    *os << SignSetName(c.set);
}

class SignListSizes : public testing::TestWithParam<SizesCase> {};

TEST_P(SignListSizes, MatchTheCatalogue) {
    const SizesCase& c = GetParam();
    for (int k = 0; k < 12; ++k)
        EXPECT_EQ(Indices(List(c.set, k)).size(), static_cast<std::size_t>(c.sizes[k])) << k;
}

INSTANTIATE_TEST_SUITE_P(
    SignLists, SignListSizes,
    testing::Values(
        SizesCase{SignSet::BoyLists, {272, 281, 282, 266, 265, 243, 247, 257, 242, 291, 260, 226}},
        SizesCase{SignSet::BoyListsDel,
                  {276, 288, 291, 252, 255, 260, 243, 275, 231, 279, 264, 218}},
        SizesCase{SignSet::GirlLists, {285, 267, 289, 283, 279, 282, 277, 271, 262, 281, 309, 248}},
        SizesCase{SignSet::GirlListsDel,
                  {290, 275, 271, 274, 273, 300, 289, 289, 256, 265, 289, 262}}),
    [](const auto& info) { return std::string(SignSetName(info.param.set)); });

TEST(SignLists, WellFormedAscendingTexts) {
    for (SignSet set : kSignSets) {
        for (int k = 0; k < 12; ++k) {
            const std::u16string& text = List(set, k);
            ASSERT_GE(text.size(), 3u);
            EXPECT_EQ(text.front(), u'|');
            EXPECT_EQ(text.back(), u'|');
            EXPECT_EQ(text.find(u"||"), std::u16string::npos);
            EXPECT_EQ(text.find(u"|0"), std::u16string::npos) << "leading zero";
            for (char16_t c : text) ASSERT_TRUE(c == u'|' || (c >= u'0' && c <= u'9'));
            const std::vector<int> indices = Indices(text);
            for (std::size_t i = 1; i < indices.size(); ++i) ASSERT_LT(indices[i - 1], indices[i]);
        }
    }
}

TEST(SignLists, EachSetHoldsItsGenderOnceUnderItsValue) {
    const NameTable& names = SharedNameData().names;
    for (SignSet set : kSignSets) {
        const bool boys = set == SignSet::BoyLists || set == SignSet::BoyListsDel;
        const bool convert = set == SignSet::BoyLists || set == SignSet::GirlLists;
        std::set<int> seen;
        for (int k = 0; k < 12; ++k) {
            for (int i : Indices(List(set, k))) {
                ASSERT_TRUE(seen.insert(i).second) << i << " twice in " << SignSetName(set);
                ASSERT_EQ(GetAbjad(names.name(i), convert) % 12, k) << i;
            }
        }
        for (int i = 1; i <= NameTable::kNameCount; ++i) {
            const bool member = boys ? IsBoys(names.gender(i)) : IsGirls(names.gender(i));
            EXPECT_EQ(seen.count(i), member ? 1u : 0u) << i << " in " << SignSetName(set);
        }
    }
}

TEST(SignLists, StatedBeginningsAndEnds) {
    EXPECT_TRUE(StartsWith(List(SignSet::BoyLists, 0), u"|34|94|95|115|130|149|158|164|184|237|"));
    EXPECT_TRUE(EndsWith(List(SignSet::BoyLists, 0), u"|6151|"));
    EXPECT_TRUE(
        StartsWith(List(SignSet::BoyListsDel, 0), u"|34|94|95|115|130|149|158|184|228|237|"));
    EXPECT_TRUE(StartsWith(List(SignSet::GirlLists, 5), u"|1|"));
    EXPECT_TRUE(StartsWith(List(SignSet::GirlListsDel, 5), u"|1|"));
}

struct MemberCase {
    const char* name;
    int index;
    std::array<int, 4> lists;  // per set; -1 where the name is not of that gender
};
void PrintTo(const MemberCase& c, std::ostream* os) {
    *os << c.name;
}

class SignListMember : public testing::TestWithParam<MemberCase> {};

TEST_P(SignListMember, StandsInTheListsOfItsValues) {
    const MemberCase& c = GetParam();
    for (std::size_t s = 0; s < kSignSets.size(); ++s) {
        for (int k = 0; k < 12; ++k) {
            const std::vector<int> indices = Indices(List(kSignSets[s], k));
            const bool in = std::find(indices.begin(), indices.end(), c.index) != indices.end();
            EXPECT_EQ(in, k == c.lists[s]) << SignSetName(kSignSets[s]) << " " << k;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(SignLists, SignListMember,
                         testing::Values(MemberCase{"Elnaz", 1, {-1, -1, 5, 5}},
                                         MemberCase{"Omid", 2, {7, 7, -1, -1}},
                                         MemberCase{"Setayesh", 23, {3, 3, 3, 3}},
                                         MemberCase{"Parsa", 164, {0, 10, -1, -1}},
                                         MemberCase{"Kurang", 228, {8, 0, -1, -1}},
                                         MemberCase{"Chaman", 2633, {-1, -1, 10, 7}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SignLists, LongestAndShortestTexts) {
    std::size_t longest = 0, shortest = SIZE_MAX;
    for (SignSet set : kSignSets) {
        for (int k = 0; k < 12; ++k) {
            const std::size_t length = List(set, k).size();
            const bool isLongest = set == SignSet::GirlLists && k == 10;
            const bool isShortest = set == SignSet::BoyListsDel && k == 11;
            if (!isLongest) longest = std::max(longest, length);
            if (!isShortest) shortest = std::min(shortest, length);
        }
    }
    EXPECT_EQ(List(SignSet::GirlLists, 10).size(), 1494u);
    EXPECT_EQ(List(SignSet::BoyListsDel, 11).size(), 1061u);
    EXPECT_LT(longest, 1494u);
    EXPECT_GT(shortest, 1061u);
}

TEST(SignLists, AboutSixtyTwoThousandCharactersInAll) {
    std::size_t total = 0;
    for (SignSet set : kSignSets)
        for (int k = 0; k < 12; ++k) total += List(set, k).size();
    EXPECT_GT(total, 60'000u);
    EXPECT_LT(total, 64'000u);
}

}  // namespace
}  // namespace delvarin
