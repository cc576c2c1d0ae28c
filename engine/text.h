// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace delvarin {

// The name boxes hold at most this many UTF-16 code units.
inline constexpr std::size_t kBoxLimit = 20;

// The prefix a parent finds in the prefix box.
inline constexpr std::u16string_view kDefaultPrefix = u"سيد";

// A modern Persian keyboard types the Farsi yeh U+06CC, which the letter
// tables do not know; the catalogue and every label spell it U+064A.
// Returns how many code units were changed.
std::size_t FoldFarsiYeh(std::u16string& text);

// Characters a name box never keeps: line breaks and every other control
// character, and every invisible format character (the bidi marks,
// embeddings, overrides and isolates, the soft hyphen, the zero-width space,
// the byte order mark and the rest of Unicode's Cf). Each would change how a
// list line reads or travel unseen into a copied list, and all are worth 0.
// The zero-width non-joiner and joiner stay: Persian needs them.
bool IsStrippedFromTyping(char32_t c);

// Why a text may not stand in a name box as it is.
enum class TypedTextStatus { Fits, StrippedCharacter, LoneSurrogate, TooLong };

// In English, for the list command's refusals; empty for a text that fits.
std::string_view TypedTextProblem(TypedTextStatus status);

TypedTextStatus CheckTypedText(std::u16string_view text);

// What a name box keeps of typed or pasted text: the Farsi yeh folded,
// stripped characters and lone surrogate halves taken out; the length is
// left alone.
std::u16string CleanTypedText(std::u16string_view typed);

// The length of the longest start of `text` within `units` code units that
// does not end between the two halves of a surrogate pair.
std::size_t FittingLength(std::u16string_view text, std::size_t units);

// A name box's text and caret after an edit.
struct BoxEdit {
    std::u16string text;
    std::size_t cursor;
};

// What a name box holds when an edit turns its text `before` (which fits)
// into `after`, with the caret at `cursor`: `after` cleaned and, when that
// passes the box limit, with only as much of the inserted text as fits.
BoxEdit EditBoxText(std::u16string_view before, std::u16string_view after, std::size_t cursor);

// ASCII decimal digits, with a minus sign for a negative value.
void AppendDecimal(std::u16string& text, std::int64_t value);
std::u16string Decimal(std::int64_t value);

}  // namespace delvarin
