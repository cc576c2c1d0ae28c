// SPDX-License-Identifier: GPL-3.0-or-later
#include "abjad.h"

#include <array>
#include <limits>
#include <stdexcept>

#include "text.h"

namespace delvarin {
namespace {

// Every lettered code unit lies in the Arabic block U+0600..U+06FF, so one
// 256-entry table per letter table answers a lookup in constant time.
constexpr char16_t kBlock = 0x0600;

struct LetterValue {
    char16_t letter;
    std::int16_t value;
};

// Every character not listed, spaces and vowel signs included, counts 0.
constexpr std::array<LetterValue, 36> kArabicLetters{{
    {u'ا', 1},   {u'آ', 1},   {u'ء', 1},   {u'أ', 1},   {u'إ', 1},   {u'ب', 2},
    {u'ج', 3},   {u'د', 4},   {u'ه', 5},   {u'ة', 5},   {u'و', 6},   {u'ؤ', 6},
    {u'ز', 7},   {u'ح', 8},   {u'ط', 9},   {u'ي', 10},  {u'ئ', 10},  {u'ك', 20},
    {u'ک', 20},  {u'ل', 30},  {u'م', 40},  {u'ن', 50},  {u'س', 60},  {u'ع', 70},
    {u'ف', 80},  {u'ص', 90},  {u'ق', 100}, {u'ر', 200}, {u'ش', 300}, {u'ت', 400},
    {u'ث', 500}, {u'خ', 600}, {u'ذ', 700}, {u'ض', 800}, {u'ظ', 900}, {u'غ', 1000},
}};

// The four letters Persian adds, with the Arabic letters they stand for.
constexpr std::array<LetterValue, 4> kPersianLetters{{
    {u'پ', 2},
    {u'چ', 3},
    {u'ژ', 7},
    {u'گ', 20},
}};

using BlockTable = std::array<std::int16_t, 256>;

constexpr BlockTable MakeTable(bool convertLetters) {
    BlockTable table{};
    for (const auto& [letter, value] : kArabicLetters) table[letter - kBlock] = value;
    for (const auto& [letter, value] : kPersianLetters)
        table[letter - kBlock] = convertLetters ? value : 0;
    return table;
}

constexpr BlockTable kConvertTable = MakeTable(true);
constexpr BlockTable kDeleteTable = MakeTable(false);

inline std::int16_t LookUp(const BlockTable& table, char16_t c) {
    const unsigned offset = static_cast<unsigned>(c) - kBlock;
    return offset < table.size() ? table[offset] : 0;
}

std::int16_t OneLetter(const BlockTable& table, std::u16string_view letter) {
    return letter.size() == 1 ? LookUp(table, letter.front()) : 0;
}

}  // namespace

std::int16_t Abjad(std::u16string_view letter) {
    return OneLetter(kConvertTable, letter);
}

std::int16_t AbjadDel(std::u16string_view letter) {
    return OneLetter(kDeleteTable, letter);
}

std::int64_t AbjadSum(std::u16string_view text, bool convertLetters) noexcept {
    const BlockTable& table = convertLetters ? kConvertTable : kDeleteTable;
    std::int64_t sum = 0;
    for (char16_t c : text) sum += LookUp(table, c);
    return sum;
}

std::optional<std::int32_t> AbjadValue(std::u16string_view text, bool convertLetters) noexcept {
    const std::int64_t sum = AbjadSum(text, convertLetters);
    if (sum > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    return static_cast<std::int32_t>(sum);
}

std::int32_t GetAbjad(std::u16string_view text, bool convertLetters) {
    if (const auto value = AbjadValue(text, convertLetters)) return *value;
    throw std::overflow_error("Abjad value exceeds the 32-bit range");
}

std::u16string ValueText(std::u16string_view text, bool convertLetters) {
    const auto value = AbjadValue(text, convertLetters);
    return value ? Decimal(*value) : std::u16string();
}

}  // namespace delvarin
