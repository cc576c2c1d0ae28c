// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace delvarin {

// Letter value of a one-character string under the convert table, where the
// four Persian letters count as their Arabic base letters. Any other string,
// empty or longer than one code unit, is worth 0.
std::int16_t Abjad(std::u16string_view letter);

// The same under the delete table, where the four Persian letters count 0.
std::int16_t AbjadDel(std::u16string_view letter);

// Sum of the letter values of every UTF-16 code unit of `text`. Throws
// std::overflow_error rather than wrap past the 32-bit signed range.
std::int32_t GetAbjad(std::u16string_view text, bool convertLetters);

// A modern Persian keyboard types the Farsi yeh U+06CC, which the letter
// tables do not know; the catalogue and every label spell it U+064A.
// Returns how many code units were changed.
std::size_t FoldFarsiYeh(std::u16string& text);

}  // namespace delvarin
