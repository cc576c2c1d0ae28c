// SPDX-License-Identifier: GPL-3.0-or-later
#include "name_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "abjad.h"
#include "planets.h"
#include "read_data.h"

namespace delvarin {
namespace {

struct Line {
    std::u16string shown;  // prefix and name
    std::int32_t value;
};

// Splits a list text into its lines; fails the test when the frame is wrong.
std::vector<Line> Lines(const std::u16string& text) {
    std::vector<Line> lines;
    std::size_t at = 0;
    for (;;) {
        const std::size_t end = text.find(u"\r\n", at);
        if (end == std::u16string::npos) break;
        const std::u16string line = text.substr(at, end - at);
        const std::size_t open = line.rfind(u" (");
        EXPECT_NE(open, std::u16string::npos);
        EXPECT_EQ(line.back(), u')');
        std::int32_t value = 0;
        for (char16_t c : line.substr(open + 2, line.size() - open - 3)) {
            EXPECT_TRUE(c >= u'0' && c <= u'9');
            value = value * 10 + (c - u'0');
        }
        lines.push_back({line.substr(0, open), value});
        at = end + 2;
    }
    EXPECT_EQ(text.substr(at), u"- - -");
    return lines;
}

// The first example: mother "مريم", a son, the Sun.
NameListRequest SonUnderTheSun() {
    return {.mother = u"مريم", .boy = true, .planets = GroupChoice(1)};
}

std::vector<Line> MadeLines(const NameListRequest& request) {
    const NameList list = MakeNameList(SharedNameData(), request);
    EXPECT_EQ(list.status, NameListStatus::Made);
    std::vector<Line> lines = Lines(list.text);
    EXPECT_EQ(static_cast<int>(lines.size()), list.lines);
    // Each line tells the catalogue index of the name it shows.
    EXPECT_EQ(list.indices.size(), lines.size());
    for (std::size_t i = 0; i < std::min(list.indices.size(), lines.size()); ++i)
        EXPECT_TRUE(lines[i].shown.ends_with(SharedNameData().names.name(list.indices[i]))) << i;
    return lines;
}

TEST(NameListExamples, SonUnderTheSun) {
    const std::vector<Line> lines = MadeLines(SonUnderTheSun());
    ASSERT_EQ(lines.size(), 266u);
    EXPECT_EQ(lines[0].shown, u"ستايش");
    EXPECT_EQ(lines[0].value, 771);
    EXPECT_EQ(lines[1].shown, u"پوريا");
    EXPECT_EQ(lines[1].value, 219);
    EXPECT_EQ(lines[2].shown, u"باقر");
    EXPECT_EQ(lines[2].value, 303);
    EXPECT_EQ(lines.back().shown, u"شفروه");
    EXPECT_EQ(lines.back().value, 591);
    for (const Line& line : lines) EXPECT_EQ((line.value + 290) % 12, 5);
}

TEST(NameListExamples, SonUnderTheSunWithThePrefix) {
    NameListRequest request = SonUnderTheSun();
    request.prefixInUse = true;
    const std::vector<Line> lines = MadeLines(request);
    ASSERT_EQ(lines.size(), 281u);
    EXPECT_EQ(lines[0].shown, u"سيد ميلاد");
    EXPECT_EQ(lines[0].value, 159);
    EXPECT_EQ(lines[1].shown, u"سيد سينا");
    EXPECT_EQ(lines[1].value, 195);
    for (const Line& line : lines) EXPECT_EQ((line.value + 290) % 12, 5);
}

TEST(NameListExamples, UntickedPrefixIsIgnored) {
    NameListRequest withText = SonUnderTheSun();
    NameListRequest without = SonUnderTheSun();
    without.prefix = u"";
    EXPECT_EQ(MakeNameList(SharedNameData(), withText).text,
              MakeNameList(SharedNameData(), without).text);
}

TEST(NameListExamples, DaughterUnderAllSixPlanets) {
    NameListRequest request = SonUnderTheSun();
    request.boy = false;
    request.planets = GroupChoice(0);
    const std::vector<Line> lines = MadeLines(request);
    ASSERT_EQ(lines.size(), 1719u);
    EXPECT_EQ(lines[0].shown, u"الناز");
    EXPECT_EQ(lines[0].value, 89);
    EXPECT_EQ(lines[1].shown, u"مينا");
    EXPECT_EQ(lines[1].value, 101);
    EXPECT_EQ(lines[2].shown, u"فاطمه زهرا");
    EXPECT_EQ(lines[2].value, 348);
}

TEST(NameListExamples, DeleteTableDropsPouria) {
    NameListRequest request = SonUnderTheSun();
    request.convertLetters = false;
    const std::vector<Line> lines = MadeLines(request);
    EXPECT_EQ(lines.size(), 252u);
    for (const Line& line : lines) EXPECT_NE(line.shown, u"پوريا");
}

TEST(NameListExamples, PaddedPrefixShowsTrimmedWithOneSpace) {
    NameListRequest request = SonUnderTheSun();
    request.prefixInUse = true;
    request.prefix = u"  سيد ";
    const std::vector<Line> padded = MadeLines(request);
    request.prefix = u"سيد";
    const std::vector<Line> plain = MadeLines(request);
    ASSERT_EQ(padded.size(), plain.size());
    for (std::size_t i = 0; i < padded.size(); ++i) {
        EXPECT_EQ(padded[i].shown, plain[i].shown);
        EXPECT_EQ(padded[i].value, plain[i].value);
    }
    EXPECT_EQ(padded[0].shown.substr(0, 4), u"سيد ");
}

// The wanted list is r = (t - s) mod 12 of the set in force.
struct RemainderCase {
    const char* name;
    std::u16string mother;  // its value fixes s
    int group;
    std::vector<int> lists;  // the BoyLists entries joined
};
void PrintTo(const RemainderCase& c, std::ostream* os) {
    *os << c.name;
}

class NameListRemainder : public testing::TestWithParam<RemainderCase> {};

TEST_P(NameListRemainder, TakesTheListsItWorksBackTo) {
    const RemainderCase& c = GetParam();
    NameListRequest request = SonUnderTheSun();
    request.mother = c.mother;
    request.planets = GroupChoice(c.group);
    std::vector<int> expected;
    for (int r : c.lists) {
        const std::u16string& text = SharedNameData().signLists.list(SignSet::BoyLists, r);
        std::size_t at = 1;
        while (at < text.size()) {
            const std::size_t bar = text.find(u'|', at);
            expected.push_back(std::stoi(std::string(text.begin() + at, text.begin() + bar)));
            at = bar + 1;
        }
    }
    std::sort(expected.begin(), expected.end());
    const std::vector<Line> lines = MadeLines(request);
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        ASSERT_EQ(lines[i].shown, SharedNameData().names.name(expected[i])) << i;
}

INSTANTIATE_TEST_SUITE_P(
    Remainders, NameListRemainder,
    testing::Values(RemainderCase{"SEqualsTGivesZero", u"ه", 1, {0}},
                    RemainderCase{"SAboveTWraps", u"ز", 1, {10}},
                    RemainderCase{"JupiterJoinsTwoSorted", u"مريم", 2, {7, 10}},
                    RemainderCase{"MoonAndVenusJoinThree", u"مريم", 3, {2, 0, 5}},
                    // 40 ghains are worth 40000, past 16 bits: its true remainder, 4, counts.
                    RemainderCase{
                        "LongTextKeepsItsTrueRemainder", std::u16string(40, u'غ'), 1, {1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NameListPlanetNotFound, ForeignLabelsMakeNoList) {
    NameListRequest foreign = SonUnderTheSun();
    foreign.planets.chosen = u"مشتر\u06CC (قوس)";
    const NameList list = MakeNameList(SharedNameData(), foreign);
    EXPECT_EQ(list.status, NameListStatus::PlanetNotFound);
    EXPECT_TRUE(list.text.empty());
    EXPECT_EQ(NameListMessage(list.status),
              u"نام كوكب يافت مي\u200Cنشود، چه كنيم؟ از ليست دوم تطبيق داديم با اسامي شش كوكب "
              u"مورد نظر، ليك هيچكدام منطبق نبود");

    NameListRequest all{
        .mother = u"مريم",
        .planets = {std::u16string(kAllEntries), {u"همه موارد", u"شمس (اسد)", u"Mars"}}};
    EXPECT_EQ(MakeNameList(SharedNameData(), all).status, NameListStatus::PlanetNotFound);

    // An all-entries choice with no planet after it names no planet either.
    all.planets.entries.resize(1);
    EXPECT_EQ(MakeNameList(SharedNameData(), all).status, NameListStatus::PlanetNotFound);
}

TEST(NameListPlanetNotFound, RepeatedPlanetListsItsNamesOnce) {
    NameListRequest request = SonUnderTheSun();
    request.planets = {std::u16string(kAllEntries), {u"همه موارد", u"شمس (اسد)", u"شمس (اسد)"}};
    EXPECT_EQ(MakeNameList(SharedNameData(), request).text,
              MakeNameList(SharedNameData(), SonUnderTheSun()).text);
}

// A brute-force oracle: every catalogue name of the gender, in index order,
// whose value with the mother's and the prefix's falls on a chosen sign.
std::vector<std::u16string> Oracle(const NameListRequest& request, const std::set<int>& signs) {
    std::vector<std::u16string> shown;
    const NameTable& names = SharedNameData().names;
    std::u16string prefix;
    if (request.prefixInUse) {
        const auto first = request.prefix.find_first_not_of(u' ');
        if (first != std::u16string::npos)
            prefix =
                request.prefix.substr(first, request.prefix.find_last_not_of(u' ') - first + 1);
        prefix += u' ';
    }
    const int m = GetAbjad(request.mother, request.convertLetters) % 12;
    const int p = request.prefixInUse ? GetAbjad(request.prefix, request.convertLetters) % 12 : 0;
    for (int i = 1; i <= NameTable::kNameCount; ++i) {
        const NameGender g = names.gender(i);
        if (request.boy ? !IsBoys(g) : !IsGirls(g)) continue;
        if (signs.count((GetAbjad(names.name(i), request.convertLetters) + m + p) % 12))
            shown.push_back(prefix + std::u16string(names.name(i)));
    }
    return shown;
}

TEST(NameListProperties, AgreesWithABruteForceOracleOnGeneratedInputs) {
    std::mt19937 random(20261208);
    const std::u16string letters = u"ابپتثجچحخدذرزژسشصضطظعغفقكگلمنوهيآءئة ً\u06CC\u200Ca1";
    auto text = [&](std::size_t maxLength) {
        std::u16string t;
        const std::size_t length = random() % (maxLength + 1);
        for (std::size_t i = 0; i < length; ++i) t += letters[random() % letters.size()];
        return t;
    };
    for (int run = 0; run < 300; ++run) {
        NameListRequest request = SonUnderTheSun();
        request.mother = text(20);
        request.prefix = text(20);
        request.prefixInUse = random() % 2;
        request.boy = random() % 2;
        request.convertLetters = random() % 2;
        const int groupIndex = static_cast<int>(random() % 4);
        const PlanetGroup group = *PlanetGroupEntries(groupIndex);
        request.planets = GroupChoice(groupIndex, group.labels[random() % group.labels.size()]);

        std::set<int> signs;
        for (std::u16string_view label : group.labels) {
            const auto entry = FindPlanet(label);
            if (entry && (request.planets.chosen == kAllEntries || label == request.planets.chosen))
                signs.insert(entry->remainder);
        }
        const std::vector<Line> lines = MadeLines(request);
        const std::vector<std::u16string> expected = Oracle(request, signs);
        ASSERT_EQ(lines.size(), expected.size()) << "run " << run;
        const std::int32_t motherValue = GetAbjad(request.mother, request.convertLetters);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            ASSERT_EQ(lines[i].shown, expected[i]) << "run " << run << " line " << i;
            ASSERT_EQ(lines[i].value, GetAbjad(lines[i].shown, request.convertLetters));
            ASSERT_TRUE(signs.count((lines[i].value + motherValue) % 12));
        }
    }
}

}  // namespace
}  // namespace delvarin
