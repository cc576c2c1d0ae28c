// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "abjad.h"
#include "read_data.h"

namespace delvarin {
namespace {

struct RowCase {
    int index;
    std::u16string_view name;
    NameGender gender;
};
void PrintTo(const RowCase& c, std::ostream* os) {
    *os << "index " << c.index;
}

class TellingRow : public testing::TestWithParam<RowCase> {};

TEST_P(TellingRow, StandsAtItsIndex) {
    const RowCase& c = GetParam();
    EXPECT_EQ(SharedNameData().names.name(c.index), c.name);
    EXPECT_EQ(SharedNameData().names.gender(c.index), c.gender);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, TellingRow,
    testing::Values(
        RowCase{1, u"الناز", NameGender::Girl}, RowCase{2, u"اميد", NameGender::Boy},
        RowCase{3, u"مينا", NameGender::Girl}, RowCase{6, u"فاطمه زهرا", NameGender::Girl},
        RowCase{11, u"جواد", NameGender::Boy}, RowCase{23, u"ستايش", NameGender::Both},
        RowCase{78, u"نرجس", NameGender::Girl}, RowCase{125, u"نرجس", NameGender::Girl},
        RowCase{164, u"پارسا", NameGender::Boy}, RowCase{228, u"كورنگ", NameGender::Boy},
        RowCase{2132, u"ارشام", NameGender::Boy}, RowCase{2633, u"چمان", NameGender::Girl},
        RowCase{2797, u"اَرشام", NameGender::Boy}, RowCase{2999, u"آخشيج", NameGender::Boy},
        RowCase{3000, u"آدا", NameGender::Girl}, RowCase{6166, u"شلير", NameGender::Girl},
        RowCase{6174, u"شداد", NameGender::Boy}),
    [](const auto& info) { return "Index" + std::to_string(info.param.index); });

TEST(Catalogue, EmptySlotsAroundTheNames) {
    const NameTable& names = SharedNameData().names;
    EXPECT_TRUE(names.name(0).empty());
    for (int i = NameTable::kNameCount + 1; i <= NameTable::kLastSlot; ++i)
        EXPECT_TRUE(names.name(i).empty()) << i;
    EXPECT_TRUE(names.name(-1).empty());
    EXPECT_TRUE(names.name(NameTable::kLastSlot + 1).empty());
}

TEST(Catalogue, ReadDataSplitsTheRowsBetweenItsTwoHalves) {
    NameTable names;
    ReadData1(names);
    EXPECT_EQ(names.name(2999), u"آخشيج");
    EXPECT_TRUE(names.name(3000).empty());
    ReadData2(names);
    EXPECT_EQ(names.name(3000), u"آدا");
    EXPECT_EQ(names.name(6174), u"شداد");
}

TEST(Catalogue, GenderCountsAndSetSizes) {
    std::map<NameGender, int> counts;
    int boys = 0, girls = 0;
    for (const CatalogueRow& row : CatalogueRows()) {
        ++counts[row.gender];
        boys += IsBoys(row.gender);
        girls += IsGirls(row.gender);
    }
    EXPECT_EQ(CatalogueRows().size(), 6174u);
    EXPECT_EQ(counts[NameGender::Boy], 2841);
    EXPECT_EQ(counts[NameGender::Girl], 3042);
    EXPECT_EQ(counts[NameGender::Both], 291);
    EXPECT_EQ(boys, 3132);
    EXPECT_EQ(girls, 3333);
}

// Every character a name may hold: the value of a name hangs on its exact
// code points, so anything else would silently change a list.
bool AllowedInName(char16_t c) {
    return (c >= 0x0621 && c <= 0x063A && c != 0x0625) || (c >= 0x0641 && c <= 0x0648) ||
           c == 0x064A || c == 0x064E || c == 0x064F || c == 0x0650 || c == 0x0652 || c == 0x067E ||
           c == 0x0686 || c == 0x0698 || c == 0x06AF || c == u' ';
}

TEST(Catalogue, RepertoireAndShape) {
    std::map<std::u16string_view, int> seen;
    std::map<std::size_t, int> lengths;
    int persian = 0, vowelled = 0, twoWords = 0, threeWords = 0, tehMarbuta = 0;
    for (const CatalogueRow& row : CatalogueRows()) {
        const std::u16string_view name = row.name;
        for (char16_t c : name) ASSERT_TRUE(AllowedInName(c)) << row.index;
        EXPECT_NE(name.front(), u' ') << row.index;
        EXPECT_NE(name.back(), u' ') << row.index;
        EXPECT_EQ(name.find(u"  "), std::u16string_view::npos) << row.index;
        ++seen[name];
        ++lengths[name.size()];
        persian += GetAbjad(name, true) != GetAbjad(name, false);
        vowelled += name.find_first_of(u"َُِْ") != std::u16string_view::npos;
        tehMarbuta += name.find(u'ة') != std::u16string_view::npos;
        const auto spaces = std::count(name.begin(), name.end(), u' ');
        twoWords += spaces == 1;
        threeWords += spaces == 2;
    }
    EXPECT_EQ(lengths.begin()->first, 2u);
    EXPECT_EQ(lengths[2], 8);
    EXPECT_EQ(lengths.rbegin()->first, 12u);
    EXPECT_EQ(lengths[12], 3);
    EXPECT_EQ(persian, 1073);
    EXPECT_EQ(vowelled, 140);
    EXPECT_EQ(tehMarbuta, 4);
    EXPECT_EQ(twoWords, 627);
    EXPECT_EQ(threeWords, 12);
    for (const auto& [name, count] : seen)
        EXPECT_EQ(count, name == u"نرجس" ? 2 : 1) << "a text repeats";
}

TEST(Catalogue, VowelledSpellingsShareTheirBareTwinsValue) {
    const NameTable& names = SharedNameData().names;
    EXPECT_EQ(GetAbjad(names.name(2132), true), GetAbjad(names.name(2797), true));
    EXPECT_TRUE(IsBoys(names.gender(2132)));
    EXPECT_TRUE(IsBoys(names.gender(2797)));
    EXPECT_EQ(GetAbjad(names.name(2132), true) % 12, GetAbjad(names.name(2797), true) % 12);
}

TEST(Catalogue, LargestValueFitsSixteenBits) {
    std::int32_t largest = 0;
    for (const CatalogueRow& row : CatalogueRows())
        largest = std::max(largest, GetAbjad(row.name, true));
    EXPECT_EQ(largest, 2290);
}

}  // namespace
}  // namespace delvarin
