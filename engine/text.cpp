// SPDX-License-Identifier: GPL-3.0-or-later
#include "text.h"

#include <algorithm>
#include <charconv>

namespace delvarin {
namespace {

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}
char32_t CodePoint(char16_t high, char16_t low) {
    return 0x10000 + ((static_cast<char32_t>(high) - 0xD800) << 10) + (low - 0xDC00);
}

}  // namespace

std::size_t FoldFarsiYeh(std::u16string& text) {
    std::size_t folded = 0;
    for (char16_t& c : text) {
        if (c == u'\u06CC') {
            c = u'\u064A';
            ++folded;
        }
    }
    return folded;
}

bool IsStrippedFromTyping(char32_t c) {
    // Unicode's format characters (Cf) as of Unicode 17, but for the two
    // joiners.
    struct Range {
        char32_t first, last;
    };
    static constexpr Range kFormat[] = {
        {0x00AD, 0x00AD},   {0x0600, 0x0605},   {0x061C, 0x061C},   {0x06DD, 0x06DD},
        {0x070F, 0x070F},   {0x0890, 0x0891},   {0x08E2, 0x08E2},   {0x180E, 0x180E},
        {0x200B, 0x200B},   {0x200E, 0x200F},   {0x202A, 0x202E},   {0x2060, 0x2064},
        {0x2066, 0x206F},   {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD},
        {0x110CD, 0x110CD}, {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A},
        {0xE0001, 0xE0001}, {0xE0020, 0xE007F},
    };
    if (c <= 0x1F || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029) return true;
    for (const Range& r : kFormat)
        if (c >= r.first && c <= r.last) return true;
    return false;
}

std::string_view TypedTextProblem(TypedTextStatus status) {
    switch (status) {
        case TypedTextStatus::Fits:
            return {};
        case TypedTextStatus::StrippedCharacter:
            return "holds a control character, a line break or an invisible format character "
                   "(a bidi mark, a soft hyphen, a zero-width space ...), which a name box takes "
                   "out";
        case TypedTextStatus::LoneSurrogate:
            return "holds half a surrogate pair";
        case TypedTextStatus::TooLong:
            return "takes at most 20 characters";
    }
    return {};
}

TypedTextStatus CheckTypedText(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        char32_t point = c;
        if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            point = CodePoint(c, text[++i]);
        } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
            return TypedTextStatus::LoneSurrogate;
        }
        if (IsStrippedFromTyping(point)) return TypedTextStatus::StrippedCharacter;
    }
    return text.size() > kBoxLimit ? TypedTextStatus::TooLong : TypedTextStatus::Fits;
}

namespace {

// Cleans `typed` and maps `cursor`, an offset into it, to an offset into the
// result.
BoxEdit Clean(std::u16string_view typed, std::size_t cursor) {
    BoxEdit out{{}, 0};
    out.text.reserve(typed.size());
    for (std::size_t i = 0; i < typed.size(); ++i) {
        if (i == cursor) out.cursor = out.text.size();
        const char16_t c = typed[i];
        if (IsHighSurrogate(c) && i + 1 < typed.size() && IsLowSurrogate(typed[i + 1])) {
            const char16_t low = typed[++i];
            if (!IsStrippedFromTyping(CodePoint(c, low))) {
                out.text.push_back(c);
                out.text.push_back(low);
            }
            // A caret between the halves goes after the pair.
        } else if (!IsStrippedFromTyping(c) && !IsHighSurrogate(c) && !IsLowSurrogate(c)) {
            out.text.push_back(c == u'\u06CC' ? u'\u064A' : c);
        }
    }
    if (cursor >= typed.size()) out.cursor = out.text.size();
    return out;
}

}  // namespace

std::u16string CleanTypedText(std::u16string_view typed) {
    return Clean(typed, 0).text;
}

std::size_t FittingLength(std::u16string_view text, std::size_t units) {
    if (units >= text.size()) return text.size();
    if (units > 0 && IsHighSurrogate(text[units - 1]) && IsLowSurrogate(text[units]))
        return units - 1;
    return units;
}

BoxEdit EditBoxText(std::u16string_view before, std::u16string_view after, std::size_t cursor) {
    BoxEdit edit = Clean(after, cursor);
    const std::u16string_view now = edit.text;
    if (now.size() <= kBoxLimit) return edit;

    // What the edit kept of `before` stands at both ends; the rest, which
    // ends at the caret, is new.
    const std::size_t most = std::min(before.size(), now.size());
    const std::size_t caretAt = std::min(edit.cursor, now.size());
    std::size_t tail = 0;
    while (tail < most && tail < now.size() - caretAt &&
           before[before.size() - 1 - tail] == now[now.size() - 1 - tail])
        ++tail;
    std::size_t head = 0;
    while (head < most - tail && before[head] == now[head]) ++head;
    // Never keep half a pair at either seam.
    if (head > 0 && IsHighSurrogate(now[head - 1])) --head;
    if (tail > 0 && IsLowSurrogate(now[now.size() - tail])) --tail;

    const std::u16string_view inserted = now.substr(head, now.size() - head - tail);
    const std::size_t room = kBoxLimit - std::min(kBoxLimit, head + tail);
    const std::size_t kept = FittingLength(inserted, room);
    std::u16string text;
    text.reserve(head + kept + tail);
    text.append(now.substr(0, head));
    text.append(inserted.substr(0, kept));
    text.append(now.substr(now.size() - tail));

    if (text.size() > kBoxLimit) text.resize(FittingLength(text, kBoxLimit));

    std::size_t caret = edit.cursor;
    if (caret > head + kept)
        caret = caret >= head + inserted.size() ? caret - (inserted.size() - kept) : head + kept;
    return {std::move(text), std::min(caret, head + kept + tail)};
}

void AppendDecimal(std::u16string& text, std::int64_t value) {
    char digits[21];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    text.append(digits, end);
}

std::u16string Decimal(std::int64_t value) {
    std::u16string text;
    AppendDecimal(text, value);
    return text;
}

}  // namespace delvarin
