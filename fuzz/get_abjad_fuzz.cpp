// SPDX-License-Identifier: GPL-3.0-or-later
// Any UTF-16 text through both letter tables, the Farsi yeh fold and the
// rule for what a name box keeps.
#include <cstddef>
#include <cstdint>
#include <string>

#include "abjad.h"
#include "text.h"

namespace {

void Check(bool ok) {
    if (!ok) __builtin_trap();
}

struct Values {
    std::int32_t convert;
    std::int32_t del;
};

Values CheckText(const std::u16string& text) {
    const std::int32_t convert = delvarin::GetAbjad(text, true);
    const std::int32_t del = delvarin::GetAbjad(text, false);
    std::int64_t convertSum = 0;
    std::int64_t delSum = 0;
    for (char16_t c : text) {
        const std::u16string_view one(&c, 1);
        convertSum += delvarin::Abjad(one);
        delSum += delvarin::AbjadDel(one);
    }
    const std::int64_t limit = 1000 * static_cast<std::int64_t>(text.size());
    Check(convert >= 0 && del >= 0);
    Check(convert == convertSum && del == delSum);
    Check(convert <= limit && del <= limit);
    // The delete table only zeroes letters the convert table values.
    Check(del <= convert);
    return {convert, del};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::u16string text;
    text.reserve(size / 2);
    for (std::size_t i = 0; i + 1 < size; i += 2)
        text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));

    const Values before = CheckText(text);

    std::size_t farsiYeh = 0;
    for (char16_t c : text) farsiYeh += c == u'\u06CC';
    std::u16string folded = text;
    Check(delvarin::FoldFarsiYeh(folded) == farsiYeh);
    Check(folded.size() == text.size());
    for (char16_t c : folded) Check(c != u'\u06CC');

    // Folding turns a letter the tables ignore into one they value.
    const Values after = CheckText(folded);
    Check(after.convert >= before.convert && after.del >= before.del);

    // A box keeps every letter: what it takes out is worth nothing.
    const std::u16string clean = delvarin::CleanTypedText(text);
    const Values kept = CheckText(clean);
    Check(kept.convert == after.convert && kept.del == after.del);
    Check(delvarin::CheckTypedText(clean) == delvarin::TypedTextStatus::Fits ||
          delvarin::CheckTypedText(clean) == delvarin::TypedTextStatus::TooLong);

    // An edit from a box's text to any other stays within the box.
    const std::size_t split = text.empty() ? 0 : data[0] % (text.size() + 1);
    const std::u16string before20 = clean.substr(0, delvarin::FittingLength(clean, 20));
    const delvarin::BoxEdit edit = delvarin::EditBoxText(before20, text, split);
    Check(delvarin::CheckTypedText(edit.text) == delvarin::TypedTextStatus::Fits);
    Check(edit.cursor <= edit.text.size());
    return 0;
}
