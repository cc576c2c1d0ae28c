// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace delvarin {

// Letter value of a one-character string under the convert table, where the
// four Persian letters count as their Arabic base letters. Any other string,
// empty or longer than one code unit, is worth 0.
std::int16_t Abjad(std::u16string_view letter);

// The same under the delete table, where the four Persian letters count 0.
std::int16_t AbjadDel(std::u16string_view letter);

// Sum of the letter values of every UTF-16 code unit of `text`. No text that
// fits in memory takes it past 64 bits.
std::int64_t AbjadSum(std::u16string_view text, bool convertLetters) noexcept;

// The same, or nothing when the sum passes the 32-bit signed range.
std::optional<std::int32_t> AbjadValue(std::u16string_view text, bool convertLetters) noexcept;

// The same sum; fails with std::overflow_error rather than wrap.
std::int32_t GetAbjad(std::u16string_view text, bool convertLetters);

// The value as the window shows it beside a box: decimal digits, "0" for an
// empty text, nothing for a sum past the 32-bit range.
std::u16string ValueText(std::u16string_view text, bool convertLetters);

}  // namespace delvarin
