// SPDX-License-Identifier: GPL-3.0-or-later
#include "text.h"

#include <gtest/gtest.h>

#include <string>

#include "typed_text_cases.h"

namespace delvarin {
namespace {

const std::u16string kEmoji = u"\U0001F600";  // a surrogate pair

TEST(TypedText, StripsControlsLineBreaksAndInvisibleFormatting) {
    for (const test::TypedCharacter& t : test::kTypedCharacters) {
        SCOPED_TRACE(t.name);
        const std::u16string c = test::Utf16(t.c);
        EXPECT_EQ(IsStrippedFromTyping(t.c), !t.kept);
        EXPECT_EQ(CleanTypedText(c + u"س" + c + u"يد" + c),
                  t.kept ? c + u"س" + c + u"يد" + c : u"سيد");
        EXPECT_EQ(CheckTypedText(u"سي" + c + u"د"),
                  t.kept ? TypedTextStatus::Fits : TypedTextStatus::StrippedCharacter);
    }
    EXPECT_EQ(CleanTypedText(u"عل\u06CC"), u"علي");
}

TEST(TypedText, KeepsPairsAndDropsLoneHalves) {
    EXPECT_EQ(CleanTypedText(u"ا" + kEmoji + u"ب"), u"ا" + kEmoji + u"ب");
    EXPECT_EQ(CleanTypedText(std::u16string(u"ا\xD83Dب\xDE00")), u"اب");
    EXPECT_EQ(CleanTypedText(kEmoji.substr(1) + kEmoji.substr(0, 1)), u"");

    EXPECT_EQ(FittingLength(u"ابج", 2), 2u);
    EXPECT_EQ(FittingLength(u"ا" + kEmoji, 2), 1u);  // would cut the pair
    EXPECT_EQ(FittingLength(u"ا" + kEmoji, 3), 3u);
    EXPECT_EQ(FittingLength(u"ا", 20), 1u);
}

TEST(TypedText, ChecksWhatTheListCommandMayTake) {
    EXPECT_EQ(CheckTypedText(u"سيد علي\u200C" + kEmoji), TypedTextStatus::Fits);
    EXPECT_EQ(CheckTypedText(u"سيد\n"), TypedTextStatus::StrippedCharacter);
    EXPECT_EQ(CheckTypedText(u"\u202Bسيد"), TypedTextStatus::StrippedCharacter);
    EXPECT_EQ(CheckTypedText(std::u16string(u"سيد\xD83D")), TypedTextStatus::LoneSurrogate);
    EXPECT_EQ(CheckTypedText(std::u16string(20, u'ا')), TypedTextStatus::Fits);
    EXPECT_EQ(CheckTypedText(std::u16string(21, u'ا')), TypedTextStatus::TooLong);
    EXPECT_FALSE(TypedTextProblem(TypedTextStatus::TooLong).empty());
}

struct EditCase {
    const char* name;
    std::u16string before, after;
    std::size_t cursor;
    std::u16string text;
    std::size_t cursorAfter;
};
void PrintTo(const EditCase& c, std::ostream* os) {
    *os << c.name;
}

class BoxEditing : public testing::TestWithParam<EditCase> {};

TEST_P(BoxEditing, CleansThenKeepsWhatFits) {
    const EditCase& c = GetParam();
    const BoxEdit edit = EditBoxText(c.before, c.after, c.cursor);
    EXPECT_EQ(edit.text, c.text);
    EXPECT_EQ(edit.cursor, c.cursorAfter);
    EXPECT_LE(edit.text.size(), kBoxLimit);
}

const std::u16string k17(17, u'ب');
const std::u16string k19(19, u'ب');
const std::u16string k20(20, u'ب');

INSTANTIATE_TEST_SUITE_P(
    Edits, BoxEditing,
    testing::Values(EditCase{"TypedLetter", u"سي", u"سيد", 3, u"سيد", 3},
                    EditCase{"TypedOverrideIsDropped", u"سيد", u"\u202Eسيد", 1, u"سيد", 0},
                    EditCase{"PastedLineBreakIsDropped", u"", u"سيد\r\nعلي", 8, u"سيدعلي", 6},
                    EditCase{"TwentyFirstLetterRefused", k20, k20 + u"ا", 21, k20, 20},
                    EditCase{"PasteIsCutToTheRoomLeft", u"سيد", u"سيد" + k19, 22, u"سيد" + k17, 20},
                    EditCase{"PasteInTheMiddleKeepsTheTail", u"اب", u"ا" + k20 + u"ب", 21,
                             u"ا" + std::u16string(18, u'ب') + u"ب", 19},
                    EditCase{"StrippedCharactersTakeNoRoom", u"سيد", u"سيد\u200F\u200F" + k17, 22,
                             u"سيد" + k17, 20},
                    EditCase{"PairThatWouldNotFitIsLeftOut", k19, k19 + kEmoji, 21, k19, 19},
                    EditCase{"PairThatFitsStays", std::u16string(18, u'ب'),
                             std::u16string(18, u'ب') + kEmoji + u"ا", 21,
                             std::u16string(18, u'ب') + kEmoji, 20},
                    EditCase{"LoneHalfAtTheEndIsDropped", u"", std::u16string(u"سيد\xD83D"), 4,
                             u"سيد", 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Decimal, WritesPlainAsciiDigits) {
    EXPECT_EQ(Decimal(0), u"0");
    EXPECT_EQ(Decimal(771), u"771");
    EXPECT_EQ(Decimal(2147483648), u"2147483648");
    std::u16string text = u"|";
    AppendDecimal(text, 6174);
    EXPECT_EQ(text, u"|6174");
}

}  // namespace
}  // namespace delvarin
