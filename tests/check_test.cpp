// SPDX-License-Identifier: GPL-3.0-or-later
#include "check.h"

#include <gtest/gtest.h>

#include <string>

namespace delvarin {
namespace {

struct CheckCase {
    const char* name;
    std::u16string_view mother;
    bool son;
    bool daughter;
    std::u16string_view prefix;
    int prefixWanted;
    CheckStatus expected;
};
void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.name;
}

class CheckCompleteCase : public testing::TestWithParam<CheckCase> {};

TEST_P(CheckCompleteCase, AnswersTheFirstFailingStep) {
    const CheckCase& c = GetParam();
    EXPECT_EQ(CheckComplete(c.mother, c.son, c.daughter, c.prefix, c.prefixWanted), c.expected);
}

using enum CheckStatus;
INSTANTIATE_TEST_SUITE_P(
    Inputs, CheckCompleteCase,
    testing::Values(
        CheckCase{"EmptyMotherBeatsEverything", u"", false, false, u"", 1, MotherNotPersian},
        CheckCase{"LatinMother", u"Maryam", true, false, u"سيد", 0, MotherNotPersian},
        CheckCase{"DigitMother", u"۱۲۳", true, false, u"سيد", 0, MotherNotPersian},
        CheckCase{"LoneAlefIsWorthOne", u"ا", true, false, u"سيد", 0, MotherNotPersian},
        CheckCase{"LoneHamzaIsWorthOne", u"ء", true, false, u"سيد", 0, MotherNotPersian},
        CheckCase{"TwoAlefsPass", u"اا", true, false, u"", 0, MayProceed},
        CheckCase{"AlefMaddaBehPasses", u"آب", false, true, u"", 0, MayProceed},
        CheckCase{"FarsiYehAloneIsWorthNothing", u"\u06CC", true, false, u"", 0, MotherNotPersian},
        CheckCase{"NoGender", u"مريم", false, false, u"", 1, NoGender},
        CheckCase{"PrefixOffAnyTextPasses", u"مريم", true, false, u"", 0, MayProceed},
        CheckCase{"PrefixOffLatinPasses", u"مريم", true, false, u"abc", 0, MayProceed},
        CheckCase{"PrefixOnSeyyedPasses", u"مريم", true, false, u"سيد", 1, MayProceed},
        CheckCase{"PrefixOnEmptyRefused", u"مريم", false, true, u"", 1, PrefixNotPersian},
        CheckCase{"PrefixOnLatinRefused", u"مريم", true, false, u"Mir", 1, PrefixNotPersian},
        CheckCase{"PrefixOnAlefRefused", u"مريم", true, false, u"آ", 1, PrefixNotPersian},
        CheckCase{"AnyNonZeroWantsThePrefix", u"مريم", true, false, u"", -1, PrefixNotPersian},
        CheckCase{"GolPassesUnderTheConvertTable", u"گل", true, false, u"", 0, MayProceed},
        CheckCase{"PersianLettersOnlyPass", u"پچژگ", true, false, u"", 0, MayProceed},
        CheckCase{"BothGendersStillPass", u"مريم", true, true, u"", 0, MayProceed}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CheckMessages, EachRefusalHasItsOwnText) {
    EXPECT_TRUE(CheckMessage(MayProceed).empty());
    EXPECT_EQ(CheckMessage(MotherNotPersian), u"نام مادر را به فارسي وارد كنيد");
    EXPECT_EQ(CheckMessage(NoGender), u"جنسيت فرزند را انتخاب كنيد");
    EXPECT_EQ(CheckMessage(PrefixNotPersian), u"پيشوند نام را به فارسي وارد كنيد");
}

}  // namespace
}  // namespace delvarin
