// SPDX-License-Identifier: GPL-3.0-or-later
#include "abjad.h"
#include "text.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace delvarin {
namespace {

struct ValueCase {
    const char* name;
    std::u16string text;
    std::int32_t convert;
    std::int32_t del;
};
void PrintTo(const ValueCase& c, std::ostream* os) {
    *os << c.name;
}

class AbjadValues : public testing::TestWithParam<ValueCase> {};

TEST_P(AbjadValues, SumsLetterValuesUnderBothTables) {
    const ValueCase& c = GetParam();
    EXPECT_EQ(GetAbjad(c.text, true), c.convert);
    EXPECT_EQ(GetAbjad(c.text, false), c.del);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, AbjadValues,
    testing::Values(ValueCase{"Empty", u"", 0, 0}, ValueCase{"Alef", u"ا", 1, 1},
                    ValueCase{"AlefMaddaBeh", u"آب", 3, 3}, ValueCase{"Seyyed", u"سيد", 74, 74},
                    ValueCase{"AliArabicYeh", u"علي", 110, 110},
                    ValueCase{"AliFarsiYehCountsZero", u"عل\u06CC", 100, 100},
                    ValueCase{"SpaceCountsZero", u"فاطمه زهرا", 348, 348},
                    ValueCase{"Pezhman", u"پژمان", 100, 91},
                    ValueCase{"Golchehre", u"گلچهره", 263, 240},
                    ValueCase{"HazhirVowelled", u"هَژير", 222, 215},
                    ValueCase{"TarannomVowelled", u"تَرَنُم", 690, 690},
                    ValueCase{"TarannomBare", u"ترنم", 690, 690},
                    ValueCase{"ShaddaCountsZero", u"محمّد", 92, 92},
                    ValueCase{"ZwnjCountsZero", u"سه\u200Cشنبه", 422, 422},
                    ValueCase{"KehehCountsAsKaf", u"ک", 20, 20},
                    ValueCase{"HamzaForms", u"ءأإؤئة", 1 + 1 + 1 + 6 + 10 + 5,
                              1 + 1 + 1 + 6 + 10 + 5},
                    ValueCase{"Latin", u"Ali", 0, 0}, ValueCase{"Digits", u"123۱۲۳", 0, 0},
                    ValueCase{"UnlistedArabicForms", u"\u0649\u06C0\u0640\u064B\u064C\u064D", 0, 0},
                    ValueCase{"SurrogatePair", u"\U0001F600", 0, 0},
                    ValueCase{"ThirtyThreeGhain", std::u16string(33, u'غ'), 33000, 33000}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AbjadLetter, OnlyASingleCodeUnitHasAValue) {
    EXPECT_EQ(Abjad(u"ب"), 2);
    EXPECT_EQ(AbjadDel(u"ب"), 2);
    EXPECT_EQ(Abjad(u"گ"), 20);
    EXPECT_EQ(AbjadDel(u"گ"), 0);
    EXPECT_EQ(Abjad(u"با"), 0);
    EXPECT_EQ(AbjadDel(u"با"), 0);
    EXPECT_EQ(Abjad(u""), 0);
    EXPECT_EQ(Abjad(u"\u06CC"), 0);
}

TEST(AbjadLetter, TablesDifferOnlyInTheFourPersianLetters) {
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        const std::u16string letter(1, static_cast<char16_t>(c));
        const bool persian = c == 0x067E || c == 0x0686 || c == 0x0698 || c == 0x06AF;
        if (persian) {
            EXPECT_GT(Abjad(letter), 0);
            EXPECT_EQ(AbjadDel(letter), 0);
        } else {
            ASSERT_EQ(Abjad(letter), AbjadDel(letter)) << std::hex << static_cast<int>(c);
        }
        ASSERT_GE(Abjad(letter), 0);
        ASSERT_LE(Abjad(letter), 1000);
    }
}

TEST(AbjadSum, EqualsTheSumOfItsLetters) {
    const std::u16string text = u"زين العابدين پگاه Ali ۳";
    for (bool convert : {true, false}) {
        std::int32_t sum = 0;
        for (char16_t c : text)
            sum += convert ? Abjad(std::u16string(1, c)) : AbjadDel(std::u16string(1, c));
        EXPECT_EQ(GetAbjad(text, convert), sum);
    }
}

TEST(AbjadSum, OverflowIsAnswerNotAWrappedValue) {
    // 2,147,483 ghains reach 2,147,483,000; four more letters pass the limit.
    std::u16string text(2'147'483, u'غ');
    EXPECT_EQ(GetAbjad(text, true), 2'147'483'000);
    EXPECT_EQ(ValueText(text, true), u"2147483000");
    text += u"قرشت";  // 100 + 200 + 300 + 400 = 1000 more
    EXPECT_THROW(GetAbjad(text, true), std::overflow_error);
    EXPECT_EQ(AbjadValue(text, true), std::nullopt);
    EXPECT_EQ(ValueText(text, true), u"");
    // Under the delete table the same letters are worth as much.
    EXPECT_EQ(AbjadValue(text, false), std::nullopt);
    EXPECT_EQ(ValueText(u"", true), u"0");
}

TEST(FoldFarsiYeh, MakesTypedYehTheCatalogueYeh) {
    std::u16string typed = u"عل\u06CC \u06CCاس";
    EXPECT_EQ(FoldFarsiYeh(typed), 2u);
    EXPECT_EQ(typed, u"علي ياس");
    EXPECT_EQ(GetAbjad(typed, true), 110 + 71);
    std::u16string keheh = u"کاوه";
    EXPECT_EQ(FoldFarsiYeh(keheh), 0u);
    EXPECT_EQ(keheh, u"کاوه");
}

}  // namespace
}  // namespace delvarin
