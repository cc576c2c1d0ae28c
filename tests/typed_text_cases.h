// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a name box keeps of typed or pasted text, one character a row: the
// engine's rule, the window's boxes, the list command and the web page are
// all checked against this one table. The page's test reads it as text.

#include <string>

namespace delvarin::test {

struct TypedCharacter {
    const char* name;
    char32_t c;
    bool kept;
};

// clang-format off
inline constexpr TypedCharacter kTypedCharacters[] = {
    // Controls and line breaks.
    {"Null", 0x0000, false},
    {"Tab", 0x0009, false},
    {"LineFeed", 0x000A, false},
    {"CarriageReturn", 0x000D, false},
    {"UnitSeparator", 0x001F, false},
    {"Delete", 0x007F, false},
    {"NextLine", 0x0085, false},
    {"ApplicationCommand", 0x009F, false},
    {"LineSeparator", 0x2028, false},
    {"ParagraphSeparator", 0x2029, false},
    // Invisible format characters, each range by its ends.
    {"SoftHyphen", 0x00AD, false},
    {"ArabicNumberSign", 0x0600, false},
    {"ArabicNumberMarkAbove", 0x0605, false},
    {"ArabicLetterMark", 0x061C, false},
    {"ArabicEndOfAyah", 0x06DD, false},
    {"SyriacAbbreviationMark", 0x070F, false},
    {"ArabicPoundMarkAbove", 0x0890, false},
    {"ArabicPiastreMarkAbove", 0x0891, false},
    {"ArabicDisputedEndOfAyah", 0x08E2, false},
    {"MongolianVowelSeparator", 0x180E, false},
    {"ZeroWidthSpace", 0x200B, false},
    {"LeftToRightMark", 0x200E, false},
    {"RightToLeftMark", 0x200F, false},
    {"LeftToRightEmbedding", 0x202A, false},
    {"RightToLeftOverride", 0x202E, false},
    {"WordJoiner", 0x2060, false},
    {"InvisiblePlus", 0x2064, false},
    {"LeftToRightIsolate", 0x2066, false},
    {"PopIsolate", 0x2069, false},
    {"NominalDigitShapes", 0x206F, false},
    {"ByteOrderMark", 0xFEFF, false},
    {"InterlinearAnnotationAnchor", 0xFFF9, false},
    {"InterlinearAnnotationTerminator", 0xFFFB, false},
    {"KaithiNumberSign", 0x110BD, false},
    {"KaithiNumberSignAbove", 0x110CD, false},
    {"EgyptianVerticalJoiner", 0x13430, false},
    {"EgyptianLastFormatControl", 0x1343F, false},
    {"ShorthandLetterOverlap", 0x1BCA0, false},
    {"ShorthandFormatUpStep", 0x1BCA3, false},
    {"MusicalBeginBeam", 0x1D173, false},
    {"MusicalEndPhrase", 0x1D17A, false},
    {"LanguageTag", 0xE0001, false},
    {"TagSpace", 0xE0020, false},
    {"CancelTag", 0xE007F, false},
    // What Persian needs, and the neighbours of what goes.
    {"ZeroWidthNonJoiner", 0x200C, true},
    {"ZeroWidthJoiner", 0x200D, true},
    {"Tatweel", 0x0640, true},
    {"ArabicSemicolon", 0x061B, true},
    {"ArabicFathatan", 0x064B, true},
    {"NoBreakSpace", 0x00A0, true},
    {"HyphenationPoint", 0x2027, true},
    {"NarrowNoBreakSpace", 0x202F, true},
    {"ObjectReplacement", 0xFFFC, true},
    {"EgyptianMirrorHorizontally", 0x13440, true},
    {"Emoji", 0x1F600, true},
    {"MathematicalAlef", 0x1EE00, true},
};
// clang-format on

inline std::u16string Utf16(char32_t c) {
    if (c < 0x10000) return std::u16string(1, static_cast<char16_t>(c));
    return {static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)),
            static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF))};
}

}  // namespace delvarin::test
